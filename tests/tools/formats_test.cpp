// The emulator's file formats read back: ELF images and objects, libraries, Intel HEX;
// damaged input is refused, never overread.
#include <gtest/gtest.h>

#include "tests/core/case_file.h"

#include "tools/common/archive.h"
#include "tools/common/elf_file.h"
#include "tools/common/intel_hex.h"

namespace zrt::tools {
namespace {

ElfImage TwoSegmentImage(bool bigEndian) {
  ElfImage image;
  image.bigEndian = bigEndian;
  image.entry = 0x08000101;
  image.segments.push_back({"ER_IROM1", 0x08000000, 0x08000000, "code and data", 0x40});
  image.segments.push_back({"ER_EXTRA", 0x08100000, 0x20000000, std::string("\0\x01\x02", 3), 3});
  return image;
}

TEST(ElfFileTest, ImageReadsBackSegmentBySegment) {
  for (bool bigEndian : {false, true}) {
    ElfImage written = TwoSegmentImage(bigEndian);
    ElfImage read;
    std::string reason;
    ASSERT_TRUE(ReadImageFile(MakeImageFile(written), &read, &reason)) << reason;
    EXPECT_EQ(read.bigEndian, bigEndian);
    EXPECT_EQ(read.entry, written.entry);
    ASSERT_EQ(read.segments.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(read.segments[i].name, written.segments[i].name);
      EXPECT_EQ(read.segments[i].loadAddress, written.segments[i].loadAddress);
      EXPECT_EQ(read.segments[i].execAddress, written.segments[i].execAddress);
      EXPECT_EQ(read.segments[i].bytes, written.segments[i].bytes);
      EXPECT_EQ(read.segments[i].memorySize, written.segments[i].memorySize);
    }
  }
}

TEST(ElfFileTest, ObjectIsAHeaderThenThePayloadAndNoImage) {
  std::string object = MakeObjectFile("payload", false);
  EXPECT_EQ(object, std::string("\x7F" "ELF\x01\x01\x01", 7) + object.substr(7, 45) + "payload");
  ElfImage image;
  std::string reason;
  EXPECT_FALSE(ReadImageFile(object, &image, &reason));
  EXPECT_EQ(reason, "not an executable image");
}

TEST(ElfFileTest, EveryTruncationOrDamageIsRefusedOrReadWithinBounds) {
  std::string full = MakeImageFile(TwoSegmentImage(false));
  std::vector<std::string> inputs;
  for (size_t at = 0; at < full.size(); ++at) {
    inputs.push_back(full.substr(0, at));
    inputs.push_back(full);
    inputs.back()[at] = static_cast<char>(0xFF);
  }
  for (const std::string& input : inputs) {
    ElfImage image;
    std::string reason;
    if (ReadImageFile(input, &image, &reason)) {
      for (const ImageSegment& segment : image.segments) EXPECT_LE(segment.bytes.size(), input.size());
    } else {
      EXPECT_FALSE(reason.empty());
    }
  }
}

TEST(ArchiveTest, MembersReadBackInOrderWithLongNames) {
  std::vector<ArchiveMember> written = {
      {"a.o", "odd"}, {"a_rather_long_member_name.o", "x"}, {"b.o", ""}, {"another_long_name.obj", "even"}};
  std::string archive = MakeArchive(written);
  EXPECT_TRUE(IsArchive(archive));
  std::vector<ArchiveMember> read;
  std::string reason;
  ASSERT_TRUE(ReadArchive(archive, &read, &reason)) << reason;
  ASSERT_EQ(read.size(), written.size());
  for (size_t i = 0; i < read.size(); ++i) {
    EXPECT_EQ(read[i].name, written[i].name);
    EXPECT_EQ(read[i].content, written[i].content);
  }
}

TEST(ArchiveTest, DamagedLibrariesAreRefused) {
  std::vector<ArchiveMember> written = {{"a.o", "odd"}, {"a_rather_long_member_name.o", "x"}};
  std::string archive = MakeArchive(written);
  std::vector<ArchiveMember> members;
  std::string reason;
  // A cut between two members (or of the last padding byte) leaves the members before
  // it; any other cut is refused.
  for (size_t length = 0; length < archive.size(); ++length) {
    if (ReadArchive(archive.substr(0, length), &members, &reason)) {
      ASSERT_LE(members.size(), written.size());
      for (size_t i = 0; i < members.size(); ++i) EXPECT_EQ(members[i].content, written[i].content) << length;
    } else {
      EXPECT_FALSE(reason.empty()) << length;
    }
  }
  std::string badSize = archive;
  badSize.replace(8 + 48, 10, "12x4      ");
  EXPECT_FALSE(ReadArchive(badSize, &members, &reason));
  std::string badName = MakeArchive({{"a_rather_long_member_name.o", "x"}});
  badName.replace(badName.find("/0 "), 3, "/99");
  EXPECT_FALSE(ReadArchive(badName, &members, &reason));
  EXPECT_EQ(reason.find("damaged member name"), 0u);
}

TEST(IntelHexTest, RecordsNeverCrossSixtyFourKilobytesAndChecksumsHold) {
  std::string bytes;
  for (int i = 0; i < 40; ++i) bytes += static_cast<char>(i * 7);
  std::string text = MakeIntelHex({{0x0800FFF0, bytes}, {0x20000000, "\xAA"}}, 0x08000101);
  EXPECT_EQ(text, zrt::testing::ReadFixtureFile("tools/fixtures/records.hex"));
}

}  // namespace
}  // namespace zrt::tools
