// The key tables behind the section readers and writers: one row per key, in the order the
// keys are written, naming the record field that holds the value and the stored texts of
// its defaults. One loop over a table reads, writes or tests a whole section.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <variant>

#include "src/config/section_values.h"
#include "src/core/host_callbacks.h"
#include "src/core/host_node.h"
#include "src/core/text_utilities.h"

namespace zrt::section_table {

// The record field of a key; monostate for a key whose value is made from the node.
template <typename Record>
using Field = std::variant<std::monostate, int Record::*, std::string Record::*, uint32_t Record::*>;

// Makes the value of a key that the record does not hold (or holds as "").
template <typename Record>
using Derive = std::string (*)(const HostNode* node, const Record& record);

template <typename Record>
struct KeyRow {
  const char* key;
  Field<Record> field;
  const char* targetDefault = nullptr;    // stored text of the target default
  const char* overrideDefault = nullptr;  // stored text of the group and file default
  bool inheritTested = false;             // compared by the all-inherit test
  Derive<Record> derive = nullptr;        // used when the record's text is empty
};

// A key not held in the record.
template <typename Record>
constexpr KeyRow<Record> Derived(const char* key, Derive<Record> derive) {
  return {key, {}, nullptr, nullptr, false, derive};
}

// The stored text of row's field; nothing for an address of 0, which is not written.
template <typename Record>
std::optional<std::string> FieldText(const KeyRow<Record>& row, const Record& record) {
  if (auto number = std::get_if<int Record::*>(&row.field)) return std::to_string(record.**number);
  if (auto text = std::get_if<std::string Record::*>(&row.field)) return record.**text;
  if (auto address = std::get_if<uint32_t Record::*>(&row.field)) {
    if (record.**address == 0) return std::nullopt;
    return FormatAddress(record.**address);
  }
  return std::string();
}

// Stores a stored text into row's field: numbers by their leading digits, addresses as
// hexadecimal; null reads as 0 or "".
template <typename Record>
void AssignField(const KeyRow<Record>& row, Record* record, const char* text) {
  if (auto number = std::get_if<int Record::*>(&row.field)) {
    record->**number = LeadingInt(text);
  } else if (auto value = std::get_if<std::string Record::*>(&row.field)) {
    record->**value = text ? text : "";
  } else if (auto address = std::get_if<uint32_t Record::*>(&row.field)) {
    record->**address = 0;
    ReadAddress(text, &(record->**address));
  }
}

// A record filled from one default column of the table.
template <typename Record, size_t N>
Record RecordFromColumn(const KeyRow<Record> (&rows)[N], const char* KeyRow<Record>::*column) {
  Record record{};
  for (const KeyRow<Record>& row : rows) {
    if (row.*column != nullptr) AssignField(row, &record, row.*column);
  }
  return record;
}

// The record of node's keys.
template <typename Record, size_t N>
Record ReadRecord(const KeyRow<Record> (&rows)[N], const HostNode* node) {
  Record record{};
  for (const KeyRow<Record>& row : rows) AssignField(row, &record, GetAttribute(node, row.key));
  return record;
}

// Sets every key of the table on a copy of node and commits the copy.
template <typename Record, size_t N>
void WriteRecord(const KeyRow<Record> (&rows)[N], HostNode* node, const Record& record) {
  HostNode* copy = node ? CloneNode(node) : nullptr;
  if (copy == nullptr) return;
  for (const KeyRow<Record>& row : rows) {
    std::optional<std::string> text = FieldText(row, record);
    if (text && text->empty() && row.derive) *text = row.derive(node, record);
    if (text) SetAttribute(copy, row.key, text->c_str());
  }
  host::CommitNode(node, copy);
  DestroyNode(copy);
}

// True when every tested key of node equals its override default: numbers as numbers,
// texts as texts (an absent key reads as 0 or "").
template <typename Record, size_t N>
bool MatchesOverrideDefaults(const KeyRow<Record> (&rows)[N], const HostNode* node) {
  for (const KeyRow<Record>& row : rows) {
    if (!row.inheritTested) continue;
    const char* stored = GetAttribute(node, row.key);
    bool equal = std::holds_alternative<int Record::*>(row.field)
                     ? LeadingInt(stored) == LeadingInt(row.overrideDefault)
                     : std::strcmp(stored ? stored : "", row.overrideDefault) == 0;
    if (!equal) return false;
  }
  return true;
}

}  // namespace zrt::section_table
