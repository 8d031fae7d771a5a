// The automation contract of the headless sheet: every command, the dump, bad lines and
// a script that ends early, on a test page with a control of every kind.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "src/ui/framework/ui_script.h"
#include "tests/core/case_file.h"
#include "tests/ui/every_kind_page.h"

namespace zrt::ui {
namespace {

class UiScriptTest : public ::testing::Test {
 protected:
  UiScriptTest() : sheet_(7, "测试"), page_(&log_), second_(&log_) {
    sheet_.AddPage(&page_);
    sheet_.AddPage(&second_);
    platform::SetMessageBoxHandler([](const std::string&, const std::string&, platform::MessageButtons,
                                      platform::MessageIcon) { return platform::MessageAnswer::kNo; });
  }
  ~UiScriptTest() override { platform::SetMessageBoxHandler(nullptr); }

  // Runs script on a fresh headless run; answers the errors written.
  std::string Run(const std::string& script) {
    headless_ = std::make_unique<HeadlessSheet>(sheet_);
    headless_->Open();
    log_.clear();
    std::ostringstream errors;
    RunUiScript(*headless_, script, errors);
    return errors.str();
  }

  std::vector<std::string> log_;
  PropertySheet sheet_;
  testing::TestPage page_;
  testing::TestPage second_;
  std::unique_ptr<HeadlessSheet> headless_;
};

TEST_F(UiScriptTest, CommandsTurnIntoPageEvents) {
  for (const zrt::testing::CaseRow& row : zrt::testing::ReadCaseFile("ui/fixtures/script_cases.txt")) {
    SCOPED_TRACE(row[0]);
    EXPECT_EQ(Run(row[0]), row[1]);
    EXPECT_EQ(log_, std::vector<std::string>(row.begin() + 3, row.end()));
    EXPECT_EQ(headless_->Result(), std::stoi(row[2]));
  }
}

TEST_F(UiScriptTest, ControlsChangeAsAUserWouldChangeThem) {
  Run("text 101 abcdefgh\nclick 105\nclick 105\nclick 107\nclick 106\nselect 108 1\ntext 113 STM32F103\n"
      "cell 111 0 1 0x200\ndump /dev/null\nok\n");
  const HeadlessDialog& page = *headless_->PageDialog(0);
  EXPECT_EQ(page.Text(101), "abcde");  // cut to the text limit
  EXPECT_EQ(page.Check(105), 2);
  EXPECT_EQ(page.Check(106), 1);
  EXPECT_EQ(page.Check(107), 0);
  EXPECT_EQ(page.Text(108), "乙");
  EXPECT_EQ(page.Selection(113), 1);
  EXPECT_EQ(page.CellText(111, 0, 1), "0x200");
  EXPECT_EQ(page.Check(121), 1);  // set by the page on its hidden second sub-page
  EXPECT_TRUE(page.MissingIds().empty());
}

TEST_F(UiScriptTest, DumpListsTheActivePageInTemplateOrder) {
  std::string path = ::testing::TempDir() + "ui_dump.txt";
  std::remove(path.c_str());
  EXPECT_EQ(Run("click 104\nselect 108 0\ndump " + path + "\ntext 101 x\"y\ndump " + path + "\n"), "");
  std::ifstream file(path, std::ios::binary);
  std::string dump((std::istreambuf_iterator<char>(file)), {});
  const std::string page = zrt::testing::ReadFixtureFile("ui/fixtures/every_kind_page.dump");
  std::string head = u8"sheet 7 \"测试\" 0\ntab 0 \"\"\ntab 1 \"\"\n";
  auto withText = [&](const std::string& text) {
    std::string p = page;
    p.replace(p.find("TEXT"), 4, text);
    return head + p;
  };
  EXPECT_EQ(dump, withText("") + withText("x\\\"y"));
  std::remove(path.c_str());
}

}  // namespace
}  // namespace zrt::ui
