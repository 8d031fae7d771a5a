// Every real uVision project of the shared corpus converted through the interface table
// by the test host: accepted or refused as it must be, and, when accepted, the targets,
// groups, files, exclusions, override sections and current target that the source file
// itself gives (recomputed here without the plug-in's readers; XML where libxml2 links).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/convert/project_facts.h"
#include "tests/host/test_host.h"

namespace zrt::testing {
namespace {

namespace fs = std::filesystem;
using testhost::ChildNamed;
using testhost::ChildrenOf;
using testhost::NameOf;
using testhost::Value;

constexpr char kCannotConvert[] = "该工程存在问题，不可以进行转换!!!\r\n请确保使用了正确的工程文件";
constexpr char kNotRealView[] = "该工程文件不是RealView ZRT 3.2x以上工程\r\n请确保转换的是RealView ZRT工程";

enum Outcome { kAccepted, kRefused, kForeignToolChain };

struct CorpusProject {
  const char* file;  // below the corpus folder
  Outcome outcome;
  size_t files;          // counted here too, for builds that cannot recompute XML
  const char* firstRom;  // Rom of the first target's ZRT_Linker; "" when none is written
};

const CorpusProject kCorpus[] = {
    // file, outcome, files, first Rom
    {"uvproj/01_chibios_lpc1114/ch.uvproj", kAccepted, 115, "0x08000000"},
    {"uvproj/03_rtthread_cme_m7_template/template.uvproj", kAccepted, 0, ""},
    {"uvproj/05_stm32f103_blinky_2tgt/Blinky.uvproj", kAccepted, 5, "0x08000000"},
    {"uvproj/07_alientek_stm32f103_led/LED.uvproj", kAccepted, 13, "0x08000000"},
    {"uvproj/08_stm32f0_stdperiph_template_m0/Project.uvproj", kAccepted, 28, "0x08000000"},
    {"uvproj/10_lpc2129_fan_arm7_mdk5/Project.uvproj", kAccepted, 5, ""},
    {"uvproj/11_holtek_ht32f1765_entities/Project.uvproj", kAccepted, 37, ""},
    {"uvproj/13_stm32f407_ssd1963_m4_abs_paths/Blinky.uvproj", kAccepted, 13, "0x08000000"},
    {"uvproj/14_stm32f051_dimmer_m0_lib/Project.uvproj", kAccepted, 46, "0x08000000"},
    // A target without "Groups".
    {"uvproj/15_rtthread_asm9260t_template_nogroups/template.uvproj", kRefused, 0, ""},
    {"uvproj/17_freertos_lm3s8962_m3_uip/RTOSDemo.uvproj", kAccepted, 41, ""},
    // Group options on a different group per target, file options with exclusions.
    {"uvproj/18_stm32l1xx_stdperiph_template_groupopt_fileopt/Project.uvproj", kAccepted, 48, "0x08000000"},
    {"uvproj/20_gas_flow_meter_stm32f103_startup_excl/Project.uvproj", kAccepted, 45, "0x08000000"},
    {"uvproj/23_stm32f4xx_stdperiph_template_4tgt_large/Project.uvproj", kAccepted, 42, "0x08000000"},
    // C51: no "TargetArmAds".
    {"uvproj/90_neg_c51_stc89c52/Project.uvproj", kRefused, 0, ""},
    // The newer format is not read.
    {"uvprojx/01_rtthread_f103_bluepill_template/template.uvprojx", kRefused, 0, ""},
    {"uvprojx/02_py32f072_template_cm0plus/Project.uvprojx", kRefused, 0, ""},
    {"uv2/01_freertos_lpc2129_rvds/RTOSDemo.Uv2", kAccepted, 18, ""},
    {"uv2/02_freertos_stm32f103/RTOSDemo.Uv2", kAccepted, 29, "0x08000000"},
    // Four file blocks: overrides and placements (their IncBld is not read, so no exclusions).
    {"uv2/04_stm32f10x_stdperiph_template/Project.Uv2", kAccepted, 10, "0x08000000"},
    // Other tool chains: their own message first.
    {"uv2/90_neg_c51_lcd/Project.Uv2", kForeignToolChain, 0, ""},
    {"uv2/92_neg_armgnu_sfboot/Blinky.Uv2", kForeignToolChain, 0, ""},
};

std::string CorpusDirectory() {
  const char* corpus = std::getenv("ZRT_CORPUS_DIR");
  return corpus ? corpus : "";
}

bool IsUv2(const std::string& file) { return file.size() > 4 && file.substr(file.size() - 4) == ".Uv2"; }

// Copies the project (and the option file beside it) into the host's folder; answers the
// copy's path as the host passes it.
std::string CopyIntoHost(const testhost::TestHost& host, const std::string& file) {
  fs::path source = fs::path(CorpusDirectory()) / file;
  fs::path target = testhost::NativePath(host.directory()) / source.filename();
  fs::copy_file(source, target);
  fs::path options = fs::path(source).replace_extension(".uvopt");
  if (fs::exists(options)) fs::copy_file(options, fs::path(target).replace_extension(".uvopt"));
  return host.directory() + "\\" + source.filename().string();
}

void ExpectSixSections(const HostNode* project) {
  const char* const kSections[] = {"ZRT_Output", "ZRT_User", "ZRT_CParam", "ZRT_AsmParam", "ZRT_Linker", "ZRT_Debug"};
  for (HostNode* configuration : ChildrenOf(ChildNamed(project, "Configurations"))) {
    std::vector<HostNode*> sections = ChildrenOf(configuration);
    ASSERT_EQ(sections.size(), 6u);
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(NameOf(sections[i]), kSections[i]);
  }
}

std::string FirstRom(const HostNode* project) {
  HostNode* first = ChildNamed(ChildNamed(project, "Configurations"), "Configuration");
  const char* rom = Value(ChildNamed(first, "ZRT_Linker"), "Rom");
  return rom ? rom : "";
}

class CorpusConversionTest : public ::testing::TestWithParam<CorpusProject> {};

TEST_P(CorpusConversionTest, ConvertsAsTheSourceFileSays) {
  const CorpusProject& expected = GetParam();
  ASSERT_TRUE(fs::exists(fs::path(CorpusDirectory()) / expected.file)) << "corpus not found; set ZRT_CORPUS_DIR";
  testhost::TestHost host;
  std::string path = CopyIntoHost(host, expected.file);
  HostNode* project = testhost::NewNode("OrbweaveProject");
  const char* current = host.Table().ConvertProject(project, path.c_str());
  std::vector<std::string> messages = host.MessageBoxTexts();

  if (expected.outcome != kAccepted) {
    EXPECT_EQ(current, nullptr);
    std::vector<std::string> shown{kCannotConvert};
    if (expected.outcome == kForeignToolChain) shown.insert(shown.begin(), kNotRealView);
    EXPECT_EQ(messages, shown);
    testhost::DeleteNode(project);
    return;
  }
  ASSERT_NE(current, nullptr);
  EXPECT_TRUE(messages.empty());
  ProjectFacts converted = ConvertedFacts(project, current);
  EXPECT_EQ(converted.FileCount(), expected.files);
  EXPECT_EQ(FirstRom(project), expected.firstRom);
  ExpectSixSections(project);

  std::string source = (fs::path(CorpusDirectory()) / expected.file).string();
#ifndef ZRT_WITH_LIBXML2
  if (!IsUv2(source)) {
    testhost::DeleteNode(project);
    return;  // XML is recomputed only where libxml2 is available
  }
#endif
  ProjectFacts original = IsUv2(source) ? Uv2ProjectFacts(source) : XmlProjectFacts(source);
  EXPECT_EQ(converted.targets, original.targets);
  EXPECT_EQ(converted.groups, original.groups);
  EXPECT_EQ(converted.files, original.files);
  EXPECT_EQ(converted.excluded, original.excluded);
  EXPECT_EQ(converted.overrideSections, original.overrideSections);
  EXPECT_EQ(converted.currentTarget, original.currentTarget);
  testhost::DeleteNode(project);
}

std::string CaseName(const ::testing::TestParamInfo<CorpusProject>& info) {
  std::string name = info.param.file;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusConversionTest, ::testing::ValuesIn(kCorpus), CaseName);

}  // namespace
}  // namespace zrt::testing
