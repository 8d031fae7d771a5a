#include "host/zrthost/console.h"
#include "platform/code_page.h"

namespace zrt::zrthost {

std::string TerminalText(const std::string& ansi) {
  std::string text = platform::AnsiToUtf8(ansi);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  }
  return out;
}

}  // namespace zrt::zrthost
