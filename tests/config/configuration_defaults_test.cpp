// The defaults a new Configuration receives from the device, driven through GetInterface
// by the test host.
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

TEST_F(NewProjectTest, ConfigurationGetsItsDefaultsFromTheDevice) {
  DeviceRecord device{"NXP", "LPC2148", nullptr, kLpc2148Lines, "LPC2148"};
  double clock = 12.0;
  Initialize(&device, &clock);
  HostNode* configuration = host_.CreateConfiguration("Target 1");
  EXPECT_EQ(Attributes(configuration),
            (AttributeList{{"Name", "Target 1"}, {"OldName", "Target 1"}, {"OP", "0"},
                           {"XROM", "0,0,0,0#0,0,0,0#0,0,0,0"}, {"XRAM", "0,0,0,0#0,0,0,0#0,0,0,0"},
                           {"IROM", "1,0x00000000,0x00080000,1#0,0,0,0"}, {"IRAM", "1,0x40000000,0x00008000,0#0,0,0,0"},
                           {"CLK", "12.000000"}, {"Cross", "0"}, {"OutBig", "0"}, {"McLib", "0"}, {"OldCPU", "LPC2148"}}));
  EXPECT_STREQ(Value(ChildNamed(configuration, "ZRT_Output"), "OutName"), "0,.\\Target 1\\demo");
  EXPECT_EQ(Attributes(ChildNamed(configuration, "ZRT_Debug")),
            (AttributeList{{"DbgType", "0"}, {"sfSIM", "0,1,(),()"}, {"hwSIM", "1,1,1,()"}, {"Drv", "(),()"}, {"SrvOpt", ""}}));
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
