#include "src/ui/special_controls.h"

namespace zrt {

void CSpCombo::Fill(const char* const* texts, int count) {
  controls_->ClearItems(id_);
  for (int i = count - 1; i >= 0; --i) controls_->InsertItem(id_, -1, texts[i]);
  controls_->SetSelection(id_, 0);
}

ui::RowPaint CSpecialListCtrl::PaintOf(int row) const {
  using ui::SystemColour;
  if (row == m_nCurrentRow) return {SystemColour::kHighlight, SystemColour::kHighlightText};
  return {SystemColour::kWindow, SystemColour::kWindowText};
}

}  // namespace zrt
