#include "src/build/dependency_reader.h"

#include <cstring>
#include <string>

#include "src/build/compiler_command_line.h"
#include "src/build/text_copy.h"
#include "src/config/value_scanner.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"

namespace zrt {
namespace {

// The open dependency file: its text and the position of the next line.
struct DependencyStream {
  bool open = false;
  std::string text;
  size_t position = 0;
};

DependencyStream& Stream() {
  static DependencyStream stream;
  return stream;
}

void Close() { Stream() = DependencyStream{}; }

// The next line without its line break (a "\r" before the "\n" included); false at the end.
bool ReadLine(std::string* line) {
  DependencyStream& stream = Stream();
  if (!stream.open || stream.position >= stream.text.size()) return false;
  size_t end = stream.text.find('\n', stream.position);
  if (end == std::string::npos) end = stream.text.size();
  *line = stream.text.substr(stream.position, end - stream.position);
  if (!line->empty() && line->back() == '\r') line->pop_back();
  stream.position = end + 1;
  return true;
}

// Answers the next entry into buffer, or closes the stream and answers 0.
int NextEntry(char* buffer, unsigned size) {
  std::string line;
  std::string target;
  std::string dependency;
  if (ReadLine(&line) && ScanValue(line.c_str(), "%[^:]: %[^\n]", {&target, &dependency}) == 2 &&
      target.size() <= kDependencyFieldLimit && dependency.size() <= kDependencyFieldLimit) {
    CopyText(dependency, buffer, size);
    return 1;
  }
  Close();
  return 0;
}

std::string FileName(const std::string& path) {
  size_t slash = path.rfind('\\');
  if (slash == std::string::npos) slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The listed file whose RelativePath contains name; null when none.
const HostNode* FindListedFile(const std::string& name) {
  for (const HostNode* file : Context().files) {
    const char* path = GetAttribute(file, "RelativePath");
    if (path != nullptr && std::strstr(path, name.c_str()) != nullptr) return file;
  }
  return nullptr;
}

int FirstDependency(const char* sourcePath, char* buffer, unsigned size) {
  const HostNode* file = FindListedFile(FileName(sourcePath));
  Close();
  if (file == nullptr) return 0;
  DependencyStream& stream = Stream();
  stream.open = Context().fileSystem->ReadFile(DependencyPath(ObjectPathOf(file)), &stream.text);
  std::string sourceLine;
  if (!ReadLine(&sourceLine)) {
    Close();
    return 0;
  }
  return NextEntry(buffer, size);
}

}  // namespace

int NextDependency(const char* sourcePath, char* buffer, unsigned size, int first) {
  if (sourcePath == nullptr) return 0;
  if (first != 0) return FirstDependency(sourcePath, buffer, size);
  if (!Stream().open) return 0;
  return NextEntry(buffer, size);
}

}  // namespace zrt
