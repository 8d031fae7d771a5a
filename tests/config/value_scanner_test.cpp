#include "src/config/value_scanner.h"

#include <gtest/gtest.h>

#include "tests/core/case_file.h"

#include <climits>

namespace zrt {
namespace {

TEST(ScanValue, ReadsNumbersAndTextsAsSscanfDoes) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("config/fixtures/scan_cases.txt")) {
    const char* text = row[0].c_str();
    const char* format = row[1].c_str();
    std::string first = "-", second = "-";
    int count;
    if (row[1] == "%x") {
      uint32_t value = 12345;
      count = ScanValue(text, format, {&value});
      first = std::to_string(value);
    } else if (row[1].find_first_of("[s") != std::string::npos) {
      count = ScanValue(text, format, {&first, &second});
    } else {
      int a = -7, b = -7;
      count = ScanValue(text, format, {&a, &b});
      first = std::to_string(a);
      second = std::to_string(b);
    }
    EXPECT_EQ(std::to_string(count) + " " + first + " " + second, row[2] + " " + row[3] + " " + row[4])
        << row[0] << " / " << row[1];
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
