// What a converted project must hold, as facts that can be gathered twice: from the
// source file itself (libxml2 for XML, a few lines of parsing for .uv2; never the
// plug-in's readers) and from the host tree the conversion wrote.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "src/core/abi.h"

namespace zrt::testing {

struct ProjectFacts {
  std::vector<std::string> targets;
  std::vector<std::string> groups;
  std::vector<std::vector<std::string>> files;            // per group, in project-file order
  std::map<std::string, std::set<std::string>> excluded;  // "group" or "group|path" -> targets
  int overrideSections = 0;
  std::string currentTarget;

  size_t FileCount() const;
};

// Facts of a .uvproj (and the .uvopt beside it) read with libxml2.
ProjectFacts XmlProjectFacts(const std::string& path);
// Facts of a .uv2 read line by line.
ProjectFacts Uv2ProjectFacts(const std::string& path);
// Facts of the host tree below project (the "Files" group lists back in file order).
ProjectFacts ConvertedFacts(const HostNode* project, const std::string& currentTarget);

}  // namespace zrt::testing
