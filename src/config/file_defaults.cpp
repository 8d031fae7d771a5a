#include "src/config/file_defaults.h"

#include <cctype>

#include "src/config/section_chain.h"
#include "src/core/host_callbacks.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"

namespace zrt {
namespace {

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// One row of the classification: the extension matches when equal, or (prefix rows)
// when it begins with the text. Rows are tried in order.
struct ExtensionRule {
  const char* text;
  bool prefix;
  int fileType;
};

constexpr ExtensionRule kExtensionRules[] = {
    {"c", false, 1},  {"cpp", false, 3}, {"src", false, 2}, {"s", true, 2},   {"a", true, 2},
    {"lib", false, 10}, {"obj", false, 11}, {"txt", false, 12}, {"h", false, 4},
};

constexpr int kOtherFileType = 5;

constexpr int kAssemblerFileType = 2;

}  // namespace

bool IsSourceFileType(int fileType) { return fileType >= 1 && fileType <= 3; }

const char* SourceSectionName(int fileType) {
  return SectionName(fileType == kAssemblerFileType ? SectionKind::kAssembler : SectionKind::kCompiler);
}

int ClassifyFile(const std::string& path) {
  size_t dot = path.rfind('.');
  if (dot == std::string::npos) return kOtherFileType;
  std::string extension = Lowered(path.substr(dot + 1));
  for (const ExtensionRule& rule : kExtensionRules) {
    bool match = rule.prefix ? extension.rfind(rule.text, 0) == 0 : extension == rule.text;
    if (match) return rule.fileType;
  }
  return kOtherFileType;
}

std::string ObjectNameOf(const std::string& path) {
  size_t dot = path.rfind('.');
  if (dot == std::string::npos) return std::string();
  size_t slash = path.rfind('\\');
  size_t start = slash == std::string::npos ? 0 : slash + 1;
  if (start > dot) return std::string();  // the last '.' belongs to a folder name
  return path.substr(start, dot - start) + ".o";
}

void WriteFileDefaults(HostNode* file) {
  WriteFileKeys(file);
  AddBuildableFile(file);
}

void WriteFileKeys(HostNode* file) {
  if (file == nullptr) return;
  HostNode* copy = CloneNode(file);
  if (copy == nullptr) return;
  const char* path = GetAttribute(file, "RelativePath");
  std::string relativePath = path ? path : "";
  int fileType = ClassifyFile(relativePath);
  SetAttributeInt(copy, "FileType", fileType);
  if (IsSourceFileType(fileType)) SetAttribute(copy, "Output", ObjectNameOf(relativePath).c_str());
  SetAttributeInt(copy, "ro", 0);
  SetAttributeInt(copy, "rw", 0);
  SetAttributeInt(copy, "bss", 0);
  host::CommitNode(file, copy);
  DestroyNode(copy);
}

}  // namespace zrt
