// The terminal zrthost writes to, and Ctrl-C: the few things that differ between POSIX and
// Windows consoles.
#pragma once

#include <string>

namespace zrt::zrthost {

// True when standard output is an interactive terminal.
bool OutputIsTerminal();
// The terminal's width in columns; 80 when unknown.
int TerminalColumns();
// An ANSI (GBK) text in the encoding the terminal shows: UTF-8 with "\n" line ends on
// POSIX, the console's own ANSI code page on Windows.
std::string TerminalText(const std::string& ansi);

// From now on Ctrl-C only records the request (a second one ends the program at once).
void CatchInterrupts();
// True once Ctrl-C was pressed after CatchInterrupts.
bool InterruptRequested();

}  // namespace zrt::zrthost
