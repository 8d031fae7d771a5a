#include "src/build/scatter_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "src/core/interface_table.h"
#include "src/core/project_context.h"
#include "tests/host/host_tree.h"
#include "tests/core/case_file.h"
#include "tests/core/fake_file_system.h"

namespace zrt {
namespace {

using testhost::AddChild;
using testhost::SetValue;

void ZRT_CDECL CommitAttributes(HostNode* target, HostNode* copy) { testhost::CopyAttributes(target, copy); }

constexpr char kNoAreas3[] = "0,0,0,0#0,0,0,0#0,0,0,0";
constexpr char kNoAreas2[] = "0,0,0,0#0,0,0,0";
constexpr char kIram1[] = "1,0x40000000,0x00008000,0#0,0,0,0";

class ScatterFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Context() = ProjectContext{};
    Context().fileSystem = &fs_;
    Interface().CommitNode = CommitAttributes;
    project_ = testhost::NewNode("OrbweaveProject");
    configuration_ = AddChild(project_, "Configuration", {{"Name", "Target"}});
    linker_ = AddChild(configuration_, "ZRT_Linker", {{"UseDef", "1"}});
    filesNode_ = AddChild(project_, "Files");
  }
  void TearDown() override {
    Interface().CommitNode = nullptr;
    testhost::DeleteNode(project_);
    Context() = ProjectContext{};
  }

  // Sets the areas, the "first" key and the files of a row of scatter_cases.txt.
  void Configure(const testing::CaseRow& row) {
    const char* const kKeys[] = {"XROM", "IROM", "XRAM", "IRAM"};
    for (size_t i = 0; i < 4; ++i) {
      if (row[i + 1] != "<unset>") SetValue(configuration_, kKeys[i], row[i + 1]);
    }
    SetValue(linker_, "first", row[5]);
    for (size_t i = 7; i < row.size(); ++i) {
      HostNode* file = AddChild(filesNode_, "File");
      std::istringstream attributes(row[i]);
      for (std::string pair; std::getline(attributes, pair, ';');) {
        SetValue(file, pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
      }
      Context().files.push_back(file);
    }
  }

  std::string Write() {
    WriteScatterFile(configuration_, ".\\Target\\proj.sct");
    auto it = fs_.contents.find(".\\Target\\proj.sct");
    return it == fs_.contents.end() ? "(not written)" : it->second;
  }

  testing::FakeFileSystem fs_;
  HostNode* project_;
  HostNode* configuration_;
  HostNode* linker_;
  HostNode* filesNode_;
};

TEST_F(ScatterFileTest, WritesTheWholeFile) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("build/fixtures/scatter_cases.txt")) {
    SCOPED_TRACE(row[0]);
    TearDown();
    SetUp();
    fs_.contents.clear();
    Configure(row);
    EXPECT_EQ(Write(), row[6].empty() ? "" : testing::ReadFixtureFile("build/fixtures/scatter/" + row[6]));
  }
}

TEST_F(ScatterFileTest, OnChipAreasFollowANewDevice) {
  const char* const lines[] = {"CPU IRAM(0x20000000-0x20004FFF) IROM(0x08000000-0x0801FFFF) CPUTYPE(\"Cortex-M3\")",
                               nullptr};
  Context().deviceRecord.name = "STM32F103C8";
  Context().deviceRecord.information = lines;
  for (const char* key : {"XROM", "XRAM"}) SetValue(configuration_, key, kNoAreas3);
  for (const char* key : {"IROM", "IRAM"}) SetValue(configuration_, key, kNoAreas2);
  SetValue(configuration_, "OldCPU", "LPC2148");
  EXPECT_EQ(Write(), testing::ReadFixtureFile("build/fixtures/scatter/OnChipAreasFollowANewDevice.sct"));
  EXPECT_STREQ(testhost::Value(configuration_, "OldCPU"), "STM32F103C8");
}

TEST_F(ScatterFileTest, NoSizedRomAreaEmptiesAnEarlierFileAndNoConfigurationWritesNothing) {
  fs_.contents[".\\Target\\proj.sct"] = "stale";
  SetValue(configuration_, "IRAM", kIram1);
  EXPECT_EQ(Write(), "");
  fs_.contents.clear();
  WriteScatterFile(nullptr, ".\\Target\\proj.sct");
  EXPECT_TRUE(fs_.contents.empty());
}

}  // namespace
}  // namespace zrt
