#include "src/build/compiler_command_line.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "src/core/project_context.h"
#include "tests/host/host_tree.h"
#include "tests/core/case_file.h"
#include "tests/core/fake_file_system.h"

namespace zrt {
namespace {

using testhost::AddChild;
using testhost::SetValue;

const char* const kArmLines[] = {"CPU IRAM(0x40000000-0x40007FFF) IROM(0-0x7FFFF) CPUTYPE(ARM7TDMI)", nullptr};
const char* const kCortexLines[] = {"CPU IRAM(0x20000000-0x20004FFF) CPUTYPE(\"Cortex-M3\")", nullptr};

// The compiler's output part and debug information, as the other lines end.
const std::string kCompile = " -c  -I\"INC\" -o \".\\Target\\main.o\" --depend \".\\Target\\main.d\" ";
const std::string kDebug = " -g --dwarf2";

class CompilerCommandLineTest : public ::testing::Test {
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

TEST_F(CompilerCommandLineTest, BuildsTheWholeLine) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("build/fixtures/compiler_lines.txt")) {
    SCOPED_TRACE(row[1]);
    TearDown();
    SetUp();
    bool compiler = row[0] == "armcc";
    std::map<std::string, HostNode*> nodes = {{"target", configuration_}, {"output", output_},
                                              {"own", compiler ? compiler_ : assembler_},
                                              {"file", compiler ? compilerOverride_ : assemblerOverride_}};
    for (size_t i = 4; i < row.size(); ++i) {
      size_t dot = row[i].find('.'), equals = row[i].find('=');
      SetValue(nodes.at(row[i].substr(0, dot)), row[i].substr(dot + 1, equals - dot - 1), row[i].substr(equals + 1));
    }
    if (row[2] == "1") Context().deviceRecord.information = kCortexLines;
    EXPECT_EQ(compiler ? Compile(configuration_, output_) : Assemble(configuration_, output_), row[3]);
  }
}

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
