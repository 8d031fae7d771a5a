// Shared by the XML document tests: fixture and corpus paths, and outlines of the element
// tree and of every node read through the navigation operations.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "src/convert/xml_document.h"

namespace zrt::testing {

// A file under tests/convert/fixtures; empty when ZRT_SOURCE_DIR is not set.
inline std::string FixturePath(const std::string& name) {
  const char* source = std::getenv("ZRT_SOURCE_DIR");
  return source ? std::string(source) + "/tests/convert/fixtures/" + name : std::string();
}

// Every uVision XML project file (.uvproj, .uvopt, .uvprojx) of the shared corpus, sorted.
inline std::vector<std::string> CorpusXmlFiles() {
  std::vector<std::string> files;
  const char* corpus = std::getenv("ZRT_CORPUS_DIR");
  if (!corpus) return files;
  std::error_code error;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus, error)) {
    std::string extension = entry.path().extension().string();
    if (extension == ".uvproj" || extension == ".uvopt" || extension == ".uvprojx") {
      files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

// One line per element in document order, indented two spaces per level: "name=data".
// Walks with FindElement, FindChildElement, EnterElement and LeaveElement only, without
// recursion, so that deep documents cannot exhaust the stack.
inline std::string Outline(CXmlDocument& document) {
  std::string outline;
  document.ResetPosition(0, 0, 0);
  while (document.FindElement()) {
    XmlElementIndex top = document.GetCurrentPosition();
    outline += document.GetElementTagName(top) + "=" + document.GetElementText(top) + "\n";
    size_t depth = 1;
    while (depth > 0) {
      if (document.FindChildElement()) {
        outline += std::string(2 * depth, ' ') + document.GetChildTagName() + "=" + document.GetChildText() + "\n";
        document.EnterElement();
        ++depth;
      } else if (--depth > 0) {
        document.LeaveElement();
      }
    }
  }
  return outline;
}

// Every node of the document in walk order, one line each, indented two spaces per level:
// the node kind, then the tag name of an element or the inner text of any other node.
// Walks with FindNextNode, EnterElement and LeaveElement only, without recursion.
inline std::string NodeTrace(CXmlDocument& document) {
  std::string trace;
  document.ResetPosition(0, 0, 0);
  size_t depth = 0;
  for (;;) {
    int kind = document.FindNextNode(0);
    XmlElementIndex current = document.GetCurrentPosition();
    if (kind == 0) {
      if (depth == 0) break;
      document.LeaveElement();
      --depth;
      continue;
    }
    trace += std::string(2 * depth, ' ') + std::to_string(kind) + " ";
    trace += kind == kXmlElement ? document.GetElementTagName(current) : document.GetElementText(current);
    trace += "\n";
    if (kind == kXmlElement && document.EnterElement()) ++depth;
  }
  return trace;
}

}  // namespace zrt::testing
