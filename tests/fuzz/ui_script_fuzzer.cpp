// Fuzzes the automation script of the headless sheet: any bytes as a script, run against
// a sheet of two pages with a control of every kind and embedded dialogs (the script
// test's page). Dumps are rendered but written nowhere.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "src/ui/framework/ui_script.h"
#include "tests/ui/every_kind_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zrt::ui;
  static bool quiet = [] {
    zrt::platform::SetMessageBoxHandler([](const std::string&, const std::string&, zrt::platform::MessageButtons,
                                           zrt::platform::MessageIcon) { return zrt::platform::MessageAnswer::kNo; });
    return true;
  }();
  (void)quiet;
  std::vector<std::string> log;
  testing::TestPage first(&log), second(&log);
  PropertySheet sheet(1, "fuzz");
  sheet.AddPage(&first);
  sheet.AddPage(&second);
  HeadlessSheet headless(sheet);
  headless.Open();
  std::ostringstream errors;
  RunUiScript(headless, std::string(reinterpret_cast<const char*>(data), size), errors,
              [](const std::string&, const std::string& dump) { return !dump.empty(); });
  return 0;
}
