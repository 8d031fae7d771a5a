// armasm stand-in, run for real: INCLUDE and GET in the dependency file, the listing,
// diagnostics and command-line errors.
#include "tests/core/case_file.h"
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

TEST_F(ArmasmTest, IncludesGoIntoTheDependencyFileAndTheListingNumbersTheLines) {
  ToolRun run = Run("armasm",
                    "--pd \"__MICROLIB SETA 1\" --bi --cpu Cortex-M3  --device DARMSTM -I\".\\inc\" "
                    "-o \".\\Target\\start.o\"  -g --dwarf2 --apcs=interwork --16 --split_ldm --nowarn "
                    "--list \".\\List\\start.lst\" --xref --depend .\\Target\\start.d asm\\start.s");
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(Read("Target/start.d"), Host(".\\Target\\start.o: asm\\start.s\n.\\Target\\start.o: asm\\defs.inc\n"
                                         ".\\Target\\start.o: .\\inc\\more.inc\n.\\Target\\start.o: asm\\defs.inc\n"));
  EXPECT_EQ(Read("Target/start.o").substr(0, 6), std::string("\x7F" "ELF\x01\x02", 6));  // big-endian
  EXPECT_EQ(Read("List/start.lst"), Host(zrt::testing::ReadFixtureFile("tools/fixtures/start.lst")));
}

TEST_F(ArmasmTest, ReportsLikeTheRealAssembler) {
  Write("w.s", "  #warning slow path\n");
  ToolRun run = Run("armasm", "-o w.o w.s");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, Host("\"w.s\", line 1: Warning: A9901W: #warning directive: slow path\n0 Errors, 1 Warning\n"));
  Write("e.s", "#error wrong core ; comment\n        INCLUDE none.inc\n        INCLUDE never.inc\n");
  ExpectRefusals("armasm");
}

}  // namespace
}  // namespace zrt::tools::testing
