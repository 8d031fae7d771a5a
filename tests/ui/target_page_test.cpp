// The Target page: what it shows, the clock, the code generation on Cortex-M devices, the
// defaults button, and the memory layout's checks with their messages in order.
#include <string>
#include <utility>
#include <vector>

#include "src/ui/target_page.h"
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

const char kStoredLayout[] =
    "0,0,0,0#0,0,0,0#0,0,0,0 1,0x00000000,0x00080000,1#0,0,0,0 0,0,0,0#0,0,0,0#0,0,0,0 "
    "1,0x40000000,0x00008000,0#0,0,0,0";
const char kNone[] = "0,0x00000000,0x00000000,0";

struct LayoutCase {
  const char* name;
  std::vector<int> clicked;
  std::vector<std::pair<int, const char*>> typed;  // control id, text
  std::vector<std::string> messages;
  std::string layout;  // XROM IROM XRAM IRAM afterwards
};

TEST_F(TargetPageTest, MemoryLayoutIsCheckedAreaByAreaThenForOverlap) {
  const std::string n = kNone;
  const LayoutCase cases[] = {
      {"overlap names the lower area first",
       {1054},
       {{1057, "0x00000000"}, {1015, "0x80000"}, {1027, "0x40000"}, {1028, "0x1000"}},
       {"存储区XROM1覆盖了存储区IROM1"},
       kStoredLayout},
      {"touching areas do not overlap",
       {1054},
       {{1057, "0x0"}, {1015, "0x1000"}, {1027, "0x1000"}, {1028, "4096"}},
       {},
       "1,0x00000000,0x00001000,0#" + n + "#" + n + " 1,0x00001000,0x00001000,1#" + n + " " + n + "#" + n + "#" + n +
           " 1,0x40000000,0x00008000,0#" + n},
      {"a startup area without addresses", {1048}, {}, {"存储区IROM2为无效的启动区域"}, kStoredLayout},
      {"a disabled area still overlaps",
       {},
       {{1033, "0x40000100"}, {1034, "0x100"}},
       {"存储区XRAM1覆盖了存储区IRAM1"},
       kStoredLayout},
      {"areas above 2 GiB compare unsigned",
       {},
       {{1033, "0x70000000"}, {1034, "0x20000000"}, {1036, "0x80000000"}, {1037, "0x100"}},
       {"存储区XRAM1覆盖了存储区XRAM2"},
       kStoredLayout},
      {"a size 0x0 rejects without a message", {}, {{1030, "0x100000"}, {1031, "0x0"}}, {}, kStoredLayout},
      {"a size 0 rejects without a message", {1061}, {{1033, "0x60000000"}, {1034, "0"}}, {}, kStoredLayout},
      {"a disabled area with both texts is kept disabled",
       {1064},
       {{1036, "0x60000000"}, {1037, "0x1000"}},
       {},
       n + "#" + n + "#" + n + " 1,0x00000000,0x00080000,1#" + n + " " + n + "#0,0x60000000,0x00001000,1#" + n +
           " 1,0x40000000,0x00008000,0#" + n},
      {"every area reports, in order, the overlap last",
       {},
       {{1057, "0x1000"},
        {1019, "0x10"},
        {1027, ""},
        {1028, ""},
        {1033, "12ab"},
        {1034, "0x10"},
        {1036, "0x10"},
        {1037, "zz"},
        {1045, "0x40000000"},
        {1046, "0x10"}},
       {"存储区XROM1缺少块长度", "存储区XROM2缺少块开始地址", "存储区IROM1为无效的启动区域",
        "存储区XRAM1开始地址输入错误\r\n输入如:0x10000000或8192", "存储区XRAM2地址长度输入错误\r\n输入如:0x10000或8192",
        "存储区IRAM1覆盖了存储区IRAM2"},
       kStoredLayout},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.name);
    Restore();
    OnTab(kTargetTab, [&](PageDriver& page) {
      for (int id : c.clicked) page.Click(id);
      for (const auto& [id, text] : c.typed) page.Type(id, text);
    });
    EXPECT_EQ(messages, c.messages);
    EXPECT_EQ(Layout(), c.layout);
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
