#include "src/ui/framework/data_exchange.h"

namespace zrt::ui {

void DataExchange::Text(int id, std::string* field) {
  if (controls_ == nullptr) return;
  if (save_) {
    *field = controls_->Text(id);
  } else {
    controls_->SetText(id, *field);
  }
}

void DataExchange::Check(int id, int* field) {
  if (controls_ == nullptr) return;
  if (save_) {
    *field = controls_->Check(id);
  } else {
    controls_->SetCheck(id, *field);
  }
}

void DataExchange::Selection(int id, int* field) {
  if (controls_ == nullptr) return;
  if (save_) {
    *field = controls_->Selection(id);
  } else {
    controls_->SetSelection(id, *field);
  }
}

void DataExchange::Radio(const int* ids, int count, int* field) {
  if (controls_ == nullptr) return;
  if (save_) *field = -1;
  for (int index = 0; index < count; ++index) {
    if (save_ && controls_->Check(ids[index]) != 0 && *field < 0) *field = index;
    if (!save_) controls_->SetCheck(ids[index], index == *field ? 1 : 0);
  }
}

}  // namespace zrt::ui
