#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "host/zrthost/console.h"
#include "platform/code_page.h"

namespace zrt::zrthost {
namespace {

volatile sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) {
  if (g_interrupted) {
    signal(SIGINT, SIG_DFL);
    raise(SIGINT);
  }
  g_interrupted = 1;
}

}  // namespace

bool OutputIsTerminal() { return isatty(STDOUT_FILENO) != 0; }

int TerminalColumns() {
  winsize size{};
  return ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

std::string TerminalText(const std::string& ansi) {
  std::string text = platform::AnsiToUtf8(ansi);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  }
  return out;
}

void CatchInterrupts() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

bool InterruptRequested() { return g_interrupted != 0; }

}  // namespace zrt::zrthost
