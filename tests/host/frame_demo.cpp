// make run: drives the plug-in through GetInterface as the IDE does and shows the
// project tree after each step.
#include <cstdio>
#include <string>

#include "platform/code_page.h"
#include "tests/host/test_host.h"

namespace {

using namespace zrt::testhost;

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

}  // namespace

int main() {
  TestHost host;
  std::printf("Loaded %s through GetInterface into a test host (project folder %s).\n",
              PluginLibraryPath().c_str(), host.directory().c_str());
  // The host's preferences name the tool emulator's folder; the plug-in probes the
  // compiler found there through RunCommand, which this host really runs.
  host.InstallPreferences(std::string("ARM|||" ZRT_TOOL_DIR "|" ZRT_TOOL_DIR "|\n"));
  host.commandScript = RunForReal();
  int initialized = host.Initialize("Blinky.orbproj");
  std::printf("Initialize answered %d: the tool chain was looked for in the preference entry \"ARM\" (%s).\n",
              initialized, ZRT_TOOL_DIR);
  for (const CommandRun& run : host.commands) std::printf("  probe ran: %s\n", run.commandLine.c_str());

  HostNode* target = host.CreateConfiguration("Target 1");
  HostNode* group = AddChild(host.files(), "Filter", {{"Name", "Source"}});
  host.CreateFile(group, ".\\src\\main.c");
  host.CreateFile(group, ".\\src\\startup.s");
  host.CreateFile(host.files(), ".\\readme.txt");
  Step("NodeCreated for a new target and three files", host);

  host.Table().ProjectOpened(host.project(), "Target 1");
  SetValue(group, "nobuild", "Target 1?;?");
  SetValue(target, "Name", "Release");
  static char newName[] = "Release";
  host.Table().ProjectEvent(3, newName);
  host.Table().ProjectEvent(2, newName);
  Step("ProjectOpened, the group excluded, the target renamed to Release and made active", host);

  std::printf("\nThe plug-in committed %d node copies and asked for %zu new nodes; output folders were made in %s (removed on exit).\n",
              host.commitCount, host.createdElements.size(), host.directory().c_str());
  return 0;
}
