// Command-line options of the emulated tools, read through one table per tool.
//
// A row names the option with its dashes. A flag matches only exactly. An option with a
// value takes it from the next argument ("-o x", "--depend x"), after "=" for long
// options ("--cpu=Cortex-M3") or glued for one-letter options ("-I..\inc", "-ox.o").
// Arguments that do not start with '-' are inputs. "--via <file>" reads more arguments
// from a file, split by the Windows command-line rules.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace zrt::tools {

enum class Argument { kNone, kValue };

// Ids of the options every tool has; a tool numbers its own from kFirstToolOption.
enum CommonOption { kHelpOption = 1, kVersionOption, kViaOption, kFirstToolOption = 100 };

// One row of an option table.
struct OptionSpec {
  const char* name;
  Argument argument;
  int id;
  const char* help;
};

using OptionTable = std::vector<OptionSpec>;

// One option as it was given.
struct ParsedOption {
  int id;
  std::string name;
  std::string value;
};

// The options in command-line order and the inputs.
struct CommandLine {
  std::vector<ParsedOption> options;
  std::vector<std::string> inputs;

  // True when the option was given at least once.
  bool Has(int id) const;
  // The value of the option's last occurrence; "" when it was not given.
  std::string Last(int id) const;
  // The values of every occurrence, in order.
  std::vector<std::string> All(int id) const;
  // Of the options ids, the one given last; 0 when none was given.
  int LastOf(std::initializer_list<int> ids) const;
};

enum class ParseStatus { kOk, kUnknownOption, kMissingArgument, kViaUnreadable, kViaMalformed };

// The outcome of parsing; subject is the option or file at fault.
struct ParseResult {
  ParseStatus status = ParseStatus::kOk;
  std::string subject;
};

// The rows every tool shares: --help, --vsn, --via.
const OptionTable& CommonOptions();

// Parses arguments against the common rows and table into *commandLine; stops at the
// first argument it cannot accept.
ParseResult ParseArguments(const std::vector<std::string>& arguments, const OptionTable& table,
                           CommandLine* commandLine);

// The option list of the help text: one line per row, name, value placeholder, help.
std::string OptionHelp(const OptionTable& table);

}  // namespace zrt::tools
