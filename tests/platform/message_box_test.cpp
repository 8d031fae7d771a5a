#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/environment.h"
#include "platform/message_box_platform.h"
#include "tests/platform/temp_folder.h"

namespace zrt::platform {
namespace {

using Buttons = MessageButtons;
using Answer = MessageAnswer;

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RestartScriptedAnswers();
    SetEnvironment("ZRT_MSGBOX_ANSWERS", "");
    SetEnvironment("ZRT_MSGBOX_LOG", log_);
  }
  void TearDown() override {
    SetEnvironment("ZRT_MSGBOX_ANSWERS", "");
    SetEnvironment("ZRT_MSGBOX_LOG", "");
    SetMessageBoxHandler(nullptr);
  }

  Answer Ask(const std::string& text) {
    return ScriptedMessageBox(text, "ZRT", Buttons::kYesNo, MessageIcon::kQuestion);
  }

  std::string LogBytes() {
    std::ifstream in(log_, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  testing::TempFolder folder_;
  std::string log_ = (folder_.Path() / "boxes.log").string();
};

TEST_F(MessageBoxTest, LogHoldsTheGbkTextAndOneNulPerBoxAndStandardErrorUtf8) {
  SetEnvironment("ZRT_MSGBOX_ANSWERS", "yes");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(ScriptedMessageBox("确定", "ZRT", Buttons::kOk, MessageIcon::kError), Answer::kOk);  // uses no answer
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), std::string(u8"确定") + "\n");
  EXPECT_EQ(Ask("Copy startup?"), Answer::kYes);
  EXPECT_EQ(LogBytes(), std::string("\xC8\xB7\xB6\xA8\0Copy startup?\0", 19));
}

TEST_F(MessageBoxTest, AnswersAreUsedInOrderThenNo) {
  if (StandardInputIsTerminal()) GTEST_SKIP() << "standard input is a terminal and would be asked";
  SetEnvironment("ZRT_MSGBOX_ANSWERS", "yes, NO ,,maybe,Yes");
  for (Answer expected : {Answer::kYes, Answer::kNo, Answer::kNo, Answer::kYes, Answer::kNo}) {
    EXPECT_EQ(Ask("?"), expected);
  }
}

TEST_F(MessageBoxTest, ChangedOrRestartedAnswersStartFromTheirFirst) {
  SetEnvironment("ZRT_MSGBOX_ANSWERS", "yes");
  EXPECT_EQ(Ask("1"), Answer::kYes);
  RestartScriptedAnswers();
  EXPECT_EQ(Ask("2"), Answer::kYes);
  SetEnvironment("ZRT_MSGBOX_ANSWERS", "yes,no");
  EXPECT_EQ(Ask("3"), Answer::kYes);
  EXPECT_EQ(Ask("4"), Answer::kNo);
}

TEST_F(MessageBoxTest, ShowMessageBoxUsesTheReplacedHandlerUntilReset) {
  std::string seen;
  SetMessageBoxHandler([&seen](const std::string& text, const std::string& caption, Buttons buttons, MessageIcon icon) {
    seen += text + "|" + caption + "|" + std::to_string(static_cast<int>(buttons)) + std::to_string(static_cast<int>(icon));
    return Answer::kYes;
  });
  EXPECT_EQ(ShowMessageBox("Delete?", "ZRT", Buttons::kYesNo, MessageIcon::kWarning), Answer::kYes);
  SetMessageBoxHandler(nullptr);
  EXPECT_EQ(ShowMessageBox("Done", "ZRT", Buttons::kOk, MessageIcon::kNone), Answer::kOk);
  EXPECT_EQ(seen, "Delete?|ZRT|12");
  EXPECT_EQ(LogBytes(), std::string("Done\0", 5));
}

}  // namespace
}  // namespace zrt::platform
