// Walking elements: FindElement, FindChildElement, EnterElement, LeaveElement and the
// child's name and data, as the project reader uses them.
#include <gtest/gtest.h>

#include <string>

#include "src/convert/xml_document.h"
#include "tests/convert/xml_test_support.h"

namespace zrt {
namespace {

TEST(XmlDocumentNavigationTest, PositionsFollowEachOperation) {
  CXmlDocument document;
  ASSERT_TRUE(document.ParseText("<r><a><x/></a><b/></r>"));  // records: r 1, a 2, x 3, b 4
  ASSERT_TRUE(document.FindChildElement("b"));  // finds r first
  EXPECT_EQ(document.GetParentPosition(), 0u);
  EXPECT_EQ(document.GetCurrentPosition(), 1u);
  EXPECT_EQ(document.GetChildPosition(), 4u);
  ASSERT_TRUE(document.EnterElement());
  EXPECT_EQ(document.GetParentPosition(), 1u);
  EXPECT_EQ(document.GetCurrentPosition(), 4u);
  EXPECT_EQ(document.GetChildPosition(), 0u);
  EXPECT_EQ(document.GetNodeType(), kXmlElement);
  ASSERT_TRUE(document.EnterElement());  // into b, which has no child: nothing is current
  EXPECT_EQ(document.GetParentPosition(), 4u);
  EXPECT_EQ(document.GetCurrentPosition(), 0u);
  EXPECT_EQ(document.GetNodeType(), 0);
  EXPECT_FALSE(document.EnterElement());
  EXPECT_FALSE(document.FindElement());  // b has no child element
  ASSERT_TRUE(document.LeaveElement());
  EXPECT_EQ(document.GetChildPosition(), 0u);
  EXPECT_EQ(document.GetCurrentPosition(), 4u);
  EXPECT_EQ(document.GetParentPosition(), 1u);
  document.ResetPosition(0, 0, 0);
  ASSERT_TRUE(document.FindChildElement("a"));
  EXPECT_FALSE(document.FindChildElement("z"));  // a failed find changes nothing
  EXPECT_EQ(document.GetChildPosition(), 2u);
  EXPECT_FALSE(document.FindElement("z"));
  EXPECT_EQ(document.GetCurrentPosition(), 1u);
}

TEST(XmlDocumentNavigationTest, FindElementVisitsEveryTopLevelElement) {
  CXmlDocument document;
  ASSERT_FALSE(document.ParseText("<a>1</a>\n<b>2</b>\n<a>3</a>"));
  EXPECT_EQ(document.GetResultText(), "Root element has sibling");
  std::string seen;
  while (document.FindElement()) {
    seen += document.GetElementTagName(document.GetCurrentPosition()) +
            document.GetElementText(document.GetCurrentPosition());
  }
  EXPECT_EQ(seen, "a1b2a3");
  document.ResetPosition(0, 0, 0);
  ASSERT_TRUE(document.FindElement("a"));
  ASSERT_TRUE(document.FindElement("a"));
  EXPECT_EQ(document.GetElementText(document.GetCurrentPosition()), "3");
}

struct NameCase {
  const char* requested;  // null: any name
  const char* found;      // null: none
};

TEST(XmlDocumentNavigationTest, MatchesRequestedNamesByThePrefixRule) {
  const NameCase cases[] = {
      {"Target", "Target"},  {"TargetName", "TargetName"}, {"Group/x", "Group"}, {"Group x", "Group"},
      {"Group=1", "Group"},  {"Group[2]", "Group"},        {"Group]", "Group"},   {"Groupx", nullptr},
      {"Grou", nullptr},     {"group", nullptr},           {"Group\\", nullptr},  {"", "TargetName"},
      {nullptr, "TargetName"},
  };
  for (const NameCase& c : cases) {
    CXmlDocument document;
    ASSERT_TRUE(document.ParseText("<r><TargetName/><Target/><Group/></r>"));
    bool found = document.FindChildElement(c.requested);
    EXPECT_EQ(found, c.found != nullptr) << (c.requested ? c.requested : "(null)");
    if (found && c.found) {
      EXPECT_EQ(document.GetChildTagName(), c.found);
    }
  }
}

struct TagNameCase {
  const char* text;
  const char* name;
};

TEST(XmlDocumentNavigationTest, TagNameEndsAtTheNameDelimiters) {
  const TagNameCase cases[] = {
      {"<a\tx='1'/>", "a"}, {"<a\nx='1'/>", "a"}, {"<a/>", "a"}, {"<a?b/>", "a"}, {"<a!b/>", "a"},
      {"<a\\b/>", "a"},     {"<a=b/>", "a"},      {"<a-b.c/>", "a-b.c"},
      // 0x5C after a lead byte is a trail byte, not a '\'.
      {"<\x81\x5C x='1'/>", "\x81\x5C"},
  };
  for (const TagNameCase& c : cases) {
    CXmlDocument document;
    ASSERT_TRUE(document.ParseText(c.text)) << c.text;
    EXPECT_EQ(document.GetElementTagName(1), c.name) << c.text;
    EXPECT_TRUE(document.FindElement(c.name)) << c.text;
  }
}

}  // namespace
}  // namespace zrt
