// The build output window as a terminal shows it: WriteOutput's texts printed as they
// come, and, while a build runs on a terminal, one status line under them (files done of
// files to compile, the current file) that is gone when the build ends. The plug-in goes
// through the sources in tree order and says nothing of those it finds up to date, so
// "to compile" counts the files compiled so far and those not yet reached: exact for a
// rebuild, and shrinking towards the true count as an incremental build passes files by.
#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace zrt::zrthost {

class OutputWindow {
 public:
  // Prints to out (nothing when null); the status line is shown only when showStatus is set.
  OutputWindow(std::FILE* out, bool showStatus) : out_(out), showStatus_(showStatus) {}

  // Appends a text of the plug-in (ANSI) to the window.
  void Write(const std::string& ansi);
  // Prints a line of the host's own (UTF-8), above the status line.
  void Note(const std::string& utf8Line);

  // The sources a build may compile (their RelativePath texts) in tree order; arms the
  // status line.
  void ExpectSources(const std::vector<std::string>& relativePaths);
  // A tool run starts / ended; a run whose arguments name one of the expected sources
  // counts as that file's compile.
  void CommandStarting(const std::string& commandLine);
  void CommandFinished();
  // Removes the status line; the window then prints plainly.
  void EndStatus();

  // Expected sources that a run compiled, in run order.
  const std::vector<std::string>& compiledSources() const { return compiled_; }
  // The source the command line compiles; "" when it names none of the expected ones.
  std::string SourceOf(const std::string& commandLine) const;

 private:
  void EraseStatus();
  void DrawStatus();
  // Redraws the status line and flushes: the text shows as it comes, also through a pipe.
  void ShowNow();

  std::FILE* out_;
  bool showStatus_;
  bool statusShown_ = false;
  std::map<std::string, size_t> expected_;  // source -> its place in tree order
  size_t reached_ = 0;                       // sources up to the last one compiled
  std::vector<std::string> compiled_;
  std::string current_;
};

}  // namespace zrt::zrthost
