#include "src/convert/xml_record_store.h"

#include <algorithm>
#include <cstring>

namespace zrt {

void XmlRecordStore::Clear() {
  segments_.clear();
  capacity_ = 0;
  nextFree_ = 0;
}

void XmlRecordStore::Reset(uint32_t capacity) {
  Clear();
  Resize(std::max(capacity, 1u));
  (*this)[0] = XmlElementRecord{};
  nextFree_ = 1;
}

XmlElementIndex XmlRecordStore::Allocate() {
  if (nextFree_ == capacity_) Resize(GrownCapacity());
  return nextFree_++;
}

uint32_t XmlRecordStore::GrownCapacity() const {
  uint64_t next = nextFree_;
  uint64_t wanted = std::max(next + next / 2, next + 1);
  uint64_t lastSegment = (static_cast<uint64_t>(capacity_) - 1) >> kSegmentBits;
  uint64_t oneNewSegment = (lastSegment + 2) << kSegmentBits;
  return static_cast<uint32_t>(std::min({wanted, oneNewSegment, static_cast<uint64_t>(UINT32_MAX)}));
}

uint32_t XmlRecordStore::SegmentLength(uint32_t segment, uint32_t capacity) {
  if (capacity == 0) return 0;
  uint32_t last = (capacity - 1) >> kSegmentBits;
  if (segment < last) return kSegmentSize;
  if (segment == last) return capacity - (segment << kSegmentBits);
  return 0;
}

void XmlRecordStore::Resize(uint32_t capacity) {
  uint32_t segmentCount = ((capacity - 1) >> kSegmentBits) + 1;
  for (uint32_t s = 0; s < segmentCount; ++s) {
    uint32_t oldLength = SegmentLength(s, capacity_);
    uint32_t newLength = SegmentLength(s, capacity);
    if (newLength == oldLength) continue;  // full segments stay where they are
    std::unique_ptr<XmlElementRecord[]> grown(new XmlElementRecord[newLength]);
    if (oldLength > 0) std::memcpy(grown.get(), segments_[s].get(), oldLength * sizeof(XmlElementRecord));
    if (s < segments_.size()) {
      segments_[s] = std::move(grown);
    } else {
      segments_.push_back(std::move(grown));
    }
  }
  capacity_ = capacity;
}

}  // namespace zrt
