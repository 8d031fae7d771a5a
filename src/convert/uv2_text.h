// The two reading primitives of the uVision2 project reader over the whole file: the
// next blank-delimited word, and the rest of the current line. Carriage return and line
// feed end a line together or alone.
#pragma once

#include <cstddef>
#include <string>

namespace zrt {

class Uv2Text {
 public:
  explicit Uv2Text(std::string text) : text_(std::move(text)) {}

  // The next whole line (without its end); false at the end of the text.
  bool ReadLine(std::string* line);
  // The next word (skipping blanks and line ends); false at the end of the text.
  bool NextWord(std::string* word);
  // The rest of the current line without its end; the position moves to the next line.
  std::string RestOfLine();

  // Reads words up to one that equals word, or that begins with word when prefix is
  // set (*found receives it). False when "EndOpt" (left unread) or the end comes first.
  bool FindInBlock(const char* word, bool prefix = false, std::string* found = nullptr);
  // Reads words up to and including "EndOpt".
  void SkipBlock() { FindInBlock("EndOpt"); }

  // Where reading stands; Seek returns to a position given by Position.
  size_t Position() const { return position_; }
  void Seek(size_t position) { position_ = position; }

 private:
  std::string text_;
  size_t position_ = 0;
};

}  // namespace zrt
