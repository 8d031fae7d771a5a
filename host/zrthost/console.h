// The terminal zrthost writes to, and Ctrl-C: the few things that differ between POSIX and
// Windows consoles.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace zrt::zrthost {

// Prepares standard output and error for UTF-8 text with "\n" line ends (on Windows also
// in a console) and answers the program's arguments after its name, in UTF-8.
std::vector<std::string> StartConsole(int argc, char** argv);

// True when standard output is an interactive terminal (a console on Windows).
bool OutputIsTerminal();
// Empties the terminal's current line and puts the cursor at its start.
void ClearCurrentLine(std::FILE* out);
// The terminal's width in columns; 80 when unknown.
int TerminalColumns();
// An ANSI (GBK) text as zrthost prints it: UTF-8 with "\n" line ends.
std::string TerminalText(const std::string& ansi);

// From now on Ctrl-C only records the request (a second one ends the program at once),
// also when it was ignored when the program started (as for a background job).
void CatchInterrupts();
// True once Ctrl-C was pressed after CatchInterrupts.
bool InterruptRequested();

}  // namespace zrt::zrthost
