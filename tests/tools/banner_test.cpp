// Every emulated tool says plainly what it is, in --vsn and --help, and helps a person.
#include "tests/tools/tool_test_support.h"

namespace zrt::tools::testing {
namespace {

struct BannerCase {
  const char* tool;
  const char* banner;
};

const BannerCase kBanners[] = {
    {"armcc", "ZRTSettings ARM tool emulator: armcc stand-in, not a compiler.\n"},
    {"armasm", "ZRTSettings ARM tool emulator: armasm stand-in, not an assembler.\n"},
    {"armlink", "ZRTSettings ARM tool emulator: armlink stand-in, not a linker.\n"},
    {"fromelf", "ZRTSettings ARM tool emulator: fromelf stand-in, not an image converter.\n"},
    {"armar", "ZRTSettings ARM tool emulator: armar stand-in, not a librarian.\n"},
};

class BannerTest : public ToolTest {};

TEST_F(BannerTest, VersionLineSaysItIsAnEmulator) {
  for (const BannerCase& row : kBanners) {
    ToolRun run = Run(row.tool, "--vsn");
    EXPECT_EQ(run.exitCode, 0) << row.tool;
    EXPECT_EQ(run.output, Host(row.banner + std::string("Tool: ") + row.tool + " [ZRTSettings emulator]\n"));
  }
}

TEST_F(BannerTest, HelpStartsWithTheBannerAndListsTheOptions) {
  for (const BannerCase& row : kBanners) {
    for (const char* arguments : {"--help", ""}) {
      ToolRun run = Run(row.tool, arguments);
      EXPECT_EQ(run.exitCode, 0) << row.tool;
      EXPECT_EQ(run.output.rfind(Host(row.banner), 0), 0u) << row.tool;
      EXPECT_NE(run.output.find(Host("\nUsage: ") + row.tool + " "), std::string::npos) << row.tool;
      EXPECT_NE(run.output.find(Host("  --via <value>")), std::string::npos) << row.tool;
    }
  }
}

}  // namespace
}  // namespace zrt::tools::testing
