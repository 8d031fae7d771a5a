// A modal property sheet as sheet logic sees it: pages in tab order, a caption, the
// backend's window behind SheetWindow, and the handlers the backend calls.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "src/ui/framework/property_page.h"

namespace zrt::ui {

// The sheet's own buttons and how a modal run ends.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdApply = 0x3021;

// The backend's sheet window, as sheet logic drives it.
class SheetWindow {
 public:
  virtual ~SheetWindow() = default;
  // Sets the text of tab index.
  virtual void SetTabText(int index, const std::string& text) = 0;
  // Makes page index active, as a click on its tab; false when the old page refused.
  virtual bool SetActivePage(int index) = 0;
  // Index of the active page; -1 before any.
  virtual int ActivePage() const = 0;
  // Rectangle of one of the sheet's own buttons (kIdOk, kIdCancel, kIdApply).
  virtual Rect ButtonRect(int id) const = 0;
  // Adds a visible push button with a tab stop and the sheet's font.
  virtual void CreateButton(int id, const std::string& label, const Rect& rect) = 0;
  // A page reports it is changed (or not); Apply is enabled while any page is.
  virtual void PageChanged(PropertyPage* page, bool changed) = 0;
};

class PropertySheet {
 public:
  // kind: the number the sheet is known by in dumps; caption in the ANSI code page.
  PropertySheet(int kind, std::string caption) : kind_(kind), caption_(std::move(caption)) {}
  virtual ~PropertySheet() = default;
  PropertySheet(const PropertySheet&) = delete;
  PropertySheet& operator=(const PropertySheet&) = delete;

  // Appends a page (not owned) as the next tab.
  void AddPage(PropertyPage* page);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  PropertyPage* Page(int index) const { return pages_[index]; }
  int Kind() const { return kind_; }
  const std::string& Caption() const { return caption_; }
  // The window while the sheet runs; null otherwise.
  SheetWindow* Window() const { return window_; }
  // The active page; null when the sheet does not run.
  PropertyPage* ActivePage() const;

  // Delivers a message to the sheet (as a page's SendMessage to its parent); answers
  // OnMessage's result.
  intptr_t SendMessage(unsigned message, uintptr_t wParam, intptr_t lParam) {
    return OnMessage(message, wParam, lParam);
  }
  // Runs the sheet modally with the current runner; answers kIdOk or kIdCancel.
  int DoModal();

  // The window exists and the first page is active.
  virtual void OnInitDialog() {}
  // A message sent to the sheet.
  virtual intptr_t OnMessage(unsigned /*message*/, uintptr_t /*wParam*/, intptr_t /*lParam*/) { return 0; }
  // A button the sheet logic created was pressed.
  virtual void OnCommand(int /*id*/) {}

  // Backends connect the sheet to its window (null disconnects).
  void AttachWindow(SheetWindow* window) { window_ = window; }

 private:
  int kind_;
  std::string caption_;
  std::vector<PropertyPage*> pages_;
  SheetWindow* window_ = nullptr;
};

// Runs a sheet modally and answers kIdOk or kIdCancel.
using SheetRunner = std::function<int(PropertySheet& sheet)>;
// Replaces the runner for this process (tests drive the headless sheet so); an empty
// runner restores the platform's.
void SetSheetRunner(SheetRunner runner);
// The platform's runner: the Win32 sheet on Windows, the headless sheet driven by
// ZRT_UI_SCRIPT elsewhere (and on Windows when that variable is set).
int RunSheetOnPlatform(PropertySheet& sheet);

}  // namespace zrt::ui
