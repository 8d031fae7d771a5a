// fromelf stand-in, run for real on images of the armlink stand-in: Intel HEX against
// the binary, multi-region binaries, and errors.
#include "tests/core/case_file.h"
#include "tests/tools/link_test_support.h"
#include "tests/tools/tool_test_support.h"

namespace zrt::tools::testing {
namespace {

// The number of data bytes the type-00 records of an Intel HEX text hold.
size_t HexDataBytes(const std::string& text) {
  size_t bytes = 0;
  for (size_t at = text.find(':'); at != std::string::npos; at = text.find(':', at + 1)) {
    if (text.compare(at + 7, 2, "00") == 0) bytes += std::stoul(text.substr(at + 1, 2), nullptr, 16);
  }
  return bytes;
}

class FromelfTest : public ToolTest {
 protected:
  void SetUp() override {
    Write("a.o", ObjectA());
    Write("b.o", ObjectB());
    Write("two.sct", zrt::testing::ReadFixtureFile("tools/fixtures/two_regions.sct"));  // b.o's read-only part in the second
  }
};

TEST_F(FromelfTest, HexAndBinaryHoldWhatTheLoadRegionsStore) {
  ASSERT_EQ(Run("armlink", "a.o b.o --ro_base 0x0800FC00 --entry 0x0800FC01 -o p.axf").exitCode, 0);
  ToolRun run = Run("fromelf", "\"p.axf\" --i32combined --output \"out.hex\"");
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 0);
  ASSERT_EQ(Run("fromelf", "\"p.axf\" --bin --output \"out.bin\"").exitCode, 0);
  EXPECT_EQ(Read("out.bin").size(), 1500u + 380u + 96u);  // Code + RO-data + RW-data
  std::string hex = Read("out.hex");
  EXPECT_EQ(HexDataBytes(hex), 1500u + 380u + 96u);
  EXPECT_EQ(hex.rfind(Host(":020000040800F2\n:10FC0000"), 0), 0u);
  EXPECT_NE(hex.find(Host(":020000040801F1\n")), std::string::npos);  // crosses 64 KB
  EXPECT_NE(hex.find(Host(":040000050800FC01F2\n:00000001FF\n")), std::string::npos);
}

TEST_F(FromelfTest, SeveralLoadRegionsGiveOneBinaryPerRegion) {
  ASSERT_EQ(Run("armlink", "a.o b.o --scatter two.sct -o two.axf").exitCode, 0);
  ToolRun run = Run("fromelf", "--bin two.axf -o out.bin");
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 0);
  // ER_FLASH: a.o's read-only part and both read-write parts; ER_EXTRA: b.o's read-only part.
  EXPECT_EQ(Read("out.bin/ER_FLASH").size(), 628u + 96u);
  EXPECT_EQ(Read("out.bin/ER_EXTRA").size(), 1252u);
}

TEST_F(FromelfTest, FailsLikeTheRealConverter) {
  ASSERT_EQ(Run("armlink", "a.o b.o --scatter two.sct -o two.axf").exitCode, 0);
  Write("taken.bin", "a file, not a folder");
  ExpectRefusals("fromelf");
  EXPECT_FALSE(Exists("x.hex"));
}

}  // namespace
}  // namespace zrt::tools::testing
