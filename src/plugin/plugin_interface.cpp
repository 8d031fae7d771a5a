#include "src/plugin/plugin_interface.h"

#include "src/build/build_entries.h"
#include "src/convert/convert_entry.h"
#include "src/core/interface_table.h"
#include "src/plugin/entries.h"
#include "src/ui/settings_openers.h"

namespace zrt {
namespace {

// Entries whose subsystems are not built yet: they refuse (0) or do nothing.
int ZRT_CDECL ExportDebugSettingsNotAvailable(DebugLaunchInfo*) { return 0; }
void ZRT_CDECL AccessorNotAvailable(const char*) {}

constexpr int kAccessorCount = 3;

}  // namespace

void FillPluginSlots() {
  PluginInterface& table = Interface();
  table.Initialize = entries::Initialize;
  table.NodeCreated = entries::NodeCreated;
  table.ProjectOpened = entries::ProjectOpened;
  table.ShowSettings = entries::ShowSettings;
  table.ConvertProject = entries::ConvertProject;
  table.BuildProject = entries::BuildProject;
  table.CompileFile = entries::CompileFile;
  table.StopBuild = entries::StopBuild;
  table.CleanOutputs = entries::CleanOutputs;
  table.ProjectEvent = entries::ProjectEvent;
  table.ExportDebugSettings = ExportDebugSettingsNotAvailable;
  table.Reserved = entries::Reserved;
  table.NextDependency = entries::NextDependency;
  table.NextIncludePath = entries::NextIncludePath;
  table.ReservedQuery = entries::ReservedQuery;

  DebuggerAccessorTable& record = AccessorTable();
  record.SetDriver = AccessorNotAvailable;
  record.SetAppPath = AccessorNotAvailable;
  record.SetServerOptions = AccessorNotAvailable;
  record.count = kAccessorCount;
}

}  // namespace zrt
