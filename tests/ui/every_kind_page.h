// A page with a control of every kind and two embedded dialogs (one shown), for the
// automation script's test and fuzzer: it fills its lists, records every event in a log,
// and its button 103 opens each dialog the services offer.
#pragma once

#include <string>
#include <vector>

#include "src/ui/framework/ui_script.h"

namespace zrt::ui::testing {

const DialogTemplate kTestTemplate = {
    900,
    "",
    200,
    200,
    {
        {kNoId, ControlKind::kStatic, "unnamed label", kPlain, 0, 0, 10, 10},
        {100, ControlKind::kStatic, "标签", kPlain, 0, 0, 10, 10},
        {101, ControlKind::kEdit, "", kPlain, 0, 0, 10, 10, 5},
        {102, ControlKind::kEdit, "", kReadOnly, 0, 0, 10, 10},
        {103, ControlKind::kButton, "Go", kPlain, 0, 0, 10, 10},
        {104, ControlKind::kCheck, "two", kPlain, 0, 0, 10, 10},
        {105, ControlKind::kCheck, "three", kThreeState, 0, 0, 10, 10},
        {106, ControlKind::kRadio, "A", kGroupStart, 0, 0, 10, 10},
        {107, ControlKind::kRadio, "B", kPlain, 0, 0, 10, 10},
        {108, ControlKind::kCombo, "", kPlain, 0, 0, 10, 10},
        {109, ControlKind::kCombo, "", kEditable, 0, 0, 10, 10},
        {110, ControlKind::kList, "", kDragList, 0, 0, 10, 10},
        {111, ControlKind::kReport, "", kPlain, 0, 0, 10, 10},
        {112, ControlKind::kGroup, "Frame", kPlain, 0, 0, 10, 10},
        {113, ControlKind::kCustom, "", kPlain, 0, 0, 10, 10},
        {114, ControlKind::kEdit, "", kPlain, 0, 0, 10, 10},
        {115, ControlKind::kStatic, "frame", kPlain, 0, 0, 10, 10},
    }};
const DialogTemplate kShownSubPage = {901, "", 10, 10, {{120, ControlKind::kCheck, "sub A", kPlain, 0, 0, 5, 5}}};
const DialogTemplate kHiddenSubPage = {902, "", 10, 10, {{121, ControlKind::kCheck, "sub B", kPlain, 0, 0, 5, 5}}};

// A page that fills its controls and records every event; button 103 opens each dialog.
class TestPage : public PropertyPage {
 public:
  explicit TestPage(std::vector<std::string>* log) : PropertyPage(kTestTemplate), log_(log) {}
  bool OnInitDialog() override {
    DialogControls& c = *Controls();
    for (const char* item : {"甲", "乙"}) c.InsertItem(108, -1, item);
    for (const char* item : {"x", "y", "z"}) c.InsertItem(110, -1, item);
    c.AddColumn(111, "Name", 40);
    c.AddColumn(111, "Size", 40);
    c.InsertItem(111, -1, "RAM");
    c.SetCellText(111, 0, 1, "0x100");
    for (const char* item : {"LPC2148", "STM32F103"}) c.InsertItem(113, -1, item);
    c.Enable(114, false);
    c.EmbedDialog(kShownSubPage, 115);
    c.EmbedDialog(kHiddenSubPage, 115);
    c.ShowEmbedded(901, true);
    c.SetCheck(121, 1);  // the page reaches a hidden sub-page's controls
    return true;
  }
  bool OnSetActive() override {
    log_->push_back("active " + std::to_string(Template().id));
    return true;
  }
  void OnControl(int id, ControlEvent event) override {
    log_->push_back(std::to_string(id) + ":" + std::to_string(static_cast<int>(event)));
    if (id != 103) return;
    std::string path = "none";
    Services()->OpenFile({}, &path);
    std::string folder = "none";
    Services()->PickFolder({}, &folder);
    int answer = static_cast<int>(Services()->MessageBox("?", platform::MessageButtons::kYesNo,
                                                         platform::MessageIcon::kQuestion));
    log_->push_back("file " + path + " folder " + folder + " answer " + std::to_string(answer));
  }
  void OnReset() override { log_->push_back("reset"); }
  bool OnApply() override {
    log_->push_back("apply");
    return true;
  }

 private:
  std::vector<std::string>* log_;
};

}  // namespace zrt::ui::testing
