// Template 110: one group box per moment of the build, two rows of box, command and
// 选择… in each.
#include "src/ui/dialog_templates.h"
#include "src/ui/page_templates.h"
#include "src/ui/user_page.h"

namespace zrt {

ui::DialogTemplate UserPageTemplate() {
  using ui::ControlKind;
  ui::DialogTemplate page = {IDD_USER, "", kPageWidth, kPageHeight, {}};
  const char* const kSlotLabels[] = {"运行用户程序#1", "运行用户程序#2"};
  for (int group = 0; group < kUserCommandGroupCount; ++group) {
    short top = static_cast<short>(7 + 56 * group);
    page.controls.push_back({ui::kNoId, ControlKind::kGroup, kUserCommandGroups[group].title, ui::kPlain, 7, top, 316, 48});
    for (int slot = 0; slot < 2; ++slot) {
      const UserSlotControls& ids = kUserCommandGroups[group].slots[slot];
      short y = static_cast<short>(top + 13 + 16 * slot);
      page.controls.insert(page.controls.end(), {
          {ids.check, ControlKind::kCheck, kSlotLabels[slot], ui::kPlain, 14, short(y + 1), 78, 10},
          {ids.edit, ControlKind::kEdit, "", ui::kPlain, 94, y, 170, 12},
          {ids.button, ControlKind::kButton, "选择…", ui::kPlain, 268, short(y - 1), 50, 14},
      });
    }
  }
  return page;
}

}  // namespace zrt
