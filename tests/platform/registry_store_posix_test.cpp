// The POSIX registry store as a file: its text, files exported on Windows, and where it lives.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "tests/core/case_file.h"
#include "tests/platform/registry_sandbox.h"

namespace zrt::platform {
namespace {

constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;
using testing::Query;

// A file exported by regedit on Windows, with CRLF line ends and value kinds the store
// does not read.
std::string WindowsExport() { return zrt::testing::ReadFixtureFile("platform/fixtures/windows_export.reg"); }

class RegistryStoreTest : public ::testing::Test {
 protected:
  std::string StorePath() const { return (sandbox_.Folder().Path() / "registry.reg").string(); }

  std::string StoreText() const {
    std::ifstream in(StorePath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  void WriteStore(const std::string& text) const { std::ofstream(StorePath(), std::ios::binary) << text; }

  testing::RegistrySandbox sandbox_;
  Registry& registry_ = RealRegistry();
  const std::string key_ = sandbox_.Key();
};

TEST_F(RegistryStoreTest, WritesRegedit4Text) {
  ASSERT_TRUE(registry_.SetValue(kUser, key_, "Tool", "C:\\Keil\\\"x\""));
  ASSERT_TRUE(registry_.SetValue(kUser, key_, "", "d"));
  EXPECT_EQ(StoreText(),
            "REGEDIT4\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\ZRTSettingsTest]\n"
            "\"Tool\"=\"C:\\\\Keil\\\\\\\"x\\\"\"\n"
            "@=\"d\"\n"
            "\n");
}

TEST_F(RegistryStoreTest, ReadsAWindowsExport) {
  ASSERT_TRUE(registry_.SetValue(kUser, key_, "v", "mine"));
  WriteStore(WindowsExport());  // as another process would
  EXPECT_EQ(Query(key_, "v"), "<none>");
  EXPECT_EQ(Query(key_, ""), "default");
  EXPECT_EQ(Query(key_, "Path"), "C:\\Keil\\\"UV4\"");
  EXPECT_EQ(Query(key_, "Count"), "<none>");
  EXPECT_EQ(registry_.EnumerateValues(kUser, key_), (std::vector<std::string>{"", "Path"}));
  EXPECT_EQ(Query(key_ + "\\TargetDlls\\RDIs", "0"), "C:\\Keil\\ARM\\BIN\\UL2ARM.DLL");
  EXPECT_TRUE(registry_.KeyExists(kUser, key_ + "\\TargetDlls"));
}

TEST_F(RegistryStoreTest, RewritingKeepsWhatItDoesNotReadAndLeavesNoTemporaryFile) {
  WriteStore(WindowsExport());
  ASSERT_TRUE(registry_.SetValue(kUser, key_ + "\\TargetDlls\\RDIs", "1", "new.dll"));
  const std::string text = StoreText();
  EXPECT_EQ(text.rfind("REGEDIT4\n\n", 0), 0u);
  const char* const keptLines[] = {
      "\"Count\"=dword:00000003\n",
      "\"Blob\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\n  16,17,18\n",
      "; a comment\n",
      "\"0\"=\"C:\\\\Keil\\\\ARM\\\\BIN\\\\UL2ARM.DLL\"\n\"1\"=\"new.dll\"\n",
  };
  for (const char* kept : keptLines) {
    EXPECT_NE(text.find(kept), std::string::npos) << kept;
  }
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(RealFileSystem().ListDirectory(sandbox_.Folder().Path().string()),
            std::vector<std::string>{"registry.reg"});
}

TEST_F(RegistryStoreTest, ReadsAUtf16Export) {
  const std::u16string text =
      u"Windows Registry Editor Version 5.00\r\n\r\n"
      u"[HKEY_CURRENT_USER\\Software\\ZRTSettingsTest]\r\n"
      u"\"名称\"=\"确定\"\r\n";
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  WriteStore(bytes);
  EXPECT_EQ(Query(key_, "名称"), "确定");
}

TEST_F(RegistryStoreTest, AStoreThatCannotBeReadFailsEveryCall) {
  SetEnvironment("ZRT_REGISTRY", sandbox_.Folder().Path().string());
  EXPECT_FALSE(registry_.SetValue(kUser, key_, "v", "1"));
  EXPECT_FALSE(registry_.CreateKey(kUser, key_));
  EXPECT_EQ(Query(key_, "v"), "<none>");
}

TEST_F(RegistryStoreTest, LivesInAFolderWithAChineseNameCreatedAsNeeded) {
  const std::filesystem::path store = sandbox_.Folder().Path() / u8"注册表" / "store.reg";
  SetEnvironment("ZRT_REGISTRY", store.string());
  ASSERT_TRUE(registry_.SetValue(kUser, key_, "v", "1"));
  EXPECT_TRUE(std::filesystem::is_regular_file(store));
  EXPECT_EQ(Query(key_, "v"), "1");
}

}  // namespace
}  // namespace zrt::platform
