#include "src/ui/output_page.h"

#include <cstdlib>
#include <cstring>

#include "src/core/host_node.h"
#include "src/ui/dialog_templates.h"
#include "src/ui/folder_picker.h"
#include "src/ui/framework/data_exchange.h"

namespace zrt {

using namespace output_page;

COutputPage::COutputPage(HostNode* output) : CZRTPropertyPage(IDD_OUTPUT), output_(output) {
  if (output == nullptr) std::abort();
}

bool COutputPage::OnInitDialog() {
  CZRTPropertyPage::OnInitDialog();
  for (const char* item : {"None", "HEX文件", "BIN文件"}) Controls()->InsertItem(kConversion, -1, item);
  return true;
}

void COutputPage::OnControl(int id, ui::ControlEvent event) {
  if (id == kName && event == ui::ControlEvent::kChanged) {
    UpdateData(true);
    RefreshCaptions();
    OnModified();
  } else if (id == kChooseFolder && event == ui::ControlEvent::kClicked) {
    ChooseFolder();
  } else if (event == ui::ControlEvent::kClicked || event == ui::ControlEvent::kSelectionChanged) {
    OnModified();
  }
}

bool COutputPage::DoDataExchange(bool save) {
  ui::DataExchange dx(Controls(), save);
  dx.Text(kFolder, &m_strFolder);
  dx.Text(kName, &m_strName);
  dx.Radio({kExecutable, kLibrary}, &m_nType);
  dx.Check(kDebug, &m_bDebug);
  dx.Check(kBrowse, &m_bBrowse);
  dx.Check(kBatch, &m_bBatch);
  dx.Selection(kConversion, &m_nConversion);
  return true;
}

void COutputPage::OnModified() {
  m_bOptionsChanged = true;
  CZRTPropertyPage::OnModified();
}

void COutputPage::OnDefaults() {
  UpdateData(true);  // keeps a name typed but not yet saved
  m_bDebug = 1;
  m_bBatch = m_bBrowse = 0;
  m_nType = 0;
  m_nConversion = 0;
  UpdateData(false);
  SetModified(true);
}

void COutputPage::LoadSettings() {
  // OutName is a one-digit flag, a comma and the path of the image without extension.
  const char* stored = GetAttribute(output_, "OutName");
  std::string outName = stored ? stored : "";
  size_t slash = outName.rfind('\\');
  if (slash == std::string::npos) {
    m_strName = "unkown";
    m_strFolder.clear();
  } else {
    m_strName = outName.substr(slash + 1);
    m_strFolder = slash > 2 ? outName.substr(2, slash - 2) : std::string();
  }
  m_nType = IntAttribute(output_, "OutType") - 1;
  m_bDebug = IntAttribute(output_, "Debug");
  m_bBatch = IntAttribute(output_, "OutBatch");
  m_bBrowse = IntAttribute(output_, "Browse");
  m_nConversion = IntAttribute(output_, "OutHex");
  RefreshCaptions();
}

void COutputPage::SaveSettings() {
  std::string path = m_strFolder + "\\" + m_strName;
  const char* outName = GetAttribute(output_, "OutName");
  const char* comma = outName ? std::strchr(outName, ',') : nullptr;
  if (comma == nullptr || path != comma + 1) SetAttribute(output_, "OutName", ("1," + path).c_str());
  SetAttributeInt(output_, "OutType", m_nType + 1);
  SetAttributeInt(output_, "Debug", m_bDebug);
  SetAttributeInt(output_, "OutBatch", m_bBatch);
  SetAttributeInt(output_, "Browse", m_bBrowse);
  SetAttributeInt(output_, "OutHex", m_nConversion);
}

void COutputPage::RefreshCaptions() {
  std::string base = m_strFolder + "\\" + m_strName;
  SetControlText(kExecutable, "创建可执行文件:" + base + ".axf");
  SetControlText(kLibrary, "创建库文件:" + base + ".lib");
}

void COutputPage::ChooseFolder() {
  UpdateData(true);  // keeps the other controls' unsaved changes
  if (!PickProjectFolder(*Services(), &m_strFolder)) return;
  RefreshCaptions();
  UpdateData(false);
  OnModified();
}

}  // namespace zrt
