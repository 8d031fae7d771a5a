#include "src/config/section_keys.h"

#include "src/config/configuration_defaults.h"
#include "tests/config/config_fixture.h"
#include "tests/core/case_file.h"

namespace zrt {
namespace {

using testhost::AddChild;
using testhost::Attributes;
using testhost::AttributeList;
using testhost::SetValue;
using testhost::Value;

class SectionKeysTest : public ConfigTest {
 protected:
  HostNode* group_ = nullptr;
  void SetUp() override {
    ConfigTest::SetUp();
    group_ = AddChild(files_, "Filter", {{"Name", "Src"}});
  }
};

TEST_F(SectionKeysTest, OverrideSectionsFreshlyWrittenInheritEverything) {
  HostNode* compiler = AddChild(group_, "ZRT_CParam", {{"Name", "Debug"}});
  HostNode* assembler = AddChild(group_, "ZRT_AsmParam", {{"Name", "Debug"}});
  WriteCompilerOverride(compiler);
  WriteAssemblerOverride(assembler);
  EXPECT_EQ(Attributes(compiler), (AttributeList{{"Name", "Debug"}, {"Def", ""}, {"uDef", ""}, {"Inc", ""},
                                                 {"Misc", ""}, {"Opt", "4,2"}, {"Code", "2,2,2,2,2,2"},
                                                 {"Language", "2,2,2,2"}, {"List", "0"}}));
  EXPECT_EQ(Attributes(assembler), (AttributeList{{"Name", "Debug"}, {"Def", ""}, {"uDef", ""}, {"Inc", ""},
                                                  {"Misc", ""}, {"Code", "2,2,2,2,2,2"}, {"Language", "2"},
                                                  {"List", "1,1"}}));
  EXPECT_TRUE(IsAllInherit(compiler));
  EXPECT_TRUE(IsAllInherit(assembler));
  EXPECT_EQ(commits, 2);
}

TEST_F(SectionKeysTest, AllInheritTestLooksAtTheSixKeysOnly) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("config/fixtures/all_inherit_cases.txt")) {
    HostNode* section = AddChild(group_, row[0], {{"Name", "Debug"}});
    row[0] == "ZRT_CParam" ? WriteCompilerOverride(section) : WriteAssemblerOverride(section);
    SetValue(section, row[1], row[2]);
    EXPECT_EQ(IsAllInherit(section), row[3] == "1") << row[0] << " " << row[1] << "=" << row[2];
  }
  EXPECT_FALSE(IsAllInherit(AddChild(group_, "ZRT_CParam", {{"Name", "Debug"}})));  // Code, Opt, Language missing
  EXPECT_FALSE(IsAllInherit(AddChild(group_, "ZRT_Linker")));
  EXPECT_FALSE(IsAllInherit(nullptr));
}

TEST_F(SectionKeysTest, EveryRecordReadsBackAsItWasWritten) {
  TargetRecord record = DefaultTargetRecord();
  record.target = {1, "1,0x80000000,0x00010000,1#0,0,0,0#0,0,0,0", "0,0,0,0#0,0,0,0#0,0,0,0", 1,
                   "1,0x00000000,0x00080000,0#0,0,0,0", "1,0x40000000,0x00008000,0#0,0,0,0", 1, 1};
  record.output = {2, 1, 2, 0, 1};
  record.user = {"1,(a.bat)#0,()", "0,()#1,(b.bat)", "0,()#0,()", 0, 1};
  record.compiler = {"A B=1", "C", "..\\inc", "--c99", "3,1", "1,1,0,0,1,0", "1,0,1,1", 1};
  record.assembler = {"X", "", "..\\asm", "--cpreproc", "1,0,0,1,0,1", 1, "1,0"};
  record.linker = {"--entry main", 0, "1,0,1,0,(6319)", ".\\a.sct", "1,0,1,0,1,0,1,0,1", "VECT", 0x100, 0x200};
  record.debug = {1, "1,1,(sim.ini),()", "0,1,0,(hw.ini)", "(RDI 0),(C:\\rdi.dll)", "-p 1"};
  HostNode* written = AddConfiguration("Debug");
  WriteTargetKeys(written, &record.target);
  WriteConfigurationSections(written, &record);

  TargetRecord readBack;
  readBack.target = ReadTargetKeys(written);
  std::vector<HostNode*> sections = testhost::ChildrenOf(written);
  ASSERT_EQ(sections.size(), 6u);
  readBack.output = ReadOutputKeys(sections[0]);
  readBack.user = ReadUserKeys(sections[1]);
  readBack.compiler = ReadCompilerKeys(sections[2]);
  readBack.assembler = ReadAssemblerKeys(sections[3]);
  readBack.linker = ReadLinkerKeys(sections[4]);
  readBack.debug = ReadDebugKeys(sections[5]);
  HostNode* rewritten = AddConfiguration("Debug");
  WriteTargetKeys(rewritten, &readBack.target);
  WriteConfigurationSections(rewritten, &readBack);

  EXPECT_EQ(Attributes(rewritten), Attributes(written));
  std::vector<HostNode*> again = testhost::ChildrenOf(rewritten);
  for (size_t i = 0; i < sections.size(); ++i) {
    EXPECT_EQ(Attributes(again[i]), Attributes(sections[i])) << testhost::NameOf(sections[i]);
  }
  EXPECT_STREQ(Value(sections[2], "Opt"), "3,1");
  EXPECT_STREQ(Value(sections[4], "Rom"), "0x00000100");
  EXPECT_STREQ(Value(sections[5], "Drv"), "(RDI 0),(C:\\rdi.dll)");
  EXPECT_STREQ(Value(written, "IROM"), "1,0x00000000,0x00080000,0#0,0,0,0");
}

TEST_F(SectionKeysTest, EmptyOnChipAreasAreDerivedWithTheExternalStartupArea) {
  const char* lines[] = {"CPU=IRAM(0x40000000-0x40007FFF) IROM(0-0x7FFFF) CPUTYPE(ARM7TDMI)", nullptr};
  Context().deviceRecord.name = "LPC2148";
  Context().deviceRecord.information = lines;
  TargetKeys keys = DefaultTargetRecord().target;
  EXPECT_EQ(keys.IROM, "");
  EXPECT_EQ(keys.IRAM, "");
  keys.XROM = "1,0x80000000,0x00010000,1#0,0,0,0#0,0,0,0";
  HostNode* configuration = AddConfiguration("Debug");
  WriteTargetKeys(configuration, &keys);
  EXPECT_STREQ(Value(configuration, "IROM"), "1,0x00000000,0x00080000,0#0,0,0,0");
  EXPECT_STREQ(Value(configuration, "IRAM"), "1,0x40000000,0x00008000,0#0,0,0,0");
  EXPECT_STREQ(Value(configuration, "OldCPU"), "LPC2148");
}

}  // namespace
}  // namespace zrt
