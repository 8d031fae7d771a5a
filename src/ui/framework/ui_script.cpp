#include "src/ui/framework/ui_script.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <vector>

#include "platform/code_page.h"
#include "platform/environment.h"

namespace zrt::ui {
namespace {

// One command line split into its numeric fields and, for commands that take one, the
// rest of the line as text.
struct Arguments {
  std::vector<int> numbers;
  std::string rest;
};

// What a command acts on: the sheet, and where dumps go.
struct Target {
  HeadlessSheet& sheet;
  const DumpWriter& writeDump;
};

using Command = bool (*)(Target& target, const Arguments& args, std::string* why);

struct CommandRow {
  const char* name;
  int numberCount;  // leading integer fields
  bool takesRest;   // the rest of the line after one blank is a text
  Command run;
};

std::string Ansi(const std::string& utf8) { return platform::Utf8ToAnsi(utf8); }

std::optional<std::string> PathOrCancel(const std::string& text) {
  if (text == "-") return std::nullopt;
  return Ansi(text);
}

bool Dump(Target& t, const std::string& path, std::string* why) {
  if (t.writeDump(path, t.sheet.Dump())) return true;
  *why = "cannot write " + path;
  return false;
}

bool Answer(HeadlessSheet& sheet, const std::string& word, std::string* why) {
  struct Row {
    const char* word;
    platform::MessageAnswer answer;
  };
  // The platform's boxes have OK or Yes/No: cancel answers a question as No.
  static const Row kAnswers[] = {{"yes", platform::MessageAnswer::kYes},
                                 {"no", platform::MessageAnswer::kNo},
                                 {"ok", platform::MessageAnswer::kOk},
                                 {"cancel", platform::MessageAnswer::kNo}};
  for (const Row& row : kAnswers) {
    if (word == row.word) {
      sheet.QueueAnswer(row.answer);
      return true;
    }
  }
  *why = "unknown answer \"" + word + "\"";
  return false;
}

const CommandRow kCommands[] = {
    {"tab", 1, false,
     [](Target& t, const Arguments& a, std::string* why) { return t.sheet.SelectTab(a.numbers[0], why); }},
    {"text", 1, true,
     [](Target& t, const Arguments& a, std::string* why) { return t.sheet.TypeText(a.numbers[0], Ansi(a.rest), why); }},
    {"click", 1, false,
     [](Target& t, const Arguments& a, std::string* why) { return t.sheet.Click(a.numbers[0], why); }},
    {"select", 2, false,
     [](Target& t, const Arguments& a, std::string* why) { return t.sheet.Select(a.numbers[0], a.numbers[1], why); }},
    {"cell", 3, true,
     [](Target& t, const Arguments& a, std::string* why) {
       return t.sheet.EditCell(a.numbers[0], a.numbers[1], a.numbers[2], Ansi(a.rest), why);
     }},
    {"answer", 0, true, [](Target& t, const Arguments& a, std::string* why) { return Answer(t.sheet, a.rest, why); }},
    {"file", 0, true,
     [](Target& t, const Arguments& a, std::string*) {
       t.sheet.QueueFile(PathOrCancel(a.rest));
       return true;
     }},
    {"folder", 0, true,
     [](Target& t, const Arguments& a, std::string*) {
       t.sheet.QueueFolder(PathOrCancel(a.rest));
       return true;
     }},
    {"apply", 0, false,
     [](Target& t, const Arguments&, std::string*) {
       t.sheet.PressApply();
       return true;
     }},
    {"ok", 0, false,
     [](Target& t, const Arguments&, std::string*) {
       t.sheet.PressOk();
       return true;
     }},
    {"cancel", 0, false,
     [](Target& t, const Arguments&, std::string*) {
       t.sheet.PressCancel();
       return true;
     }},
    {"dump", 0, true, [](Target& t, const Arguments& a, std::string* why) { return Dump(t, a.rest, why); }},
};

// A decimal integer (optionally negative) filling the whole field.
bool ParseInt(const std::string& field, int* value) {
  if (field.empty() || field.size() > 11) return false;
  char* end = nullptr;
  errno = 0;
  long parsed = std::strtol(field.c_str(), &end, 10);
  if (*end != '\0' || errno != 0 || field[0] == '+' || field[0] == ' ' || parsed < -2147483647L - 1 ||
      parsed > 2147483647L) {
    return false;
  }
  *value = static_cast<int>(parsed);
  return true;
}

// Splits what follows the command word by the row's grammar; false with *why on a bad one.
bool SplitArguments(const CommandRow& row, const std::string& tail, bool hasTail, Arguments* args, std::string* why) {
  size_t at = 0;
  for (int i = 0; i < row.numberCount; ++i) {
    if (!hasTail || at > tail.size()) {
      *why = std::string(row.name) + " needs " + std::to_string(row.numberCount) + " number(s)";
      return false;
    }
    size_t blank = tail.find(' ', at);
    bool last = i + 1 == row.numberCount && !row.takesRest;
    if (last) blank = std::string::npos;
    std::string field = tail.substr(at, blank == std::string::npos ? std::string::npos : blank - at);
    int value = 0;
    if (!ParseInt(field, &value)) {
      *why = "bad number \"" + field + "\"";
      return false;
    }
    args->numbers.push_back(value);
    at = blank == std::string::npos ? tail.size() + 1 : blank + 1;
  }
  if (row.takesRest) {
    if (at > tail.size() || (!hasTail && row.numberCount == 0)) {
      *why = std::string(row.name) + " needs a text";
      return false;
    }
    args->rest = tail.substr(at);
  } else if (row.numberCount == 0 && hasTail) {
    *why = std::string(row.name) + " takes no arguments";
    return false;
  }
  return true;
}

// Runs one non-blank, non-comment line; false with *why when it is bad.
bool RunLine(Target& target, const std::string& line, std::string* why) {
  size_t blank = line.find(' ');
  std::string name = line.substr(0, blank);
  bool hasTail = blank != std::string::npos;
  std::string tail = hasTail ? line.substr(blank + 1) : std::string();
  for (const CommandRow& row : kCommands) {
    if (name != row.name) continue;
    Arguments args;
    return SplitArguments(row, tail, hasTail, &args, why) && row.run(target, args, why);
  }
  *why = "unknown command \"" + name + "\"";
  return false;
}

}  // namespace

bool AppendDumpToFile(const std::string& path, const std::string& dump) {
  std::ofstream out(path, std::ios::binary | std::ios::app);
  out << dump;
  return static_cast<bool>(out);
}

void RunUiScript(HeadlessSheet& sheet, const std::string& script, std::ostream& errors, const DumpWriter& writeDump) {
  Target target = {sheet, writeDump};
  std::istringstream lines(script);
  std::string line;
  for (int number = 1; sheet.IsOpen() && std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
    std::string why;
    if (!RunLine(target, line, &why)) {
      errors << kUiScriptVariable << ":" << number << ": " << why << std::endl;
      break;
    }
  }
  sheet.PressCancel();
}

int RunHeadlessFromEnvironment(PropertySheet& sheet) {
  HeadlessSheet headless(sheet);
  headless.Open();
  std::string path;
  if (platform::GetEnvironment(kUiScriptVariable, &path) && !path.empty()) {
    std::ifstream file(path, std::ios::binary);
    if (file) {
      RunUiScript(headless, std::string(std::istreambuf_iterator<char>(file), {}), std::cerr);
    } else {
      std::cerr << kUiScriptVariable << ":0: cannot read " << path << std::endl;
    }
  }
  headless.PressCancel();
  return headless.Result();
}

}  // namespace zrt::ui
