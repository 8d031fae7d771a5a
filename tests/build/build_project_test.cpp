// Builds, single-file compiles, dependency and include enumeration and clean, through
// the interface table, with the tool emulator really run by the test host; also against
// hosts that change the tree or the files while a command runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tests/host/test_host.h"

namespace zrt::testhost {
namespace {

const char* const kLpc2368Lines[] = {"CPU IRAM(0x40000000-0x40007FFF) IROM(0-0x7FFFF) CLOCK(12000000) CPUTYPE(ARM7TDMI-S)", nullptr};
const DeviceRecord kLpc2368 = {"NXP (founded by Philips)", "LPC2368", nullptr, kLpc2368Lines, nullptr};

// A node's attribute, "" when absent.
std::string Text(const HostNode* node, const char* name) {
  const char* value = Value(node, name);
  return value ? value : "";
}

// The tool emulator's folder in the form the plug-in's platform understands.
std::string ToolDirectory() { return platform::RealFileSystem().FullPath(ZRT_TOOL_DIR); }

class BuildProjectTest : public ::testing::Test {
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
    group_ = AddChild(host_.files(), "Filter", {{"Name", "Source"}});
    Source(".\\src\\main.c", "#include \"defs.h\"\nint main(void) { return VALUE; }\n");
    Source(".\\src\\util.c", "int util(void) { return 1; }\n");
    Source(".\\src\\startup.s", "  AREA RESET, CODE\n  END\n");
    TestHost::MakeFile(host_.directory() + "\\src\\defs.h", "#define VALUE 0\n");
    host_.Table().ProjectOpened(host_.project(), "Target");
  }

  HostNode* Source(const std::string& path, const std::string& content, HostNode* parent = nullptr) {
    TestHost::MakeFile(host_.directory() + path.substr(1), content);
    return host_.CreateFile(parent ? parent : group_, path);
  }
  HostNode* File(const std::string& path) {
    for (HostNode* group : ChildrenOf(host_.files())) {
      if (Text(group, "RelativePath") == path) return group;
      for (HostNode* file : ChildrenOf(group)) {
        if (Text(file, "RelativePath") == path) return file;
      }
    }
    return nullptr;
  }
  bool Exists(const std::string& relative) { return TestHost::Exists(host_.directory() + relative.substr(1)); }
  // Makes a file look changed after the last build.
  void Touch(const std::string& relative) {
    auto path = NativePath(host_.directory() + relative.substr(1));
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::hours(1));
  }

  int Build(int rebuildAll = 0) {
    host_.output.clear();
    host_.commands.clear();
    return host_.Table().BuildProject(rebuildAll);
  }
  // The tool runs of the last build: the programs' file names and the last argument.
  std::vector<std::string> Runs() const {
    std::vector<std::string> runs;
    for (const CommandRun& run : host_.commands) {
      if (run.commandLine.rfind("host:", 0) == 0) continue;
      std::string program = run.commandLine.substr(0, run.commandLine.find(' '));
      program = program.substr(program.find_last_of("\\/") + 1);
      std::string last = run.commandLine.substr(run.commandLine.find_last_of(' ') + 1);
      runs.push_back(program + " " + last);
    }
    return runs;
  }
  std::string Output() const {
    std::string text;
    for (const std::string& line : host_.output) text += line;
    return text;
  }
  bool Wrote(const std::string& line) const {
    return std::find(host_.output.begin(), host_.output.end(), line) != host_.output.end();
  }

  TestHost host_;
  HostNode* target_ = nullptr;
  HostNode* group_ = nullptr;
  std::function<void(const std::string&)> onCommand_;  // what the host does during each command
};

const std::vector<std::string> kFullBuild = {"armcc.exe \".\\src\\main.c\"", "armcc.exe \".\\src\\util.c\"",
                                             "armasm.exe \".\\src\\startup.s\"", "armlink.exe \".\\Target\\proj.axf\""};

TEST_F(BuildProjectTest, FullBuildCompilesLinksAndReports) {
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(Runs(), kFullBuild);
  EXPECT_EQ(host_.output.front(), "---------- Build Project: proj, Target: Target ----------\r\n");
  EXPECT_TRUE(Wrote("Compiling \".\\src\\main.c\" ...\r\n"));
  EXPECT_TRUE(Wrote("Assembling .\\src\\startup.s ...\r\n"));
  EXPECT_TRUE(Wrote("Linking...\r\n"));
  EXPECT_EQ(host_.output.back(), ".\\Target\\proj.axf create - 0 Error(s),0 Warning(s).\r\n");
  for (const char* file : {".\\Target\\main.d", ".\\Target\\proj.sct", ".\\Target\\proj.map", ".\\Target\\startup.lst"}) {
    EXPECT_TRUE(Exists(file)) << file;
  }
  const std::string& link = host_.commands.back().commandLine;
  EXPECT_NE(link.find(" \".\\Target\\main.o\" \".\\Target\\util.o\" \".\\Target\\startup.o\" --entry 0x0 --scatter"),
            std::string::npos)
      << link;
}

// The IDE closes a project and opens another with a target of the same name: the build
// takes the new project's target, not the one the plug-in knew before.
TEST_F(BuildProjectTest, AProjectOpenedLaterBuildsWithItsOwnTarget) {
  SetValue(ChildNamed(target_, "ZRT_CParam"), "Def", "FROM_FIRST");
  HostNode* second = NewNode("OrbweaveProject");
  HostNode* configurations = NewNode("Configurations");
  HostNode* secondTarget = CopyTree(target_);
  LinkChild(second, configurations);
  LinkChild(configurations, secondTarget);
  LinkChild(second, CopyTree(host_.files()));
  SetValue(ChildNamed(secondTarget, "ZRT_CParam"), "Def", "FROM_SECOND");
  ASSERT_EQ(host_.Initialize("proj.orbproj", true, &kLpc2368), 1);
  host_.Table().ProjectOpened(second, "Target");
  EXPECT_EQ(Build(1), 1);
  EXPECT_NE(host_.commands.front().commandLine.find("-DFROM_SECOND"), std::string::npos)
      << host_.commands.front().commandLine;
  DeleteNode(second);
}

TEST_F(BuildProjectTest, UpToDateFilesAreLinkedWithoutCompiling) {
  ASSERT_EQ(Build(), 1);
  for (const char* path : {".\\src\\main.c", ".\\src\\util.c", ".\\src\\startup.s"}) host_.RecordDependencies(File(path));
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(Runs(), std::vector<std::string>{"armlink.exe \".\\Target\\proj.axf\""});

  Touch(".\\src\\defs.h");
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(Runs(), (std::vector<std::string>{"armcc.exe \".\\src\\main.c\"", "armlink.exe \".\\Target\\proj.axf\""}));

  EXPECT_EQ(Build(1), 1);
  EXPECT_EQ(Runs(), kFullBuild);
}

TEST_F(BuildProjectTest, ChangedSettingsRecompileAtEveryLevel) {
  ASSERT_EQ(Build(), 1);
  for (const char* path : {".\\src\\main.c", ".\\src\\util.c", ".\\src\\startup.s"}) host_.RecordDependencies(File(path));

  SetValue(target_, "cfgModify", "1");
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(Runs(), kFullBuild);
  EXPECT_EQ(Text(target_, "cfgModify"), "0");

  HostNode* groupSection = AddChild(group_, "ZRT_CParam", {{"Name", "Target"}, {"cfgModify", "1"}});
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(Runs(), (std::vector<std::string>{"armcc.exe \".\\src\\main.c\"", "armcc.exe \".\\src\\util.c\"",
                                              "armlink.exe \".\\Target\\proj.axf\""}));
  EXPECT_EQ(Text(groupSection, "cfgModify"), "0");

  HostNode* fileSection = AddChild(File(".\\src\\util.c"), "ZRT_CParam", {{"Name", "Target"}, {"cfgModify", "1"}});
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(Runs(), (std::vector<std::string>{"armcc.exe \".\\src\\util.c\"", "armlink.exe \".\\Target\\proj.axf\""}));
  EXPECT_EQ(Text(fileSection, "cfgModify"), "0");

  SetValue(fileSection, "cfgModify", "1");
  EXPECT_EQ(Build(1), 1);  // a rebuild resets the file's own flag too
  EXPECT_EQ(Text(fileSection, "cfgModify"), "0");
}

TEST_F(BuildProjectTest, ConfigurationFlagStaysAfterACompileErrorButTheGroupsIsReset) {
  ASSERT_EQ(Build(), 1);
  HostNode* groupSection = AddChild(group_, "ZRT_CParam", {{"Name", "Target"}, {"cfgModify", "1"}});
  SetValue(target_, "cfgModify", "1");
  Source(".\\src\\bad.c", "int x;\n#error not ready\n");
  EXPECT_EQ(Build(), 0);
  EXPECT_EQ(Text(target_, "cfgModify"), "1");
  EXPECT_EQ(Text(groupSection, "cfgModify"), "0");
}

TEST_F(BuildProjectTest, ExcludedFilesAndGroupsAreLeftOut) {
  HostNode* other = AddChild(host_.files(), "Filter", {{"Name", "Other"}, {"nobuild", "Target?;?"}});
  host_.Table().ProjectEvent(0, other);
  Source(".\\other\\skipped.c", "#error never compiled\n", other);
  SetValue(File(".\\src\\util.c"), "nobuild", "Target?;?");
  Source(".\\lib\\extra.lib", "!<arch>\n");
  Source(".\\obj\\extra.obj", "object bytes");
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(Runs(), (std::vector<std::string>{"armcc.exe \".\\src\\main.c\"", "armasm.exe \".\\src\\startup.s\"",
                                              "armlink.exe \".\\Target\\proj.axf\""}));
  const std::string& link = host_.commands.back().commandLine;
  EXPECT_EQ(link.find("util.o"), std::string::npos);
  EXPECT_NE(link.find(" \".\\Target\\startup.o\" \".\\lib\\extra.lib\" \".\\obj\\extra.obj\" "), std::string::npos) << link;
}

TEST_F(BuildProjectTest, UserCommandsRunBeforeAndAfter) {
  std::string armar = ToolDirectory() + "\\armar.exe --vsn";
  HostNode* user = ChildNamed(target_, "ZRT_User");
  SetValue(user, "BfB", "1,(" + armar + ")#0,(ignored)");
  SetValue(user, "BfC", "0,()#1,(" + armar + ")");
  SetValue(user, "AfB", "1,(" + armar + ")#1,(" + ToolDirectory() + "\\missing.exe)");
  EXPECT_EQ(Build(), 1);
  std::vector<std::string> runs = Runs();
  EXPECT_EQ(std::count(runs.begin(), runs.end(), "armar.exe --vsn"), 5);  // once, three times, once
  EXPECT_EQ(runs.front(), "armar.exe --vsn");
  EXPECT_EQ(runs.back(), "missing.exe " + ToolDirectory() + "\\missing.exe");
  EXPECT_TRUE(Wrote("User Command #1:" + armar + "\r\n"));
  EXPECT_TRUE(Wrote("User Command #2:" + armar + "\r\n"));
  EXPECT_NE(Output().find("--- Error: User command terminated,Exit code = "), std::string::npos);
  EXPECT_EQ(host_.output.back(), ".\\Target\\proj.axf create - 0 Error(s),0 Warning(s).\r\n");
}

TEST_F(BuildProjectTest, CompileErrorsStopTheLink) {
  Source(".\\src\\bad.c", "int x;\n#warning check\n#error not ready\n");
  EXPECT_EQ(Build(), 0);
  std::vector<std::string> runs = Runs();
  EXPECT_EQ(runs.back(), "armcc.exe \".\\src\\bad.c\"");
  EXPECT_EQ(host_.output.back(), "Result: 1 Error(s),1 Warning(s).\r\n");
  EXPECT_NE(Output().find(host_.directory() + "\\src\\bad.c(3): Error:  #35: #error directive: not ready"),
            std::string::npos)
      << Output();
}

TEST_F(BuildProjectTest, LinkErrorsAreSummarised) {
  HostNode* linker = ChildNamed(target_, "ZRT_Linker");
  SetValue(linker, "UseDef", "0");
  SetValue(linker, "Sct", ".\\bad.sct");
  TestHost::MakeFile(host_.directory() + "\\bad.sct", "LR_IROM1 0x0 {\n");
  SetValue(ChildNamed(target_, "ZRT_Output"), "OutHex", "1");
  EXPECT_EQ(Build(), 0);
  EXPECT_EQ(Runs().back(), "armlink.exe \".\\Target\\proj.axf\"");
  EXPECT_EQ(host_.output.back().rfind(".\\Target\\proj.axf not create - ", 0), 0u) << host_.output.back();
  EXPECT_FALSE(Exists(".\\Target\\proj.hex"));
}

TEST_F(BuildProjectTest, HexAndBinConversion) {
  HostNode* output = ChildNamed(target_, "ZRT_Output");
  SetValue(output, "OutHex", "1");
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(Runs().back(), "FromELF.exe \".\\Target\\proj.hex\"");
  EXPECT_TRUE(Wrote("FromELF: Creating HEX file .\\Target\\proj.hex...\r\n"));
  EXPECT_EQ(host_.output.back(), ".\\Target\\proj.axf - 0 Error(s),0 Warning(s).\r\n");
  EXPECT_TRUE(Exists(".\\Target\\proj.hex"));

  SetValue(output, "OutHex", "2");
  SetValue(output, "OutName", "1,.\\out\\image");
  EXPECT_EQ(Build(), 1);
  EXPECT_TRUE(Wrote("FromELF: Creating BIN file .\\out\\image.bin...\r\n"));
  EXPECT_TRUE(Exists(".\\out\\image.bin"));
}

TEST_F(BuildProjectTest, MissingFromElfIsReportedAndStillRun) {
  // A tool folder with everything but FromELF.
  std::string tools = host_.directory() + "\\tools";
  std::filesystem::create_directories(NativePath(tools));
  for (const char* tool : {"armcc.exe", "armasm.exe", "armlink.exe"}) {
    std::filesystem::copy_file(NativePath(ToolDirectory() + "\\" + tool), NativePath(tools + "\\" + tool));
  }
  TestHost host;
  host.InstallPreferences("ARM|||inc|" + tools + "|\n");
  host.commandScript = RunForReal();
  ASSERT_EQ(host.Initialize("proj.orbproj", true, &kLpc2368), 1);
  HostNode* target = host.CreateConfiguration("Target");
  TestHost::MakeFile(host.directory() + "\\main.c", "int main(void) { return 0; }\n");
  host.CreateFile(host.files(), ".\\main.c");
  host.Table().ProjectOpened(host.project(), "Target");
  SetValue(ChildNamed(target, "ZRT_Output"), "OutHex", "1");
  EXPECT_EQ(host.Table().BuildProject(0), 0);
  EXPECT_EQ(host.MessageBoxTexts(), std::vector<std::string>{"没有找到可以使用的FromELF工具，不能产生HEX文件!"});
  EXPECT_EQ(host.commands.back().commandLine.rfind(tools + "\\FromELF.exe \".\\Target\\proj.axf\"", 0), 0u);
  EXPECT_EQ(host.output.back(), ".\\Target\\proj.axf - 1 Error(s),0 Warning(s).\r\n");
}

TEST_F(BuildProjectTest, LibraryOutput) {
  SetValue(ChildNamed(target_, "ZRT_Output"), "OutType", "2");
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(Runs().back(), "armar.exe \".\\Target\\startup.o\"");
  EXPECT_TRUE(Wrote("Creating Library...\r\n"));
  EXPECT_EQ(host_.output.back(), ".\\Target\\proj.lib - 0 Error(s),0 Warning(s).\r\n");
  EXPECT_TRUE(Exists(".\\Target\\proj.lib"));
}

TEST_F(BuildProjectTest, StopDuringTheThirdFileEndsTheBuildAfterIt) {
  Source(".\\src\\more.c", "int more;\n");
  onCommand_ = [this](const std::string& command) {
    if (command.find("startup.s") != std::string::npos) host_.Table().StopBuild();
  };
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(Runs(), (std::vector<std::string>{"armcc.exe \".\\src\\main.c\"", "armcc.exe \".\\src\\util.c\"",
                                              "armasm.exe \".\\src\\startup.s\""}));
  EXPECT_EQ(host_.output.back(), "Stop build...\r\n");
  onCommand_ = nullptr;
  EXPECT_EQ(Build(), 1);  // the next build starts afresh
  EXPECT_EQ(Runs().back(), "armlink.exe \".\\Target\\proj.axf\"");
}

TEST_F(BuildProjectTest, CompileFileCompilesOneSourceAndRefusesHeaders) {
  HostNode* header = host_.CreateFile(group_, ".\\src\\defs.h");
  EXPECT_EQ(host_.Table().CompileFile(header), 0);
  EXPECT_EQ(host_.MessageBoxTexts(), std::vector<std::string>{"不能编译该文件，请确保该文件为源代码文件"});
  EXPECT_TRUE(host_.output.empty());
  EXPECT_EQ(host_.clearCount, 0);

  host_.commands.clear();
  EXPECT_EQ(host_.Table().CompileFile(File(".\\src\\main.c")), 1);
  EXPECT_EQ(Runs(), std::vector<std::string>{"armcc.exe \".\\src\\main.c\""});
  EXPECT_EQ(host_.output, (std::vector<std::string>{"Compiling \".\\src\\main.c\" ...\r\n",
                                                    "Result: 0 Error(s),0 Warning(s).\r\n"}));
  EXPECT_TRUE(Exists(".\\Target\\main.o"));
  EXPECT_EQ(host_.Table().CompileFile(Source(".\\src\\bad.c", "#error not ready\n")), 1);
  EXPECT_EQ(host_.output.back(), "Result: 1 Error(s),0 Warning(s).\r\n");
  EXPECT_EQ(host_.Table().CompileFile(Source(".\\src\\odd.c", "#warning check\n")), 1);
  EXPECT_EQ(host_.output.back(), "Result: 0 Error(s),1 Warning(s).\r\n");
}

TEST_F(BuildProjectTest, IncludePathsOfTheConfiguration) {
  char entry[260];
  EXPECT_EQ(host_.Table().NextIncludePath(entry, sizeof entry, 0), 0);  // before any first call
  SetValue(ChildNamed(target_, "ZRT_CParam"), "Inc", "..\\inc;;.\\h");
  std::vector<std::string> paths;
  for (int more = host_.Table().NextIncludePath(entry, sizeof entry, 1); more;
       more = host_.Table().NextIncludePath(entry, sizeof entry, 0)) {
    paths.push_back(entry);
  }
  std::string p = ToolDirectory().substr(0, ToolDirectory().find_last_of('\\') + 1);
  EXPECT_EQ(paths, (std::vector<std::string>{"..\\inc", "", ".\\h", p + "RV31\\INC", p + "INC",
                                             host_.directory() + "\\inc"}));
  EXPECT_EQ(host_.Table().NextIncludePath(entry, sizeof entry, 0), 0);
}

TEST_F(BuildProjectTest, CleanDeletesObjectsAndImageOnlyAndKeepsTheCurrentDirectory) {
  SetValue(ChildNamed(target_, "ZRT_Output"), "OutHex", "1");
  ASSERT_EQ(Build(), 1);
  std::filesystem::path elsewhere = NativePath(host_.directory() + "\\elsewhere");
  std::filesystem::create_directories(elsewhere);
  std::filesystem::current_path(elsewhere);
  host_.Table().CleanOutputs();
  EXPECT_EQ(std::filesystem::current_path(), elsewhere);
  for (const char* gone : {".\\Target\\main.o", ".\\Target\\util.o", ".\\Target\\startup.o", ".\\Target\\proj.axf"}) {
    EXPECT_FALSE(Exists(gone)) << gone;
  }
  for (const char* kept : {".\\Target\\main.d", ".\\Target\\proj.hex", ".\\Target\\proj.sct", ".\\Target\\proj.map"}) {
    EXPECT_TRUE(Exists(kept)) << kept;
  }
}

TEST_F(BuildProjectTest, HeaderRewrittenByABeforeCompileCommandRecompilesItsLaterDependents) {
  Source(".\\src\\late.c", "#include \"defs.h\"\nint late;\n");
  ASSERT_EQ(Build(), 1);
  for (HostNode* file : ChildrenOf(group_)) host_.RecordDependencies(file);
  ASSERT_EQ(Build(), 1);
  ASSERT_EQ(Runs(), std::vector<std::string>{"armlink.exe \".\\Target\\proj.axf\""});
  // util.c compiles; the command before its compile rewrites the header main.c and late.c include.
  Touch(".\\src\\util.c");
  SetValue(ChildNamed(target_, "ZRT_User"), "BfC", "1,(host:rewrite defs.h)#0,()");
  onCommand_ = [this](const std::string& command) {
    if (command == "host:rewrite defs.h") Touch(".\\src\\defs.h");
  };
  ASSERT_EQ(Build(), 1);
  EXPECT_EQ(Runs(), (std::vector<std::string>{"armcc.exe \".\\src\\util.c\"",
                                              "armcc.exe \".\\src\\late.c\"", "armlink.exe \".\\Target\\proj.axf\""}));
}

TEST_F(BuildProjectTest, FileRemovedWhileItCompilesIsNotReadAndTheRestIsBuilt) {
  HostNode* first = File(".\\src\\main.c");  // the loop must go on with the next file
  onCommand_ = [this, &first](const std::string& command) {
    if (command.find("main.c") == std::string::npos || first == nullptr) return;
    host_.Table().ProjectEvent(1, first);  // as the IDE does before removing a node
    DeleteNode(first);
    first = nullptr;
  };
  EXPECT_EQ(Build(), 1);
  EXPECT_EQ(Runs(), kFullBuild);
  const std::string& link = host_.commands.back().commandLine;
  EXPECT_EQ(link.find("main.o"), std::string::npos) << link;
  EXPECT_NE(link.find("\".\\Target\\util.o\" \".\\Target\\startup.o\""), std::string::npos) << link;
  onCommand_ = nullptr;
}

TEST_F(BuildProjectTest, ConfigurationRemovedByABeforeBuildCommandIsNotRead) {
  SetValue(ChildNamed(target_, "ZRT_User"), "BfB", "1,(host:remove the target)#0,()");
  onCommand_ = [this](const std::string& command) {
    if (command != "host:remove the target" || target_ == nullptr) return;
    host_.Table().ProjectEvent(1, target_);
    DeleteNode(target_);
    target_ = nullptr;
  };
  EXPECT_EQ(Build(), 0);  // nothing left to link with
}

TEST_F(BuildProjectTest, NullSourcePathGivesNoDependency) {
  ASSERT_EQ(Build(), 1);
  char entry[260] = "";
  ASSERT_EQ(host_.Table().NextDependency(".\\src\\main.c", entry, sizeof entry, 1), 1);
  EXPECT_EQ(host_.Table().NextDependency(nullptr, entry, sizeof entry, 1), 0);
  EXPECT_EQ(host_.Table().NextDependency(nullptr, entry, sizeof entry, 0), 0);
}

TEST(BuildRefusalTest, NoToolChainAndNothingToBuild) {
  TestHost host;
  host.Initialize("proj.orbproj");
  EXPECT_EQ(host.Table().BuildProject(0), 0);
  HostNode* file = AddChild(host.files(), "File", {{"RelativePath", ".\\a.c"}, {"FileType", "1"}});
  EXPECT_EQ(host.Table().CompileFile(file), 0);
  const std::string message =
      "没有找到编译工具链，请配置编译工具路径。\r\n\r\n配置方法：【工具】->【选项】->【环境】->【工具链】->【ZRT】,设置“编译器路径”";
  EXPECT_EQ(host.MessageBoxTexts(), (std::vector<std::string>{message, message}));
  EXPECT_TRUE(host.output.empty());

  TestHost found;
  for (const char* tool : {"armcc.exe", "armasm.exe", "armlink.exe"}) TestHost::MakeFile(found.directory() + "\\bin\\" + tool);
  found.InstallPreferences("ARM|||inc|" + found.directory() + "\\bin|\n");
  ASSERT_EQ(found.Initialize("proj.orbproj"), 1);
  found.CreateConfiguration("Target");
  EXPECT_EQ(found.Table().BuildProject(0), 0);
  EXPECT_EQ(found.MessageBoxTexts(), std::vector<std::string>{"工程中没有可编译的文件或者不存在可用的配置"});
  EXPECT_TRUE(found.output.empty());
}

}  // namespace
}  // namespace zrt::testhost
