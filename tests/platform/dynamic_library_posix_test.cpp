#include <gtest/gtest.h>

#include "platform/dynamic_library.h"
#include "tests/platform/temp_folder.h"

namespace zrt::platform {
namespace {

TEST(DynamicLibraryPosixTest, DllNamesMapToSharedObjects) {
  struct Case {
    const char* path;
    const char* native;
  };
  const Case cases[] = {
      {"opt\\Preference.dll", "opt/Preference.so"},
      {"C:\\Keil\\ARM\\BIN\\SArm.DLL", "C:/Keil/ARM/BIN/SArm.so"},
      {"XCDB.Dll", "XCDB.so"},
      {"lib/libz.so.1", "lib/libz.so.1"},
      {"dll", "dll"},
  };
  for (const Case& c : cases) EXPECT_EQ(NativeLibraryPath(c.path), c.native) << c.path;
}

TEST(DynamicLibraryPosixTest, FallsBackToTheLibPrefixedName) {
  testing::TempFolder folder;
  std::filesystem::copy_file(ZRT_TEST_LIBRARY_FILE, folder.Path() / "libSarmCM3.so");
  EXPECT_EQ(NativeLibraryPath(folder.Join("SarmCM3.dll")), (folder.Path() / "libSarmCM3.so").string());
  LibraryHandle library = LoadLibraryByPath(folder.Join("SarmCM3.dll"));
  ASSERT_NE(library, nullptr);
  EXPECT_NE(FindLibrarySymbol(library, "ZrtTestLibraryAnswer"), nullptr);
  FreeLibraryHandle(library);
}

}  // namespace
}  // namespace zrt::platform
