#include "src/config/section_values.h"

#include <gtest/gtest.h>

#include <functional>

namespace zrt {
namespace {

// A stored value read into a record that held "old" values, then written again: the count
// of fields read and the text written show every field, the ones kept included.
struct ValueCase {
  const char* text;
  int expectedCount;
  const char* written;
};

void ExpectReadThenWritten(const std::vector<ValueCase>& cases, const std::function<std::string(const char*, int*)>& read) {
  for (const ValueCase& c : cases) {
    int count = -1;
    EXPECT_EQ(read(c.text, &count), c.written) << (c.text ? c.text : "null");
    EXPECT_EQ(count, c.expectedCount) << (c.text ? c.text : "null");
  }
}

TEST(SectionValues, FlagsReadAsManyAsParseAndKeepTheRest) {
  ExpectReadThenWritten({{"1,0,1,0,1,1", 6, "1,0,1,0,1,1"}, {"2,1,2", 3, "2,1,2,9,9,9"}, {"1,x,1,1,1,1", 1, "1,9,9,9,9,9"},
                         {"", 0, "9,9,9,9,9,9"}, {nullptr, 0, "9,9,9,9,9,9"}},
                        [](const char* text, int* count) {
                          int flags[6] = {9, 9, 9, 9, 9, 9};
                          *count = ReadFlags(text, flags, 6);
                          return FormatFlags(flags, 6);
                        });
}

TEST(SectionValues, UserCommandsKeepTheirParenthesesAndMissingHalves) {
  UserCommand pair[2];
  EXPECT_EQ(ReadUserCommands("1,(copy <a>.bin)#0,(make.bat)", pair), 4);
  EXPECT_EQ(pair[0].command, "copy (a).bin");
  ExpectReadThenWritten({{"1,(copy <a>.bin)#0,(make.bat)", 4, "1,(copy <a>.bin)#0,(make.bat)"},
                         {"0,()#0,()", 4, "0,()#0,()"},
                         {"1,(a.bat)", 2, "1,(a.bat)#7,(old)"},  // no "#": only the first slot
                         {"1,(a.bat)#1", 3, "1,(a.bat)#1,(old)"},
                         {"x", 0, "7,(old)#7,(old)"},
                         {"1,(never closed", 2, "1,(never closed)#7,(old)"}},
                        [](const char* text, int* count) {
                          UserCommand read[2] = {{7, "old"}, {7, "old"}};
                          *count = ReadUserCommands(text, read);
                          return FormatUserCommands(read);
                        });
}

TEST(SectionValues, LinkerCodeFlaggedPathAddressAndListing) {
  ExpectReadThenWritten({{"0,1,0,1,(1234,6319)", 5, "0,1,0,1,(1234,6319)"}, {"0,0,0,1,()", 5, "0,0,0,1,()"},
                         {"1,1", 2, "1,1,0,0,(old)"}},
                        [](const char* text, int* count) {
                          LinkerCode code;
                          code.suppressed = "old";
                          *count = ReadLinkerCode(text, &code);
                          return FormatLinkerCode(code);
                        });
  FlaggedPath name = ReadFlaggedPath("1,C:\\out,put\\demo");
  EXPECT_EQ(FormatFlaggedPath(name), "1,C:\\out,put\\demo");
  EXPECT_EQ(name.path, "C:\\out,put\\demo");
  EXPECT_EQ(FormatFlaggedPath(ReadFlaggedPath("0")), "0,");
  EXPECT_EQ(ReadFlaggedPath(nullptr).path, "");
  uint32_t address = 1;
  EXPECT_TRUE(ReadAddress("0x40000000", &address) && address == 0x40000000u);
  EXPECT_TRUE(ReadAddress("8000", &address) && address == 0x8000u);
  EXPECT_FALSE(ReadAddress("none", &address));
  EXPECT_EQ(FormatAddress(0xABCD), "0x0000ABCD");
  for (const char* text : {"1,1", "1,0", "0,1"}) EXPECT_EQ(FormatAssemblerListing(ReadAssemblerListing(text)), text);
  EXPECT_EQ(FormatAssemblerListing(ReadAssemblerListing("1")), "1,0");
  EXPECT_EQ(FormatAssemblerListing(ReadAssemblerListing(nullptr)), "0,0");
}

TEST(SectionValues, DebugScriptsKeepTheirParenthesesAndBrokenValuesKeepTheRest) {
  ExpectReadThenWritten({{"1,0,(C:\\x<1>.ini),()", 3, "1,0,(C:\\x<1>.ini),()"}, {"0;1", 1, "0,5,(kept),()"},
                         {"0,1,(),()", 3, "0,1,(),()"}},
                        [](const char* text, int* count) {
                          SimulatorDebug simulator{5, 5, "kept"};
                          *count = ReadSimulatorDebug(text, &simulator);
                          return FormatSimulatorDebug(simulator);
                        });
  ExpectReadThenWritten({{"1,1,0,(init.ini)", 4, "1,1,0,(init.ini)"}, {"1,1,1", 3, "1,1,1,(kept)"}},
                        [](const char* text, int* count) {
                          HardwareDebug hardware{5, 5, 5, "kept"};
                          *count = ReadHardwareDebug(text, &hardware);
                          return FormatHardwareDebug(hardware);
                        });
  ExpectReadThenWritten({{"(AGDI 2),(C:\\drv<1>.dll)", 2, "(AGDI 2),(C:\\drv<1>.dll)"},
                         {"(),()", 2, "(kept 4),()"},  // an empty first part names no driver
                         {"(RDI),(x.dll)", 2, "(RDI 4),(x.dll)"}},
                        [](const char* text, int* count) {
                          DriverChoice driver{"kept", 4, "kept"};
                          *count = ReadDriverChoice(text, &driver);
                          return FormatDriverChoice(driver);
                        });
  SimulatorDebug simulator;
  ReadSimulatorDebug("1,0,(C:\\x<1>.ini),()", &simulator);
  EXPECT_EQ(simulator.script, "C:\\x(1).ini");
  EXPECT_EQ(FormatDriverChoice(DriverChoice{}), "(),()");
}

}  // namespace
}  // namespace zrt
