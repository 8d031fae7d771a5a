#include <signal.h>
#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

#include "host/zrthost/console.h"

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

std::vector<std::string> StartConsole(int argc, char** argv) { return {argv + 1, argv + argc}; }

bool OutputIsTerminal() { return isatty(STDOUT_FILENO) != 0; }

int TerminalColumns() {
  winsize size{};
  return ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

void ClearCurrentLine(std::FILE* out) { std::fputs("\r\033[K", out); }

void CatchInterrupts() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
}

bool InterruptRequested() { return g_interrupted != 0; }

}  // namespace zrt::zrthost
