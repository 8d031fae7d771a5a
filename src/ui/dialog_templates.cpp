// The pages' templates start empty; each page's own controls are added with the page.
#include "src/ui/dialog_templates.h"

#include "src/ui/page_templates.h"

#include <cstdlib>

namespace zrt {
namespace {

using ui::ControlKind;
using ui::DialogTemplate;

// The list control id of the path list dialog and its header label.
constexpr int kPathList = 1109;
constexpr int kPathHeader = 1110;

std::vector<DialogTemplate> MakeTemplates() {
  std::vector<DialogTemplate> templates = {
      TargetPageTemplate(),
      OutputPageTemplate(),
      ListingPageTemplate(),
      UserPageTemplate(),
      {IDD_CPARAM, "", kPageWidth, kPageHeight, {}},
      {IDD_LINKER, "", kPageWidth, kPageHeight, {}},
      {IDD_DEBUG, "", kPageWidth, kPageHeight, {}},
      {IDD_ASMPARAM, "", kPageWidth, kPageHeight, {}},
      {IDD_PROPERTIES, "", kPageWidth, kPageHeight, {}},
      {IDD_PATH_LIST,
       "包含头文件路径",
       260,
       150,
       {
           {kPathHeader, ControlKind::kStatic, "包含头文件路径:", ui::kToolBar, 7, 7, 246, 14},
           {kPathList, ControlKind::kList, "", ui::kDragList | ui::kOwnerDraw, 7, 22, 246, 100},
           {1, ControlKind::kButton, "确定", ui::kPlain, 149, 128, 50, 14},
           {2, ControlKind::kButton, "取消", ui::kPlain, 203, 128, 50, 14},
       }},
      {IDD_HW_DEBUG, "", 310, 190, {}},
      {IDD_SIM_DEBUG, "", 310, 190, {}},
      {IDD_DEVICE, "", kPageWidth, kPageHeight, {}},
  };
  return templates;
}

}  // namespace

const std::vector<DialogTemplate>& AllDialogTemplates() {
  static const std::vector<DialogTemplate> templates = MakeTemplates();
  return templates;
}

const DialogTemplate& DialogTemplateById(int id) {
  for (const DialogTemplate& dialog : AllDialogTemplates()) {
    if (dialog.id == id) return dialog;
  }
  std::abort();
}

}  // namespace zrt
