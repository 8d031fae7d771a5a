#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "host/zrthost/console.h"

namespace zrt::zrthost {
namespace {

std::atomic<bool> g_interrupted{false};
UINT g_consoleCodePage = 0;
// True when standard output is a console that takes the escape sequences the status line
// is drawn with (Windows 10 and later, once asked for).
bool g_terminal = false;

BOOL WINAPI OnConsoleEvent(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (g_interrupted.exchange(true)) ExitProcess(130);
  return TRUE;
}

std::string Utf8Of(const wchar_t* text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return "";
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
  utf8.pop_back();
  return utf8;
}

void RestoreConsoleCodePage() { SetConsoleOutputCP(g_consoleCodePage); }

}  // namespace

std::vector<std::string> StartConsole(int, char**) {
  // Binary mode: the "\n" line ends zrthost writes stay as they are.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (_isatty(_fileno(stdout)) && GetConsoleMode(output, &mode)) {
    g_terminal = SetConsoleMode(output, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
    if ((g_consoleCodePage = GetConsoleOutputCP()) != 0) {
      SetConsoleOutputCP(CP_UTF8);
      std::atexit(RestoreConsoleCodePage);
    }
  }
  // The wide command line: the C runtime's argv would hold only what the ANSI code page can.
  std::vector<std::string> arguments;
  int count = 0;
  if (wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) arguments.push_back(Utf8Of(words[i]));
    LocalFree(words);
  }
  return arguments;
}

bool OutputIsTerminal() { return g_terminal; }

int TerminalColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info)) return 80;
  return info.srWindow.Right - info.srWindow.Left + 1;
}

void CatchInterrupts() {
  // A program started with Ctrl-C ignored takes it again, as the POSIX build does.
  SetConsoleCtrlHandler(nullptr, FALSE);
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

bool InterruptRequested() { return g_interrupted.load(); }

}  // namespace zrt::zrthost
