#include "src/convert/xml_tree_builder.h"

#include <algorithm>

#include "src/convert/xml_character_class.h"

namespace zrt::xml {
namespace {

constexpr size_t kInitialStackRoom = 6;

}  // namespace

TreeBuilder::TreeBuilder(const char* text, uint32_t size, XmlRecordStore* store)
    : text_(text), size_(size), store_(*store) {
  stack_.reserve(kInitialStackRoom);
}

XmlElementIndex TreeBuilder::Build() {
  uint32_t pos = 0;
  for (;;) {
    // Character data makes no records: whether it is text or white space does not matter.
    pos = static_cast<uint32_t>(CharacterDataEnd(text_ + pos) - text_);
    Token token = ReadToken(text_, size_, pos);
    switch (token.kind) {
      case kTokenEnd:
        CloseNotEnded(0, nullptr);
        return store_[0].firstChild;
      case kTokenElement:
        StartElement(token);
        break;
      case kTokenEndTag:
        EndElement(token);
        break;
      case kTokenError:
        MarkError();
        if (message_.empty()) Report(TokenErrorMessage(token));
        break;
      default:
        break;  // comments, declarations: no records
    }
    pos += token.length;
  }
}

void TreeBuilder::StartElement(const Token& token) {
  XmlElementIndex index = store_.Allocate();
  XmlElementIndex parent = stack_.empty() ? 0 : stack_.back().index;
  XmlElementRecord& record = store_[index];
  record.start = token.start;
  record.length = token.length;  // until the end tag is read
  record.SetTagLengths(token.length, 0);
  record.levelAndFlags = static_cast<uint32_t>(std::min<size_t>(stack_.size(), kXmlLevelMask));
  record.parent = parent;
  record.firstChild = 0;
  record.nextSibling = 0;
  Append(parent, index);  // sets previousSibling
  if (!token.empty) Push({index, token.nameStart, token.nameLength});
}

void TreeBuilder::Append(XmlElementIndex parent, XmlElementIndex child) {
  XmlElementRecord& parentRecord = store_[parent];
  XmlElementRecord& childRecord = store_[child];
  if (parentRecord.firstChild == 0) {
    parentRecord.firstChild = child;
    childRecord.previousSibling = child;
    childRecord.levelAndFlags |= kXmlFirstChild;
    return;
  }
  XmlElementRecord& first = store_[parentRecord.firstChild];
  XmlElementIndex last = first.previousSibling;
  store_[last].nextSibling = child;
  childRecord.previousSibling = last;
  first.previousSibling = child;
}

void TreeBuilder::EndElement(const Token& token) {
  size_t depth = stack_.size();
  while (depth > 0 && !SameName(stack_[depth - 1], token)) --depth;
  if (depth == 0) {
    MarkError();
    if (message_.empty()) Report("No start tag for end tag '" + Text(token.nameStart, token.nameLength) + "' at offset " +
           std::to_string(token.start));
    return;
  }
  size_t matched = depth - 1;
  if (matched + 1 < stack_.size()) CloseNotEnded(matched + 1, &token);
  XmlElementRecord& record = store_[stack_[matched].index];
  record.length = token.start + token.length - record.start;
  record.SetTagLengths(record.StartTagLength(), token.length);
  stack_.pop_back();
}

bool TreeBuilder::SameName(const OpenElement& open, const Token& endTag) const {
  if (open.nameLength != endTag.nameLength) return false;
  // Names are short: a loop beats a call to memcmp.
  const char* a = text_ + open.nameStart;
  const char* b = text_ + endTag.nameStart;
  for (uint32_t i = 0; i < endTag.nameLength; ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

void TreeBuilder::CloseNotEnded(size_t from, const Token* endTag) {
  if (from >= stack_.size()) return;
  if (message_.empty()) ReportNotEnded(stack_.back(), endTag);
  // Outermost first: each element then moves at most once, and the result equals closing
  // innermost first (each closed element's children end up after it, in order).
  for (size_t i = from; i < stack_.size(); ++i) CloseOneNotEnded(stack_[i].index);
  stack_.resize(from);
}

void TreeBuilder::ReportNotEnded(const OpenElement& innermost, const Token* endTag) {
  uint32_t start = store_[innermost.index].start;
  std::string name = Text(innermost.nameStart, innermost.nameLength);
  if (endTag) {
    Report("End tag '" + Text(endTag->nameStart, endTag->nameLength) + "' at offset " +
           std::to_string(endTag->nameStart - 1) + " does not match start tag '" + name + "' at offset " +
           std::to_string(start));
  } else {
    Report("Element '" + name + "' at offset " + std::to_string(start) + " not ended");
  }
}

void TreeBuilder::CloseOneNotEnded(XmlElementIndex element) {
  store_[0].levelAndFlags |= kXmlNotWellFormed;
  XmlElementRecord& record = store_[element];
  record.levelAndFlags |= kXmlNotEnded;  // its length is still that of its start tag
  XmlElementIndex parent = record.parent;
  if (record.Has(kXmlMarkupError)) {
    record.levelAndFlags &= ~kXmlMarkupError;
    store_[parent].levelAndFlags |= kXmlMarkupError;
  }
  XmlElementIndex first = record.firstChild;
  if (first == 0) return;
  for (XmlElementIndex child = first; child != 0; child = store_[child].nextSibling) {
    store_[child].parent = parent;
  }
  // An open element is the last child of its parent, so its children go to the end.
  XmlElementIndex last = store_[first].previousSibling;
  store_[first].levelAndFlags &= ~kXmlFirstChild;
  store_[first].previousSibling = element;
  record.nextSibling = first;
  record.firstChild = 0;
  store_[store_[parent].firstChild].previousSibling = last;
}

void TreeBuilder::MarkError() {
  store_[0].levelAndFlags |= kXmlNotWellFormed;
  if (!stack_.empty()) store_[stack_.back().index].levelAndFlags |= kXmlMarkupError;
}

void TreeBuilder::Report(const std::string& message) {
  if (message_.empty()) message_ = message;
}

void TreeBuilder::Push(const OpenElement& element) {
  if (stack_.size() == stack_.capacity()) stack_.reserve(2 * stack_.capacity() + kInitialStackRoom);
  stack_.push_back(element);
}

}  // namespace zrt::xml
