// The Target page: what it shows, the clock, the code generation on Cortex-M devices, the
// defaults button, and the memory layout's checks with their messages in order.
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/code_page.h"
#include "src/ui/target_page.h"
#include "tests/core/case_file.h"
#include "tests/ui/page_fixture.h"

namespace zrt {
namespace {

using namespace target_page;

class TargetPageTest : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    Restore();
  }
  // The stored target of every test; clears the messages.
  void Restore() {
    messages.clear();
    for (const auto& [key, value] :
         std::vector<std::pair<const char*, const char*>>{{"CLK", "12.000000"},
                                                          {"OP", "0"},
                                                          {"McLib", "0"},
                                                          {"XROM", "0,0,0,0#0,0,0,0#0,0,0,0"},
                                                          {"IROM", "1,0x00000000,0x00080000,1#0,0,0,0"},
                                                          {"XRAM", "0,0,0,0#0,0,0,0#0,0,0,0"},
                                                          {"IRAM", "1,0x40000000,0x00008000,0#0,0,0,0"}}) {
      testhost::SetValue(target_, key, value);
    }
    testhost::SetValue(Section("ZRT_CParam"), "Code", "0,0,0,0,0,0");
  }
  std::string Layout() const {
    return Value(target_, "XROM") + " " + Value(target_, "IROM") + " " + Value(target_, "XRAM") + " " +
           Value(target_, "IRAM");
  }
};

TEST_F(TargetPageTest, MemoryLayoutIsCheckedAreaByAreaThenForOverlap) {
  for (const zrt::testing::CaseRow& row : zrt::testing::ReadCaseFile("ui/fixtures/memory_layout_cases.txt")) {
    SCOPED_TRACE(row[0]);
    Restore();
    OnTab(kTargetTab, [&](PageDriver& page) {
      std::istringstream actions(row[1]);
      for (std::string action; actions >> action;) {
        size_t equals = action.find('=');
        if (equals == std::string::npos) page.Click(std::stoi(action));
        else page.Type(std::stoi(action.substr(0, equals)), action.substr(equals + 1));
      }
    });
    std::vector<std::string> expected;
    for (size_t i = 3; i < row.size(); ++i) expected.push_back(platform::Utf8ToAnsi(row[i]));
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(Layout(), row[2]);
  }
}

TEST_F(TargetPageTest, ShowsStoredAreasEvenWhenDisabled) {
  testhost::SetValue(target_, "XROM", "0,0x60000000,0x00001000,0#1,0x70000000,0x00000100,1#0,0,0,0");
  testhost::SetValue(target_, "IROM", "1,0x00000000,0x00080000,0#0,0,0,0");
  testhost::SetValue(target_, "XRAM", "0,0x20000000,0x00000100,1#0,0,0,0#0,0,0,0");
  OnTab(kTargetTab, [](PageDriver& page) {
    EXPECT_EQ(page.Text(kClock), "12.000000");
    EXPECT_EQ(std::vector<int>({page.Check(1054), page.Check(1055), page.Check(1059), page.Check(1047)}),
              std::vector<int>({0, 1, 1, 0}));
    EXPECT_EQ(page.Text(1057) + " " + page.Text(1019) + " " + page.Text(1021), "0x60000000 0x00000100 ");
    EXPECT_EQ(page.Check(1061), 0);
    EXPECT_EQ(page.Check(1065), 1);
    EXPECT_EQ(page.Text(1033), "0x20000000");
    page.Type(1057, "0x1000000000");  // eleven characters: the field takes ten
    EXPECT_EQ(page.Text(1057), "0x10000000");
  });
}

struct ClockCase {
  const char* typed;
  const char* stored;
  std::vector<std::string> messages;
};

TEST_F(TargetPageTest, ClockIsStoredWhenReadableAndTheOtherSettingsAlways) {
  const ClockCase cases[] = {{"12.5", "12.500000", {}}, {"abc", "12.000000", {"错误时钟输入，该格式例如:40.00"}}};
  for (const ClockCase& c : cases) {
    SCOPED_TRACE(c.typed);
    Restore();
    EXPECT_EQ(OnTab(kTargetTab,
                    [&](PageDriver& page) {
                      page.Type(kClock, c.typed);
                      page.Select(kOperatingSystem, 1);
                      page.Select(kCodeGeneration, 1);
                      page.Click(kMicroLib);
                    }),
              2u);
    EXPECT_EQ(messages, c.messages);
    EXPECT_EQ(Value(target_, "CLK"), c.stored);
    EXPECT_EQ(Value(target_, "OP") + Value(target_, "McLib"), "11");
    EXPECT_EQ(Value(Section("ZRT_CParam"), "Code"), "1,0,0,0,0,0");
  }
}

TEST_F(TargetPageTest, CortexMDeviceDisablesCodeGenerationButKeepsItsValues) {
  static const char* const kLines[] = {"CPU: IROM(0x08000000-0x0801FFFF) CPUTYPE(\"Cortex-M3\")", nullptr};
  Context().deviceRecord = {"ST", "STM32F103", nullptr, kLines, nullptr};
  testhost::SetValue(target_, "OutBig", "1");
  testhost::SetValue(Section("ZRT_CParam"), "Code", "1,1,0,0,0,0");
  OnTab(kTargetTab, [](PageDriver& page) {
    EXPECT_EQ(page.Text(kDevice), "ST STM32F103");
    EXPECT_FALSE(page.Enabled(kCodeGeneration));
    EXPECT_FALSE(page.Enabled(kBigEndian));
    EXPECT_EQ(page.Selection(kCodeGeneration), 1);
    page.Click(kCrossModule);
  });
  EXPECT_EQ(Value(target_, "Cross") + Value(target_, "OutBig"), "11");
  EXPECT_EQ(Value(Section("ZRT_CParam"), "Code"), "1,1,0,0,0,0");
}

TEST_F(TargetPageTest, DefaultsShowButAreSavedOnlyAfterAFurtherChange) {
  testhost::SetValue(target_, "OP", "1");
  testhost::SetValue(target_, "McLib", "1");
  EXPECT_EQ(OnTab(kTargetTab,
                  [](PageDriver& page) {
                    page.Click(IDC_DEFAULTS);
                    EXPECT_EQ(page.Selection(kOperatingSystem), 0);
                    EXPECT_EQ(page.Check(kMicroLib), 0);
                    EXPECT_TRUE(page.sheet.ApplyEnabled());
                  }),
            0u);
  EXPECT_EQ(Value(target_, "OP") + Value(target_, "McLib"), "11");
  OnTab(kTargetTab, [](PageDriver& page) {
    page.Click(IDC_DEFAULTS);
    page.Click(kCrossModule);
  });
  EXPECT_EQ(Value(target_, "OP") + Value(target_, "McLib") + Value(target_, "Cross"), "001");
}

}  // namespace
}  // namespace zrt
