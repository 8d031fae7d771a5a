// The segmented record store: room made up front, the growth rule, and stable segments
// (the tag lengths' saturation is tested through the parser).
#include <gtest/gtest.h>

#include <vector>

#include "src/convert/xml_record_store.h"

namespace zrt {
namespace {

// Capacities the store passes through while records are handed out up to `records`.
std::vector<uint32_t> Capacities(uint32_t initial, uint32_t records) {
  XmlRecordStore store;
  store.Reset(initial);
  std::vector<uint32_t> capacities{store.Capacity()};
  while (store.NextFree() < records) {
    store.Allocate();
    if (store.Capacity() != capacities.back()) capacities.push_back(store.Capacity());
  }
  return capacities;
}

TEST(XmlRecordStoreTest, GrowsByHalfButNeverByMoreThanOneNewSegment) {
  EXPECT_EQ(Capacities(8, 40), (std::vector<uint32_t>{8, 12, 18, 27, 40}));
  EXPECT_EQ(Capacities(1, 4), (std::vector<uint32_t>{1, 2, 3, 4}));
  const uint32_t segment = XmlRecordStore::kSegmentSize;
  // 65544 -> 98316 -> 147474 -> 221211 -> end of segment 4 (327680) -> end of segment 5 ...
  EXPECT_EQ(Capacities(segment + 8, 5 * segment + 1),
            (std::vector<uint32_t>{segment + 8, 98316, 147474, 221211, 5 * segment, 6 * segment}));
}

TEST(XmlRecordStoreTest, GrowingKeepsRecordsAndNeverMovesAFullSegment) {
  XmlRecordStore store;
  store.Reset(XmlRecordStore::kSegmentSize);
  for (uint32_t i = 1; i < XmlRecordStore::kSegmentSize; ++i) store[store.Allocate()].start = i;
  const XmlElementRecord* firstSegment = &store[5];
  for (uint32_t i = 0; i < 3 * XmlRecordStore::kSegmentSize; ++i) store[store.Allocate()].start = 7;
  EXPECT_EQ(&store[5], firstSegment);
  EXPECT_EQ(store[XmlRecordStore::kSegmentSize - 1].start, XmlRecordStore::kSegmentSize - 1);
  EXPECT_EQ(store[2 * XmlRecordStore::kSegmentSize + 3].start, 7u);
}

}  // namespace
}  // namespace zrt
