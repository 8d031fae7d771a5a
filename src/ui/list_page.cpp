#include "src/ui/list_page.h"

#include <cstdlib>
#include <cstring>

#include "src/config/section_values.h"
#include "src/core/host_node.h"
#include "src/ui/dialog_templates.h"
#include "src/ui/folder_picker.h"
#include "src/ui/framework/data_exchange.h"

namespace zrt {

using namespace list_page;

namespace {

// The text of value after its first comma; null when it has none.
const char* AfterComma(const char* value) {
  const char* comma = value ? std::strchr(value, ',') : nullptr;
  return comma ? comma + 1 : nullptr;
}

}  // namespace

CListPage::CListPage(HostNode* configuration, HostNode* output, HostNode* compiler, HostNode* assembler,
                     HostNode* linker)
    : CZRTPropertyPage(IDD_LISTING),
      configuration_(configuration),
      output_(output),
      compiler_(compiler),
      assembler_(assembler),
      linker_(linker) {
  if (!configuration || !output || !compiler || !assembler || !linker) std::abort();
}

void CListPage::OnControl(int id, ui::ControlEvent event) {
  if (event != ui::ControlEvent::kClicked) return;
  if (id == kChooseFolder) {
    ChooseFolder();
    return;
  }
  if (id == kAsmListing || id == kLinkerBoxes[0]) {
    UpdateData(true);
    EnableDependentBoxes();
  }
  OnModified();
}

bool CListPage::DoDataExchange(bool save) {
  ui::DataExchange dx(Controls(), save);
  dx.Text(kFolder, &m_strFolder);
  dx.Check(kAsmListing, &m_bAsmListing);
  dx.Check(kAsmCrossReference, &m_bAsmCrossReference);
  dx.Check(kCompilerListing, &m_bCompilerListing);
  for (int i = 0; i < kLinkerListFieldCount; ++i) dx.Check(kLinkerBoxes[i], &m_linker[i]);
  return true;
}

void CListPage::OnModified() {
  m_bOptionsChanged = true;
  CZRTPropertyPage::OnModified();
}

void CListPage::LoadSettings() {
  const char* folder = AfterComma(GetAttribute(output_, "OutList"));
  m_strFolder = folder ? folder : "unkown";
  int assembler[2] = {m_bAsmListing, m_bAsmCrossReference};
  ReadFlags(GetAttribute(assembler_, "List"), assembler, 2);
  m_bAsmListing = assembler[0];
  m_bAsmCrossReference = assembler[1];
  m_bCompilerListing = IntAttribute(compiler_, "List");
  ReadFlags(GetAttribute(linker_, "List"), m_linker, kLinkerListFieldCount);
  EnableDependentBoxes();
  RefreshCaptions();
}

void CListPage::SaveSettings() {
  const char* stored = AfterComma(GetAttribute(output_, "OutList"));
  if (stored == nullptr) {
    SetAttribute(output_, "OutList", ("0," + m_strFolder).c_str());
  } else if (m_strFolder != stored) {
    SetAttribute(output_, "OutList", ("1," + m_strFolder).c_str());
  }
  int assembler[2] = {m_bAsmListing, m_bAsmCrossReference};
  SetAttribute(assembler_, "List", FormatFlags(assembler, 2).c_str());
  SetAttributeInt(compiler_, "List", m_bCompilerListing);
  SetAttribute(linker_, "List", FormatFlags(m_linker, kLinkerListFieldCount).c_str());
}

void CListPage::EnableDependentBoxes() {
  EnableControl(kAsmCrossReference, m_bAsmListing != 0);
  for (int i = 1; i < kLinkerListFieldCount; ++i) EnableControl(kLinkerBoxes[i], m_linker[0] != 0);
}

void CListPage::RefreshCaptions() {
  const char* name = GetAttribute(output_, "OutName");
  const char* slash = name && std::strlen(name) > 2 ? std::strrchr(name, '\\') : nullptr;
  std::string image = slash ? slash + 1 : "Unkown";
  const char* configurationName = GetAttribute(configuration_, "Name");
  std::string objectFolder = std::string(".\\") + (configurationName ? configurationName : "");
  SetControlText(kAsmListing, "汇编列表(&A):" + m_strFolder + "\\*.list");
  SetControlText(kCompilerListing, "&C 编译列表:" + objectFolder + "\\*.txt");
  SetControlText(kLinkerBoxes[0], "连接列表(&i):" + m_strFolder + "\\" + image + ".map");
}

void CListPage::ChooseFolder() {
  UpdateData(true);  // keeps the boxes' unsaved changes
  if (!PickProjectFolder(*Services(), &m_strFolder)) return;
  RefreshCaptions();
  UpdateData(false);
  OnModified();
}

}  // namespace zrt
