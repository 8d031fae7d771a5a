// Element records of an indexed XML document, kept in segments of 65,536 records.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace zrt {

// An element index: high 16 bits select a segment, low 16 bits a record in it. Index 0 is
// the document record and also means "none" in every link field.
using XmlElementIndex = uint32_t;

// Flags in XmlElementRecord::levelAndFlags (the low 16 bits hold the nesting level).
constexpr uint32_t kXmlLevelMask = 0xFFFF;
constexpr uint32_t kXmlFirstChild = 0x80000;       // first child of its parent
constexpr uint32_t kXmlNotEnded = 0x100000;        // element not ended
constexpr uint32_t kXmlMarkupError = 0x200000;     // element holds a markup error
constexpr uint32_t kXmlNotWellFormed = 0x800000;   // document record only: not well formed

// Widths of the two tag lengths sharing one word; a longer tag stores the largest value.
constexpr uint32_t kXmlStartTagLengthMax = (1u << 22) - 1;
constexpr uint32_t kXmlEndTagLengthMax = (1u << 10) - 1;

// One element: byte offsets into the document text and the links of the tree.
struct XmlElementRecord {
  uint32_t start;          // offset of the '<' of the start tag
  uint32_t length;         // start to the end of the end tag (or of the start tag when there is none)
  uint32_t tagLengths;     // low 22 bits start-tag length, high 10 bits end-tag length (0: none)
  uint32_t levelAndFlags;  // nesting level (root element 0) and the flags above
  XmlElementIndex parent;           // enclosing element, 0 for the root element
  XmlElementIndex firstChild;       // 0 when there is no child element
  XmlElementIndex nextSibling;      // 0 for the last child
  XmlElementIndex previousSibling;  // previous sibling; the first child holds the last child

  // Bytes of the start tag; kXmlStartTagLengthMax when it is that long or longer.
  uint32_t StartTagLength() const { return tagLengths & kXmlStartTagLengthMax; }
  // Bytes of the end tag, 0 when there is none; kXmlEndTagLengthMax when that long or longer.
  uint32_t EndTagLength() const { return tagLengths >> 22; }
  // Stores both tag lengths, each cut to the largest value its width holds.
  void SetTagLengths(uint32_t startTag, uint32_t endTag) {
    tagLengths = (startTag < kXmlStartTagLengthMax ? startTag : kXmlStartTagLengthMax) |
                 (endTag < kXmlEndTagLengthMax ? endTag : kXmlEndTagLengthMax) << 22;
  }
  // True when every flag of mask is set.
  bool Has(uint32_t mask) const { return (levelAndFlags & mask) == mask; }
};
static_assert(sizeof(XmlElementRecord) == 32, "eight 32-bit fields");

// The segmented record array: growing adds segments and never moves a full one.
class XmlRecordStore {
 public:
  static constexpr uint32_t kSegmentBits = 16;
  static constexpr uint32_t kSegmentSize = 1u << kSegmentBits;

  // Drops every record and makes room for capacity records; the document record (index 0)
  // is handed out, zeroed, so the next free index is 1.
  void Reset(uint32_t capacity);
  // Drops every record and all storage (the state before the first parse).
  void Clear();
  // Hands out the next free index, growing the store when it is full.
  XmlElementIndex Allocate();

  XmlElementRecord& operator[](XmlElementIndex index) {
    return segments_[index >> kSegmentBits][index & (kSegmentSize - 1)];
  }
  const XmlElementRecord& operator[](XmlElementIndex index) const {
    return segments_[index >> kSegmentBits][index & (kSegmentSize - 1)];
  }
  // True for an index that was handed out.
  bool Contains(XmlElementIndex index) const { return index < nextFree_; }
  // The next index to hand out (the number of records, the document record included).
  uint32_t NextFree() const { return nextFree_; }
  // Records there is room for.
  uint32_t Capacity() const { return capacity_; }

 private:
  // New capacity when the store is full: next free + half of it, at most one new segment.
  uint32_t GrownCapacity() const;
  // Grows (never shrinks) the storage to capacity records.
  void Resize(uint32_t capacity);
  // Size of the storage of segment s at capacity.
  static uint32_t SegmentLength(uint32_t segment, uint32_t capacity);

  std::vector<std::unique_ptr<XmlElementRecord[]>> segments_;
  uint32_t capacity_ = 0;
  uint32_t nextFree_ = 0;
};

}  // namespace zrt
