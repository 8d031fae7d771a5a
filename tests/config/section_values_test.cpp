#include "src/config/section_values.h"

#include <gtest/gtest.h>

namespace zrt {
namespace {

TEST(Flags, ReadAsManyAsParseAndKeepTheRest) {
  struct Case {
    const char* text;
    int expectedCount;
    std::vector<int> flags;
  } cases[] = {
      {"1,0,1,0,1,1", 6, {1, 0, 1, 0, 1, 1}},
      {"2,1,2", 3, {2, 1, 2, 9, 9, 9}},
      {"1,x,1,1,1,1", 1, {1, 9, 9, 9, 9, 9}},
      {"", 0, {9, 9, 9, 9, 9, 9}},
      {nullptr, 0, {9, 9, 9, 9, 9, 9}},
  };
  for (const Case& c : cases) {
    std::vector<int> flags(6, 9);
    EXPECT_EQ(ReadFlags(c.text, flags.data(), 6), c.expectedCount) << (c.text ? c.text : "null");
    EXPECT_EQ(flags, c.flags);
  }
  int list[9] = {1, 0, 1, 1, 1, 1, 1, 1, 0};
  EXPECT_EQ(FormatFlags(list, 9), "1,0,1,1,1,1,1,1,0");
}

TEST(FlaggedPath, SplitsAtTheFirstComma) {
  FlaggedPath name = ReadFlaggedPath("1,C:\\out,put\\demo");
  EXPECT_EQ(name.chosen, 1);
  EXPECT_EQ(name.path, "C:\\out,put\\demo");
  FlaggedPath bare = ReadFlaggedPath("0");
  EXPECT_EQ(bare.chosen, 0);
  EXPECT_EQ(bare.path, "");
  EXPECT_EQ(ReadFlaggedPath(nullptr).path, "");
  EXPECT_EQ(FormatFlaggedPath({0, ".\\Debug"}), "0,.\\Debug");
}

TEST(UserCommands, ReadBothSlotsWithParenthesesRestored) {
  UserCommand pair[2];
  EXPECT_EQ(ReadUserCommands("1,(copy <a>.bin)#0,(make.bat)", pair), 4);
  EXPECT_EQ(pair[0].enabled, 1);
  EXPECT_EQ(pair[0].command, "copy (a).bin");
  EXPECT_EQ(pair[1].enabled, 0);
  EXPECT_EQ(pair[1].command, "make.bat");
  EXPECT_EQ(FormatUserCommands(pair), "1,(copy <a>.bin)#0,(make.bat)");
}

TEST(UserCommands, EmptyCommandsAndMissingHalvesAndGarbage) {
  struct Case {
    const char* text;
    int expectedCount;
    int firstEnabled;
    const char* firstCommand;
    int secondEnabled;
    const char* secondCommand;
  } cases[] = {
      {"0,()#0,()", 4, 0, "", 0, ""},
      {"1,(a.bat)", 2, 1, "a.bat", 7, "old"},  // no "#": only the first slot
      {"1,(a.bat)#1", 3, 1, "a.bat", 1, "old"},
      {"x", 0, 7, "old", 7, "old"},
      {"1,(never closed", 2, 1, "never closed", 7, "old"},
  };
  for (const Case& c : cases) {
    UserCommand pair[2] = {{7, "old"}, {7, "old"}};
    EXPECT_EQ(ReadUserCommands(c.text, pair), c.expectedCount) << c.text;
    EXPECT_EQ(pair[0].enabled, c.firstEnabled) << c.text;
    EXPECT_EQ(pair[0].command, c.firstCommand) << c.text;
    EXPECT_EQ(pair[1].enabled, c.secondEnabled) << c.text;
    EXPECT_EQ(pair[1].command, c.secondCommand) << c.text;
  }
}

TEST(LinkerCode, ReadsFlagsAndSuppressionList) {
  LinkerCode code;
  EXPECT_EQ(ReadLinkerCode("0,1,0,1,(1234,6319)", &code), 5);
  EXPECT_EQ(code.rwpi, 0);
  EXPECT_EQ(code.ropi, 1);
  EXPECT_EQ(code.strict, 1);
  EXPECT_EQ(code.suppressed, "1234,6319");
  EXPECT_EQ(FormatLinkerCode(code), "0,1,0,1,(1234,6319)");

  LinkerCode empty;
  empty.suppressed = "old";
  EXPECT_EQ(ReadLinkerCode("0,0,0,1,()", &empty), 5);
  EXPECT_EQ(empty.suppressed, "");

  LinkerCode partial;
  partial.suppressed = "old";
  EXPECT_EQ(ReadLinkerCode("1,1", &partial), 2);
  EXPECT_EQ(partial.rwpi, 1);
  EXPECT_EQ(partial.noScanLib, 0);
  EXPECT_EQ(partial.suppressed, "old");
}

TEST(Address, HexadecimalWithOrWithoutPrefix) {
  uint32_t address = 1;
  EXPECT_TRUE(ReadAddress("0x40000000", &address));
  EXPECT_EQ(address, 0x40000000u);
  EXPECT_TRUE(ReadAddress("8000", &address));
  EXPECT_EQ(address, 0x8000u);
  EXPECT_FALSE(ReadAddress("none", &address));
  EXPECT_EQ(address, 0x8000u);
  EXPECT_EQ(FormatAddress(0xABCD), "0x0000ABCD");
}

TEST(AssemblerListing, FirstAndThirdCharacters) {
  struct Case {
    const char* text;
    bool listing;
    bool xref;
  } cases[] = {{"1,1", true, true}, {"1,0", true, false}, {"0,1", false, true},
               {"1", true, false},  {"", false, false},   {nullptr, false, false}};
  for (const Case& c : cases) {
    AssemblerListing value = ReadAssemblerListing(c.text);
    EXPECT_EQ(value.listing, c.listing) << (c.text ? c.text : "null");
    EXPECT_EQ(value.xref, c.xref) << (c.text ? c.text : "null");
  }
  EXPECT_EQ(FormatAssemblerListing({true, false}), "1,0");
}

TEST(DebugValues, ScriptsKeepTheirParenthesesAndBrokenValuesKeepTheRest) {
  SimulatorDebug simulator{1, 0, "C:\\x(1).ini"};
  EXPECT_EQ(FormatSimulatorDebug(simulator), "1,0,(C:\\x<1>.ini),()");
  SimulatorDebug readBack;
  EXPECT_EQ(ReadSimulatorDebug("1,0,(C:\\x<1>.ini),()", &readBack), 3);
  EXPECT_EQ(readBack.runToMain, 1);
  EXPECT_EQ(readBack.script, "C:\\x(1).ini");

  HardwareDebug hardware;
  EXPECT_EQ(ReadHardwareDebug("1,1,0,(init.ini)", &hardware), 4);
  EXPECT_EQ(hardware.download, 0);
  EXPECT_EQ(hardware.script, "init.ini");
  EXPECT_EQ(FormatHardwareDebug(hardware), "1,1,0,(init.ini)");
  SimulatorDebug broken{5, 5, "kept"};
  EXPECT_EQ(ReadSimulatorDebug("0;1", &broken), 1);
  EXPECT_EQ(broken.loadDebugInfo, 5);
  EXPECT_EQ(broken.script, "kept");
  EXPECT_EQ(ReadSimulatorDebug("0,1,(),()", &broken), 3);
  EXPECT_EQ(broken.script, "");
  HardwareDebug unscripted{5, 5, 5, "kept"};
  EXPECT_EQ(ReadHardwareDebug("1,1,1", &unscripted), 3);
  EXPECT_EQ(unscripted.script, "kept");
}

TEST(DriverChoice, TypeNumberAndPath) {
  DriverChoice driver;
  EXPECT_EQ(ReadDriverChoice("(AGDI 2),(C:\\drv<1>.dll)", &driver), 2);
  EXPECT_EQ(driver.typeName, "AGDI");
  EXPECT_EQ(driver.number, 2);
  EXPECT_EQ(driver.path, "C:\\drv(1).dll");
  EXPECT_EQ(FormatDriverChoice(driver), "(AGDI 2),(C:\\drv<1>.dll)");

  DriverChoice none{"kept", 4, "kept"};
  EXPECT_EQ(ReadDriverChoice("(),()", &none), 2);
  EXPECT_EQ(none.typeName, "kept");  // an empty first part names no driver
  EXPECT_EQ(none.path, "");
  EXPECT_EQ(FormatDriverChoice(DriverChoice{}), "(),()");

  DriverChoice nameOnly{"kept", 4, "kept"};
  EXPECT_EQ(ReadDriverChoice("(RDI),(x.dll)", &nameOnly), 2);
  EXPECT_EQ(nameOnly.typeName, "RDI");
  EXPECT_EQ(nameOnly.number, 4);
  EXPECT_EQ(nameOnly.path, "x.dll");
}

}  // namespace
}  // namespace zrt
