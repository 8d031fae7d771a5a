#include "src/convert/xml_tokenizer.h"

#include <cstring>
#include <string_view>

#include "src/convert/xml_character_class.h"

namespace zrt::xml {
namespace {

// Reads one token; every member function returns the finished token.
class TokenReader {
 public:
  TokenReader(const char* text, uint32_t size, uint32_t pos) : text_(text), end_(text + size) {
    token_.start = pos;
  }

  Token Read() {
    const char* p = text_ + token_.start;
    if (p >= end_) return token_;
    return *p == '<' ? Markup(p) : CharacterData(p);
  }

 private:
  Token CharacterData(const char* p) {
    const char* q = p;
    while (Is(*q, kWhiteSpace)) ++q;
    if (q == end_ || *q == '<') return Finish(kTokenWhiteSpace, q);
    const void* lt = std::memchr(q, '<', end_ - q);
    return Finish(kTokenText, lt ? static_cast<const char*>(lt) : end_);
  }

  // At '<'.
  Token Markup(const char* p) {
    char c = p[1];
    if (c == '/') return EndTag(p);
    if (c == '?') return Closed(kTokenProcessing, p + 2, "?>", "Processing instruction");
    if (c == '!') return Declaration(p);
    if (Is(c, kNameStart)) return ElementTag(p);
    if (c == '\0') return Unterminated("tag");
    return Incorrect("tag name character", p);
  }

  // At "<!".
  Token Declaration(const char* p) {
    switch (p[2]) {
      case '\0':
        return Unterminated("tag");
      case '-':
        return p[3] == '-' ? Closed(kTokenComment, p + 4, "-->", "Comment") : Incorrect("comment tag", p);
      case '[':
        return p[3] == 'C' ? Closed(kTokenCdata, p + 4, "]]>", "CDATA Section") : Incorrect("tag", p);
      case 'D':
        return DocumentType(p + 3);
      case 'E':
      case 'A':
      case 'N': {
        const char* end = SkipDeclaration(p + 2);
        return end ? Finish(kTokenDocumentType, end) : Unterminated("Doctype");
      }
      default:
        return Incorrect("! tag", p);
    }
  }

  Token ElementTag(const char* p) {
    const char* name = p + 1;
    const char* q = name;
    while (!Is(*q, kTagNameEnd)) ++q;
    const char* nameEnd = q;
    for (;;) {
      while (!Is(*q, kTagStop)) ++q;
      if (*q == '>') break;
      if (*q == '\0') return Unterminated("Element tag");
      bool beginsValue = q[-1] != '=';  // "==" begins no second value
      ++q;
      if (!beginsValue) continue;
      while (Is(*q, kWhiteSpace)) ++q;
      if (*q == '"' || *q == '\'') {
        const void* close = std::memchr(q + 1, *q, end_ - q - 1);
        if (!close) return Unterminated("Element tag");
        q = static_cast<const char*>(close) + 1;
      }
    }
    SetName(name, nameEnd);
    // "<a/>", "<a />", "<a x='1'/>" are empty; in "<a x=1/>" the '/' belongs to the value.
    token_.empty = q[-1] == '/' &&
                   (q - 1 == nameEnd || Is(q[-2], kWhiteSpace) || q[-2] == '"' || q[-2] == '\'');
    return Finish(kTokenElement, q + 1);
  }

  Token EndTag(const char* p) {
    const char* name = p + 2;
    const char* q = name;
    while (!Is(*q, kTagNameEnd)) ++q;
    SetName(name, q);
    if (*q == '>') return Finish(kTokenEndTag, q + 1);  // the common "</name>"
    const void* close = std::memchr(q, '>', end_ - q);
    if (!close) return Unterminated("Element end tag");
    return Finish(kTokenEndTag, static_cast<const char*>(close) + 1);
  }

  // A token closed by a multi-character closer, searched from `from`.
  Token Closed(int kind, const char* from, std::string_view closer, const char* problem) {
    const char* close = FindCloser(from, closer);
    return close ? Finish(kind, close + 1) : Unterminated(problem);
  }

  // The '>' that ends closer: the bytes ending at it equal closer, none of them is the
  // trail byte of a two-byte character, and it lies further into the text than the
  // closer's length. Null when there is none.
  const char* FindCloser(const char* from, std::string_view closer) const {
    const size_t before = closer.size() - 1;
    const char* lastTrail = nullptr;
    for (const char* q = from; q < end_;) {
      if (*q == '>' && static_cast<size_t>(q - text_) > closer.size() &&
          std::memcmp(q - before, closer.data(), before) == 0 && (!lastTrail || lastTrail < q - before)) {
        return q;
      }
      unsigned n = CharacterLength(q);
      if (n == 2) lastTrail = q + 1;
      q += n;
    }
    return nullptr;
  }

  // After "<!D": runs to the first '>' outside the markup declarations nested in it.
  Token DocumentType(const char* q) {
    while (q < end_) {
      if (*q == '>') return Finish(kTokenDocumentType, q + 1);
      if (*q == '<' && q[1] == '!') {
        q = SkipDeclaration(q + 2);
        if (!q) break;
      } else {
        ++q;
      }
    }
    return Unterminated("Doctype");
  }

  // Inside a markup declaration: past its '>', quotes paired; null at the end of the text.
  const char* SkipDeclaration(const char* q) const {
    for (; q < end_; ++q) {
      if (*q == '>') return q + 1;
      if (*q == '"' || *q == '\'') {
        const void* close = std::memchr(q + 1, *q, end_ - q - 1);
        if (!close) return nullptr;
        q = static_cast<const char*>(close);
      }
    }
    return nullptr;
  }

  // A malformed token: it runs to '>' or stops before the next '<'.
  Token Incorrect(const char* problem, const char* p) {
    const char* q = p + 1;
    while (q < end_ && *q != '>' && *q != '<') ++q;
    token_.problem = problem;
    return Finish(kTokenError, q < end_ && *q == '>' ? q + 1 : q);
  }

  Token Unterminated(const char* problem) {
    token_.problem = problem;
    token_.unterminated = true;
    return Finish(kTokenError, end_);
  }

  void SetName(const char* name, const char* nameEnd) {
    token_.nameStart = static_cast<uint32_t>(name - text_);
    token_.nameLength = static_cast<uint32_t>(nameEnd - name);
  }

  Token Finish(int kind, const char* end) {
    token_.kind = kind;
    token_.length = static_cast<uint32_t>(end - (text_ + token_.start));
    return token_;
  }

  const char* text_;
  const char* end_;
  Token token_;
};

}  // namespace

Token ReadToken(const char* text, uint32_t size, uint32_t pos) {
  return TokenReader(text, size, pos).Read();
}

std::string TokenErrorMessage(const Token& token) {
  std::string offset = std::to_string(token.start);
  if (token.unterminated) return std::string(token.problem) + " at offset " + offset + " unterminated";
  return "Incorrect " + std::string(token.problem) + " at offset " + offset;
}

}  // namespace zrt::xml
