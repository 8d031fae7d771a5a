// CListBoxEx: a list box whose items are edited in place (an edit field and, with the
// browse style, a "..." button laid over the item), deleted with the Delete key and
// moved with Alt and the arrow keys or by dragging; and the four-button tool bar above
// it. It works on a list control of a dialog through DialogControls.
#pragma once

#include <cstdint>
#include <string>

#include "src/ui/framework/dialog_controls.h"
#include "src/ui/in_place_edit.h"

namespace zrt {

class CListBoxEx : public InPlaceOwner {
 public:
  // Edit style bit: with a browse button beside the edit.
  static constexpr unsigned kBrowseStyle = 0x4000;
  // Item data of the placeholder item, drawn as "--- Last Item".
  static constexpr uintptr_t kPlaceholderData = 0x45424558;
  // Window ids of the two editors.
  static constexpr uint32_t kEditWindow = 1;
  static constexpr uint32_t kButtonWindow = 2;
  // Virtual keys the list handles.
  static constexpr uint32_t kKeyDelete = 0x2E, kKeyF2 = 0x71;
  static constexpr uint32_t kKeyLeft = 0x25, kKeyUp = 0x26, kKeyRight = 0x27, kKeyDown = 0x28;

  // The tool bar's buttons, left to right (ui::kToolBarNames).
  enum ToolButton { kNew, kDelete, kMoveUp, kMoveDown };

  explicit CListBoxEx(unsigned editStyle = 0);
  ~CListBoxEx() override = default;

  // Works on list listId of controls.
  void Attach(ui::DialogControls* controls, int listId);

  // The text an item is drawn with ("--- Last Item" for the placeholder).
  std::string DisplayText(int item) const;

  // Starts editing item (-1: the focused one; past the end: a new empty item at the
  // end); false when editing is not allowed or already running.
  bool BeginEdit(int item);
  // Ends the edit: an empty text deletes the item, otherwise the text replaces the
  // item's unless cancelled.
  void Finish(bool cancelled);
  // The item being edited; -1 when none.
  int EditingItem() const { return editing_; }
  int FocusedItem() const { return focused_; }
  CInPlaceEdit& Edit() { return edit_; }
  CInPlaceButton& Button() { return button_; }

  // A click on item: it becomes the focused item.
  void OnClick(int item) { focused_ = item; }
  // A double-click on item: edits it when CanEdit says so.
  void OnDoubleClick(int item);
  // Delete removes the focused item; F2 edits it.
  void OnKeyDown(uint32_t key);
  // With Alt, while dragging is allowed: Left or Up moves the selected item up, Right or Down down.
  void OnSysKeyDown(uint32_t key);
  // Moves the selected item by delta places (swapping text and data); false at either end.
  bool MoveSelected(int delta);
  // Runs a tool-bar button.
  void RunToolButton(ToolButton button);

  // Drag list: a drag may begin while no edit runs and dragging is allowed.
  bool OnBeginDragRequest();

  // An event of the real editor windows (DialogLogic::OnInPlaceEvent), handed to the
  // editor that had it.
  void OnInPlaceEvent(uint32_t source, uint32_t code, uint32_t value, const std::string& text);
  // Editor reports.
  intptr_t OnCtrlMsg(const InPlaceCtrlMsg& message) override;

  bool m_bEditAllowed = true;
  bool m_bDragAllowed = true;

 protected:
  // Whether item may be edited; the base says yes.
  virtual bool CanEdit(int /*item*/) { return true; }
  // The edit of item ends; answers <= 0 to cancel a confirmed edit. The base answers 1.
  virtual int EndEdit(int /*item*/, bool /*cancelled*/) { return 1; }
  // The browse button of item was pressed; the base does nothing.
  virtual void Browse(int /*item*/) {}

  ui::DialogControls* controls_ = nullptr;
  int list_ = 0;

 private:
  unsigned editStyle_;
  CInPlaceEdit edit_;
  CInPlaceButton button_;
  int editing_ = -1;
  int focused_ = -1;
};

}  // namespace zrt
