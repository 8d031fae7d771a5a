#include "src/core/host_node.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/host/host_tree.h"

namespace zrt {
namespace {

using testhost::AddChild;
using testhost::Attributes;
using testhost::AttributeList;

class HostNodeTest : public ::testing::Test {
 protected:
  void SetUp() override { root_ = testhost::NewNode("OrbweaveProject"); }
  void TearDown() override { testhost::DeleteNode(root_); }
  HostNode* root_;
};

// The plug-in writes attributes only on nodes of its own making: clones.
TEST_F(HostNodeTest, SetAttributeReplacesFirstOrAppends) {
  HostNode* node = CloneNode(AddChild(root_, "File", {{"RelativePath", "a.c"}, {"FileType", "1"}}));
  SetAttribute(node, "FileType", "2");
  SetAttribute(node, "Output", "a.o");
  SetAttribute(node, "RelativePath", nullptr);
  SetAttributeInt(node, "ro", -3);
  SetAttributeDouble(node, "CLK", 12000000.0);
  AttributeList expected = {{"RelativePath", ""}, {"FileType", "2"}, {"Output", "a.o"}, {"ro", "-3"}, {"CLK", "12000000.000000"}};
  EXPECT_EQ(Attributes(node), expected);
  EXPECT_STREQ(GetAttribute(node, "RelativePath"), "");
  DestroyNode(node);
}

TEST_F(HostNodeTest, AppendChildLinksAsLastChild) {
  HostNode* first = AddChild(root_, "A");
  HostNode* node = CloneNode(first);
  AppendChild(root_, node);
  EXPECT_EQ(root_->lastChild, node);
  EXPECT_EQ(first->nextSibling, node);
  EXPECT_EQ(node->previousSibling, first);
  EXPECT_EQ(node->nextSibling, nullptr);
  EXPECT_EQ(node->parent, root_);
  HostNode* lone = testhost::NewNode("Lone");
  HostNode* child = CloneNode(first);
  AppendChild(lone, child);
  EXPECT_EQ(lone->firstChild, child);
  EXPECT_EQ(lone->lastChild, child);
  testhost::DeleteNode(lone);
  SetAttribute(nullptr, "A", "1");  // null arguments do nothing
  AppendChild(nullptr, root_);
  AppendChild(root_, nullptr);
  UpdateNodeAttribute(nullptr, "A", "1");
  EXPECT_EQ(CloneNode(nullptr), nullptr);
  EXPECT_EQ(root_->lastChild, node);
}

TEST_F(HostNodeTest, CloneNodeCopiesTheWholeSubtreeWithoutParent) {
  HostNode* file = AddChild(root_, "File", {{"RelativePath", ".\\a.c"}, {"FileType", "1"}});
  file->kind = 0x1234;
  AddChild(file, "ZRT_CParam", {{"Name", "Debug"}, {"Def", "A"}});
  AddChild(file, "Dependency", {{"RelativePath", ".\\a.h"}});
  HostNode* copy = CloneNode(file);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->parent, nullptr);
  EXPECT_EQ(copy->kind, 0x1234u);
  EXPECT_TRUE(testhost::SameTree(copy, file));
  EXPECT_NE(copy->firstChild, file->firstChild);
  EXPECT_EQ(copy->firstChild->parent, copy);
  SetAttribute(copy->firstChild, "Def", "B");
  EXPECT_STREQ(testhost::Value(file->firstChild, "Def"), "A");
  DestroyNode(copy);
}

// A copy equals its original byte for byte, names and values holding NUL and GBK bytes
// included, so committing it changes nothing the plug-in did not change.
TEST_F(HostNodeTest, CloneNodeCopiesTextsByTheirLength) {
  const std::string withNul("Na\0me", 5), gbk = "\xD6\xD0\xCE\xC4";
  HostNode* file = AddChild(root_, std::string("Fi\0le", 5));
  HostNode* child = AddChild(file, "ZRT_CParam", {{withNul, std::string("v\0w", 3)}, {gbk, gbk}, {"Name", "Debug"}});
  HostNode* copy = CloneNode(file);
  ASSERT_NE(copy, nullptr);
  EXPECT_TRUE(testhost::SameTree(copy, file));
  EXPECT_EQ(Attributes(copy->firstChild), Attributes(child));
  EXPECT_EQ(copy->firstChild->attributes.next->name.length, 5u);
  DestroyNode(copy);
}

}  // namespace
}  // namespace zrt
