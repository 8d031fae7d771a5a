// Walking elements: FindElement, FindChildElement, EnterElement, LeaveElement and the
// child's name and data, as the project reader uses them.
#include <gtest/gtest.h>

#include <string>

#include "src/convert/xml_document.h"
#include "tests/convert/xml_test_support.h"
#include "tests/core/case_file.h"

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

TEST(XmlDocumentNavigationTest, MatchesRequestedNamesByThePrefixRule) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("convert/fixtures/name_cases.txt")) {
    CXmlDocument document;
    ASSERT_TRUE(document.ParseText("<r><TargetName/><Target/><Group/></r>"));
    bool found = document.FindChildElement(row[0] == "<null>" ? nullptr : row[0].c_str());
    EXPECT_EQ(found ? document.GetChildTagName() : "<none>", row[1]) << row[0];
  }
}

TEST(XmlDocumentNavigationTest, TagNameEndsAtTheNameDelimiters) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("convert/fixtures/tag_name_cases.txt")) {
    CXmlDocument document;
    ASSERT_TRUE(document.ParseText(row[0].c_str())) << row[0];
    EXPECT_EQ(document.GetElementTagName(1), row[1]) << row[0];
    EXPECT_TRUE(document.FindElement(row[1].c_str())) << row[0];
  }
}

}  // namespace
}  // namespace zrt
