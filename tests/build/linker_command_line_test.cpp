#include "src/build/linker_command_line.h"

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

// Which node a change applies to.
enum Node { kTarget, kLinker, kOutput };

struct Change {
  Node node;
  const char* key;
  const char* value;
};

struct LinkerCase {
  const char* name;
  std::vector<Change> changes;  // on top of the defaults of a new configuration
  std::string expected;
  bool cortexM = false;
};

// Pieces every line is made of, for configuration Target of project proj.
const std::string kScatter = "--scatter \".\\Target\\proj.sct\"";
const std::string kSummary = " --autoat --summary_stderr --info summarysizes";
const std::string kLibrary = " --libpath \"C:\\Keil\\ARM\\RV31\\LIB\" --strict";
const std::string kInfo = " --info veneers --info unused --info totals --info sizes --xref --symbols --callgraph";
const std::string kMap = " --map  --list \".\\Target\\proj.map\"";
const std::string kImage = " -o \".\\Target\\proj.axf\"";
const std::string kBases = "--ro_base 0x00000000 --entry 0x00000000 --rw_base 0x40000000 ";
const Change kNoCode = {kLinker, "Code", "0,0,1,0,()"};  // scan library off, no library path

const LinkerCase kCases[] = {
    {"Defaults", {}, kScatter + kSummary + kLibrary + kInfo + kMap + kImage},
    {"SuppressedWarnings", {{kLinker, "Code", "0,0,0,1,(1234,6319)"}, {kLinker, "List", "0,1,1,1,1,1,1,1,1"}},
     kScatter + kSummary + kLibrary + " --diag_suppress 1234,6319" + kImage},
    {"RopiRwpiNoScanLib", {{kLinker, "Code", "1,1,1,0,()"}, {kLinker, "List", "0,0,0,0,0,0,0,0,0"}},
     kScatter + kSummary + " --ropi --rwpi --noscanlib" + kImage},
    {"IncompleteCodeAddsNoCodeOptions", {{kLinker, "Code", "0,0,0,1"}, {kLinker, "List", "0"}},
     kScatter + kSummary + kImage},
    {"BaseAddressesWithEntry",
     {{kLinker, "UseDef", "0"}, {kLinker, "Rom", "0x00000000"}, {kLinker, "Ram", "0x40000000"}, {kLinker, "List", ""}},
     kBases + kSummary + kLibrary + kImage},
    {"EntryInMiscIsNotRepeated",
     {{kLinker, "UseDef", "0"}, {kLinker, "Rom", "0x00000000"}, {kLinker, "Ram", "0x40000000"},
      {kLinker, "Misc", "--entry Reset_Handler"}, {kLinker, "List", ""}},
     "--ro_base 0x00000000 --rw_base 0x40000000 " + kSummary + " --entry Reset_Handler" + kLibrary + kImage},
    {"CortexMGetsNoEntry",
     {{kLinker, "UseDef", "0"}, {kLinker, "Rom", "0x8000000"}, {kLinker, "Ram", "0x20000000"}, {kLinker, "List", ""}},
     "--ro_base 0x8000000 --rw_base 0x20000000 " + kSummary + kLibrary + kImage, true},
    {"UserScatterFileWinsOverBaseAddresses",
     {{kLinker, "UseDef", "0"}, {kLinker, "Sct", ".\\board.sct"}, {kLinker, "Rom", "0x00000000"},
      {kLinker, "Ram", "0x40000000"}, {kLinker, "List", ""}},
     "--scatter \".\\board.sct\"" + kSummary + kLibrary + kImage},
    {"RomWithoutRamAddsNoBase", {{kLinker, "UseDef", "0"}, {kLinker, "Rom", "0x00000000"}, {kLinker, "List", ""}},
     kSummary + kLibrary + kImage},
    {"ListingOffAddsNoListingWhateverTheFlags", {{kLinker, "List", "0,1,1,1,1,1,1,1,1"}, kNoCode},
     kScatter + kSummary + " --noscanlib" + kImage},
    {"MapOnly", {{kLinker, "List", "1,1,0,0,0,0,0,0,0"}, kNoCode}, kScatter + kSummary + " --noscanlib" + kMap + kImage},
    {"ListingWithoutFlags", {{kLinker, "List", "1,0,0,0,0,0,0,0,0"}, kNoCode},
     kScatter + kSummary + " --noscanlib  --list \".\\Target\\proj.map\"" + kImage},
    {"EightListFlagsAddNoListing", {{kLinker, "List", "1,1,1,1,1,1,1,1"}, kNoCode},
     kScatter + kSummary + " --noscanlib" + kImage},
    {"ChosenFoldersNoDebugFeedbackMicroLib",
     {{kOutput, "OutName", "1,.\\out\\build\\image"}, {kOutput, "OutList", "1,.\\lists"}, {kOutput, "Debug", "0"},
      {kTarget, "Cross", "1"}, {kTarget, "McLib", "1"}, {kLinker, "List", "1,0,0,0,0,0,0,0,1"}, kNoCode},
     kScatter + kSummary + " --noscanlib --info veneers  --list \".\\lists\\image.map\" --nodebug"
         " --feedback \".\\out\\build\\image.fed\" --library_type=microlib -o \".\\out\\build\\image.axf\""},
    {"OutNameWithoutCommaUsesTheDefaultBase",
     {{kOutput, "OutName", "0"}, {kOutput, "OutList", "0"}, {kLinker, "List", "1,0,0,0,0,0,0,0,0"}, {kLinker, "Code", ""}},
     kScatter + kSummary + "  --list \".\\Target\\proj.map\"" + kImage},
    {"OutNameWithoutFolderListsUnderTheProjectName",
     {{kOutput, "OutName", "1,image"}, {kLinker, "List", "1,0,0,0,0,0,0,0,0"}, {kLinker, "Code", ""}},
     kScatter + kSummary + "  --list \".\\Target\\proj.map\" -o \"image.axf\""},
};

// Names the case in failure messages.
void PrintTo(const LinkerCase& c, std::ostream* os) { *os << c.name; }

class LinkerCommandLineTest : public ::testing::TestWithParam<LinkerCase> {
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

  void Apply(const std::vector<Change>& changes) {
    HostNode* nodes[] = {configuration_, linker_, output_};
    for (const Change& change : changes) SetValue(nodes[change.node], change.key, change.value);
  }

  std::string Build() { return BuildLinkerCommandLine(configuration_, linker_, output_); }

  testing::FakeFileSystem fs_;
  HostNode* configuration_;
  HostNode* linker_;
  HostNode* output_;
};

TEST_P(LinkerCommandLineTest, BuildsTheWholeLine) {
  const LinkerCase& c = GetParam();
  Apply(c.changes);
  if (c.cortexM) Context().deviceRecord.information = kCortexLines;
  EXPECT_EQ(Build(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkerCommandLineTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<LinkerCase>& info) { return info.param.name; });

TEST_F(LinkerCommandLineTest, DeviceCpuAndMiscAndTheGeneratedDescriptionRequested) {
  Context().deviceOption = "LPC2148";
  Context().cpuOption = "ARM7TDMI-S";
  Apply({{kLinker, "Misc", "--verbose"}});
  EXPECT_EQ(Build(), kScatter + " --device LPC2148" + kSummary + " --cpu ARM7TDMI-S --verbose" + kLibrary + kInfo +
                         kMap + kImage);
  EXPECT_EQ(Context().scatterRequested, 1);
  EXPECT_EQ(Context().scatterFilePath, ".\\Target\\proj.sct");
}

TEST_F(LinkerCommandLineTest, UserFileOrMissingNodesClearTheRequest) {
  Context().scatterRequested = 1;
  Apply({{kLinker, "UseDef", "0"}, {kLinker, "Sct", ".\\board.sct"}});
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
  Apply({{kOutput, "OutName", "1,.\\out\\build\\image"}});
  Build();
  EXPECT_EQ(fs_.madeDirectories, std::vector<std::string>{".\\out\\build"});
}

}  // namespace
}  // namespace zrt
