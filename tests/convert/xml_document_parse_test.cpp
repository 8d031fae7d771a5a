// Tree building: well-formedness, the first problem's message, and the element records.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "src/convert/xml_document.h"
#include "tests/convert/xml_test_support.h"
#include "tests/core/case_file.h"

namespace zrt {
namespace {

TEST(XmlDocumentParseTest, ReportsWellFormednessAndTheFirstProblem) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("convert/fixtures/parse_cases.txt")) {
    CXmlDocument document;
    EXPECT_EQ(document.ParseText(row[0].c_str()), row[1] == "1") << row[0];
    EXPECT_EQ(document.IsWellFormed(), row[1] == "1") << row[0];
    EXPECT_EQ(document.GetResultText(), row[2]) << row[0];
  }
}

TEST(XmlDocumentParseTest, NullTextIsAnEmptyDocument) {
  CXmlDocument document;
  EXPECT_FALSE(document.ParseText(nullptr));
  EXPECT_EQ(document.GetResultText(), "Empty document");
  EXPECT_EQ(document.GetRecords().NextFree(), 1u);
}

TEST(XmlDocumentParseTest, ReparsingReplacesRecordsAndResetsPositions) {
  CXmlDocument document;
  ASSERT_FALSE(document.ParseText("<a><b></a>"));
  ASSERT_TRUE(document.FindElement("a"));
  ASSERT_TRUE(document.ParseText("<x><y/></x>"));
  EXPECT_EQ(document.GetResultText(), "");
  EXPECT_EQ(document.GetCurrentPosition(), 0u);
  EXPECT_EQ(document.GetNodeType(), 0);
  EXPECT_EQ(document.GetRecords().NextFree(), 3u);
  EXPECT_EQ(testing::Outline(document), "x=\n  y=\n");
}

TEST(XmlDocumentParseTest, ChildrenOfAnUnendedElementBecomeItsFollowingSiblings) {
  CXmlDocument document;
  ASSERT_FALSE(document.ParseText("<r><a><b/><c/></r>"));
  EXPECT_EQ(document.GetResultText(), "End tag 'r' at offset 15 does not match start tag 'a' at offset 3");
  const XmlRecordStore& records = document.GetRecords();
  EXPECT_EQ(records[1].firstChild, 2u);
  EXPECT_EQ(records[1].previousSibling, 1u);
  EXPECT_EQ(records[2].firstChild, 0u);
  EXPECT_EQ(records[2].nextSibling, 3u);
  EXPECT_EQ(records[3].parent, 1u);
  EXPECT_EQ(records[3].previousSibling, 2u);
  EXPECT_FALSE(records[3].Has(kXmlFirstChild));
  EXPECT_EQ(records[4].parent, 1u);
  EXPECT_EQ(records[records[1].firstChild].previousSibling, 4u);  // c is r's last child
  EXPECT_EQ(testing::Outline(document), "r=\n  a=\n  b=\n  c=\n");
}

TEST(XmlDocumentParseTest, NestedUnendedElementsEndUpSideBySideInOrder) {
  CXmlDocument document;
  ASSERT_FALSE(document.ParseText("<r><a><x/><b><y/><c></r>"));
  EXPECT_EQ(document.GetResultText(), "End tag 'r' at offset 21 does not match start tag 'c' at offset 17");
  EXPECT_EQ(testing::Outline(document), "r=\n  a=\n  x=\n  b=\n  y=\n  c=\n");
}

TEST(XmlDocumentParseTest, StartTagLongerThanItsFieldIsMeasuredAgain) {
  std::string text = "<a x=\"" + std::string(5 << 20, 'y') + "\">text</a>";
  CXmlDocument document;
  ASSERT_TRUE(document.ParseText(text.c_str()));
  EXPECT_EQ(document.GetRecords()[1].StartTagLength(), kXmlStartTagLengthMax);
  ASSERT_TRUE(document.FindElement("a"));
  EXPECT_EQ(document.GetElementText(1), "text");
  ASSERT_TRUE(document.EnterElement());
  EXPECT_EQ(document.FindNextNode(0), kXmlText);
  EXPECT_EQ(document.FindNextNode(0), 0);
}

TEST(XmlDocumentParseTest, EndTagLongerThanItsFieldIsFoundAgain) {
  std::string text = "<r><a>text</a" + std::string(2000, ' ') + "><b/></r>";
  CXmlDocument document;
  ASSERT_TRUE(document.ParseText(text.c_str()));
  EXPECT_EQ(document.GetRecords()[2].EndTagLength(), kXmlEndTagLengthMax);
  EXPECT_EQ(document.GetElementText(2), "text");
  EXPECT_EQ(testing::Outline(document), "r=\n  a=text\n  b=\n");
}

// Messages a parse may give, for texts whose exact problem is not worked out by hand.
bool IsKnownMessage(const std::string& result) {
  static const std::regex known(
      "Empty document|No root element|Root element has sibling|"
      "Element '[^']*' at offset \\d+ not ended|"
      "End tag '[^']*' at offset \\d+ does not match start tag '[^']*' at offset \\d+|"
      "No start tag for end tag '[^']*' at offset \\d+|"
      "(Element tag|Element end tag|CDATA Section|Processing instruction|Comment|Doctype|tag) at offset \\d+ "
      "unterminated|"
      "Incorrect (tag name character|comment tag|tag|! tag) at offset \\d+");
  return std::regex_match(result, known);
}

TEST(XmlDocumentParseTest, EveryTruncationIsReportedAndStaysNavigable) {
  const std::string valid =
      "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<!DOCTYPE p [<!ENTITY e \"v>\">]>\n"
      "<p a=\"1\" b='2'>\n <!-- note -->\n <t>x &amp; y</t>\n <c><![CDATA[<raw>]]></c>\n"
      " <e/><?pi d?>\n <\xD6\xD0 k=\"\xCE\xC4\">\xD6\xD0</\xD6\xD0>\n</p>";
  CXmlDocument document;
  ASSERT_TRUE(document.ParseText(valid.c_str())) << document.GetResultText();
  for (size_t n = 0; n < valid.size(); ++n) {
    std::string prefix = valid.substr(0, n);
    ASSERT_FALSE(document.ParseText(prefix.c_str())) << prefix;
    EXPECT_TRUE(IsKnownMessage(document.GetResultText())) << document.GetResultText();
    testing::Outline(document);
    testing::NodeTrace(document);
  }
}

}  // namespace
}  // namespace zrt
