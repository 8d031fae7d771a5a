// Tool-chain discovery and the startup-code offer, through GetInterface.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/registry.h"
#include "tests/host/test_host.h"

namespace zrt::testhost {
namespace {

const char* const kLpc2368Lines[] = {"CPU IRAM(0x40000000-0x40007FFF) IROM(0-0x7FFFF) CLOCK(12000000) CPUTYPE(ARM7TDMI-S)", nullptr};
const DeviceRecord kLpc2368 = {"NXP (founded by Philips)", "LPC2368", nullptr, kLpc2368Lines, nullptr};

std::string ReadFile(const std::string& path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class DiscoveryTest : public ::testing::Test {
 protected:
  // A Keil-like installation below the host folder: <keil>\ARM\BIN40 with the given tools.
  std::string MakeTools(const std::string& bin, std::initializer_list<const char*> tools) {
    std::string directory = keil_ + "\\ARM\\" + bin;
    for (const char* tool : tools) TestHost::MakeFile(directory + "\\" + tool);
    return directory;
  }
  void TearDown() override {
    platform::RealRegistry().DeleteValue(platform::RegistryRoot::kClassesRoot, kCommandKey, "");
  }

  static constexpr const char* kCommandKey = "UV2FILE\\Shell\\open\\command";
  TestHost host_;
  std::string keil_ = host_.directory() + "\\Keil";
};

TEST_F(DiscoveryTest, PreferenceEntryWithAllThreeToolsIsProbed) {
  std::string bin = MakeTools("BIN40", {"armcc.exe", "armasm.exe", "armlink.exe"});
  host_.InstallPreferences("GNU|||||\nARM|||inc|" + keil_ + "?" + bin + "|\n");
  EXPECT_EQ(host_.Initialize("demo.orbproj"), 1);
  ASSERT_EQ(host_.commands.size(), 1u);
  EXPECT_EQ(host_.commands[0].commandLine, bin + "\\armcc.exe --cpu list");
  EXPECT_EQ(host_.commands[0].workingDirectory, host_.directory());
  EXPECT_EQ(host_.commands[0].outputSize, 4096);
}

TEST_F(DiscoveryTest, MissingLinkerFallsBackToTheRegistry) {
  std::string preferred = host_.directory() + "\\Other\\BIN40";
  for (const char* tool : {"armcc.exe", "armasm.exe"}) TestHost::MakeFile(preferred + "\\" + tool);
  host_.InstallPreferences("ARM|||inc|" + preferred + "|\n");
  MakeTools("BIN31", {"armcc.exe"});
  ASSERT_TRUE(platform::RealRegistry().SetValue(platform::RegistryRoot::kClassesRoot, kCommandKey, "",
                                                "\"" + keil_ + "\\UV4\\Uv4.exe\" \"%1\""));
  EXPECT_EQ(host_.Initialize("demo.orbproj"), 1);
  EXPECT_TRUE(host_.commands.empty());  // only the preference source probes the compiler
  host_.CreateConfiguration("Target");
  host_.Table().ProjectOpened(host_.project(), "Target");
  char first[260];
  ASSERT_EQ(host_.Table().NextIncludePath(first, sizeof first, 1), 1);
  EXPECT_EQ(std::string(first), keil_ + "\\ARM\\RV31\\INC");  // the folders follow the registry's installation
}

TEST_F(DiscoveryTest, NothingFoundAnswersZero) {
  EXPECT_EQ(host_.Initialize("demo.orbproj"), 0);
  EXPECT_TRUE(host_.commands.empty());
}

class StartupOfferTest : public DiscoveryTest {
 protected:
  void SetUp() override {
    std::string bin = MakeTools("BIN40", {"armcc.exe", "armasm.exe", "armlink.exe"});
    host_.InstallPreferences("ARM|||inc|" + bin + "|\n");
    source_ = keil_ + "\\ARM\\Startup\\Philips\\LPC2300.s";
    TestHost::MakeFile(source_, "; LPC2300 startup\n");
    host_.Initialize("demo.orbproj", true, &kLpc2368);
    host_.CreateConfiguration("Target 1");
  }
  HostNode* AddGroup(const std::string& name) {
    HostNode* group = AddChild(host_.files(), "Filter", {{"Name", name}});
    host_.Table().ProjectEvent(0, group);
    return group;
  }
  std::string source_;
};

const char kOffer[] = "需要拷贝NXP (founded by Philips) LPC2368启动代码到工程目录下并加入到工程文件中吗?";
const char kOverwrite[] = "启动文件已经存在工程目录中，需要覆盖该文件吗?";

TEST_F(StartupOfferTest, NoLeavesTheProjectAlone) {
  host_.ScriptAnswers("no");
  HostNode* group = AddGroup("Startup");
  EXPECT_EQ(host_.MessageBoxTexts(), (std::vector<std::string>{kOffer}));
  EXPECT_EQ(ChildNamed(group, "File"), nullptr);
  EXPECT_FALSE(TestHost::Exists(host_.directory() + "\\LPC2300.s"));
}

TEST_F(StartupOfferTest, FirstGroupGetsTheStartupFileOnYesReplacingAnOldCopy) {
  TestHost::MakeFile(host_.directory() + "\\LPC2300.s", "; old\n");
  host_.ScriptAnswers("yes,yes");
  HostNode* group = AddGroup("Startup");
  EXPECT_EQ(host_.MessageBoxTexts(), (std::vector<std::string>{kOffer, kOverwrite}));
  HostNode* file = ChildNamed(group, "File");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(Attributes(file), (AttributeList{{"RelativePath", ".\\LPC2300.s"}, {"FileType", "2"}, {"Output", "LPC2300.o"}}));
  EXPECT_EQ(ReadFile(host_.directory() + "\\LPC2300.s"), "; LPC2300 startup\n");
  HostNode* second = AddGroup("Source");
  EXPECT_EQ(host_.MessageBoxTexts().size(), 2u);
  EXPECT_EQ(ChildNamed(second, "File"), nullptr);
}

TEST_F(StartupOfferTest, ExistingCopyIsKeptOnNoAndStillAdded) {
  TestHost::MakeFile(host_.directory() + "\\LPC2300.s", "; edited by the user\n");
  host_.ScriptAnswers("yes,no");
  HostNode* group = AddGroup("Startup");
  EXPECT_EQ(host_.MessageBoxTexts(), (std::vector<std::string>{kOffer, kOverwrite}));
  EXPECT_EQ(ReadFile(host_.directory() + "\\LPC2300.s"), "; edited by the user\n");
  ASSERT_NE(ChildNamed(group, "File"), nullptr);
  EXPECT_STREQ(Value(ChildNamed(group, "File"), "RelativePath"), ".\\LPC2300.s");
}

TEST_F(StartupOfferTest, OpenedProjectIsNeverOffered) {
  host_.Table().ProjectOpened(host_.project(), "Target 1");
  AddGroup("Startup");
  EXPECT_TRUE(host_.MessageBoxTexts().empty());
}

TEST(StartupOffer, FirstGroupWithoutConfigurationsUsesUpTheOffer) {
  TestHost host;
  std::string keil = host.directory() + "\\Keil";
  for (const char* tool : {"armcc.exe", "armasm.exe", "armlink.exe"}) TestHost::MakeFile(keil + "\\ARM\\BIN40\\" + tool);
  TestHost::MakeFile(keil + "\\ARM\\Startup\\Philips\\LPC2300.s");
  host.InstallPreferences("ARM|||inc|" + keil + "\\ARM\\BIN40|\n");
  host.Initialize("demo.orbproj", true, &kLpc2368);
  HostNode* first = AddChild(host.files(), "Filter", {{"Name", "A"}});
  host.Table().ProjectEvent(0, first);
  host.CreateConfiguration("Target 1");
  HostNode* second = AddChild(host.files(), "Filter", {{"Name", "B"}});
  host.Table().ProjectEvent(0, second);
  EXPECT_TRUE(host.MessageBoxTexts().empty());
}

}  // namespace
}  // namespace zrt::testhost
