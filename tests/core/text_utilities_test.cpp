#include "src/core/text_utilities.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

TEST(SplitList, TakesTerminatedEntriesSortedAndUnique) {
  struct Case {
    const char* text;
    std::set<std::string> expected;
  } cases[] = {
      {"A?;?B?;?A?;?", {"A", "B"}},
      {"", {}},
      {"NoSeparator", {}},
      {"Target 1?;?tail", {"Target 1"}},
      {"?;??;?X?;?", {"X"}},
      {"b?;?a?;?", {"a", "b"}},
      {"?;?", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitList(c.text), c.expected) << c.text;
}

TEST(ListContains, MatchesWholeEntriesOnly) {
  EXPECT_TRUE(ListContains("Debug?;?Release?;?", "Release"));
  EXPECT_FALSE(ListContains("Debug2?;?", "Debug"));
  EXPECT_FALSE(ListContains("Debug", "Debug"));  // not terminated: not an entry
  EXPECT_FALSE(ListContains("Debug?;?", ""));
  EXPECT_FALSE(ListContains(nullptr, "Debug"));
}

TEST(RenameListEntry, RenamesEqualEntriesKeepingOrder) {
  EXPECT_EQ(RenameListEntry("B?;?A?;?B2?;?", "B", "Z"), "Z?;?A?;?B2?;?");
  EXPECT_EQ(RenameListEntry("A?;?tail", "A", "C"), "C?;?tail");
  EXPECT_EQ(RenameListEntry("", "A", "C"), "");
}

TEST(FindPrefixedEntry, ComparesPrefixIgnoringCase) {
  const char* lines[] = {"IRAM(0x40000000-0x40007FFF)", "cpu IROM(0-0x7FFFF) CLOCK(12000000)", nullptr};
  DeviceRecord device{"NXP", "LPC2129", nullptr, lines, nullptr};
  EXPECT_STREQ(FindPrefixedEntry(&device, "CPU"), lines[1]);
  EXPECT_STREQ(FindPrefixedEntry(&device, "iram"), lines[0]);
  EXPECT_EQ(FindPrefixedEntry(&device, "CPUTYPE"), nullptr);
  EXPECT_EQ(FindPrefixedEntry(&device, nullptr), nullptr);
  EXPECT_EQ(FindPrefixedEntry(nullptr, "CPU"), nullptr);
  DeviceRecord empty{"NXP", "LPC2129", nullptr, nullptr, nullptr};
  EXPECT_EQ(FindPrefixedEntry(&empty, "CPU"), nullptr);
}

TEST(LeadingInt, ReadsTheLeadingDecimalNumber) {
  struct Case {
    const char* text;
    int expected;
  } cases[] = {{"12abc", 12}, {"abc", 0}, {"", 0}, {"-7", -7}, {" 3", 3}, {"99999999999", 2147483647},
               {"-99999999999", -2147483647 - 1}, {nullptr, 0}, {"0x10", 0}};
  for (const Case& c : cases) EXPECT_EQ(LeadingInt(c.text), c.expected) << (c.text ? c.text : "null");
}

}  // namespace
}  // namespace zrt
