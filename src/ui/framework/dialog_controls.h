// The seam between page logic and a backend: the controls of one dialog, addressed by
// id, and the dialogs a page may open. Texts are in the ANSI code page. An id the dialog
// lacks makes a setter do nothing and a getter answer "", 0 or -1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "src/ui/framework/dialog_template.h"

namespace zrt::ui {

// What happened to a control, as a page's OnControl hears it.
enum class ControlEvent {
  kClicked,           // push button, check box or radio button pressed
  kChanged,           // an edit's (or editable combo's) text changed
  kSelectionChanged,  // a combo's or list's selection changed
  kDoubleClicked,     // list or report item double-clicked
  kFocusLost,         // the control lost the keyboard focus
};

// A rectangle in client pixels.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// The controls of one dialog window.
class DialogControls {
 public:
  virtual ~DialogControls() = default;

  // True when the dialog has a control with id.
  virtual bool Has(int id) const = 0;

  // Window text of any control (an edit's content, a button's label).
  virtual std::string Text(int id) const = 0;
  // Sets the window text; an edit sends no change event for it.
  virtual void SetText(int id, const std::string& text) = 0;
  // Check state of a check box or radio button: 0, 1 or 2.
  virtual int Check(int id) const = 0;
  // Sets the check state.
  virtual void SetCheck(int id, int state) = 0;
  // True when the control takes input.
  virtual bool IsEnabled(int id) const = 0;
  // Enables or disables the control.
  virtual void Enable(int id, bool enabled) = 0;

  // Items of a combo, list box or report list (a report row's first cell is its item text).
  virtual void ClearItems(int id) = 0;
  // Inserts an item at index (-1 or past the end appends); answers its index or -1.
  virtual int InsertItem(int id, int index, const std::string& text) = 0;
  // Removes one item.
  virtual void DeleteItem(int id, int index) = 0;
  // Number of items.
  virtual int ItemCount(int id) const = 0;
  // Text of one item ("" when out of range).
  virtual std::string ItemText(int id, int index) const = 0;
  // Data word of one item (0 when out of range).
  virtual uintptr_t ItemData(int id, int index) const = 0;
  // Sets the data word of one item.
  virtual void SetItemData(int id, int index, uintptr_t data) = 0;
  // Selected item; -1 when none.
  virtual int Selection(int id) const = 0;
  // Selects an item (-1: none); sends no selection event.
  virtual void SetSelection(int id, int index) = 0;

  // Adds a column to a report list.
  virtual void AddColumn(int id, const std::string& title, int width) = 0;
  // Text of one cell of a report list ("" when out of range).
  virtual std::string CellText(int id, int row, int column) const = 0;
  // Sets one cell of a report list.
  virtual void SetCellText(int id, int row, int column, const std::string& text) = 0;

  // Gives the keyboard focus to the control.
  virtual void SetFocus(int id) = 0;
  // Places an edit's caret at a character position and scrolls it into view.
  virtual void SetCaret(int id, int position) = 0;

  // The rectangle of item index of a list, in the list's client pixels.
  virtual Rect ItemRect(int id, int index) const = 0;
  // Shows the in-place editor of list id: an edit over editRect holding text (all of it
  // selected, with the focus) and, unless buttonRect is empty, a "..." button over it.
  // Its reports reach the logic's OnInPlaceReport.
  virtual void ShowInPlaceEditor(int id, const Rect& editRect, const Rect& buttonRect, const std::string& text) = 0;
  // Hides the in-place editor of list id and gives the focus back to the list.
  virtual void HideInPlaceEditor(int id) = 0;

  // Creates dialogTemplate as a hidden child dialog over control frameId. Its controls
  // count as this dialog's own (their events reach the same page); the automation
  // script and dump see them only while it is shown.
  virtual void EmbedDialog(const DialogTemplate& dialogTemplate, int frameId) = 0;
  // Shows or hides the embedded dialog built from template templateId.
  virtual void ShowEmbedded(int templateId, bool visible) = 0;
};

// System colours a row is painted with.
enum class SystemColour { kWindow, kWindowText, kHighlight, kHighlightText };

// How one row is painted: background and text colour.
struct RowPaint {
  SystemColour background;
  SystemColour text;
};

// The backend's canvas for one row of an owner-drawn report list (a draw-item message).
class RowPainter {
 public:
  virtual ~RowPainter() = default;
  // Fills the row with paint's background and draws each column's text in its text colour.
  virtual void PaintRow(const RowPaint& paint) = 0;
};

// What an open-file dialog is asked for.
struct OpenFileRequest {
  std::string filter;            // "Text|*.txt|All|*.*||" pairs of name and pattern
  std::string defaultExtension;  // added to a typed name without one
  std::string initialPath;
  bool mustExist = true;
  bool hideReadOnly = true;
};

// What a folder picker is asked for.
struct FolderRequest {
  std::string title;
  std::string root;  // the picker shows nothing above it ("" for the whole machine)
  std::string initialFolder;
};

// Modal dialogs a page opens; each returns when the user has answered.
class DialogServices {
 public:
  virtual ~DialogServices() = default;
  // A message box; answers the button pressed.
  virtual platform::MessageAnswer MessageBox(const std::string& text, platform::MessageButtons buttons,
                                             platform::MessageIcon icon) = 0;
  // An open-file dialog; false when cancelled, else *path is the chosen file.
  virtual bool OpenFile(const OpenFileRequest& request, std::string* path) = 0;
  // A folder picker; false when cancelled, else *path is the chosen folder.
  virtual bool PickFolder(const FolderRequest& request, std::string* path) = 0;
  // A pop-up menu at the cursor; answers the index of the chosen item or -1.
  virtual int PopupMenu(const std::vector<std::string>& items) = 0;
};

}  // namespace zrt::ui
