#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cctype>

#include "tests/platform/registry_sandbox.h"

namespace zrt::platform {
namespace {

constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;
using testing::Query;

class RegistryTest : public ::testing::Test {
 protected:
  Registry& registry_ = RealRegistry();
  testing::RegistrySandbox sandbox_;
  const std::string key_ = sandbox_.Key();
};

TEST_F(RegistryTest, ValuesRoundTripWithEveryCharacterAndTheDefaultHasTheEmptyName) {
  const std::pair<std::string, std::string> values[] = {
      {"", "\"C:\\Keil\\UV4\\Uv4.exe\" \"%1\""}, {"1", "ends with a backslash\\"}, {"2", "\"quoted\""},
      {"3", "a=b;c [d] @"},                      {"4", "确定 目标"},              {"5", ""},
  };
  for (const auto& [name, value] : values) {
    ASSERT_TRUE(registry_.SetValue(kUser, key_, name, value)) << value;
    EXPECT_EQ(Query(key_, name), value);
  }
  EXPECT_EQ(registry_.EnumerateValues(kUser, key_), (std::vector<std::string>{"", "1", "2", "3", "4", "5"}));
  EXPECT_FALSE(registry_.KeyExists(RegistryRoot::kLocalMachine, key_));  // roots are separate
}

TEST_F(RegistryTest, KeyTextsIgnoreCaseAndEmptyComponentsButNotTrailBytes) {
  ASSERT_TRUE(registry_.SetValue(kUser, key_ + "\\TargetDlls\\\\RDIs", "Path", "a.dll"));
  std::string upper = key_;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(Query(upper + "\\targetdlls\\rdis", "PATH"), "a.dll");
  ASSERT_TRUE(registry_.SetValue(kUser, upper + "\\TARGETDLLS\\RDIS\\", "path", "b.dll"));
  EXPECT_EQ(registry_.EnumerateValues(kUser, key_ + "\\TargetDlls\\RDIs"), std::vector<std::string>{"Path"});
  EXPECT_EQ(Query(key_ + "\\TargetDlls\\RDIs", "Path"), "b.dll");
  // 0x81 0x5C is one GBK character whose second byte is the code of '\'.
  ASSERT_TRUE(registry_.SetValue(kUser, key_ + "\\\x81\x5C", "v", "1"));
  EXPECT_EQ(Query(key_ + "\\\x81\x5C", "v"), "1");
  EXPECT_FALSE(registry_.KeyExists(kUser, key_ + "\\\x81"));
}

TEST_F(RegistryTest, ValuesKeepTheirOrderThroughUpdatesAndDeletes) {
  const std::string list = key_ + "\\JDIs";
  for (const char* name : {"0", "1", "3"}) ASSERT_TRUE(registry_.SetValue(kUser, list, name, name));
  ASSERT_TRUE(registry_.SetValue(kUser, list, "1", "changed"));
  EXPECT_EQ(registry_.EnumerateValues(kUser, list), (std::vector<std::string>{"0", "1", "3"}));
  EXPECT_TRUE(registry_.DeleteValue(kUser, list, "1"));
  EXPECT_FALSE(registry_.DeleteValue(kUser, list, "1"));
  EXPECT_EQ(registry_.EnumerateValues(kUser, list), (std::vector<std::string>{"0", "3"}));
  EXPECT_EQ(Query(list, "1"), "<none>");
}

TEST_F(RegistryTest, CreateKeyMakesItsParentsAndMissingOnesAnswerFailure) {
  ASSERT_TRUE(registry_.CreateKey(kUser, key_ + "\\Debuggers\\ArmDebugger"));
  EXPECT_TRUE(registry_.CreateKey(kUser, key_ + "\\Debuggers\\ArmDebugger"));
  EXPECT_TRUE(registry_.KeyExists(kUser, key_ + "\\Debuggers"));
  EXPECT_FALSE(registry_.KeyExists(kUser, key_ + "\\Debuggers\\Arm"));
  EXPECT_TRUE(registry_.EnumerateValues(kUser, key_ + "\\Debuggers\\ArmDebugger").empty());
  std::string value = "untouched";
  EXPECT_FALSE(registry_.QueryValue(kUser, key_ + "\\Missing", "x", &value));
  EXPECT_FALSE(registry_.QueryValue(kUser, key_ + "\\Debuggers", "absent", &value));
  EXPECT_EQ(value, "untouched");
  EXPECT_FALSE(registry_.DeleteValue(kUser, key_ + "\\Missing", "x"));
}

}  // namespace
}  // namespace zrt::platform
