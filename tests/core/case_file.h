// Fixtures kept as text beside the tests: whole files, and tables of test cases with one
// case per line, fields separated by " | ", C escapes decoded (\n \r \t \0 \\ \| \xHH);
// blank lines and lines starting with '#' are skipped.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace zrt::testing {

using CaseRow = std::vector<std::string>;

// The whole of tests/<name> under ZRT_SOURCE_DIR; fails the test when the file is missing.
inline std::string ReadFixtureFile(const std::string& name) {
  const char* source = std::getenv("ZRT_SOURCE_DIR");
  std::ifstream in(std::string(source ? source : ".") + "/tests/" + name, std::ios::binary);
  EXPECT_TRUE(in) << "fixture tests/" << name << " not found; set ZRT_SOURCE_DIR";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The rows of tests/<name> under ZRT_SOURCE_DIR; fails the test when the file is missing.
inline std::vector<CaseRow> ReadCaseFile(const std::string& name) {
  const char* source = std::getenv("ZRT_SOURCE_DIR");
  std::ifstream in(std::string(source ? source : ".") + "/tests/" + name, std::ios::binary);
  EXPECT_TRUE(in) << "case file tests/" << name << " not found; set ZRT_SOURCE_DIR";
  std::vector<CaseRow> rows;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line.size() >= 2 && line.compare(line.size() - 2, 2, " |") == 0) line += ' ';  // an empty last field
    CaseRow row(1);
    for (size_t i = 0; i < line.size(); ++i) {
      if (line.compare(i, 3, " | ") == 0) {
        row.emplace_back();
        i += 2;
      } else if (line[i] != '\\' || i + 1 == line.size()) {
        row.back() += line[i];
      } else {
        char c = line[++i];
        if (c == 'x' && i + 2 < line.size()) {
          row.back() += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
          i += 2;
        } else {
          row.back() += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c == '0' ? '\0' : c;
        }
      }
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace zrt::testing
