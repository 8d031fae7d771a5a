// An in-memory file system with a settable clock that records what was looked at and
// keeps what was written.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace zrt::testing {

class FakeFileSystem : public platform::FileSystem {
 public:
  // Creates or touches a file at the current time.
  void Touch(const std::string& path) { files_[path] = now_; }
  void Remove(const std::string& path) {
    files_.erase(path);
    contents.erase(path);
  }
  // Advances the clock by whole seconds.
  void Tick(int seconds = 1) { now_ += seconds; }

  std::vector<std::string> statted;
  std::vector<std::string> madeDirectories;
  // The text of each file written (or given by a test), by path; only these can be read.
  std::map<std::string, std::string> contents;

  bool Exists(const std::string& path) override { return Stat(path) >= 0 || directories_.count(path); }
  bool IsDirectory(const std::string& path) override { return directories_.count(path) != 0; }
  int64_t LastWriteTime(const std::string& path) override { return Stat(path); }
  int64_t FileSize(const std::string& path) override { return Stat(path) >= 0 ? 0 : -1; }
  std::vector<std::string> ListDirectory(const std::string&) override { return {}; }
  bool MakeDirectory(const std::string& path) override {
    madeDirectories.push_back(path);
    directories_[path] = now_;
    return true;
  }
  bool CopyFile(const std::string&, const std::string&, bool) override { return false; }
  bool DeleteFile(const std::string& path) override {
    contents.erase(path);
    return files_.erase(path) != 0;
  }
  bool ReadFile(const std::string& path, std::string* content) override {
    auto it = contents.find(path);
    if (it == contents.end()) return false;
    *content = it->second;
    return true;
  }
  bool WriteFile(const std::string& path, const std::string& content) override {
    Touch(path);
    contents[path] = content;
    return true;
  }
  std::string FullPath(const std::string& path) override { return path; }
  std::string CurrentDirectory() override { return "C:\\"; }
  bool SetCurrentDirectory(const std::string&) override { return true; }

 private:
  int64_t Stat(const std::string& path) {
    statted.push_back(path);
    auto it = files_.find(path);
    return it == files_.end() ? -1 : it->second;
  }

  int64_t now_ = 1000;
  std::map<std::string, int64_t> files_;
  std::map<std::string, int64_t> directories_;
};

}  // namespace zrt::testing
