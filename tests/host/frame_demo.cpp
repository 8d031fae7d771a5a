// make run: drives the plug-in through GetInterface as the IDE does: creates a project,
// shows its tree, then builds it with the tool emulator and shows the build output.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/code_page.h"
#include "tests/host/test_host.h"

namespace {

using namespace zrt::testhost;

const char* const kLpc2368Lines[] = {"CPU IRAM(0x40000000-0x40007FFF) IROM(0-0x7FFFF) CLOCK(12000000) CPUTYPE(ARM7TDMI-S)",
                                     nullptr};
const DeviceRecord kLpc2368 = {"NXP", "LPC2368", nullptr, kLpc2368Lines, nullptr};

void PrintTree(const HostNode* node, int depth) {
  std::string line(static_cast<size_t>(depth) * 2, ' ');
  line += "<" + NameOf(node);
  for (const auto& [name, value] : Attributes(node)) line += " " + name + "=\"" + value + "\"";
  line += ChildrenOf(node).empty() ? "/>" : ">";
  std::printf("%s\n", zrt::platform::AnsiToUtf8(line).c_str());
  for (HostNode* child : ChildrenOf(node)) PrintTree(child, depth + 1);
  if (!ChildrenOf(node).empty()) std::printf("%s</%s>\n", std::string(static_cast<size_t>(depth) * 2, ' ').c_str(), NameOf(node).c_str());
}

void Step(const char* what, TestHost& host) {
  std::printf("\n== %s\n", what);
  PrintTree(host.project(), 0);
}

void WriteSource(TestHost& host, const std::string& path, const std::string& text) {
  TestHost::MakeFile(host.directory() + path, text);
}

// Runs BuildProject and shows the host's build output window.
void Build(TestHost& host, int rebuildAll, const char* what) {
  std::printf("\n== %s\n", what);
  host.output.clear();
  int result = host.Table().BuildProject(rebuildAll);
  for (const std::string& line : host.output) std::printf("%s", zrt::platform::AnsiToUtf8(line).c_str());
  std::printf("(BuildProject answered %d)\n", result);
}

}  // namespace

int main() {
  TestHost host;
  std::printf("Loaded %s through GetInterface into a test host (project folder %s).\n",
              PluginLibraryPath().c_str(), host.directory().c_str());
  // The host's preferences name the tool emulator's folder; the plug-in probes the
  // compiler found there through RunCommand, which this host really runs.
  host.InstallPreferences(std::string("ARM|||" ZRT_TOOL_DIR "|" ZRT_TOOL_DIR "|\n"));
  host.commandScript = RunForReal();
  int initialized = host.Initialize("Blinky.orbproj", true, &kLpc2368);
  std::printf("Initialize answered %d: the tool chain was looked for in the preference entry \"ARM\" (%s).\n",
              initialized, ZRT_TOOL_DIR);
  for (const CommandRun& run : host.commands) std::printf("  probe ran: %s\n", run.commandLine.c_str());

  HostNode* target = host.CreateConfiguration("Target 1");
  HostNode* group = AddChild(host.files(), "Filter", {{"Name", "Source"}});
  WriteSource(host, "\\src\\main.c", "#include \"led.h\"\nint main(void) { led_on(); return 0; }\n");
  WriteSource(host, "\\src\\led.h", "void led_on(void);\n");
  WriteSource(host, "\\src\\startup.s", "  AREA RESET, CODE, READONLY\n  END\n");
  host.CreateFile(group, ".\\src\\main.c");
  host.CreateFile(group, ".\\src\\startup.s");
  host.CreateFile(host.files(), ".\\readme.txt");
  Step("NodeCreated for a new target and three files", host);

  host.Table().ProjectOpened(host.project(), "Target 1");
  SetValue(target, "Name", "Release");
  static char newName[] = "Release";
  host.Table().ProjectEvent(3, newName);
  host.Table().ProjectEvent(2, newName);
  std::printf("\n== ProjectOpened; the target renamed to Release and made active.\n");

  Build(host, 0, "BuildProject: everything is compiled, assembled and linked by the tool emulator");
  for (HostNode* file : ChildrenOf(group)) host.RecordDependencies(file);
  std::printf("\nThe host recorded the dependencies the compiler wrote (NextDependency), as the IDE does.\n");
  Build(host, 0, "BuildProject again: every object is up to date, only the link runs");
  WriteSource(host, "\\src\\led.h", "void led_on(void);\nvoid led_off(void);\n");
  std::filesystem::last_write_time(NativePath(host.directory() + "\\src\\led.h"),
                                   std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
  Build(host, 0, "BuildProject after led.h changed: only main.c, which includes it, is compiled");

  std::printf("\nThe host ran %zu commands for the plug-in (the probe and the three builds) in %s (removed on exit).\n", host.commands.size(),
              host.directory().c_str());
  return 0;
}
