#include "src/device/startup_file.h"

#include <gtest/gtest.h>

#include "src/core/project_context.h"
#include "tests/core/case_file.h"
#include "tests/core/fake_file_system.h"

namespace zrt {
namespace {

TEST(VendorCode, MapsDisplayNamesAndKeepsOthers) {
  EXPECT_EQ(VendorCode("NXP (founded by Philips)"), "Philips");
  EXPECT_EQ(VendorCode("STMicroelectronics"), "ST");
  EXPECT_EQ(VendorCode("Atmel"), "Atmel");
  EXPECT_EQ(VendorCode("stmicroelectronics"), "stmicroelectronics");
}

class StartupFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Context() = ProjectContext{};
    Context().fileSystem = &fs_;
  }
  void TearDown() override { Context() = ProjectContext{}; }
  testing::FakeFileSystem fs_;
};

TEST_F(StartupFileTest, FirstHoldingRuleOfTheVendorGivesTheFile) {
  EXPECT_EQ(FindStartupFile("NXP (founded by Philips)", "LPC2368", "S"), "");  // the file is missing
  for (const testing::CaseRow& row : testing::ReadCaseFile("device/fixtures/startup_cases.txt")) {
    std::string expected = row.size() > 2 ? row[2] : "";
    if (!expected.empty()) fs_.Touch(expected);
    EXPECT_EQ(FindStartupFile(row[0].c_str(), row[1].c_str(), "S"), expected) << row[0] << " " << row[1];
  }
}

}  // namespace
}  // namespace zrt
