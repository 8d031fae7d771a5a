// Small controls of the Debug page: CSpCombo for in-cell choices, CSpecialListCtrl (an
// owner-drawn report list with a current row) and CSpListCtrl (a list view that routes
// its reflected draw-item message to its draw operation).
#pragma once

#include <string>

#include "src/ui/framework/dialog_controls.h"

namespace zrt {

// A combo filled from a table of texts.
class CSpCombo {
 public:
  CSpCombo(ui::DialogControls* controls, int id) : controls_(controls), id_(id) {}
  // Empties the combo, adds texts[count-1] ... texts[0] and selects the first item.
  void Fill(const char* const* texts, int count);

 private:
  ui::DialogControls* controls_;
  int id_;
};

// A list view that routes the reflected draw-item message to Draw.
class CSpListCtrl {
 public:
  virtual ~CSpListCtrl() = default;
  // Draws one row on painter; the base draws nothing.
  virtual void Draw(int /*row*/, ui::RowPainter& /*painter*/) {}
  // The reflected draw-item message of row.
  void OnDrawItem(int row, ui::RowPainter& painter) { Draw(row, painter); }
};

// The hardware sub-page's driver list: every row painted by the list, the current row highlighted.
class CSpecialListCtrl : public CSpListCtrl {
 public:
  // The current row; -1 when none.
  int m_nCurrentRow = -1;
  // The colours of row on a whole-item draw.
  ui::RowPaint PaintOf(int row) const;
  // Paints row in its colours.
  void Draw(int row, ui::RowPainter& painter) override { painter.PaintRow(PaintOf(row)); }
};

}  // namespace zrt
