#include "tools/common/archive.h"

#include <cctype>

namespace zrt::tools {
namespace {

constexpr char kMagic[] = "!<arch>\n";
constexpr size_t kMagicSize = 8;
constexpr size_t kHeaderSize = 60;
constexpr size_t kNameSize = 16;
constexpr size_t kSizeField = 48;
constexpr size_t kSizeFieldSize = 10;

std::string Field(const std::string& text, size_t width) {
  std::string field = text.substr(0, width);
  field.resize(width, ' ');
  return field;
}

std::string Header(const std::string& name, size_t size) {
  return Field(name, kNameSize) + Field("0", 12) + Field("0", 6) + Field("0", 6) + Field("100644", 8) +
         Field(std::to_string(size), kSizeFieldSize) + "`\n";
}

void AppendMember(std::string* archive, const std::string& name, const std::string& content) {
  *archive += Header(name, content.size()) + content;
  if (content.size() % 2 == 1) *archive += '\n';
}

// The decimal size field; false when it holds anything but digits and blanks.
bool ReadSize(const std::string& field, size_t* size) {
  size_t end = field.find_last_not_of(' ');
  if (end == std::string::npos || field.find_first_not_of("0123456789") <= end) return false;
  *size = std::stoull(field.substr(0, end + 1));
  return true;
}

// A member's name from its header name field and the "//" table.
bool MemberName(const std::string& field, const std::string& longNames, std::string* name) {
  if (field[0] == '/' && std::isdigit(static_cast<unsigned char>(field[1]))) {
    size_t offset = 0;
    if (!ReadSize(field.substr(1), &offset) || offset >= longNames.size()) return false;
    size_t end = longNames.find("/\n", offset);
    if (end == std::string::npos) return false;
    *name = longNames.substr(offset, end - offset);
    return true;
  }
  size_t end = field.find('/');
  *name = field.substr(0, end == std::string::npos ? field.find_last_not_of(' ') + 1 : end);
  return true;
}

}  // namespace

bool IsArchive(const std::string& content) { return content.compare(0, kMagicSize, kMagic) == 0; }

std::string MakeArchive(const std::vector<ArchiveMember>& members) {
  std::string longNames;
  std::vector<std::string> fields;
  for (const ArchiveMember& member : members) {
    if (member.name.size() < kNameSize) {
      fields.push_back(member.name + "/");
    } else {
      fields.push_back("/" + std::to_string(longNames.size()));
      longNames += member.name + "/\n";
    }
  }
  std::string archive = kMagic;
  if (!longNames.empty()) AppendMember(&archive, "//", longNames);
  for (size_t i = 0; i < members.size(); ++i) AppendMember(&archive, fields[i], members[i].content);
  return archive;
}

bool ReadArchive(const std::string& content, std::vector<ArchiveMember>* members, std::string* reason) {
  members->clear();
  if (!IsArchive(content)) {
    *reason = "not a library";
    return false;
  }
  std::string longNames;
  size_t position = kMagicSize;
  while (position < content.size()) {
    size_t size = 0;
    if (content.size() - position < kHeaderSize || content.compare(position + 58, 2, "`\n") != 0 ||
        !ReadSize(content.substr(position + kSizeField, kSizeFieldSize), &size) ||
        size > content.size() - position - kHeaderSize) {
      *reason = "damaged member header at offset " + std::to_string(position);
      return false;
    }
    std::string field = content.substr(position, kNameSize);
    std::string data = content.substr(position + kHeaderSize, size);
    size_t header = position;
    position += kHeaderSize + size + size % 2;
    std::string name;
    if (field.compare(0, 3, "// ") == 0) {
      longNames = data;
    } else if (field.compare(0, 2, "/ ") != 0) {
      if (!MemberName(field, longNames, &name)) {
        *reason = "damaged member name at offset " + std::to_string(header);
        return false;
      }
      members->push_back({name, data});
    }
  }
  return true;
}

}  // namespace zrt::tools
