// armar stand-in, run for real: the archive bytes, updating and listing, errors.
#include "tests/tools/tool_test_support.h"

namespace zrt::tools::testing {
namespace {

class ArmarTest : public ToolTest {
 protected:
  void SetUp() override {
    Write("obj/a.o", "AAA");
    Write("obj/long_member_name.o", "BB");
  }
};

TEST_F(ArmarTest, CreateWritesTheArchiveFormat) {
  ToolRun run = Run("armar", "--create \".\\Target\\lib.lib\"  \"obj\\a.o\" \"obj\\long_member_name.o\"");
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(Read("Target/lib.lib"),
            "!<arch>\n"
            "//              0           0     0     100644  20        `\n"
            "long_member_name.o/\n"
            "a.o/            0           0     0     100644  3         `\n"
            "AAA\n"
            "/0              0           0     0     100644  2         `\n"
            "BB");
}

TEST_F(ArmarTest, ReplaceUpdatesMembersAndListShowsThem) {
  ASSERT_EQ(Run("armar", "--create lib.lib obj\\a.o obj\\long_member_name.o").exitCode, 0);
  Write("new/a.o", "NEW A");
  Write("c.o", "CC");
  ToolRun run = Run("armar", "-r lib.lib new\\a.o c.o");
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 0);
  run = Run("armar", "-t lib.lib");
  EXPECT_EQ(run.output, Host("a.o\nlong_member_name.o\nc.o\n"));
  EXPECT_NE(Read("lib.lib").find("NEW A"), std::string::npos);
  EXPECT_EQ(Read("lib.lib").find("AAA"), std::string::npos);
  ASSERT_EQ(Run("armar", "-r fresh.lib c.o").exitCode, 0);
  EXPECT_EQ(Run("armar", "-t fresh.lib").output, Host("c.o\n"));
}

struct FailureCase {
  const char* arguments;
  const char* output;
};

const FailureCase kFailureCases[] = {
    {"--create out.lib obj\\a.o gone.o", "Error: L6833E: File 'gone.o' does not exist\n"},
    {"out.lib obj\\a.o", "Error: L6839E: One of the actions -[dmpqrtx] must be specified\n"},
    {"--create", "Fatal error: L9906U: No library given.\n"},
    {"-t none.lib", "Fatal error: L6002U: Could not open file none.lib: No such file or directory\n"},
    {"-t obj\\a.o", "Fatal error: L9909U: obj\\a.o is not a valid library: not a library\n"},
    {"-x out.lib", "Fatal error: L9901U: Unrecognized option '-x'.\n"},
};

TEST_F(ArmarTest, FailsLikeTheRealLibrarian) {
  for (const FailureCase& row : kFailureCases) {
    ToolRun run = Run("armar", row.arguments);
    EXPECT_EQ(run.exitCode, 1) << row.arguments;
    EXPECT_EQ(run.output, Host(row.output)) << row.arguments;
  }
  EXPECT_FALSE(Exists("out.lib"));
}

}  // namespace
}  // namespace zrt::tools::testing
