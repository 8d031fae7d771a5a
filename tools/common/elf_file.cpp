#include "tools/common/elf_file.h"

namespace zrt::tools {
namespace {

constexpr uint32_t kHeaderSize = 52;
constexpr uint32_t kProgramHeaderSize = 32;
constexpr uint32_t kSectionHeaderSize = 40;
constexpr uint16_t kRelocatable = 1;
constexpr uint16_t kExecutable = 2;
constexpr uint16_t kMachineArm = 40;
constexpr uint32_t kEabiVersion5 = 0x05000000;
constexpr uint32_t kLoadSegment = 1;
constexpr uint32_t kProgramBits = 1;
constexpr uint32_t kStringTable = 3;

// Offsets of the file header's fields.
enum HeaderField : uint32_t {
  kType = 16,
  kEntry = 24,
  kProgramTable = 28,
  kSectionTable = 32,
  kProgramEntrySize = 42,
  kProgramCount = 44,
  kSectionEntrySize = 46,
  kSectionCount = 48,
  kSectionNames = 50,
};

// Appends little- or big-endian numbers.
class Writer {
 public:
  explicit Writer(bool bigEndian) : bigEndian_(bigEndian) {}
  void Put16(uint32_t value) { Put(value, 2); }
  void Put32(uint32_t value) { Put(value, 4); }
  void Append(const std::string& bytes) { data_ += bytes; }
  void AlignTo4() { data_.resize((data_.size() + 3) / 4 * 4, '\0'); }
  uint32_t Size() const { return static_cast<uint32_t>(data_.size()); }
  std::string& Data() { return data_; }

 private:
  void Put(uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
      int shift = bigEndian_ ? 8 * (bytes - 1 - i) : 8 * i;
      data_ += static_cast<char>((value >> shift) & 0xFF);
    }
  }
  bool bigEndian_;
  std::string data_;
};

// Reads numbers at offsets, answering 0 past the end (callers check the bounds first).
class Reader {
 public:
  Reader(const std::string& data, bool bigEndian) : data_(data), bigEndian_(bigEndian) {}
  uint32_t Get16(uint32_t offset) const { return Get(offset, 2); }
  uint32_t Get32(uint32_t offset) const { return Get(offset, 4); }
  // True when [offset, offset + size) lies inside the data.
  bool Holds(uint64_t offset, uint64_t size) const { return offset + size <= data_.size(); }

 private:
  uint32_t Get(uint32_t offset, int bytes) const {
    if (!Holds(offset, bytes)) return 0;
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
      uint32_t byte = static_cast<unsigned char>(data_[offset + i]);
      value |= byte << (bigEndian_ ? 8 * (bytes - 1 - i) : 8 * i);
    }
    return value;
  }
  const std::string& data_;
  bool bigEndian_;
};

struct HeaderFields {
  uint16_t type;
  uint32_t entry;
  uint32_t programHeaders;
  uint32_t sectionHeaders;
  uint16_t programCount;
  uint16_t sectionCount;
};

void PutHeader(Writer& out, bool bigEndian, const HeaderFields& fields) {
  out.Append(
      std::string("\x7F"
                  "ELF",
                  4));
  out.Append(std::string{'\x01', bigEndian ? '\x02' : '\x01', '\x01'});
  out.Append(std::string(9, '\0'));
  out.Put16(fields.type);
  out.Put16(kMachineArm);
  out.Put32(1);
  out.Put32(fields.entry);
  out.Put32(fields.programHeaders);
  out.Put32(fields.sectionHeaders);
  out.Put32(kEabiVersion5);
  out.Put16(kHeaderSize);
  out.Put16(fields.programCount > 0 ? kProgramHeaderSize : 0);
  out.Put16(fields.programCount);
  out.Put16(fields.sectionCount > 0 ? kSectionHeaderSize : 0);
  out.Put16(fields.sectionCount);
  out.Put16(fields.sectionCount > 0 ? fields.sectionCount - 1 : 0);
}

void PutSectionHeader(Writer& out, uint32_t name, uint32_t type, uint32_t address, uint32_t offset, uint32_t size) {
  for (uint32_t value : {name, type, type == kProgramBits ? 6u : 0u, address, offset, size, 0u, 0u, 1u, 0u}) {
    out.Put32(value);
  }
}

// The name in a string table at offset, up to its NUL or the table's end.
std::string NameAt(const std::string& content, uint32_t table, uint32_t tableSize, uint32_t offset) {
  if (offset >= tableSize) return "";
  size_t start = static_cast<size_t>(table) + offset;
  size_t end = content.find('\0', start);
  size_t limit = static_cast<size_t>(table) + tableSize;
  return content.substr(start, (end == std::string::npos || end > limit ? limit : end) - start);
}

// Names the segments after the sections that start at their offsets.
void ReadSegmentNames(const std::string& content, const Reader& in, const std::vector<uint32_t>& offsets,
                      ElfImage* image) {
  uint32_t table = in.Get32(kSectionTable);
  uint32_t count = in.Get16(kSectionCount);
  uint32_t names = in.Get16(kSectionNames);
  if (table == 0 || in.Get16(kSectionEntrySize) != kSectionHeaderSize || names >= count ||
      !in.Holds(table, uint64_t{count} * kSectionHeaderSize)) {
    return;
  }
  uint32_t namesHeader = table + names * kSectionHeaderSize;
  uint32_t namesOffset = in.Get32(namesHeader + 16);
  uint32_t namesSize = in.Get32(namesHeader + 20);
  if (!in.Holds(namesOffset, namesSize)) return;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t header = table + i * kSectionHeaderSize;
    if (in.Get32(header + 4) != kProgramBits) continue;
    for (size_t s = 0; s < offsets.size(); ++s) {
      if (offsets[s] == in.Get32(header + 16)) {
        image->segments[s].name = NameAt(content, namesOffset, namesSize, in.Get32(header));
      }
    }
  }
}

}  // namespace

std::string MakeObjectFile(const std::string& payload, bool bigEndian) {
  Writer out(bigEndian);
  PutHeader(out, bigEndian, {kRelocatable, 0, 0, 0, 0, 0});
  out.Append(payload);
  return out.Data();
}

std::string MakeImageFile(const ElfImage& image) {
  uint32_t count = static_cast<uint32_t>(image.segments.size());
  std::string names(1, '\0');
  std::vector<uint32_t> nameOffsets, dataOffsets;
  uint32_t offset = kHeaderSize + count * kProgramHeaderSize;
  for (const ImageSegment& segment : image.segments) {
    nameOffsets.push_back(static_cast<uint32_t>(names.size()));
    names += segment.name + '\0';
    dataOffsets.push_back(offset);
    offset += (static_cast<uint32_t>(segment.bytes.size()) + 3) / 4 * 4;
  }
  uint32_t tableName = static_cast<uint32_t>(names.size());
  names += std::string(".shstrtab") + '\0';
  uint32_t sectionHeaders = (offset + static_cast<uint32_t>(names.size()) + 3) / 4 * 4;

  Writer out(image.bigEndian);
  PutHeader(out, image.bigEndian,
            {kExecutable, image.entry, kHeaderSize, sectionHeaders, static_cast<uint16_t>(count),
             static_cast<uint16_t>(count + 2)});
  for (uint32_t i = 0; i < count; ++i) {
    const ImageSegment& segment = image.segments[i];
    for (uint32_t value : {kLoadSegment, dataOffsets[i], segment.execAddress, segment.loadAddress,
                           static_cast<uint32_t>(segment.bytes.size()), segment.memorySize, 7u, 4u}) {
      out.Put32(value);
    }
  }
  for (const ImageSegment& segment : image.segments) {
    out.Append(segment.bytes);
    out.AlignTo4();
  }
  uint32_t namesOffset = out.Size();
  out.Append(names);
  out.AlignTo4();
  PutSectionHeader(out, 0, 0, 0, 0, 0);
  for (uint32_t i = 0; i < count; ++i) {
    const ImageSegment& segment = image.segments[i];
    PutSectionHeader(out, nameOffsets[i], kProgramBits, segment.execAddress, dataOffsets[i],
                     static_cast<uint32_t>(segment.bytes.size()));
  }
  PutSectionHeader(out, tableName, kStringTable, 0, namesOffset, static_cast<uint32_t>(names.size()));
  return out.Data();
}

bool ReadImageFile(const std::string& content, ElfImage* image, std::string* reason) {
  if (content.size() < kHeaderSize ||
      content.compare(0, 4,
                      "\x7F"
                      "ELF") != 0 ||
      content[4] != 1) {
    *reason = "not a 32-bit ELF file";
    return false;
  }
  image->bigEndian = content[5] == 2;
  Reader in(content, image->bigEndian);
  uint32_t table = in.Get32(kProgramTable);
  uint32_t count = in.Get16(kProgramCount);
  uint32_t entrySize = in.Get16(kProgramEntrySize);
  if (in.Get16(kType) != kExecutable || entrySize < kProgramHeaderSize ||
      !in.Holds(table, uint64_t{count} * entrySize)) {
    *reason = "not an executable image";
    return false;
  }
  image->entry = in.Get32(kEntry);
  image->segments.clear();
  std::vector<uint32_t> offsets;
  for (uint32_t i = 0; i < count; ++i) {
    uint32_t header = table + i * entrySize;
    if (in.Get32(header) != kLoadSegment) continue;
    uint32_t offset = in.Get32(header + 4);
    uint32_t size = in.Get32(header + 16);
    if (!in.Holds(offset, size)) {
      *reason = "a segment lies outside the file";
      return false;
    }
    ImageSegment segment;
    segment.name = "LR" + std::to_string(offsets.size());
    segment.execAddress = in.Get32(header + 8);
    segment.loadAddress = in.Get32(header + 12);
    segment.bytes = content.substr(offset, size);
    segment.memorySize = in.Get32(header + 20);
    image->segments.push_back(segment);
    offsets.push_back(offset);
  }
  ReadSegmentNames(content, in, offsets, image);
  return true;
}

}  // namespace zrt::tools
