#include "src/core/text_utilities.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace zrt {
namespace {

constexpr size_t kSeparatorLength = sizeof kListSeparator - 1;

// Calls visit(entry) for each piece of text that ends at a separator, in order.
template <typename Visit>
void ForEachListEntry(const std::string& text, Visit visit) {
  size_t start = 0;
  for (size_t end = text.find(kListSeparator); end != std::string::npos;
       end = text.find(kListSeparator, start)) {
    visit(text.substr(start, end - start));
    start = end + kSeparatorLength;
  }
}

std::string Replace(std::string text, char from, char to) {
  for (char& c : text) {
    if (c == from) c = to;
  }
  return text;
}

}  // namespace

std::set<std::string> SplitList(const std::string& text) {
  std::set<std::string> entries;
  ForEachListEntry(text, [&](std::string entry) {
    if (!entry.empty()) entries.insert(std::move(entry));
  });
  return entries;
}

std::string JoinList(const std::set<std::string>& entries) {
  std::string text;
  for (const std::string& entry : entries) text += entry + kListSeparator;
  return text;
}

bool ListContains(const char* text, const std::string& entry) {
  if (text == nullptr || entry.empty()) return false;
  bool found = false;
  ForEachListEntry(text, [&](const std::string& e) { found = found || e == entry; });
  return found;
}

std::string RenameListEntry(const std::string& text, const std::string& oldEntry, const std::string& newEntry) {
  std::string renamed;
  size_t consumed = 0;
  ForEachListEntry(text, [&](const std::string& e) {
    renamed += (e == oldEntry ? newEntry : e) + kListSeparator;
    consumed += e.size() + kSeparatorLength;
  });
  return renamed + text.substr(consumed);  // an unterminated tail stays as it was
}

std::string EscapeParentheses(std::string text) { return Replace(Replace(std::move(text), '(', '<'), ')', '>'); }

std::string UnescapeParentheses(std::string text) { return Replace(Replace(std::move(text), '<', '('), '>', ')'); }

const char* FindPrefixedEntry(const DeviceRecord* device, const char* prefix) {
  if (device == nullptr || device->information == nullptr || prefix == nullptr) return nullptr;
  size_t n = std::strlen(prefix);
  for (const char* const* entry = device->information; *entry != nullptr; ++entry) {
    size_t i = 0;
    while (i < n && (*entry)[i] != '\0' &&
           std::tolower(static_cast<unsigned char>((*entry)[i])) == std::tolower(static_cast<unsigned char>(prefix[i]))) {
      ++i;
    }
    if (i == n) return *entry;
  }
  return nullptr;
}

int LeadingInt(const char* text) {
  if (text == nullptr) return 0;
  long value = std::strtol(text, nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace zrt
