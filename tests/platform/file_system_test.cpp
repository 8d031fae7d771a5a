#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>

#include "tests/platform/temp_folder.h"

namespace zrt::platform {
namespace {

using testing::TempFolder;

std::string Backslashed(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

// Reads a file without the code under test.
std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class FileSystemTest : public ::testing::Test {
 protected:
  FileSystem& fs_ = RealFileSystem();
  TempFolder folder_;
};

TEST_F(FileSystemTest, WriteThenReadKeepsEveryByteAndReplacingLeavesNoTemporaryFile) {
  ASSERT_TRUE(fs_.WriteFile(folder_.Join("a.bin"), "first, longer content"));
  const std::string content("GBK \xCE\xB7\xB6\xA8\0\r\n\xFF", 12);
  ASSERT_TRUE(fs_.WriteFile(folder_.Join("a.bin"), content));
  std::string read;
  ASSERT_TRUE(fs_.ReadFile(folder_.Join("a.bin"), &read));
  EXPECT_EQ(read, content);
  EXPECT_EQ(Slurp(folder_.Path() / "a.bin"), content);
  EXPECT_EQ(fs_.FileSize(folder_.Join("a.bin")), 12);
  EXPECT_EQ(fs_.ListDirectory(folder_.Path().string()), std::vector<std::string>{"a.bin"});
}

TEST_F(FileSystemTest, BackslashPathsReachNestedFolders) {
  ASSERT_TRUE(fs_.MakeDirectory(folder_.Join("Target")));
  ASSERT_TRUE(fs_.WriteFile(folder_.Join("Target\\main.o"), "obj"));
  EXPECT_TRUE(std::filesystem::is_regular_file(folder_.Path() / "Target" / "main.o"));
  EXPECT_TRUE(fs_.Exists(folder_.Join("Target\\main.o")));
  EXPECT_TRUE(fs_.IsDirectory(folder_.Join("Target")));
  EXPECT_FALSE(fs_.IsDirectory(folder_.Join("Target\\main.o")));
  EXPECT_TRUE(fs_.MakeDirectory(folder_.Join("Target")));  // an existing folder is fine
  EXPECT_FALSE(fs_.MakeDirectory(folder_.Join("Target\\main.o")));
  EXPECT_FALSE(fs_.DeleteFile(folder_.Join("Target")));  // only files are deleted
  EXPECT_TRUE(fs_.DeleteFile(folder_.Join("Target\\main.o")));
  EXPECT_FALSE(fs_.Exists(folder_.Join("Target\\main.o")));
}

// Paths are ANSI (GBK here) as for Windows' A functions; the system names the file in
// its own encoding.
TEST_F(FileSystemTest, AnsiNamesAreTheSystemsOwnNames) {
  const std::string gbkName = "\xCB\xB5\xC3\xF7.txt";  // 说明.txt
  ASSERT_TRUE(fs_.WriteFile(folder_.Join(gbkName), "x"));
  EXPECT_TRUE(std::filesystem::is_regular_file(folder_.Path() / std::filesystem::u8path(u8"说明.txt")));
  EXPECT_TRUE(fs_.Exists(folder_.Join(gbkName)));
  EXPECT_EQ(fs_.ListDirectory(folder_.Path().string()), std::vector<std::string>{gbkName});
  EXPECT_EQ(fs_.FullPath(folder_.Join(gbkName)), Backslashed(folder_.Path().string()) + "\\" + gbkName);
}

TEST_F(FileSystemTest, MissingPathsAnswerFailure) {
  std::string content = "untouched";
  EXPECT_FALSE(fs_.Exists(folder_.Join("none")));
  EXPECT_EQ(fs_.LastWriteTime(folder_.Join("none")), -1);
  EXPECT_EQ(fs_.FileSize(folder_.Join("none")), -1);
  EXPECT_FALSE(fs_.ReadFile(folder_.Join("none"), &content));
  EXPECT_EQ(content, "untouched");
  EXPECT_FALSE(fs_.DeleteFile(folder_.Join("none")));
  EXPECT_TRUE(fs_.ListDirectory(folder_.Join("none")).empty());
  EXPECT_FALSE(fs_.MakeDirectory(folder_.Join("none\\deeper")));
  EXPECT_FALSE(fs_.WriteFile(folder_.Join("none\\a.txt"), "x"));
}

TEST_F(FileSystemTest, ListDirectoryIsSortedByBytesWithoutDots) {
  for (const char* name : {"b.c", "a.c", "C.h"}) ASSERT_TRUE(fs_.WriteFile(folder_.Join(name), ""));
  ASSERT_TRUE(fs_.MakeDirectory(folder_.Join("obj")));
  EXPECT_EQ(fs_.ListDirectory(folder_.Path().string()), (std::vector<std::string>{"C.h", "a.c", "b.c", "obj"}));
}

TEST_F(FileSystemTest, CopyFileFollowsTheOverwriteFlag) {
  ASSERT_TRUE(fs_.WriteFile(folder_.Join("from.s"), "new"));
  EXPECT_TRUE(fs_.CopyFile(folder_.Join("from.s"), folder_.Join("to.s"), false));  // no target yet
  ASSERT_TRUE(fs_.WriteFile(folder_.Join("to.s"), "old"));
  EXPECT_FALSE(fs_.CopyFile(folder_.Join("from.s"), folder_.Join("to.s"), false));
  EXPECT_EQ(Slurp(folder_.Path() / "to.s"), "old");
  EXPECT_TRUE(fs_.CopyFile(folder_.Join("from.s"), folder_.Join("to.s"), true));
  EXPECT_EQ(Slurp(folder_.Path() / "to.s"), "new");
  EXPECT_FALSE(fs_.CopyFile(folder_.Join("to.s"), folder_.Join("to.s"), true));  // onto itself
  EXPECT_EQ(Slurp(folder_.Path() / "to.s"), "new");
}

TEST_F(FileSystemTest, CopyFileKeepsTheLastWriteTime) {
  ASSERT_TRUE(fs_.WriteFile(folder_.Join("startup.s"), "; startup"));
  auto source = folder_.Path() / "startup.s";
  std::filesystem::last_write_time(source, std::filesystem::last_write_time(source) - std::chrono::hours(30));
  ASSERT_TRUE(fs_.CopyFile(folder_.Join("startup.s"), folder_.Join("copy.s"), false));
  EXPECT_EQ(fs_.LastWriteTime(folder_.Join("copy.s")), fs_.LastWriteTime(folder_.Join("startup.s")));
  EXPECT_LT(fs_.LastWriteTime(folder_.Join("copy.s")), static_cast<int64_t>(std::time(nullptr)) - 3600);
}

TEST_F(FileSystemTest, FullPathResolvesDotsAndUsesBackslashes) {
  const std::string root = Backslashed(folder_.Path().string());
  EXPECT_EQ(fs_.FullPath(folder_.Join("Target\\..\\.\\main.c")), root + "\\main.c");
  EXPECT_EQ(fs_.FullPath(folder_.Join("Target\\")), root + "\\Target\\");
}

TEST_F(FileSystemTest, CurrentDirectoryFollowsSetCurrentDirectory) {
  const std::string previous = fs_.CurrentDirectory();
  const std::string root = Backslashed(folder_.Path().string());
  ASSERT_TRUE(fs_.SetCurrentDirectory(root));
  EXPECT_EQ(fs_.CurrentDirectory(), root);
  EXPECT_EQ(fs_.FullPath(".\\Target\\main.o"), root + "\\Target\\main.o");
  EXPECT_FALSE(fs_.SetCurrentDirectory(folder_.Join("missing")));
  EXPECT_EQ(fs_.CurrentDirectory(), root);
  ASSERT_TRUE(fs_.SetCurrentDirectory(previous));
}

}  // namespace
}  // namespace zrt::platform
