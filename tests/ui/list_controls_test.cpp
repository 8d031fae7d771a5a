// The shared list controls: in-place editing, reordering, the tool bar, the path list
// dialog and the special combo and list.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "src/core/project_context.h"
#include "src/ui/dialog_templates.h"
#include "src/ui/framework/headless_dialog.h"
#include "src/ui/path_list_dlg.h"
#include "src/ui/special_controls.h"
#include "src/ui/framework/tool_bar.h"

namespace zrt {
namespace {

// Answers every folder picker with folder and records its title.
class FolderServices : public ui::DialogServices {
 public:
  platform::MessageAnswer MessageBox(const std::string&, platform::MessageButtons, platform::MessageIcon) override {
    return platform::MessageAnswer::kOk;
  }
  bool OpenFile(const ui::OpenFileRequest&, std::string*) override { return false; }
  bool PickFolder(const ui::FolderRequest& request, std::string* path) override {
    titles.push_back(request.title);
    *path = folder;
    return true;
  }
  int PopupMenu(const std::vector<std::string>&) override { return -1; }
  std::string folder;
  std::vector<std::string> titles;
};

// Runs a path list dialog on text, lets steps act on it, and answers its text.
class PathListTest : public ::testing::Test {
 protected:
  std::string RunDialog(const std::string& text, const std::function<void(CPathListDlg&, ui::HeadlessDialog&)>& steps) {
    ui::SetDialogRunner([&](ui::ModalDialog& dialog) {
      ui::HeadlessDialog window(dialog.Template());
      dialog.AttachWindow(&window, &services_);
      dialog.OnInitDialog();
      steps(static_cast<CPathListDlg&>(dialog), window);
      dialog.AttachWindow(nullptr, nullptr);
      return ui::kIdOk;
    });
    CPathListDlg dialog(text);
    dialog.DoModal();
    ui::SetDialogRunner(nullptr);
    return dialog.Text();
  }
  static std::vector<std::string> Items(const ui::HeadlessDialog& window) {
    std::vector<std::string> items;
    for (int i = 0; i < window.ItemCount(IDC_PATH_LIST); ++i) items.push_back(window.ItemText(IDC_PATH_LIST, i));
    return items;
  }
  FolderServices services_;
};

TEST_F(PathListTest, TextSplitsIntoItems) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"a;b;c", {"a", "b", "c"}}, {"a;b;", {"a", "b", ""}}, {"", {}}, {".\\inc", {".\\inc"}}};
  for (const auto& c : cases) {
    std::vector<std::string> items;
    RunDialog(c.first, [&](CPathListDlg&, ui::HeadlessDialog& window) { items = Items(window); });
    EXPECT_EQ(items, c.second) << c.first;
  }
}

TEST_F(PathListTest, DeletingAnItemAndLeavingTheListRebuildsTheText) {
  std::string text = RunDialog("a;b;c", [](CPathListDlg& dialog, ui::HeadlessDialog&) {
    dialog.List().OnClick(1);
    dialog.List().OnKeyDown(CListBoxEx::kKeyDelete);
    dialog.OnControl(IDC_PATH_LIST, ui::ControlEvent::kFocusLost);
  });
  EXPECT_EQ(text, "a;c");
}

// Edits item 1 of a;b;c to typed, ending with key; answers the rebuilt text.
struct EditCase {
  const char* typed;
  uint32_t key;
  const char* text;
};

TEST_F(PathListTest, EnterStoresEscapeKeepsEmptyDeletes) {
  const EditCase cases[] = {
      {"B2", kKeyEnter, "a;B2;c"}, {"B2", kKeyEscape, "a;b;c"}, {"", kKeyEnter, "a;c"}, {"", kKeyEscape, "a;c"}};
  for (const EditCase& c : cases) {
    std::string text = RunDialog("a;b;c", [&](CPathListDlg& dialog, ui::HeadlessDialog&) {
      ASSERT_TRUE(dialog.List().BeginEdit(1));
      EXPECT_EQ(dialog.List().Edit().text, "b");
      dialog.List().Edit().text = c.typed;
      EXPECT_FALSE(dialog.List().Edit().OnKeyDown(c.key));  // not passed on
      EXPECT_FALSE(dialog.List().Edit().visible());
      EXPECT_EQ(dialog.List().EditingItem(), -1);
      dialog.OnControl(IDC_PATH_LIST, ui::ControlEvent::kSelectionChanged);
    });
    EXPECT_EQ(text, c.text) << c.typed << " " << c.key;
  }
}

TEST_F(PathListTest, WindowEventsReachTheList) {
  std::string text = RunDialog("a;b;--", [](CPathListDlg& dialog, ui::HeadlessDialog& window) {
    window.SetItemData(IDC_PATH_LIST, 2, CListBoxEx::kPlaceholderData);
    EXPECT_EQ(dialog.DisplayText(IDC_PATH_LIST, 2), "--- Last Item");
    window.SetSelection(IDC_PATH_LIST, 1);
    dialog.OnControl(IDC_PATH_LIST, ui::ControlEvent::kSelectionChanged);
    EXPECT_TRUE(dialog.OnKeyDown(IDC_PATH_LIST, CListBoxEx::kKeyF2, false));
    EXPECT_EQ(dialog.List().EditingItem(), 1);
    dialog.OnInPlaceEvent(IDC_PATH_LIST, CListBoxEx::kEditWindow, kCtrlKey, kKeyEnter, "B");
    EXPECT_EQ(dialog.List().EditingItem(), -1);
    window.SetSelection(IDC_PATH_LIST, 0);
    dialog.OnControl(IDC_PATH_LIST, ui::ControlEvent::kDoubleClicked);
    dialog.OnInPlaceEvent(IDC_PATH_LIST, CListBoxEx::kEditWindow, kCtrlFocusLost, 0, "A");
    EXPECT_TRUE(dialog.OnKeyDown(IDC_PATH_LIST, CListBoxEx::kKeyDown, true));
    dialog.OnToolButton(1110, CListBoxEx::kNew);  // a new item at the end, left empty: gone again
    EXPECT_EQ(dialog.List().EditingItem(), 3);
    dialog.OnInPlaceEvent(IDC_PATH_LIST, CListBoxEx::kEditWindow, kCtrlKey, kKeyEnter, "");
    EXPECT_FALSE(dialog.OnKeyDown(IDC_PATH_LIST, 'X', false));
    dialog.OnControl(IDC_PATH_LIST, ui::ControlEvent::kFocusLost);
  });
  EXPECT_EQ(text, "B;A;--");
}

TEST_F(PathListTest, DraggingReordersTheList) {
  const struct {
    int dragged, dropBefore;
    const char* text;
  } cases[] = {{0, 2, "b;a;c"}, {2, 0, "c;a;b"}, {0, -1, "b;c;a"}, {1, 1, "a;b;c"}, {1, 2, "a;b;c"}};
  for (const auto& c : cases) {
    std::string text = RunDialog("a;b;c", [&](CPathListDlg& dialog, ui::HeadlessDialog&) {
      ASSERT_TRUE(dialog.OnDrag(IDC_PATH_LIST, ui::DragStage::kBegin, c.dragged));
      EXPECT_TRUE(dialog.OnDrag(IDC_PATH_LIST, ui::DragStage::kDragging, c.dropBefore));
      dialog.OnDrag(IDC_PATH_LIST, ui::DragStage::kDropped, c.dropBefore);
    });
    EXPECT_EQ(text, c.text) << c.dragged << " before " << c.dropBefore;
  }
  std::string text = RunDialog("a;b", [](CPathListDlg& dialog, ui::HeadlessDialog&) {
    ASSERT_TRUE(dialog.List().BeginEdit(0));
    EXPECT_FALSE(dialog.OnDrag(IDC_PATH_LIST, ui::DragStage::kBegin, 1));  // not while editing
    EXPECT_FALSE(dialog.OnDrag(IDC_PATH_LIST, ui::DragStage::kDragging, 0));
    dialog.OnDrag(IDC_PATH_LIST, ui::DragStage::kDropped, 0);
    dialog.OnControl(IDC_PATH_LIST, ui::ControlEvent::kFocusLost);
  });
  EXPECT_EQ(text, "a;b");
}

TEST_F(PathListTest, BrowsePicksAFolderRelativeToTheProject) {
  Context().projectPath = "C:\\work\\demo.orbproj";
  services_.folder = "C:\\work\\inc";
  std::string text = RunDialog("a", [](CPathListDlg& dialog, ui::HeadlessDialog&) {
    CListBoxEx& list = dialog.List();
    list.RunToolButton(CListBoxEx::kNew);
    ASSERT_EQ(list.EditingItem(), 1);
    EXPECT_TRUE(list.Button().visible());
    list.Button().OnClicked();
    EXPECT_TRUE(list.Edit().visible());  // the editor stays while browsing
    list.Edit().OnKillFocus(CListBoxEx::kButtonWindow);
    EXPECT_EQ(list.EditingItem(), 1);  // focus moving to the browse button is no end
    list.Button().OnKillFocus(99);  // the button, once its click is over, ends the edit losing focus
    EXPECT_EQ(list.EditingItem(), -1);
    dialog.OnControl(IDC_PATH_LIST, ui::ControlEvent::kFocusLost);
  });
  EXPECT_EQ(text, "a;.\\inc");
  EXPECT_EQ(services_.titles, std::vector<std::string>{"请选择目录:"});
  Context() = ProjectContext{};
}

TEST_F(PathListTest, ItemsMoveWithToolBarAndAltArrows) {
  const struct {
    std::vector<int> moves;  // tool-bar buttons (0..3) or 10 + a virtual key with Alt
    int selected;
    const char* text;
  } cases[] = {
      {{CListBoxEx::kMoveUp}, 0, "a;b;c"},
      {{CListBoxEx::kMoveDown}, 0, "b;a;c"},
      {{10 + CListBoxEx::kKeyDown, 10 + CListBoxEx::kKeyRight}, 0, "b;c;a"},
      {{10 + CListBoxEx::kKeyUp}, 2, "a;c;b"},
      {{CListBoxEx::kMoveDown}, 2, "a;b;c"},
      {{CListBoxEx::kDelete}, 1, "a;c"},
  };
  for (const auto& c : cases) {
    std::string text = RunDialog("a;b;c", [&](CPathListDlg& dialog, ui::HeadlessDialog& window) {
      window.SetItemData(IDC_PATH_LIST, 0, 7);
      window.SetSelection(IDC_PATH_LIST, c.selected);
      for (int move : c.moves) {
        if (move >= 10) {
          dialog.List().OnSysKeyDown(move - 10);
        } else {
          dialog.List().RunToolButton(static_cast<CListBoxEx::ToolButton>(move));
        }
      }
      dialog.OnControl(IDC_PATH_LIST, ui::ControlEvent::kSelectionChanged);
      for (int i = 0; i < window.ItemCount(IDC_PATH_LIST); ++i) {
        EXPECT_EQ(window.ItemData(IDC_PATH_LIST, i) == 7, window.ItemText(IDC_PATH_LIST, i) == "a");
      }
    });
    EXPECT_EQ(text, c.text);
  }
}

TEST(ListBoxExTest, EditorsCoverTheItemAndThePlaceholderHasItsText) {
  ui::HeadlessDialog window(DialogTemplateById(IDD_PATH_LIST));
  window.InsertItem(IDC_PATH_LIST, -1, "x");
  window.InsertItem(IDC_PATH_LIST, -1, "");
  window.SetItemData(IDC_PATH_LIST, 1, CListBoxEx::kPlaceholderData);
  for (unsigned style : {0u, unsigned{CListBoxEx::kBrowseStyle}}) {
    CListBoxEx list(style);
    list.Attach(&window, IDC_PATH_LIST);
    EXPECT_EQ(list.DisplayText(1), "--- Last Item");
    list.OnClick(0);
    list.OnKeyDown(CListBoxEx::kKeyF2);
    ASSERT_EQ(list.EditingItem(), 0);
    EXPECT_FALSE(list.OnBeginDragRequest());
    EXPECT_FALSE(list.BeginEdit(1));  // one edit at a time
    ui::Rect item = window.ItemRect(IDC_PATH_LIST, 0);
    ui::Rect edit = list.Edit().rect();
    EXPECT_EQ(edit.left, item.left + 5);
    EXPECT_EQ(edit.top, item.top - 2);
    EXPECT_EQ(edit.bottom, item.bottom + 2);
    EXPECT_EQ(edit.right, item.right - (style ? 30 : 5));
    EXPECT_EQ(list.Button().visible(), style != 0);
    const ui::HeadlessEditor& shown = window.Find(IDC_PATH_LIST)->editor;
    EXPECT_TRUE(shown.visible);
    EXPECT_EQ(shown.text, "x");
    EXPECT_EQ(shown.button.right, style ? item.right : 0);
    EXPECT_EQ(list.Edit().leftMargin, 2);
    EXPECT_TRUE(list.Edit().allSelected);
    list.Edit().OnKeyDown(kKeyEscape);
    EXPECT_FALSE(window.Find(IDC_PATH_LIST)->editor.visible);
    EXPECT_TRUE(list.OnBeginDragRequest());
    list.m_bEditAllowed = false;
    EXPECT_FALSE(list.BeginEdit(0));
  }
  EXPECT_EQ(window.ItemText(IDC_PATH_LIST, 0), "x");
}

TEST(ToolBarTest, ButtonsSitAtTheRightEnd) {
  ui::Rect header = {0, 0, 200, 30};
  ui::Rect last = ui::ToolBarButtonRect(header, 3);
  ui::Rect first = ui::ToolBarButtonRect(header, 0);
  EXPECT_EQ(last.right, 200);
  EXPECT_EQ(first.left, 200 - 4 * 22);
  EXPECT_EQ(ui::ToolBarButtonAt(header, 199, 10), 3);
  EXPECT_EQ(ui::ToolBarButtonAt(header, 112, 10), 0);
  EXPECT_EQ(ui::ToolBarButtonAt(header, 111, 10), -1);
  EXPECT_EQ(ui::ToolBarButtonAt(header, 150, 2), -1);
}

TEST(ToolBarTest, OnlyTheToolBarHeaderHasToolTips) {
  ui::HeadlessDialog window(DialogTemplateById(IDD_PATH_LIST));
  const std::vector<std::string> kTips = {"New", "Delete", "Move Up", "Move Down"};
  int toolBars = 0;
  for (const ui::HeadlessControl& control : window.All()) {
    bool toolBar = (control.source->style & ui::kToolBar) != 0;
    toolBars += toolBar;
    EXPECT_EQ(control.tips, toolBar ? kTips : std::vector<std::string>());
  }
  EXPECT_EQ(toolBars, 1);
}

TEST(ToolBarTest, BitmapIsA998ByteSixteenColourBitmapOfFourImages) {
  std::vector<uint8_t> bitmap = ui::ToolBarBitmap();
  ASSERT_EQ(bitmap.size(), 998u);
  auto word = [&](size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | bitmap[at + i];
    return value;
  };
  EXPECT_EQ(bitmap[0], 'B');
  EXPECT_EQ(bitmap[1], 'M');
  EXPECT_EQ(word(2, 4), 998u);    // file size
  EXPECT_EQ(word(18, 4), 88u);    // width: four images of 22
  EXPECT_EQ(word(22, 4), 20u);    // height
  EXPECT_EQ(word(28, 2), 4u);     // bits a pixel
  EXPECT_EQ(word(10, 4), 118u);   // pixels after the 16-colour palette
  EXPECT_EQ(bitmap[118] >> 4, 7); // bottom-left pixel: the silver background
}

TEST(SpecialControlsTest, ComboFillsInReverse) {
  ui::HeadlessDialog window(DialogTemplateById(IDD_PATH_LIST));
  const char* const kTypes[] = {"ROM", "RAM"};
  CSpCombo(&window, IDC_PATH_LIST).Fill(kTypes, 2);
  EXPECT_EQ(window.ItemText(IDC_PATH_LIST, 0), "RAM");
  EXPECT_EQ(window.ItemText(IDC_PATH_LIST, 1), "ROM");
  EXPECT_EQ(window.Selection(IDC_PATH_LIST), 0);
}

// Records the colours each row was painted in.
struct RecordingPainter : ui::RowPainter {
  void PaintRow(const ui::RowPaint& paint) override { painted.push_back({paint.background, paint.text}); }
  std::vector<std::pair<ui::SystemColour, ui::SystemColour>> painted;
};

TEST(SpecialControlsTest, DrawItemReachesTheListsDrawAndPaintsTheCurrentRow) {
  using ui::SystemColour;
  CSpecialListCtrl special;
  special.m_nCurrentRow = 2;
  CSpListCtrl plain;
  ui::DialogLogic page(DialogTemplateById(IDD_PATH_LIST));
  RecordingPainter painter;
  special.OnDrawItem(0, painter);
  special.OnDrawItem(2, painter);
  plain.OnDrawItem(1, painter);  // the base list draws nothing
  page.OnDrawItem(IDC_PATH_LIST, 1, painter);
  const std::vector<std::pair<SystemColour, SystemColour>> expected = {
      {SystemColour::kWindow, SystemColour::kWindowText},
      {SystemColour::kHighlight, SystemColour::kHighlightText},
      {SystemColour::kWindow, SystemColour::kWindowText},
  };
  EXPECT_EQ(painter.painted, expected);
}

}  // namespace
}  // namespace zrt
