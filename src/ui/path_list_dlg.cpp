#include "src/ui/path_list_dlg.h"

#include "src/core/project_context.h"
#include "src/ui/dialog_templates.h"

namespace zrt {

CPathListDlg::CPathListDlg(const std::string& text)
    : ui::ModalDialog(DialogTemplateById(IDD_PATH_LIST)), text_(text), list_(this) {}

bool CPathListDlg::OnInitDialog() {
  list_.Attach(Controls(), IDC_PATH_LIST);
  Controls()->ClearItems(IDC_PATH_LIST);
  if (text_.empty()) return true;
  size_t start = 0;
  for (;;) {
    size_t semicolon = text_.find(';', start);
    Controls()->InsertItem(IDC_PATH_LIST, -1, text_.substr(start, semicolon - start));
    if (semicolon == std::string::npos) break;
    start = semicolon + 1;
  }
  return true;
}

void CPathListDlg::OnControl(int id, ui::ControlEvent event) {
  if (id != IDC_PATH_LIST) return;
  int selected = Controls()->Selection(IDC_PATH_LIST);
  if (event == ui::ControlEvent::kSelectionChanged) list_.OnClick(selected);
  if (event == ui::ControlEvent::kDoubleClicked) list_.OnDoubleClick(selected);
  if (event == ui::ControlEvent::kSelectionChanged || event == ui::ControlEvent::kFocusLost) RebuildText();
}

bool CPathListDlg::OnKeyDown(int id, uint32_t key, bool withAlt) {
  if (id != IDC_PATH_LIST) return false;
  if (withAlt) {
    list_.OnSysKeyDown(key);
    return key >= CListBoxEx::kKeyLeft && key <= CListBoxEx::kKeyDown;
  }
  list_.OnKeyDown(key);
  return key == CListBoxEx::kKeyF2 || key == CListBoxEx::kKeyDelete;
}

std::string CPathListDlg::DisplayText(int id, int index) const {
  return id == IDC_PATH_LIST ? list_.DisplayText(index) : ui::ModalDialog::DisplayText(id, index);
}

void CPathListDlg::OnToolButton(int, int index) {
  if (index >= 0 && index < 4) list_.RunToolButton(static_cast<CListBoxEx::ToolButton>(index));
}

void CPathListDlg::OnInPlaceEvent(int id, uint32_t source, uint32_t code, uint32_t value, const std::string& text) {
  if (id == IDC_PATH_LIST) list_.OnInPlaceEvent(source, code, value, text);
}

void CPathListDlg::RebuildText() {
  text_.clear();
  int count = Controls()->ItemCount(IDC_PATH_LIST);
  for (int i = 0; i < count; ++i) {
    if (i > 0) text_ += ";";
    text_ += Controls()->ItemText(IDC_PATH_LIST, i);
  }
}

void CPathListDlg::PathList::Browse(int) {
  ui::DialogServices* services = dialog_->Services();
  std::string folder;
  if (services == nullptr || !services->PickFolder({"请选择目录:", "", ""}, &folder)) return;
  MakeRelativeToProject(&folder);
  Edit().text = folder;
}

}  // namespace zrt
