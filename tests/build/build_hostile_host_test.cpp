// The build path against hosts that change the tree or the files while a command runs,
// and against null arguments: through the interface table, with the tool emulator run
// for real by the test host.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tests/host/test_host.h"

namespace zrt::testhost {
namespace {

namespace fs = std::filesystem;

const char* const kLpc2368Lines[] = {"CPU IRAM(0x40000000-0x40007FFF) IROM(0-0x7FFFF) CPUTYPE(ARM7TDMI-S)", nullptr};
const DeviceRecord kLpc2368 = {"NXP", "LPC2368", nullptr, kLpc2368Lines, nullptr};

std::string ToolDirectory() { return platform::RealFileSystem().FullPath(ZRT_TOOL_DIR); }

// A project of three C files a.c, b.c, c.c (a.c and c.c include defs.h); the test decides
// what the host does during each command through onCommand.
class HostileBuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.InstallPreferences("ARM|||" + host_.directory() + "\\inc|" + ToolDirectory() + "|\n");
    host_.commandScript = [this](const CommandRun& run, std::string* output, int* exitCode) {
      if (onCommand_) onCommand_(run.commandLine);
      if (run.commandLine.rfind("host:", 0) == 0) return 1;  // a command only the host knows
      return RunForReal()(run, output, exitCode);
    };
    ASSERT_EQ(host_.Initialize("proj.orbproj", true, &kLpc2368), 1);
    target_ = host_.CreateConfiguration("Target");
    TestHost::MakeFile(host_.directory() + "\\defs.h", "#define VALUE 0\n");
    for (const char* name : {"a", "b", "c"}) {
      std::string text = std::string(name) == "b" ? "int b;\n" : "#include \"defs.h\"\nint " + std::string(name) + ";\n";
      TestHost::MakeFile(host_.directory() + "\\" + name + ".c", text);
      files_.push_back(host_.CreateFile(host_.files(), std::string(".\\") + name + ".c"));
    }
    host_.Table().ProjectOpened(host_.project(), "Target");
  }

  // Moves a file's time an hour further, so that it looks changed since the last build.
  void Touch(const std::string& name) {
    fs::path path = NativePath(host_.directory() + "\\" + name);
    fs::last_write_time(path, fs::last_write_time(path) + std::chrono::hours(1));
  }
  int Build() {
    host_.commands.clear();
    host_.output.clear();
    return host_.Table().BuildProject(0);
  }
  // The compiled sources and the link of the last build, by the last word of each command.
  std::vector<std::string> Runs() const {
    std::vector<std::string> runs;
    for (const CommandRun& run : host_.commands) {
      if (run.commandLine.rfind("host:", 0) != 0) runs.push_back(run.commandLine.substr(run.commandLine.rfind(' ') + 1));
    }
    return runs;
  }

  TestHost host_;
  HostNode* target_ = nullptr;
  std::vector<HostNode*> files_;
  std::function<void(const std::string&)> onCommand_;
};

TEST_F(HostileBuildTest, HeaderRewrittenByABeforeCompileCommandRecompilesItsDependents) {
  ASSERT_EQ(Build(), 1);
  for (HostNode* file : files_) host_.RecordDependencies(file);
  ASSERT_EQ(Build(), 1);
  ASSERT_EQ(Runs(), std::vector<std::string>{"\".\\Target\\proj.axf\""});

  // b.c compiles; the command before its compile rewrites the header a.c and c.c include.
  Touch("b.c");
  SetValue(ChildNamed(target_, "ZRT_User"), "BfC", "1,(host:rewrite defs.h)#0,()");
  onCommand_ = [this](const std::string& command) {
    if (command == "host:rewrite defs.h") Touch("defs.h");
  };
  ASSERT_EQ(Build(), 1);
  EXPECT_EQ(Runs(), (std::vector<std::string>{"\".\\b.c\"", "\".\\c.c\"", "\".\\Target\\proj.axf\""}));
}

TEST_F(HostileBuildTest, FileRemovedWhileItCompilesIsNotReadAndTheRestIsBuilt) {
  onCommand_ = [this](const std::string& command) {
    if (command.find("\".\\b.c\"") == std::string::npos || files_[1] == nullptr) return;
    host_.Table().ProjectEvent(1, files_[1]);  // as the IDE does before removing a node
    UnlinkChild(files_[1]);
    DeleteNode(files_[1]);
    files_[1] = nullptr;
  };
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(Runs(), (std::vector<std::string>{"\".\\a.c\"", "\".\\b.c\"", "\".\\c.c\"", "\".\\Target\\proj.axf\""}));
  const std::string& link = host_.commands.back().commandLine;
  EXPECT_NE(link.find("\".\\Target\\a.o\" \".\\Target\\c.o\""), std::string::npos) << link;
}

TEST_F(HostileBuildTest, ConfigurationRemovedByABeforeBuildCommandIsNotRead) {
  SetValue(ChildNamed(target_, "ZRT_User"), "BfB", "1,(host:remove the target)#0,()");
  onCommand_ = [this](const std::string& command) {
    if (command != "host:remove the target" || target_ == nullptr) return;
    host_.Table().ProjectEvent(1, target_);
    UnlinkChild(target_);
    DeleteNode(target_);
    target_ = nullptr;
  };
  EXPECT_EQ(Build(), 0);  // nothing left to link with
}

TEST_F(HostileBuildTest, NullSourcePathGivesNoDependency) {
  ASSERT_EQ(Build(), 1);
  char entry[260] = "";
  ASSERT_EQ(host_.Table().NextDependency(".\\a.c", entry, sizeof entry, 1), 1);
  EXPECT_EQ(host_.Table().NextDependency(nullptr, entry, sizeof entry, 1), 0);
  EXPECT_EQ(host_.Table().NextDependency(nullptr, entry, sizeof entry, 0), 0);
}

TEST_F(HostileBuildTest, CleanLeavesTheCurrentDirectoryAsItWas) {
  ASSERT_EQ(Build(), 1);
  fs::path elsewhere = NativePath(host_.directory() + "\\elsewhere");
  fs::create_directories(elsewhere);
  fs::current_path(elsewhere);
  host_.Table().CleanOutputs();
  EXPECT_EQ(fs::current_path(), elsewhere);
  EXPECT_FALSE(TestHost::Exists(host_.directory() + "\\Target\\a.o"));
}

}  // namespace
}  // namespace zrt::testhost
