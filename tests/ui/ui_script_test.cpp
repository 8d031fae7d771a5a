// The automation contract of the headless sheet: every command, the dump, bad lines and
// a script that ends early, on a test page with a control of every kind.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "src/ui/framework/ui_script.h"
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

struct ScriptCase {
  const char* script;
  std::vector<std::string> events;  // what the pages heard
  const char* error;                // "" for none
  int result;
};

TEST_F(UiScriptTest, CommandsTurnIntoPageEvents) {
  const ScriptCase cases[] = {
      {"text 101 abcdefgh\nok\n", {"101:1", "apply"}, "", kIdOk},
      {"# comment\n\nclick 104\nclick 106\ncancel\n", {"104:0", "106:0", "reset"}, "", kIdCancel},
      {"select 108 1\nselect 110 -1\ncell 111 0 1 0x200\n", {"108:2", "110:2", "reset"}, "", kIdCancel},
      {"text 109 free text\ntext 113 STM32F103\n", {"109:1", "113:2", "reset"}, "", kIdCancel},
      {"file C:\\a b.c\nfolder -\nanswer yes\nclick 103\n",
       {"103:0", "file C:\\a b.c folder none answer 1", "reset"}, "", kIdCancel},
      {"click 103\n", {"103:0", "file none folder none answer 2", "reset"}, "", kIdCancel},
      {"tab 1\ntab 0\napply\nok\nclick 104\n", {"active 900", "active 900", "apply", "apply"}, "", kIdOk},
      {"launch 1\nok\n", {"reset"}, "ZRT_UI_SCRIPT:1: unknown command \"launch\"\n", kIdCancel},
      {"\nclick 999\n", {"reset"}, "ZRT_UI_SCRIPT:2: no control 999 on the active page\n", kIdCancel},
      {"click 114\n", {"reset"}, "ZRT_UI_SCRIPT:1: control 114 is disabled\n", kIdCancel},
      {"select 108 2\n", {"reset"}, "ZRT_UI_SCRIPT:1: control 108 has no item 2\n", kIdCancel},
      {"select 108 x\n", {"reset"}, "ZRT_UI_SCRIPT:1: bad number \"x\"\n", kIdCancel},
      {"click 104 5\n", {"reset"}, "ZRT_UI_SCRIPT:1: bad number \"104 5\"\n", kIdCancel},
      {"text 102 typed\n", {"reset"}, "ZRT_UI_SCRIPT:1: edit 102 is read-only\n", kIdCancel},
      {"text 108 typed\n", {"reset"}, "ZRT_UI_SCRIPT:1: combo 108 takes no typing\n", kIdCancel},
      {"answer maybe\n", {"reset"}, "ZRT_UI_SCRIPT:1: unknown answer \"maybe\"\n", kIdCancel},
      {"tab 5\n", {"reset"}, "ZRT_UI_SCRIPT:1: no tab 5\n", kIdCancel},
      {"ok now\n", {"reset"}, "ZRT_UI_SCRIPT:1: ok takes no arguments\n", kIdCancel},
      {"cell 111 1 0 x\n", {"reset"}, "ZRT_UI_SCRIPT:1: report 111 has no cell 1 0\n", kIdCancel},
      {"click 120\nclick 121\n", {"120:0", "reset"}, "ZRT_UI_SCRIPT:2: no control 121 on the active page\n",
       kIdCancel},
  };
  for (const ScriptCase& c : cases) {
    SCOPED_TRACE(c.script);
    EXPECT_EQ(Run(c.script), c.error);
    EXPECT_EQ(log_, c.events);
    EXPECT_EQ(headless_->Result(), c.result);
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
}

TEST_F(UiScriptTest, DumpListsTheActivePageInTemplateOrder) {
  std::string path = ::testing::TempDir() + "ui_dump.txt";
  std::remove(path.c_str());
  EXPECT_EQ(Run("click 104\nselect 108 0\ndump " + path + "\ntext 101 x\"y\ndump " + path + "\n"), "");
  std::ifstream file(path, std::ios::binary);
  std::string dump((std::istreambuf_iterator<char>(file)), {});
  const std::string page =
      u8"page 900\n"
      u8"100 static enabled 0 \"标签\"\n"
      u8"101 edit enabled 0 \"TEXT\"\n"
      u8"102 edit enabled 0 \"\"\n"
      u8"103 button enabled 0 \"Go\"\n"
      u8"104 check enabled 1 \"two\"\n"
      u8"105 check enabled 0 \"three\"\n"
      u8"106 radio enabled 0 \"A\"\n"
      u8"107 radio enabled 0 \"B\"\n"
      u8"108 combo enabled 0 \"甲\"\n"
      u8"  item 0 \"甲\"\n"
      u8"  item 1 \"乙\"\n"
      u8"109 combo enabled -1 \"\"\n"
      u8"110 list enabled -1 \"\"\n"
      u8"  item 0 \"x\"\n"
      u8"  item 1 \"y\"\n"
      u8"  item 2 \"z\"\n"
      u8"111 report enabled 0 \"\"\n"
      u8"  row 0 \"RAM\" \"0x100\"\n"
      u8"112 group enabled 0 \"Frame\"\n"
      u8"113 custom enabled -1 \"\"\n"
      u8"  item 0 \"LPC2148\"\n"
      u8"  item 1 \"STM32F103\"\n"
      u8"114 edit disabled 0 \"\"\n"
      u8"115 static enabled 0 \"frame\"\n"
      u8"120 check enabled 0 \"sub A\"\n"
      u8"end\n";
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
