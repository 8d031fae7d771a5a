#include "src/convert/xml_document.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/system_error.h"
#include "src/convert/xml_character_class.h"
#include "src/convert/xml_text.h"
#include "src/convert/xml_tokenizer.h"
#include "src/convert/xml_tree_builder.h"
#include "src/convert/xml_utf8.h"

namespace zrt {
namespace {

// Offsets are 32 bits wide; a longer text is refused.
constexpr size_t kMaxTextSize = UINT32_MAX;
// Room made before parsing: one record per this many bytes of text, plus a few.
constexpr uint32_t kBytesPerRecord = 64;
constexpr uint32_t kSpareRecords = 8;

// Bytes cut from the front and the back of a node to give its inner text.
struct InnerTextFrame {
  int kind;
  uint32_t open;
  uint32_t close;
};

constexpr InnerTextFrame kInnerTextFrames[] = {
    {kXmlComment, 4, 3},                // "<!--" "-->"
    {kXmlProcessingInstruction, 2, 2},  // "<?" "?>"
    {kXmlCdata, 9, 3},                  // "<![CDATA[" "]]>"
    {kXmlLoneEndTag, 2, 1},             // "</" ">"
};

// Appends the node at [start, start + length) of text without its frame for kind; a node
// with no frame is appended whole, one too short for its frame adds nothing.
void AppendInnerText(const char* text, int kind, uint32_t start, uint32_t length, std::string* out) {
  for (const InnerTextFrame& frame : kInnerTextFrames) {
    if (frame.kind != kind) continue;
    if (length > frame.open + frame.close) out->append(text + start + frame.open, length - frame.open - frame.close);
    return;
  }
  out->append(text + start, length);
}

// True when an encoding name asks for the UTF-8 conversion: none, or one whose first five
// bytes are "UTF-8" in any case.
bool NamesUtf8(const std::string& encoding) {
  static constexpr char kUtf8[] = "utf-8";
  if (encoding.empty()) return true;
  if (encoding.size() < 5) return false;
  for (size_t i = 0; i < 5; ++i) {
    char c = encoding[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kUtf8[i]) return false;
  }
  return true;
}

}  // namespace

CXmlDocument::CXmlDocument(platform::FileSystem& fileSystem) : fileSystem_(fileSystem) {}

bool CXmlDocument::ParseText(const char* text) {
  try {
    text_.assign(text ? text : "");
    result_.clear();
    return Parse();
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

bool CXmlDocument::LoadFile(const std::string& path) {
  try {
    std::string bytes;
    if (!fileSystem_.ReadFile(path, &bytes)) {
      std::string error = platform::LastSystemErrorText();
      Clear();
      result_ = error.substr(0, error.find_first_of("\r\n"));
      return false;
    }
    result_ = std::to_string(bytes.size()) + " bytes";
    text_ = NamesUtf8(DeclaredEncoding(bytes)) ? xml::Utf8FileToAnsi(bytes) : std::move(bytes);
    text_.resize(std::strlen(text_.c_str()));  // a NUL byte ends the text
    return Parse();
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
}

std::string CXmlDocument::DeclaredEncoding(const std::string& bytes) const {
  size_t open = bytes.find('<');
  if (open == std::string::npos || bytes.compare(open, 2, "<?") != 0) return std::string();
  size_t close = bytes.find("?>", open + 2);
  if (close == std::string::npos) return std::string();
  CXmlDocument declaration(fileSystem_);
  declaration.ParseText(bytes.substr(open, close + 2 - open).c_str());
  declaration.FindNextNode(0);
  return declaration.FindAttributeValue("encoding");
}

bool CXmlDocument::Parse() {
  parent_ = current_ = child_ = 0;
  SetNode(0, 0, 0);
  if (text_.size() > kMaxTextSize) {
    records_.Clear();
    AppendResult("Document too large");
    return false;
  }
  records_.Reset(Size() / kBytesPerRecord + kSpareRecords);
  xml::TreeBuilder builder(text_.c_str(), Size(), &records_);
  XmlElementIndex root = builder.Build();
  records_[0].length = Size();
  if (text_.empty()) {
    AppendResult("Empty document");
  } else if (root == 0) {
    AppendResult("No root element");
  } else if (Record(root).nextSibling != 0) {
    AppendResult("Root element has sibling");
  } else {
    AppendResult(builder.Message());
  }
  return IsWellFormed();
}

void CXmlDocument::AppendResult(const std::string& problem) {
  if (problem.empty()) return;
  result_ = result_.empty() ? problem : result_ + ", " + problem;
}

bool CXmlDocument::OutOfMemory() {
  Clear();
  result_ = "Out of memory";  // short enough to need no allocation
  return false;
}

void CXmlDocument::Clear() {
  text_.clear();
  records_.Clear();
  parent_ = current_ = child_ = 0;
  SetNode(0, 0, 0);
}

bool CXmlDocument::IsWellFormed() const {
  if (records_.NextFree() == 0) return false;
  const XmlElementRecord& document = Record(0);
  return !document.Has(kXmlNotWellFormed) && document.firstChild != 0 &&
         Record(document.firstChild).nextSibling == 0;
}

bool CXmlDocument::FindElement(const char* name) {
  if (records_.NextFree() == 0) return false;
  bool anyName = !name || !*name;
  XmlElementIndex candidate = current_ ? Record(current_).nextSibling : Record(parent_).firstChild;
  for (; candidate != 0; candidate = Record(candidate).nextSibling) {
    if (anyName || xml::NameMatches(text_.c_str() + Record(candidate).start + 1, name)) break;
  }
  if (candidate == 0) return false;
  current_ = candidate;
  parent_ = Record(candidate).parent;
  child_ = 0;
  SetNode(kXmlElement, 0, 0);
  return true;
}

bool CXmlDocument::FindChildElement(const char* name) {
  if (records_.NextFree() == 0) return false;
  if (current_ == 0 && !FindElement(nullptr)) return false;
  bool anyName = !name || !*name;
  XmlElementIndex candidate = child_ ? Record(child_).nextSibling : Record(current_).firstChild;
  for (; candidate != 0; candidate = Record(candidate).nextSibling) {
    if (anyName || xml::NameMatches(text_.c_str() + Record(candidate).start + 1, name)) break;
  }
  if (candidate == 0) return false;
  child_ = candidate;
  current_ = Record(candidate).parent;
  parent_ = Record(current_).parent;
  return true;
}

bool CXmlDocument::EnterElement() {
  if (current_ == 0 || nodeType_ != kXmlElement) return false;
  parent_ = current_;
  current_ = child_;
  child_ = 0;
  SetNode(current_ ? kXmlElement : 0, 0, 0);
  return true;
}

bool CXmlDocument::LeaveElement() {
  if (parent_ == 0) return false;
  child_ = current_;
  current_ = parent_;
  parent_ = Record(current_).parent;
  SetNode(kXmlElement, 0, 0);
  return true;
}

std::string CXmlDocument::GetChildText() const { return GetElementText(child_); }

std::string CXmlDocument::GetChildTagName() const { return GetElementTagName(child_); }

std::string CXmlDocument::GetElementText(XmlElementIndex index) const {
  if (!records_.Contains(index)) return std::string();
  if (index == current_ && nodeType_ != kXmlElement && nodeLength_ != 0) return NodeInnerText();
  const XmlElementRecord& record = Record(index);
  if (record.firstChild != 0 || record.EndTagLength() == 0) return std::string();
  return ContentText(record);
}

std::string CXmlDocument::GetElementTagName(XmlElementIndex index) const {
  if (index == 0 || !records_.Contains(index)) return std::string();
  const char* name = text_.c_str() + Record(index).start + 1;
  return std::string(name, xml::NameEnd(name));
}

std::string CXmlDocument::FindAttributeValue(const char* name) const {
  if (nodeType_ == kXmlProcessingInstruction && nodeLength_ != 0) {
    return xml::FindAttribute(text_.c_str() + nodeOffset_ + 2, name);
  }
  if (nodeType_ == kXmlElement && current_ != 0) {
    return xml::FindAttribute(text_.c_str() + Record(current_).start + 1, name);
  }
  return std::string();
}

int CXmlDocument::FindNextNode(int mask) {
  uint32_t pos;
  if (records_.NextFree() == 0 || !WalkStart(&pos)) return 0;
  if (mask == 0) mask = ~0;
  uint32_t parentEnd = parent_ ? Record(parent_).start + Record(parent_).length : 0;
  XmlElementIndex current = current_;  // committed only when a node is found
  for (;;) {
    xml::Token token = xml::ReadToken(text_.c_str(), Size(), pos);
    int kind = token.kind;
    if (kind == xml::kTokenEnd) return 0;
    if (kind == xml::kTokenElement) {
      current = current ? Record(current).nextSibling : Record(parent_).firstChild;
      if (current == 0) return 0;
      if (mask & kXmlElement) {
        current_ = current;
        child_ = 0;
        SetNode(kXmlElement, 0, 0);
        return kXmlElement;
      }
      pos = std::max(token.start + token.length, Record(current).start + Record(current).length);
      continue;
    }
    if (kind == xml::kTokenEndTag) {
      if (parent_ != 0 && token.start + token.length == parentEnd) return 0;
      kind = kXmlLoneEndTag;
    } else if (kind == xml::kTokenError) {
      kind = kXmlNodeError;
    }
    if (mask & kind) {
      current_ = current;
      child_ = 0;
      SetNode(kind, token.start, token.length);
      return kind;
    }
    pos = token.start + token.length;
  }
}

void CXmlDocument::ResetPosition(XmlElementIndex parent, XmlElementIndex current, XmlElementIndex child) {
  parent_ = records_.Contains(parent) ? parent : 0;
  current_ = records_.Contains(current) ? current : 0;
  child_ = records_.Contains(child) ? child : 0;
  SetNode(current_ ? kXmlElement : 0, 0, 0);
}

void CXmlDocument::SetNode(int kind, uint32_t offset, uint32_t length) {
  nodeType_ = kind;
  nodeOffset_ = offset;
  nodeLength_ = length;
}

bool CXmlDocument::WalkStart(uint32_t* pos) const {
  if (nodeType_ != kXmlElement && nodeLength_ != 0) {
    *pos = nodeOffset_ + nodeLength_;
  } else if (current_ != 0) {
    *pos = Record(current_).start + Record(current_).length;
  } else if (parent_ != 0) {
    const XmlElementRecord& parent = Record(parent_);
    if (parent.EndTagLength() == 0) return false;  // empty or not ended: no nodes inside
    *pos = parent.start + StartTagLength(parent);
  } else {
    *pos = 0;
  }
  return true;
}

std::string CXmlDocument::NodeInnerText() const {
  std::string out;
  const char* text = text_.c_str();
  if (nodeType_ == kXmlText) {
    xml::AppendDecoded(text + nodeOffset_, text + nodeOffset_ + nodeLength_, &out);
  } else {
    AppendInnerText(text, nodeType_, nodeOffset_, nodeLength_, &out);
  }
  return out;
}

std::string CXmlDocument::ContentText(const XmlElementRecord& record) const {
  const char* text = text_.c_str();
  uint32_t begin = record.start + StartTagLength(record);
  uint32_t end = ContentEnd(record);
  const char* plain = text + begin;
  while (plain < text + end && !xml::Is(*plain, xml::kDataMarkup)) ++plain;
  if (plain == text + end) return std::string(text + begin, text + end);  // the common case
  std::string out;
  if (!std::memchr(plain, '<', text + end - plain)) {
    xml::AppendDecoded(text + begin, text + end, &out);
    return out;
  }
  // Text and CDATA sections in order; white space, comments and the rest are skipped.
  for (uint32_t pos = begin; pos < end;) {
    xml::Token token = xml::ReadToken(text, Size(), pos);
    if (token.kind == xml::kTokenText) {
      xml::AppendDecoded(text + token.start, text + token.start + token.length, &out);
    } else if (token.kind == xml::kTokenCdata) {
      AppendInnerText(text, kXmlCdata, token.start, token.length, &out);
    }
    pos += token.length;
  }
  return out;
}

uint32_t CXmlDocument::StartTagLength(const XmlElementRecord& record) const {
  uint32_t stored = record.StartTagLength();
  if (stored < kXmlStartTagLengthMax) return stored;
  return xml::ReadToken(text_.c_str(), Size(), record.start).length;
}

uint32_t CXmlDocument::ContentEnd(const XmlElementRecord& record) const {
  uint32_t end = record.start + record.length;
  uint32_t stored = record.EndTagLength();
  if (stored < kXmlEndTagLengthMax) return end - stored;
  // The end tag was too long for its field: find it again among the content's tokens.
  for (uint32_t pos = record.start + StartTagLength(record); pos < end;) {
    xml::Token token = xml::ReadToken(text_.c_str(), Size(), pos);
    if (token.kind == xml::kTokenEndTag && token.start + token.length == end) return token.start;
    pos += token.length;
  }
  return end;
}

}  // namespace zrt
