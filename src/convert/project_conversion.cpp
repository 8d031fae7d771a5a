#include "src/convert/project_conversion.h"

#include <cctype>
#include <cstdint>

#include "platform/message_box.h"
#include "src/config/configuration_defaults.h"
#include "src/config/file_defaults.h"
#include "src/config/section_keys.h"
#include "src/convert/uv2_reader.h"
#include "src/convert/uvproj_reader.h"
#include "src/core/host_callbacks.h"
#include "src/core/host_node.h"
#include "src/core/text_utilities.h"

namespace zrt {
namespace {

constexpr int kAssemblerFileType = 2;

constexpr char kCannotConvert[] = "该工程存在问题，不可以进行转换!!!\r\n请确保使用了正确的工程文件";

std::string LowerExtension(const std::string& path) {
  size_t dot = path.rfind('.');
  std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

// Changes attributes of node through one committed copy.
template <typename Change>
void Commit(HostNode* node, Change change) {
  HostNode* copy = CloneNode(node);
  if (copy == nullptr) return;
  change(copy);
  host::CommitNode(node, copy);
  DestroyNode(copy);
}

// Device description entries written onto each configuration, by prefix.
struct DeviceEntryKey {
  const char* key;
  const char* prefix;
};
const DeviceEntryKey kDeviceEntryKeys[] = {{"CPU", "CPU"}, {"RGF", "REGFILE"}, {"MONDL", "MON"}, {"SIMDL", "SIM"}};

void WriteDeviceValues(HostNode* configuration, const ProjectContext& context) {
  const DeviceRecord& device = context.deviceRecord;
  Commit(configuration, [&](HostNode* copy) {
    SetAttribute(copy, "OPTDBG", "1,-1,1,1,1,0,()");
    SetAttribute(copy, "DEVICE", device.name ? device.name : "");
    SetAttribute(copy, "VENDOR", device.vendor ? device.vendor : "");
    // The family number is the record's third word.
    SetAttributeInt(copy, "FAMINY", static_cast<int>(reinterpret_cast<intptr_t>(device.reserved)));
    for (const DeviceEntryKey& entry : kDeviceEntryKeys) {
      const char* text = FindPrefixedEntry(&device, entry.prefix);
      if (text != nullptr) SetAttribute(copy, entry.key, text);
    }
    SetAttribute(copy, "SIMCLK", std::to_string(context.cpuClock).c_str());
  });
}

// The conversion of one project: its node, the context and the reader.
class ProjectConversion {
 public:
  ProjectConversion(HostNode* project, ProjectContext& context, std::unique_ptr<CProjectReader> reader)
      : project_(project), context_(context), reader_(std::move(reader)) {}

  bool Run() {
    return reader_ && reader_->Open() && reader_->ReadTargets() && WriteConfigurations() && WriteFileTree();
  }
  HostNode* FilesNode() const { return files_; }

 private:
  bool WriteConfigurations();
  bool WriteFileTree();
  void WriteItems(HostNode* parent, const ProjectItem* first);
  void WriteGroup(HostNode* parent, const ProjectItem& group);
  bool WriteFile(HostNode* parent, const ProjectItem& file);

  HostNode* project_;
  ProjectContext& context_;
  std::unique_ptr<CProjectReader> reader_;
  HostNode* files_ = nullptr;
};

bool ProjectConversion::WriteConfigurations() {
  HostNode* configurations = host::CreateChildNode(project_, "Configurations", nullptr);
  if (configurations == nullptr) {
    reader_->ReadCurrentTarget();
    return false;
  }
  std::vector<const TargetRecord*> targets;
  reader_->GetTargets(&targets);
  bool written = false;
  for (const TargetRecord* record : targets) {
    HostNode* configuration = host::CreateChildNode(configurations, "Configuration", record->name.c_str());
    if (configuration == nullptr) continue;
    context_.configurations.push_back(configuration);
    context_.currentConfigurationName = record->name;
    WriteDeviceValues(configuration, context_);
    WriteTargetKeys(configuration, &record->target);
    WriteConfigurationSections(configuration, record);
    written = true;
  }
  // Without a marked target the last one written stays current.
  reader_->ReadCurrentTarget();
  return written;
}

bool ProjectConversion::WriteFileTree() {
  files_ = host::CreateChildNode(project_, "Files", nullptr);
  ProjectItem* first = nullptr;
  if (files_ == nullptr || !reader_->GetGroups(&first)) return false;
  WriteItems(files_, first);
  return true;
}

void ProjectConversion::WriteItems(HostNode* parent, const ProjectItem* first) {
  for (const ProjectItem* item = first; item != nullptr; item = item->next) {
    if (item->kind == kGroupItem) {
      WriteGroup(parent, *item);
    } else if (!WriteFile(parent, *item)) {
      return;  // no node for this file: the rest of the list is dropped
    }
  }
}

void ProjectConversion::WriteGroup(HostNode* parent, const ProjectItem& group) {
  HostNode* node = host::CreateChildNode(parent, "Filter", group.name.c_str());
  if (node == nullptr) return;
  WriteItems(node, group.firstChild);
  if (!group.excluded.empty()) UpdateNodeAttribute(node, "nobuild", JoinList(group.excluded).c_str());
  for (const ItemOverride& entry : group.overrides) {
    const char* name = entry.configuration.c_str();
    WriteCompilerSection(host::CreateChildNode(node, "ZRT_CParam", name), &entry.compiler);
    WriteAssemblerSection(host::CreateChildNode(node, "ZRT_AsmParam", name), &entry.assembler);
  }
}

bool ProjectConversion::WriteFile(HostNode* parent, const ProjectItem& file) {
  HostNode* node = host::CreateChildNode(parent, "File", nullptr);
  if (node == nullptr) return false;
  Commit(node, [&](HostNode* copy) { SetAttribute(copy, "RelativePath", file.name.c_str()); });
  WriteFileKeys(node);
  Commit(node, [&](HostNode* copy) {
    if (!file.excluded.empty()) SetAttribute(copy, "nobuild", JoinList(file.excluded).c_str());
    const std::pair<const char*, int> placements[] = {{"ro", file.ro}, {"bss", file.bss}, {"rw", file.rw}};
    for (const auto& [key, area] : placements) {
      if (area != 0) SetAttributeInt(copy, key, area);
    }
  });
  int fileType = IntAttribute(node, "FileType");
  if (!IsSourceFileType(fileType)) return true;
  for (const ItemOverride& entry : file.overrides) {
    HostNode* override = host::CreateChildNode(node, SourceSectionName(fileType), entry.configuration.c_str());
    if (fileType == kAssemblerFileType) {
      WriteAssemblerSection(override, &entry.assembler);
    } else {
      WriteCompilerSection(override, &entry.compiler);
    }
  }
  return true;
}

}  // namespace

std::unique_ptr<CProjectReader> MakeProjectReader(const std::string& path, ProjectContext* context) {
  std::string extension = LowerExtension(path);
  if (extension == "uv2") return MakeUv2Reader(path, context);
  if (extension == "xml") return std::make_unique<CProjectReader>();
  if (extension == "uvproj") return std::make_unique<CUvprojReader>(path, context);
  return nullptr;
}

const char* ConvertProject(HostNode* project, const char* path) {
  if (project == nullptr || path == nullptr) return nullptr;
  ProjectContext& context = Context();
  context.firstOpen = 0;
  context.startupOfferPending = 0;
  context.configurations.clear();
  context.files.clear();
  context.projectPath = path;
  context.projectName = ProjectNameOf(path);
  ProjectConversion conversion(project, context, MakeProjectReader(path, &context));
  if (!conversion.Run()) {
    platform::ShowMessageBox(kCannotConvert, "", platform::MessageButtons::kOk, platform::MessageIcon::kWarning);
    return nullptr;
  }
  RefreshLocalConfigureMarkers(conversion.FilesNode());
  return context.currentConfigurationName.c_str();
}

}  // namespace zrt
