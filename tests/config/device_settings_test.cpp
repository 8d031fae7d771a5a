#include "src/config/device_settings.h"

#include "src/config/device_description.h"
#include "src/core/host_node.h"
#include "tests/config/config_fixture.h"

namespace zrt {
namespace {

using testhost::AttributeList;
using testhost::Attributes;
using testhost::Value;

const char* const kProjectLines[] = {"CPU=IRAM(0x40000000-0x40007FFF) IROM(0-0x7FFFF) CLOCK(12000000) CPUTYPE(ARM7TDMI)",
                                     nullptr};
const char* const kChosenLines[] = {
    "REGFILE(\"ST\\STM32F10x.h\")",
    "CPU=IRAM(0x20000000-0x20004FFF) IROM(0x08000000-0x0801FFFF) CLOCK(0x7A1200) CPUTYPE(\"Cortex-M3\")", nullptr};

class DeviceSettingsTest : public ConfigTest {
 protected:
  void SetUp() override {
    ConfigTest::SetUp();
    Context().deviceRecord = DeviceRecord{"NXP", "LPC2148", nullptr, kProjectLines, "key"};
    Context().cpuClock = 12.0;
    Context().deviceIncludeDirectory = "C:\\Keil\\ARM\\INC";
    chosen_ = DeviceRecord{"STMicroelectronics", "STM32F103C8", nullptr, kChosenLines, "key2"};
  }
  DeviceRecord chosen_;
};

TEST_F(DeviceSettingsTest, ApplySelectedDeviceWritesTheDeviceValuesOntoTheCopy) {
  HostNode* copy = CloneNode(AddConfiguration("Debug"));  // as the settings sheet copies it
  ApplySelectedDevice(copy, &chosen_);
  EXPECT_EQ(Attributes(copy), (AttributeList{{"Name", "Debug"},
                                             {"OldName", "Debug"},
                                             {"VENDOR", "STMicroelectronics"},
                                             {"DEVICE", "STM32F103C8"},
                                             {"CLK", "8.000000"},
                                             {"IROM", "1,0x08000000,0x00020000,1#0,0,0,0"},
                                             {"IRAM", "1,0x20000000,0x00005000,0#0,0,0,0"},
                                             {"OldCPU", "STM32F103C8"}}));
  EXPECT_EQ(Context().deviceHeaderPath, "C:\\Keil\\ARM\\INC\\ST\\STM32F10x.h");
  EXPECT_EQ(commits, 0);  // the sheet commits its copy itself
  DestroyNode(copy);
}

TEST_F(DeviceSettingsTest, TheChosenDeviceBecomesThePagesDevice) {
  EXPECT_EQ(PageDeviceLines(), kProjectLines);
  HostNode* copy = CloneNode(AddConfiguration("Debug"));
  ApplySelectedDevice(copy, nullptr);  // no device chosen changes nothing
  ApplySelectedDevice(nullptr, &chosen_);
  EXPECT_EQ(Attributes(copy), (AttributeList{{"Name", "Debug"}, {"OldName", "Debug"}}));
  EXPECT_EQ(SelectedDevice().Record(), nullptr);
  std::vector<const char*> lines(kChosenLines, kChosenLines + 2);
  lines.push_back(nullptr);
  DeviceRecord temporary{"V", "STM32F103C8", nullptr, lines.data(), "k"};
  ApplySelectedDevice(copy, &temporary);
  lines[1] = "CPU=CPUTYPE(ARM7TDMI)";  // the database may reuse its memory; the choice is a copy
  ASSERT_NE(SelectedDevice().Record(), nullptr);
  EXPECT_STREQ(SelectedDevice().Record()->name, "STM32F103C8");
  EXPECT_TRUE(IsCortexM(PageDeviceLines()));
  DestroyNode(copy);
}

TEST_F(DeviceSettingsTest, RefreshRederivesForAnotherDevice) {
  HostNode* configuration = AddConfiguration("Debug");
  testhost::SetValue(configuration, "IROM", "1,0x08000000,0x00020000,1#0,0,0,0");
  testhost::SetValue(configuration, "IRAM", "1,0x20000000,0x00005000,0#0,0,0,0");
  testhost::SetValue(configuration, "CLK", "8.000000");
  testhost::SetValue(configuration, "OldCPU", "STM32F103C8");
  RefreshDeviceMemory(configuration, false);
  EXPECT_EQ(commits, 1);
  EXPECT_STREQ(Value(configuration, "IROM"), "1,0x00000000,0x00080000,1#0,0,0,0");
  EXPECT_STREQ(Value(configuration, "IRAM"), "1,0x40000000,0x00008000,0#0,0,0,0");
  EXPECT_STREQ(Value(configuration, "CLK"), "12.000000");
  EXPECT_STREQ(Value(configuration, "OldCPU"), "LPC2148");
  testhost::SetValue(configuration, "OldCPU", "other");
  RefreshDeviceMemory(configuration, true);  // with an external startup area IROM is not flagged
  EXPECT_STREQ(Value(configuration, "IROM"), "1,0x00000000,0x00080000,0#0,0,0,0");
}

TEST_F(DeviceSettingsTest, RefreshLeavesMatchingOrUnknownConfigurationsAlone) {
  HostNode* same = AddConfiguration("Same");
  testhost::SetValue(same, "OldCPU", "LPC2148");
  HostNode* unknown = AddConfiguration("Unknown");
  RefreshDeviceMemory(same, false);
  RefreshDeviceMemory(unknown, false);
  RefreshDeviceMemory(nullptr, false);
  Context().deviceRecord.name = "";
  HostNode* other = AddConfiguration("Other");
  testhost::SetValue(other, "OldCPU", "STM32F103C8");
  RefreshDeviceMemory(other, false);
  EXPECT_EQ(commits, 0);
  EXPECT_EQ(Value(unknown, "IROM"), nullptr);
  EXPECT_EQ(Value(other, "IROM"), nullptr);
}

}  // namespace
}  // namespace zrt
