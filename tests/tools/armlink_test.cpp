// armlink stand-in, run for real: images, the Program Size summary, listings and the
// linker's errors.
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
    Write("Target/proj.sct", kGeneratedScatter);
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
  std::string image = Read("Target/proj.axf");
  ASSERT_GE(image.size(), 52u);
  EXPECT_EQ(image.substr(0, 4),
            "\x7F"
            "ELF");
  EXPECT_EQ(image[16], 2);  // ET_EXEC
  EXPECT_TRUE(Exists("Target/proj.htm"));
  EXPECT_TRUE(Exists("Target/proj.fed"));
  std::string map = Read("Target/proj.map");
  for (const char* expected :
       {"Section Cross References\n", "Removing Unused input sections from the image.\n", "Veneer Statistics\n",
        "Image Symbol Table\n", "  Image Entry point : 0x00000000\n",
        "  Load Region LOAD_ROM0 (Base: 0x00000000, Size: 0x000007b8, Max: 0xffffffff, ABSOLUTE)\n",
        "    Execution Region EXEC_ROM0 (Exec base: 0x00000000, Load base: 0x00000000, Size: 0x00000758, Max: "
        "0x00080000, ABSOLUTE)\n",
        "    Execution Region DATA_RAM0 (Exec base: 0x40000000, Load base: 0x00000758, Size: 0x00000350, Max: "
        "0x00008000, ABSOLUTE)\n",
        "       500          0        128         32        252          0   a.o\n",
        "      1500          0        380         96        752          0   Object Totals\n",
        "    Total ROM Size (Code + RO Data + RW Data)    1976 (   1.93kB)\n"}) {
    EXPECT_NE(map.find(Host(expected)), std::string::npos) << expected;
  }
}

TEST_F(ArmlinkTest, SameInputsGiveTheSameImage) {
  ASSERT_EQ(Run("armlink", "Target\\a.o Target\\b.o -o one.axf").exitCode, 0);
  ASSERT_EQ(Run("armlink", "Target\\a.o Target\\b.o -o two.axf").exitCode, 0);
  EXPECT_EQ(Read("one.axf"), Read("two.axf"));
  Write("Target/b.o", ObjectB() + "x");
  ASSERT_EQ(Run("armlink", "Target\\a.o Target\\b.o -o three.axf").exitCode, 0);
  EXPECT_NE(Read("one.axf"), Read("three.axf"));
}

TEST_F(ArmlinkTest, BaseAddressesWithoutScatterFile) {
  ToolRun run = Run("armlink",
                    "--ro_base 0x00000000 --entry 0x00000000 --rw_base 0x40000000  --autoat "
                    "--info summarysizes --map Target\\a.o Target\\b.o -o p.axf");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.output.find(Host("  Load Region LR_1 (Base: 0x00000000, Size: 0x000007b8, Max: 0xffffffff")),
            std::string::npos);
  EXPECT_NE(run.output.find(
                Host("    Execution Region ER_RW (Exec base: 0x40000000, Load base: 0x00000758, Size: 0x00000060")),
            std::string::npos);
  EXPECT_NE(run.output.find(
                Host("    Execution Region ER_ZI (Exec base: 0x40000060, Load base: 0x000007b8, Size: 0x000002f0")),
            std::string::npos);
  EXPECT_EQ(run.output.substr(run.output.size() - Host(kProgramSize).size()), Host(kProgramSize));
}

TEST_F(ArmlinkTest, LibraryMembersCountAsInputs) {
  ASSERT_EQ(Run("armar", "--create Target\\ab.lib Target\\a.o Target\\b.o").exitCode, 0);
  ToolRun run = Run("armlink", "Target\\ab.lib --info summarysizes -o p.axf");
  EXPECT_EQ(run.output, Host(kProgramSize));
  EXPECT_EQ(run.exitCode, 0);
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

struct FailureCase {
  const char* arguments;
  const char* output;
};

const FailureCase kFailureCases[] = {
    {"Target\\a.o missing.o -o p.axf",
     "Fatal error: L6002U: Could not open file missing.o: No such file or directory\n"
     "Finished: 0 information, 0 warning, 0 error and 1 fatal error messages.\n"},
    {"Target\\a.o --scatter none.sct -o p.axf",
     "Fatal error: L6031U: Could not open scatter description file none.sct: No such file or directory\n"
     "Finished: 0 information, 0 warning, 0 error and 1 fatal error messages.\n"},
    {"Target\\a.o --scatter unclosed.sct -o p.axf",
     "\"unclosed.sct\", line 6 (column 1): Error: L6228E: Expected '}', found 'EOF'.\n"
     "Finished: 0 information, 0 warning and 1 error messages.\n"},
    {"Target\\a.o --scatter small.sct -o p.axf",
     "Error: L6220E: Load region LR size (660 bytes) exceeds limit (256 bytes).\n"
     "Finished: 0 information, 0 warning and 1 error messages.\n"},
    {"Target\\a.o --scatter pre.sct -o p.axf",
     "\"pre.sct\", line 1 (column 1): Fatal error: L9900U: Preprocessing of scatter files (#!) is not emulated.\n"
     "Finished: 0 information, 0 warning, 0 error and 1 fatal error messages.\n"},
    {"--frobnicate Target\\a.o -o p.axf",
     "Fatal error: L9901U: Unrecognized option '--frobnicate'.\n"
     "Finished: 0 information, 0 warning, 0 error and 1 fatal error messages.\n"},
    {"--info sizes,bogus Target\\a.o -o p.axf",
     "Fatal error: L9901U: Unrecognized option '--info bogus'.\n"
     "Finished: 0 information, 0 warning, 0 error and 1 fatal error messages.\n"},
    {"--ro_base 0xZZ Target\\a.o -o p.axf",
     "Fatal error: L9907U: Invalid integer constant : 0xZZ.\n"
     "Finished: 0 information, 0 warning, 0 error and 1 fatal error messages.\n"},
    {"-o p.axf",
     "Fatal error: L9906U: No input files to link.\n"
     "Finished: 0 information, 0 warning, 0 error and 1 fatal error messages.\n"},
};

TEST_F(ArmlinkTest, FailsLikeTheRealLinkerAndWritesNoImage) {
  Write("unclosed.sct", "LR 0x0 {\n  ER 0x0 {\n   .ANY (+RO)\n  \n}\n");
  Write("small.sct", "LR 0x0 0x100 {\n  ER 0x0 { .ANY (+RO +RW +ZI) }\n}\n");
  Write("pre.sct", "#! armcc -E\nLR 0x0 { ER 0x0 { .ANY (+RO) } }\n");
  for (const FailureCase& row : kFailureCases) {
    ToolRun run = Run("armlink", row.arguments);
    EXPECT_EQ(run.exitCode, 1) << row.arguments;
    EXPECT_EQ(run.output, Host(row.output)) << row.arguments;
    EXPECT_FALSE(Exists("p.axf")) << row.arguments;
  }
}

}  // namespace
}  // namespace zrt::tools::testing
