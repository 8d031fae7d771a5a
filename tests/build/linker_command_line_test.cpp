#include "src/build/linker_command_line.h"

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

// Pieces of the default line, for configuration Target of project proj.
const std::string kScatter = "--scatter \".\\Target\\proj.sct\"";
const std::string kSummary = " --autoat --summary_stderr --info summarysizes";
const std::string kLibrary = " --libpath \"C:\\Keil\\ARM\\RV31\\LIB\" --strict";
const std::string kRest = " --info veneers --info unused --info totals --info sizes --xref --symbols --callgraph"
                          " --map  --list \".\\Target\\proj.map\" -o \".\\Target\\proj.axf\"";

class LinkerCommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Context() = ProjectContext{};
    Context().fileSystem = &fs_;
    Context().projectName = "proj";
    Context().currentConfigurationName = "Target";
    Context().libraryDirectory = "C:\\Keil\\ARM\\RV31\\LIB";
    Context().deviceRecord.information = kArmLines;
    configuration_ = testhost::NewNode("Configuration");
    for (const auto& [key, value] : testhost::AttributeList{
             {"Name", "Target"}, {"OldName", "Target"}, {"OP", "0"}, {"Cross", "0"}, {"OutBig", "0"}, {"McLib", "0"}}) {
      SetValue(configuration_, key, value);
    }
    output_ = AddChild(configuration_, "ZRT_Output", {{"OutName", "0,.\\Target\\proj"}, {"OutType", "1"}, {"OutBatch", "0"},
                                                      {"OutHex", "0"}, {"OutList", "0,.\\Target"}, {"Debug", "1"}, {"Browse", "0"}});
    linker_ = AddChild(configuration_, "ZRT_Linker", {{"Misc", ""}, {"UseDef", "1"}, {"Code", "0,0,0,1,()"}, {"Sct", ""},
                                                      {"List", "1,1,1,1,1,1,1,1,1"}, {"first", ""}});
  }
  void TearDown() override {
    testhost::DeleteNode(configuration_);
    Context() = ProjectContext{};
  }

  std::string Build() { return BuildLinkerCommandLine(configuration_, linker_, output_); }

  testing::FakeFileSystem fs_;
  HostNode* configuration_;
  HostNode* linker_;
  HostNode* output_;
};

TEST_F(LinkerCommandLineTest, BuildsTheWholeLine) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("build/fixtures/linker_lines.txt")) {
    SCOPED_TRACE(row[0]);
    TearDown();
    SetUp();
    std::map<std::string, HostNode*> nodes = {{"target", configuration_}, {"output", output_}, {"linker", linker_}};
    for (size_t i = 3; i < row.size(); ++i) {
      size_t dot = row[i].find('.'), equals = row[i].find('=');
      SetValue(nodes.at(row[i].substr(0, dot)), row[i].substr(dot + 1, equals - dot - 1), row[i].substr(equals + 1));
    }
    if (row[1] == "1") Context().deviceRecord.information = kCortexLines;
    EXPECT_EQ(Build(), row[2]);
  }
}

TEST_F(LinkerCommandLineTest, DeviceCpuAndMiscAndTheGeneratedDescriptionRequested) {
  Context().deviceOption = "LPC2148";
  Context().cpuOption = "ARM7TDMI-S";
  SetValue(linker_, "Misc", "--verbose");
  EXPECT_EQ(Build(), kScatter + " --device LPC2148" + kSummary + " --cpu ARM7TDMI-S --verbose" + kLibrary + kRest);
  EXPECT_EQ(Context().scatterRequested, 1);
  EXPECT_EQ(Context().scatterFilePath, ".\\Target\\proj.sct");
}

TEST_F(LinkerCommandLineTest, UserFileOrMissingNodesClearTheRequest) {
  Context().scatterRequested = 1;
  SetValue(linker_, "UseDef", "0");
  SetValue(linker_, "Sct", ".\\board.sct");
  Build();
  EXPECT_EQ(Context().scatterRequested, 0);
  const HostNode* missing[][3] = {
      {nullptr, linker_, output_}, {configuration_, nullptr, output_}, {configuration_, linker_, nullptr}};
  for (const auto& nodes : missing) {
    Context().scatterRequested = 1;
    EXPECT_EQ(BuildLinkerCommandLine(nodes[0], nodes[1], nodes[2]), "");
    EXPECT_EQ(Context().scatterRequested, 0);
  }
}

TEST_F(LinkerCommandLineTest, CreatesTheFolderOfTheOutputBase) {
  SetValue(output_, "OutName", "1,.\\out\\build\\image");
  Build();
  EXPECT_EQ(fs_.madeDirectories, std::vector<std::string>{".\\out\\build"});
}

}  // namespace
}  // namespace zrt
