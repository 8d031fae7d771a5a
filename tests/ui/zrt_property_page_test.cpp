// The page base: its life cycle (load on activation, save on leaving a changed page,
// apply and cancel reports to the sheet) and its utilities.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "src/ui/dialog_templates.h"
#include "src/ui/framework/headless_sheet.h"
#include "src/ui/zrt_property_page.h"
#include "tests/core/case_file.h"

namespace zrt {
namespace {

// A page that records the base's calls into it.
class RecordingPage : public CZRTPropertyPage {
 public:
  RecordingPage(int templateId, std::vector<std::string>* log) : CZRTPropertyPage(templateId), log_(log) {}
  void LoadSettings() override { log_->push_back("load " + std::to_string(Template().id)); }
  void SaveSettings() override { log_->push_back("save " + std::to_string(Template().id)); }

 private:
  std::vector<std::string>* log_;
};

// A sheet that records the messages its pages send.
class RecordingSheet : public ui::PropertySheet {
 public:
  explicit RecordingSheet(std::vector<std::string>* log) : ui::PropertySheet(0, "test"), log_(log) {}
  intptr_t OnMessage(unsigned message, uintptr_t wParam, intptr_t lParam) override {
    log_->push_back("message " + std::to_string(message) + " " + std::to_string(wParam) + " " +
                    std::to_string(lParam));
    return 0;
  }

 private:
  std::vector<std::string>* log_;
};

class PageLifeCycleTest : public ::testing::Test {
 protected:
  PageLifeCycleTest() : sheet_(&log_), first_(IDD_TARGET, &log_), second_(IDD_USER, &log_) {
    sheet_.AddPage(&first_);
    sheet_.AddPage(&second_);
  }
  std::vector<std::string> log_;
  RecordingSheet sheet_;
  RecordingPage first_;
  RecordingPage second_;
  std::string why_;
};

TEST_F(PageLifeCycleTest, PagesLoadWhenShownAndSaveOnlyWhenChanged) {
  ui::HeadlessSheet headless(sheet_);
  headless.Open();
  EXPECT_TRUE(headless.SelectTab(1, &why_));
  EXPECT_TRUE(headless.SelectTab(0, &why_));
  first_.OnModified();
  EXPECT_TRUE(headless.ApplyEnabled());
  EXPECT_TRUE(headless.SelectTab(1, &why_));
  EXPECT_EQ(log_, (std::vector<std::string>{"load 108", "load 110", "load 108", "save 108", "load 110"}));
  EXPECT_FALSE(first_.m_bNeedSave);
  EXPECT_TRUE(first_.m_bModified);
}

TEST_F(PageLifeCycleTest, ApplyReportsChangeBitsAndSkipsTheNextReload) {
  ui::HeadlessSheet headless(sheet_);
  headless.Open();
  static const DeviceRecord device = {};
  first_.m_bOptionsChanged = true;
  first_.m_bLinkerChanged = true;
  first_.m_pNewDevice = &device;
  first_.OnModified();
  log_.clear();
  EXPECT_TRUE(headless.PressApply());
  std::string apply = "message 1124 " + std::to_string(reinterpret_cast<uintptr_t>(&device)) + " 3";
  EXPECT_EQ(log_, (std::vector<std::string>{"save 108", apply}));
  EXPECT_FALSE(headless.ApplyEnabled());
  EXPECT_FALSE(first_.m_bApplied);  // the active page was activated again, without a reload
  headless.PressCancel();
  EXPECT_EQ(log_.back(), "message 1125 0 0");
  EXPECT_EQ(headless.Result(), ui::kIdCancel);
}

TEST_F(PageLifeCycleTest, UnmodifiedPagesReportNothing) {
  ui::HeadlessSheet headless(sheet_);
  headless.Open();
  log_.clear();
  EXPECT_TRUE(headless.PressOk());
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(headless.Result(), ui::kIdOk);
  EXPECT_TRUE(first_.m_bApplied);
  EXPECT_FALSE(second_.m_bApplied);  // never shown, so never applied
}

TEST(ParseNumberTest, ReadsDecimalAndHexadecimal) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("ui/fixtures/number_cases.txt")) {
    uint32_t value = 77;
    EXPECT_EQ(CZRTPropertyPage::ParseNumber(row[0], std::stoi(row[1]), &value), std::stoi(row[2])) << row[0];
    EXPECT_EQ(std::to_string(value), row[3]) << row[0];
  }
}

TEST(CheckDefineTextTest, DeletesTheFirstBadCharacterAndSaysHow) {
  std::vector<std::string> shown;
  platform::SetMessageBoxHandler([&](const std::string& text, const std::string&, platform::MessageButtons,
                                     platform::MessageIcon) {
    shown.push_back(text);
    return platform::MessageAnswer::kOk;
  });
  CZRTPropertyPage page(IDD_CPARAM);
  std::string good = "USE_CLK=1 _PLLCON E234";
  EXPECT_EQ(page.CheckDefineText(&good), 1);
  std::string empty;
  EXPECT_EQ(page.CheckDefineText(&empty), 1);
  std::string bad = "A-B;C";
  EXPECT_EQ(page.CheckDefineText(&bad), 0);
  EXPECT_EQ(bad, "AB;C");
  platform::SetMessageBoxHandler(nullptr);
  const char* const kFormat = "输出错误!!!\r\n应该使用如下格式输入：USE_CLK _PLLCON E234";
  EXPECT_EQ(shown, std::vector<std::string>{kFormat});
}

TEST(PageUtilitiesTest, MissingControlsDoNothing) {
  CZRTPropertyPage page(IDD_PATH_LIST);
  EXPECT_EQ(page.SetControlText(1110, "x"), 0);  // no window yet
  ui::HeadlessDialog window(page.Template());
  page.AttachWindow(&window, nullptr);
  EXPECT_EQ(page.SetControlText(1110, "header"), 1);
  EXPECT_EQ(window.Text(1110), "header");
  EXPECT_EQ(page.EnableControl(1109, false), 1);
  EXPECT_FALSE(window.IsEnabled(1109));
  EXPECT_EQ(page.SetEditCaret(4242, 3), 0);
  EXPECT_EQ(page.SelectComboItem(4243, 1), 0);
  EXPECT_EQ(page.GetComboSelection(4244), -1);
  EXPECT_EQ(window.MissingIds(), (std::set<int>{4242, 4243, 4244}));
}

}  // namespace
}  // namespace zrt
