// The defaults a new Configuration, its sections and a new File receive, driven through
// GetInterface by the test host and compared key by key, in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/host/test_host.h"

namespace zrt::testhost {
namespace {

const char* const kLpc2148Lines[] = {
    "REGFILE(\"Philips\\LPC214x.H\")",
    "CPU=IRAM(0x40000000-0x40007FFF) IROM(0-0x7FFFF) CLOCK(12000000) CPUTYPE(ARM7TDMI)", nullptr};

// The plug-in initialised for demo.orbproj in the host's folder, with or without a device.
class NewProjectTest : public ::testing::Test {
 protected:
  void Initialize(const DeviceRecord* device, double* clock) {
    projectPath_ = host_.directory() + "\\demo.orbproj";
    installDirectory_ = host_.directory() + "\\host\\";
    info_.installDirectory = installDirectory_.c_str();
    info_.projectPath = projectPath_.c_str();
    info_.deviceRecord = device;
    info_.cpuClock = clock;
    host_.Table().Initialize(&info_);
  }

  // Every attribute of every section, in order, then the sections' names.
  void ExpectSections(const HostNode* configuration, const std::vector<std::pair<std::string, AttributeList>>& expected) {
    std::vector<HostNode*> sections = ChildrenOf(configuration);
    ASSERT_EQ(sections.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(NameOf(sections[i]), expected[i].first);
      EXPECT_EQ(Attributes(sections[i]), expected[i].second) << expected[i].first;
    }
  }

  TestHost host_;
  std::string projectPath_;
  std::string installDirectory_;
  HostInfo info_{};
};

const std::vector<std::pair<std::string, AttributeList>> kTarget1Sections = {
    {"ZRT_Output",
     {{"OutName", "0,.\\Target 1\\demo"}, {"OutType", "1"}, {"OutBatch", "0"}, {"OutHex", "0"},
      {"OutList", "0,.\\Target 1"}, {"Debug", "1"}, {"Browse", "0"}}},
    {"ZRT_User", {{"BfC", "0,()#0,()"}, {"BfB", "0,()#0,()"}, {"AfB", "0,()#0,()"}, {"Beep", "1"}, {"SDebug", "0"}}},
    {"ZRT_CParam",
     {{"Def", ""}, {"uDef", ""}, {"Inc", ""}, {"Misc", ""}, {"Opt", "0,0"}, {"Code", "0,0,0,0,0,0"},
      {"Language", "0,0,0,0"}, {"List", "0"}}},
    {"ZRT_AsmParam",
     {{"Def", ""}, {"uDef", ""}, {"Inc", ""}, {"Misc", ""}, {"Code", "0,0,0,0,0,0"}, {"Language", "0"},
      {"List", "1,1"}}},
    {"ZRT_Linker",
     {{"Misc", ""}, {"UseDef", "1"}, {"Code", "0,0,0,1,()"}, {"Sct", ""}, {"List", "1,1,1,1,1,1,1,1,1"},
      {"first", ""}}},
    {"ZRT_Debug", {{"DbgType", "0"}, {"sfSIM", "0,1,(),()"}, {"hwSIM", "1,1,1,()"}, {"Drv", "(),()"}, {"SrvOpt", ""}}},
};

TEST_F(NewProjectTest, ConfigurationAndSectionsGetTheirDefaultsFromTheDevice) {
  DeviceRecord device{"NXP", "LPC2148", nullptr, kLpc2148Lines, "LPC2148"};
  double clock = 12.0;
  Initialize(&device, &clock);
  HostNode* configuration = host_.CreateConfiguration("Target 1");
  EXPECT_EQ(Attributes(configuration),
            (AttributeList{{"Name", "Target 1"},
                           {"OldName", "Target 1"},
                           {"OP", "0"},
                           {"XROM", "0,0,0,0#0,0,0,0#0,0,0,0"},
                           {"XRAM", "0,0,0,0#0,0,0,0#0,0,0,0"},
                           {"IROM", "1,0x00000000,0x00080000,1#0,0,0,0"},
                           {"IRAM", "1,0x40000000,0x00008000,0#0,0,0,0"},
                           {"CLK", "12.000000"},
                           {"Cross", "0"},
                           {"OutBig", "0"},
                           {"McLib", "0"},
                           {"OldCPU", "LPC2148"}}));
  ExpectSections(configuration, kTarget1Sections);
}

TEST_F(NewProjectTest, WithoutADeviceTheOnChipAreasAreEmpty) {
  Initialize(nullptr, nullptr);
  HostNode* configuration = host_.CreateConfiguration("Target 1");
  AttributeList attributes = Attributes(configuration);
  ASSERT_EQ(attributes.size(), 12u);
  EXPECT_EQ(attributes[5], (std::pair<std::string, std::string>{"IROM", "0,0,0,0#0,0,0,0"}));
  EXPECT_EQ(attributes[6], (std::pair<std::string, std::string>{"IRAM", "0,0,0,0#0,0,0,0"}));
  EXPECT_EQ(attributes[7], (std::pair<std::string, std::string>{"CLK", "0.000000"}));
  EXPECT_EQ(attributes[11], (std::pair<std::string, std::string>{"OldCPU", ""}));
  ExpectSections(configuration, kTarget1Sections);
}

TEST_F(NewProjectTest, OutputNamesFollowEachConfiguration) {
  Initialize(nullptr, nullptr);
  host_.CreateConfiguration("Target 1");
  HostNode* release = host_.CreateConfiguration("Release");
  HostNode* output = ChildNamed(release, "ZRT_Output");
  EXPECT_STREQ(Value(output, "OutName"), "0,.\\Release\\demo");
  EXPECT_STREQ(Value(output, "OutList"), "0,.\\Release");
}

TEST_F(NewProjectTest, FileGetsItsDefaults) {
  Initialize(nullptr, nullptr);
  struct Case {
    const char* path;
    AttributeList expected;
  } cases[] = {
      {"src\\main.c",
       {{"RelativePath", "src\\main.c"}, {"FileType", "1"}, {"Output", "main.o"}, {"ro", "0"}, {"rw", "0"}, {"bss", "0"}}},
      {"Startup.s",
       {{"RelativePath", "Startup.s"}, {"FileType", "2"}, {"Output", "Startup.o"}, {"ro", "0"}, {"rw", "0"}, {"bss", "0"}}},
      {"lib\\rtl.lib", {{"RelativePath", "lib\\rtl.lib"}, {"FileType", "10"}, {"ro", "0"}, {"rw", "0"}, {"bss", "0"}}},
      {"readme", {{"RelativePath", "readme"}, {"FileType", "5"}, {"ro", "0"}, {"rw", "0"}, {"bss", "0"}}},
  };
  for (const Case& c : cases) {
    HostNode* file = host_.CreateFile(host_.files(), c.path);
    EXPECT_EQ(Attributes(file), c.expected) << c.path;
  }
}

}  // namespace
}  // namespace zrt::testhost
