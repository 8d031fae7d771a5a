#include "tools/common/console.h"

#include <cstdio>

namespace zrt::tools {
namespace {

void Write(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

}  // namespace

void PrintOut(const std::string& line) { Write(stdout, line + "\n"); }

void PrintError(const std::string& line) { Write(stderr, line + "\n"); }

void WriteOut(const std::string& text) { Write(stdout, text); }

}  // namespace zrt::tools
