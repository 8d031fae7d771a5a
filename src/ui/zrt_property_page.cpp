#include "src/ui/zrt_property_page.h"

#include <cctype>
#include <cstdlib>

#include "src/ui/framework/property_sheet.h"
#include "src/ui/dialog_templates.h"

namespace zrt {

CZRTPropertyPage::CZRTPropertyPage(int templateId) : ui::PropertyPage(DialogTemplateById(templateId)) {}

void CZRTPropertyPage::OnModified() {
  SetModified(true);
  m_bNeedSave = true;
  m_bModified = true;
}

bool CZRTPropertyPage::OnInitDialog() {
  ui::PropertyPage::OnInitDialog();
  return true;
}

bool CZRTPropertyPage::OnSetActive() {
  if (m_bApplied) {
    m_bApplied = false;
    return true;
  }
  LoadSettings();
  UpdateData(false);
  return ui::PropertyPage::OnSetActive();
}

bool CZRTPropertyPage::OnKillActive() {
  if (m_bNeedSave) {
    m_bNeedSave = false;
    UpdateData(true);
    SaveSettings();
  }
  return ui::PropertyPage::OnKillActive();
}

bool CZRTPropertyPage::OnApply() {
  m_bApplied = true;
  if (m_bModified && Sheet() != nullptr) {
    intptr_t bits = (m_bOptionsChanged ? 2 : 0) + (m_bLinkerChanged ? 1 : 0);
    Sheet()->SendMessage(WM_PAGE_APPLY, reinterpret_cast<uintptr_t>(m_pNewDevice), bits);
  }
  return ui::PropertyPage::OnApply();
}

void CZRTPropertyPage::OnReset() {
  if (m_bModified && Sheet() != nullptr) Sheet()->SendMessage(WM_PAGE_CANCEL, 0, 0);
  ui::PropertyPage::OnReset();
}

ui::DialogControls* CZRTPropertyPage::ControlsWith(int id) {
  return Controls() != nullptr && Controls()->Has(id) ? Controls() : nullptr;
}

int CZRTPropertyPage::SelectComboItem(int id, int index) {
  ui::DialogControls* controls = ControlsWith(id);
  if (controls == nullptr) return 0;
  controls->SetSelection(id, index);
  return 1;
}

int CZRTPropertyPage::GetComboSelection(int id) {
  ui::DialogControls* controls = ControlsWith(id);
  return controls ? controls->Selection(id) : -1;
}

int CZRTPropertyPage::SetControlText(int id, const std::string& text) {
  ui::DialogControls* controls = ControlsWith(id);
  if (controls == nullptr) return 0;
  controls->SetText(id, text);
  return 1;
}

int CZRTPropertyPage::EnableControl(int id, bool enabled) {
  ui::DialogControls* controls = ControlsWith(id);
  if (controls == nullptr) return 0;
  controls->Enable(id, enabled);
  return 1;
}

int CZRTPropertyPage::SetEditCaret(int id, int position) {
  ui::DialogControls* controls = ControlsWith(id);
  if (controls == nullptr) return 0;
  controls->SetFocus(id);
  controls->SetCaret(id, position);
  return 1;
}

platform::MessageAnswer CZRTPropertyPage::MessageBox(const std::string& text, platform::MessageButtons buttons) {
  if (Services() != nullptr) return Services()->MessageBox(text, buttons, platform::MessageIcon::kNone);
  return platform::ShowMessageBox(text, "", buttons, platform::MessageIcon::kNone);
}

int CZRTPropertyPage::ParseNumber(const std::string& text, int errorSelector, uint32_t* out) {
  std::string lower = text;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  bool hex = lower.size() > 2 && lower.compare(0, 2, "0x") == 0;
  for (size_t i = hex ? 2 : 0; i < lower.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(lower[i]);
    if (!(std::isdigit(c) || (hex && c >= 'a' && c <= 'f'))) return errorSelector != 0 ? 5 : 4;
  }
  if (lower.empty()) return 0;
  *out = hex ? static_cast<uint32_t>(std::strtoull(lower.c_str() + 2, nullptr, 16))
             : static_cast<uint32_t>(std::strtoll(lower.c_str(), nullptr, 10));
  return 0;
}

int CZRTPropertyPage::CheckDefineText(std::string* text) {
  for (size_t i = 0; i < text->size(); ++i) {
    unsigned char c = static_cast<unsigned char>((*text)[i]);
    if (std::isalnum(c) || std::isspace(c) || c == '_' || c == '=') continue;
    text->erase(i, 1);
    MessageBox("输出错误!!!\r\n应该使用如下格式输入：USE_CLK _PLLCON E234");
    UpdateData(false);
    return 0;
  }
  return 1;
}

}  // namespace zrt
