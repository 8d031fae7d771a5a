// armcc stand-in, run for real: dependency files, diagnostics, listings, the CPU list
// and command-line errors.
#include <utility>
#include <vector>

#include "tests/tools/tool_test_support.h"

namespace zrt::tools::testing {
namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

struct CompileCase {
  const char* name;
  Files files;
  const char* arguments;
  int exitCode;
  const char* output;      // '\n' line ends
  const char* dependency;  // of out.d; nullptr when no dependency file may be written
};

const CompileCase kCompileCases[] = {
    {"includes resolve against the source folder and -I; repeats are kept",
     {{"User/main.c", "#include \"main.h\"\n#include \"stm32.h\"\nint main(void) { return 0; }\n"},
      {"User/main.h", "#include \"stm32.h\"\n"},
      {"Start/stm32.h", "#ifndef STM32_H\n#define STM32_H\n#include \"core_cm3.h\"\n#endif\n"},
      {"Start/core_cm3.h", "/* core */\n"}},
     "-c -I.\\Start -o \".\\Target\\main.o\" --depend \".\\out.d\" User\\main.c",
     0,
     "",
     ".\\Target\\main.o: User\\main.c\n.\\Target\\main.o: User\\main.h\n.\\Target\\main.o: .\\Start\\stm32.h\n"
     ".\\Target\\main.o: .\\Start\\core_cm3.h\n.\\Target\\main.o: .\\Start\\stm32.h\n"},
    {"system headers come from -J; unknown ones and commented includes are skipped",
     {{"main.c",
       "#include <stdio.h>\n#include <no_such_system.h>\n// #include \"line.h\"\n/* #include \"block.h\"\n"
       "   #error not here */ int x; /* \" */\n"},
      {"inc/stdio.h", ""}},
     "-c -J\"inc\" -o main.o --depend out.d main.c",
     0,
     "",
     "main.o: main.c\nmain.o: inc\\stdio.h\n"},
    {"an include that cannot be found is error #5 and ends the compile",
     {{"main.c", "#include \"here.h\"\n#include \"gone.h\"\n#error never reached\n"}, {"here.h", ""}},
     "-c -o main.o --depend out.d main.c",
     1,
     "\"main.c\", line 2: Error:  #5: cannot open source input file \"gone.h\": No such file or directory\n"
     "  #include \"gone.h\"\n  ^\nmain.c: 0 warnings, 1 error\n",
     nullptr},
};

class ArmccTest : public ToolTest {};

TEST_F(ArmccTest, CompilesLikeTheRealCompiler) {
  int number = 0;
  for (const CompileCase& row : kCompileCases) {
    SCOPED_TRACE(row.name);
    EnterSubfolder("case" + std::to_string(++number));
    for (const auto& [path, content] : row.files) Write(path, content);
    ToolRun run = Run("armcc", row.arguments);
    EXPECT_EQ(run.exitCode, row.exitCode);
    EXPECT_EQ(run.output, Host(row.output));
    EXPECT_EQ(Read("out.d"), row.dependency ? Host(row.dependency) : "<missing>");
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
