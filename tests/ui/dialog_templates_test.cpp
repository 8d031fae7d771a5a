// The templates: every id a page touches exists in its template, and ids are unique.
#include <set>
#include <string>

#include "src/ui/dialog_templates.h"
#include "src/ui/settings_openers.h"
#include "tests/ui/settings_fixture.h"

namespace zrt {
namespace {

TEST(DialogTemplatesTest, ControlIdsAreUniqueWithinATemplate) {
  for (const ui::DialogTemplate& dialog : AllDialogTemplates()) {
    std::set<int> ids;
    for (const ui::ControlTemplate& control : dialog.controls) {
      if (control.id == ui::kNoId) continue;
      EXPECT_TRUE(ids.insert(control.id).second) << dialog.id << " " << control.id;
    }
  }
}

// Opens the sheet for node and, on every tab, runs what a user can run without knowing
// the page: defaults, Apply, then OK. Answers the ids touched that the templates lack.
std::set<int> MissingIdsOfSheet(HostNode* node) {
  std::set<int> missing;
  ui::SetSheetRunner([&missing](ui::PropertySheet& sheet) {
    ui::HeadlessSheet headless(sheet);
    headless.Open();
    std::string why;
    for (int tab = 0; tab < sheet.PageCount(); ++tab) {
      EXPECT_TRUE(headless.SelectTab(tab, &why)) << why;
      EXPECT_TRUE(headless.Click(IDC_DEFAULTS, &why)) << why;
      headless.PressApply();
    }
    headless.PressOk();
    for (int tab = 0; tab < sheet.PageCount(); ++tab) {
      const std::set<int>& ids = headless.PageDialog(tab)->MissingIds();
      missing.insert(ids.begin(), ids.end());
    }
    return headless.Result();
  });
  ShowSettings(node);
  return missing;
}

TEST_F(SettingsTest, EveryIdAPageTouchesIsInItsTemplate) {
  EXPECT_EQ(MissingIdsOfSheet(project_), std::set<int>{});
  EXPECT_EQ(MissingIdsOfSheet(testhost::AddChild(files_, "Filter", {{"Name", "Src"}})), std::set<int>{});
  for (const char* type : {"1", "2", "3", "4", "10", "11", "12"}) {
    HostNode* file = testhost::AddChild(files_, "File", {{"RelativePath", "a.c"}, {"FileType", type}});
    EXPECT_EQ(MissingIdsOfSheet(file), std::set<int>{}) << type;
  }
}

}  // namespace
}  // namespace zrt
