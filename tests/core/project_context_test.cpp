#include "src/core/project_context.h"

#include <gtest/gtest.h>

#include "src/core/interface_table.h"
#include "tests/host/host_tree.h"
#include "tests/core/fake_file_system.h"

namespace zrt {
namespace {

using testhost::AddChild;
using testhost::Value;

void ZRT_CDECL CommitAttributes(HostNode* target, HostNode* copy) { testhost::CopyAttributes(target, copy); }

class ProjectContextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Context() = ProjectContext{};
    Context().fileSystem = &fs_;
    Context().projectPath = "C:\\p\\a.prj";
    Context().projectName = "a";
    Interface().CommitNode = CommitAttributes;
    project_ = testhost::NewNode("OrbweaveProject");
    configurations_ = AddChild(project_, "Configurations");
    files_ = AddChild(project_, "Files");
  }
  void TearDown() override {
    Interface().CommitNode = nullptr;
    testhost::DeleteNode(project_);
    Context() = ProjectContext{};
  }

  HostNode* AddConfiguration(const std::string& name) {
    HostNode* node = AddChild(configurations_, "Configuration", {{"Name", name}, {"OldName", name}});
    Context().configurations.push_back(node);
    return node;
  }

  testing::FakeFileSystem fs_;
  HostNode* project_;
  HostNode* configurations_;
  HostNode* files_;
};

TEST_F(ProjectContextTest, MakeRelativeToProjectRewritesPathsBelowTheProject) {
  struct Case {
    const char* path;
    const char* expected;
  } cases[] = {
      {"C:\\p\\src\\x.c", ".\\src\\x.c"},
      {"C:\\p", ".\\"},
      {"C:\\pq\\x.c", "C:\\pq\\x.c"},
      {"D:\\p\\x.c", "D:\\p\\x.c"},
      {"C:\\", "C:\\"},
  };
  for (const Case& c : cases) {
    std::string path = c.path;
    MakeRelativeToProject(&path);
    EXPECT_EQ(path, c.expected) << c.path;
  }
  Context().projectPath = "a.prj";
  std::string path = "C:\\p\\x.c";
  MakeRelativeToProject(&path);
  EXPECT_EQ(path, "C:\\p\\x.c");
}

TEST_F(ProjectContextTest, ProjectDirectoryAndOutputPath) {
  EXPECT_EQ(GetProjectDirectory(), "C:\\p");
  Context().currentConfigurationName = "Target 1";
  EXPECT_EQ(MakeOutputPath("main.o"), ".\\Target 1\\main.o");
  Context().projectPath = "a.prj";
  EXPECT_EQ(GetProjectDirectory(), "");
}

TEST_F(ProjectContextTest, CurrentConfigurationFallsBackToTheLastListed) {
  EXPECT_EQ(GetCurrentConfiguration(), nullptr);
  HostNode* debug = AddConfiguration("Debug");
  HostNode* release = AddConfiguration("Release");
  Context().currentConfigurationName = "Debug";
  EXPECT_EQ(GetCurrentConfiguration(), debug);
  Context().currentConfigurationName = "Nothing";
  EXPECT_EQ(GetCurrentConfiguration(), release);
  EXPECT_EQ(GetProjectRoot(), project_);
  EXPECT_EQ(GetFilesNode(), files_);
  Context().currentConfigurationName = "Debug";
  Context().configurations.insert(Context().configurations.begin(), AddChild(configurations_, "Configuration"));
  EXPECT_EQ(GetCurrentConfiguration(), nullptr);  // the walk stops at an unnamed entry
}

TEST_F(ProjectContextTest, CollectFilesTakesBuildableTypesOnceThroughFilters) {
  HostNode* c = AddChild(files_, "File", {{"FileType", "1"}});
  HostNode* group = AddChild(files_, "Filter", {{"Name", "Startup"}});
  HostNode* s = AddChild(group, "File", {{"FileType", "2"}});
  HostNode* nested = AddChild(group, "Filter");
  HostNode* lib = AddChild(nested, "File", {{"FileType", "10"}});
  AddChild(group, "File", {{"FileType", "4"}});
  AddChild(group, "File");
  AddChild(files_, "Other", {{"FileType", "1"}});
  HostNode* obj = AddChild(files_, "File", {{"FileType", "11"}});
  CollectFiles(project_);
  CollectFiles(project_);
  EXPECT_EQ(Context().files, (std::vector<HostNode*>{c, s, lib, obj}));
  HostNode* debug = AddConfiguration("Debug");
  HostNode* release = AddChild(configurations_, "Configuration", {{"Name", "Release"}});
  CollectConfigurations(project_);
  EXPECT_EQ(Context().configurations, (std::vector<HostNode*>{debug, release}));  // listed ones are skipped
  RemoveFilesUnder(group);
  EXPECT_EQ(Context().files, (std::vector<HostNode*>{c, obj}));
  uint64_t removals = Context().files.RemovalCount();
  Context().files.clear();  // emptying a filled list counts as a removal (a running build looks again)
  EXPECT_EQ(Context().files.RemovalCount(), removals + 1);
  Context().files.clear();
  EXPECT_EQ(Context().files.RemovalCount(), removals + 1);
}

TEST_F(ProjectContextTest, ExclusionWalksUpToTheFilesElement) {
  Context().currentConfigurationName = "Debug";
  testhost::SetValue(project_, "nobuild", "Debug?;?");
  HostNode* group = AddChild(files_, "Filter", {{"nobuild", "Release?;?Debug?;?"}});
  HostNode* file = AddChild(group, "File", {{"nobuild", "Release?;?"}});
  HostNode* loose = AddChild(files_, "File");
  EXPECT_FALSE(IsExcludedFromBuild(file, false));
  EXPECT_TRUE(IsExcludedFromBuild(file, true));
  EXPECT_TRUE(IsExcludedFromBuild(group, false));
  EXPECT_FALSE(IsExcludedFromBuild(loose, true));  // the walk ends at "Files"
  testhost::SetValue(files_, "nobuild", "Debug?;?");
  EXPECT_TRUE(IsExcludedFromBuild(loose, true));
  EXPECT_FALSE(IsExcludedFromBuild(nullptr, true));
}

class OutOfDateTest : public ProjectContextTest {
 protected:
  void SetUp() override {
    ProjectContextTest::SetUp();
    Context().currentConfigurationName = "T";
    file_ = AddChild(files_, "File", {{"RelativePath", ".\\a.c"}, {"Output", "a.o"}});
    AddChild(file_, "Dependency", {{"RelativePath", ".\\a.h"}});
    AddChild(file_, "Dependency", {{"RelativePath", ""}});
    fs_.Touch(".\\a.c");
    fs_.Touch(".\\a.h");
    fs_.Tick();
    fs_.Touch(".\\T\\a.o");
  }
  HostNode* file_;
};

TEST_F(OutOfDateTest, NewerSourceOrDependencyOrMissingObject) {
  EXPECT_FALSE(IsOutOfDate(file_));
  fs_.Touch(".\\a.c");
  EXPECT_FALSE(IsOutOfDate(file_));  // the same second counts as up to date
  fs_.Tick();
  fs_.Touch(".\\a.h");
  EXPECT_TRUE(IsOutOfDate(file_));
  fs_.Tick();
  fs_.Touch(".\\T\\a.o");
  EXPECT_FALSE(IsOutOfDate(file_));
  fs_.Tick();
  fs_.Touch(".\\a.c");
  EXPECT_TRUE(IsOutOfDate(file_));
  fs_.Tick();
  fs_.Touch(".\\T\\a.o");
  fs_.Remove(".\\a.h");
  EXPECT_TRUE(IsOutOfDate(file_));
  fs_.Touch(".\\a.h");
  fs_.Remove(".\\T\\a.o");
  EXPECT_TRUE(IsOutOfDate(file_));
}

TEST_F(OutOfDateTest, MissingSourceIsNeverOutOfDate) {
  fs_.Remove(".\\a.c");
  fs_.Remove(".\\T\\a.o");
  EXPECT_FALSE(IsOutOfDate(file_));
}

TEST_F(OutOfDateTest, DependencyTimesAreReadOncePerTable) {
  DependencyTimes times;
  EXPECT_FALSE(IsOutOfDate(file_, &times));
  fs_.Tick();
  fs_.Touch(".\\a.h");
  EXPECT_FALSE(IsOutOfDate(file_, &times));  // the time read first still holds
  DependencyTimes next;
  EXPECT_TRUE(IsOutOfDate(file_, &next));
  fs_.Remove(".\\a.h");
  DependencyTimes afterRemoval;
  EXPECT_TRUE(IsOutOfDate(file_, &afterRemoval));
  EXPECT_EQ(afterRemoval.at(".\\a.h"), -1);
}

TEST_F(ProjectContextTest, RenameReachesSectionsAndExclusionsAtEveryDepth) {
  AddConfiguration("New");
  HostNode* group = AddChild(files_, "Filter", {{"nobuild", "Old?;?Older?;?"}});
  HostNode* groupSection = AddChild(group, "ZRT_CParam", {{"Name", "Old"}});
  HostNode* nested = AddChild(group, "Filter");
  HostNode* deep = AddChild(nested, "File", {{"nobuild", "A?;?Old?;?"}});
  HostNode* deepSection = AddChild(deep, "ZRT_AsmParam", {{"Name", "Old"}});
  HostNode* keep = AddChild(deep, "ZRT_CParam", {{"Name", "Older"}});
  RenameConfigurationInFiles("New", "Old");
  EXPECT_STREQ(Value(group, "nobuild"), "New?;?Older?;?");
  EXPECT_STREQ(Value(groupSection, "Name"), "New");
  EXPECT_STREQ(Value(deep, "nobuild"), "A?;?New?;?");
  EXPECT_STREQ(Value(deepSection, "Name"), "New");
  EXPECT_STREQ(Value(keep, "Name"), "Older");
}

}  // namespace
}  // namespace zrt
