#include "src/ui/framework/property_sheet.h"

#include <utility>

namespace zrt::ui {
namespace {

SheetRunner& CurrentRunner() {
  static SheetRunner runner;
  return runner;
}

}  // namespace

void PropertyPage::SetModified(bool changed) {
  if (sheet_ != nullptr && sheet_->Window() != nullptr) sheet_->Window()->PageChanged(this, changed);
}

void PropertyPage::OnCellEdited(int id, int row, int column, const std::string& text) {
  if (Controls() != nullptr) Controls()->SetCellText(id, row, column, text);
}

void PropertySheet::AddPage(PropertyPage* page) {
  page->Attach(this);
  pages_.push_back(page);
}

PropertyPage* PropertySheet::ActivePage() const {
  int index = window_ != nullptr ? window_->ActivePage() : -1;
  return index >= 0 && index < PageCount() ? pages_[index] : nullptr;
}

int PropertySheet::DoModal() {
  SheetRunner runner = CurrentRunner();
  return runner ? runner(*this) : RunSheetOnPlatform(*this);
}

void SetSheetRunner(SheetRunner runner) { CurrentRunner() = std::move(runner); }

}  // namespace zrt::ui
