// The automation script of the headless sheet (named by ZRT_UI_SCRIPT): UTF-8, one
// command per line, run against an open sheet. See RunUiScript.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "src/ui/framework/headless_sheet.h"

namespace zrt::ui {

// The variable that names the script file.
constexpr const char* kUiScriptVariable = "ZRT_UI_SCRIPT";

// Where a dump command's text goes: appends dump to the file path; false when it cannot.
using DumpWriter = std::function<bool(const std::string& path, const std::string& dump)>;
// The DumpWriter that appends to the file.
bool AppendDumpToFile(const std::string& path, const std::string& dump);

// Runs script (the file's content) against the open sheet and leaves it ended: ok and
// cancel end it (the rest is ignored), a script that runs out ends it as Cancel, and so
// does a bad line, which is reported to errors as "ZRT_UI_SCRIPT:LINE: why".
void RunUiScript(HeadlessSheet& sheet, const std::string& script, std::ostream& errors,
                 const DumpWriter& writeDump = AppendDumpToFile);

// The platform-independent part of the platform runner: a headless run of sheet driven
// by the file ZRT_UI_SCRIPT names; without one the sheet ends as Cancel at once.
int RunHeadlessFromEnvironment(PropertySheet& sheet);

}  // namespace zrt::ui
