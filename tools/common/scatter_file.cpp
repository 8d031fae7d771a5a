#include "tools/common/scatter_file.h"

#include <cctype>

namespace zrt::tools {
namespace {

enum class TokenKind { kWord, kOpenBrace, kCloseBrace, kOpenParen, kCloseParen, kComma, kEnd };

struct Token {
  TokenKind kind = TokenKind::kEnd;
  std::string text;
  int line = 0;
  int column = 0;
};

// Attributes of load and execution regions; the second column says whether a value
// follows.
struct AttributeSpec {
  const char* name;
  bool takesValue;
};
const AttributeSpec kAttributes[] = {
    {"ABSOLUTE", false}, {"PI", false},      {"RELOC", false},   {"OVERLAY", false}, {"NOCOMPRESS", false},
    {"EMPTY", false},    {"UNINIT", false},  {"ZEROPAD", false}, {"FIXED", false},   {"PROTECTED", false},
    {"ALIGN", true},     {"ALIGNALL", true}, {"PADVALUE", true}, {"FILL", true},     {"SORTTYPE", true},
};

// The value of a hexadecimal digit; -1 for any other character.
int DigitValue(char c) {
  if (std::isdigit(static_cast<unsigned char>(c))) return c - '0';
  if (std::isxdigit(static_cast<unsigned char>(c))) return std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
  return -1;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Splits the text into words and punctuation, skipping blanks and comments.
class Tokenizer {
 public:
  explicit Tokenizer(const std::string& text) : text_(text) {}

  Token Next() {
    SkipBlanksAndComments();
    Token token;
    token.line = line_;
    token.column = static_cast<int>(position_ - lineStart_) + 1;
    if (position_ == text_.size()) return token;
    static const std::string kPunctuation = "{}(),";
    static const TokenKind kKinds[] = {TokenKind::kOpenBrace, TokenKind::kCloseBrace, TokenKind::kOpenParen,
                                       TokenKind::kCloseParen, TokenKind::kComma};
    size_t punctuation = kPunctuation.find(text_[position_]);
    if (punctuation != std::string::npos) {
      token.kind = kKinds[punctuation];
      token.text = text_.substr(position_++, 1);
      return token;
    }
    size_t start = position_;
    while (position_ < text_.size() && !IsSpace(text_[position_]) && text_[position_] != ';' &&
           kPunctuation.find(text_[position_]) == std::string::npos) {
      ++position_;
    }
    token.kind = TokenKind::kWord;
    token.text = text_.substr(start, position_ - start);
    return token;
  }

 private:
  static bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

  void SkipBlanksAndComments() {
    while (position_ < text_.size()) {
      char c = text_[position_];
      if (c == ';') {
        while (position_ < text_.size() && text_[position_] != '\n') ++position_;
      } else if (IsSpace(c)) {
        ++position_;
        if (c == '\n') {
          ++line_;
          lineStart_ = position_;
        }
      } else {
        return;
      }
    }
  }

  const std::string& text_;
  size_t position_ = 0;
  size_t lineStart_ = 0;
  int line_ = 1;
};

class Parser {
 public:
  Parser(const std::string& text, ScatterError* error) : tokens_(text), error_(error) { Advance(); }

  // At least one load region, each with at least one execution region.
  bool Parse(ScatterDescription* description) {
    if (current_.kind == TokenKind::kEnd) return Fail("load region name");
    while (current_.kind != TokenKind::kEnd) {
      LoadRegion region;
      if (!ParseLoadRegion(&region)) return false;
      description->loadRegions.push_back(region);
    }
    return true;
  }

 private:
  void Advance() { current_ = tokens_.Next(); }

  bool Fail(const std::string& expected) {
    std::string found = current_.kind == TokenKind::kEnd ? "EOF" : current_.text;
    *error_ = {current_.line, current_.column, "L6228E", "Expected '" + expected + "', found '" + found + "'."};
    return false;
  }

  bool Expect(TokenKind kind, const std::string& text) {
    if (current_.kind != kind) return Fail(text);
    Advance();
    return true;
  }

  bool ReadWord(const std::string& expected, std::string* word) {
    if (current_.kind != TokenKind::kWord) return Fail(expected);
    *word = current_.text;
    Advance();
    return true;
  }

  bool ReadNumber(const std::string& expected, uint32_t* value) {
    if (current_.kind != TokenKind::kWord || !ParseScatterNumber(current_.text, value)) return Fail(expected);
    Advance();
    return true;
  }

  bool ReadBase(RegionBase* base) {
    bool relative = current_.kind == TokenKind::kWord && current_.text.size() > 1 && current_.text[0] == '+';
    if (relative) current_.text.erase(0, 1);
    base->relative = relative;
    return ReadNumber("base address", &base->value);
  }

  // Attributes, then an optional size ("-length" too for execution regions), up to "{".
  bool ReadRegionTail(bool execution, std::vector<std::string>* attributes, bool* hasMaxSize, uint32_t* maxSize) {
    while (current_.kind == TokenKind::kWord) {
      const AttributeSpec* attribute = FindAttribute(Upper(current_.text));
      if (attribute == nullptr) break;
      attributes->push_back(attribute->name);
      Advance();
      if (attribute->takesValue) {
        std::string value;
        if (!ReadWord("attribute value", &value)) return false;
      }
    }
    if (current_.kind == TokenKind::kWord) {
      if (execution && current_.text.size() > 1 && current_.text[0] == '-') current_.text.erase(0, 1);
      if (!ReadNumber("{", maxSize)) return false;
      *hasMaxSize = true;
    }
    return Expect(TokenKind::kOpenBrace, "{");
  }

  static const AttributeSpec* FindAttribute(const std::string& word) {
    for (const AttributeSpec& attribute : kAttributes) {
      if (word == attribute.name) return &attribute;
    }
    return nullptr;
  }

  bool ParseLoadRegion(LoadRegion* region) {
    if (!ReadWord("load region name", &region->name) || !ReadBase(&region->base) ||
        !ReadRegionTail(false, &region->attributes, &region->hasMaxSize, &region->maxSize)) {
      return false;
    }
    do {
      ExecutionRegion execution;
      if (!ParseExecutionRegion(&execution)) return false;
      region->regions.push_back(execution);
    } while (current_.kind == TokenKind::kWord);
    return Expect(TokenKind::kCloseBrace, "}");
  }

  bool ParseExecutionRegion(ExecutionRegion* region) {
    if (!ReadWord("execution region name", &region->name) || !ReadBase(&region->base) ||
        !ReadRegionTail(true, &region->attributes, &region->hasMaxSize, &region->maxSize)) {
      return false;
    }
    while (current_.kind == TokenKind::kWord) {
      InputSection input;
      if (!ParseInputSection(&input)) return false;
      region->inputs.push_back(input);
    }
    return Expect(TokenKind::kCloseBrace, "}");
  }

  bool ParseInputSection(InputSection* input) {
    input->line = current_.line;
    input->column = current_.column;
    input->module = current_.text;
    Advance();
    if (current_.kind != TokenKind::kOpenParen) return true;
    Advance();
    while (current_.kind != TokenKind::kCloseParen) {
      std::string selector;
      if (!ReadWord(")", &selector)) return false;
      input->selectors.push_back(selector);
      if (current_.kind == TokenKind::kComma) Advance();
    }
    Advance();
    return true;
  }

  Tokenizer tokens_;
  ScatterError* error_;
  Token current_;
};

}  // namespace

bool ParseScatterNumber(const std::string& text, uint32_t* value) {
  bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  std::string digits = hex ? text.substr(2) : text;
  uint64_t radix = hex ? 16 : 10;
  if (digits.empty() || digits.size() > 10) return false;
  uint64_t number = 0;
  for (char c : digits) {
    int digit = DigitValue(c);
    if (digit < 0 || static_cast<uint64_t>(digit) >= radix) return false;
    number = number * radix + static_cast<uint64_t>(digit);
  }
  if (number > 0xFFFFFFFFu) return false;
  *value = static_cast<uint32_t>(number);
  return true;
}

bool ParseScatterFile(const std::string& text, ScatterDescription* description, ScatterError* error) {
  description->loadRegions.clear();
  if (text.compare(0, 2, "#!") == 0) {
    *error = {1, 1, "L9900U", "Preprocessing of scatter files (#!) is not emulated."};
    return false;
  }
  return Parser(text, error).Parse(description);
}

}  // namespace zrt::tools
