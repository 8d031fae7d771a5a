#include "src/config/memory_areas.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/core/case_file.h"

namespace zrt {
namespace {

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
  for (const testing::CaseRow& row : testing::ReadCaseFile("config/fixtures/device_area_cases.txt")) {
    const char* line = row[0] == "<null>" ? nullptr : row[0].c_str();
    EXPECT_EQ(DeviceMemoryAreas(line, row[1].c_str(), row[2] == "1"), row[3]) << row[0];
  }
}

TEST(DeviceMemoryAreas, OverLongNumbersSaturate) {
  // Both ends saturate at 0xFFFFFFFF: a one-byte area.
  std::string line = "CPU=IROM(0x" + std::string(4000, 'F') + "-0x" + std::string(4000, '1') + ")";
  EXPECT_EQ(DeviceMemoryAreas(line.c_str(), "IROM", false), "1,0xffffffff,0x00000001,1#0,0,0,0");
}

}  // namespace
}  // namespace zrt
