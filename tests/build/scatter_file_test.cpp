#include "src/build/scatter_file.h"

#include <gtest/gtest.h>

#include <ostream>
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
using testhost::AttributeList;
using testhost::SetValue;

void ZRT_CDECL CommitAttributes(HostNode* target, HostNode* copy) { testhost::CopyAttributes(target, copy); }

constexpr char kNoAreas3[] = "0,0,0,0#0,0,0,0#0,0,0,0";
constexpr char kNoAreas2[] = "0,0,0,0#0,0,0,0";
constexpr char kIrom1[] = "1,0x00000000,0x00080000,1#0,0,0,0";
constexpr char kIram1[] = "1,0x40000000,0x00008000,0#0,0,0,0";

struct ScatterCase {
  const char* name;
  const char* xrom;
  const char* irom;
  const char* xram;
  const char* iram;
  const char* expected;  // the file in tests/build/fixtures/scatter; "" when nothing is written
  std::vector<AttributeList> files = {};
  const char* first = "";
};

const ScatterCase kCases[] = {
    {"OnChipAreasOnly", kNoAreas3, kIrom1, kNoAreas3, kIram1, "OnChipAreasOnly.sct"},
    {"ExternalStartupAreaComesFirst", "1,0x80000000,0x00100000,1#0,0,0,0#0,0,0,0", kIrom1, kNoAreas3, kIram1,
     "ExternalStartupAreaComesFirst.sct"},
    {"WithoutStartupFlagTheFirstSizedRomAreaStarts", "0,0,0,0#1,0x80000000,0x00010000,0#0,0,0,0",
     "1,0x00000000,0x00080000,0#0,0,0,0", kNoAreas3, kIram1, "WithoutStartupFlagTheFirstSizedRomAreaStarts.sct"},
    {"DisabledRamAreaAppearsWithPlacedData", kNoAreas3, kIrom1, "0,0,0,0#0,0x81000000,0x00010000,0#0,0,0,0", kIram1,
     "DisabledRamAreaAppearsWithPlacedData.sct",
     {{{"RelativePath", ".\\src\\uart.c"}, {"Output", "uart.o"}, {"ro", "0"}, {"rw", "2"}, {"bss", "0"}}}},
    {"DisabledRamAreaWithoutPlacedDataIsLeftOut", kNoAreas3, kIrom1, "0,0,0,0#0,0x81000000,0x00010000,0#0,0,0,0",
     kIram1, "OnChipAreasOnly.sct"},
    {"NoInitRamArea", kNoAreas3, kIrom1, kNoAreas3, "1,0x40000000,0x00008000,1#0,0,0,0", "NoInitRamArea.sct"},
    {"NoUsableRamArea", kNoAreas3, kIrom1, kNoAreas3, kNoAreas2, "NoUsableRamArea.sct"},
    {"NoSizedRomAreaLeavesTheFileEmpty", "1,0x80000000,0,1#0,0,0,0#0,0,0,0", "1,0x00000000,0,1#0,0,0,0", kNoAreas3,
     kIram1, ""},
    {"PlacedFilesInEveryKind", kNoAreas3, kIrom1, kNoAreas3, kIram1, "PlacedFilesInEveryKind.sct",
     {{{"RelativePath", ".\\src\\main.c"}, {"Output", "main.o"}, {"ro", "4"}, {"rw", "0"}, {"bss", "4"}},
      {{"RelativePath", "..\\lib\\rtl.lib"}, {"ro", "4"}},
      {{"RelativePath", "fast.c"}, {"Output", "fast.o"}, {"ro", "9"}, {"rw", "4"}},
      {{"RelativePath", "other.c"}, {"Output", "other.o"}, {"ro", "1"}, {"rw", "1"}, {"bss", "5"}}},
     "Vectors"},
    {"DisabledRomAreaAppearsWithPlacedCode", kNoAreas3, "1,0x00000000,0x00080000,1#0,0x00080000,0x00040000,0",
     kNoAreas3, kIram1, "DisabledRomAreaAppearsWithPlacedCode.sct",
     {{{"RelativePath", "boot.s"}, {"Output", "boot.o"}, {"ro", "5"}}}},
    {"DisabledRomAreaWithoutPlacedCodeIsLeftOut", kNoAreas3, "1,0x00000000,0x00080000,1#0,0x00080000,0x00040000,0",
     kNoAreas3, kIram1, "OnChipAreasOnly.sct"},
    {"FirstExternalRomAreaMakesAFurtherRegion", "1,0x80000000,0x00010000,0#0,0,0,0#0,0,0,0", kIrom1, kNoAreas3, kIram1,
     "FirstExternalRomAreaMakesAFurtherRegion.sct"},
    {"UnreadableAreasCountAsEmpty", "x", "garbage#", "", nullptr, ""},
};

// Names the case in failure messages.
void PrintTo(const ScatterCase& c, std::ostream* os) { *os << c.name; }

class ScatterFileTest : public ::testing::TestWithParam<ScatterCase> {
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

  void SetIfGiven(HostNode* node, const char* key, const char* value) {
    if (value != nullptr) SetValue(node, key, value);
  }

  void Configure(const ScatterCase& c) {
    SetIfGiven(configuration_, "XROM", c.xrom);
    SetIfGiven(configuration_, "IROM", c.irom);
    SetIfGiven(configuration_, "XRAM", c.xram);
    SetIfGiven(configuration_, "IRAM", c.iram);
    SetIfGiven(linker_, "first", c.first);
    for (const AttributeList& file : c.files) Context().files.push_back(AddChild(filesNode_, "File", file));
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

TEST_P(ScatterFileTest, WritesTheWholeFile) {
  Configure(GetParam());
  const std::string file = GetParam().expected;
  EXPECT_EQ(Write(), file.empty() ? "" : testing::ReadFixtureFile("build/fixtures/scatter/" + file));
}

INSTANTIATE_TEST_SUITE_P(Cases, ScatterFileTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ScatterCase>& info) { return info.param.name; });

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
