// Fuzzes the automation script of the headless sheet: any bytes as a script, run against
// a sheet whose page has a control of every kind and an embedded dialog. Dumps are
// rendered but written nowhere.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "src/ui/framework/ui_script.h"

namespace zrt::ui {
namespace {

const DialogTemplate kSub = {2, "", 10, 10, {{30, ControlKind::kEdit, "", kPlain, 0, 0, 5, 5, 4}}};
const DialogTemplate kPage = {
    1,
    "",
    100,
    100,
    {
        {10, ControlKind::kEdit, "", kPlain, 0, 0, 5, 5, 3},
        {11, ControlKind::kEdit, "", kReadOnly, 0, 0, 5, 5},
        {12, ControlKind::kButton, "b", kPlain, 0, 0, 5, 5},
        {13, ControlKind::kCheck, "c", kThreeState, 0, 0, 5, 5},
        {14, ControlKind::kRadio, "r", kGroupStart, 0, 0, 5, 5},
        {15, ControlKind::kRadio, "s", kPlain, 0, 0, 5, 5},
        {16, ControlKind::kCombo, "", kEditable, 0, 0, 5, 5, 2},
        {17, ControlKind::kList, "", kPlain, 0, 0, 5, 5},
        {18, ControlKind::kReport, "", kPlain, 0, 0, 5, 5},
        {19, ControlKind::kCustom, "", kPlain, 0, 0, 5, 5},
        {20, ControlKind::kStatic, "", kPlain, 0, 0, 5, 5},
    }};

// A page that fills its lists and opens every dialog when its button is clicked.
class Page : public PropertyPage {
 public:
  Page() : PropertyPage(kPage) {}
  bool OnInitDialog() override {
    for (int id : {16, 17, 18, 19}) {
      Controls()->InsertItem(id, -1, "a");
      Controls()->InsertItem(id, -1, "b");
    }
    Controls()->AddColumn(18, "x", 10);
    Controls()->EmbedDialog(kSub, 20);
    Controls()->ShowEmbedded(2, true);
    return true;
  }
  void OnControl(int id, ControlEvent) override {
    if (id != 12) return;
    std::string path;
    Services()->OpenFile({}, &path);
    Services()->PickFolder({}, &path);
    Services()->MessageBox("q", platform::MessageButtons::kYesNo, platform::MessageIcon::kQuestion);
  }
};

}  // namespace
}  // namespace zrt::ui

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zrt::ui;
  static bool quiet = [] {
    zrt::platform::SetMessageBoxHandler([](const std::string&, const std::string&, zrt::platform::MessageButtons,
                                           zrt::platform::MessageIcon) { return zrt::platform::MessageAnswer::kNo; });
    return true;
  }();
  (void)quiet;
  Page first, second;
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
