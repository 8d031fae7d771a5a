// A fresh folder under the system's temporary directory, removed with its content at the
// end of the test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace zrt::platform::testing {

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("zrt-platform-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
    path_ = std::filesystem::canonical(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder in the system's own notation.
  const std::filesystem::path& Path() const { return path_; }
  // The folder joined with a '\'-separated relative name, as the plug-in writes paths.
  std::string Join(const std::string& relative) const { return path_.string() + "\\" + relative; }

 private:
  std::filesystem::path path_;
};

}  // namespace zrt::platform::testing
