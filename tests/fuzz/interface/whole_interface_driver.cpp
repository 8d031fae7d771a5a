// A seeded random driver of the whole plug-in interface, as a hostile host would use it:
// random trees (garbage, huge and GBK values, many files, deeply nested groups), random
// call orders, and a RunCommand that answers with oversized or malformed tool output,
// writes malformed dependency files, stops the build or removes nodes while it "runs".
// The plug-in is reached only through GetInterface (a private copy per case, loaded by the
// test host). Built with the sanitizers, a fault ends the case's process.
//
//   whole_interface_driver SEED              runs one case
//   whole_interface_driver --cases N [S]     runs cases S.. S+N-1 (S default 1), each in
//                                            its own process; fails when one fails
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/process.h"
#include "tests/host/test_host.h"

namespace zrt::testhost {
namespace {

const char* const kSectionNames[] = {"ZRT_Output", "ZRT_User", "ZRT_CParam", "ZRT_AsmParam", "ZRT_Linker", "ZRT_Debug"};
const char* const kKeys[] = {"AfB",  "BfB",     "BfC",    "CLK",    "Code",    "Cross",  "Def",     "IRAM",
                             "IROM", "Inc",     "List",   "McLib",  "Misc",    "OldCPU", "Opt",     "OutHex",
                             "OutList", "OutName", "OutType", "Ram",  "Rom",     "Sct",    "UseDef",  "XRAM",
                             "XROM", "cfgModify", "nobuild", "FileType", "Output", "RelativePath", "uDef", "OP"};
const char* const kToolLines[] = {
    "\"x.c\", line 3: Error:  #20: identifier \"y\" is undefined\n",
    "\"x.c\", line 9: Warning:  #177-D: variable \"z\" was declared but never referenced\n",
    "Error: L6218E: Undefined symbol main (referred from x.o).\n",
    "Program Size: Code=1 RO-data=2 RW-data=3 ZI-data=4  \n",
    "x.s(4): error: A1163E: Unknown opcode\n",
    "Fatal error: C3900U: Unrecognized option\n",
    ", line : Error: #",
};

class Case {
 public:
  explicit Case(unsigned seed) : random_(seed) {}

  void Run() {
    SetUpHost();
    MakeTree();
    host_.Table().ProjectOpened(host_.project(), Pick(configurationNames_).c_str());
    int calls = Number(10, 40);
    for (int i = 0; i < calls; ++i) Call();
    std::printf("%d calls, %zu commands run, %zu output lines, %zu files left\n", calls, host_.commands.size(),
                host_.output.size(), Nodes("File").size());
  }

 private:
  int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(int percent) { return Number(1, 100) <= percent; }
  const std::string& Pick(const std::vector<std::string>& list) { return list[Number(0, int(list.size()) - 1)]; }

  // A text without NUL and without path separators (so that no path the plug-in makes
  // from it leaves the case's folder): plain, GBK, garbage bytes or huge.
  std::string Text() {
    static const char* const kPlain[] = {"Target", "Debug", "0", "1", "2", "-1", "", "a,b", "0,x", "1,(cmd)#1,(cmd2)",
                                         "0,0x00000000,0x00080000,0", "4294967296", "?;?", "Debug?;?"};
    std::string text;
    switch (Number(0, 4)) {
      case 0: return kPlain[Number(0, int(sizeof kPlain / sizeof *kPlain) - 1)];
      case 1: for (int i = Number(1, 4); i > 0; --i) text += "\xD6\xD0\xCE\xC4"; return text;
      case 2: text.assign(Number(5000, 20000), static_cast<char>(Number('A', 'z'))); break;
      default: for (int i = Number(0, 40); i > 0; --i) text += static_cast<char>(Number(1, 255)); break;
    }
    for (char& c : text) {
      if (c == '\\' || c == '/' || c == ':') c = '_';
    }
    return text;
  }
  std::string Key() { return kKeys[Number(0, int(sizeof kKeys / sizeof *kKeys) - 1)]; }

  void SetUpHost() {
    std::string tools = host_.directory() + "\\ARM\\BIN40";
    for (const char* tool : {"armcc.exe", "armasm.exe", "armlink.exe"}) TestHost::MakeFile(tools + "\\" + tool);
    host_.InstallPreferences("ARM|||inc|" + tools + "|\n");
    host_.ScriptAnswers(Chance(50) ? "yes,no,yes,yes,no" : "no,yes,no");
    host_.commandScript = [this](const CommandRun& run, std::string* output, int* exitCode) {
      return Answer(run, output, exitCode);
    };
    static const char* const kLines[] = {"CPU IRAM(0x40000000-0x40007FFF) IROM(0-0x7FFFF) CPUTYPE(ARM7TDMI-S)", nullptr};
    device_ = {"NXP", "LPC2368", nullptr, kLines, nullptr};
    host_.Initialize(Chance(80) ? "proj.orbproj" : Text() + ".orbproj", true, Chance(70) ? &device_ : nullptr);
  }

  void MakeTree() {
    for (int i = Number(1, 3); i > 0; --i) {
      configurationNames_.push_back(Chance(60) ? "T" + std::to_string(i) : Text());
      HostNode* configuration = host_.CreateConfiguration(configurationNames_.back());
      for (HostNode* section : ChildrenOf(configuration)) Garble(section, Number(0, 6));
    }
    HostNode* group = host_.files();
    int depth = Chance(10) ? 300 : Number(0, 5);
    for (int i = 0; i < depth; ++i) group = AddChild(group, "Filter", {{"Name", Text()}});
    int files = Chance(5) ? 5000 : Number(1, 30);
    for (int i = 0; i < files; ++i) AddFile(Chance(50) ? group : host_.files(), i);
  }

  void AddFile(HostNode* parent, int index) {
    static const char* const kExtensions[] = {".c", ".s", ".cpp", ".h", ".lib", ".obj", ".txt", "", ".C"};
    std::string path = ".\\f" + std::to_string(index) + kExtensions[Number(0, 8)];
    HostNode* file = Chance(70) ? host_.CreateFile(parent, path)
                                : AddChild(parent, "File", {{"RelativePath", Text()}, {"FileType", Text()}});
    if (Chance(30)) {
      const char* section = Chance(50) ? "ZRT_CParam" : "ZRT_AsmParam";
      Garble(AddChild(file, section, {{"Name", Pick(configurationNames_)}}), 4);
    }
    if (Chance(30)) AddChild(file, "Dependency", {{"RelativePath", Chance(50) ? ".\\f0.c" : Text()}});
    if (Chance(5)) SetValue(file, std::string("Na\0me", 5), Text());
    if (Chance(20)) TestHost::MakeFile(host_.directory() + path.substr(1), Text());
  }

  void Garble(HostNode* node, int count) {
    for (int i = 0; i < count; ++i) SetValue(node, Key(), Text());
  }

  // Every node of one element name below the Files element, in tree order.
  std::vector<HostNode*> Nodes(const char* elementName) {
    std::vector<HostNode*> found;
    std::vector<HostNode*> stack{host_.files()};
    while (!stack.empty()) {
      HostNode* node = stack.back();
      stack.pop_back();
      for (HostNode* child : ChildrenOf(node)) {
        if (NameOf(child) == elementName) found.push_back(child);
        if (NameOf(child) == "Filter") stack.push_back(child);
      }
    }
    return found;
  }
  HostNode* AnyFile() {
    std::vector<HostNode*> files = Nodes("File");
    return files.empty() ? nullptr : files[Number(0, int(files.size()) - 1)];
  }

  // Removes a node as the IDE does: tells the plug-in, then unlinks and deletes it.
  void Remove(HostNode* node) {
    if (node == nullptr) return;
    host_.Table().ProjectEvent(1, node);
    DeleteNode(node);
  }

  void RemoveSomething() {
    std::vector<HostNode*> configurations = ChildrenOf(host_.configurations());
    if (Chance(20) && !configurations.empty()) {
      Remove(configurations[Number(0, int(configurations.size()) - 1)]);
    } else if (Chance(20)) {
      std::vector<HostNode*> groups = Nodes("Filter");
      if (!groups.empty()) Remove(groups[Number(0, int(groups.size()) - 1)]);
    } else {
      Remove(AnyFile());
    }
  }

  int Answer(const CommandRun& run, std::string* output, int* exitCode) {
    if (Chance(10)) host_.Table().StopBuild();
    if (Chance(10)) RemoveSomething();
    if (Chance(15)) WriteDependencyFile();
    switch (Number(0, 3)) {
      case 0: break;
      case 1: output->assign(run.outputSize + Number(0, 100), static_cast<char>(Number(1, 255))); break;
      case 2:
        for (int i = Number(1, 50); i > 0; --i) *output += kToolLines[Number(0, int(sizeof kToolLines / sizeof *kToolLines) - 1)];
        break;
      default: *output = Text() + "\n" + Text(); break;
    }
    *exitCode = Number(-1, 2);
    return Chance(85) ? 1 : 0;
  }

  // A dependency file, well formed or not, where the plug-in looks for a listed file's.
  void WriteDependencyFile() {
    HostNode* file = AnyFile();
    const char* output = file ? Value(file, "Output") : nullptr;
    if (output == nullptr || std::string(output).find_first_of("\\/:") != std::string::npos) return;
    std::string stem = output;
    stem = stem.substr(0, stem.rfind('.'));
    std::string text = "x.o: " + stem + ".c\n";
    for (int i = Number(0, 6); i > 0; --i) text += Chance(70) ? "x.o: .\\inc\\h" + std::to_string(i) + ".h\n" : Text() + "\n";
    if (Chance(10)) text += "x.o: " + std::string(Number(200, 5000), 'h') + "\n";
    TestHost::MakeFile(host_.directory() + "\\" + current_ + "\\" + stem + ".d", text);
  }

  void Enumerate(const std::function<int(char*, unsigned, int)>& next) {
    std::vector<char> buffer(Number(0, 300));
    char* data = buffer.empty() ? nullptr : buffer.data();
    auto size = static_cast<unsigned>(buffer.size());
    for (int first = 1, more = next(data, size, first); more && first < 200; more = next(data, size, 0)) ++first;
  }

  void Call() {
    PluginInterface& table = host_.Table();
    switch (Number(0, 13)) {
      case 0: table.BuildProject(Number(0, 1)); break;
      case 1: table.CompileFile(Chance(90) ? AnyFile() : nullptr); break;
      case 2: table.CleanOutputs(); break;
      case 3: {
        std::string source = Chance(70) ? ".\\f" + std::to_string(Number(0, 30)) + ".c" : Text();
        bool null = Chance(10);
        const char* path = null ? nullptr : source.c_str();
        Enumerate([&](char* b, unsigned s, int first) { return table.NextDependency(path, b, s, first); });
        break;
      }
      case 4: Enumerate([&](char* b, unsigned s, int first) { return table.NextIncludePath(b, s, first); }); break;
      case 5:
        current_ = Chance(70) ? Pick(configurationNames_) : Text();
        table.ProjectEvent(2, const_cast<char*>(current_.c_str()));
        break;
      case 6: Rename(); break;
      case 7: RemoveSomething(); break;
      case 8:
        table.ProjectEvent(0, Chance(50) ? AddChild(host_.files(), "Filter", {{"Name", Text()}}) : nullptr);
        break;
      case 9: AddFile(host_.files(), Number(0, 40)); break;
      case 10:
        table.ProjectOpened(Chance(90) ? host_.project() : nullptr,
                            Chance(90) ? Pick(configurationNames_).c_str() : nullptr);
        break;
      case 11: table.NodeCreated(Chance(50) ? host_.AddConfiguration(Text()) : nullptr); break;
      case 12: table.ProjectEvent(Number(-2, 6), nullptr); break;
      default: table.Reserved(); table.ReservedQuery(); table.StopBuild(); break;
    }
  }

  void Rename() {
    std::vector<HostNode*> configurations = ChildrenOf(host_.configurations());
    if (configurations.empty()) return;
    HostNode* configuration = configurations[Number(0, int(configurations.size()) - 1)];
    const char* name = Value(configuration, "Name");
    SetValue(configuration, "OldName", name ? name : "");
    std::string newName = Chance(50) ? "R" + std::to_string(Number(0, 9)) : Text();
    SetValue(configuration, "Name", newName);
    configurationNames_.push_back(newName);
    host_.Table().ProjectEvent(3, const_cast<char*>(newName.c_str()));
  }

  std::mt19937 random_;
  TestHost host_;
  DeviceRecord device_{};
  std::vector<std::string> configurationNames_;
  std::string current_ = "T1";
};

// A case still running after this long hangs: its watchdog ends the process as failed,
// so a loop in the plug-in fails the run instead of stalling it.
constexpr std::chrono::seconds kCaseTimeLimit{120};

void StartWatchdog(unsigned seed) {
  std::thread([seed] {
    std::this_thread::sleep_for(kCaseTimeLimit);
    std::fprintf(stderr, "whole_interface_driver: case %u still running after %lld s\n", seed,
                 static_cast<long long>(kCaseTimeLimit.count()));
    std::_Exit(3);
  }).detach();
}

// Runs the cases first.. first+count-1, each as a child process running this program.
int RunCases(const char* self, int count, int first) {
  int failed = 0;
  for (int seed = first; seed < first + count; ++seed) {
    std::string output, error;
    int exitCode = 0;
    std::string command = std::string("\"") + self + "\" " + std::to_string(seed);
    if (!platform::RunProcess(command, "", &output, &exitCode, &error) || exitCode != 0) {
      std::printf("case %d FAILED (exit %d)\n%s%s\n", seed, exitCode, error.c_str(), output.c_str());
      ++failed;
    }
  }
  std::printf("whole_interface_driver: %d cases from %d, %d failed\n", count, first, failed);
  return failed == 0 ? 0 : 1;
}

}  // namespace
}  // namespace zrt::testhost

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == "--cases") {
    return zrt::testhost::RunCases(argv[0], std::atoi(argv[2]), argc >= 4 ? std::atoi(argv[3]) : 1);
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s SEED | --cases N [FIRST]\n", argv[0]);
    return 2;
  }
  unsigned seed = static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10));
  zrt::testhost::StartWatchdog(seed);
  zrt::testhost::Case(seed).Run();
  return 0;
}
