// The frame's entries, driven through GetInterface by the test host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/case_file.h"
#include "tests/host/test_host.h"

namespace zrt::testhost {
namespace {

std::vector<std::string> ChildElementNames(const HostNode* node) {
  std::vector<std::string> names;
  for (HostNode* child : ChildrenOf(node)) names.push_back(NameOf(child));
  return names;
}

TEST(GetInterface, ReturnsTheSameTableAndLeavesHostSlotsAlone) {
  TestHost host;
  PluginInterface* first = &host.Table();
  auto* marker = reinterpret_cast<void*>(&host);
  first->hostUnused30 = marker;
  first->hostUnused4C = marker;
  auto commit = first->CommitNode;
  PluginInterface* second = host.CallGetInterface();
  EXPECT_EQ(second, first);
  EXPECT_EQ(second->hostUnused30, marker);
  EXPECT_EQ(second->hostUnused4C, marker);
  EXPECT_EQ(second->CommitNode, commit);
  // The entries the other tests do not call.
  EXPECT_NE(reinterpret_cast<void*>(second->ShowSettings), nullptr);
  EXPECT_NE(reinterpret_cast<void*>(second->ConvertProject), nullptr);
  EXPECT_NE(reinterpret_cast<void*>(second->ExportDebugSettings), nullptr);
  second->Reserved();
  EXPECT_EQ(second->ReservedQuery(), 0);
  EXPECT_EQ(host.commitCount, 0);
  EXPECT_TRUE(host.output.empty());
}

TEST(Initialize, RefusesNullAndAnswersZeroWithoutHostStructure) {
  TestHost host;
  EXPECT_EQ(host.Table().Initialize(nullptr), 0);
  EXPECT_EQ(host.Initialize("demo.orbproj", false), 0);
}

TEST(NodeCreated, ConfigurationGetsItsSixSectionsInOrderAndItsFolder) {
  TestHost host;
  host.Initialize("demo.orbproj");
  HostNode* configuration = host.CreateConfiguration("Target 1");
  std::vector<std::string> sections = {"ZRT_Output", "ZRT_User", "ZRT_CParam", "ZRT_AsmParam", "ZRT_Linker", "ZRT_Debug"};
  EXPECT_EQ(host.createdElements, sections);
  EXPECT_EQ(ChildElementNames(configuration), sections);
  for (HostNode* section : ChildrenOf(configuration)) EXPECT_EQ(Value(section, "Name"), nullptr);
  EXPECT_TRUE(TestHost::Exists(host.directory() + "\\Target 1"));
}

TEST(NodeCreated, FileIsClassifiedByExtension) {
  TestHost host;
  host.Initialize("demo.orbproj");
  for (const zrt::testing::CaseRow& row : zrt::testing::ReadCaseFile("plugin/fixtures/file_kinds.txt")) {
    HostNode* file = host.CreateFile(host.files(), row[0]);
    EXPECT_STREQ(Value(file, "FileType"), row[1].c_str()) << row[0];
    EXPECT_STREQ(Value(file, "Output") ? Value(file, "Output") : "<none>", row[2].c_str()) << row[0];
    for (const char* key : {"ro", "rw", "bss"}) EXPECT_STREQ(Value(file, key), "0") << row[0] << " " << key;
  }
}

// A project on disk with two configurations, a group and files, opened by the host.
class OpenedProject : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.Initialize("demo.orbproj");
    debug_ = host_.AddConfiguration("Debug");
    release_ = host_.AddConfiguration("Release");
    AddChild(debug_, "ZRT_Output", {{"OutName", "0,.\\Debug\\demo"}, {"OutList", "0,.\\Debug"}});
    group_ = AddChild(host_.files(), "Filter", {{"Name", "Startup"}, {"nobuild", "Release?;?"}});
    startup_ = AddChild(group_, "File", {{"RelativePath", "startup.s"}, {"FileType", "2"}});
    AddChild(startup_, "ZRT_AsmParam", {{"Name", "Debug"}});
    main_ = AddChild(host_.files(), "File", {{"RelativePath", "main.c"}, {"FileType", "1"}});
    AddChild(main_, "ZRT_CParam", {{"Name", "Debug"}});
    AddChild(main_, "ZRT_CParam", {{"Name", "Release"}});
    host_.Table().ProjectOpened(host_.project(), "Debug");
  }

  TestHost host_;
  HostNode* debug_;
  HostNode* release_;
  HostNode* group_;
  HostNode* startup_;
  HostNode* main_;
};

TEST_F(OpenedProject, SecondOpenOnlyChangesTheCurrentConfiguration) {
  HostNode* late = AddChild(host_.files(), "File", {{"RelativePath", "late.c"}, {"FileType", "1"}});
  AddChild(late, "ZRT_CParam", {{"Name", "Release"}});
  EXPECT_TRUE(TestHost::Exists(host_.directory() + "\\Debug"));
  EXPECT_FALSE(TestHost::Exists(host_.directory() + "\\Release"));
  host_.Table().ProjectOpened(host_.project(), "Release");
  EXPECT_TRUE(TestHost::Exists(host_.directory() + "\\Release"));
  // Removing "Release" drops its sections from listed files only: late.c was not collected.
  host_.Table().ProjectEvent(1, release_);
  EXPECT_EQ(ChildElementNames(main_), (std::vector<std::string>{"ZRT_CParam"}));
  EXPECT_STREQ(Value(main_->firstChild, "Name"), "Debug");
  EXPECT_NE(ChildNamed(late, "ZRT_CParam"), nullptr);
}

TEST_F(OpenedProject, NullInitializeKeepsTheFirstOpenFlagCleared) {
  EXPECT_EQ(host_.Table().Initialize(nullptr), 0);
  HostNode* late = AddChild(host_.files(), "File", {{"RelativePath", "late.c"}, {"FileType", "1"}});
  AddChild(late, "ZRT_CParam", {{"Name", "Release"}});
  host_.Table().ProjectOpened(host_.project(), "Debug");
  host_.Table().ProjectEvent(1, release_);
  EXPECT_NE(ChildNamed(late, "ZRT_CParam"), nullptr);
}

TEST_F(OpenedProject, RemovingAConfigurationDropsItsSectionsFromListedFilesOnly) {
  host_.Table().ProjectEvent(1, main_);
  host_.Table().ProjectEvent(1, group_);
  EXPECT_EQ(host_.removeCount, 0);
  host_.Table().ProjectEvent(1, debug_);
  EXPECT_EQ(host_.removeCount, 0);  // main.c and the group left the list
  EXPECT_NE(ChildNamed(startup_, "ZRT_AsmParam"), nullptr);
}

TEST_F(OpenedProject, ActiveConfigurationChangeRefreshesMarkers) {
  static const char release[] = "Release";
  host_.Table().ProjectEvent(2, const_cast<char*>(release));
  EXPECT_STREQ(Value(host_.files(), "LocalConfigure"), "0");
  EXPECT_STREQ(Value(group_, "LocalConfigure"), "1");
  EXPECT_STREQ(Value(startup_, "LocalConfigure"), "0");
  EXPECT_STREQ(Value(main_, "LocalConfigure"), "1");
  static const char debug[] = "Debug";
  host_.Table().ProjectEvent(2, const_cast<char*>(debug));
  EXPECT_STREQ(Value(group_, "LocalConfigure"), "0");
  EXPECT_STREQ(Value(startup_, "LocalConfigure"), "1");
}

TEST_F(OpenedProject, RenamingAConfigurationFollowsEverywhere) {
  SetValue(release_, "Name", "Ship");
  static const char ship[] = "Ship";
  host_.Table().ProjectEvent(3, const_cast<char*>(ship));
  EXPECT_STREQ(Value(release_, "OldName"), "Ship");
  EXPECT_STREQ(Value(group_, "nobuild"), "Ship?;?");
  EXPECT_STREQ(Value(main_->lastChild, "Name"), "Ship");
  EXPECT_STREQ(Value(main_->firstChild, "Name"), "Debug");

  SetValue(debug_, "Name", "Dbg");
  static const char dbg[] = "Dbg";
  host_.Table().ProjectEvent(3, const_cast<char*>(dbg));
  HostNode* output = ChildNamed(debug_, "ZRT_Output");
  EXPECT_STREQ(Value(output, "OutName"), "0,.\\Dbg\\demo");
  EXPECT_STREQ(Value(output, "OutList"), "0,.\\Dbg");
  EXPECT_STREQ(Value(startup_->firstChild, "Name"), "Dbg");
  EXPECT_TRUE(TestHost::Exists(host_.directory() + "\\Dbg"));  // made relative to the current directory
  int commits = host_.commitCount;
  static const char nobody[] = "Nobody";
  host_.Table().ProjectEvent(3, const_cast<char*>(nobody));
  host_.Table().ProjectEvent(3, nullptr);
  host_.Table().ProjectEvent(7, nullptr);
  EXPECT_EQ(host_.commitCount, commits);
}

}  // namespace
}  // namespace zrt::testhost
