// armasm stand-in, run for real: INCLUDE and GET in the dependency file, the listing,
// diagnostics and command-line errors.
#include "tests/tools/tool_test_support.h"

namespace zrt::tools::testing {
namespace {

class ArmasmTest : public ToolTest {
 protected:
  void SetUp() override {
    Write("asm/start.s",
          "; startup code\n        INCLUDE defs.inc\nStart   GET     \"more.inc\" ; settings\n"
          "Reset_Handler PROC\n        LDR     R0, =0\n        ENDP\n        INCLUDE defs.inc\n");
    Write("asm/defs.inc", "X EQU 1\n");
    Write("inc/more.inc", "Y EQU 2\n");
  }
};

TEST_F(ArmasmTest, IncludeAndGetFilesGoIntoTheDependencyFile) {
  ToolRun run = Run("armasm",
                    "--pd \"__MICROLIB SETA 1\" --bi --cpu Cortex-M3  --device DARMSTM -I\".\\inc\" "
                    "-o \".\\Target\\start.o\"  -g --dwarf2 --apcs=interwork --16 --split_ldm --nowarn "
                    "--depend .\\Target\\start.d asm\\start.s");
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(Read("Target/start.d"), Host(".\\Target\\start.o: asm\\start.s\n.\\Target\\start.o: asm\\defs.inc\n"
                                         ".\\Target\\start.o: .\\inc\\more.inc\n.\\Target\\start.o: asm\\defs.inc\n"));
  std::string object = Read("Target/start.o");
  EXPECT_EQ(object.substr(0, 6), std::string("\x7F"
                                             "ELF\x01\x02",
                                             6));
  EXPECT_NE(object.find("Y EQU 2"), std::string::npos);
}

TEST_F(ArmasmTest, ListingNumbersTheLinesAndXrefListsTheLabels) {
  ASSERT_EQ(Run("armasm", "-I inc --list \".\\List\\start.lst\" --xref -o start.o asm\\start.s").exitCode, 0);
  EXPECT_EQ(Read("List/start.lst"),
            Host("ZRTSettings ARM tool emulator: assembler listing of asm\\start.s (no code generated)\n\n"
                 "        1 00000000        ; startup code\n"
                 "        2 00000000                INCLUDE defs.inc\n"
                 "        3 00000004        Start   GET     \"more.inc\" ; settings\n"
                 "        4 00000008        Reset_Handler PROC\n"
                 "        5 0000000c                LDR     R0, =0\n"
                 "        6 00000010                ENDP\n"
                 "        7 00000014                INCLUDE defs.inc\n"
                 "\nSymbol cross reference\n"
                 "\nSymbol: Reset_Handler\n   Definitions\n      At line 4 in file asm\\start.s\n"
                 "\nSymbol: Start\n   Definitions\n      At line 3 in file asm\\start.s\n"));
  ASSERT_EQ(Run("armasm", "-Iinc --list plain.lst -o start.o asm\\start.s").exitCode, 0);
  EXPECT_EQ(Read("plain.lst").find("Symbol"), std::string::npos);
}

struct DiagnosticCase {
  const char* source;
  const char* arguments;
  int exitCode;
  const char* output;
};

const DiagnosticCase kDiagnosticCases[] = {
    {"  #warning slow path\n", "-o w.o src.s", 0,
     "\"src.s\", line 1: Warning: A9901W: #warning directive: slow path\n0 Errors, 1 Warning\n"},
    {"#error wrong core ; comment\n        INCLUDE none.inc\n        INCLUDE never.inc\n", "-o e.o src.s", 1,
     "\"src.s\", line 1: Error: A9900E: #error directive: wrong core\n"
     "\"src.s\", line 2: Error: A1023E: File \"none.inc\" could not be opened: No such file or directory\n"
     "2 Errors, 0 Warnings\n"},
    {"", "-o n.o none.s", 1,
     "Fatal error: A1023E: File \"none.s\" could not be opened: No such file or directory\n1 Error, 0 Warnings\n"},
    {"", "--target=armv7em-arm-none-eabi src.s", 1,
     "Fatal error: A3900U: Unrecognized option '--target=armv7em-arm-none-eabi'.\n1 Error, 0 Warnings\n"},
    {"", "src.s --list", 1, "Fatal error: A3901U: Missing argument for option 'list'.\n1 Error, 0 Warnings\n"},
    {"", "a.s b.s", 1,
     "Fatal error: A9903U: The emulator assembles exactly one source file per run.\n1 Error, 0 Warnings\n"},
};

TEST_F(ArmasmTest, ReportsLikeTheRealAssembler) {
  int number = 0;
  for (const DiagnosticCase& row : kDiagnosticCases) {
    SCOPED_TRACE(row.arguments);
    EnterSubfolder("case" + std::to_string(++number));
    Write("src.s", row.source);
    ToolRun run = Run("armasm", row.arguments);
    EXPECT_EQ(run.exitCode, row.exitCode);
    EXPECT_EQ(run.output, Host(row.output));
  }
}

TEST_F(ArmasmTest, CpuListWithEqualsAnswersTheList) {
  ToolRun run = Run("armasm", "--cpu=list");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.output.find(Host(" --cpu=Cortex-M0\n")), std::string::npos);
}

}  // namespace
}  // namespace zrt::tools::testing
