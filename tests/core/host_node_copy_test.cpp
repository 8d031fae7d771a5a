// Copies of host nodes whose texts hold bytes a C string cannot: a copy equals its
// original byte for byte, so committing it changes nothing the plug-in did not change.
#include <gtest/gtest.h>

#include <string>

#include "src/core/host_node.h"
#include "tests/host/host_tree.h"

namespace zrt {
namespace {

using testhost::AddChild;
using testhost::Attributes;

TEST(CloneNodeTexts, NamesAndValuesAreCopiedByTheirLength) {
  const std::string withNul("Na\0me", 5);
  const std::string gbk = "\xD6\xD0\xCE\xC4";
  HostNode* root = testhost::NewNode(std::string("Fi\0le", 5));
  HostNode* child = AddChild(root, "ZRT_CParam", {{withNul, std::string("v\0w", 3)}, {gbk, gbk}, {"Name", "Debug"}});
  HostNode* copy = CloneNode(root);
  ASSERT_NE(copy, nullptr);
  EXPECT_TRUE(testhost::SameTree(copy, root));
  EXPECT_EQ(Attributes(copy->firstChild), Attributes(child));
  EXPECT_EQ(copy->firstChild->attributes.next->name.length, 5u);
  DestroyNode(copy);
  testhost::DeleteNode(root);
}

}  // namespace
}  // namespace zrt
