// Every emulated tool says plainly what it is, in --vsn and --help.
#include "tests/tools/tool_test_support.h"

namespace zrt::tools::testing {
namespace {

class BannerTest : public ToolTest {};

TEST_F(BannerTest, VersionAndHelpSayItIsAnEmulator) {
  const std::pair<const char*, const char*> kBanners[] = {
      {"armcc", "armcc stand-in, not a compiler.\n"},     {"armasm", "armasm stand-in, not an assembler.\n"},
      {"armlink", "armlink stand-in, not a linker.\n"},   {"fromelf", "fromelf stand-in, not an image converter.\n"},
      {"armar", "armar stand-in, not a librarian.\n"},
  };
  for (const auto& [tool, what] : kBanners) {
    std::string banner = "ZRTSettings ARM tool emulator: " + std::string(what);
    ToolRun run = Run(tool, "--vsn");
    EXPECT_EQ(run.exitCode, 0) << tool;
    EXPECT_EQ(run.output, Host(banner + "Tool: " + tool + " [ZRTSettings emulator]\n"));
    run = Run(tool, "");
    EXPECT_EQ(run.output.rfind(Host(banner), 0), 0u) << tool;
    EXPECT_NE(run.output.find(Host("\nUsage: ") + tool + " "), std::string::npos) << tool;
  }
}

}  // namespace
}  // namespace zrt::tools::testing
