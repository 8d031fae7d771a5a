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
  if (OutputIsTerminal() && (g_consoleCodePage = GetConsoleOutputCP()) != 0) {
    SetConsoleOutputCP(CP_UTF8);
    std::atexit(RestoreConsoleCodePage);
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

bool OutputIsTerminal() {
  DWORD mode = 0;
  return _isatty(_fileno(stdout)) && GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode);
}

int TerminalColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info)) return 80;
  return info.srWindow.Right - info.srWindow.Left + 1;
}

// Through the console itself: escape sequences are not taken by every console.
void ClearCurrentLine(std::FILE* out) {
  std::fflush(out);
  HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!GetConsoleScreenBufferInfo(console, &info)) return;
  COORD start = {0, info.dwCursorPosition.Y};
  DWORD written = 0;
  FillConsoleOutputCharacterA(console, ' ', static_cast<DWORD>(info.dwSize.X), start, &written);
  SetConsoleCursorPosition(console, start);
}

void CatchInterrupts() {
  // A program started with Ctrl-C ignored takes it again, as the POSIX build does.
  SetConsoleCtrlHandler(nullptr, FALSE);
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

bool InterruptRequested() { return g_interrupted.load(); }

}  // namespace zrt::zrthost
