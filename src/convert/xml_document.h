// CXmlDocument: a tolerant XML parser that indexes one ANSI (GBK) text into element
// records (byte offsets) and answers every query by looking at the text again.
#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "src/convert/xml_record_store.h"

namespace zrt {

// Kinds of node; bit values, so that a set of kinds can be passed as a mask.
enum XmlNodeKind : int {
  kXmlElement = 1,                 // start tag "<name ...>" or "<name .../>"
  kXmlText = 2,                    // characters up to the next '<', not all white space
  kXmlWhiteSpace = 4,              // only space, tab, line feed, carriage return
  kXmlCdata = 8,                   // "<![CDATA[ ... ]]>"
  kXmlProcessingInstruction = 16,  // "<? ... ?>"
  kXmlComment = 32,                // "<!-- ... -->"
  kXmlDocumentType = 64,           // "<!DOCTYPE ...>" and "<!ELEMENT", "<!ATTLIST", "<!ENTITY", "<!NOTATION"
  kXmlLoneEndTag = 128,            // an end tag with no start tag
  kXmlNodeError = 32768,           // a token in error
};

class CXmlDocument {
 public:
  // An empty document (no records, all positions 0) that loads files through fileSystem.
  explicit CXmlDocument(platform::FileSystem& fileSystem = platform::RealFileSystem());
  virtual ~CXmlDocument() = default;
  CXmlDocument(const CXmlDocument&) = delete;
  CXmlDocument& operator=(const CXmlDocument&) = delete;

  // Takes text (null = empty) as the document, empties the result text and indexes it;
  // returns IsWellFormed(). A NUL byte ends the text. Offsets are 32 bits: a text of 4 GiB
  // or more is refused ("Document too large"); when memory runs out the document is left
  // empty with the result "Out of memory".
  virtual bool ParseText(const char* text);
  // Reads the file, converts UTF-8 (declared or undeclared) to ANSI (see Utf8FileToAnsi:
  // '?' for a character the code page lacks, bytes kept as read when they are not UTF-8)
  // and indexes it; the result text starts with "<size> bytes". Returns IsWellFormed(), or
  // false with the system's error text as result when the file cannot be read.
  virtual bool LoadFile(const std::string& path);
  // True when records exist, the document is not marked not well formed and there is
  // exactly one top-level element.
  virtual bool IsWellFormed() const;

  // From the current position, moves to the next element at this level whose tag name
  // matches name (null or empty: any name); false (nothing changed) when there is none.
  virtual bool FindElement(const char* name = nullptr);
  // Moves the child position to the next child of the current element whose name matches
  // (first finding an element when there is no current position); false when none.
  virtual bool FindChildElement(const char* name = nullptr);
  // Steps into the current element: its child position becomes the current position.
  // False when no element is current.
  virtual bool EnterElement();
  // Steps out to the parent: the current element becomes the child position. False at the top.
  virtual bool LeaveElement();

  // Data of the element at the child position (GetElementText).
  virtual std::string GetChildText() const;
  // Tag name of the element at the child position (GetElementTagName).
  virtual std::string GetChildTagName() const;
  // Data of an element: decoded text and CDATA contents when it has no child elements;
  // the current node's inner text when index is the current position and a non-element
  // node is current; empty for an unknown index.
  virtual std::string GetElementText(XmlElementIndex index) const;
  // Name in the element's start tag; empty for index 0 and unknown indexes.
  virtual std::string GetElementTagName(XmlElementIndex index) const;
  // Decoded value of the named attribute of the current element or current processing
  // instruction; an attribute without '=' gives its own name; empty when absent.
  virtual std::string FindAttributeValue(const char* name) const;
  // Moves to the next node whose kind is in mask (0 = any) at the current level and
  // returns its kind; 0 at the end of the level.
  virtual int FindNextNode(int mask);
  // Sets the three positions; an index that was not handed out counts as 0.
  virtual void ResetPosition(XmlElementIndex parent, XmlElementIndex current, XmlElementIndex child);

  // What loading and parsing reported: load summary and first problem joined by ", ".
  const std::string& GetResultText() const { return result_; }
  // The document text (after conversion at load time).
  const std::string& GetText() const { return text_; }
  // The parent, current and child positions, and the current node's kind (0: none).
  XmlElementIndex GetParentPosition() const { return parent_; }
  XmlElementIndex GetCurrentPosition() const { return current_; }
  XmlElementIndex GetChildPosition() const { return child_; }
  int GetNodeType() const { return nodeType_; }
  // The element records; exposed for tests and diagnosis.
  const XmlRecordStore& GetRecords() const { return records_; }

 private:
  // Indexes text_ after the result text holds the load summary (or nothing).
  bool Parse();
  // Drops text, records and positions.
  void Clear();
  // Leaves the document empty with "Out of memory" as result; returns false.
  bool OutOfMemory();
  // Appends a problem to the result text, after ", " when it holds something already.
  void AppendResult(const std::string& problem);
  // The "encoding" of the XML declaration that opens bytes; empty when there is none.
  std::string DeclaredEncoding(const std::string& bytes) const;
  // Sets the current node: kind, offset and length (0 for an element or none).
  void SetNode(int kind, uint32_t offset, uint32_t length);
  // Where FindNextNode starts reading; false when the parent holds no nodes.
  bool WalkStart(uint32_t* pos) const;
  // The inner text of the current non-element node.
  std::string NodeInnerText() const;
  // The data of an element record without child elements.
  std::string ContentText(const XmlElementRecord& record) const;
  // Bytes of the start tag of record, measured again when it overflowed its field.
  uint32_t StartTagLength(const XmlElementRecord& record) const;
  // Offset of the '<' of the end tag of record (which has one).
  uint32_t ContentEnd(const XmlElementRecord& record) const;
  const XmlElementRecord& Record(XmlElementIndex index) const { return records_[index]; }
  uint32_t Size() const { return static_cast<uint32_t>(text_.size()); }

  platform::FileSystem& fileSystem_;
  std::string text_;
  std::string result_;
  XmlElementIndex parent_ = 0;
  XmlElementIndex current_ = 0;
  XmlElementIndex child_ = 0;
  int nodeType_ = 0;
  uint32_t nodeOffset_ = 0;
  uint32_t nodeLength_ = 0;
  XmlRecordStore records_;
};

}  // namespace zrt
