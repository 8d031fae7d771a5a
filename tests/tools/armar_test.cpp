// armar stand-in, run for real: the archive bytes, updating and listing, errors.
#include "tests/core/case_file.h"
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

TEST_F(ArmarTest, CreateThenReplaceAndList) {
  ToolRun run = Run("armar", "--create \".\\Target\\lib.lib\"  \"obj\\a.o\" \"obj\\long_member_name.o\"");
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(Read("Target/lib.lib"), zrt::testing::ReadFixtureFile("tools/fixtures/two_members.lib"));
  Write("new/a.o", "NEW A");
  Write("c.o", "CC");
  ASSERT_EQ(Run("armar", "-r Target\\lib.lib new\\a.o c.o").exitCode, 0);
  EXPECT_EQ(Run("armar", "-t Target\\lib.lib").output, Host("a.o\nlong_member_name.o\nc.o\n"));
  EXPECT_NE(Read("Target/lib.lib").find("NEW A"), std::string::npos);
}

}  // namespace
}  // namespace zrt::tools::testing
