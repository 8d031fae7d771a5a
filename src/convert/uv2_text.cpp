#include "src/convert/uv2_text.h"

#include <cstring>

namespace zrt {
namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || IsLineEnd(c); }

constexpr char kEndOfBlock[] = "EndOpt";

}  // namespace

std::string Uv2Text::RestOfLine() {
  size_t end = position_;
  while (end < text_.size() && !IsLineEnd(text_[end])) ++end;
  std::string rest = text_.substr(position_, end - position_);
  // "\r\n" is one line end.
  if (end < text_.size() && text_[end] == '\r') ++end;
  if (end < text_.size() && text_[end] == '\n') ++end;
  position_ = end;
  return rest;
}

bool Uv2Text::ReadLine(std::string* line) {
  if (position_ >= text_.size()) return false;
  *line = RestOfLine();
  return true;
}

bool Uv2Text::NextWord(std::string* word) {
  while (position_ < text_.size() && IsBlank(text_[position_])) ++position_;
  size_t start = position_;
  while (position_ < text_.size() && !IsBlank(text_[position_])) ++position_;
  *word = text_.substr(start, position_ - start);
  return position_ > start;
}

bool Uv2Text::FindInBlock(const char* word, bool prefix, std::string* found) {
  std::string next;
  size_t length = std::strlen(word);
  for (size_t before = position_; NextWord(&next); before = position_) {
    if (next == word || (prefix && next.compare(0, length, word) == 0)) {
      if (found != nullptr) *found = next;
      return true;
    }
    if (next == kEndOfBlock) {
      position_ = before;  // the block's end stays to be read
      return false;
    }
  }
  return false;
}

}  // namespace zrt
