// The settings sheet and its openers: pages per kind, captions, the 默认值 button, the
// result codes and what is written back.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/code_page.h"
#include "src/core/host_node.h"
#include "src/ui/settings_openers.h"
#include "tests/core/case_file.h"
#include "tests/ui/settings_fixture.h"

namespace zrt {
namespace {

// The tab titles and template ids of the sheet's pages.
std::vector<std::string> Tabs(const ui::HeadlessSheet& headless, const CZRTSettingsDlg& sheet) {
  std::vector<std::string> tabs;
  for (int i = 0; i < sheet.PageCount(); ++i) {
    tabs.push_back(headless.TabText(i) + "=" + std::to_string(sheet.Page(i)->Template().id));
  }
  return tabs;
}

TEST_F(SettingsTest, EachKindShowsItsPagesTitlesAndFirstPage) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("ui/fixtures/sheet_layouts.txt")) {
    SCOPED_TRACE(row[0]);
    HostNode* node = project_;
    if (row[0] == "Filter") node = testhost::AddChild(files_, "Filter", {{"Name", "Src"}});
    if (row[0].rfind("File ", 0) == 0) {
      node = testhost::AddChild(files_, "File", {{"RelativePath", ".\\src\\main.c"}, {"FileType", row[0].substr(5)}});
    }
    std::vector<std::string> tabs;
    for (size_t i = 3; i < row.size(); ++i) tabs.push_back(platform::Utf8ToAnsi(row[i]));
    bool ran = false;
    Drive([&](ui::HeadlessSheet& headless, CZRTSettingsDlg& sheet) {
      ran = true;
      EXPECT_EQ(Tabs(headless, sheet), tabs);
      EXPECT_EQ(std::to_string(headless.ActivePage()), row[1]);
      EXPECT_EQ(sheet.Caption(), platform::Utf8ToAnsi(row[2]));
    });
    EXPECT_EQ(ShowSettings(node), 0u);
    EXPECT_TRUE(ran);
  }
}

TEST_F(SettingsTest, DefaultsButtonSitsOneButtonWidthLeftOfOk) {
  Drive([](ui::HeadlessSheet& headless, CZRTSettingsDlg&) {
    ui::Rect ok = headless.ButtonRect(ui::kIdOk);
    int w = ok.Width();
    int g = headless.ButtonRect(ui::kIdCancel).left - ok.right;
    const ui::Rect* defaults = headless.CreatedButton(IDC_DEFAULTS);
    ASSERT_NE(defaults, nullptr);
    EXPECT_EQ(defaults->left, ok.left - 2 * w - g);
    EXPECT_EQ(defaults->right, ok.left - w - g);
    EXPECT_EQ(defaults->top, ok.top);
    EXPECT_EQ(defaults->bottom, ok.bottom);
    std::string why;
    EXPECT_TRUE(headless.Click(IDC_DEFAULTS, &why)) << why;
  });
  ShowSettings(project_);
}

// How a test ends the target sheet after its page changes.
enum class Ending { kOk, kApplyThenCancel, kCancel };

struct TargetCase {
  const char* name;
  std::vector<std::vector<int>> changes;  // {tab, options bit, linker bit}
  Ending ending;
  unsigned result;
  std::vector<std::string> committed;  // element names committed, in order
};

TEST_F(SettingsTest, TargetSheetResultCodesAndWriteBack) {
  const std::vector<std::string> all = {"Configuration", "ZRT_Output", "ZRT_User",  "ZRT_CParam",
                                        "ZRT_AsmParam",  "ZRT_Linker", "ZRT_Debug"};
  const TargetCase cases[] = {
      {"user page only", {{4, 0, 0}}, Ending::kOk, 3, all},
      {"linker page only", {{7, 0, 1}}, Ending::kOk, 1, all},
      {"target page", {{1, 1, 0}}, Ending::kOk, 2, all},
      {"target and linker pages", {{1, 1, 0}, {7, 0, 1}}, Ending::kOk, 2, all},
      {"nothing changed", {}, Ending::kOk, 0, {}},
      {"apply then cancel", {{1, 1, 0}}, Ending::kApplyThenCancel, 0, {"Configuration", "ZRT_Debug"}},
      {"modified page cancelled", {{4, 0, 0}}, Ending::kCancel, 0, {"Configuration", "ZRT_Debug"}},
  };
  for (const TargetCase& c : cases) {
    SCOPED_TRACE(c.name);
    commits.clear();
    Drive([&](ui::HeadlessSheet& headless, CZRTSettingsDlg& sheet) {
      for (const std::vector<int>& change : c.changes) ChangePage(headless, sheet, change[0], change[1], change[2]);
      for (const char* section : kSections) SetAttribute(sheet.SectionCopy(section), "Mark", c.name);
      if (c.ending == Ending::kOk) headless.PressOk();
      if (c.ending == Ending::kApplyThenCancel) {
        EXPECT_TRUE(headless.PressApply());
      }
    });
    EXPECT_EQ(ShowSettings(project_), c.result);
    EXPECT_EQ(commits, c.committed);
    bool cfgModify = c.ending == Ending::kOk && !c.changes.empty();
    EXPECT_EQ(Value(target_, "cfgModify"), cfgModify ? "1" : "");
    for (const char* section : kSections) {
      bool written = std::find(c.committed.begin(), c.committed.end(), section) != c.committed.end();
      EXPECT_EQ(Value(testhost::ChildNamed(target_, section), "Mark"), written ? c.name : "stored") << section;
      testhost::SetValue(testhost::ChildNamed(target_, section), "Mark", "stored");
    }
    testhost::SetValue(target_, "cfgModify", "");
  }
}

TEST_F(SettingsTest, NewDeviceIsHandedToTheHostAfterOk) {
  static const DeviceRecord device = {"NXP", "LPC2148", nullptr, nullptr, nullptr};
  Drive([](ui::HeadlessSheet& headless, CZRTSettingsDlg& sheet) {
    auto* page = static_cast<CZRTPropertyPage*>(sheet.Page(0));
    page->m_pNewDevice = &device;
    ChangePage(headless, sheet, 0, true, false);
    headless.PressOk();
  });
  EXPECT_EQ(ShowSettings(project_), 2u);
  EXPECT_EQ(notified, &device);
}

TEST_F(SettingsTest, TargetWithoutAllSixSectionsWritesNothing) {
  testhost::DeleteNode(testhost::ChildNamed(target_, "ZRT_Linker"));
  int pages = -1;
  Drive([&](ui::HeadlessSheet& headless, CZRTSettingsDlg& sheet) {
    pages = sheet.PageCount();
    headless.PressOk();
  });
  EXPECT_EQ(ShowSettings(project_), 0u);
  EXPECT_EQ(pages, 0);
  EXPECT_TRUE(commits.empty());
}

TEST_F(SettingsTest, ShowSettingsRefusesWithoutSheet) {
  bool ran = false;
  Drive([&](ui::HeadlessSheet&, CZRTSettingsDlg&) { ran = true; });
  EXPECT_EQ(ShowSettings(nullptr), 0u);
  HostNode* unknown = testhost::AddChild(files_, "Unknown");
  EXPECT_EQ(ShowSettings(unknown), 0u);
  EXPECT_FALSE(ran);
  Context().configurations.clear();
  EXPECT_EQ(ShowSettings(project_), 0u);
  EXPECT_FALSE(ran);
}

TEST_F(SettingsTest, GroupLeftAsInheritingLosesItsSections) {
  HostNode* group = testhost::AddChild(files_, "Filter", {{"Name", "Src"}});
  Drive([](ui::HeadlessSheet& headless, CZRTSettingsDlg& sheet) {
    EXPECT_EQ(Value(sheet.SectionCopy("ZRT_CParam"), "Opt"), "4,2");
    EXPECT_EQ(Value(sheet.SectionCopy("ZRT_AsmParam"), "List"), "1,1");
    ChangePage(headless, sheet, 1, true, false);
    headless.PressOk();
  });
  EXPECT_EQ(ShowSettings(group), 1u);
  EXPECT_EQ(testhost::ChildNamed(group, "ZRT_CParam"), nullptr);
  EXPECT_EQ(testhost::ChildNamed(group, "ZRT_AsmParam"), nullptr);
  EXPECT_EQ(removed, 2);
  EXPECT_EQ(Value(group, "LocalConfigure"), "0");
}

TEST_F(SettingsTest, GroupWithOwnCompilerSettingsKeepsThem) {
  HostNode* group = testhost::AddChild(files_, "Filter", {{"Name", "Src"}});
  Drive([](ui::HeadlessSheet& headless, CZRTSettingsDlg& sheet) {
    SetAttribute(sheet.SectionCopy("ZRT_CParam"), "Def", "DEBUG");
    ChangePage(headless, sheet, 2, false, false);
    headless.PressOk();
  });
  EXPECT_EQ(ShowSettings(group), 3u);
  HostNode* compiler = testhost::ChildNamed(group, "ZRT_CParam");
  ASSERT_NE(compiler, nullptr);
  EXPECT_EQ(Value(compiler, "Def"), "DEBUG");
  EXPECT_EQ(Value(compiler, "cfgModify"), "1");
  EXPECT_EQ(testhost::ChildNamed(group, "ZRT_AsmParam"), nullptr);
  EXPECT_EQ(Value(group, "LocalConfigure"), "1");
}

TEST_F(SettingsTest, SourceFileSheetCreatesItsSectionAndKeepsItOnlyWithOwnSettings) {
  HostNode* file = testhost::AddChild(files_, "File", {{"RelativePath", "startup.s"}, {"FileType", "2"}});
  std::string created;
  Drive([&](ui::HeadlessSheet& headless, CZRTSettingsDlg& sheet) {
    created = testhost::NameOf(testhost::ChildrenOf(file).at(0));
    SetAttribute(sheet.FileCopy(), "Mark", "copy");
    ChangePage(headless, sheet, 1, true, false);
    headless.PressOk();
  });
  EXPECT_EQ(ShowSettings(file), 1u);
  EXPECT_EQ(created, "ZRT_AsmParam");
  EXPECT_EQ(Value(file, "Mark"), "copy");
  EXPECT_TRUE(testhost::ChildrenOf(file).empty());
  EXPECT_EQ(Value(file, "LocalConfigure"), "0");
  Drive([](ui::HeadlessSheet& headless, CZRTSettingsDlg& sheet) {  // own settings are committed and kept
    SetAttribute(sheet.SectionCopy("ZRT_AsmParam"), "Def", "X");
    ChangePage(headless, sheet, 0, false, false);
    headless.PressOk();
  });
  EXPECT_EQ(ShowSettings(file), 3u);
  HostNode* own = testhost::ChildNamed(file, "ZRT_AsmParam");
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(Value(own, "Def"), "X");
  EXPECT_EQ(Value(file, "LocalConfigure"), "1");
}

TEST_F(SettingsTest, ObjectFileSheetCommitsItsCopyOnOk) {
  HostNode* file = testhost::AddChild(files_, "File", {{"RelativePath", "lib.o"}, {"FileType", "11"}});
  Drive([](ui::HeadlessSheet& headless, CZRTSettingsDlg& sheet) {
    SetAttribute(sheet.FileCopy(), "ro", "IROM1");
    headless.PressOk();
  });
  EXPECT_EQ(ShowSettings(file), 0u);
  EXPECT_EQ(Value(file, "ro"), "IROM1");
  Drive([](ui::HeadlessSheet& headless, CZRTSettingsDlg& sheet) {
    SetAttribute(sheet.FileCopy(), "ro", "IROM2");
    ChangePage(headless, sheet, 0, true, false);
    headless.PressOk();
  });
  EXPECT_EQ(ShowSettings(file), 1u);
  EXPECT_EQ(Value(file, "ro"), "IROM2");
  Drive([](ui::HeadlessSheet&, CZRTSettingsDlg& sheet) { SetAttribute(sheet.FileCopy(), "ro", "lost"); });
  EXPECT_EQ(ShowSettings(file), 0u);
  EXPECT_EQ(Value(file, "ro"), "IROM2");
}

}  // namespace
}  // namespace zrt
