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
            (AttributeList{{"Name", "Target 1"}, {"OldName", "Target 1"}, {"OP", "0"},
                           {"XROM", "0,0,0,0#0,0,0,0#0,0,0,0"}, {"XRAM", "0,0,0,0#0,0,0,0#0,0,0,0"},
                           {"IROM", "1,0x00000000,0x00080000,1#0,0,0,0"}, {"IRAM", "1,0x40000000,0x00008000,0#0,0,0,0"},
                           {"CLK", "12.000000"}, {"Cross", "0"}, {"OutBig", "0"}, {"McLib", "0"}, {"OldCPU", "LPC2148"}}));
  std::vector<HostNode*> sections = ChildrenOf(configuration);
  ASSERT_EQ(sections.size(), kTarget1Sections.size());
  for (size_t i = 0; i < sections.size(); ++i) {
    EXPECT_EQ(NameOf(sections[i]), kTarget1Sections[i].first);
    EXPECT_EQ(Attributes(sections[i]), kTarget1Sections[i].second) << kTarget1Sections[i].first;
  }
}

TEST_F(NewProjectTest, WithoutADeviceTheOnChipAreasAreEmpty) {
  Initialize(nullptr, nullptr);
  HostNode* configuration = host_.CreateConfiguration("Target 1");
  for (const char* area : {"IROM", "IRAM"}) EXPECT_STREQ(Value(configuration, area), "0,0,0,0#0,0,0,0");
  EXPECT_STREQ(Value(configuration, "CLK"), "0.000000");
  EXPECT_STREQ(Value(configuration, "OldCPU"), "");
  HostNode* release = host_.CreateConfiguration("Release");
  EXPECT_STREQ(Value(ChildNamed(release, "ZRT_Output"), "OutName"), "0,.\\Release\\demo");
}

}  // namespace
}  // namespace zrt::testhost
