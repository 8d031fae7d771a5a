// Scatter-loading descriptions as armlink reads them, without the preprocessor:
//   load_region  := name base [attributes] [max_size] "{" exec_region* "}"
//   exec_region  := name base [attributes] [max_size | -length] "{" input* "}"
//   input        := module_pattern [ "(" selector { [","] selector } ")" ]
//   base         := number | "+" number          (decimal or 0x hexadecimal)
// ";" starts a comment that runs to the line end; keywords are case-insensitive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zrt::tools {

// A base address: absolute, or an offset from the end of the region before.
struct RegionBase {
  bool relative = false;
  uint32_t value = 0;
};

// One input section description, "*.o (RESET, +First)".
struct InputSection {
  std::string module;                  // "*.o", ".ANY", "main.o"
  std::vector<std::string> selectors;  // "RESET", "+First"; empty means every section
  int line = 0;
  int column = 0;
};

struct ExecutionRegion {
  std::string name;
  RegionBase base;
  std::vector<std::string> attributes;  // upper case: "UNINIT", "EMPTY", "ALIGN" ...
  bool hasMaxSize = false;
  uint32_t maxSize = 0;
  std::vector<InputSection> inputs;
};

struct LoadRegion {
  std::string name;
  RegionBase base;
  std::vector<std::string> attributes;
  bool hasMaxSize = false;
  uint32_t maxSize = 0;
  std::vector<ExecutionRegion> regions;
};

struct ScatterDescription {
  std::vector<LoadRegion> loadRegions;
};

// Where and why a description was refused.
struct ScatterError {
  int line = 0;
  int column = 0;
  std::string code;
  std::string text;
};

// Parses text; false with *error at the first thing that does not fit the grammar.
bool ParseScatterFile(const std::string& text, ScatterDescription* description, ScatterError* error);

// Reads a number as the scatter files write them: decimal or "0x" hexadecimal, up to
// 0xFFFFFFFF; false for anything else.
bool ParseScatterNumber(const std::string& text, uint32_t* value);

}  // namespace zrt::tools
