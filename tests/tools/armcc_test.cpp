// armcc stand-in, run for real: dependency files, diagnostics, listings, the CPU list
// and command-line errors.
#include "tests/core/case_file.h"
#include "tests/tools/tool_test_support.h"

namespace zrt::tools::testing {
namespace {

class ArmccTest : public ToolTest {};

TEST_F(ArmccTest, CompilesLikeTheRealCompiler) {
  int number = 0;
  for (const zrt::testing::CaseRow& row : zrt::testing::ReadCaseFile("tools/fixtures/compile_cases.txt")) {
    SCOPED_TRACE(row[0]);
    EnterSubfolder("case" + std::to_string(++number));
    for (size_t i = 5; i < row.size(); ++i) {
      size_t equals = row[i].find('=');
      Write(row[i].substr(0, equals), row[i].substr(equals + 1));
    }
    ToolRun run = Run("armcc", row[1]);
    EXPECT_EQ(std::to_string(run.exitCode), row[2]);
    EXPECT_EQ(run.output, Host(row[3]));
    EXPECT_EQ(Read("out.d"), row[4] == "<missing>" ? row[4] : Host(row[4]));
  }
}

TEST_F(ArmccTest, AcceptsTheOptionsTheBuildEmitsAndWritesTheListing) {
  Write("main.c", "int a;\nint b;\n");
  std::string arguments =
      " --omf_browse \".crf\"  -D__MICROLIB --bi -DDEBUG -DVER=2 -I\"..\\inc\" -I\"..\\lib\" -I\"C:\\Keil\\CMSIS\" "
      "--cpu \"Cortex-M4.fp\" -c --device DARMSTM -I\"C:\\Keil\\INC\\ST\" -o \".\\Target\\main.o\" "
      "--depend \".\\Target\\main.d\"  --c99 -g --dwarf2 -O2 -Otime --apcs=interwork --apcs=interwork "
      "--apcs=/ropi --apcs=/rwpi --thumb --split_sections --split_ldm --strict --enum_is_int --signed_chars -W "
      "--asm --interleave -J\"C:\\Keil\\RV31\\INC\" -g --dwarf2 \"main.c\"";
  ToolRun run = Run("armcc", arguments);
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(Read("Target/main.d"), Host(".\\Target\\main.o: main.c\n"));
  EXPECT_EQ(Read("Target/main.txt"),
            Host("; ZRTSettings ARM tool emulator: listing of main.c (no code generated)\n;;;1    int a;\n"
                 ";;;2    int b;\n"));
}

TEST_F(ArmccTest, RefusesBadCommandLinesLikeTheRealCompiler) {
  Write("main.c", "int x;\n");
  ExpectRefusals("armcc");
  EXPECT_FALSE(Exists("main.o"));
}

}  // namespace
}  // namespace zrt::tools::testing
