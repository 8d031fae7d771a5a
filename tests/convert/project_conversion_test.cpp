// ConvertProject through the interface table: the reader chosen by extension, the one
// failure message, and what the writer puts on configurations, groups and files (the
// current configuration is checked on the corpus).
#include <gtest/gtest.h>

#include "tests/convert/uvision_fixture.h"
#include "tests/host/test_host.h"

namespace zrt::testing {
namespace {

using testhost::ChildNamed;
using testhost::ChildrenOf;
using testhost::NameOf;
using testhost::Value;

constexpr char kCannotConvert[] = "该工程存在问题，不可以进行转换!!!\r\n请确保使用了正确的工程文件";

class ConversionTest : public ::testing::Test {
 protected:
  ~ConversionTest() override { testhost::DeleteNode(project); }

  // Writes the file into the host's folder and converts it; answers the result text.
  std::string Convert(const std::string& name, const std::string& text, bool* converted = nullptr) {
    std::string path = host.directory() + "\\" + name;
    testhost::TestHost::MakeFile(path, text);
    const char* current = host.Table().ConvertProject(project, path.c_str());
    if (converted) *converted = current != nullptr;
    return current ? current : "";
  }
  std::vector<std::string> Names(const HostNode* node) {
    std::vector<std::string> names;
    for (HostNode* child : ChildrenOf(node))
      names.push_back(NameOf(child) + ":" + (Value(child, "Name") ? Value(child, "Name") : ""));
    return names;
  }

  testhost::TestHost host;
  HostNode* project = testhost::NewNode("OrbweaveProject");
};

TEST_F(ConversionTest, ReaderChosenByExtension) {
  const struct {
    const char* name;
    bool converted;
    std::vector<std::string> children;
  } cases[] = {
      {"PROJ.UVPROJ", true, {"Configurations", "Files"}},
      {"proj", false, {}},
      {"proj.mcp", false, {}},
      {"proj.uvprojx", false, {}},
      {"proj.xml", false, {"Configurations"}},
  };
  for (const auto& c : cases) {
    testhost::DeleteNode(project);
    project = testhost::NewNode("OrbweaveProject");
    bool converted = false;
    Convert(c.name, XmlProject({XmlTarget()}), &converted);
    EXPECT_EQ(converted, c.converted) << c.name;
    std::vector<std::string> children;
    for (HostNode* child : ChildrenOf(project)) children.push_back(NameOf(child));
    EXPECT_EQ(children, c.children) << c.name;
  }
  EXPECT_EQ(host.MessageBoxTexts(), std::vector<std::string>(4, kCannotConvert));
  EXPECT_EQ(host.Table().ConvertProject(nullptr, "p.uvproj"), nullptr);
  EXPECT_EQ(host.Table().ConvertProject(project, nullptr), nullptr);
  EXPECT_EQ(host.MessageBoxTexts().size(), 4u) << "null arguments show nothing";
}

TEST_F(ConversionTest, ConfigurationsCarryDeviceValuesAndSixSections) {
  const char* lines[] = {"CPU(IROM(0x0-0xFFFF))", "REGFILE(x.h)", "SIM(sarm)", nullptr};
  DeviceRecord device{"ST", "STM32", nullptr, lines, ""};
  host.Initialize("p.uvproj", false, &device);
  Convert("p.uvproj", XmlProject({XmlTarget()}));
  HostNode* configuration = ChildNamed(ChildNamed(project, "Configurations"), "Configuration");
  const std::pair<const char*, const char*> values[] = {
      {"Name", "T1"},         {"OPTDBG", "1,-1,1,1,1,0,()"},
      {"DEVICE", "STM32"},    {"VENDOR", "ST"},
      {"CPU", lines[0]},      {"RGF", "REGFILE(x.h)"},
      {"SIMDL", "SIM(sarm)"}, {"IROM", "1,0x00000000,0x00010000,1#0,0,0,0"}};
  for (const auto& [key, value] : values) EXPECT_STREQ(Value(configuration, key), value) << key;
  EXPECT_EQ(Value(configuration, "MONDL"), nullptr);
  EXPECT_EQ(Names(configuration), (std::vector<std::string>{"ZRT_Output:", "ZRT_User:", "ZRT_CParam:", "ZRT_AsmParam:",
                                                            "ZRT_Linker:", "ZRT_Debug:"}));
}

TEST_F(ConversionTest, ExclusionsAndOverridesOnGroupsAndFiles) {
  std::string option = Element("GroupOption", Excluded() + Element("GroupArmAds", Cads("2") + Aads()));
  std::string asmOption = Element("FileOption", Element("FileArmAds", Aads()));
  std::string textOption = Element("FileOption", Excluded() + Element("FileArmAds", Cads("1")));
  XmlTarget a, b;
  a.name = "A";
  b.name = "B";
  a.groups = b.groups = Element("Groups", XmlGroup("G", {{"x.s", asmOption}, {"x.txt", textOption}}, option));
  EXPECT_EQ(Convert("p.uvproj", XmlProject({a, b})), "B");
  HostNode* group = ChildNamed(ChildNamed(project, "Files"), "Filter");
  EXPECT_STREQ(Value(group, "nobuild"), "A?;?B?;?");
  EXPECT_STREQ(Value(group, "LocalConfigure"), "1");
  EXPECT_EQ(Names(group), (std::vector<std::string>{"File:", "File:", "ZRT_CParam:A", "ZRT_AsmParam:A", "ZRT_CParam:B",
                                                    "ZRT_AsmParam:B"}));
  std::vector<HostNode*> files = ChildrenOf(group);
  EXPECT_STREQ(Value(files[0], "RelativePath"), "x.txt");
  EXPECT_STREQ(Value(files[0], "nobuild"), "A?;?B?;?");
  EXPECT_TRUE(ChildrenOf(files[0]).empty()) << "a text file gets no override section";
  EXPECT_STREQ(Value(files[1], "RelativePath"), "x.s");
  EXPECT_EQ(Names(files[1]), (std::vector<std::string>{"ZRT_AsmParam:A", "ZRT_AsmParam:B"}));
  EXPECT_STREQ(Value(files[1], "LocalConfigure"), "1");
  EXPECT_EQ(Value(files[1], "nobuild"), nullptr);
}

TEST_F(ConversionTest, Uv2PlacementsAndFileSections) {
  std::string body = Uv2TargetBlock(1) +
                     "Options 1,2,1  // File 'main.c'\n PropFld { 68,5,0 }\n ADSCCFLG { 1,2,0,0,0 }\n"
                     " ADSCMISC ()\n ADSCDEFN ()\n ADSCINCD ()\nEndOpt\n";
  EXPECT_EQ(Convert("p.Uv2", Uv2Project(body)), "T1");
  std::vector<HostNode*> files = ChildrenOf(ChildrenOf(ChildNamed(project, "Files")).at(1));
  ASSERT_EQ(files.size(), 2u);
  EXPECT_STREQ(Value(files[1], "RelativePath"), ".\\main.c");
  const std::pair<const char*, const char*> values[] = {
      {"FileType", "1"}, {"Output", "main.o"}, {"ro", "1"}, {"bss", "5"}, {"rw", "1"}};
  for (const auto& [key, value] : values) EXPECT_STREQ(Value(files[1], key), value) << key;
  EXPECT_EQ(Names(files[1]), std::vector<std::string>{"ZRT_CParam:T1"});
  EXPECT_STREQ(Value(files[0], "ro"), "0") << "placements of 0 keep the file defaults";
}

}  // namespace
}  // namespace zrt::testing
