// Libraries in the "!<arch>" format of armar: one header of 60 characters per member,
// names longer than 15 characters in a "//" name table, members padded to an even size.
#pragma once

#include <string>
#include <vector>

namespace zrt::tools {

// One member: its file name and content.
struct ArchiveMember {
  std::string name;
  std::string content;
};

// True when content starts like a library.
bool IsArchive(const std::string& content);
// The library file holding members in order.
std::string MakeArchive(const std::vector<ArchiveMember>& members);
// Reads the members of a library (without the "/" and "//" tables); false with
// *reason when content is not a well-formed library.
bool ReadArchive(const std::string& content, std::vector<ArchiveMember>* members, std::string* reason);

}  // namespace zrt::tools
