// Every real uVision project of the shared corpus converted through the interface table
// by the test host: accepted or refused as it must be, and, when accepted, the targets,
// groups, files, exclusions, override sections and current target that the source file
// itself gives (recomputed here without the plug-in's readers; XML where libxml2 links).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/convert/project_facts.h"
#include "tests/core/case_file.h"
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

// Converts one project of tests/convert/fixtures/corpus_projects.txt and checks it.
void ExpectConvertedAsTheSourceFileSays(const CaseRow& expected) {
  const std::string& file = expected[0];
  ASSERT_TRUE(fs::exists(fs::path(CorpusDirectory()) / file)) << "corpus not found; set ZRT_CORPUS_DIR";
  testhost::TestHost host;
  std::string path = CopyIntoHost(host, file);
  HostNode* project = testhost::NewNode("OrbweaveProject");
  const char* current = host.Table().ConvertProject(project, path.c_str());
  std::vector<std::string> messages = host.MessageBoxTexts();

  if (expected[1] != "accepted") {
    EXPECT_EQ(current, nullptr);
    std::vector<std::string> shown{kCannotConvert};
    if (expected[1] == "foreign") shown.insert(shown.begin(), kNotRealView);
    EXPECT_EQ(messages, shown);
    testhost::DeleteNode(project);
    return;
  }
  ASSERT_NE(current, nullptr);
  EXPECT_TRUE(messages.empty());
  ProjectFacts converted = ConvertedFacts(project, current);
  EXPECT_EQ(std::to_string(converted.FileCount()), expected[2]);
  EXPECT_EQ(FirstRom(project), expected[3]);
  ExpectSixSections(project);

  std::string source = (fs::path(CorpusDirectory()) / file).string();
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

TEST(CorpusConversionTest, ConvertsAsTheSourceFileSays) {
  for (const CaseRow& row : ReadCaseFile("convert/fixtures/corpus_projects.txt")) {
    SCOPED_TRACE(row[0]);
    ExpectConvertedAsTheSourceFileSays(row);
  }
}

}  // namespace
}  // namespace zrt::testing
