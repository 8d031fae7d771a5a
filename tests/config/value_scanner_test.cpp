#include "src/config/value_scanner.h"

#include <gtest/gtest.h>

#include <climits>

namespace zrt {
namespace {

TEST(ScanValue, ReadsDecimalAndAutoBaseNumbersAsSscanfDoes) {
  struct Case {
    const char* text;
    const char* format;
    int expectedCount;
    int first;
    int second;
  } cases[] = {
      {"1,2", "%d,%d", 2, 1, 2},
      {"1", "%d,%d", 1, 1, -7},
      {"1;2", "%d,%d", 1, 1, -7},
      {"a,2", "%d,%d", 0, -7, -7},
      {"", "%d", 0, -7, -7},
      {"  -12x", "%d", 1, -12, -7},
      {"+5,  6", "%d,%d", 2, 5, 6},
      {"-", "%d", 0, -7, -7},
      {"99999999999999999999", "%d", 1, INT_MAX, -7},
      {"-99999999999999999999", "%d", 1, INT_MIN, -7},
      {"-2147483648", "%d", 1, INT_MIN, -7},
      {"0xB71B00", "%i", 1, 12000000, -7},
      {"010", "%i", 1, 8, -7},
      {"12000000", "%i", 1, 12000000, -7},
      {"08", "%i", 1, 0, -7},
      {"1 2", "%d %d", 2, 1, 2},
      {"1,2", "%d%%%d", 1, 1, -7},
      {"1%2", "%d%%%d", 2, 1, 2},
  };
  for (const Case& c : cases) {
    int first = -7, second = -7;
    EXPECT_EQ(ScanValue(c.text, c.format, {&first, &second}), c.expectedCount) << c.text << " / " << c.format;
    EXPECT_EQ(first, c.first) << c.text;
    EXPECT_EQ(second, c.second) << c.text;
  }
}

TEST(ScanValue, ReadsHexadecimalIntoUnsigned) {
  struct Case {
    const char* text;
    int expectedCount;
    uint32_t value;
  } cases[] = {
      {"0x7FFFF", 1, 0x7FFFF},   {"7fffF", 1, 0x7FFFF},          {"0X10", 1, 0x10},
      {"0x", 1, 0},              {"ffffffffff", 1, 0xFFFFFFFFu}, {"-1", 1, 0xFFFFFFFFu},
      {"zz", 0, 12345},          {"", 0, 12345},
  };
  for (const Case& c : cases) {
    uint32_t value = 12345;
    EXPECT_EQ(ScanValue(c.text, "%x", {&value}), c.expectedCount) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(ScanValue, ReadsTextsWithScansetsAndWords) {
  struct Case {
    const char* text;
    const char* format;
    int expectedCount;
    const char* first;
    const char* second;
  } cases[] = {
      {"(abc)#(d)", "%[^)])#%[^)])", 2, "(abc", "(d"},
      {"()#()", "%[^)])#%[^)])", 2, "(", "("},
      {")x", "%[^)]", 0, "-", "-"},
      {"bca", "%[a-c]", 0, "-", "-"},  // no ranges: "a", "-" and "c" only
      {"a-c", "%[a-c]", 1, "a-c", "-"},
      {"x]y", "%[]x]y", 1, "x]", "-"},
      {"RDI 3", "%s %s", 2, "RDI", "3"},
      {"   RDI", "%s", 1, "RDI", "-"},
      {"ab", "%[^)", 0, "-", "-"},  // a scanset that is never closed
  };
  for (const Case& c : cases) {
    std::string first = "-", second = "-";
    EXPECT_EQ(ScanValue(c.text, c.format, {&first, &second}), c.expectedCount) << c.text << " / " << c.format;
    EXPECT_EQ(first, c.first) << c.text;
    EXPECT_EQ(second, c.second) << c.text;
  }
}

TEST(ScanValue, SuppressedConversionsAreReadButNotCounted) {
  int a = 0, b = 0;
  EXPECT_EQ(ScanValue("1,(x),2", "%d,%*[^)]),%d", {&a, &b}), 2);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
}

TEST(ScanValue, StopsAtATargetOfTheWrongTypeOrWhenTargetsRunOut) {
  std::string text = "kept";
  int number = 5;
  EXPECT_EQ(ScanValue("12", "%d", {&text}), 0);
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(ScanValue("ab", "%s", {&number}), 0);
  EXPECT_EQ(number, 5);
  EXPECT_EQ(ScanValue("1,2", "%d,%d", {&number}), 1);
  EXPECT_EQ(number, 1);
  EXPECT_EQ(ScanValue("1", "%q", {&number}), 0);
}

TEST(ScanValue, NullTextOrFormatReadsNothing) {
  int number = 3;
  EXPECT_EQ(ScanValue(nullptr, "%d", {&number}), 0);
  EXPECT_EQ(ScanValue("1", nullptr, {&number}), 0);
  EXPECT_EQ(number, 3);
}

TEST(ScanValue, OverLongInputSaturatesOrIsTakenWhole) {
  int number = 0;
  EXPECT_EQ(ScanValue(std::string(100000, '9').c_str(), "%d", {&number}), 1);
  EXPECT_EQ(number, INT_MAX);
  uint32_t address = 0;
  EXPECT_EQ(ScanValue(("0x" + std::string(5000, 'f')).c_str(), "%x", {&address}), 1);
  EXPECT_EQ(address, 0xFFFFFFFFu);
  std::string text;
  std::string longText(70000, 'a');
  EXPECT_EQ(ScanValue((longText + ")").c_str(), "%[^)])", {&text}), 1);
  EXPECT_EQ(text, longText);
}

}  // namespace
}  // namespace zrt
