#include <windows.h>

#include <io.h>

#include <atomic>
#include <cstdio>

#include "host/zrthost/console.h"

namespace zrt::zrthost {
namespace {

std::atomic<bool> g_interrupted{false};

BOOL WINAPI OnConsoleEvent(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (g_interrupted.exchange(true)) ExitProcess(130);
  return TRUE;
}

}  // namespace

bool OutputIsTerminal() { return _isatty(_fileno(stdout)) != 0; }

int TerminalColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info)) return 80;
  return info.srWindow.Right - info.srWindow.Left + 1;
}

std::string TerminalText(const std::string& ansi) { return ansi; }

void CatchInterrupts() { SetConsoleCtrlHandler(OnConsoleEvent, TRUE); }

bool InterruptRequested() { return g_interrupted.load(); }

}  // namespace zrt::zrthost
