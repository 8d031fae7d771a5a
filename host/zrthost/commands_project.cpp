// Commands that make and change the project: new, add, show, set, target, devices.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

#include "host/zrthost/commands.h"
#include "host/nodes/node_tree.h"
#include "host/zrthost/project_file.h"
#include "host/zrthost/tree_printer.h"
#include "platform/code_page.h"

namespace zrt::zrthost {

using namespace hostnodes;
namespace fs = std::filesystem;
namespace {

// Event numbers of ProjectEvent.
enum { kNodeAdded = 0, kNodeRemoving = 1, kActiveChanged = 2, kTargetRenamed = 3 };

// A node the host has just created: NodeCreated, then "node added", as the IDE does.
void Announce(Workspace& ws, HostNode* node) {
  ws.Table().NodeCreated(node);
  ws.Table().ProjectEvent(kNodeAdded, node);
}

HostNode* AddTarget(Workspace& ws, const std::string& name) {
  HostNode* node = AddChild(ws.Configurations(), "Configuration");
  SetValue(node, "Name", name);
  SetValue(node, "OldName", name);
  Announce(ws, node);
  return node;
}

// Tells the plug-in and the project file which target is active.
void UseTarget(Workspace& ws, std::string name) {
  ws.Table().ProjectEvent(kActiveChanged, name.data());
  SetValue(ws.Root(), kActiveAttribute, name);
}

int Saved(Workspace& ws) {
  std::string error;
  return ws.Save(&error) ? kExitOk : Fail(error);
}

// The node a set command names (UTF-8): a target, else a group, else a file.
HostNode* FindSettingsNode(Workspace& ws, const std::string& name) {
  std::string ansi = platform::Utf8ToAnsi(name);
  if (HostNode* target = ws.FindConfiguration(ansi)) return target;
  if (HostNode* group = ws.FindGroup(ansi)) return group;
  return ws.FindFile(name);
}

using KeyValues = std::vector<std::pair<const char*, const char*>>;

// What the settings sheet writes into a new group or file override: every option inherits
// from the level above.
const KeyValues& OverrideDefaults(const std::string& section) {
  static const KeyValues c = {{"Def", ""},  {"uDef", ""},           {"Inc", ""},           {"Misc", ""},
                              {"Opt", "4,2"}, {"Code", "2,2,2,2,2,2"}, {"Language", "2,2,2,2"}, {"List", "0"}};
  static const KeyValues assembler = {{"Def", ""},  {"uDef", ""},           {"Inc", ""},       {"Misc", ""},
                                      {"Code", "2,2,2,2,2,2"}, {"Language", "2"}, {"List", "1,1"}};
  return section == "ZRT_AsmParam" ? assembler : c;
}

// The override sections node may hold: both for a group; for a file the one that fits its
// type (an assembler file ZRT_AsmParam, a C or C++ file ZRT_CParam, others none).
bool TakesOverride(HostNode* node, const std::string& section) {
  if (section != "ZRT_CParam" && section != "ZRT_AsmParam") return false;
  if (NameOf(node) != "File") return true;
  std::string type = ValueOr(node, "FileType");
  return section == "ZRT_AsmParam" ? type == "2" : type == "1" || type == "3";
}

// The section of node that SECTION.KEY addresses; a group's or file's override section for
// the active target is created, as the settings sheet does, when missing. Null with *error
// when there is none.
HostNode* SectionFor(Workspace& ws, HostNode* node, const std::string& section, std::string* error) {
  if (NameOf(node) == "Configuration") {
    HostNode* found = ChildNamed(node, section);
    if (found == nullptr) *error = "the target has no section " + section;
    return found;
  }
  if (!TakesOverride(node, section)) {
    *error = "a group has only ZRT_CParam and ZRT_AsmParam sections, a file only the one of its type; not " +
             section + " here";
    return nullptr;
  }
  std::string active = ws.ActiveName();
  HostNode* found = ChildNamed(node, section, active);
  if (found != nullptr) return found;
  found = AddChild(node, section);
  SetValue(found, "Name", active);
  for (const auto& [key, value] : OverrideDefaults(section)) SetValue(found, key, value);
  SetValue(node, "LocalConfigure", "1");
  return found;
}

// Applies one KEY=VALUE to node; false with *error.
bool ApplySetting(Workspace& ws, HostNode* node, const std::string& assignment, std::string* error) {
  size_t equals = assignment.find('=');
  if (equals == std::string::npos || equals == 0) {
    *error = "expected KEY=VALUE, not " + assignment;
    return false;
  }
  std::string key = platform::Utf8ToAnsi(assignment.substr(0, equals));
  std::string value = platform::Utf8ToAnsi(assignment.substr(equals + 1));
  size_t dot = key.find('.');
  if (dot == std::string::npos) {
    if (key == "Name" || key == "OldName") {
      *error = "names change with 'zrthost target rename'";
      return false;
    }
    SetValue(node, key, value);
    if (NameOf(node) == "Configuration") SetValue(node, "cfgModify", "1");
    return true;
  }
  HostNode* section = SectionFor(ws, node, key.substr(0, dot), error);
  if (section == nullptr) return false;
  SetValue(section, key.substr(dot + 1), value);
  SetValue(NameOf(node) == "Configuration" ? node : section, "cfgModify", "1");
  return true;
}

}  // namespace

int RunNew(const Arguments& args, const HostPaths& paths) {
  const std::string& file = args.positional[0];
  std::string target = args.Get("--target");
  if (target.empty()) return Fail("new: --target NAME is required");
  if (fs::exists(FsPath(file))) return Fail("new: " + file + " exists already");
  OutputWindow window(stdout, false);
  Workspace ws(paths, &window);
  std::string error;
  if (!ws.Create(file, args.Get("--device"), &error)) return Fail("new: " + error);
  if (args.Has("--device")) SetValue(ws.Root(), kDeviceAttribute, args.Get("--device"));
  AddChild(ws.Root(), "Configurations");
  AddChild(ws.Root(), "Files");
  std::string name = platform::Utf8ToAnsi(target);
  AddTarget(ws, name);
  SetValue(ws.Root(), kActiveAttribute, name);
  if (!ws.Save(&error, true)) return Fail("new: " + error);
  std::printf("created %s with target %s\n", file.c_str(), target.c_str());
  return kExitOk;
}

int RunAdd(const Arguments& args, const HostPaths& paths) {
  OutputWindow window(stdout, false);
  Workspace ws(paths, &window);
  std::string error;
  if (!ws.Open(args.positional[0], "", &error)) return Fail("add: " + error);
  HostNode* parent = ws.Files();
  if (args.Has("--group")) {
    std::string group = platform::Utf8ToAnsi(args.Get("--group"));
    parent = ws.FindGroup(group);
    if (parent == nullptr) {
      parent = AddChild(ws.Files(), "Filter");
      SetValue(parent, "Name", group);
      Announce(ws, parent);
    }
  }
  for (size_t i = 1; i < args.positional.size(); ++i) {
    const std::string& path = args.positional[i];
    if (ws.FindFile(path) != nullptr) return Fail("add: " + path + " is in the project already");
    if (!fs::exists(FsPath(path))) std::fprintf(stderr, "zrthost: add: note: %s does not exist (yet)\n", path.c_str());
    HostNode* file = AddChild(parent, "File");
    SetValue(file, "RelativePath", ws.StoredPath(path));
    Announce(ws, file);
  }
  ws.Touch();
  return Saved(ws);
}

int RunShow(const Arguments& args, const HostPaths&) {
  std::string error;
  HostNode* root = LoadProjectFile(args.positional[0], &error);
  if (root == nullptr) return Fail("show: " + error);
  std::string text = args.Has("--json") ? TreeAsJson(root) : TreeAsText(root);
  std::fwrite(text.data(), 1, text.size(), stdout);
  DeleteNode(root);
  return kExitOk;
}

int RunSet(const Arguments& args, const HostPaths& paths) {
  OutputWindow window(stdout, false);
  Workspace ws(paths, &window);
  std::string error;
  if (!ws.Open(args.positional[0], "", &error)) return Fail("set: " + error);
  HostNode* node = FindSettingsNode(ws, args.positional[1]);
  if (node == nullptr) return Fail("set: no target, group or file named " + args.positional[1]);
  for (size_t i = 2; i < args.positional.size(); ++i) {
    if (!ApplySetting(ws, node, args.positional[i], &error)) return Fail("set: " + error);
  }
  ws.Touch();
  return Saved(ws);
}

int RunTarget(const Arguments& args, const HostPaths& paths) {
  const std::vector<std::string>& p = args.positional;
  const std::string& action = p[1];
  size_t needed = action == "list" ? 2 : action == "rename" ? 4 : 3;
  if ((action != "list" && action != "use" && action != "add" && action != "rename" && action != "remove") ||
      p.size() != needed) {
    return Fail("target: usage: zrthost target PROJECT list|use NAME|add NAME|rename OLD NEW|remove NAME");
  }
  OutputWindow window(stdout, false);
  Workspace ws(paths, &window);
  std::string error;
  if (!ws.Open(p[0], "", &error)) return Fail("target: " + error);
  std::string active = ws.ActiveName();
  if (action == "list") {
    for (HostNode* c : ChildrenOf(ws.Configurations())) {
      std::string name = ValueOr(c, "Name");
      std::printf("%s %s\n", name == active ? "*" : " ", platform::AnsiToUtf8(name).c_str());
    }
    return kExitOk;
  }
  std::string name = platform::Utf8ToAnsi(p[2]);
  HostNode* target = ws.FindConfiguration(name);
  if (action == "add") {
    if (target != nullptr) return Fail("target: " + p[2] + " exists already");
    AddTarget(ws, name);
    ws.Touch();
    return Saved(ws);
  }
  if (target == nullptr) return Fail("target: no target named " + p[2]);
  if (action == "use") {
    UseTarget(ws, name);
  } else if (action == "rename") {
    std::string newName = platform::Utf8ToAnsi(p[3]);
    if (newName.empty() || ws.FindConfiguration(newName) != nullptr) return Fail("target: cannot rename to " + p[3]);
    SetValue(target, "OldName", name);
    SetValue(target, "Name", newName);
    ws.Table().ProjectEvent(kTargetRenamed, newName.data());
    if (active == name) UseTarget(ws, newName);
  } else {
    if (ChildrenOf(ws.Configurations()).size() == 1) return Fail("target: the last target cannot be removed");
    SetValue(target, "OldName", name);
    ws.Table().ProjectEvent(kNodeRemoving, target);
    UnlinkChild(target);
    DeleteNode(target);
    if (active == name) UseTarget(ws, ValueOr(ws.Configurations()->firstChild, "Name"));
  }
  ws.Touch();
  return Saved(ws);
}

int RunDevices(const Arguments& args, const HostPaths& paths) {
  DeviceDatabase devices;
  std::string error;
  if (!devices.Load(paths.devices, &error)) return Fail("devices: " + error);
  // Device names are matched ignoring case, as the device option finds them.
  auto folded = [](std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
  };
  std::string pattern = folded(args.positional.empty() ? "" : platform::Utf8ToAnsi(args.positional[0]));
  for (const DeviceRecord* d : devices.All()) {
    if (folded(d->name).find(pattern) == std::string::npos) continue;
    const char* cpu = d->information[0] ? d->information[0] : "";
    std::printf("%-26s %-14s %s\n", platform::AnsiToUtf8(d->vendor).c_str(), platform::AnsiToUtf8(d->name).c_str(),
                platform::AnsiToUtf8(cpu).c_str());
  }
  return kExitOk;
}

}  // namespace zrt::zrthost
