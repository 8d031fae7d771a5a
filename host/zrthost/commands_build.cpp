// Commands that build: build, rebuild, clean, compile, deps, includes, compdb.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unordered_map>

#include "host/zrthost/commands.h"
#include "host/zrthost/console.h"
#include "host/zrthost/json_text.h"
#include "host/nodes/node_tree.h"
#include "platform/code_page.h"

namespace zrt::zrthost {

using namespace hostnodes;
namespace fs = std::filesystem;
namespace {

constexpr char kDependencyElement[] = "Dependency";

// True when node or an enclosing group lists target in its "nobuild".
bool Excluded(const HostNode* node, const std::string& target) {
  for (; node != nullptr && NameOf(node) != "Files"; node = node->parent) {
    if (ValueOr(node, "nobuild").find(target) != std::string::npos) return true;
  }
  return false;
}

// The RelativePath of every C, C++ and assembler file the active target builds.
std::vector<std::string> SourcesToBuild(const Workspace& ws, const std::string& target) {
  std::vector<std::string> sources;
  for (HostNode* file : ws.AllFiles()) {
    std::string type = ValueOr(file, "FileType");
    if ((type == "1" || type == "2" || type == "3") && !Excluded(file, target)) {
      sources.push_back(ValueOr(file, "RelativePath"));
    }
  }
  return sources;
}

std::vector<std::string> Dependencies(Workspace& ws, const std::string& source) {
  std::vector<std::string> entries;
  char entry[1024];
  for (int more = ws.Table().NextDependency(source.c_str(), entry, sizeof entry, 1); more;
       more = ws.Table().NextDependency(source.c_str(), entry, sizeof entry, 0)) {
    entries.push_back(entry);
  }
  return entries;
}

// What the IDE does after a file compiled: its dependency entries become the File's
// "Dependency" children, which the next build's up-to-date test reads. The compiled
// sources are RelativePath texts as stored, looked up in one index of the tree (a
// search per source made a rebuild quadratic in the number of files).
void RecordDependencies(Workspace& ws, const std::vector<std::string>& compiledSources) {
  std::unordered_map<std::string, HostNode*> filesByPath;
  for (HostNode* file : ws.AllFiles()) filesByPath.emplace(ValueOr(file, "RelativePath"), file);
  for (const std::string& source : compiledSources) {
    auto found = filesByPath.find(source);
    if (found == filesByPath.end()) continue;
    HostNode* file = found->second;
    std::vector<std::string> entries = Dependencies(ws, source), old;
    for (HostNode* child : ChildrenOf(file)) {
      if (NameOf(child) == kDependencyElement) old.push_back(ValueOr(child, "RelativePath"));
    }
    if (entries == old) continue;
    for (HostNode* child : ChildrenOf(file)) {
      if (NameOf(child) != kDependencyElement) continue;
      DeleteNode(child);
    }
    for (const std::string& entry : entries) SetValue(AddChild(file, kDependencyElement), "RelativePath", entry);
    ws.Touch();
  }
}

// Opens the project for a command that runs tools; false after printing the error.
bool OpenForBuild(Workspace& ws, const Arguments& args, const char* command) {
  std::string error;
  if (ws.Open(args.positional[0], platform::Utf8ToAnsi(args.Get("--target")), &error)) return true;
  Fail(std::string(command) + ": " + error);
  return false;
}

// Runs one build entry with the status line, Ctrl-C and the dependency bookkeeping.
template <typename Entry>
int RunBuildStep(const Arguments& args, const HostPaths& paths, const char* command, Entry entry) {
  OutputWindow window(stdout, OutputIsTerminal());
  Workspace ws(paths, &window);
  if (!OpenForBuild(ws, args, command)) return kExitFailed;
  ws.Session().echoCommands = args.Has("-v");
  CatchInterrupts();
  int result = entry(ws, window);
  window.EndStatus();
  RecordDependencies(ws, window.compiledSources());
  std::string error;
  if (!ws.Save(&error)) return Fail(std::string(command) + ": " + error);
  if (ws.Session().stopped) return kExitInterrupted;
  return result != 0 ? kExitOk : kExitFailed;
}

int Build(const Arguments& args, const HostPaths& paths, int rebuildAll, const char* command) {
  return RunBuildStep(args, paths, command, [&](Workspace& ws, OutputWindow& window) {
    window.ExpectSources(SourcesToBuild(ws, ws.ActiveName()));
    return ws.Table().BuildProject(rebuildAll);
  });
}

}  // namespace

int Fail(const std::string& message) {
  std::fprintf(stderr, "zrthost: %s\n", message.c_str());
  return kExitFailed;
}

int RunBuild(const Arguments& args, const HostPaths& paths) { return Build(args, paths, 0, "build"); }
int RunRebuild(const Arguments& args, const HostPaths& paths) { return Build(args, paths, 1, "rebuild"); }

int RunCompile(const Arguments& args, const HostPaths& paths) {
  return RunBuildStep(args, paths, "compile", [&](Workspace& ws, OutputWindow& window) {
    HostNode* file = ws.FindFile(args.positional[1]);
    if (file == nullptr) return Fail("compile: no file " + args.positional[1] + " in the project"), 0;
    window.ExpectSources({ValueOr(file, "RelativePath")});
    return ws.Table().CompileFile(file);
  });
}

int RunClean(const Arguments& args, const HostPaths& paths) {
  OutputWindow window(stdout, false);
  Workspace ws(paths, &window);
  if (!OpenForBuild(ws, args, "clean")) return kExitFailed;
  ws.Table().CleanOutputs();
  std::printf("cleaned the outputs of target %s\n", platform::AnsiToUtf8(ws.ActiveName()).c_str());
  std::string error;
  return ws.Save(&error) ? kExitOk : Fail("clean: " + error);
}

int RunDeps(const Arguments& args, const HostPaths& paths) {
  OutputWindow window(stdout, false);
  Workspace ws(paths, &window);
  if (!OpenForBuild(ws, args, "deps")) return kExitFailed;
  HostNode* file = ws.FindFile(args.positional[1]);
  if (file == nullptr) return Fail("deps: no file " + args.positional[1] + " in the project");
  // The plug-in reads the dependency file relative to the current folder, which in the
  // IDE is the project's.
  std::error_code ignored;
  fs::current_path(FsPath(ws.ProjectFolder()), ignored);
  for (const std::string& entry : Dependencies(ws, ValueOr(file, "RelativePath"))) {
    std::printf("%s\n", TerminalText(entry).c_str());
  }
  return kExitOk;
}

int RunIncludes(const Arguments& args, const HostPaths& paths) {
  OutputWindow window(stdout, false);
  Workspace ws(paths, &window);
  if (!OpenForBuild(ws, args, "includes")) return kExitFailed;
  char folder[1024];
  for (int more = ws.Table().NextIncludePath(folder, sizeof folder, 1); more;
       more = ws.Table().NextIncludePath(folder, sizeof folder, 0)) {
    std::printf("%s\n", TerminalText(folder).c_str());
  }
  return kExitOk;
}

int RunCompdb(const Arguments& args, const HostPaths& paths) {
  // The plug-in's own rebuild, with RunCommand recording instead of running; the tree's
  // changes from it are not saved.
  OutputWindow quiet(nullptr, false);
  Workspace ws(paths, &quiet);
  if (!OpenForBuild(ws, args, "compdb")) return kExitFailed;
  quiet.ExpectSources(SourcesToBuild(ws, ws.ActiveName()));
  ws.Session().recordOnly = true;
  if (ws.Table().BuildProject(1) == 0) return Fail("compdb: BuildProject refused the target (see above)");
  std::string folder = ws.ProjectFolder();
  std::string json = "[";
  int count = 0;
  for (const std::string& line : ws.Session().commands) {
    std::string source = quiet.SourceOf(line);
    if (source.empty()) continue;
    json += std::string(count++ ? ",\n" : "\n") + "  {\"directory\": " + JsonString(folder) +
            ", \"command\": " + JsonString(platform::AnsiToUtf8(line)) +
            ", \"file\": " + JsonString(ws.NativePathOf(source)) + "}";
  }
  json += count ? "\n]\n" : "]\n";
  std::string output = args.Get("-o", Utf8Path(FsPath(ws.ProjectFolder()) / "compile_commands.json"));
  std::ofstream out(FsPath(output), std::ios::binary);
  if (!(out << json) || !out.flush()) return Fail("compdb: cannot write " + output);
  std::printf("wrote %d commands to %s\n", count, output.c_str());
  return kExitOk;
}

}  // namespace zrt::zrthost
