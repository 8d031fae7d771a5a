#include "tests/convert/project_facts.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "tests/host/host_tree.h"

#ifdef ZRT_WITH_LIBXML2
#include <libxml/parser.h>
#include <libxml/tree.h>
#endif

namespace zrt::testing {
namespace {

// C, C++ and assembler sources by extension, ignoring case: 'c' or 'a' for the section.
char SourceKind(const std::string& path) {
  size_t dot = path.rfind('.');
  std::string ext = dot == std::string::npos ? "" : path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == "c" || ext == "cpp") return 'c';
  if (ext == "src" || (!ext.empty() && (ext[0] == 's' || ext[0] == 'a'))) return 'a';
  return 0;
}

std::string Between(const std::string& text, char open, char close, bool lastClose) {
  size_t a = text.find(open);
  size_t b = lastClose ? text.rfind(close) : text.find(close, a + 1);
  return a == std::string::npos || b == std::string::npos || b < a ? "" : text.substr(a + 1, b - a - 1);
}

#ifdef ZRT_WITH_LIBXML2
const xmlNode* Child(const xmlNode* node, const char* name) {
  for (const xmlNode* c = node ? node->children : nullptr; c; c = c->next) {
    if (c->type == XML_ELEMENT_NODE && std::strcmp(reinterpret_cast<const char*>(c->name), name) == 0) return c;
  }
  return nullptr;
}

std::vector<const xmlNode*> Children(const xmlNode* node, const char* name) {
  std::vector<const xmlNode*> found;
  for (const xmlNode* c = node ? node->children : nullptr; c; c = c->next) {
    if (c->type == XML_ELEMENT_NODE && std::strcmp(reinterpret_cast<const char*>(c->name), name) == 0)
      found.push_back(c);
  }
  return found;
}

std::string Text(const xmlNode* node) {
  if (node == nullptr) return "";
  xmlChar* content = xmlNodeGetContent(node);
  std::string text = content ? reinterpret_cast<const char*>(content) : "";
  xmlFree(content);
  return text;
}

bool Excluded(const xmlNode* option) { return Text(Child(Child(option, "CommonProperty"), "IncludeInBuild")) == "0"; }

void ReadOption(const xmlNode* option, const char* armAds, char kind, const std::string& key, const std::string& target,
                ProjectFacts* facts) {
  if (option == nullptr) return;
  if (Excluded(option)) facts->excluded[key].insert(target);
  const xmlNode* blocks = Child(option, armAds);
  if (blocks == nullptr) return;
  if (kind == 0) {  // a group: both sections
    if (Child(blocks, "Cads") && Child(blocks, "Aads")) facts->overrideSections += 2;
  } else if (Child(blocks, kind == 'c' ? "Cads" : "Aads")) {
    facts->overrideSections += 1;
  }
}

std::string CurrentFromOptionFile(const std::string& path, const std::vector<std::string>& targets) {
  std::string fallback = targets.empty() ? "" : targets.back();
  std::string optionFile = path.substr(0, path.rfind('.')) + ".uvopt";
  if (!std::ifstream(optionFile).good()) return fallback;
  xmlDoc* doc = xmlReadFile(optionFile.c_str(), nullptr, XML_PARSE_NONET);
  if (doc == nullptr) return fallback;
  std::string current = fallback;
  for (const xmlNode* target : Children(xmlDocGetRootElement(doc), "Target")) {
    std::string name = Text(Child(target, "TargetName"));
    bool marked = Text(Child(Child(Child(target, "TargetOption"), "OPTFL"), "IsCurrentTarget")) == "1";
    if (marked && std::find(targets.begin(), targets.end(), name) != targets.end()) {
      current = name;
      break;
    }
  }
  xmlFreeDoc(doc);
  return current;
}
#endif

}  // namespace

size_t ProjectFacts::FileCount() const {
  size_t count = 0;
  for (const auto& group : files) count += group.size();
  return count;
}

#ifdef ZRT_WITH_LIBXML2
ProjectFacts XmlProjectFacts(const std::string& path) {
  ProjectFacts facts;
  xmlDoc* doc = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET);
  if (doc == nullptr) return facts;
  std::vector<const xmlNode*> targets = Children(Child(xmlDocGetRootElement(doc), "Targets"), "Target");
  for (size_t t = 0; t < targets.size(); ++t) {
    std::string target = Text(Child(targets[t], "TargetName"));
    facts.targets.push_back(target);
    std::vector<const xmlNode*> groups = Children(Child(targets[t], "Groups"), "Group");
    for (size_t g = 0; g < groups.size(); ++g) {
      std::string name = Text(Child(groups[g], "GroupName"));
      if (t == 0) {
        facts.groups.push_back(name);
        facts.files.emplace_back();
      } else if (g >= facts.groups.size() || facts.groups[g] != name) {
        continue;
      }
      ReadOption(Child(groups[g], "GroupOption"), "GroupArmAds", 0, name, target, &facts);
      for (const xmlNode* file : Children(Child(groups[g], "Files"), "File")) {
        std::string filePath = Text(Child(file, "FilePath"));
        if (t == 0 && Child(file, "FileName") && Child(file, "FileType") && Child(file, "FilePath")) {
          facts.files[g].push_back(filePath);
        }
        ReadOption(Child(file, "FileOption"), "FileArmAds", SourceKind(filePath), name + "|" + filePath, target,
                   &facts);
      }
    }
  }
  xmlFreeDoc(doc);
  facts.currentTarget = CurrentFromOptionFile(path, facts.targets);
  return facts;
}
#else
ProjectFacts XmlProjectFacts(const std::string&) { return {}; }
#endif

ProjectFacts Uv2ProjectFacts(const std::string& path) {
  ProjectFacts facts;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  std::vector<std::vector<std::string>> names;  // file names per group
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("Target (", 0) == 0) facts.targets.push_back(Between(line, '(', ')', true));
    if (line.rfind("Group (", 0) == 0) {
      facts.groups.push_back(Between(line, '(', ')', false));
      facts.files.emplace_back();
      names.emplace_back();
    }
    if (line.rfind("File ", 0) == 0) {
      size_t group = std::strtoul(line.c_str() + 5, nullptr, 10);
      if (group < 1 || group > facts.files.size()) continue;
      facts.files[group - 1].push_back(Between(line, '<', '>', false));
      names[group - 1].push_back(Between(line.substr(line.find('>') + 1), '<', '>', false));
    }
    if (line.rfind("Options ", 0) == 0) {
      int target = 0, group = 0, file = 0;
      std::sscanf(line.c_str() + 8, "%d,%d,%d", &target, &group, &file);
      std::string name = Between(line, '\'', '\'', true);
      bool listed = group >= 1 && static_cast<size_t>(group) <= names.size() &&
                    std::count(names[group - 1].begin(), names[group - 1].end(), name) > 0;
      if (file != 0 && listed && SourceKind(name) != 0) facts.overrideSections += 1;
    }
  }
  facts.currentTarget = facts.targets.empty() ? "" : facts.targets.back();
  return facts;
}

ProjectFacts ConvertedFacts(const HostNode* project, const std::string& currentTarget) {
  using namespace testhost;
  ProjectFacts facts;
  facts.currentTarget = currentTarget;
  for (HostNode* configuration : ChildrenOf(ChildNamed(project, "Configurations"))) {
    facts.targets.push_back(Value(configuration, "Name") ? Value(configuration, "Name") : "?");
  }
  auto excluded = [&](const HostNode* node, const std::string& key) {
    std::string all = Value(node, "nobuild") ? Value(node, "nobuild") : "";
    for (size_t at = 0, end; (end = all.find("?;?", at)) != std::string::npos; at = end + 3) {
      facts.excluded[key].insert(all.substr(at, end - at));
    }
  };
  auto sections = [&](const HostNode* node) {
    for (HostNode* child : ChildrenOf(node)) {
      if (NameOf(child) == "ZRT_CParam" || NameOf(child) == "ZRT_AsmParam") ++facts.overrideSections;
    }
  };
  for (HostNode* filter : ChildrenOf(ChildNamed(project, "Files"))) {
    std::string group = Value(filter, "Name") ? Value(filter, "Name") : "?";
    facts.groups.push_back(group);
    facts.files.emplace_back();
    excluded(filter, group);
    sections(filter);
    for (HostNode* file : ChildrenOf(filter)) {
      if (NameOf(file) != "File") continue;
      std::string path = Value(file, "RelativePath") ? Value(file, "RelativePath") : "?";
      facts.files.back().insert(facts.files.back().begin(), path);
      excluded(file, group + "|" + path);
      sections(file);
    }
  }
  return facts;
}

}  // namespace zrt::testing
