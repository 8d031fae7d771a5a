#include "src/ui/path_list_dlg.h"

#include "src/core/project_context.h"
#include "src/ui/dialog_templates.h"

namespace zrt {
namespace {

// List geometry in pixels: the template's list width and a line of the sheet's font.
constexpr int kItemHeight = 16;

}  // namespace

CPathListDlg::CPathListDlg(const std::string& text)
    : ui::ModalDialog(DialogTemplateById(IDD_PATH_LIST)), text_(text), list_(this) {}

bool CPathListDlg::OnInitDialog() {
  const ui::ControlTemplate* control = Template().Find(IDC_PATH_LIST);
  list_.Attach(Controls(), IDC_PATH_LIST, control->cx * 3 / 2, kItemHeight);
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
  if (id == IDC_PATH_LIST && (event == ui::ControlEvent::kSelectionChanged || event == ui::ControlEvent::kFocusLost)) {
    RebuildText();
  }
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
