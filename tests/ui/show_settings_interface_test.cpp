// ShowSettings through the interface table, driven by an automation script as outside
// programs drive it (the pages' own behaviour is tested headless in tests/ui/).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/environment.h"
#include "tests/host/test_host.h"

namespace zrt::testhost {
namespace {

class ShowSettingsInterfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.Initialize("proj.orbproj");  // no tool chain is installed: the answer is 0
    host_.CreateConfiguration("Target");
    host_.Table().ProjectOpened(host_.project(), "Target");
    script_ = host_.directory() + "\\script.txt";
    dump_ = host_.directory() + "\\dump.txt";
  }
  void TearDown() override { platform::SetEnvironment("ZRT_UI_SCRIPT", ""); }

  void UseScript(const std::string& text) {
    std::ofstream(NativePath(script_), std::ios::binary) << text;
    platform::SetEnvironment("ZRT_UI_SCRIPT", NativePath(script_).string());
  }
  std::string Dump() {
    std::ifstream file(NativePath(dump_), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }

  TestHost host_;
  std::string script_;
  std::string dump_;
};

TEST_F(ShowSettingsInterfaceTest, WithoutAScriptTheSheetEndsAsCancel) {
#ifdef _WIN32
  GTEST_SKIP() << "without a script Windows shows the real sheet (scripts/ui-screenshots.sh drives it)";
#endif
  int commits = host_.commitCount;
  EXPECT_EQ(host_.Table().ShowSettings(host_.project()), 0);
  EXPECT_EQ(host_.commitCount, commits);
}

TEST_F(ShowSettingsInterfaceTest, ScriptDumpsTheTargetSheet) {
  UseScript("# the first tab, then OK\ntab 0\ndump " + NativePath(dump_).string() + "\nok\ntab 5\n");
  EXPECT_EQ(host_.Table().ShowSettings(host_.project()), 0);
  EXPECT_EQ(Dump(), u8"sheet 255 \"目标工程配置\\\"Target\\\"\" 0\n"
                    u8"tab 0 \"设备\"\ntab 1 \"目标\"\ntab 2 \"输出\"\ntab 3 \"列表\"\ntab 4 \"用户\"\n"
                    u8"tab 5 \"C/C++\"\ntab 6 \"ASM\"\ntab 7 \"连接\"\ntab 8 \"调试\"\npage 1012\nend\n");
}

}  // namespace
}  // namespace zrt::testhost
