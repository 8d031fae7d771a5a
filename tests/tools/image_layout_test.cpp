// Placement of module sizes in scatter regions and the addresses that follow.
#include "tools/common/image_layout.h"

#include <gtest/gtest.h>

namespace zrt::tools {
namespace {

ScatterDescription Parse(const char* text) {
  ScatterDescription description;
  ScatterError error;
  EXPECT_TRUE(ParseScatterFile(text, &description, &error)) << error.text;
  return description;
}

struct MatchCase {
  const char* pattern;
  const char* name;
  bool matches;
};

const MatchCase kMatchCases[] = {
    {"*.o", "main.o", true},    {"*.o", "main.c", false},   {"MAIN.O", "main.o", true},    {"*", "", true},
    {"m?in.o", "main.o", true}, {"m?in.o", "min.o", false}, {"*rtl.lib", "rtl.lib", true}, {"*a*b*c", "xaxbxcx", false},
    {"*a*b*c", "aXbYbc", true}, {"", "x", false},
};

TEST(ModuleMatchesTest, WildcardsAndCase) {
  for (const MatchCase& row : kMatchCases) {
    EXPECT_EQ(ModuleMatches(row.pattern, row.name), row.matches) << row.pattern << " " << row.name;
  }
}

TEST(PlaceModulesTest, ExactNamesBeatWildcardsWhichBeatAny) {
  ScatterDescription description = Parse(
      "LR 0x1000 {\n  FIRST 0x1000 { .ANY (+RO) }\n  WILD +0 { *.o (+RO) }\n  EXACT +0 { uart.o (+RO) }\n"
      "  RAM 0x20000000 { .ANY (+RW +ZI) }\n}\n");
  std::vector<ModuleSizes> modules = {{"uart.o", 100, 20, 8, 40}, {"main.o", 200, 40, 4, 80}, {"x.lib", 16, 0, 0, 0}};
  ImageLayout layout = PlaceModules(description, modules);
  const std::vector<PlacedRegion>& regions = layout.loadRegions[0].regions;
  EXPECT_EQ(regions[0].readOnly, 16u);   // x.lib: only .ANY names it
  EXPECT_EQ(regions[1].readOnly, 240u);  // main.o
  EXPECT_EQ(regions[2].readOnly, 120u);  // uart.o
  EXPECT_EQ(regions[3].readWrite, 12u);
  EXPECT_EQ(regions[3].zeroInit, 120u);
  EXPECT_EQ(regions[3].modules, (std::vector<std::string>{"uart.o", "main.o"}));
  EXPECT_TRUE(layout.overflows.empty());
}

TEST(PlaceModulesTest, RelativeBasesFollowTheRegionBefore) {
  ScatterDescription description = Parse(
      "LR1 0x100 0x1000 {\n  A 0x100 { .ANY (+RO) }\n  B +0x10 { .ANY (+RW +ZI) }\n}\n"
      "LR2 +0x20 {\n  C +0 { n.o }\n}\n");
  std::vector<ModuleSizes> modules = {{"m.o", 0x40, 0x10, 0x8, 0x20}, {"n.o", 0x8, 0, 0x4, 0x4}};
  ImageLayout layout = PlaceModules(description, modules);
  const PlacedLoadRegion& first = layout.loadRegions[0];
  EXPECT_EQ(first.address, 0x100u);
  EXPECT_EQ(first.size, 0x58u);                     // A holds 0x50, B stores 0x8
  EXPECT_EQ(first.regions[1].execAddress, 0x160u);  // 0x100 + 0x50 + 0x10
  EXPECT_EQ(first.regions[1].loadAddress, 0x150u);
  const PlacedLoadRegion& second = layout.loadRegions[1];
  EXPECT_EQ(second.address, 0x178u);  // 0x100 + 0x58 + 0x20
  EXPECT_EQ(second.regions[0].execAddress, 0x178u);
  EXPECT_EQ(second.size, 0xCu);  // n.o names no selector: all its parts
  EXPECT_EQ(second.regions[0].zeroInit, 0x4u);
}

TEST(DefaultDescriptionTest, ReadOnlyAtRoBaseDataAtRwBaseOrAfter) {
  std::vector<ModuleSizes> modules = {{"m.o", 0x100, 0x20, 0x10, 0x40}};
  ImageLayout placed = PlaceModules(DefaultDescription(0x8000, false, 0), modules);
  const std::vector<PlacedRegion>& regions = placed.loadRegions[0].regions;
  EXPECT_EQ(placed.loadRegions[0].name, "LR_1");
  EXPECT_EQ(regions[0].execAddress, 0x8000u);
  EXPECT_EQ(regions[1].execAddress, 0x8120u);
  EXPECT_EQ(regions[2].execAddress, 0x8130u);
  EXPECT_EQ(regions[2].zeroInit, 0x40u);
  ImageLayout split = PlaceModules(DefaultDescription(0, true, 0x40000000), modules);
  EXPECT_EQ(split.loadRegions[0].regions[1].execAddress, 0x40000000u);
  EXPECT_EQ(split.loadRegions[0].regions[1].loadAddress, 0x120u);
  EXPECT_EQ(split.loadRegions[0].size, 0x130u);
}

}  // namespace
}  // namespace zrt::tools
