// Dialog templates as data: every control of a dialog with its id, kind, label, style
// and position in dialog units. Both backends build their controls from these.
#pragma once

#include <string>
#include <vector>

namespace zrt::ui {

// The id of a control the code never addresses (a label).
constexpr int kNoId = -1;

// What a control is; the names are those of the automation dump.
enum class ControlKind { kStatic, kEdit, kButton, kCheck, kRadio, kCombo, kList, kReport, kGroup, kCustom };

// Style flags of a control.
enum ControlStyle : unsigned {
  kPlain = 0,
  kReadOnly = 1u << 0,    // edit: shows text, takes no typing
  kMultiLine = 1u << 1,   // edit: several lines, scrolls vertically
  kThreeState = 1u << 2,  // check: cycles unchecked, checked, indeterminate
  kEditable = 1u << 3,    // combo: drop-down with an edit field (else a drop-down list)
  kGroupStart = 1u << 4,  // radio: first button of a radio group
  kDragList = 1u << 5,    // list: items can be dragged into another order
  kOwnerDraw = 1u << 6,   // list or report: items drawn by the page
  kRightAlign = 1u << 7,  // static: text aligned right
  kToolBar = 1u << 8,     // static: a header with the list tool bar's four buttons at its right end
};

// One control of a dialog template; positions in dialog units.
struct ControlTemplate {
  int id;
  ControlKind kind;
  const char* label;
  unsigned style;
  short x, y, cx, cy;
  int textLimit = 0;  // edit and editable combo: most characters typed, 0 for no limit
};

// A dialog: its id, caption (empty for pages), size in dialog units and controls.
struct DialogTemplate {
  int id;
  const char* caption;
  short cx, cy;
  std::vector<ControlTemplate> controls;

  // The control with id; null when the template has none.
  const ControlTemplate* Find(int controlId) const;
};

// The dump name of a kind ("static", "edit", ...).
const char* ControlKindName(ControlKind kind);

}  // namespace zrt::ui
