#include "src/ui/framework/dialog_template.h"

namespace zrt::ui {

const ControlTemplate* DialogTemplate::Find(int controlId) const {
  if (controlId == kNoId) return nullptr;
  for (const ControlTemplate& control : controls) {
    if (control.id == controlId) return &control;
  }
  return nullptr;
}

const char* ControlKindName(ControlKind kind) {
  static const char* const kNames[] = {"static", "edit",   "button", "check", "radio",
                                       "combo",  "list",   "report", "group", "custom"};
  return kNames[static_cast<int>(kind)];
}

}  // namespace zrt::ui
