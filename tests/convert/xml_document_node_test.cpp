// Nodes, data and attributes: FindNextNode, GetElementText with entity decoding, and
// FindAttributeValue.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "src/convert/xml_document.h"
#include "tests/convert/xml_test_support.h"

namespace zrt {
namespace {

constexpr char kEveryKind[] =
    "<?xml version=\"1.0\" encoding=\"GBK\"?>\n"
    "<!DOCTYPE r [<!ELEMENT r ANY><!ENTITY e \"a>b\">]>\n"
    "<r>t &amp; u<!--c--><?pi a=\"1\"?><![CDATA[x<y]]> <e/></x><1></r>";

TEST(XmlDocumentNodeTest, WalksEveryKindOfNodeWithItsInnerText) {
  CXmlDocument document;
  ASSERT_FALSE(document.ParseText(kEveryKind));  // the lone end tag and "<1>" are errors
  EXPECT_EQ(testing::NodeTrace(document),
            "16 xml version=\"1.0\" encoding=\"GBK\"\n"
            "4 \n\n"
            "64 <!DOCTYPE r [<!ELEMENT r ANY><!ENTITY e \"a>b\">]>\n"
            "4 \n\n"
            "1 r\n"
            "  2 t & u\n"
            "  32 c\n"
            "  16 pi a=\"1\"\n"
            "  8 x<y\n"
            "  4  \n"
            "  1 e\n"
            "  128 x\n"
            "  32768 <1>\n");
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
  document.ResetPosition(1, 0, 0);
  EXPECT_EQ(document.FindNextNode(kXmlText), kXmlText);
  EXPECT_EQ(document.GetCurrentPosition(), 2u);  // a
  EXPECT_EQ(document.FindNextNode(kXmlText), kXmlText);
  EXPECT_EQ(document.GetCurrentPosition(), 3u);  // b
  EXPECT_EQ(document.GetElementText(3), "y");
  EXPECT_TRUE(document.FindElement("c"));
  ASSERT_FALSE(document.ParseText("<r><a>text</r>"));
  document.ResetPosition(2, 0, 0);  // a is not ended: "text" is r's
  EXPECT_EQ(document.FindNextNode(0), 0);
}

struct DataCase {
  const char* text;
  const char* data;  // of the root element
};

TEST(XmlDocumentNodeTest, ElementDataIsDecodedTextAndCdata) {
  const DataCase cases[] = {
      {"<a>x &lt; y</a>", "x < y"},
      {"<a>&foo;</a>", "&foo;"},
      {"<a> t <!-- c --> u </a>", " t  u "},
      {"<a>\n  <!-- c -->\n</a>", ""},
      {"<a>x<![CDATA[<&amp;>]]>y</a>", "x<&amp;>y"},
      {"<a>x</b>y</a>", "xy"},
      {"<a>&lt</a>", "&lt"},
      {"<a>a&b;c&</a>", "a&b;c&"},
      {"<a>&amp;amp;&apos;&quot;&gt;</a>", "&amp;'\">"},
      {"<a>&#x41;&#X41;&#x4a;&#x4A;</a>", "A&#X41;JJ"},
      {"<a>&#0;&#;&#x;&#-1;</a>", "&#0;&#;&#x;&#-1;"},
      {"<a>&#0000065;&#00000065;</a>", "A&#00000065;"},  // ';' must be among 8 characters
      {"<a>&#20013;</a>", "&#20013;"},                    // no such character in the "C" locale
      {"<a>\xD6\xD0\xCE\xC4&amp;</a>", "\xD6\xD0\xCE\xC4&"},
      {"<a><![CDATA[\x81]]>]]></a>", "\x81]]>"},
      {"<a><b/>x</a>", ""},
      {"<a x=1/>text", ""},
  };
  for (const DataCase& c : cases) {
    CXmlDocument document;
    document.ParseText(c.text);
    EXPECT_EQ(document.GetElementText(1), c.data) << c.text;
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

struct AttributeCase {
  const char* text;
  const char* name;
  const char* value;
};

TEST(XmlDocumentNodeTest, FindsAttributeValuesOfTheCurrentElement) {
  const char* tag = "<e a=\"1\" b='x&amp;y' c=3 d e = \"5\" f=\"6>7\" g='' a='2'/>";
  const AttributeCase cases[] = {
      {tag, "a", "1"},    {tag, "b", "x&y"},  {tag, "c", "3"},   {tag, "d", "d"},
      {tag, "e", "5"},    {tag, "f", "6>7"},  {tag, "g", ""},    {tag, "h", ""},
      {tag, "a=x", "1"},  {tag, "ab", ""},    {tag, "", ""},     {tag, nullptr, ""},
      {"<e c=3/>", "c", "3/"},
      {"<e  a\t=\n\"1\"/>", "a", "1"},
      {"<e x:y=\"1\" z/>", "x:y", "1"},
      {"<e x:y=\"1\" z/>", "z", "z"},
      {"<e a=\"&#x41;&lt;\"/>", "a", "A<"},
      {"<e \xD6\xD0=\"\xCE\xC4\"/>", "\xD6\xD0", "\xCE\xC4"},
      {"<e a='1'>x</e>", "x", ""},
  };
  for (const AttributeCase& c : cases) {
    CXmlDocument document;
    document.ParseText(c.text);
    ASSERT_TRUE(document.FindElement()) << c.text;
    EXPECT_EQ(document.FindAttributeValue(c.name), c.value) << c.text << " " << (c.name ? c.name : "(null)");
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
