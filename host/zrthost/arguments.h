// Command-line arguments of one zrthost command: positional words, options with a value
// and flags, checked against what the command accepts.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace zrt::zrthost {

// One option a command accepts ("--target", "-o"); value options take the next word.
struct OptionSpec {
  const char* name;
  bool takesValue;
};

struct Arguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::set<std::string> flags;

  // The option's value; fallback when it was not given.
  std::string Get(const std::string& name, const std::string& fallback = "") const;
  // True when the flag or value option was given.
  bool Has(const std::string& name) const { return flags.count(name) || values.count(name); }
};

// Splits words by specs; false with *error on an unknown option or a missing value. A
// word after "--" is positional even when it starts with '-'.
bool ParseArguments(const std::vector<std::string>& words, const std::vector<OptionSpec>& specs, Arguments* out,
                    std::string* error);

}  // namespace zrt::zrthost
