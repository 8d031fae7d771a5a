// Builds the element records of a document text from its tokens.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "src/convert/xml_record_store.h"
#include "src/convert/xml_tokenizer.h"

namespace zrt::xml {

class TreeBuilder {
 public:
  // text: size bytes with its NUL at text[size] and none before; store: Reset, holding
  // only the document record.
  TreeBuilder(const char* text, uint32_t size, XmlRecordStore* store);

  // Indexes the whole text under the document record; returns the first top-level
  // element, 0 when there is none.
  XmlElementIndex Build();
  // The first problem found, empty when there was none.
  const std::string& Message() const { return message_; }

 private:
  struct OpenElement {
    XmlElementIndex index;
    uint32_t nameStart;
    uint32_t nameLength;
  };

  void StartElement(const Token& token);
  void EndElement(const Token& token);
  // True when the end tag's name equals the open element's.
  bool SameName(const OpenElement& open, const Token& endTag) const;
  // Links child as the last child of parent.
  void Append(XmlElementIndex parent, XmlElementIndex child);
  // Closes the open elements from stack position `from` up as not ended; endTag is the
  // end tag that caused it, null at the end of the text.
  void CloseNotEnded(size_t from, const Token* endTag);
  // Reports the innermost open element, the first one closed, as not ended.
  void ReportNotEnded(const OpenElement& innermost, const Token* endTag);
  // Marks one element not ended; its children become its following siblings.
  void CloseOneNotEnded(XmlElementIndex element);
  // Marks the document not well formed and the innermost open element as holding an error.
  void MarkError();
  // Records message when it is the first.
  void Report(const std::string& message);
  void Push(const OpenElement& element);
  std::string Text(uint32_t start, uint32_t length) const { return std::string(text_ + start, length); }

  const char* text_;
  uint32_t size_;
  XmlRecordStore& store_;
  std::vector<OpenElement> stack_;
  std::string message_;
};

}  // namespace zrt::xml
