#include "src/build/dependency_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "src/core/project_context.h"
#include "tests/host/host_tree.h"
#include "tests/core/fake_file_system.h"

namespace zrt {
namespace {

class DependencyReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Context() = ProjectContext{};
    Context().fileSystem = &files_;
    Context().currentConfigurationName = "Target";
    files_node_ = testhost::NewNode("Files");
  }
  void TearDown() override {
    testhost::DeleteNode(files_node_);
    Context() = ProjectContext{};
  }
  void AddFile(const std::string& path, const std::string& output) {
    Context().files.push_back(testhost::AddChild(files_node_, "File", {{"RelativePath", path}, {"Output", output}}));
  }
  std::vector<std::string> Entries(const char* source, unsigned size = 260) {
    std::vector<std::string> entries;
    std::vector<char> buffer(size + 1, 'x');
    for (int more = NextDependency(source, buffer.data(), size, 1); more;
         more = NextDependency(source, buffer.data(), size, 0)) {
      EXPECT_EQ(buffer[size], 'x');  // nothing written past the buffer
      entries.push_back(buffer.data());
    }
    return entries;
  }

  testing::FakeFileSystem files_;
  HostNode* files_node_;
};

TEST_F(DependencyReaderTest, EntriesAfterTheSourceLineInOrder) {
  AddFile(".\\src\\main.c", "main.o");
  files_.contents[".\\Target\\main.d"] =
      ".\\Target\\main.o: .\\src\\main.c\r\n.\\Target\\main.o: .\\src\\defs.h\r\n"
      ".\\Target\\main.o: D:\\Program Files\\MDK\\include\\stdio.h\r\n";
  EXPECT_EQ(Entries("C:\\work\\src\\main.c"),
            (std::vector<std::string>{".\\src\\defs.h", "D:\\Program Files\\MDK\\include\\stdio.h"}));
  EXPECT_EQ(Entries("src/main.c").size(), 2u);  // "/" separates the name too
  char entry[260];
  EXPECT_EQ(NextDependency("main.c", entry, sizeof entry, 1), 1);
}

TEST_F(DependencyReaderTest, NoEntriesOrThoseOfTheFirstFileWhoseNameEndsAlike) {
  AddFile(".\\src\\main.c", "main.o");
  AddFile(".\\src\\util.c", "util.o");
  AddFile(".\\src\\data.c", "data.o");
  files_.contents[".\\Target\\util.d"] = ".\\Target\\util.o: .\\src\\util.c\n";
  EXPECT_TRUE(Entries("main.c").empty());     // no dependency file
  EXPECT_TRUE(Entries("util.c").empty());     // only the source line
  EXPECT_TRUE(Entries("absent.c").empty());   // not in the project
  char entry[16];
  EXPECT_EQ(NextDependency("main.c", entry, sizeof entry, 0), 0);
  AddFile(".\\src\\a.c", "a.o");
  files_.contents[".\\Target\\data.d"] = "x: data.c\nx: data.h\n";
  files_.contents[".\\Target\\a.d"] = "x: a.c\nx: a.h\n";
  EXPECT_EQ(Entries("a.c"), std::vector<std::string>{"data.h"});  // a name part of another path: the first listed
}

TEST_F(DependencyReaderTest, ALineWithoutTargetAndDependencyEndsTheList) {
  AddFile("main.c", "main.o");
  std::string longPath(kDependencyFieldLimit + 1, 'p');
  files_.contents[".\\Target\\main.d"] = "x: main.c\nx: a.h\nbroken\nx: b.h\n";
  EXPECT_EQ(Entries("main.c"), std::vector<std::string>{"a.h"});
  files_.contents[".\\Target\\main.d"] = "x: main.c\nx: a.h\nx: " + longPath + "\nx: b.h\n";
  EXPECT_EQ(Entries("main.c"), std::vector<std::string>{"a.h"});
  files_.contents[".\\Target\\main.d"] = "x: main.c\nx: " + longPath.substr(1) + "\n";
  EXPECT_EQ(Entries("main.c"), std::vector<std::string>{longPath.substr(1)});
}

TEST_F(DependencyReaderTest, EntriesAreCutToTheBuffer) {
  AddFile("main.c", "main.o");
  files_.contents[".\\Target\\main.d"] = "x: main.c\nx: abcdef.h\n";
  EXPECT_EQ(Entries("main.c", 5), std::vector<std::string>{"abcd"});
  EXPECT_EQ(Entries("main.c", 9), std::vector<std::string>{"abcdef.h"});
}

TEST_F(DependencyReaderTest, EveryTruncationGivesALeadingPartOfTheEntries) {
  AddFile("main.c", "main.o");
  const std::string whole = ".\\Target\\main.o: main.c\r\n.\\Target\\main.o: .\\inc\\a.h\r\n.\\Target\\main.o: b.h\r\n";
  const std::vector<std::string> all = {".\\inc\\a.h", "b.h"};
  for (size_t length = 0; length <= whole.size(); ++length) {
    files_.contents[".\\Target\\main.d"] = whole.substr(0, length);
    std::vector<std::string> entries = Entries("main.c");
    ASSERT_LE(entries.size(), all.size()) << length;
    for (size_t i = 0; i < entries.size(); ++i) {
      // Only the entry the cut falls into may come out short.
      if (i + 1 < entries.size()) {
        EXPECT_EQ(entries[i], all[i]) << length;
      }
      EXPECT_EQ(all[i].rfind(entries[i], 0), 0u) << length;
    }
  }
}

TEST_F(DependencyReaderTest, EveryCorpusDependencyFileReadsLikeItsLines) {
  const char* corpus = std::getenv("ZRT_CORPUS_DIR");
  ASSERT_NE(corpus, nullptr) << "set ZRT_CORPUS_DIR";
  std::ifstream in(std::string(corpus) + "/tool-output/armcc-depend.txt", std::ios::binary);
  ASSERT_TRUE(in);
  AddFile("main.c", "main.o");
  // Each block between "### SOURCE" lines is one file; every line after the first holds
  // one dependency after the first ": ".
  std::vector<std::vector<std::string>> blocks;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("### SOURCE", 0) == 0) blocks.emplace_back();
    if (line.empty() || line.rfind("###", 0) == 0 || blocks.empty()) continue;
    blocks.back().push_back(line);
  }
  ASSERT_GE(blocks.size(), 3u);
  for (const std::vector<std::string>& block : blocks) {
    if (block.empty()) continue;
    std::string text;
    std::vector<std::string> expected;
    for (const std::string& line : block) text += line + "\r\n";
    for (size_t i = 1; i < block.size(); ++i) expected.push_back(block[i].substr(block[i].find(": ") + 2));
    files_.contents[".\\Target\\main.d"] = text;
    EXPECT_EQ(Entries("main.c"), expected) << block[0];
  }
}

}  // namespace
}  // namespace zrt
