// Template 109: the folder row, one row per tool's listing, and the linker's details in
// three columns under its box.
#include "src/ui/dialog_templates.h"
#include "src/ui/list_page.h"
#include "src/ui/page_templates.h"

namespace zrt {

ui::DialogTemplate ListingPageTemplate() {
  using namespace list_page;
  using ui::ControlKind;
  // The folder row as on the Output page; the linker's details in three columns indented
  // under its box, the assembler's cross reference in the third of them.
  constexpr short kLabel = 82, kField = kPageMargin + kLabel + 3, kButton = kPageRight - 50;
  constexpr short kIndent = kPageMargin + 12, kDetailWidth = (kPageRight - kIndent) / 3;
  constexpr short kThird = kIndent + 2 * kDetailWidth, kWide = kPageRight - kPageMargin;
  ui::DialogTemplate page = {
      IDD_LISTING,
      "",
      kPageWidth,
      kPageHeight,
      {
          {ui::kNoId, ControlKind::kStatic, "列表文件输出文件夹:", ui::kPlain, kPageMargin, 9, kLabel, 8},
          {kFolder, ControlKind::kEdit, "", ui::kReadOnly, kField, 7, short(kButton - 5 - kField), 12},
          {kChooseFolder, ControlKind::kButton, "选择…", ui::kPlain, kButton, 6, 50, 14},
          {kAsmListing, ControlKind::kCheck, "汇编列表(&A):", ui::kPlain, kPageMargin, 28, kThird - kPageMargin - 4,
           10},
          {kAsmCrossReference, ControlKind::kCheck, "交叉参考", ui::kPlain, kThird, 28, kDetailWidth, 10},
          {kCompilerListing, ControlKind::kCheck, "&C 编译列表:", ui::kPlain, kPageMargin, 44, kWide, 10},
          {kLinkerBoxes[0], ControlKind::kCheck, "连接列表(&i):", ui::kPlain, kPageMargin, 60, kWide, 10},
      }};
  const char* const kDetails[] = {"存储器映像", "调用图",   "符号信息",     "交叉参考",
                                  "大小信息",   "全部信息", "未使用段信息", "单板信息(&veneers)"};
  for (int i = 0; i < kLinkerListFieldCount - 1; ++i) {
    short x = static_cast<short>(kIndent + kDetailWidth * (i % 3));
    short y = static_cast<short>(74 + 14 * (i / 3));
    page.controls.push_back(
        {kLinkerBoxes[i + 1], ControlKind::kCheck, kDetails[i], ui::kPlain, x, y, short(kDetailWidth - 4), 10});
  }
  return page;
}

}  // namespace zrt
