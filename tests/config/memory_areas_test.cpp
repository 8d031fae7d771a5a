#include "src/config/memory_areas.h"

#include <gtest/gtest.h>

#include <string>

namespace zrt {
namespace {

constexpr char kLpc2148Cpu[] =
    "CPU=IRAM(0x40000000-0x40007FFF) IROM(0-0x7FFFF) CLOCK(12000000) CPUTYPE(ARM7TDMI)";

TEST(MemoryAreas, ReadTheAreasOfTheTargetPageFormatAndKeepFieldsAfterABrokenOne) {
  MemoryArea areas[3];
  EXPECT_EQ(ReadMemoryAreas("1,0x80000000,0x00010000,1#0,0,0,0#1,0x90000000,0x100,0", areas, 3), 12);
  EXPECT_EQ(FormatMemoryAreas(areas, 3), "1,0x80000000,0x00010000,1#0,0x00000000,0x00000000,0#1,0x90000000,0x00000100,0");
  MemoryArea kept[2] = {{9, 9, 9, 9}, {9, 9, 9, 9}};
  EXPECT_EQ(ReadMemoryAreas("1,0x100,zz,1#1,2,3,4", kept, 2), 2);
  EXPECT_EQ(FormatMemoryAreas(kept, 2), "1,0x00000100,0x00000009,9#9,0x00000009,0x00000009,9");
  EXPECT_EQ(ReadMemoryAreas(nullptr, kept, 2), 0);
}

TEST(MemoryAreas, ExternalStartupAreaIsAnyXromFlag) {
  EXPECT_FALSE(HasExternalStartupArea("0,0,0,0#0,0,0,0#0,0,0,0"));
  EXPECT_TRUE(HasExternalStartupArea("0,0,0,0#0,0,0,0#1,0x80000000,0x1000,1"));
  EXPECT_TRUE(HasExternalStartupArea("0,0,0,1"));
  EXPECT_FALSE(HasExternalStartupArea(""));
  EXPECT_FALSE(HasExternalStartupArea(nullptr));
}

TEST(DeviceMemoryAreas, DerivedFromTheCpuLine) {
  struct Case {
    const char* line;
    const char* key;
    bool externalStartup;
    const char* expected;
  } cases[] = {
      {kLpc2148Cpu, "IROM", false, "1,0x00000000,0x00080000,1#0,0,0,0"},
      {kLpc2148Cpu, "IROM", true, "1,0x00000000,0x00080000,0#0,0,0,0"},
      {kLpc2148Cpu, "IRAM", false, "1,0x40000000,0x00008000,0#0,0,0,0"},
      {"CPU=IRAM(0x40000000-0x40007FFF) CPUTYPE(ARM7TDMI)", "IROM", false, "0,0,0,0#0,0,0,0"},
      {nullptr, "IROM", false, "0,0,0,0#0,0,0,0"},
      {"CPU=IROM() IRAM(1-2)", "IROM", false, "0,0,0,0#0,0,0,0"},
      {"CPU=IROM", "IROM", false, "0,0,0,0#0,0,0,0"},
      {"CPU=IROM(0x0-0x7FFFF", "IROM", false, "0,0,0,0#0,0,0,0"},
      {"CPU=IROM(0x100)", "IROM", false, "0,0x00000100,0x00000000,10#0,0,0,0"},
      {"CPU=IROM(0-0xFFFFFFFF)", "IROM", false, "0,0x00000000,0x00000000,10#0,0,0,0"},
      {"CPU=IROM(0x08000000-0x0801FFFF)", "IROM", false, "1,0x08000000,0x00020000,1#0,0,0,0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DeviceMemoryAreas(c.line, c.key, c.externalStartup), c.expected) << (c.line ? c.line : "null");
  }
}

TEST(DeviceMemoryAreas, OverLongNumbersSaturate) {
  // Both ends saturate at 0xFFFFFFFF: a one-byte area.
  std::string line = "CPU=IROM(0x" + std::string(4000, 'F') + "-0x" + std::string(4000, '1') + ")";
  EXPECT_EQ(DeviceMemoryAreas(line.c_str(), "IROM", false), "1,0xffffffff,0x00000001,1#0,0,0,0");
}

}  // namespace
}  // namespace zrt
