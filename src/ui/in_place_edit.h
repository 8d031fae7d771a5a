// The in-place editors of CListBoxEx: an edit field and a browse button laid over a list
// item. Both report to their owner with the five-word record of "ipc_CtrlMsg", here as
// a call of the owner rather than a registered window message; a non-zero answer tells
// the editor to hide.
#pragma once

#include <cstdint>
#include <string>

#include "src/ui/framework/dialog_controls.h"

namespace zrt {

// What an editor reports: five 32-bit words.
struct InPlaceCtrlMsg {
  uint32_t source;  // the reporting window (0 for some button reports)
  uint32_t code;    // kCtrlKey, kCtrlButton or kCtrlFocusLost
  uint32_t value;   // the key, the button's id or the window receiving the focus
  int32_t x, y;     // cursor position of the message that caused the report
};
static_assert(sizeof(InPlaceCtrlMsg) == 20, "five 32-bit words");

enum InPlaceCode : uint32_t { kCtrlKey = 1, kCtrlButton = 2, kCtrlFocusLost = 3 };
constexpr uint32_t kKeyEnter = 13;
constexpr uint32_t kKeyEscape = 27;

// The window the editors report to.
class InPlaceOwner {
 public:
  virtual ~InPlaceOwner() = default;
  // Handles a report; non-zero makes the editor hide.
  virtual intptr_t OnCtrlMsg(const InPlaceCtrlMsg& message) = 0;
  // The editor hid and gives the focus back.
  virtual void TakeFocus() {}
};

// What both editors share: owner, window id, visibility, rectangle, focus.
class CInPlaceWindow {
 public:
  CInPlaceWindow(InPlaceOwner* owner, uint32_t windowId) : owner_(owner), id_(windowId) {}
  virtual ~CInPlaceWindow() = default;
  // Shows the editor over rect, only when hidden and rect is not empty; true when shown.
  bool Show(const ui::Rect& rect);
  // Hides without moving, gives the focus back to the owner.
  void Hide();
  bool visible() const { return visible_; }
  bool focused() const { return focused_; }
  const ui::Rect& rect() const { return rect_; }
  uint32_t id() const { return id_; }

 protected:
  // Sends a report; hides on a non-zero answer.
  void Report(uint32_t code, uint32_t value);
  // What a shown editor does besides placing itself.
  virtual void OnShown() {}

  InPlaceOwner* owner_;
  uint32_t id_;
  bool visible_ = false;
  bool focused_ = false;
  ui::Rect rect_;
};

// The in-place edit field (multi-line, auto-scrolling, keeps its selection, wants Enter).
class CInPlaceEdit : public CInPlaceWindow {
 public:
  using CInPlaceWindow::CInPlaceWindow;
  // A key-down: Enter and Escape are reported (code 1) and not passed on (false).
  bool OnKeyDown(uint32_t key);
  // The focus went to window newFocus: reported (code 3) while visible.
  void OnKillFocus(uint32_t newFocus);

  std::string text;
  int leftMargin = 0;
  bool allSelected = false;

 private:
  void OnShown() override;
};

// The browse button ("...") beside the edit.
class CInPlaceButton : public CInPlaceWindow {
 public:
  using CInPlaceWindow::CInPlaceWindow;
  // Escape reports code 1 with 27; other keys pass on (true).
  bool OnKeyDown(uint32_t key);
  // A click reports code 2 with the button's id.
  void OnClicked();
  // The focus went to newFocus: reported (code 3) while visible and not clicking.
  void OnKillFocus(uint32_t newFocus);

 private:
  bool clicking_ = false;
};

}  // namespace zrt
