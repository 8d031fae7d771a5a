// Template 110: one group box per moment of the build, two rows of box, command and
// 选择… in each.
#include "src/ui/dialog_templates.h"
#include "src/ui/page_templates.h"
#include "src/ui/user_page.h"

namespace zrt {

ui::DialogTemplate UserPageTemplate() {
  using ui::ControlKind;
  // Inside each group: the box, the command from kCommand to the 选择… button at the
  // group's right edge.
  constexpr short kInside = kPageMargin + 7, kButton = kPageRight - 7 - 50, kCommand = kInside + 80;
  ui::DialogTemplate page = {IDD_USER, "", kPageWidth, kPageHeight, {}};
  const char* const kSlotLabels[] = {"运行用户程序#1", "运行用户程序#2"};
  for (int group = 0; group < kUserCommandGroupCount; ++group) {
    short top = static_cast<short>(7 + 56 * group);
    page.controls.push_back({ui::kNoId, ControlKind::kGroup, kUserCommandGroups[group].title, ui::kPlain, kPageMargin,
                             top, kPageRight - kPageMargin, 48});
    for (int slot = 0; slot < 2; ++slot) {
      const UserSlotControls& ids = kUserCommandGroups[group].slots[slot];
      short y = static_cast<short>(top + 13 + 16 * slot);
      page.controls.push_back({ids.check, ControlKind::kCheck, kSlotLabels[slot], ui::kPlain, kInside, short(y + 1),
                               kCommand - 2 - kInside, 10});
      page.controls.push_back({ids.edit, ControlKind::kEdit, "", ui::kPlain, kCommand, y, kButton - 4 - kCommand, 12});
      page.controls.push_back({ids.button, ControlKind::kButton, "选择…", ui::kPlain, kButton, short(y - 1), 50, 14});
    }
  }
  return page;
}

}  // namespace zrt
