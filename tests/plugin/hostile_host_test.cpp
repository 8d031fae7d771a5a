// Tree events against hosts that do less than their part or hand over odd trees, through
// GetInterface.
#include <gtest/gtest.h>

#include <string>

#include "tests/host/test_host.h"

namespace zrt::testhost {
namespace {

// A RemoveChild that ignores the plug-in's first thousand calls, then removes for real
// (so that a loop waiting for the host still ends).
int lazyRemoveCalls = 0;
void ZRT_CDECL LazyRemoveChild(HostNode*, HostNode* child) {
  if (++lazyRemoveCalls <= 1000) return;
  DeleteNode(child);
}

// Two files with two sections each of the configuration "Debug" (one per tool), and one
// of "Release".
class ConfigurationRemoval : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.Initialize("demo.orbproj");
    debug_ = host_.AddConfiguration("Debug");
    host_.AddConfiguration("Release");
    for (const char* path : {"a.c", "b.c"}) {
      HostNode* file = AddChild(host_.files(), "File", {{"RelativePath", path}, {"FileType", "1"}});
      AddChild(file, "ZRT_CParam", {{"Name", "Debug"}});
      AddChild(file, "ZRT_AsmParam", {{"Name", "Debug"}});
      AddChild(file, "ZRT_CParam", {{"Name", "Release"}});
      files_.push_back(file);
    }
    host_.Table().ProjectOpened(host_.project(), "Debug");
  }
  // The "Name" values of a file's children, in order.
  static std::vector<std::string> SectionNames(const HostNode* file) {
    std::vector<std::string> names;
    for (HostNode* child : ChildrenOf(file)) names.push_back(Value(child, "Name"));
    return names;
  }

  TestHost host_;
  HostNode* debug_ = nullptr;
  std::vector<HostNode*> files_;
};

TEST_F(ConfigurationRemoval, RemovesOneSectionOfTheOldNamePerFile) {
  host_.Table().ProjectEvent(1, debug_);
  EXPECT_EQ(host_.removeCount, 2);
  for (HostNode* file : files_) EXPECT_EQ(SectionNames(file), (std::vector<std::string>{"Debug", "Release"}));
}

TEST_F(ConfigurationRemoval, EndsWhenTheHostRemovesNothing) {
  host_.Table().RemoveChild = LazyRemoveChild;
  lazyRemoveCalls = 0;
  host_.Table().ProjectEvent(1, debug_);
  EXPECT_EQ(lazyRemoveCalls, 2);
}

TEST(NestedGroups, ActiveConfigurationChangeMarksEveryLevel) {
  TestHost host;
  host.Initialize("demo.orbproj");
  host.AddConfiguration("Debug");
  HostNode* group = host.files();
  std::vector<HostNode*> groups;
  for (int depth = 0; depth < 500; ++depth) {
    group = AddChild(group, "Filter", {{"Name", "G" + std::to_string(depth)}});
    groups.push_back(group);
  }
  AddChild(group, "File", {{"RelativePath", "deep.c"}, {"FileType", "1"}, {"nobuild", "Debug?;?"}});
  host.Table().ProjectOpened(host.project(), "Release");
  host.Table().ProjectEvent(2, const_cast<char*>("Debug"));
  int firstCommits = host.commitCount;
  EXPECT_STREQ(Value(groups.front(), "LocalConfigure"), "0");
  EXPECT_STREQ(Value(group->firstChild, "LocalConfigure"), "1");
  // Markers that already hold the right value are not committed again.
  host.Table().ProjectEvent(2, const_cast<char*>("Debug"));
  EXPECT_EQ(host.commitCount, firstCommits);
  EXPECT_STREQ(Value(groups.back(), "LocalConfigure"), "0");
}

}  // namespace
}  // namespace zrt::testhost
