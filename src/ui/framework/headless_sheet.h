// The headless backend: a property sheet kept in memory. Its driver API does what a
// user does (select a tab, type, click, select, edit a cell, answer the next dialog,
// press Apply, OK or Cancel), turning each action into the events the Win32 backend
// sends, and reads every control back. The automation script and tests both use it.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "src/ui/framework/headless_dialog.h"
#include "src/ui/framework/property_sheet.h"

namespace zrt::ui {

class HeadlessSheet : public SheetWindow, public DialogServices {
 public:
  // Attaches to sheet; Open() shows it.
  explicit HeadlessSheet(PropertySheet& sheet);
  // Detaches the sheet and its pages from the in-memory windows.
  ~HeadlessSheet() override;
  HeadlessSheet(const HeadlessSheet&) = delete;
  HeadlessSheet& operator=(const HeadlessSheet&) = delete;

  // Creates the sheet as the platform does: page 0 becomes active, then the sheet's
  // OnInitDialog runs.
  void Open();

  // Driver actions on the open sheet. Each answers false, with the reason in *why, when
  // the action is impossible (no such tab or control on the active page, a disabled
  // control, a control of the wrong kind, an index out of range); nothing happens then.
  bool SelectTab(int index, std::string* why);
  // Types text into an edit or editable combo: replaces its text, cut to its text limit.
  bool TypeText(int id, const std::string& text, std::string* why);
  // Clicks a push button, check box (cycling its states) or radio button, or a button
  // the sheet logic created.
  bool Click(int id, std::string* why);
  // Selects item index (-1: none) of a combo, list or custom control.
  bool Select(int id, int index, std::string* why);
  // Selects the item of a custom control whose text is name.
  bool SelectByName(int id, const std::string& name, std::string* why);
  // Edits one cell of a report list in place and confirms it.
  bool EditCell(int id, int row, int column, const std::string& text, std::string* why);
  // Queues the answer to the next message box.
  void QueueAnswer(platform::MessageAnswer answer) { answers_.push_back(answer); }
  // Queues the answer to the next open-file dialog (nullopt cancels it).
  void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  // Queues the answer to the next folder picker (nullopt cancels it).
  void QueueFolder(std::optional<std::string> path) { folders_.push_back(std::move(path)); }
  // Presses Apply (nothing while it is disabled); false when a page refused.
  bool PressApply();
  // Presses OK: applies, then ends the sheet with kIdOk; false when a page refused.
  bool PressOk();
  // Presses Cancel: every page with a window hears it, the sheet ends with kIdCancel.
  void PressCancel();

  // Reading the sheet.
  bool IsOpen() const { return open_; }
  // kIdOk or kIdCancel once ended; 0 while open.
  int Result() const { return result_; }
  // The window of the active page; null when none.
  const HeadlessDialog* ActiveDialog() const;
  // The window of page index; null while the page has none.
  const HeadlessDialog* PageDialog(int index) const { return dialogs_[index].get(); }
  // The text of tab index.
  const std::string& TabText(int index) const { return tabs_[index]; }
  // True while a page is marked changed.
  bool ApplyEnabled() const { return !changed_.empty(); }
  // A button the sheet logic created; null when none has id.
  const Rect* CreatedButton(int id) const;
  // The state of the sheet in the automation dump format (UTF-8).
  std::string Dump() const;

  // SheetWindow
  void SetTabText(int index, const std::string& text) override;
  bool SetActivePage(int index) override;
  int ActivePage() const override { return active_; }
  Rect ButtonRect(int id) const override;
  void CreateButton(int id, const std::string& label, const Rect& rect) override;
  void PageChanged(PropertyPage* page, bool changed) override;

  // DialogServices: queued answers first; message boxes always go through the platform's.
  platform::MessageAnswer MessageBox(const std::string& text, platform::MessageButtons buttons,
                                     platform::MessageIcon icon) override;
  bool OpenFile(const OpenFileRequest& request, std::string* path) override;
  bool PickFolder(const FolderRequest& request, std::string* path) override;
  int PopupMenu(const std::vector<std::string>& items) override;

 private:
  struct CreatedButtonState {
    int id;
    std::string label;
    Rect rect;
  };

  // Creates page index's window when it has none, then activates it.
  void Activate(int index);
  // The active page's enabled control with id, of one of kinds; null with *why set.
  HeadlessControl* Target(int id, std::initializer_list<ControlKind> kinds, std::string* why);
  // Clears the other radio buttons of control's group.
  void ClearRadioGroup(HeadlessDialog& dialog, const HeadlessControl& control);
  // Leaves the active page and applies every page with a window; false when one refused.
  bool ApplyPages();
  // Ends the modal run.
  void End(int result);

  PropertySheet& sheet_;
  std::vector<std::unique_ptr<HeadlessDialog>> dialogs_;
  std::vector<std::string> tabs_;
  std::vector<CreatedButtonState> buttons_;
  std::set<PropertyPage*> changed_;
  std::deque<platform::MessageAnswer> answers_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<std::string>> folders_;
  int active_ = -1;
  bool open_ = false;
  int result_ = 0;
};

}  // namespace zrt::ui
