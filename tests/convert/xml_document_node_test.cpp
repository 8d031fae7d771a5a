// Nodes, data and attributes: FindNextNode, GetElementText with entity decoding, and
// FindAttributeValue.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "src/convert/xml_document.h"
#include "tests/convert/xml_test_support.h"
#include "tests/core/case_file.h"

namespace zrt {
namespace {

constexpr char kEveryKind[] =
    "<?xml version=\"1.0\" encoding=\"GBK\"?>\n"
    "<!DOCTYPE r [<!ELEMENT r ANY><!ENTITY e \"a>b\">]>\n"
    "<r>t &amp; u<!--c--><?pi a=\"1\"?><![CDATA[x<y]]> <e/></x><1></r>";

TEST(XmlDocumentNodeTest, WalksEveryKindOfNodeWithItsInnerText) {
  CXmlDocument document;
  ASSERT_FALSE(document.ParseText(kEveryKind));  // the lone end tag and "<1>" are errors
  EXPECT_EQ(testing::NodeTrace(document), testing::ReadFixtureFile("convert/fixtures/every_kind.trace"));
}

TEST(XmlDocumentNodeTest, MaskSelectsTheKindsReturned) {
  CXmlDocument document;
  document.ParseText(kEveryKind);
  document.ResetPosition(1, 0, 0);  // inside r
  EXPECT_EQ(document.FindNextNode(kXmlComment | kXmlCdata), kXmlComment);
  EXPECT_EQ(document.FindNextNode(kXmlComment | kXmlCdata), kXmlCdata);
  EXPECT_EQ(document.FindNextNode(kXmlComment | kXmlCdata), 0);
  document.ResetPosition(1, 0, 0);
  EXPECT_EQ(document.FindNextNode(kXmlElement), kXmlElement);
  EXPECT_EQ(document.GetElementTagName(document.GetCurrentPosition()), "e");
  EXPECT_EQ(document.FindNextNode(kXmlElement), 0);
  EXPECT_EQ(document.FindNextNode(kXmlLoneEndTag), kXmlLoneEndTag);  // after e, found by the failed walk
  document.ResetPosition(0, 0, 0);
  EXPECT_EQ(document.FindNextNode(kXmlDocumentType), kXmlDocumentType);
  EXPECT_EQ(document.FindNextNode(kXmlDocumentType), 0);
}

TEST(XmlDocumentNodeTest, NodesAfterSkippedElementsKeepTheElementPosition) {
  CXmlDocument document;
  ASSERT_TRUE(document.ParseText("<r><a/>x<b/>y<c/></r>"));
  document.ResetPosition(1, 0, 3);
  EXPECT_EQ(document.FindNextNode(kXmlText), kXmlText);
  EXPECT_EQ(document.GetCurrentPosition(), 2u);  // a
  EXPECT_EQ(document.GetChildPosition(), 0u);
  EXPECT_EQ(document.FindNextNode(kXmlText), kXmlText);
  EXPECT_EQ(document.GetCurrentPosition(), 3u);  // b
  EXPECT_EQ(document.GetElementText(3), "y");
  EXPECT_TRUE(document.FindElement("c"));
  ASSERT_FALSE(document.ParseText("<r><a>text</r>"));
  document.ResetPosition(2, 0, 0);  // a is not ended: "text" is r's
  EXPECT_EQ(document.FindNextNode(0), 0);
}

TEST(XmlDocumentNodeTest, ElementDataIsDecodedTextAndCdata) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("convert/fixtures/element_data_cases.txt")) {
    CXmlDocument document;
    document.ParseText(row[0].c_str());
    EXPECT_EQ(document.GetElementText(1), row[1]) << row[0];
  }
}

TEST(XmlDocumentNodeTest, NumericReferencesFollowTheCurrentLocale) {
  struct Locale {
    const char* name;
    const char* zhong;  // U+4E2D
  };
  const Locale locales[] = {{"C.UTF-8", "\xE4\xB8\xAD"}, {".936", "\xD6\xD0"}};
  std::string previous = std::setlocale(LC_CTYPE, nullptr);
  for (const Locale& locale : locales) {
    if (!std::setlocale(LC_CTYPE, locale.name)) continue;
    CXmlDocument document;
    document.ParseText("<a>&#20013;&#x4E2D;</a>");
    std::string data = document.GetElementText(1);
    std::setlocale(LC_CTYPE, previous.c_str());
    EXPECT_EQ(data, std::string(locale.zhong) + locale.zhong);
    return;
  }
  GTEST_SKIP() << "no UTF-8 or code page 936 locale";
}

TEST(XmlDocumentNodeTest, FindsAttributeValuesOfTheCurrentElement) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("convert/fixtures/attribute_cases.txt")) {
    CXmlDocument document;
    document.ParseText(row[0].c_str());
    ASSERT_TRUE(document.FindElement()) << row[0];
    EXPECT_EQ(document.FindAttributeValue(row[1].c_str()), row[2]) << row[0] << " " << row[1];
    EXPECT_EQ(document.FindAttributeValue(nullptr), "");
  }
}

TEST(XmlDocumentNodeTest, AttributesBelongToTheCurrentElementOrProcessingInstruction) {
  CXmlDocument document;
  ASSERT_TRUE(document.ParseText("<?p a=\"1\" b=\"2?><r k=\"p\">t<c k=\"c\"/></r>"));
  EXPECT_EQ(document.FindAttributeValue("k"), "");  // nothing current
  EXPECT_EQ(document.FindNextNode(0), kXmlProcessingInstruction);
  EXPECT_EQ(document.FindAttributeValue("a"), "1");
  EXPECT_EQ(document.FindAttributeValue("b"), "2?><r k=");  // runs to the next '"'
  document.ResetPosition(0, 0, 0);
  ASSERT_TRUE(document.FindChildElement("c"));
  EXPECT_EQ(document.FindAttributeValue("k"), "p");  // the child is not current
  ASSERT_TRUE(document.EnterElement());
  EXPECT_EQ(document.FindAttributeValue("k"), "c");
  document.ResetPosition(1, 0, 0);
  ASSERT_EQ(document.FindNextNode(0), kXmlText);
  EXPECT_EQ(document.FindAttributeValue("k"), "");
  document.ParseText("<?p a=\"1?><r/>");
  ASSERT_EQ(document.FindNextNode(0), kXmlProcessingInstruction);
  EXPECT_EQ(document.FindAttributeValue("a"), "1?><r/>");  // an unclosed value runs to the end of the text
}

}  // namespace
}  // namespace zrt
