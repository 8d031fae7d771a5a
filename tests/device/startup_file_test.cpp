#include "src/device/startup_file.h"

#include <gtest/gtest.h>

#include "src/core/project_context.h"
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
  struct Case {
    const char* vendor;
    const char* device;
    const char* expected;  // "" when there is no startup file
  } cases[] = {
      {"NXP (founded by Philips)", "LPC2368", "S\\Philips\\LPC2300.s"},
      {"NXP (founded by Philips)", "LPC2129", "S\\Philips\\Startup.s"},
      {"NXP (founded by Philips)", "LPC3250", "S\\Philips\\LPC32x0.s"},
      {"Atmel", "AT91SAM9261EK", "S\\Atmel\\SAM9261.s"},
      {"Atmel", "AT91SAM9260EK", "S\\Atmel\\Startup.s"},
      {"Atmel", "AT91SAM7S64", "S\\Atmel\\SAM7.s"},
      {"Analog Devices", "ADuC7019", "S\\ADI\\ADuC702x.s"},
      {"Analog Devices", "ADuC7060", "S\\ADI\\ADuC706x.s"},
      {"Analog Devices", "ADuC7010", ""},
      {"STMicroelectronics", "STM32F103RB", "S\\ST\\STM32F10x.s"},
      {"STMicroelectronics", "STM32F407VG", ""},
      {"TI", "TMS470R1A288", "S\\TI\\TMS470R1Axxx.s"},
      {"Samsung", "S3C2440A", "S\\Samsung\\S3C2440A.s"},
      {"Samsung", "S3C2440", ""},
      {"AustriaMicroSystems", "AS3525", "S\\AMS\\AS352x.s"},
      {"Unknown", "X", ""},
  };
  EXPECT_EQ(FindStartupFile("NXP (founded by Philips)", "LPC2368", "S"), "");  // the file is missing
  for (const Case& c : cases) {
    if (*c.expected) fs_.Touch(c.expected);
    EXPECT_EQ(FindStartupFile(c.vendor, c.device, "S"), c.expected) << c.vendor << " " << c.device;
  }
}

}  // namespace
}  // namespace zrt
