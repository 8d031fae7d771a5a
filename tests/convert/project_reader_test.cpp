// The uVision readers on small projects held in memory: the mappings, the element search
// rule, groups and files across targets, the option file, and the .uv2 grammar.
#include <gtest/gtest.h>

#include <functional>

#include "platform/message_box.h"
#include "src/convert/uv2_reader.h"
#include "src/convert/uvproj_reader.h"
#include "tests/convert/uvision_fixture.h"
#include "tests/core/fake_file_system.h"

namespace zrt::testing {
namespace {

constexpr char kPath[] = "C:\\p\\proj.uvproj";
constexpr char kOptionPath[] = "C:\\p\\proj.uvopt";

class ReaderTest : public ::testing::Test {
 protected:
  ReaderTest() {
    context.fileSystem = &files;
    platform::SetMessageBoxHandler(
        [this](const std::string& text, const std::string&, platform::MessageButtons, platform::MessageIcon) {
          messages.push_back(text);
          return platform::MessageAnswer::kOk;
        });
  }
  ~ReaderTest() override { platform::SetMessageBoxHandler(nullptr); }

  // Reads an XML project; answers the reader after Open and ReadTargets.
  std::unique_ptr<CUvprojReader> ReadXml(const std::string& text, bool* read = nullptr) {
    files.contents[kPath] = text;
    auto reader = std::make_unique<CUvprojReader>(kPath, &context);
    bool ok = reader->Open() && reader->ReadTargets();
    if (read) *read = ok;
    return reader;
  }
  std::unique_ptr<CProjectReader> ReadUv2(const std::string& text, bool* read) {
    files.contents["p.uv2"] = text;
    auto reader = MakeUv2Reader("p.uv2", &context);
    *read = reader->Open() && reader->ReadTargets();
    return reader;
  }

  FakeFileSystem files;
  ProjectContext context;
  std::vector<std::string> messages;
};

std::vector<const TargetRecord*> Targets(CProjectReader& reader) {
  std::vector<const TargetRecord*> targets;
  reader.GetTargets(&targets);
  return targets;
}

std::vector<const ProjectItem*> Items(const ProjectItem* first) {
  std::vector<const ProjectItem*> items;
  for (; first; first = first->next) items.push_back(first);
  return items;
}

const ProjectItem* FirstGroup(CProjectReader& reader) {
  ProjectItem* first = nullptr;
  reader.GetGroups(&first);
  return first;
}

using Field = std::function<std::string(const TargetRecord&)>;

struct MappingCase {
  const char* what;
  std::function<void(XmlTarget*)> change;
  Field field;
  std::string expected;
};

TEST_F(ReaderTest, XmlTargetValuesMapOntoTheKeys) {
  auto opt = [](const TargetRecord& r) { return r.compiler.Opt; };
  const MappingCase cases[] = {
      {"Optim 0 is level 0", [](XmlTarget* t) { t->optim = "0"; }, opt, "0,0"},
      {"Optim 4 is level 3", [](XmlTarget* t) { t->optim = "4"; }, opt, "3,0"},
      {"defines lose their commas", [](XmlTarget* t) { t->define = "A,B=1"; },
       [](const TargetRecord& r) { return r.compiler.Def; }, "A B=1"},
      {"misc controls as written", [](XmlTarget* t) { t->misc = "--c99 --gnu"; },
       [](const TargetRecord& r) { return r.compiler.Misc; }, "--c99 --gnu"},
      {"not executable is a library", [](XmlTarget* t) { t->createExecutable = "0"; },
       [](const TargetRecord& r) { return std::to_string(r.output.OutType); }, "2"},
      {"hexadecimal text range", [](XmlTarget* t) { t->textRange = "0x08000000"; },
       [](const TargetRecord& r) { return std::to_string(r.linker.Rom); }, "134217728"},
      {"CodeSel is the thumb flag, unknown elements skipped",
       [](XmlTarget* t) {
         t->armAdsMisc = Element("BigEnd", "1") + Element("uC99", "1") + Element("mOS", "1") + Element("useUlib", "1") +
                         Element("CodeSel", "1") + Element("OptFeed", "1");
       },
       [](const TargetRecord& r) {
         return r.compiler.Code + " " + std::to_string(r.target.OutBig + r.target.OP + r.target.McLib + r.target.Cross);
       },
       "1,0,0,0,0,0 4"},
      {"user commands in any order",
       [](XmlTarget* t) { t->afterMake = Element("UserProg1Name", "make.bat") + Element("RunUserProg1", "1"); },
       [](const TargetRecord& r) { return r.user.AfB; }, "1,(make.bat)#0,()"},
      {"linker code", [](XmlTarget*) {}, [](const TargetRecord& r) { return r.linker.Code; }, "1,0,0,1,(6314)"},
      {"assembler code", [](XmlTarget*) {}, [](const TargetRecord& r) { return r.assembler.Code; }, "1,1,1,1,1,1"},
      {"output flags", [](XmlTarget*) {},
       [](const TargetRecord& r) { return std::to_string(r.output.OutHex) + std::to_string(r.output.Debug); }, "11"},
  };
  for (const MappingCase& c : cases) {
    XmlTarget target;
    c.change(&target);
    bool read = false;
    auto reader = ReadXml(XmlProject({target}), &read);
    ASSERT_TRUE(read) << c.what;
    ASSERT_EQ(Targets(*reader).size(), 1u);
    EXPECT_EQ(c.field(*Targets(*reader)[0]), c.expected) << c.what;
    EXPECT_EQ(Targets(*reader)[0]->target.IROM, "") << "derived from the device when written";
  }
}

TEST_F(ReaderTest, XmlProjectsThatAreRefused) {
  XmlTarget outOfOrder;
  outOfOrder.armAdsMisc = Element("mOS", "0") + Element("BigEnd", "0") + Element("useUlib", "0") +
                          Element("CodeSel", "0") + Element("OptFeed", "0");
  XmlTarget noGroups;
  noGroups.groups = "";
  std::string good = XmlProject({XmlTarget()});
  const struct {
    const char* what;
    std::string text;
    bool opens;
  } cases[] = {
      {"element before the one found last", XmlProject({outOfOrder}), true},
      {"target without Groups", XmlProject({noGroups}), true},
      {"other header", std::string(good).replace(good.find("(C)"), 3, "(c)"), false},
      {"not well formed", good.substr(0, good.size() - 3), false},
      {"no Targets", "<Project>" + Element("Header", "### uVision Project, (C) Keil Software") + "</Project>", false},
  };
  for (const auto& c : cases) {
    files.contents[kPath] = c.text;
    CUvprojReader reader(kPath, &context);
    EXPECT_EQ(reader.Open(), c.opens) << c.what;
    if (c.opens) {
      EXPECT_FALSE(reader.ReadTargets()) << c.what;
    }
  }
  files.contents[kPath] = good;
  EXPECT_FALSE(CUvprojReader(kPath, nullptr).Open()) << "no context";
}

TEST_F(ReaderTest, XmlFilesAreReversedAndIncompleteOnesSkipped) {
  XmlTarget target;
  std::string noPath = Element("File", Element("FileName", "n.c") + Element("FileType", "1"));
  target.groups = Element("Groups", XmlGroup("G", {{"a.c", ""}, {"b.c", ""}}) +
                                        Element("Group", Element("GroupName", "H") + Element("Files", noPath)));
  auto reader = ReadXml(XmlProject({target}));
  auto groups = Items(FirstGroup(*reader));
  ASSERT_EQ(groups.size(), 2u);
  auto items = Items(groups[0]->firstChild);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0]->name, "b.c");
  EXPECT_EQ(items[1]->name, "a.c");
  EXPECT_EQ(groups[1]->firstChild, nullptr);
}

TEST_F(ReaderTest, LaterTargetsPairGroupsByPosition) {
  std::string cParam = Element("GroupArmAds", Cads("2") + Aads());
  std::string option = Element("GroupOption", Excluded() + cParam);
  XmlTarget first, sameOrder, otherOrder;
  first.groups = Element("Groups", XmlGroup("A", {{"x.c", ""}}) + XmlGroup("B", {}));
  sameOrder.name = "T2";
  sameOrder.groups = Element("Groups", XmlGroup("A", {{"x.c", Element("FileOption", Excluded())}}, option));
  otherOrder.name = "T3";
  otherOrder.groups = Element("Groups", XmlGroup("B", {}, option) + XmlGroup("A", {}, option));
  auto reader = ReadXml(XmlProject({first, sameOrder, otherOrder}));
  auto groups = Items(FirstGroup(*reader));
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0]->excluded, std::set<std::string>{"T2"});
  ASSERT_EQ(groups[0]->overrides.size(), 1u);
  EXPECT_EQ(groups[0]->overrides[0].configuration, "T2");
  EXPECT_EQ(groups[0]->overrides[0].compiler.Opt, "1,0");
  EXPECT_TRUE(groups[1]->excluded.empty());
  EXPECT_EQ(groups[0]->firstChild->excluded, std::set<std::string>{"T2"});
}

TEST_F(ReaderTest, XmlFileOptionsByKindAndFailuresLoseOnlyTheirOverride) {
  std::string asmOption = Element("FileOption", Excluded() + Element("FileArmAds", Aads()));
  std::string cOption = Element("FileOption", Element("FileArmAds", Cads("3")));
  std::string textOption = Element("FileOption", Element("FileArmAds", Cads("3")));
  std::string brokenGroup = Element("GroupOption", Excluded() + Element("GroupArmAds", Cads("2")));
  XmlTarget t1, t2;
  t1.groups =
      Element("Groups", XmlGroup("G", {{"s.s", asmOption}, {"m.c", cOption}, {"r.txt", textOption}}, brokenGroup));
  t2.name = "T2";
  t2.groups = Element("Groups", XmlGroup("G", {{"s.s", asmOption}}));
  bool read = false;
  auto reader = ReadXml(XmlProject({t1, t2}), &read);
  ASSERT_TRUE(read);
  const ProjectItem* group = FirstGroup(*reader);
  EXPECT_EQ(group->excluded, std::set<std::string>{"T1"});
  EXPECT_TRUE(group->overrides.empty()) << "GroupArmAds without Aads";
  auto items = Items(group->firstChild);  // r.txt, m.c, s.s
  ASSERT_EQ(items.size(), 3u);
  EXPECT_TRUE(items[0]->overrides.empty());
  ASSERT_EQ(items[1]->overrides.size(), 1u);
  EXPECT_EQ(items[1]->overrides[0].compiler.Opt, "2,0");
  EXPECT_EQ(items[2]->excluded, (std::set<std::string>{"T1", "T2"}));
  ASSERT_EQ(items[2]->overrides.size(), 2u);
  EXPECT_EQ(items[2]->overrides[1].configuration, "T2");
  EXPECT_EQ(items[2]->overrides[1].assembler.Code, "1,1,1,1,1,1");
}

TEST_F(ReaderTest, CurrentTargetFromTheOptionFile) {
  const struct {
    const char* what;
    bool present;
    std::string options;
    bool found;
    const char* current;
  } cases[] = {
      {"no option file", false, "", false, "before"},
      {"no target marked", true, "<ProjectOpt/>", false, "before"},
      {"not XML", true, "not xml", false, "before"},
      {"marked name of no target", true, XmlOptions("T9"), false, "before"},
      {"first target marked", true, XmlOptions("T1"), true, "T1"},
  };
  XmlTarget t1, t2;
  t2.name = "T2";
  for (const auto& c : cases) {
    files.contents.erase(kOptionPath);
    if (c.present) files.contents[kOptionPath] = c.options;
    context.currentConfigurationName = "before";
    auto reader = ReadXml(XmlProject({t1, t2}));
    EXPECT_EQ(reader->ReadCurrentTarget(), c.found) << c.what;
    EXPECT_EQ(context.currentConfigurationName, c.current) << c.what;
  }
}

TEST_F(ReaderTest, Uv2TargetBlockMapsOntoTheKeys) {
  bool read = false;
  auto reader = ReadUv2(Uv2Project(Uv2TargetBlock(1)), &read);
  ASSERT_TRUE(read);
  const TargetRecord& r = *Targets(*reader).at(0);
  const std::pair<std::string, std::string> values[] = {
      {r.name, "T1"},
      {r.user.AfB, "1,(make.bat)#0,()"},
      {r.user.BfB, "0,()#0,()"},
      {std::to_string(r.output.OutType) + std::to_string(r.output.OutHex) + std::to_string(r.output.Browse), "101"},
      {std::to_string(r.target.OP) + std::to_string(r.target.McLib) + std::to_string(r.target.Cross), "110"},
      {r.target.IROM, "1,0x08000000,0x00020000,1#0,0x00000000,0x00000000,0"},
      {r.target.IRAM, "1,0x20000000,0x00005000,0#0,0x00000000,0x00000000,0"},
      {r.compiler.Code, "1,1,0,1,1,0"},
      {r.compiler.Opt, "3,0"},
      {r.compiler.Def, "DEBUG VER=2"},
      {r.compiler.Inc, "..\\inc"},
      {r.assembler.Code, "1,0,0,0,0,0"},
      {r.linker.Code, "0,0,0,1,(6314)"},
      {std::to_string(r.linker.Rom) + " " + std::to_string(r.linker.Ram), "134282240 8192"},
      {r.linker.Misc, "--first x"},
  };
  for (const auto& [actual, expected] : values) EXPECT_EQ(actual, expected);
}

TEST_F(ReaderTest, Uv2MemoryAreasOnTenLinesAndLinkerKeywordsInAnyOrder) {
  std::string block = Uv2TargetBlock(1);
  size_t at = block.find(" OCR_RVCT");
  std::string tenLines;
  for (int i = 0; i < 10; ++i)
    tenLines += i == 3 ? " OCR_RVCT { 1,0,0,0,8,0,0,2,0 }\n" : " OCR_RVCT { 0,0,0,0,0,0,0,0,0 }\n";
  block.replace(at, block.find('\n', at) + 1 - at, tenLines);
  size_t dw = block.find(" ADSLDDW");
  std::string dwLine = block.substr(dw, block.find('\n', dw) + 1 - dw);
  block.erase(dw, dwLine.size());
  block.insert(block.find(" ADSLDTA"), dwLine);
  bool read = false;
  auto reader = ReadUv2(Uv2Project(block), &read);
  ASSERT_TRUE(read);
  EXPECT_EQ(Targets(*reader)[0]->target.IROM, "1,0x08000000,0x00020000,1#0,0x00000000,0x00000000,0");
  EXPECT_EQ(Targets(*reader)[0]->linker.Code, "0,0,0,1,(6314)");
}

TEST_F(ReaderTest, Uv2FileBlocksPlaceAndOverrideFilesOfTheirGroup) {
  std::string broken = Uv2TargetBlock(1);
  broken.erase(broken.find(" ADSLDFG"), broken.find(" ADSLDTA") - broken.find(" ADSLDFG"));
  std::string body = broken +
                     "Options 1,2,1  // File 'main.c'\n PropFld { 68,5,0 }\n ADSCCFLG { 1,2,0,0,0 }\n"
                     " ADSCMISC ()\n ADSCDEFN ()\n ADSCINCD ()\nEndOpt\n"
                     "Options 1,2,2  // File 'start.s'\n PropFld { 0,0,0 }\n ADSASFLG { 64,16,0 }\n ADSAMISC ()\n"
                     " ADSADEFN (A)\n ADSAINCD ()\nEndOpt\n";
  bool read = false;
  auto reader = ReadUv2(Uv2Project(body), &read);
  ASSERT_TRUE(read);
  EXPECT_EQ(Targets(*reader)[0]->linker.Code, "0,0,0,1,()") << "abandoned linker record keeps its defaults";
  EXPECT_EQ(Targets(*reader)[0]->compiler.Def, "DEBUG VER=2") << "records before it were read";
  auto groups = Items(FirstGroup(*reader));
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0]->firstChild, nullptr);
  auto items = Items(groups[1]->firstChild);  // start.s, main.c
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[1]->name, ".\\main.c");
  EXPECT_EQ(std::to_string(items[1]->ro) + std::to_string(items[1]->bss) + std::to_string(items[1]->rw), "151");
  ASSERT_EQ(items[1]->overrides.size(), 1u);
  EXPECT_EQ(items[1]->overrides[0].compiler.Code, "1,1,0,0,0,0");
  EXPECT_EQ(items[1]->overrides[0].compiler.Opt, "2,1");
  ASSERT_EQ(items[0]->overrides.size(), 1u);
  EXPECT_EQ(items[0]->overrides[0].assembler.Code, "0,0,0,1,0,0");
  EXPECT_EQ(items[0]->overrides[0].assembler.Language, 1);
  EXPECT_EQ(items[0]->overrides[0].assembler.Def, "A");
}

TEST_F(ReaderTest, Uv2ProjectsThatAreRefused) {
  std::string good = Uv2Project(Uv2TargetBlock(1));
  auto replaced = [&](const std::string& from, const std::string& to) {
    return std::string(good).replace(good.find(from), from.size(), to);
  };
  const struct {
    const char* what;
    std::string text;
    bool opens;
    std::vector<std::string> messages;
  } cases[] = {
      {"other tool chain",
       replaced("0x0004 // Tools: 'ARM-ADS'", "0x0003 // Tools: 'ARM-GNU'"),
       true,
       {"该工程文件不是RealView ZRT 3.2x以上工程\r\n请确保转换的是RealView ZRT工程"}},
      {"unreadable Options line", replaced("Options 1,0,0", "Options x"), true, {"配置信息存在问题，不能继续进行转换"}},
      {"file in group 0", replaced("File 2,1", "File 0,1"), true, {}},
      {"no target", replaced("Target (T1)", "Targets (T1)"), true, {}},
      {"other header", replaced("Do not modify !", "Do not modify"), false, {}},
  };
  for (const auto& c : cases) {
    messages.clear();
    files.contents["p.uv2"] = c.text;
    auto reader = MakeUv2Reader("p.uv2", &context);
    ASSERT_NE(reader, nullptr);
    bool opened = reader->Open();
    EXPECT_EQ(opened, c.opens) << c.what;
    if (opened) {
      EXPECT_FALSE(reader->ReadTargets()) << c.what;
    }
    EXPECT_EQ(messages, c.messages) << c.what;
  }
  messages.clear();
  EXPECT_EQ(MakeUv2Reader("missing.uv2", &context), nullptr);
  EXPECT_EQ(messages, std::vector<std::string>{"打开工程文件失败，不能继续进行转换"});
}

}  // namespace
}  // namespace zrt::testing
