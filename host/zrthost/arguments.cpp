#include "host/zrthost/arguments.h"

namespace zrt::zrthost {

std::string Arguments::Get(const std::string& name, const std::string& fallback) const {
  auto found = values.find(name);
  return found == values.end() ? fallback : found->second;
}

bool ParseArguments(const std::vector<std::string>& words, const std::vector<OptionSpec>& specs, Arguments* out,
                    std::string* error) {
  bool optionsEnded = false;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (optionsEnded || word.size() < 2 || word[0] != '-') {
      out->positional.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = word, value;
    size_t equals = word.find('=');
    bool inlineValue = word.rfind("--", 0) == 0 && equals != std::string::npos;
    if (inlineValue) {
      name = word.substr(0, equals);
      value = word.substr(equals + 1);
    }
    const OptionSpec* spec = nullptr;
    for (const OptionSpec& s : specs) {
      if (name == s.name) spec = &s;
    }
    if (spec == nullptr) {
      *error = "unknown option " + name;
      return false;
    }
    if (!spec->takesValue) {
      if (inlineValue) {
        *error = "option " + name + " takes no value";
        return false;
      }
      out->flags.insert(name);
      continue;
    }
    if (!inlineValue) {
      if (i + 1 >= words.size()) {
        *error = "option " + name + " needs a value";
        return false;
      }
      value = words[++i];
    }
    out->values[name] = value;
  }
  return true;
}

}  // namespace zrt::zrthost
