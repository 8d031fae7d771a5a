#include "src/ui/in_place_edit.h"

namespace zrt {

bool CInPlaceWindow::Show(const ui::Rect& rect) {
  if (visible_ || rect.Width() <= 0 || rect.Height() <= 0) return false;
  rect_ = rect;
  visible_ = true;
  OnShown();
  focused_ = true;
  return true;
}

void CInPlaceWindow::Hide() {
  visible_ = false;
  focused_ = false;
  owner_->TakeFocus();
}

void CInPlaceWindow::Report(uint32_t code, uint32_t value) {
  InPlaceCtrlMsg message = {id_, code, value, 0, 0};
  if (owner_->OnCtrlMsg(message) != 0) Hide();
}

void CInPlaceEdit::OnShown() {
  leftMargin = 2;
  allSelected = true;
}

bool CInPlaceEdit::OnKeyDown(uint32_t key) {
  if (key != kKeyEnter && key != kKeyEscape) return true;
  Report(kCtrlKey, key);
  return false;
}

void CInPlaceEdit::OnKillFocus(uint32_t newFocus) {
  focused_ = false;
  if (visible_) Report(kCtrlFocusLost, newFocus);
}

bool CInPlaceButton::OnKeyDown(uint32_t key) {
  if (key != kKeyEscape) return true;
  Report(kCtrlKey, key);
  return false;
}

void CInPlaceButton::OnClicked() {
  clicking_ = true;
  Report(kCtrlButton, id_);
  clicking_ = false;
}

void CInPlaceButton::OnKillFocus(uint32_t newFocus) {
  focused_ = false;
  if (visible_ && !clicking_) Report(kCtrlFocusLost, newFocus);
}

}  // namespace zrt
