#include "src/config/device_description.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace zrt {
namespace {

// A device record over lines (a null line ends the array).
struct Device {
  explicit Device(std::vector<const char*> lines) : lines(std::move(lines)) {
    this->lines.push_back(nullptr);
    record.name = "device";
    record.information = this->lines.data();
  }
  std::vector<const char*> lines;
  DeviceRecord record{};
};

TEST(DeviceCpuOption, CpuTypeValueWithFloatingPointVariant) {
  struct Case {
    std::vector<const char*> lines;
    const char* expected;
  } cases[] = {
      {{"CPU=IROM(0-0xFFFFF) CPUTYPE(\"Cortex-M4\") FPU2"}, "\"Cortex-M4.fp\""},
      {{"CPU=IROM(0-0xFFFFF) CPUTYPE(\"Cortex-M4\")"}, "\"Cortex-M4\""},
      {{"CPU=CPUTYPE(Cortex-M4) FPU2"}, "Cortex-M4.fp"},
      {{"CPU=CPUTYPE(ARM7TDMI) FPU2"}, "ARM7TDMI"},
      {{"REGFILE(\"LPC214x.H\")", "cpu=CPUTYPE(ARM7TDMI)"}, "ARM7TDMI"},
      {{"CPU=IROM(0-0xFFFFF) CLOCK(12000000)"}, "CPU=IROM(0-0xFFFFF) CLOCK(12000000)"},
      {{"CPU=CPUTYPE ARM7"}, "CPU=CPUTYPE ARM7"},
      {{"CPU=CPUTYPE(ARM7"}, ""},
      {{"SIM(SARM.DLL)"}, ""},
      {{}, ""},
  };
  for (const Case& c : cases) {
    Device device(c.lines);
    EXPECT_EQ(DeviceCpuOption(&device.record), c.expected) << (c.lines.empty() ? "no lines" : c.lines.back());
  }
  EXPECT_EQ(DeviceCpuOption(nullptr), "");
}

TEST(IsCortexM, ByCpuTypeOrByTheWholeLine) {
  struct Case {
    std::vector<const char*> lines;
    bool expected;
  } cases[] = {
      {{"CPU=CPUTYPE(ARM7TDMI)"}, false},
      {{"CPU=CPUTYPE(Cortex-M0)"}, true},
      {{"CPU=CPUTYPE(\"Cortex-M3\")"}, true},
      {{"CPU=CPUTYPE(CORTEX-M4)"}, true},
      {{"CPU=IROM(0-0xFFFF) cortex-m3 core"}, true},
      {{"CPU=IROM(0-0xFFFF)"}, false},
      {{"DEVICE=Cortex-M3"}, false},
      {{}, false},
  };
  for (const Case& c : cases) {
    Device device(c.lines);
    EXPECT_EQ(IsCortexM(device.record.information), c.expected) << (c.lines.empty() ? "no lines" : c.lines.back());
  }
  EXPECT_FALSE(IsCortexM(nullptr));
}

TEST(GetClockHz, DecimalHexadecimalOrNothing) {
  struct Case {
    const char* line;
    unsigned expected;
  } cases[] = {
      {"CPU=CLOCK(12000000)", 12000000u}, {"CPU=CLOCK(0xB71B00)", 12000000u}, {"CPU=IROM(0-1)", 0u},
      {"CPU=CLOCK(abc)", 0u},             {"CPU=CLOCK(-5)", 0u},              {"CPU=CLOCK(99999999999999)", INT_MAX},
      {"CPU=CLOCK(", 0u},
  };
  for (const Case& c : cases) {
    Device device({c.line});
    EXPECT_EQ(GetClockHz(&device.record), c.expected) << c.line;
  }
  EXPECT_EQ(GetClockHz(nullptr), 0u);
}

}  // namespace
}  // namespace zrt
