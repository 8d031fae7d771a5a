// Small text utilities shared by the subsystems.
#pragma once

#include <set>
#include <string>

#include "src/core/abi.h"

namespace zrt {

// Ends every entry of a multi-value text such as "nobuild".
constexpr const char kListSeparator[] = "?;?";

// The entries of text that end at a separator (a piece after the last one is not taken),
// empty pieces dropped, ordered by byte comparison.
std::set<std::string> SplitList(const std::string& text);
// Every entry in set order, each followed by the separator.
std::string JoinList(const std::set<std::string>& entries);
// True when one entry of the multi-value text equals entry; an empty entry matches nothing.
bool ListContains(const char* text, const std::string& entry);
// The multi-value text with every entry equal to oldEntry renamed, order kept.
std::string RenameListEntry(const std::string& text, const std::string& oldEntry, const std::string& newEntry);

// "(" becomes "<" and ")" becomes ">".
std::string EscapeParentheses(std::string text);
// "<" becomes "(" and ">" becomes ")".
std::string UnescapeParentheses(std::string text);

// First device information entry that begins with prefix (case-insensitive); null when the
// record, its array or prefix is missing, or no entry matches.
const char* FindPrefixedEntry(const DeviceRecord* device, const char* prefix);

// The leading decimal number of text (optional blanks and sign, then digits; none gives 0),
// clamped to the int range. Null gives 0.
int LeadingInt(const char* text);

}  // namespace zrt
