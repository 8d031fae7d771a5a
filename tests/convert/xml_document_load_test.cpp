// LoadFile: reading, the declared encoding, the UTF-8 to ANSI conversion and the load
// summary; real files from the fixtures (the shared corpus is loaded by the libxml2
// differential test and by the corpus conversion test).
#include <gtest/gtest.h>

#include <string>

#include "platform/code_page.h"
#include "src/convert/xml_document.h"
#include "tests/convert/xml_test_support.h"
#include "tests/core/case_file.h"
#include "tests/core/fake_file_system.h"

namespace zrt {
namespace {

TEST(XmlDocumentLoadTest, ConvertsUtf8UnlessAnotherEncodingIsDeclared) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("convert/fixtures/load_cases.txt")) {
    testing::FakeFileSystem files;
    files.contents["p\\f.xml"] = row[0];
    CXmlDocument document(files);
    document.LoadFile("p\\f.xml");
    EXPECT_EQ(document.GetText(), row[1]) << row[0];
    EXPECT_EQ(document.GetResultText(), row[2]) << row[0];
  }
}

TEST(XmlDocumentLoadTest, SummaryPrefixesTheParseProblem) {
  testing::FakeFileSystem files;
  files.contents["a.xml"] = "<a><b></a>";
  CXmlDocument document(files);
  EXPECT_FALSE(document.LoadFile("a.xml"));
  EXPECT_EQ(document.GetResultText(), "10 bytes, End tag 'a' at offset 7 does not match start tag 'b' at offset 3");
  EXPECT_FALSE(document.ParseText("<a/><b/>"));  // parsing text drops the summary
  EXPECT_EQ(document.GetResultText(), "Root element has sibling");
}

TEST(XmlDocumentLoadTest, UnreadableFileGivesTheSystemErrorWithoutLineEnd) {
  CXmlDocument document;
  ASSERT_TRUE(document.ParseText("<r><a/></r>"));
  ASSERT_TRUE(document.FindChildElement("a"));  // positions into the old tree
  std::string missing = testing::FixturePath("no-such-file.xml");
  EXPECT_FALSE(document.LoadFile(missing));
  const std::string& error = document.GetResultText();
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(error.find_first_of("\r\n"), std::string::npos) << error;
  EXPECT_EQ(error.find("bytes"), std::string::npos) << error;
  EXPECT_FALSE(document.IsWellFormed());
  EXPECT_EQ(document.GetCurrentPosition() + document.GetChildPosition(), 0u);  // none left pointing into it
  EXPECT_FALSE(document.FindElement());
}

// The same project saved four ways: every one reads as the same GBK text.
TEST(XmlDocumentLoadTest, ChineseProjectReadsTheSameInEveryEncoding) {
  const char* const kFiles[] = {"chinese_utf8.uvproj", "bom_utf8.uvproj", "gbk_under_utf8.uvproj",
                                "gbk_declared.uvproj"};
  const char* const kSizes[] = {"556 bytes", "559 bytes", "541 bytes", "539 bytes"};
  const std::string expected = platform::Utf8ToAnsi(testing::ReadFixtureFile("convert/fixtures/chinese_project.outline"));
  for (size_t i = 0; i < std::size(kFiles); ++i) {
    CXmlDocument document;
    ASSERT_TRUE(document.LoadFile(testing::FixturePath(kFiles[i]))) << kFiles[i] << ": " << document.GetResultText();
    EXPECT_EQ(document.GetResultText(), kSizes[i]);
    EXPECT_EQ(testing::Outline(document), expected) << kFiles[i];
  }
}

TEST(XmlDocumentLoadTest, FixturesLoadWithTheirSummaryAndTree) {
  struct Fixture {
    const char* name;
    const char* result;
    const char* outline;
  };
  const Fixture fixtures[] = {
      {"utf8_lengths.xml", nullptr, "Names=\n  Two=é\n  Three=中€\n  Four=?\n  None=?\n  After=ok\n"},
      {"no_declaration.xml", nullptr, "Files=\n  FileName=说明.txt\n"},  // UTF-8 without a declaration
      {"empty.xml", "0 bytes, Empty document", ""},
      {"unended_element.uvproj",
       "98 bytes, End tag 'Targets' at offset 77 does not match start tag 'Target' at offset 65", nullptr},
      {"truncated.uvproj", "200 bytes, Root element has sibling", nullptr},
  };
  for (const Fixture& f : fixtures) {
    CXmlDocument document;
    EXPECT_EQ(document.LoadFile(testing::FixturePath(f.name)), f.result == nullptr) << f.name;
    if (f.result) {
      EXPECT_EQ(document.GetResultText(), f.result);
    }
    if (f.outline) {
      EXPECT_EQ(testing::Outline(document), f.outline) << f.name;
    }
  }
}

}  // namespace
}  // namespace zrt
