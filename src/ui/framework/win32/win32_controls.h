// DialogControls over the real controls of a dialog window, and the Win32 dialogs a
// page opens. A control's kind comes from the dialog's template.
#pragma once

#include "src/ui/framework/win32/windows_headers.h"


#include "src/ui/framework/dialog_controls.h"
#include "src/ui/framework/dialog_template.h"

namespace zrt::ui::win32 {

class Win32Controls : public DialogControls {
 public:
  Win32Controls(HWND dialog, const DialogTemplate& dialogTemplate);

  // Applies what the template says beyond styles (text limits, the sheet's font).
  void Prepare();
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

 private:
  // The control's window and kind; null when the template lacks id.
  HWND Window(int id, ControlKind* kind = nullptr) const;

  HWND dialog_;
  const DialogTemplate& template_;
  int settingText_ = 0;  // the id whose text the code is setting (its EN_CHANGE is no user's)
};

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
