// Template 107: labels in one column, fields in the next, the choices below.
#include "src/ui/dialog_templates.h"
#include "src/ui/output_page.h"
#include "src/ui/page_templates.h"

namespace zrt {

ui::DialogTemplate OutputPageTemplate() {
  using namespace output_page;
  using ui::ControlKind;
  return {IDD_OUTPUT,
          "",
          kPageWidth,
          kPageHeight,
          {
              {ui::kNoId, ControlKind::kStatic, "目标文件输出文件夹:", ui::kPlain, 7, 9, 82, 8},
              {kFolder, ControlKind::kEdit, "", ui::kReadOnly, 92, 7, 176, 12},
              {kChooseFolder, ControlKind::kButton, "选择…", ui::kPlain, 273, 6, 50, 14},
              {ui::kNoId, ControlKind::kStatic, "输出文件名:", ui::kPlain, 7, 27, 82, 8},
              {kName, ControlKind::kEdit, "", ui::kPlain, 92, 25, 176, 12},
              {kExecutable, ControlKind::kRadio, "创建可执行文件:", ui::kGroupStart, 7, 46, 316, 10},
              {kLibrary, ControlKind::kRadio, "创建库文件:", ui::kPlain, 7, 60, 316, 10},
              {kDebug, ControlKind::kCheck, "调试信息", ui::kPlain, 7, 78, 150, 10},
              {kBrowse, ControlKind::kCheck, "产生浏览信息", ui::kPlain, 7, 92, 150, 10},
              {kBatch, ControlKind::kCheck, "创建批处理文件", ui::kPlain, 7, 106, 150, 10},
              {ui::kNoId, ControlKind::kStatic, "输出文件格式", ui::kPlain, 7, 126, 82, 8},
              {kConversion, ControlKind::kCombo, "", ui::kPlain, 92, 124, 80, 12},
          }};
}

}  // namespace zrt
