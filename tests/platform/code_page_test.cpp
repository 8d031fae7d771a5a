#include "platform/code_page.h"
#include "platform/environment.h"

#include <gtest/gtest.h>

namespace zrt::platform {
namespace {

// u8 literals stay UTF-8; plain literals are compiled to GBK.
TEST(CodePageTest, PlainLiteralsAreCompiledToGbk) {
  EXPECT_EQ(std::string("确定"), "\xC8\xB7\xB6\xA8");
  EXPECT_EQ(std::string(u8"确定"), "\xE7\xA1\xAE\xE5\xAE\x9A");
}

TEST(CodePageTest, Utf8ToAnsiConvertsAndReplaces) {
  struct Case {
    const char* utf8;
    const char* ansi;
  };
  const Case cases[] = {
      {"", ""},
      {"main.c", "main.c"},
      {u8"确定", "确定"},
      {u8"目标 1", "目标 1"},
      {u8"a\U0001F600b", "a?b"},  // not in GBK
      {"\xC3", "?"},               // truncated at the end
      {"\x80x", "?x"},             // stray continuation byte
      {"a\xE7\xA1x", "a?x"},       // three-byte sequence cut after two
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToAnsi(c.utf8), c.ansi);
  }
}

TEST(CodePageTest, AnsiToUtf8RoundTrips) {
  for (const char* ansi : {"", "Target 1", "确定", "请选择器件", "C:\\Keil\\项目\\main.c"}) {
    SCOPED_TRACE(ansi);
    std::string utf8 = AnsiToUtf8(ansi);
    EXPECT_EQ(Utf8ToAnsi(utf8), ansi);
  }
  EXPECT_EQ(AnsiToUtf8("确定"), u8"确定");
}

TEST(CodePageTest, AppendCodePointAsAnsi) {
  struct Case {
    uint32_t codePoint;
    bool ok;
    const char* bytes;
  };
  const Case cases[] = {
      {'A', true, "A"},        {0x786E, true, "\xC8\xB7"},  // 确
      {0x5B9A, true, "\xB6\xA8"},                            // 定
      {0x1F600, false, ""},    {0xD800, false, ""},  {0x110000, false, ""}, {0, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.codePoint);
    std::string out = "x";
    EXPECT_EQ(AppendCodePointAsAnsi(c.codePoint, &out), c.ok);
    EXPECT_EQ(out, std::string("x") + c.bytes);
  }
}

// An ANSI value with double-byte characters goes through the environment whole.
TEST(CodePageTest, EnvironmentValuesInTheCodePageComeBackWhole) {
  const std::string value = "Z:\\tmp\\\xC9\xE8\xB1\xB8\\d.txt";  // 设备 in GBK
  SetEnvironment("ZRT_CODE_PAGE_TEST", value);
  std::string read;
  ASSERT_TRUE(GetEnvironment("ZRT_CODE_PAGE_TEST", &read));
  EXPECT_EQ(read, value);
  SetEnvironment("ZRT_CODE_PAGE_TEST", "");
  EXPECT_FALSE(GetEnvironment("ZRT_CODE_PAGE_TEST", &read));
}

}  // namespace
}  // namespace zrt::platform
