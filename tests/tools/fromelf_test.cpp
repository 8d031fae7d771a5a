// fromelf stand-in, run for real on images of the armlink stand-in: Intel HEX checked
// by the tests' own reader against the binary, multi-region binaries, and errors.
#include "tests/tools/intel_hex_checker.h"
#include "tests/tools/link_test_support.h"
#include "tests/tools/tool_test_support.h"

namespace zrt::tools::testing {
namespace {

class FromelfTest : public ToolTest {
 protected:
  void SetUp() override {
    Write("a.o", ObjectA());
    Write("b.o", ObjectB());
    Write("flash.sct",
          "LR_IROM1 0x08000000 0x00080000  {\n  ER_IROM1 0x08000000 0x00080000  {\n   *.o (RESET, +First)\n"
          "   .ANY (+RO)\n  }\n  RW_IRAM1 0x20000000 0x00010000  {\n   .ANY (+RW +ZI)\n  }\n}\n");
    Write("two.sct", kTwoRegionScatter);
  }

  // Converts image and reads the HEX file back with the tests' reader.
  HexContent Hex(const std::string& image) {
    ToolRun run = Run("fromelf", "\"" + image + "\" --i32combined --output \"out.hex\"");
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.exitCode, 0);
    HexContent content;
    std::string problem;
    EXPECT_TRUE(CheckIntelHex(Read("out.hex"), &content, &problem)) << problem;
    return content;
  }

  // True when memory holds bytes at address, byte for byte.
  static bool Holds(const HexContent& hex, uint32_t address, const std::string& bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
      auto found = hex.memory.find(address + static_cast<uint32_t>(i));
      if (found == hex.memory.end() || found->second != static_cast<uint8_t>(bytes[i])) return false;
    }
    return true;
  }
};

TEST_F(FromelfTest, HexHoldsTheBinaryAtTheLoadAddress) {
  ASSERT_EQ(Run("armlink", "a.o b.o --scatter flash.sct -o p.axf").exitCode, 0);
  HexContent hex = Hex("p.axf");
  ToolRun run = Run("fromelf", "\"p.axf\" --bin --output \"out.bin\"");
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 0);
  std::string binary = Read("out.bin");
  // Code + RO-data + RW-data: everything the load region stores.
  EXPECT_EQ(binary.size(), 1500u + 380u + 96u);
  EXPECT_EQ(hex.memory.size(), binary.size());
  EXPECT_TRUE(Holds(hex, 0x08000000, binary));
  EXPECT_TRUE(hex.hasEntry);
  EXPECT_EQ(hex.entry, 0x08000000u);
  EXPECT_EQ(Read("out.hex").substr(0, Host(":020000040800F2\n").size()), Host(":020000040800F2\n"));
}

TEST_F(FromelfTest, LargeImageCrossesSixtyFourKilobyteBoundaries) {
  Write("big.o", std::string(300000, 'z'));
  ASSERT_EQ(Run("armlink", "big.o --ro_base 0x0000F000 --entry 0x0000F001 -o big.axf").exitCode, 0);
  HexContent hex = Hex("big.axf");
  ASSERT_EQ(Run("fromelf", "big.axf --bin --output big.bin").exitCode, 0);
  std::string binary = Read("big.bin");
  EXPECT_EQ(binary.size(), 150000u + 37500u + 9376u);
  EXPECT_EQ(hex.memory.size(), binary.size());
  EXPECT_TRUE(Holds(hex, 0x0000F000, binary));
  EXPECT_EQ(hex.extendedAddressRecords, 4);
  EXPECT_EQ(hex.entry, 0x0000F001u);
}

TEST_F(FromelfTest, SeveralLoadRegionsGiveOneBinaryPerRegion) {
  ASSERT_EQ(Run("armlink", "a.o b.o --scatter two.sct -o two.axf").exitCode, 0);
  ToolRun run = Run("fromelf", "--bin two.axf -o out.bin");
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 0);
  // ER_FLASH: a.o's read-only part and both read-write parts; ER_EXTRA: b.o's read-only part.
  std::string flash = Read("out.bin/ER_FLASH");
  std::string extra = Read("out.bin/ER_EXTRA");
  EXPECT_EQ(flash.size(), 628u + 96u);
  EXPECT_EQ(extra.size(), 1252u);
  HexContent hex = Hex("two.axf");
  EXPECT_EQ(hex.memory.size(), flash.size() + extra.size());
  EXPECT_TRUE(Holds(hex, 0x08000000, flash));
  EXPECT_TRUE(Holds(hex, 0x08100000, extra));
}

struct FailureCase {
  const char* arguments;
  const char* output;
};

const FailureCase kFailureCases[] = {
    {"none.axf --i32combined --output x.hex",
     "Error: Q9908E: Could not open file 'none.axf': No such file or directory\n"
     "Finished: 0 information, 0 warning and 1 error messages.\n"},
    {"a.o --i32combined --output x.hex",
     "Error: Q9909E: 'a.o' is not an image: not a 32-bit ELF file\n"
     "Finished: 0 information, 0 warning and 1 error messages.\n"},
    {"m.o --i32combined --output x.hex",
     "Error: Q9909E: 'm.o' is not an image: not an executable image\n"
     "Finished: 0 information, 0 warning and 1 error messages.\n"},
    {"two.axf --output x.hex",
     "Error: Q9906E: No output format given (--i32, --bin).\nFinished: 0 information, 0 warning and 1 error "
     "messages.\n"},
    {"two.axf --bin",
     "Error: Q9907E: No output file given (--output).\nFinished: 0 information, 0 warning and 1 error messages.\n"},
    {"two.axf --bin --output taken.bin",
     "Error: Q0147E: Failed to create Directory taken.bin\\ER_FLASH: File exists\n"
     "Finished: 0 information, 0 warning and 1 error messages.\n"},
    {"-cvf two.axf -o x.txt",
     "Fatal error: Q9901U: Unrecognized option '-cvf'.\n"
     "Finished: 0 information, 0 warning, 0 error and 1 fatal error messages.\n"},
};

TEST_F(FromelfTest, FailsLikeTheRealConverter) {
  ASSERT_EQ(Run("armlink", "a.o b.o --scatter two.sct -o two.axf").exitCode, 0);
  Write("m.c", "int m;\n");
  ASSERT_EQ(Run("armcc", "-c -o m.o m.c").exitCode, 0);
  Write("taken.bin", "a file, not a folder");
  for (const FailureCase& row : kFailureCases) {
    ToolRun run = Run("fromelf", row.arguments);
    EXPECT_EQ(run.exitCode, 1) << row.arguments;
    EXPECT_EQ(run.output, Host(row.output)) << row.arguments;
  }
  EXPECT_FALSE(Exists("x.hex"));
}

TEST_F(FromelfTest, AnswersUnderTheNameTheBuildUses) {
  ToolRun run = Run("FromELF", "--vsn");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.output.find("fromelf stand-in"), std::string::npos);
}

}  // namespace
}  // namespace zrt::tools::testing
