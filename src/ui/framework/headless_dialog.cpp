#include "src/ui/framework/headless_dialog.h"

#include <iterator>

#include "src/ui/framework/tool_bar.h"

namespace zrt::ui {

HeadlessDialog::HeadlessDialog(const DialogTemplate& dialogTemplate) : template_(dialogTemplate) {
  for (const ControlTemplate& control : dialogTemplate.controls) {
    HeadlessControl state;
    state.source = &control;
    state.text = control.label ? control.label : "";
    if (control.kind == ControlKind::kEdit || control.kind == ControlKind::kCombo) state.text.clear();
    if (control.style & kToolBar) state.tips.assign(std::begin(kToolBarNames), std::end(kToolBarNames));
    controls_.push_back(state);
  }
}

HeadlessDialog* HeadlessDialog::DialogOf(int id) {
  for (HeadlessControl& control : controls_) {
    if (id != kNoId && control.source->id == id) return this;
  }
  for (Embedded& embedded : embedded_) {
    HeadlessDialog* holder = embedded.visible ? embedded.dialog->DialogOf(id) : nullptr;
    if (holder != nullptr) return holder;
  }
  return nullptr;
}

HeadlessControl* HeadlessDialog::Find(int id) {
  HeadlessDialog* holder = DialogOf(id);
  if (holder == nullptr) return nullptr;
  for (HeadlessControl& control : holder->controls_) {
    if (control.source->id == id) return &control;
  }
  return nullptr;
}

const HeadlessControl* HeadlessDialog::Find(int id) const { return const_cast<HeadlessDialog*>(this)->Find(id); }

std::vector<const HeadlessControl*> HeadlessDialog::Visible() const {
  std::vector<const HeadlessControl*> visible;
  for (const HeadlessControl& control : controls_) visible.push_back(&control);
  for (const Embedded& embedded : embedded_) {
    if (!embedded.visible) continue;
    for (const HeadlessControl* control : embedded.dialog->Visible()) visible.push_back(control);
  }
  return visible;
}

HeadlessControl* HeadlessDialog::Lookup(int id) const {
  // The page reaches every embedded dialog's controls, shown or not.
  for (HeadlessControl& control : controls_) {
    if (id != kNoId && control.source->id == id) return &control;
  }
  for (const Embedded& embedded : embedded_) {
    if (embedded.dialog->Template().Find(id) != nullptr) return embedded.dialog->Lookup(id);
  }
  missing_.insert(id);
  return nullptr;
}

Rect HeadlessDialog::ItemRect(int id, int index) const {
  // Dialog units taken as one and a half pixels wide; items one line of the font high.
  constexpr int kItemHeight = 16;
  const HeadlessControl* control = Lookup(id);
  int width = control ? control->source->cx * 3 / 2 : 0;
  return {0, index * kItemHeight, width, (index + 1) * kItemHeight};
}

void HeadlessDialog::ShowInPlaceEditor(int id, const Rect& editRect, const Rect& buttonRect, const std::string& text) {
  if (HeadlessControl* control = Lookup(id)) control->editor = {true, editRect, buttonRect, text};
}

void HeadlessDialog::HideInPlaceEditor(int id) {
  if (HeadlessControl* control = Lookup(id)) control->editor.visible = false;
  focus_ = id;
}

void HeadlessDialog::EmbedDialog(const DialogTemplate& dialogTemplate, int frameId) {
  if (Lookup(frameId) == nullptr) return;
  embedded_.push_back({std::make_unique<HeadlessDialog>(dialogTemplate), false});
}

void HeadlessDialog::ShowEmbedded(int templateId, bool visible) {
  for (Embedded& embedded : embedded_) {
    if (embedded.dialog->Template().id == templateId) embedded.visible = visible;
  }
}

HeadlessControl::Item* HeadlessDialog::ItemAt(int id, int index) const {
  HeadlessControl* control = Lookup(id);
  if (control == nullptr || index < 0 || index >= static_cast<int>(control->items.size())) return nullptr;
  return &control->items[index];
}

bool HeadlessDialog::Has(int id) const { return Lookup(id) != nullptr; }

std::string HeadlessDialog::Text(int id) const {
  const HeadlessControl* control = Lookup(id);
  return control ? control->text : std::string();
}

void HeadlessDialog::SetText(int id, const std::string& text) {
  if (HeadlessControl* control = Lookup(id)) control->text = text;
}

int HeadlessDialog::Check(int id) const {
  const HeadlessControl* control = Lookup(id);
  return control ? control->check : 0;
}

void HeadlessDialog::SetCheck(int id, int state) {
  if (HeadlessControl* control = Lookup(id)) control->check = state;
}

bool HeadlessDialog::IsEnabled(int id) const {
  const HeadlessControl* control = Lookup(id);
  return control != nullptr && control->enabled;
}

void HeadlessDialog::Enable(int id, bool enabled) {
  if (HeadlessControl* control = Lookup(id)) control->enabled = enabled;
}

void HeadlessDialog::ClearItems(int id) {
  if (HeadlessControl* control = Lookup(id)) {
    control->items.clear();
    control->selection = -1;
  }
}

int HeadlessDialog::InsertItem(int id, int index, const std::string& text) {
  HeadlessControl* control = Lookup(id);
  if (control == nullptr) return -1;
  int count = static_cast<int>(control->items.size());
  if (index < 0 || index > count) index = count;
  control->items.insert(control->items.begin() + index, HeadlessControl::Item{{text}, 0});
  if (control->selection >= index) ++control->selection;
  return index;
}

void HeadlessDialog::DeleteItem(int id, int index) {
  HeadlessControl* control = Lookup(id);
  if (ItemAt(id, index) == nullptr) return;
  control->items.erase(control->items.begin() + index);
  if (control->selection == index) {
    control->selection = -1;
  } else if (control->selection > index) {
    --control->selection;
  }
}

int HeadlessDialog::ItemCount(int id) const {
  const HeadlessControl* control = Lookup(id);
  return control ? static_cast<int>(control->items.size()) : 0;
}

std::string HeadlessDialog::ItemText(int id, int index) const {
  const HeadlessControl::Item* item = ItemAt(id, index);
  return item ? item->cells[0] : std::string();
}

uintptr_t HeadlessDialog::ItemData(int id, int index) const {
  const HeadlessControl::Item* item = ItemAt(id, index);
  return item ? item->data : 0;
}

void HeadlessDialog::SetItemData(int id, int index, uintptr_t data) {
  if (HeadlessControl::Item* item = ItemAt(id, index)) item->data = data;
}

int HeadlessDialog::Selection(int id) const {
  const HeadlessControl* control = Lookup(id);
  return control ? control->selection : -1;
}

void HeadlessDialog::SetSelection(int id, int index) {
  HeadlessControl* control = Lookup(id);
  if (control == nullptr) return;
  control->selection = index >= 0 && index < static_cast<int>(control->items.size()) ? index : -1;
  // A drop-down list shows its selected item as its text.
  if (control->source->kind == ControlKind::kCombo || control->source->kind == ControlKind::kCustom) {
    control->text = control->selection >= 0 ? control->items[control->selection].cells[0] : std::string();
  }
}

void HeadlessDialog::AddColumn(int id, const std::string& title, int) {
  if (HeadlessControl* control = Lookup(id)) control->columns.push_back(title);
}

std::string HeadlessDialog::CellText(int id, int row, int column) const {
  const HeadlessControl::Item* item = ItemAt(id, row);
  if (item == nullptr || column < 0 || column >= static_cast<int>(item->cells.size())) return std::string();
  return item->cells[column];
}

void HeadlessDialog::SetCellText(int id, int row, int column, const std::string& text) {
  HeadlessControl::Item* item = ItemAt(id, row);
  if (item == nullptr || column < 0) return;
  if (column >= static_cast<int>(item->cells.size())) item->cells.resize(column + 1);
  item->cells[column] = text;
}

void HeadlessDialog::SetFocus(int id) {
  if (Lookup(id) != nullptr) focus_ = id;
}

void HeadlessDialog::SetCaret(int id, int position) {
  if (HeadlessControl* control = Lookup(id)) control->caret = position;
}

}  // namespace zrt::ui
