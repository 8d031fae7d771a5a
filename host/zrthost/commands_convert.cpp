// Commands that hand the project to the plug-in's other entries: convert, settings.
#include <cstdio>
#include <filesystem>

#include "host/zrthost/commands.h"
#include "host/nodes/node_tree.h"
#include "platform/code_page.h"
#include "platform/environment.h"

namespace zrt::zrthost {

using namespace hostnodes;
namespace fs = std::filesystem;
namespace {

struct TreeCounts {
  int groups = 0, files = 0, overrides = 0;
};

void Count(const HostNode* node, TreeCounts* counts) {
  for (const HostNode* child = node->firstChild; child; child = child->nextSibling) {
    std::string name = NameOf(child);
    if (name == "Filter") ++counts->groups;
    if (name == "File") ++counts->files;
    if (name == "ZRT_CParam" || name == "ZRT_AsmParam") ++counts->overrides;
    if (name == "Filter" || name == "File") Count(child, counts);
  }
}

void PrintSummary(const Workspace& ws, const std::string& current) {
  std::string targets;
  for (HostNode* c : ChildrenOf(ws.Configurations())) {
    targets += (targets.empty() ? "" : ", ") + platform::AnsiToUtf8(ValueOr(c, "Name"));
  }
  TreeCounts counts;
  if (ws.Files()) Count(ws.Files(), &counts);
  std::printf("targets: %zu (%s)\ngroups: %d\nfiles: %d\noverride sections: %d\ncurrent target: %s\n",
              ChildrenOf(ws.Configurations()).size(), targets.c_str(), counts.groups, counts.files, counts.overrides,
              platform::AnsiToUtf8(current).c_str());
}

}  // namespace

int RunConvert(const Arguments& args, const HostPaths& paths) {
  const std::string& source = args.positional[0];
  if (!fs::exists(FsPath(source))) return Fail("convert: " + source + " does not exist");
  std::string output = args.Get("-o", Utf8Path(FsPath(source).replace_extension(".orbproj")));
  if (fs::exists(FsPath(output)) && !args.Has("--force")) {
    return Fail("convert: " + output + " exists already (--force replaces it)");
  }
  OutputWindow window(stdout, false);
  Workspace ws(paths, &window);
  std::string error;
  std::string device = args.Get("--device");
  if (!ws.Create(output, device, &error)) return Fail("convert: " + error);
  std::string sourcePath = HostPathOf(Utf8Path(fs::absolute(FsPath(source)).lexically_normal()));
  const char* current = ws.Table().ConvertProject(ws.Root(), sourcePath.c_str());
  if (current == nullptr || ws.Configurations() == nullptr) {
    return Fail("convert: the plug-in did not convert " + source +
                " (ConvertProject answered null: the project was refused, or this plug-in cannot convert)");
  }
  std::string currentName = current;
  if (!device.empty()) SetValue(ws.Root(), kDeviceAttribute, device);
  SetValue(ws.Root(), kActiveAttribute, currentName);
  if (!ws.Save(&error, true)) return Fail("convert: " + error);
  std::printf("converted %s into %s\n", source.c_str(), output.c_str());
  PrintSummary(ws, currentName);
  return kExitOk;
}

int RunSettings(const Arguments& args, const HostPaths& paths) {
  OutputWindow window(stdout, false);
  Workspace ws(paths, &window);
  std::string error;
  if (!ws.Open(args.positional[0], "", &error)) return Fail("settings: " + error);
  HostNode* node = ws.Root();
  if (args.Has("--group") && (node = ws.FindGroup(platform::Utf8ToAnsi(args.Get("--group")))) == nullptr) {
    return Fail("settings: no group named " + args.Get("--group"));
  }
  if (args.Has("--file") && (node = ws.FindFile(args.Get("--file"))) == nullptr) {
    return Fail("settings: no file " + args.Get("--file") + " in the project");
  }
  if (args.Has("--script")) {
    platform::SetEnvironment("ZRT_UI_SCRIPT", SystemNarrowPath(Utf8Path(fs::absolute(FsPath(args.Get("--script"))))));
  }
  int result = ws.Table().ShowSettings(node);
  std::printf("ShowSettings answered %d\n", result);
  return ws.Save(&error) ? kExitOk : Fail("settings: " + error);
}

}  // namespace zrt::zrthost
