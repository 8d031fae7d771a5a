#include "src/core/tool_chain.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "platform/environment.h"
#include "platform/registry.h"
#include "src/core/host_callbacks.h"
#include "src/core/interface_table.h"
#include "src/core/project_context.h"
#include "src/plugin/initialize.h"
#include "tests/host/test_host.h"

namespace zrt {
namespace {

namespace fs = std::filesystem;

TEST(ParseToolChainEntries, SplitsEntriesAndFields) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"", {}},
      {"ARM|a|b|C:\\inc?D:\\inc|C:\\bin|z|extra", {"ARM|a|b|C:\\inc?D:\\inc|C:\\bin|z"}},
      {"A|1*B|2*", {"A|1||||", "B|2||||"}}, {"A||x|", {"A||x|||"}}, {"*B", {"|||||", "B|||||"}}, {"A", {"A|||||"}}};
  for (const auto& [text, expected] : cases) {
    std::vector<std::string> records;
    for (const ToolChainRecord& record : ParseToolChainEntries(text)) {
      std::string joined = record.fields[0];
      for (size_t i = 1; i < record.fields.size(); ++i) joined += "|" + record.fields[i];
      records.push_back(joined);
    }
    EXPECT_EQ(records, expected) << text;
  }
}
TEST(TextBetween, TakesTheTextBetweenTwoCharacters) {
  const std::tuple<const char*, char, char, const char*> cases[] = {
      {"SIM: -dLPC2129.dll (x)", ' ', '(', "-dLPC2129.dll "}, {"-dLPC2129.dll ", 'D', '.', ""},
      {"DLPC.dll", 'D', '.', "LPC"}, {"REGFILE(\"LPC21xx.h\")", '"', '"', "LPC21xx.h"}, {"only (open", '(', ')', ""}};
  for (const auto& [text, open, close, expected] : cases) EXPECT_EQ(TextBetween(text, open, close), expected) << text;
}
// A folder with the stand-in preference library as <root>\opt\Preference and its entries.
class PreferenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Context() = ProjectContext{};
    rootText_ = testhost::MakeTemporaryDirectory();
    root_ = testhost::NativePath(rootText_);
    fs::create_directories(root_ / "opt");
    fs::copy_file(ZRT_PREFERENCE_FILE, root_ / "opt" / fs::path(ZRT_PREFERENCE_FILE).filename());
    rootText_ += "\\";
    Context().rootDirectory = rootText_;
  }
  void TearDown() override {
    Context() = ProjectContext{};
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  void WriteEntries(const std::string& lines) { std::ofstream(root_ / "opt" / "Preference.txt") << lines; }
  std::string MakeToolFolder(const std::string& name, bool withCompiler) {
    fs::create_directories(root_ / name);
    if (withCompiler) std::ofstream(root_ / name / "armcc.exe") << "";
    return rootText_ + name;
  }
  std::string Library() const { return rootText_ + "opt\\Preference.dll"; }

  fs::path root_;
  std::string rootText_;
};

TEST_F(PreferenceTest, EntryIsChosenByNameElseTheFirst) {
  WriteEntries("# tool chains\nKEIL|a|b|inc1|bin1|c\r\n\nARM|a|b|inc2|bin2|c\n");
  EXPECT_EQ(ReadToolChainRecord(Library(), "ARM", "ZRT").toolDirectories(), "bin2");
  EXPECT_EQ(ReadToolChainRecord(Library(), "GNU", "ZRT").toolDirectories(), "bin1");
  EXPECT_EQ(ReadToolChainRecord(Library(), "AR", "ZRT").name(), "KEIL");
  EXPECT_EQ(ReadToolChainRecord(Library(), "ARM", "OTHER").fields, ToolChainRecord{}.fields);
  EXPECT_EQ(ReadToolChainRecord(rootText_ + "nowhere\\Preference.dll", "ARM", "ZRT").fields, ToolChainRecord{}.fields);
  static char entry[] = "ARM";
  HostInfoCopy().toolChainEntry = entry;
  WriteEntries("ARM|||C:\\a?D:\\b?|bin|\n");
  EXPECT_EQ(ExtraIncludeDirectories(), "C:\\a;D:\\b");
  HostInfoCopy().toolChainEntry = nullptr;
}

TEST_F(PreferenceTest, LastCandidateFolderWithTheCompilerWins) {
  std::string first = MakeToolFolder("bin-a", true);
  std::string empty = MakeToolFolder("bin-empty", false);
  std::string second = MakeToolFolder("bin-b", true);
  WriteEntries("ARM|||inc|" + first + "?" + second + "?" + empty + "?|\n");
  EXPECT_EQ(FindToolDirectory(rootText_, "ZRT", "ARM"), second);
  WriteEntries("ARM|||inc|" + empty + "|\n");
  EXPECT_EQ(FindToolDirectory(rootText_, "ZRT", "ARM"), "");
}

// The registry's uVision open command, set in a store of the test's own.
class KeilRootTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store_ = (testhost::NativePath(testhost::MakeTemporaryDirectory()) / "registry.reg").string();
    platform::SetEnvironment("ZRT_REGISTRY", store_);
  }
  void TearDown() override {
    platform::RealRegistry().DeleteValue(platform::RegistryRoot::kClassesRoot, kKey, "");
    platform::SetEnvironment("ZRT_REGISTRY", "");
  }
  static constexpr const char* kKey = "UV2FILE\\Shell\\open\\command";
  std::string store_;
};

TEST_F(KeilRootTest, RootIsTheFolderAboveTheProgram) {
  struct Case {
    const char* command;
    const char* root;
  } cases[] = {
      {"\"C:\\Keil\\UV4\\Uv4.exe\" \"%1\"", "C:\\Keil\\"},
      {"C:\\Keil\\UV4\\Uv4.exe %1", ""},
      {"\"C:\\Uv4.exe\"", ""},
  };
  auto& registry = platform::RealRegistry();
  for (const Case& c : cases) {
    ASSERT_TRUE(registry.SetValue(platform::RegistryRoot::kClassesRoot, kKey, "", c.command));
    EXPECT_EQ(FindKeilRoot(), c.root) << c.command;
  }
  registry.DeleteValue(platform::RegistryRoot::kClassesRoot, kKey, "");
  EXPECT_EQ(FindKeilRoot(), "");
}

struct ProbeScript {
  static inline std::string output;
  static inline int exitCode = 0;
  static int ZRT_CDECL Run(const char*, const char*, char* buffer, int bufferSize, int* code) {
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(*code, 0);
    std::snprintf(buffer, static_cast<size_t>(bufferSize), "%s", output.c_str());
    *code = exitCode;
    return 1;
  }
};

TEST(ProbeCompiler, AcceptsAQuietZeroExit) {
  Context() = ProjectContext{};
  Interface().RunCommand = ProbeScript::Run;
  struct Case {
    const char* output;
    int exitCode;
    int expected;
  } cases[] = {{"ARM7TDMI\nCortex-M3\n", 0, 1}, {"", 0, 1}, {"armcc: error: unknown option", 0, 0},
               {"Error: C3900U", 0, 1}, {"", 1, 0}};
  for (const Case& c : cases) {
    ProbeScript::output = c.output;
    ProbeScript::exitCode = c.exitCode;
    EXPECT_EQ(ProbeCompiler("C:\\Keil\\ARM\\BIN40\\armcc.exe"), c.expected) << c.output;
  }
  char dirty[8] = "dirty";
  int code = 7;
  EXPECT_EQ(host::RunCommand("x", "C:\\p", dirty, sizeof dirty, &code), 1);  // the host gets both zeroed
  Interface().RunCommand = nullptr;
  Context() = ProjectContext{};
}

// InitializeContext with a preference entry naming <root>\ARM\BIN40 and a Cortex-M4 device.
class InitializeContextTest : public PreferenceTest {
 protected:
  void SetUp() override {
    PreferenceTest::SetUp();
    for (const char* tool : {"armcc.exe", "armasm.exe", "armlink.exe"}) {
      testhost::TestHost::MakeFile(rootText_ + "ARM\\BIN40\\" + tool);
    }
    WriteEntries("ARM|||inc|" + rootText_ + "ARM\\BIN40|\n");
    Interface().RunCommand = ProbeScript::Run;
    ProbeScript::exitCode = 0;
    info_.installDirectory = rootText_.c_str();
    info_.projectPath = "C:\\p\\Blinky.orbproj";
    info_.hostStructure = &hostStructure_;
    info_.toolChainEntry = "ARM";
    info_.deviceRecord = &device_;
  }
  void TearDown() override {
    Interface().RunCommand = nullptr;
    PreferenceTest::TearDown();
  }

  const char* lines_[4] = {"SIM: DARMSTM.DLL (-pSTM32F407)", "REGFILE(\"ST\\STM32F4xx.h\")",
                           "CPU IRAM(0x20000000-0x2001FFFF) CPUTYPE(\"Cortex-M4\") FPU2", nullptr};
  DeviceRecord device_{"STMicroelectronics", "STM32F407VG", nullptr, lines_, nullptr};
  int hostStructure_ = 0;
  HostInfo info_{};
};

TEST_F(InitializeContextTest, ProbedCompilerGetsTheCpuOption) {
  ProbeScript::output = "Cortex-M4\n";
  testhost::TestHost::MakeFile(rootText_ + "ARM\\CMSIS\\Include\\core_cm4.h");
  EXPECT_EQ(InitializeContext(info_), 1);
  const ProjectContext& c = Context();
  EXPECT_EQ(c.projectName, "Blinky");
  EXPECT_EQ(c.toolDirectory, rootText_ + "ARM\\BIN40");
  EXPECT_EQ(c.linkerPath, rootText_ + "ARM\\BIN40\\armlink.exe");
  EXPECT_EQ(c.libraryDirectory, rootText_ + "ARM\\RV31\\LIB");
  EXPECT_EQ(c.compilerIncludeDirectory, rootText_ + "ARM\\RV31\\INC");
  EXPECT_EQ(c.deviceIncludeDirectory, rootText_ + "ARM\\INC");
  EXPECT_EQ(c.deviceHeaderPath, rootText_ + "ARM\\INC\\ST\\STM32F4xx.h");
  EXPECT_EQ(c.cmsisIncludeDirectory, rootText_ + "ARM\\CMSIS\\Include");
  EXPECT_EQ(c.cpuOption, "\"Cortex-M4.fp\"");
  EXPECT_EQ(c.deviceOption, "");
  EXPECT_EQ(c.toolChainFound, 1);
  ProbeScript::output = "armcc: error: unknown option --cpu";  // an older compiler now: no --cpu left over
  EXPECT_EQ(InitializeContext(info_), 1);
  EXPECT_EQ(Context().cpuOption, "");
}

TEST_F(InitializeContextTest, CompilerReportingAnErrorGetsTheDeviceOption) {
  ProbeScript::output = "armcc: error: unknown option --cpu";
  EXPECT_EQ(InitializeContext(info_), 1);
  EXPECT_EQ(Context().cpuOption, "");
  EXPECT_EQ(Context().deviceOption, "DARMSTM");
  EXPECT_EQ(Context().cmsisIncludeDirectory, "");  // no CMSIS folder installed
  info_.projectPath = "C:\\p\\Blinky";
  InitializeContext(info_);
  EXPECT_EQ(Context().projectName, "unkown");  // no extension
}

}  // namespace
}  // namespace zrt
