#include "src/config/section_chain.h"

#include "tests/config/config_fixture.h"

namespace zrt {
namespace {

using testhost::AddChild;
using testhost::AttributeList;

// Debug and Release configurations; Files/Src/Drivers/uart.c, each level able to carry
// override sections.
class SectionChainTest : public ConfigTest {
 protected:
  void SetUp() override {
    ConfigTest::SetUp();
    debug_ = AddConfiguration("Debug");
    release_ = AddConfiguration("Release");
    group_ = AddChild(files_, "Filter", {{"Name", "Src"}});
    subgroup_ = AddChild(group_, "Filter", {{"Name", "Drivers"}});
    file_ = AddChild(subgroup_, "File", {{"RelativePath", "uart.c"}, {"FileType", "1"}});
  }

  HostNode* Override(HostNode* node, const char* section, const char* configuration, AttributeList values) {
    values.insert(values.begin(), {"Name", configuration});
    return AddChild(node, section, values);
  }
  ResolvedSettings ResolveFile(SectionKind kind) {
    return ResolveSectionChain(BuildSectionChain(nullptr, file_, kind), kind);
  }

  HostNode* debug_;
  HostNode* release_;
  HostNode* group_;
  HostNode* subgroup_;
  HostNode* file_;
};

TEST_F(SectionChainTest, ChainRunsFromTheFileOutToTheConfiguration) {
  HostNode* own = AddChild(debug_, "ZRT_CParam", {});
  HostNode* releaseOwn = AddChild(release_, "ZRT_CParam", {});
  HostNode* onGroup = Override(group_, "ZRT_CParam", "Debug", {});
  HostNode* releaseGroup = Override(group_, "ZRT_CParam", "Release", {});
  Override(subgroup_, "ZRT_AsmParam", "Debug", {});
  HostNode* onFile = Override(file_, "ZRT_CParam", "Debug", {});
  EXPECT_EQ(BuildSectionChain(nullptr, file_, SectionKind::kCompiler), (std::vector<HostNode*>{onFile, onGroup, own}));
  EXPECT_EQ(BuildSectionChain(debug_, nullptr, SectionKind::kCompiler), (std::vector<HostNode*>{own}));
  EXPECT_TRUE(BuildSectionChain(nullptr, file_, SectionKind::kAssembler).size() == 1);
  EXPECT_EQ(BuildSectionChain(release_, file_, SectionKind::kCompiler),
            (std::vector<HostNode*>{releaseGroup, releaseOwn}));  // the configuration given selects its overrides
}

TEST_F(SectionChainTest, IncompleteRecordsArePassedOverAsAWhole) {
  AddChild(debug_, "ZRT_CParam", {{"Code", "0,0,0,0,0,0"}, {"Language", "0,0,0,0"}});
  Override(group_, "ZRT_CParam", "Debug", {{"Code", "1,1,1,1,1"}, {"Language", "1,1,1,1"}});
  Override(file_, "ZRT_CParam", "Debug", {{"Code", "x"}, {"Language", "2,1,2"}});
  ResolvedSettings settings = ResolveFile(SectionKind::kCompiler);
  EXPECT_EQ(std::vector<int>(settings.Code, settings.Code + 6), (std::vector<int>{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(std::vector<int>(settings.Language, settings.Language + 4), (std::vector<int>{1, 1, 1, 1}));
}

TEST_F(SectionChainTest, TextsAccumulateInnermostFirst) {
  AddChild(debug_, "ZRT_CParam", {{"Def", "B=1"}, {"Inc", "..\\inc"}, {"Misc", ""}});
  Override(group_, "ZRT_CParam", "Debug", {{"Def", ""}, {"Inc", "..\\drv"}, {"Misc", "--c99"}});
  Override(file_, "ZRT_CParam", "Debug", {{"Def", "A"}});
  ResolvedSettings settings = ResolveFile(SectionKind::kCompiler);
  EXPECT_EQ(settings.Def, "A B=1");
  EXPECT_EQ(settings.Inc, "..\\drv ..\\inc");
  EXPECT_EQ(settings.Misc, "--c99");
}

TEST_F(SectionChainTest, OptimisationLevelAndTime) {
  struct Case {
    const char* fileOpt;  // null: no file override
    const char* targetOpt;
    int level;
    int time;
  } cases[] = {
      {"4,2", "0,0", 0, 0}, {"2,1", "0,0", 2, 1}, {"4,1", "3,0", 3, 1}, {"2,2", "1,1", 2, 1},
      {"4", "1,0", 1, 0},   {"", "3,1", 3, 1},    {"x,1", "2,0", 2, 0}, {nullptr, "0,0", 0, 0},
      {"4,2", "4,2", 4, 2},
  };
  for (const Case& c : cases) {
    HostNode* own = AddChild(debug_, "ZRT_CParam", {{"Opt", c.targetOpt}});
    HostNode* onFile = c.fileOpt ? Override(file_, "ZRT_CParam", "Debug", {{"Opt", c.fileOpt}}) : nullptr;
    ResolvedSettings settings = ResolveFile(SectionKind::kCompiler);
    EXPECT_EQ(settings.OptLevel, c.level) << (c.fileOpt ? c.fileOpt : "none") << " over " << c.targetOpt;
    EXPECT_EQ(settings.OptTime, c.time) << (c.fileOpt ? c.fileOpt : "none") << " over " << c.targetOpt;
    testhost::DeleteNode(own);
    testhost::DeleteNode(onFile);
  }
}

TEST_F(SectionChainTest, ListComesFromTheConfigurationOnly) {
  AddChild(debug_, "ZRT_AsmParam", {{"List", "1,0"}, {"Language", "0"}});
  Override(group_, "ZRT_AsmParam", "Debug", {{"List", "0,0"}, {"Language", "1"}});
  Override(file_, "ZRT_AsmParam", "Debug", {{"List", "1,1"}, {"Language", "2"}});
  ResolvedSettings settings = ResolveFile(SectionKind::kAssembler);
  EXPECT_EQ(settings.List, "1,0");
  EXPECT_EQ(settings.Language[kNoWarnings], 1);
}

TEST_F(SectionChainTest, FlagsInheritOneByOneAndTheTargetMayHoldInherit) {
  AddChild(debug_, "ZRT_AsmParam", {{"Code", "2,0,0,1,0,0"}, {"Language", "2"}});
  Override(file_, "ZRT_AsmParam", "Debug", {{"Code", "2,1,2,2,2,2"}, {"Language", "2"}});
  ResolvedSettings settings = ResolveFile(SectionKind::kAssembler);
  EXPECT_EQ(std::vector<int>(settings.Code, settings.Code + 6), (std::vector<int>{2, 1, 0, 1, 0, 0}));
  EXPECT_EQ(settings.Language[kNoWarnings], 2);
  EXPECT_EQ(settings.OptLevel, 4);  // the assembler has no Opt
  AddChild(debug_, "ZRT_CParam", {{"Code", "1,0,0,0,0,0"}});
  Override(file_, "ZRT_CParam", "Debug", {{"Code", "2,1,2,2,2,2"}});
  settings = ResolveFile(SectionKind::kCompiler);
  EXPECT_EQ(std::vector<int>(settings.Code, settings.Code + 6), (std::vector<int>{1, 1, 0, 0, 0, 0}));
}

TEST_F(SectionChainTest, NoSectionsResolveToInherit) {
  ResolvedSettings settings = ResolveSectionChain({}, SectionKind::kCompiler);
  EXPECT_EQ(settings.Code[kThumb], 2);
  EXPECT_EQ(settings.OptLevel, 4);
  EXPECT_EQ(settings.List, "");
  EXPECT_TRUE(BuildSectionChain(nullptr, file_, SectionKind::kCompiler).empty());
}

}  // namespace
}  // namespace zrt
