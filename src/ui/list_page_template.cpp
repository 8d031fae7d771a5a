// Template 109: the folder row, one row per tool's listing, and the linker's details in
// three columns under its box.
#include "src/ui/dialog_templates.h"
#include "src/ui/list_page.h"
#include "src/ui/page_templates.h"

namespace zrt {

ui::DialogTemplate ListingPageTemplate() {
  using namespace list_page;
  using ui::ControlKind;
  ui::DialogTemplate page = {IDD_LISTING,
                             "",
                             kPageWidth,
                             kPageHeight,
                             {
                                 {ui::kNoId, ControlKind::kStatic, "列表文件输出文件夹:", ui::kPlain, 7, 9, 82, 8},
                                 {kFolder, ControlKind::kEdit, "", ui::kReadOnly, 92, 7, 176, 12},
                                 {kChooseFolder, ControlKind::kButton, "选择…", ui::kPlain, 273, 6, 50, 14},
                                 {kAsmListing, ControlKind::kCheck, "汇编列表(&A):", ui::kPlain, 7, 28, 240, 10},
                                 {kAsmCrossReference, ControlKind::kCheck, "交叉参考", ui::kPlain, 253, 28, 70, 10},
                                 {kCompilerListing, ControlKind::kCheck, "&C 编译列表:", ui::kPlain, 7, 44, 316, 10},
                                 {kLinkerBoxes[0], ControlKind::kCheck, "连接列表(&i):", ui::kPlain, 7, 60, 316, 10},
                             }};
  const char* const kDetails[] = {"存储器映像", "调用图", "符号信息", "交叉参考",
                                  "大小信息", "全部信息", "未使用段信息", "单板信息(&veneers)"};
  for (int i = 0; i < kLinkerListFieldCount - 1; ++i) {
    short x = static_cast<short>(19 + 102 * (i % 3));
    short y = static_cast<short>(74 + 14 * (i / 3));
    page.controls.push_back({kLinkerBoxes[i + 1], ControlKind::kCheck, kDetails[i], ui::kPlain, x, y, 100, 10});
  }
  return page;
}

}  // namespace zrt
