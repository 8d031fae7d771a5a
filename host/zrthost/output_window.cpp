#include "host/zrthost/output_window.h"

#include <algorithm>

#include "host/zrthost/console.h"
#include "platform/command_line.h"

namespace zrt::zrthost {

void OutputWindow::Write(const std::string& ansi) {
  if (out_ == nullptr) return;
  EraseStatus();
  std::fputs(TerminalText(ansi).c_str(), out_);
  ShowNow();
}

void OutputWindow::Note(const std::string& utf8Line) {
  if (out_ == nullptr) return;
  EraseStatus();
  std::fprintf(out_, "%s\n", utf8Line.c_str());
  ShowNow();
}

void OutputWindow::ExpectSources(const std::vector<std::string>& relativePaths) {
  expected_.clear();
  for (const std::string& path : relativePaths) expected_.emplace(path, expected_.size());
  reached_ = 0;
  compiled_.clear();
}

std::string OutputWindow::SourceOf(const std::string& commandLine) const {
  if (expected_.empty()) return "";
  for (const std::string& argument : platform::SplitCommandLine(commandLine)) {
    if (expected_.count(argument)) return argument;
  }
  return "";
}

void OutputWindow::CommandStarting(const std::string& commandLine) {
  current_ = SourceOf(commandLine);
  if (!current_.empty()) reached_ = std::max(reached_, expected_.at(current_) + 1);
  DrawStatus();
}

void OutputWindow::CommandFinished() {
  if (!current_.empty()) compiled_.push_back(current_);
  current_.clear();
  DrawStatus();
}

void OutputWindow::EndStatus() {
  EraseStatus();
  showStatus_ = false;
}

void OutputWindow::EraseStatus() {
  if (!statusShown_) return;
  ClearCurrentLine(out_);
  statusShown_ = false;
}

void OutputWindow::ShowNow() {
  DrawStatus();
  std::fflush(out_);
}

void OutputWindow::DrawStatus() {
  if (!showStatus_ || expected_.empty()) return;
  EraseStatus();
  size_t running = current_.empty() ? 0 : 1;
  size_t toCompile = compiled_.size() + running + (expected_.size() - reached_);
  std::string line = "[" + std::to_string(compiled_.size()) + "/" + std::to_string(toCompile) + "]";
  if (!current_.empty()) line += " " + TerminalText(current_);
  size_t columns = static_cast<size_t>(TerminalColumns());
  if (columns > 1 && line.size() >= columns) line = line.substr(0, columns - 1);
  std::fputs(line.c_str(), out_);
  std::fflush(out_);
  statusShown_ = true;
}

}  // namespace zrt::zrthost
