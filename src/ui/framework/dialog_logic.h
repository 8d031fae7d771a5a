// What page and dialog logic share: the template its window is built from, the controls
// and dialogs while the window exists, and the handlers a backend calls for events of
// the window's controls.
#pragma once

#include <cstdint>
#include <string>

#include "src/ui/framework/dialog_controls.h"
#include "src/ui/framework/dialog_template.h"

namespace zrt::ui {

// The OK and Cancel buttons of sheets and dialogs, and how a modal run ends.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

// The stages of dragging an item of a drag list.
enum class DragStage { kBegin, kDragging, kDropped, kCancelled };

class DialogLogic {
 public:
  explicit DialogLogic(const DialogTemplate& dialogTemplate) : template_(dialogTemplate) {}
  virtual ~DialogLogic() = default;
  DialogLogic(const DialogLogic&) = delete;
  DialogLogic& operator=(const DialogLogic&) = delete;

  // The template the window is built from.
  const DialogTemplate& Template() const { return template_; }
  // True once the window exists.
  bool HasWindow() const { return controls_ != nullptr; }
  // The window's controls; null while there is no window.
  DialogControls* Controls() const { return controls_; }
  // The dialogs the logic may open; null while there is no window.
  DialogServices* Services() const { return services_; }

  // The window was created; the answer is ignored.
  virtual bool OnInitDialog() { return true; }
  // A control reported an event.
  virtual void OnControl(int /*id*/, ControlEvent /*event*/) {}
  // A key went down in list id (withAlt: a system key, Alt held); true when handled, so
  // the control does not see it.
  virtual bool OnKeyDown(int /*id*/, uint32_t /*key*/, bool /*withAlt*/) { return false; }
  // The text an owner-drawn list shows for an item: the item's own text by default.
  virtual std::string DisplayText(int id, int index) const { return controls_->ItemText(id, index); }
  // Row of owner-drawn report list id is to be drawn on painter; in the window colours by default.
  virtual void OnDrawItem(int /*id*/, int /*row*/, RowPainter& painter) {
    painter.PaintRow({SystemColour::kWindow, SystemColour::kWindowText});
  }
  // An item of drag list id is dragged: at kBegin (item: the one under the cursor) true
  // lets the drag start; at kDragging (item: the one under the cursor, -1 past the end)
  // true shows the drop marker at it; at kDropped and kCancelled the answer is ignored.
  virtual bool OnDrag(int /*id*/, DragStage /*stage*/, int /*item*/) { return false; }
  // Button index (0 "New", 1 "Delete", 2 "Move Up", 3 "Move Down") of the tool bar of
  // header id was pressed and released over it.
  virtual void OnToolButton(int /*id*/, int /*index*/) {}
  // A window of the in-place editor of list id (source: 1 the edit, 2 the button) had a
  // key go down (code 1, value the key), was clicked (code 2) or lost the focus (code 3,
  // value 1 or 2 when the focus went to the other editor window, else 0); the edit holds text.
  virtual void OnInPlaceEvent(int /*id*/, uint32_t /*source*/, uint32_t /*code*/, uint32_t /*value*/,
                              const std::string& /*text*/) {}

  // Backends connect the logic to its window and dialogs (nulls disconnect).
  void AttachWindow(DialogControls* controls, DialogServices* services) {
    controls_ = controls;
    services_ = services;
  }

 private:
  const DialogTemplate& template_;
  DialogControls* controls_ = nullptr;
  DialogServices* services_ = nullptr;
};

}  // namespace zrt::ui
