#include "src/ui/framework/headless_sheet.h"

#include <algorithm>

namespace zrt::ui {
namespace {

// Where the platform's sheet puts its buttons, in client pixels of a sheet of the
// usual size; only their relations matter to sheet logic.
const Rect kOkRect = {254, 362, 329, 385};
const Rect kCancelRect = {335, 362, 410, 385};
const Rect kApplyRect = {416, 362, 491, 385};

std::string IdText(int id) { return std::to_string(id); }

// text cut to limit bytes without splitting a double-byte character.
std::string LimitText(const std::string& text, int limit) {
  if (limit <= 0 || static_cast<int>(text.size()) <= limit) return text;
  size_t end = 0;
  while (end < text.size()) {
    size_t width = static_cast<unsigned char>(text[end]) >= 0x81 && end + 1 < text.size() ? 2 : 1;
    if (end + width > static_cast<size_t>(limit)) break;
    end += width;
  }
  return text.substr(0, end);
}

// Takes the next queued picker answer: a path chosen, or (none queued, or a queued
// cancel) false.
bool TakePickerAnswer(std::deque<std::optional<std::string>>* answers, std::string* path) {
  if (answers->empty()) return false;
  std::optional<std::string> answer = std::move(answers->front());
  answers->pop_front();
  if (answer) *path = *answer;
  return answer.has_value();
}

}  // namespace

HeadlessSheet::HeadlessSheet(PropertySheet& sheet) : sheet_(sheet) {
  dialogs_.resize(sheet.PageCount());
  tabs_.resize(sheet.PageCount());
  for (int i = 0; i < sheet.PageCount(); ++i) {
    const char* caption = sheet.Page(i)->Template().caption;
    tabs_[i] = caption ? caption : "";
  }
}

HeadlessSheet::~HeadlessSheet() {
  for (int i = 0; i < sheet_.PageCount(); ++i) sheet_.Page(i)->AttachWindow(nullptr, nullptr);
  sheet_.AttachWindow(nullptr);
}

void HeadlessSheet::Open() {
  sheet_.AttachWindow(this);
  open_ = true;
  if (sheet_.PageCount() > 0) Activate(0);
  sheet_.OnInitDialog();
}

void HeadlessSheet::Activate(int index) {
  PropertyPage* page = sheet_.Page(index);
  bool created = dialogs_[index] == nullptr;
  if (created) {
    dialogs_[index] = std::make_unique<HeadlessDialog>(page->Template());
    page->AttachWindow(dialogs_[index].get(), this);
  }
  active_ = index;
  if (created) page->OnInitDialog();
  page->OnSetActive();
}

bool HeadlessSheet::SetActivePage(int index) {
  if (!open_ || index < 0 || index >= sheet_.PageCount()) return false;
  if (index == active_) return true;
  if (active_ >= 0 && !sheet_.Page(active_)->OnKillActive()) return false;
  Activate(index);
  return true;
}

void HeadlessSheet::SetTabText(int index, const std::string& text) {
  if (index >= 0 && index < static_cast<int>(tabs_.size())) tabs_[index] = text;
}

Rect HeadlessSheet::ButtonRect(int id) const {
  switch (id) {
    case kIdOk: return kOkRect;
    case kIdCancel: return kCancelRect;
    case kIdApply: return kApplyRect;
  }
  const Rect* created = CreatedButton(id);
  return created ? *created : Rect{};
}

void HeadlessSheet::CreateButton(int id, const std::string& label, const Rect& rect) {
  buttons_.push_back({id, label, rect});
}

const Rect* HeadlessSheet::CreatedButton(int id) const {
  for (const CreatedButtonState& button : buttons_) {
    if (button.id == id) return &button.rect;
  }
  return nullptr;
}

void HeadlessSheet::PageChanged(PropertyPage* page, bool changed) {
  if (changed) {
    changed_.insert(page);
  } else {
    changed_.erase(page);
  }
}

const HeadlessDialog* HeadlessSheet::ActiveDialog() const {
  return active_ >= 0 ? dialogs_[active_].get() : nullptr;
}

HeadlessControl* HeadlessSheet::Target(int id, std::initializer_list<ControlKind> kinds, std::string* why) {
  HeadlessControl* control = active_ >= 0 ? dialogs_[active_]->Find(id) : nullptr;
  if (!open_) {
    *why = "the sheet is closed";
  } else if (control == nullptr) {
    *why = "no control " + IdText(id) + " on the active page";
  } else if (!control->enabled) {
    *why = "control " + IdText(id) + " is disabled";
  } else if (std::find(kinds.begin(), kinds.end(), control->source->kind) == kinds.end()) {
    *why = "control " + IdText(id) + " is a " + ControlKindName(control->source->kind);
  } else {
    return control;
  }
  return nullptr;
}

bool HeadlessSheet::SelectTab(int index, std::string* why) {
  if (!open_ || index < 0 || index >= sheet_.PageCount()) {
    *why = "no tab " + std::to_string(index);
    return false;
  }
  SetActivePage(index);  // a page that refuses to be left keeps the sheet where it is
  return true;
}

bool HeadlessSheet::TypeText(int id, const std::string& text, std::string* why) {
  HeadlessControl* control = Target(id, {ControlKind::kEdit, ControlKind::kCombo, ControlKind::kCustom}, why);
  if (control == nullptr) return false;
  if (control->source->kind == ControlKind::kCustom) return SelectByName(id, text, why);
  unsigned style = control->source->style;
  if (control->source->kind == ControlKind::kCombo && !(style & kEditable)) {
    *why = "combo " + IdText(id) + " takes no typing";
    return false;
  }
  if (style & kReadOnly) {
    *why = "edit " + IdText(id) + " is read-only";
    return false;
  }
  control->text = LimitText(text, control->source->textLimit);
  control->caret = static_cast<int>(control->text.size());
  if (control->source->kind == ControlKind::kCombo) control->selection = -1;
  sheet_.Page(active_)->OnControl(id, ControlEvent::kChanged);
  return true;
}

bool HeadlessSheet::Click(int id, std::string* why) {
  if (open_ && CreatedButton(id) != nullptr) {
    sheet_.OnCommand(id);
    return true;
  }
  HeadlessControl* control = Target(id, {ControlKind::kButton, ControlKind::kCheck, ControlKind::kRadio}, why);
  if (control == nullptr) return false;
  if (control->source->kind == ControlKind::kCheck) {
    control->check = (control->source->style & kThreeState) ? (control->check + 1) % 3 : !control->check;
  } else if (control->source->kind == ControlKind::kRadio) {
    ClearRadioGroup(*dialogs_[active_]->DialogOf(id), *control);
    control->check = 1;
  }
  sheet_.Page(active_)->OnControl(id, ControlEvent::kClicked);
  return true;
}

void HeadlessSheet::ClearRadioGroup(HeadlessDialog& dialog, const HeadlessControl& control) {
  // A group runs from a button with kGroupStart over the radio buttons that follow it.
  const std::vector<HeadlessControl>& all = dialog.All();
  size_t at = &control - all.data();
  size_t first = at;
  while (first > 0 && !(all[first].source->style & kGroupStart) && all[first - 1].source->kind == ControlKind::kRadio) {
    --first;
  }
  for (size_t i = first; i < all.size() && all[i].source->kind == ControlKind::kRadio; ++i) {
    if (i > first && (all[i].source->style & kGroupStart)) break;
    dialog.Find(all[i].source->id)->check = 0;
  }
}

bool HeadlessSheet::Select(int id, int index, std::string* why) {
  HeadlessControl* control = Target(id, {ControlKind::kCombo, ControlKind::kList, ControlKind::kCustom}, why);
  if (control == nullptr) return false;
  if (index < -1 || index >= static_cast<int>(control->items.size())) {
    *why = "control " + IdText(id) + " has no item " + std::to_string(index);
    return false;
  }
  dialogs_[active_]->SetSelection(id, index);
  sheet_.Page(active_)->OnControl(id, ControlEvent::kSelectionChanged);
  return true;
}

bool HeadlessSheet::SelectByName(int id, const std::string& name, std::string* why) {
  HeadlessControl* control = Target(id, {ControlKind::kCustom}, why);
  if (control == nullptr) return false;
  for (size_t i = 0; i < control->items.size(); ++i) {
    if (control->items[i].cells[0] == name) return Select(id, static_cast<int>(i), why);
  }
  *why = "control " + IdText(id) + " has no item named so";
  return false;
}

bool HeadlessSheet::EditCell(int id, int row, int column, const std::string& text, std::string* why) {
  HeadlessControl* control = Target(id, {ControlKind::kReport}, why);
  if (control == nullptr) return false;
  int columns = std::max<int>(1, static_cast<int>(control->columns.size()));
  if (row < 0 || row >= static_cast<int>(control->items.size()) || column < 0 || column >= columns) {
    *why = "report " + IdText(id) + " has no cell " + std::to_string(row) + " " + std::to_string(column);
    return false;
  }
  sheet_.Page(active_)->OnCellEdited(id, row, column, text);
  return true;
}

bool HeadlessSheet::ApplyPages() {
  if (active_ >= 0 && !sheet_.Page(active_)->OnKillActive()) return false;
  for (int i = 0; i < sheet_.PageCount(); ++i) {
    if (dialogs_[i] != nullptr && !sheet_.Page(i)->OnApply()) return false;
  }
  changed_.clear();
  return true;
}

bool HeadlessSheet::PressApply() {
  if (!open_) return false;
  if (changed_.empty()) return true;
  if (!ApplyPages()) return false;
  // As the platform's sheet does, the page that stays active is activated again.
  if (active_ >= 0) sheet_.Page(active_)->OnSetActive();
  return true;
}

bool HeadlessSheet::PressOk() {
  if (!open_ || !ApplyPages()) return false;
  End(kIdOk);
  return true;
}

void HeadlessSheet::PressCancel() {
  if (!open_) return;
  for (int i = 0; i < sheet_.PageCount(); ++i) {
    if (dialogs_[i] != nullptr) sheet_.Page(i)->OnReset();
  }
  End(kIdCancel);
}

void HeadlessSheet::End(int result) {
  open_ = false;
  result_ = result;
  changed_.clear();
}

platform::MessageAnswer HeadlessSheet::MessageBox(const std::string& text, platform::MessageButtons buttons,
                                                  platform::MessageIcon icon) {
  if (answers_.empty()) return platform::ShowMessageBox(text, "", buttons, icon);
  // The box is still shown (and logged) by the platform, as a box that needs no answer.
  platform::ShowMessageBox(text, "", platform::MessageButtons::kOk, icon);
  platform::MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

bool HeadlessSheet::OpenFile(const OpenFileRequest&, std::string* path) { return TakePickerAnswer(&files_, path); }

bool HeadlessSheet::PickFolder(const FolderRequest&, std::string* path) { return TakePickerAnswer(&folders_, path); }

int HeadlessSheet::PopupMenu(const std::vector<std::string>&) { return -1; }

}  // namespace zrt::ui
