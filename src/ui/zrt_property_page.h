// CZRTPropertyPage: the base of every settings page. It keeps the page's change flags,
// turns the platform's activation, deactivation, apply and cancel into LoadSettings and
// SaveSettings calls and tells the sheet what changed, and offers the small utilities
// all pages share.
#pragma once

#include <cstdint>
#include <string>

#include "src/core/abi.h"
#include "src/ui/framework/property_page.h"

namespace zrt {

// Messages a page sends to its sheet.
constexpr unsigned WM_PAGE_APPLY = 0x0464;   // wParam: new device record or 0; lParam: change bits
constexpr unsigned WM_PAGE_CANCEL = 0x0465;  // a modified page was cancelled

class CZRTPropertyPage : public ui::PropertyPage {
 public:
  // A page built from dialog template templateId (one of the sheet's templates).
  explicit CZRTPropertyPage(int templateId);

  bool m_bNeedSave = false;        // the controls changed since the page was last left
  bool m_bApplied = false;         // apply ran; the next activation does not reload
  bool m_bModified = false;        // the page changed something since the sheet opened
  bool m_bOptionsChanged = false;  // change bit 1
  bool m_bLinkerChanged = false;   // change bit 0
  const DeviceRecord* m_pNewDevice = nullptr;  // a newly chosen device (Device page)

  // A control changed: marks the page changed for the sheet and sets m_bNeedSave and m_bModified.
  virtual void OnModified();
  // Restores default values into the controls; the base has none.
  virtual void OnDefaults() {}
  // Writes the controls' values into the section copies; the base has none.
  virtual void SaveSettings() {}
  // Fills the controls from the section copies; the base has none.
  virtual void LoadSettings() {}

  bool OnInitDialog() override;
  // With m_bApplied set: clears it and accepts without reloading; else loads.
  bool OnSetActive() override;
  // Saves the controls when they changed, then validates.
  bool OnKillActive() override;
  // Sets m_bApplied and, when modified, sends WM_PAGE_APPLY with the change bits.
  bool OnApply() override;
  // Sends WM_PAGE_CANCEL when modified.
  void OnReset() override;

  // Utilities; each does nothing and answers 0 (the combo getter -1) when the control is missing.

  // Selects item index of a combo; 1 when done.
  int SelectComboItem(int id, int index);
  // The selected index of a combo; -1 when none or missing.
  int GetComboSelection(int id);
  // Sets a control's text; 1 when done.
  int SetControlText(int id, const std::string& text);
  // Enables or disables a control; 1 when done.
  int EnableControl(int id, bool enabled);
  // Places an edit's caret at position and scrolls it into view; 1 when done.
  int SetEditCaret(int id, int position);
  // Shows a message box through the sheet's dialogs (the platform's before the window exists).
  platform::MessageAnswer MessageBox(const std::string& text,
                                     platform::MessageButtons buttons = platform::MessageButtons::kOk);

  // Reads text as decimal or "0x" hexadecimal into *out: 0 on success (an empty text
  // stores nothing), else 5 when errorSelector is non-zero, 4 otherwise (nothing stored).
  static int ParseNumber(const std::string& text, int errorSelector, uint32_t* out);
  // 1 when text holds only letters, digits, white space, '_' and '='; else deletes the
  // first other character, shows the format message, copies the fields to the controls
  // and answers 0.
  int CheckDefineText(std::string* text);

 private:
  // The page's controls when the window exists and has id; null otherwise.
  ui::DialogControls* ControlsWith(int id);
};

}  // namespace zrt
