// DialogControls over the real controls of a dialog window, and the Win32 dialogs a
// page opens. A control's kind comes from the dialog's template.
#pragma once

#include "src/ui/framework/win32/windows_headers.h"

#include <string>
#include <vector>

#include "src/ui/framework/dialog_logic.h"

namespace zrt::ui::win32 {

// A window's text (ANSI); "" when it has none.
std::string WindowText(HWND window);

class Win32Controls : public DialogControls {
 public:
  // The controls of window dialog, built from logic's template; logic hears their keys,
  // draws and in-place editor events.
  Win32Controls(HWND dialog, DialogLogic* logic);
  ~Win32Controls() override;

  // Applies what the template says beyond styles (text limits) and hooks the lists.
  void Prepare();
  // Draws an item of an owner-drawn list; false when the item is no such list's.
  bool DrawItem(const DRAWITEMSTRUCT& item) const;
  // A drag list's notification ("commctrl_DragListMsg"): asks the logic and draws the
  // drop marker; *result is the answer for the list.
  LRESULT OnDragList(const DRAGLISTINFO& info);
  // Turns a WM_COMMAND from control id with notification code into an event; false when
  // the code means nothing to page logic (or was caused by the code itself).
  bool CommandEvent(int id, int code, ControlEvent* event) const;
  // The same for a WM_NOTIFY of a list view.
  bool NotifyEvent(const NMHDR& header, ControlEvent* event) const;

  bool Has(int id) const override;
  std::string Text(int id) const override;
  void SetText(int id, const std::string& text) override;
  int Check(int id) const override;
  void SetCheck(int id, int state) override;
  bool IsEnabled(int id) const override;
  void Enable(int id, bool enabled) override;
  void ClearItems(int id) override;
  int InsertItem(int id, int index, const std::string& text) override;
  void DeleteItem(int id, int index) override;
  int ItemCount(int id) const override;
  std::string ItemText(int id, int index) const override;
  uintptr_t ItemData(int id, int index) const override;
  void SetItemData(int id, int index, uintptr_t data) override;
  int Selection(int id) const override;
  void SetSelection(int id, int index) override;
  void AddColumn(int id, const std::string& title, int width) override;
  std::string CellText(int id, int row, int column) const override;
  void SetCellText(int id, int row, int column, const std::string& text) override;
  void SetFocus(int id) override;
  void SetCaret(int id, int position) override;
  Rect ItemRect(int id, int index) const override;
  void ShowInPlaceEditor(int id, const Rect& editRect, const Rect& buttonRect, const std::string& text) override;
  void HideInPlaceEditor(int id) override;
  void EmbedDialog(const DialogTemplate& dialogTemplate, int frameId) override;
  void ShowEmbedded(int templateId, bool visible) override;

 private:
  struct Embedded {
    const DialogTemplate* source;
    std::vector<WORD> bytes;
    HWND window;
  };
  // The in-place editor windows of one list (children of the list).
  struct Editor {
    int listId;
    HWND edit;
    HWND button;
  };

  // The tool bar a header static carries: its images, tool tips and mouse state.
  struct ToolBar {
    int id;
    HIMAGELIST images;
    HWND tips;
    int hot;
    int pressed;
  };

  // Has the logic draw one row of an owner-drawn report list.
  void DrawReportRow(const DRAWITEMSTRUCT& item) const;
  // Paints and runs the buttons of a header's tool bar.
  static LRESULT CALLBACK ToolBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR controls);
  // Sets up the tool bar of header id.
  void AddToolBar(int id);
  void PaintToolBar(HWND header, const ToolBar& bar) const;
  // The keys of a list and the reports of its in-place editor windows.
  static LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR controls);
  static LRESULT CALLBACK EditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR listId,
                                     DWORD_PTR controls);
  // The editor of list id, created on first use.
  Editor& EditorOf(int id);
  // Hands an in-place editor window's event to the logic.
  void ReportInPlace(int listId, HWND source, uint32_t code, uint32_t value);

  // The control's window and kind, in this dialog or an embedded one; null when no
  // template has id.
  HWND Window(int id, ControlKind* kind = nullptr) const;

  HWND dialog_;
  DialogLogic* logic_;
  const DialogTemplate& template_;
  std::vector<Embedded> embedded_;
  std::vector<Editor> editors_;
  std::vector<ToolBar> toolBars_;
  // Where the drop marker is drawn: its list and item; null list when nowhere.
  HWND markedList_ = nullptr;
  int markedItem_ = -1;
  int settingText_ = 0;  // the id whose text the code is setting (its EN_CHANGE is no user's)
};

// The registered message drag lists notify their parent with.
UINT DragListMessage();

// Sets an owner-drawn list's item height to a line of dialog's font (WM_MEASUREITEM,
// which comes before the dialog's logic is connected).
void MeasureItem(HWND dialog, MEASUREITEMSTRUCT* item);

// Message boxes, open-file dialogs, folder pickers and pop-up menus owned by a window.
class Win32Services : public DialogServices {
 public:
  explicit Win32Services(HWND owner) : owner_(owner) {}
  platform::MessageAnswer MessageBox(const std::string& text, platform::MessageButtons buttons,
                                     platform::MessageIcon icon) override;
  bool OpenFile(const OpenFileRequest& request, std::string* path) override;
  bool PickFolder(const FolderRequest& request, std::string* path) override;
  int PopupMenu(const std::vector<std::string>& items) override;

 private:
  HWND owner_;
};

}  // namespace zrt::ui::win32
