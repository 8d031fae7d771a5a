// A fixture for the pages' tests: the settings fixture's target with its stored
// sections, message boxes recorded, and a driver that opens the target sheet on one tab,
// acts there as a user does and presses OK.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "src/ui/settings_openers.h"
#include "tests/ui/settings_fixture.h"

namespace zrt {

// The user's hands on the active page; every action must be possible.
struct PageDriver {
  ui::HeadlessSheet& sheet;

  void Type(int id, const std::string& text) { Expect(sheet.TypeText(id, text, &why)); }
  void Click(int id) { Expect(sheet.Click(id, &why)); }
  void Select(int id, int index) { Expect(sheet.Select(id, index, &why)); }
  void Tab(int index) { Expect(sheet.SelectTab(index, &why)); }
  std::string Text(int id) const { return sheet.ActiveDialog()->Text(id); }
  int Check(int id) const { return sheet.ActiveDialog()->Check(id); }
  int Selection(int id) const { return sheet.ActiveDialog()->Selection(id); }
  bool Enabled(int id) const { return sheet.ActiveDialog()->IsEnabled(id); }

  void Expect(bool done) { EXPECT_TRUE(done) << why; }
  std::string why;
};

class PageTest : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    platform::SetMessageBoxHandler(
        [this](const std::string& text, const std::string&, platform::MessageButtons, platform::MessageIcon) {
          messages.push_back(text);
          return platform::MessageAnswer::kOk;
        });
  }
  void TearDown() override {
    platform::SetMessageBoxHandler(nullptr);
    SettingsTest::TearDown();
  }

  // Opens the target sheet, selects tab, runs actions there, then presses OK (when the
  // actions left the sheet open); answers ShowSettings' result.
  unsigned OnTab(int tab, const std::function<void(PageDriver&)>& actions) {
    Drive([&](ui::HeadlessSheet& headless, CZRTSettingsDlg&) {
      PageDriver driver{headless, ""};
      driver.Tab(tab);
      actions(driver);
      if (headless.IsOpen()) headless.PressOk();
    });
    return ShowSettings(project_);
  }

  // The stored section name of the target.
  HostNode* Section(const char* name) const { return testhost::ChildNamed(target_, name); }

  static constexpr int kTargetTab = 1, kOutputTab = 2, kListingTab = 3, kUserTab = 4;
  std::vector<std::string> messages;
};

}  // namespace zrt
