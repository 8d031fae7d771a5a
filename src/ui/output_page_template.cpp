// Template 107: labels in one column, fields in the next, the choices below.
#include "src/ui/dialog_templates.h"
#include "src/ui/output_page.h"
#include "src/ui/page_templates.h"

namespace zrt {

ui::DialogTemplate OutputPageTemplate() {
  using namespace output_page;
  using ui::ControlKind;
  // Labels in the margin column, fields from kField to the 选择… button at the right edge.
  constexpr short kLabel = 82, kField = kPageMargin + kLabel + 3, kButton = kPageRight - 50;
  constexpr short kFieldWidth = kButton - 5 - kField, kWide = kPageRight - kPageMargin;
  return {IDD_OUTPUT,
          "",
          kPageWidth,
          kPageHeight,
          {
              {ui::kNoId, ControlKind::kStatic, "目标文件输出文件夹:", ui::kPlain, kPageMargin, 9, kLabel, 8},
              {kFolder, ControlKind::kEdit, "", ui::kReadOnly, kField, 7, kFieldWidth, 12},
              {kChooseFolder, ControlKind::kButton, "选择…", ui::kPlain, kButton, 6, 50, 14},
              {ui::kNoId, ControlKind::kStatic, "输出文件名:", ui::kPlain, kPageMargin, 27, kLabel, 8},
              {kName, ControlKind::kEdit, "", ui::kPlain, kField, 25, kFieldWidth, 12},
              {kExecutable, ControlKind::kRadio, "创建可执行文件:", ui::kGroupStart, kPageMargin, 46, kWide, 10},
              {kLibrary, ControlKind::kRadio, "创建库文件:", ui::kPlain, kPageMargin, 60, kWide, 10},
              {kDebug, ControlKind::kCheck, "调试信息", ui::kPlain, kPageMargin, 78, 150, 10},
              {kBrowse, ControlKind::kCheck, "产生浏览信息", ui::kPlain, kPageMargin, 92, 150, 10},
              {kBatch, ControlKind::kCheck, "创建批处理文件", ui::kPlain, kPageMargin, 106, 150, 10},
              {ui::kNoId, ControlKind::kStatic, "输出文件格式", ui::kPlain, kPageMargin, 126, kLabel, 8},
              {kConversion, ControlKind::kCombo, "", ui::kPlain, kField, 124, 80, 12},
          }};
}

}  // namespace zrt
