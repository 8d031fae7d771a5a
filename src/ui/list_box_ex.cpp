#include "src/ui/list_box_ex.h"

namespace zrt {

CListBoxEx::CListBoxEx(unsigned editStyle)
    : editStyle_(editStyle), edit_(this, kEditWindow), button_(this, kButtonWindow) {}

void CListBoxEx::Attach(ui::DialogControls* controls, int listId) {
  controls_ = controls;
  list_ = listId;
}

std::string CListBoxEx::DisplayText(int item) const {
  if (controls_->ItemData(list_, item) == kPlaceholderData) return "--- Last Item";
  return controls_->ItemText(list_, item);
}

bool CListBoxEx::BeginEdit(int item) {
  if (!m_bEditAllowed || editing_ != -1) return false;
  if (item == -1) item = focused_;
  int count = controls_->ItemCount(list_);
  if (item < 0) return false;
  if (item >= count) item = controls_->InsertItem(list_, -1, "");
  controls_->SetSelection(list_, item);
  editing_ = focused_ = item;
  ui::Rect r = controls_->ItemRect(list_, item);
  bool browse = (editStyle_ & kBrowseStyle) != 0;
  ui::Rect editRect = {r.left + 5, r.top - 2, r.right - (browse ? 30 : 5), r.bottom + 2};
  ui::Rect buttonRect = browse ? ui::Rect{editRect.right, editRect.top, r.right, editRect.bottom} : ui::Rect{};
  edit_.text = controls_->ItemText(list_, item);
  edit_.Show(editRect);
  if (browse) button_.Show(buttonRect);
  controls_->ShowInPlaceEditor(list_, editRect, buttonRect, edit_.text);
  return true;
}

void CListBoxEx::Finish(bool cancelled) {
  if (editing_ == -1) return;
  int item = editing_;
  editing_ = -1;  // hiding gives the focus back, which must not finish a second time
  if (edit_.visible()) edit_.Hide();
  if (button_.visible()) button_.Hide();
  controls_->HideInPlaceEditor(list_);
  const std::string& text = edit_.text;
  if (text.empty()) {
    controls_->DeleteItem(list_, item);
  } else if (!cancelled) {
    uintptr_t data = controls_->ItemData(list_, item);
    controls_->DeleteItem(list_, item);
    controls_->InsertItem(list_, item, text);
    controls_->SetItemData(list_, item, data);
    controls_->SetSelection(list_, item);
  }
}

void CListBoxEx::OnDoubleClick(int item) {
  if (CanEdit(item)) BeginEdit(item);
}

void CListBoxEx::OnKeyDown(uint32_t key) {
  if (key == kKeyF2) BeginEdit(focused_);
  if (key == kKeyDelete && focused_ >= 0) controls_->DeleteItem(list_, focused_);
}

void CListBoxEx::OnSysKeyDown(uint32_t key) {
  if (!m_bDragAllowed) return;
  if (key == kKeyLeft || key == kKeyUp) MoveSelected(-1);
  if (key == kKeyRight || key == kKeyDown) MoveSelected(1);
}

bool CListBoxEx::MoveSelected(int delta) {
  int from = controls_->Selection(list_);
  int to = from + delta;
  if (from < 0 || to < 0 || to >= controls_->ItemCount(list_)) return false;
  std::string text = controls_->ItemText(list_, from);
  uintptr_t data = controls_->ItemData(list_, from);
  controls_->DeleteItem(list_, from);
  controls_->InsertItem(list_, to, text);
  controls_->SetItemData(list_, to, data);
  controls_->SetSelection(list_, to);
  focused_ = to;
  return true;
}

void CListBoxEx::RunToolButton(ToolButton button) {
  switch (button) {
    case kNew: BeginEdit(controls_->ItemCount(list_)); break;
    case kDelete:
      if (controls_->Selection(list_) >= 0) controls_->DeleteItem(list_, controls_->Selection(list_));
      controls_->SetFocus(list_);
      break;
    case kMoveUp: MoveSelected(-1); break;
    case kMoveDown: MoveSelected(1); break;
  }
}

bool CListBoxEx::OnBeginDragRequest() { return editing_ == -1 && m_bDragAllowed; }

void CListBoxEx::OnInPlaceEvent(uint32_t source, uint32_t code, uint32_t value, const std::string& text) {
  edit_.text = text;
  bool fromEdit = source == kEditWindow;
  if (code == kCtrlKey) fromEdit ? edit_.OnKeyDown(value) : button_.OnKeyDown(value);
  if (code == kCtrlButton) button_.OnClicked();
  if (code == kCtrlFocusLost) fromEdit ? edit_.OnKillFocus(value) : button_.OnKillFocus(value);
}

intptr_t CListBoxEx::OnCtrlMsg(const InPlaceCtrlMsg& message) {
  int item = editing_;
  if (item == -1) return 0;
  switch (message.code) {
    case kCtrlKey:
      if (message.value == kKeyEscape) {
        EndEdit(item, true);
        Finish(true);
      } else if (message.value == kKeyEnter) {
        Finish(EndEdit(item, false) <= 0);
      }
      break;
    case kCtrlButton: Browse(item); break;
    case kCtrlFocusLost:
      if (message.value != kEditWindow && message.value != kButtonWindow) Finish(EndEdit(item, false) <= 0);
      break;
  }
  return 0;
}

}  // namespace zrt
