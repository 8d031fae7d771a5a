// Scatter-loading descriptions: real examples, errors with their places, and every
// truncation of a valid description.
#include "tools/common/scatter_file.h"

#include <gtest/gtest.h>

#include "tests/core/case_file.h"

namespace zrt::tools {
namespace {

// Descriptions in the forms real projects use: uVision's default layout; a relative base,
// a commented selector and execute-only code; braces on their own lines, attributes, a
// comma between selectors, empty regions and one growing down.
const char* const kValidDescriptions[] = {"uvision_default.sct", "relative_base.sct", "sdram_layout.sct"};

// The text of a description in tests/tools/fixtures.
std::string Description(const char* name) { return zrt::testing::ReadFixtureFile("tools/fixtures/" + std::string(name)); }

TEST(ParseScatterFileTest, ReadsRegionsBasesSizesAndSelectors) {
  ScatterDescription description;
  ScatterError error;
  ASSERT_TRUE(ParseScatterFile(Description(kValidDescriptions[2]), &description, &error));
  ASSERT_EQ(description.loadRegions.size(), 1u);
  const LoadRegion& load = description.loadRegions[0];
  EXPECT_EQ(load.name, "SDRAM");
  EXPECT_EQ(load.base.value, 0x80000000u);
  EXPECT_FALSE(load.hasMaxSize);
  ASSERT_EQ(load.regions.size(), 5u);
  EXPECT_EQ(load.regions[1].attributes, std::vector<std::string>{"NOCOMPRESS"});
  EXPECT_EQ(load.regions[1].maxSize, 0x10000u);
  EXPECT_EQ(load.regions[1].inputs[1].selectors, (std::vector<std::string>{"+RW", "+ZI"}));
  EXPECT_EQ(load.regions[1].inputs[1].line, 11);
  EXPECT_EQ(load.regions[1].inputs[1].column, 5);
  EXPECT_EQ(load.regions[3].maxSize, 0x1000u);
  EXPECT_TRUE(load.regions[4].base.relative);
  EXPECT_EQ(load.regions[4].attributes, (std::vector<std::string>{"UNINIT", "ALIGN"}));
  EXPECT_EQ(load.regions[4].inputs[0].module, "EventRecorder.o");
}

TEST(ParseScatterFileTest, RefusesWithThePlaceAndWhatWasExpected) {
  for (const zrt::testing::CaseRow& row : zrt::testing::ReadCaseFile("tools/fixtures/scatter_errors.txt")) {
    ScatterDescription description;
    ScatterError error;
    EXPECT_FALSE(ParseScatterFile(row[0], &description, &error)) << row[0];
    EXPECT_EQ(error.code, "L6228E");
    EXPECT_EQ(std::to_string(error.line) + ":" + std::to_string(error.column), row[1] + ":" + row[2]) << row[0];
    EXPECT_EQ(error.text, row[3]) << row[0];
  }
  ScatterDescription description;
  ScatterError error;
  EXPECT_FALSE(ParseScatterFile("#! armcc -E\nLR 0 { ER 0 { } }\n", &description, &error));
  EXPECT_EQ(error.code, "L9900U");  // preprocessed descriptions are not emulated
}

TEST(ParseScatterFileTest, RealDescriptionsParseAndEveryTruncationAnswersCleanly) {
  for (const char* name : kValidDescriptions) {
    std::string full = Description(name);
    for (size_t length = 0; length <= full.size(); ++length) {
      ScatterDescription description;
      ScatterError error;
      bool parsed = ParseScatterFile(full.substr(0, length), &description, &error);
      if (length == full.size()) EXPECT_TRUE(parsed) << name << error.line << ":" << error.text;
      if (!parsed) {
        EXPECT_GE(error.line, 1);
        EXPECT_FALSE(error.text.empty());
      }
    }
  }
}

TEST(ParseScatterNumberTest, ReadsDecimalAndHexadecimalUpToThirtyTwoBits) {
  const std::pair<const char*, uint32_t> good[] = {{"0xFFFFFFFF", 0xFFFFFFFFu}, {"4096", 4096u}, {"0X1f", 31u}};
  uint32_t value = 0;
  for (const auto& [text, expected] : good) EXPECT_TRUE(ParseScatterNumber(text, &value) && value == expected) << text;
  for (const char* bad : {"", "0x", "4294967296", "12a", "-1", "0x123456789", "00000000000"}) {
    EXPECT_FALSE(ParseScatterNumber(bad, &value)) << bad;
  }
}

}  // namespace
}  // namespace zrt::tools
