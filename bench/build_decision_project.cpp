#include "bench/build_decision_project.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <stdexcept>

#include "tests/host/host_tree.h"

extern char** environ;

namespace zrt::bench {
namespace {

using testhost::TestHost;

// Sources and headers are two hours old, objects and the image one hour: all up to date
// at the plug-in's one-second resolution as well as at ninja's nanoseconds.
constexpr time_t kInputAge = 7200;
constexpr time_t kOutputAge = 3600;

std::string Numbered(const char* prefix, int index, const char* suffix) {
  char name[32];
  std::snprintf(name, sizeof name, "%s%04d%s", prefix, index, suffix);
  return name;
}

std::string SourceName(int i) { return Numbered("f", i, ".c"); }
std::string ObjectName(int i) { return Numbered("f", i, ".o"); }
std::string HeaderName(int i) { return Numbered("h", i, ".h"); }

void WriteAged(const std::string& path, const std::string& content, time_t age) {
  std::ofstream(path, std::ios::binary) << content;
  struct timespec times[2];
  times[0].tv_sec = times[1].tv_sec = std::time(nullptr) - age;
  times[0].tv_nsec = times[1].tv_nsec = 0;
  if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) throw std::runtime_error("cannot date " + path);
}

}  // namespace

std::vector<int> HeadersOf(int source) {
  // Steps of 211 stay distinct for 5 headers in a pool of 1,000.
  std::vector<int> headers;
  for (int k = 0; k < kHeadersPerSource; ++k) headers.push_back((source + k * 211) % kHeaderCount);
  return headers;
}

BuildDecisionProject& BuildDecisionProject::Get() {
  static BuildDecisionProject project;
  return project;
}

BuildDecisionProject::BuildDecisionProject() : folder_(testhost::NativePath(host_.directory()).string()) {
  WriteProjectFiles(folder_);
  BuildHostTree(host_);
  WriteNinjaProject(folder_);
}

void WriteProjectFiles(const std::string& folder) {
  for (const char* sub : {"/src", "/inc", "/Target"}) mkdir((folder + sub).c_str(), 0755);
  for (int i = 0; i < kHeaderCount; ++i) WriteAged(folder + "/inc/" + HeaderName(i), "#pragma once\n", kInputAge);
  for (int i = 0; i < kSourceCount; ++i) {
    std::string text;
    for (int h : HeadersOf(i)) text += "#include \"" + HeaderName(h) + "\"\n";
    WriteAged(folder + "/src/" + SourceName(i), text, kInputAge);
    WriteAged(folder + "/Target/" + ObjectName(i), "", kOutputAge);
  }
  WriteAged(folder + "/Target/Bench.axf", "", kOutputAge);
}

void BuildHostTree(TestHost& host) {
  // Empty tool files are enough for discovery; the probe, like every command, is
  // answered at once with no output and exit code 0.
  std::string tools = host.directory() + "\\ARM\\BIN40";
  for (const char* tool : {"armcc.exe", "armasm.exe", "armlink.exe"}) TestHost::MakeFile(tools + "\\" + tool);
  host.InstallPreferences("ARM|||inc|" + tools + "|\n");
  host.commandScript = [](const testhost::CommandRun&, std::string* output, int* exitCode) {
    output->clear();
    *exitCode = 0;
    return 1;
  };
  if (host.Initialize("Bench.orbproj") != 1) throw std::runtime_error("the plug-in found no tool chain");
  host.CreateConfiguration("Target");
  // As the IDE does after reading each dependency file: one child per header.
  for (int i = 0; i < kSourceCount; ++i) {
    HostNode* file = host.CreateFile(host.files(), ".\\src\\" + SourceName(i));
    for (int h : HeadersOf(i)) testhost::AddChild(file, "Dependency", {{"RelativePath", ".\\inc\\" + HeaderName(h)}});
  }
  host.Table().ProjectOpened(host.project(), "Target");
  host.commands.clear();
}

void WriteNinjaProject(const std::string& folder) {
  // Header dependencies are implicit inputs, so ninja reads the same edges from its
  // manifest that the plug-in reads from the tree. The commands are never run for real
  // after priming; `true` keeps priming cheap. The image's 10,000 inputs go through a
  // response file, as a link command line that long would not fit.
  std::ofstream out(folder + "/build.ninja", std::ios::binary);
  out << "rule cc\n  command = true armcc -c $in -o $out\n"
      << "rule link\n  command = true armlink @$out.rsp -o $out\n  rspfile = $out.rsp\n  rspfile_content = $in\n";
  std::string objects;
  for (int i = 0; i < kSourceCount; ++i) {
    std::string object = "Target/" + ObjectName(i);
    out << "build " << object << ": cc src/" << SourceName(i) << " |";
    for (int h : HeadersOf(i)) out << " inc/" << HeaderName(h);
    out << "\n";
    objects += " " + object;
  }
  out << "build Target/Bench.axf: link" << objects << "\ndefault Target/Bench.axf\n";
  out.close();
  // Without a log entry ninja treats every output as dirty; one real build records the
  // commands (the outputs' dates are left as they are). The check run must find no work.
  std::string output;
  struct rusage usage;
  if (RunProcess({"ninja", "-C", folder}, &output, &usage) != 0) throw std::runtime_error("priming ninja failed:\n" + output);
  if (RunProcess({"ninja", "-n", "-C", folder}, &output, &usage) != 0 || output.find("no work to do") == std::string::npos) {
    throw std::runtime_error("ninja does not find the project up to date:\n" + output);
  }
}

int RunProcess(const std::vector<std::string>& argv, std::string* output, struct rusage* usage) {
  int pipeEnds[2];
  if (argv.empty() || pipe(pipeEnds) != 0) return -1;
  std::vector<char*> arguments;
  for (const std::string& argument : argv) arguments.push_back(const_cast<char*>(argument.c_str()));
  arguments.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 2);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
  pid_t child = 0;
  int spawned = posix_spawnp(&child, arguments[0], &actions, nullptr, arguments.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  output->clear();
  char chunk[4096];
  for (ssize_t n; spawned == 0 && (n = read(pipeEnds[0], chunk, sizeof chunk)) != 0;) {
    if (n > 0) output->append(chunk, n);
    else if (errno != EINTR) break;
  }
  close(pipeEnds[0]);
  if (spawned != 0) return -1;
  int status = 0;
  if (wait4(child, &status, 0, usage) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace zrt::bench
