// Exchanges a page's fields with its controls in one direction, as one UpdateData call
// does: saving copies every control into its field, loading every field into its
// control. Without controls (no window yet) nothing is exchanged.
#pragma once

#include <initializer_list>
#include <string>

#include "src/ui/framework/dialog_controls.h"

namespace zrt::ui {

class DataExchange {
 public:
  DataExchange(DialogControls* controls, bool save) : controls_(controls), save_(save) {}

  // True when controls are copied into the fields.
  bool Saving() const { return save_; }

  // An edit's (or any control's) text.
  void Text(int id, std::string* field);
  // A check box's state (0, 1 or 2).
  void Check(int id, int* field);
  // A combo's or list's selected index (-1 for none).
  void Selection(int id, int* field);
  // A radio group given by its buttons in order: the index of the checked one, -1 for none.
  void Radio(const int* ids, int count, int* field);
  void Radio(std::initializer_list<int> ids, int* field) { Radio(ids.begin(), static_cast<int>(ids.size()), field); }

 private:
  DialogControls* controls_;
  bool save_;
};

}  // namespace zrt::ui
