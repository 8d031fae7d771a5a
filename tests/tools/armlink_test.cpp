// armlink stand-in, run for real: images, the Program Size summary, listings and the
// linker's errors.
#include "tests/core/case_file.h"
#include "tests/tools/link_test_support.h"
#include "tests/tools/tool_test_support.h"

namespace zrt::tools::testing {
namespace {

constexpr char kProgramSize[] = "Program Size: Code=1500 RO-data=380 RW-data=96 ZI-data=752  \n";

class ArmlinkTest : public ToolTest {
 protected:
  void SetUp() override {
    Write("Target/a.o", ObjectA());
    Write("Target/b.o", ObjectB());
    // The description the plug-in generates for ROM at 0 and RAM at 0x40000000.
    Write("Target/proj.sct", zrt::testing::ReadFixtureFile("build/fixtures/scatter/OnChipAreasOnly.sct"));
  }
};

TEST_F(ArmlinkTest, LinksTheBuildsCommandLineAndPrintsTheProgramSize) {
  ToolRun run = Run("armlink",
                    " \".\\Target\\a.o\" \".\\Target\\b.o\" --entry 0x0 --scatter \".\\Target\\proj.sct\" --autoat "
                    "--summary_stderr --info summarysizes --libpath \"C:\\Keil\\ARM\\RV31\\LIB\" --strict "
                    "--info veneers --info unused --info totals --info sizes --xref --symbols --callgraph --map  "
                    "--list \".\\Target\\proj.map\" --feedback \".\\Target\\proj.fed\" --library_type=microlib "
                    "-o \".\\Target\\proj.axf\"");
  EXPECT_EQ(run.output, Host(kProgramSize));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(Read("Target/proj.axf").substr(0, 4), "\x7F" "ELF");
  EXPECT_TRUE(Exists("Target/proj.htm"));
  EXPECT_TRUE(Exists("Target/proj.fed"));
  std::string map = Read("Target/proj.map");
  for (const zrt::testing::CaseRow& row : zrt::testing::ReadCaseFile("tools/fixtures/proj_map_lines.txt")) {
    EXPECT_NE(map.find(Host(row[0] + "\n")), std::string::npos) << row[0];
  }
}

TEST_F(ArmlinkTest, UnmatchedModulePatternWarnsAndStillLinks) {
  Write("w.sct", "LR 0x0 {\n  ER 0x0 { .ANY (+RO) }\n  RAM 0x20000000 {\n   uart.o (+RW)\n   .ANY (+RW +ZI)\n  }\n}\n");
  ToolRun run = Run("armlink", "--scatter w.sct --info summarysizes Target\\a.o Target\\b.o -o p.axf");
  EXPECT_EQ(run.output,
            Host("\"w.sct\", line 4 (column 4): Warning: L6314W: No section matches pattern uart.o(+RW).\n" +
                 std::string(kProgramSize) + "Finished: 0 information, 1 warning and 0 error messages.\n"));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(Exists("p.axf"));
}

TEST_F(ArmlinkTest, FailsLikeTheRealLinkerAndWritesNoImage) {
  Write("unclosed.sct", "LR 0x0 {\n  ER 0x0 {\n   .ANY (+RO)\n  \n}\n");
  Write("small.sct", "LR 0x0 0x100 {\n  ER 0x0 { .ANY (+RO +RW +ZI) }\n}\n");
  ExpectRefusals("armlink");
  EXPECT_FALSE(Exists("p.axf"));
}

}  // namespace
}  // namespace zrt::tools::testing
