#include "platform/dynamic_library.h"

#include <gtest/gtest.h>

#include "tests/platform/temp_folder.h"

namespace zrt::platform {
namespace {

using Answer = int (*)(int);

// Copies the test library into folder under fileName.
void PlaceTestLibrary(const testing::TempFolder& folder, const std::string& fileName) {
  std::filesystem::copy_file(ZRT_TEST_LIBRARY_FILE, folder.Path() / fileName);
}

TEST(DynamicLibraryTest, LoadsByDllNameAndAnswersNullForWhatIsMissing) {
  testing::TempFolder folder;
  PlaceTestLibrary(folder, std::filesystem::path(ZRT_TEST_LIBRARY_FILE).filename().string());
  LibraryHandle library = LoadLibraryByPath(folder.Join("ZrtTestLibrary.dll"));
  ASSERT_NE(library, nullptr);
  auto answer = reinterpret_cast<Answer>(FindLibrarySymbol(library, "ZrtTestLibraryAnswer"));
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(20), 41);
  EXPECT_EQ(FindLibrarySymbol(library, "NoSuchExport"), nullptr);
  FreeLibraryHandle(library);
  EXPECT_EQ(LoadLibraryByPath(folder.Join("Missing.dll")), nullptr);
  EXPECT_EQ(FindLibrarySymbol(nullptr, "ZrtTestLibraryAnswer"), nullptr);
  FreeLibraryHandle(nullptr);
}

}  // namespace
}  // namespace zrt::platform
