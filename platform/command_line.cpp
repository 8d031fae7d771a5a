// Windows command-line splitting by the C runtime's rules.
#include "platform/command_line.h"

namespace zrt::platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

size_t SkipBlanks(const std::string& text, size_t position) {
  while (position < text.size() && IsBlank(text[position])) ++position;
  return position;
}

// Reads the program name starting at position: quotes toggle, nothing is escaped.
std::string ReadProgramName(const std::string& text, size_t* position) {
  std::string name;
  bool quoted = false;
  size_t i = *position;
  for (; i < text.size() && (quoted || !IsBlank(text[i])); ++i) {
    if (text[i] == '"') {
      quoted = !quoted;
    } else {
      name += text[i];
    }
  }
  *position = i;
  return name;
}

// Reads one argument starting at position (not blank), applying the backslash and
// quote rules.
std::string ReadArgument(const std::string& text, size_t* position) {
  std::string argument;
  bool quoted = false;
  size_t i = *position;
  while (i < text.size() && (quoted || !IsBlank(text[i]))) {
    size_t backslashes = 0;
    while (i < text.size() && text[i] == '\\') {
      ++backslashes;
      ++i;
    }
    if (i < text.size() && text[i] == '"') {
      argument.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1) {
        argument += '"';
      } else if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
        argument += '"';
        ++i;
      } else {
        quoted = !quoted;
      }
      ++i;
    } else if (backslashes > 0) {
      argument.append(backslashes, '\\');
    } else {
      argument += text[i++];
    }
  }
  *position = i;
  return argument;
}

void AppendArguments(const std::string& text, size_t position, std::vector<std::string>* arguments) {
  for (position = SkipBlanks(text, position); position < text.size(); position = SkipBlanks(text, position)) {
    arguments->push_back(ReadArgument(text, &position));
  }
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  size_t position = SkipBlanks(commandLine, 0);
  if (position == commandLine.size()) return arguments;
  arguments.push_back(ReadProgramName(commandLine, &position));
  AppendArguments(commandLine, position, &arguments);
  return arguments;
}

std::vector<std::string> SplitArguments(const std::string& text) {
  std::vector<std::string> arguments;
  AppendArguments(text, 0, &arguments);
  return arguments;
}

}  // namespace zrt::platform
