#include "tools/common/options.h"

#include "platform/command_line.h"
#include "platform/file_system.h"

namespace zrt::tools {
namespace {

// Nesting of via files deeper than this is refused as malformed (it is almost surely a
// file that names itself).
constexpr int kMaxViaDepth = 8;

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsLongName(const char* name) { return name[0] == '-' && name[1] == '-'; }

// The row arg names and where its value is: *inlineValue receives a value given in the same
// argument; *needsNext is set when the value is the next argument. Null when no row fits.
const OptionSpec* FindRow(const std::string& arg, const OptionTable& table, std::string* inlineValue, bool* needsNext) {
  for (const OptionSpec& row : table) {
    if (arg == row.name) {
      *needsNext = row.argument == Argument::kValue;
      return &row;
    }
  }
  for (const OptionSpec& row : table) {
    if (row.argument != Argument::kValue) continue;
    // An exact match was taken above, so a one-letter option here has a glued value.
    std::string prefix = IsLongName(row.name) ? std::string(row.name) + "=" : std::string(row.name);
    if (StartsWith(arg, prefix)) {
      *inlineValue = arg.substr(prefix.size());
      *needsNext = false;
      return &row;
    }
  }
  return nullptr;
}

class Parser {
 public:
  Parser(const OptionTable& table, CommandLine* commandLine) : table_(table), commandLine_(commandLine) {}

  ParseResult Parse(const std::vector<std::string>& arguments, int viaDepth) {
    for (size_t i = 0; i < arguments.size(); ++i) {
      const std::string& arg = arguments[i];
      if (arg.size() < 2 || arg[0] != '-') {
        commandLine_->inputs.push_back(arg);
        continue;
      }
      std::string value;
      bool needsNext = false;
      const OptionSpec* row = FindRow(arg, CommonOptions(), &value, &needsNext);
      if (row == nullptr) row = FindRow(arg, table_, &value, &needsNext);
      if (row == nullptr) return {ParseStatus::kUnknownOption, arg};
      if (needsNext) {
        if (i + 1 == arguments.size()) return {ParseStatus::kMissingArgument, Bare(row->name)};
        value = arguments[++i];
      }
      ParseResult result = row->id == kViaOption ? ReadVia(value, viaDepth) : Add(*row, value);
      if (result.status != ParseStatus::kOk) return result;
    }
    return {};
  }

 private:
  static std::string Bare(const std::string& name) { return name.substr(name.find_first_not_of('-')); }

  ParseResult Add(const OptionSpec& row, const std::string& value) {
    commandLine_->options.push_back({row.id, row.name, value});
    return {};
  }

  ParseResult ReadVia(const std::string& path, int viaDepth) {
    if (viaDepth >= kMaxViaDepth) return {ParseStatus::kViaMalformed, path};
    std::string text;
    if (!platform::RealFileSystem().ReadFile(path, &text)) return {ParseStatus::kViaUnreadable, path};
    return Parse(platform::SplitArguments(text), viaDepth + 1);
  }

  const OptionTable& table_;
  CommandLine* commandLine_;
};

}  // namespace

bool CommandLine::Has(int id) const {
  for (const ParsedOption& option : options) {
    if (option.id == id) return true;
  }
  return false;
}

std::string CommandLine::Last(int id) const {
  std::string value;
  for (const ParsedOption& option : options) {
    if (option.id == id) value = option.value;
  }
  return value;
}

std::vector<std::string> CommandLine::All(int id) const {
  std::vector<std::string> values;
  for (const ParsedOption& option : options) {
    if (option.id == id) values.push_back(option.value);
  }
  return values;
}

int CommandLine::LastOf(std::initializer_list<int> ids) const {
  int last = 0;
  for (const ParsedOption& option : options) {
    for (int id : ids) {
      if (option.id == id) last = id;
    }
  }
  return last;
}

const OptionTable& CommonOptions() {
  static const OptionTable kRows = {
      {"--help", Argument::kNone, kHelpOption, "Show this help text"},
      {"--vsn", Argument::kNone, kVersionOption, "Show the version line"},
      {"--via", Argument::kValue, kViaOption, "Read further arguments from a file"},
  };
  return kRows;
}

ParseResult ParseArguments(const std::vector<std::string>& arguments, const OptionTable& table,
                           CommandLine* commandLine) {
  return Parser(table, commandLine).Parse(arguments, 0);
}

std::string OptionHelp(const OptionTable& table) {
  std::string text;
  for (const OptionTable* rows : {&table, &CommonOptions()}) {
    for (const OptionSpec& row : *rows) {
      std::string name = std::string(row.name) + (row.argument == Argument::kValue ? " <value>" : "");
      if (name.size() < 24) name.resize(24, ' ');
      text += "  " + name + " " + row.help + "\n";
    }
  }
  return text;
}

}  // namespace zrt::tools
