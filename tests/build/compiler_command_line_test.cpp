#include "src/build/compiler_command_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "src/core/project_context.h"
#include "tests/host/host_tree.h"
#include "tests/core/fake_file_system.h"

namespace zrt {
namespace {

using testhost::AddChild;
using testhost::SetValue;

const char* const kArmLines[] = {"CPU IRAM(0x40000000-0x40007FFF) IROM(0-0x7FFFF) CPUTYPE(ARM7TDMI)", nullptr};
const char* const kCortexLines[] = {"CPU IRAM(0x20000000-0x20004FFF) CPUTYPE(\"Cortex-M3\")", nullptr};

enum Tool { kArmcc, kArmasm };

// Which node a change applies to: the configuration, its ZRT_Output, its own tool
// section, or the file's override section (the chain's first entry).
enum Node { kTarget, kOutput, kOwnSection, kFileSection };

struct Change {
  Node node;
  const char* key;
  const char* value;
};

struct ToolCase {
  const char* name;
  Tool tool;
  std::vector<Change> changes;  // on top of the defaults of a new configuration and file
  std::string expected;
  bool cortexM = false;
};

// Pieces the lines are made of: the compiler's output part, debug information, the
// assembler's output part and listing.
const std::string kCompile = " -c  -I\"INC\" -o \".\\Target\\main.o\" --depend \".\\Target\\main.d\" ";
const std::string kDebug = " -g --dwarf2";
const std::string kAssemble = "  -I\"INC\" -o \".\\Target\\start.o\" ";
const std::string kListing = " --list \".\\Target\\start.lst\"";
const Change kNoAsmListing = {kOwnSection, "List", "0"};

const ToolCase kCases[] = {
    {"CompilerDefaults", kArmcc, {}, kCompile + kDebug + " -O0"},
    {"CompilerMicroLibBigEndianBrowse", kArmcc,
     {{kTarget, "McLib", "1"}, {kTarget, "OutBig", "1"}, {kOutput, "Browse", "1"}, {kOutput, "Debug", "0"}},
     " --omf_browse \".crf\"  -D__MICROLIB --bi" + kCompile + " -O0"},
    {"CompilerDefinesAndIncludesAccumulateInnermostFirst", kArmcc,
     {{kOwnSection, "Def", "DEBUG  VER=2"}, {kOwnSection, "Inc", "..\\inc\\;..\\lib"}, {kFileSection, "Def", "FILE"},
      {kFileSection, "Inc", "..\\file"}},
     "  -DFILE -DDEBUG -DVER=2  -I\"..\\file ..\\inc\" -I\"..\\lib\"" + kCompile + kDebug + " -O0"},
    {"CompilerFileOptimisationOverridesTheTarget", kArmcc, {{kFileSection, "Opt", "2,1"}},
     kCompile + kDebug + " -O2 -Otime"},
    {"CompilerFileInheritsTheTargetOptimisation", kArmcc, {{kOwnSection, "Opt", "3,1"}},
     kCompile + kDebug + " -O3 -Otime"},
    {"CompilerEveryFlagInOrder", kArmcc,
     {{kOwnSection, "Code", "1,1,1,1,1,1"}, {kOwnSection, "Language", "1,1,1,1"}, {kOwnSection, "List", "1"},
      {kOwnSection, "Misc", "--c99"}},
     kCompile + " --c99" + kDebug + " -O0 --apcs=interwork --apcs=interwork --apcs=/ropi --apcs=/rwpi --thumb"
         " --split_sections --split_ldm --strict --enum_is_int --signed_chars -W --asm --interleave", true},
    {"CompilerFileFlagsWinPerFlag", kArmcc,
     {{kOwnSection, "Code", "1,0,1,0,0,0"}, {kFileSection, "Code", "0,2,2,2,2,1"}, {kFileSection, "Language", "2,1,2,2"}},
     kCompile + kDebug + " -O0 --apcs=/rwpi --split_ldm --enum_is_int"},
    {"CompilerIncompleteFileCodeIsPassedOver", kArmcc,
     {{kOwnSection, "Code", "1,0,0,0,0,0"}, {kFileSection, "Code", "0,0,0"}}, kCompile + kDebug + " -O0 --thumb"},
    {"CompilerListOfAFileOverrideIsIgnored", kArmcc, {{kFileSection, "List", "1"}}, kCompile + kDebug + " -O0"},
    {"AssemblerDefaults", kArmasm, {}, kAssemble + kDebug + kListing + " --xref "},
    {"AssemblerMicroLibDefinesIncludes", kArmasm,
     {{kTarget, "McLib", "1"}, {kTarget, "OutBig", "1"}, {kOwnSection, "Def", "DEBUG  VER=2"},
      {kOwnSection, "Inc", "..\\inc\\;..\\lib"}, kNoAsmListing, {kOutput, "Debug", "0"}},
     " --pd \"__MICROLIB SETA 1\" --bi  --pd \"DEBUG SETA 1\" --pd \"VER=2 SETA 1\"  -I\"..\\inc\" -I\"..\\lib\"" +
         kAssemble},
    {"AssemblerEveryFlagInOrder", kArmasm,
     {{kOwnSection, "Code", "1,1,1,1,1,1"}, {kOwnSection, "Language", "1"}, kNoAsmListing,
      {kOwnSection, "Misc", "--apcs /ref"}},
     kAssemble + " --apcs /ref" + kDebug + " --apcs=interwork --apcs=interwork --apcs=/ropi --apcs=/rwpi --16"
         " --split_ldm --nowarn", true},
    {"AssemblerUnusedFifthFlagAddsNothing", kArmasm, {{kFileSection, "Code", "2,2,2,2,1,2"}, kNoAsmListing},
     kAssemble + kDebug},
    {"AssemblerListingWithoutCrossReference", kArmasm, {{kOwnSection, "List", "1,0"}}, kAssemble + kDebug + kListing},
    {"AssemblerListingInTheChosenFolder", kArmasm, {{kOutput, "OutList", "1,.\\lists"}},
     kAssemble + kDebug + " --list \".\\lists\\start.lst\" --xref "},
};

void PrintTo(const ToolCase& c, std::ostream* os) { *os << c.name; }

class CompilerCommandLineTest : public ::testing::TestWithParam<ToolCase> {
 protected:
  void SetUp() override {
    Context() = ProjectContext{};
    Context().fileSystem = &fs_;
    Context().currentConfigurationName = "Target";
    Context().deviceHeaderPath = "INC";
    Context().deviceRecord.information = kArmLines;
    configuration_ = testhost::NewNode("Configuration");
    SetValue(configuration_, "Name", "Target");
    SetValue(configuration_, "McLib", "0");
    SetValue(configuration_, "OutBig", "0");
    output_ = AddChild(configuration_, "ZRT_Output",
                       {{"OutName", "0,.\\Target\\proj"}, {"OutList", "0,.\\Target"}, {"Debug", "1"}, {"Browse", "0"}});
    compiler_ = AddChild(configuration_, "ZRT_CParam",
                         {{"Def", ""}, {"Inc", ""}, {"Misc", ""}, {"Opt", "0,0"}, {"Code", "0,0,0,0,0,0"},
                          {"Language", "0,0,0,0"}, {"List", "0"}});
    assembler_ = AddChild(configuration_, "ZRT_AsmParam",
                          {{"Def", ""}, {"Inc", ""}, {"Misc", ""}, {"Code", "0,0,0,0,0,0"}, {"Language", "0"},
                           {"List", "1,1"}});
    file_ = testhost::NewNode("File");
    compilerOverride_ = AddChild(file_, "ZRT_CParam",
                                 {{"Def", ""}, {"Inc", ""}, {"Misc", ""}, {"Opt", "4,2"}, {"Code", "2,2,2,2,2,2"},
                                  {"Language", "2,2,2,2"}});
    assemblerOverride_ = AddChild(file_, "ZRT_AsmParam",
                                  {{"Def", ""}, {"Inc", ""}, {"Misc", ""}, {"Code", "2,2,2,2,2,2"}, {"Language", "2"}});
  }
  void TearDown() override {
    testhost::DeleteNode(configuration_);
    testhost::DeleteNode(file_);
    Context() = ProjectContext{};
  }

  void Apply(Tool tool, const std::vector<Change>& changes) {
    HostNode* nodes[] = {configuration_, output_, tool == kArmcc ? compiler_ : assembler_,
                         tool == kArmcc ? compilerOverride_ : assemblerOverride_};
    for (const Change& change : changes) SetValue(nodes[change.node], change.key, change.value);
  }

  std::string Compile(HostNode* configuration, HostNode* output, const std::string& extraIncludes = "") {
    return BuildCompilerCommandLine({compilerOverride_, compiler_}, configuration, output, "main.o", extraIncludes);
  }
  std::string Assemble(HostNode* configuration, HostNode* output) {
    return BuildAssemblerCommandLine({assemblerOverride_, assembler_}, configuration, output, "start.o");
  }

  testing::FakeFileSystem fs_;
  HostNode* configuration_;
  HostNode* output_;
  HostNode* compiler_;
  HostNode* assembler_;
  HostNode* file_;
  HostNode* compilerOverride_;
  HostNode* assemblerOverride_;
};

TEST_P(CompilerCommandLineTest, BuildsTheWholeLine) {
  const ToolCase& c = GetParam();
  Apply(c.tool, c.changes);
  if (c.cortexM) Context().deviceRecord.information = kCortexLines;
  EXPECT_EQ(c.tool == kArmcc ? Compile(configuration_, output_) : Assemble(configuration_, output_), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CompilerCommandLineTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ToolCase>& info) { return info.param.name; });

TEST_F(CompilerCommandLineTest, DeviceCpuAndCmsisFolder) {
  Context().deviceOption = "LPC2148";
  Context().cpuOption = "ARM7TDMI-S";
  Context().cmsisIncludeDirectory = "C:\\Keil\\ARM\\CMSIS";
  EXPECT_EQ(Compile(configuration_, output_), " -I\"C:\\Keil\\ARM\\CMSIS\"  --cpu ARM7TDMI-S -c --device LPC2148 -I\"INC\""
                                              " -o \".\\Target\\main.o\" --depend \".\\Target\\main.d\" " + kDebug + " -O0");
  SetValue(assembler_, "List", "0");
  EXPECT_EQ(Assemble(configuration_, output_),
            " -I\"C:\\Keil\\ARM\\CMSIS\"  --cpu ARM7TDMI-S  --device LPC2148 -I\"INC\" -o \".\\Target\\start.o\" " + kDebug);
}

TEST_F(CompilerCommandLineTest, OutputSectionIsFoundUnderTheConfigurationWhichMustBeThere) {
  EXPECT_EQ(Compile(configuration_, nullptr), Compile(configuration_, output_));  // found under the configuration
  EXPECT_EQ(Assemble(configuration_, nullptr), Assemble(configuration_, output_));
  EXPECT_EQ(Compile(nullptr, nullptr), "");  // no project, so no current configuration
  EXPECT_EQ(Assemble(nullptr, nullptr), "");
  HostNode* bare = testhost::NewNode("Configuration");
  EXPECT_EQ(Compile(bare, nullptr), "");
  EXPECT_EQ(Assemble(bare, nullptr), "");
  testhost::DeleteNode(bare);
}

TEST_F(CompilerCommandLineTest, ExtraIncludesFollowTheChainsFolders) {
  const std::string tail = kCompile + kDebug + " -O0";
  EXPECT_EQ(Compile(configuration_, output_, "C:\\Keil\\ARM\\INC\\;D:\\extra"),
            "  -I\"C:\\Keil\\ARM\\INC\" -I\"D:\\extra\"" + tail);
  SetValue(compiler_, "Inc", "..\\inc");
  EXPECT_EQ(Compile(configuration_, output_, "D:\\extra"), "  -I\"..\\inc D:\\extra\"" + tail);
}

TEST_F(CompilerCommandLineTest, ListingFolderIsCreatedOnEveryAssembly) {
  SetValue(output_, "OutList", "1,.\\lists");
  Assemble(configuration_, output_);
  Assemble(configuration_, output_);
  EXPECT_EQ(fs_.madeDirectories, (std::vector<std::string>{".\\lists", ".\\lists"}));
  SetValue(assembler_, "List", "0,1");
  Assemble(configuration_, output_);
  EXPECT_EQ(fs_.madeDirectories.size(), 2u);
}

}  // namespace
}  // namespace zrt
