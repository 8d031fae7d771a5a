// The XML tokenizer: reads one token of a document text from a byte offset.
#pragma once

#include <cstdint>
#include <string>

namespace zrt::xml {

// Token kinds: the node kinds (bit values) plus three of the tokenizer's own.
enum TokenKind : int {
  kTokenEnd = -2,             // the end of the text
  kTokenError = -1,           // a bad or unterminated token
  kTokenEndTag = 0,           // "</name>"
  kTokenElement = 1,          // "<name ...>" or "<name .../>"
  kTokenText = 2,             // characters up to the next '<', not all white space
  kTokenWhiteSpace = 4,       // only space, tab, line feed, carriage return up to the next '<'
  kTokenCdata = 8,            // "<![CDATA[ ... ]]>"
  kTokenProcessing = 16,      // "<? ... ?>"
  kTokenComment = 32,         // "<!-- ... -->"
  kTokenDocumentType = 64,    // "<!DOCTYPE ...>" and the markup declarations "<!ELEMENT ...>" etc.
};

struct Token {
  int kind = kTokenEnd;
  uint32_t start = 0;       // offset of the first byte
  uint32_t length = 0;      // bytes of the token; 0 only at the end of the text
  uint32_t nameStart = 0;   // element tag and end tag: offset of the name
  uint32_t nameLength = 0;  // element tag and end tag: bytes of the name
  bool empty = false;       // element tag closed by "/>" as an empty element
  // Error tokens: what was wrong ("tag name character", "Comment", ...) and whether the
  // token ran into the end of the text ("... unterminated") or was malformed ("Incorrect ...").
  const char* problem = nullptr;
  bool unterminated = false;
};

// The token at offset pos of text, a text of size bytes with its NUL at text[size] and no
// NUL before it; pos <= size. Every token but the end of the text has a length of at least 1.
Token ReadToken(const char* text, uint32_t size, uint32_t pos);

// The message of an error token: "Incorrect %s at offset %d" or "%s at offset %d unterminated".
std::string TokenErrorMessage(const Token& token);

}  // namespace zrt::xml
