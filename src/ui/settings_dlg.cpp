#include "src/ui/settings_dlg.h"

#include "src/core/host_node.h"
#include "src/core/project_context.h"

namespace zrt {

const char* const kTargetSections[6] = {"ZRT_Output",   "ZRT_User",   "ZRT_CParam",
                                        "ZRT_AsmParam", "ZRT_Linker", "ZRT_Debug"};

CZRTSettingsDlg::CZRTSettingsDlg(HostNode* configuration, HostNode* configurationCopy, HostNode* third, int kind,
                                 const std::string& caption)
    : ui::PropertySheet(kind, caption), layout_(LayoutOfKind(kind)) {
  PageInputs inputs;
  if (kind == kTargetSheet) {
    if (!TargetInputs(configuration, configurationCopy, &inputs)) return;
  } else {
    inputs = OverrideInputs(configuration, third, kind);
  }
  for (const PageRow& row : layout_.pages) {
    pages_.push_back(CreatePage(row, inputs));
    AddPage(pages_.back().get());
  }
}

CZRTSettingsDlg::~CZRTSettingsDlg() {
  pages_.clear();
  for (auto& copy : copies_) DestroyNode(copy.second);
  DestroyNode(fileCopy_);
}

HostNode* CZRTSettingsDlg::KeepCopy(const char* name, const HostNode* source) {
  HostNode* copy = source ? CloneNode(source) : nullptr;
  if (copy != nullptr) copies_.emplace_back(name, copy);
  return copy;
}

HostNode* CZRTSettingsDlg::SectionCopy(const char* name) const {
  for (const auto& copy : copies_) {
    if (copy.first == name) return copy.second;
  }
  return nullptr;
}

bool CZRTSettingsDlg::TargetInputs(HostNode* configuration, HostNode* configurationCopy, PageInputs* inputs) {
  for (const char* name : kTargetSections) {
    if (KeepCopy(name, FindChild(configuration, name)) == nullptr) return false;
  }
  inputs->configuration = configurationCopy;
  inputs->output = SectionCopy("ZRT_Output");
  inputs->user = SectionCopy("ZRT_User");
  inputs->compiler = SectionCopy("ZRT_CParam");
  inputs->assembler = SectionCopy("ZRT_AsmParam");
  inputs->linker = SectionCopy("ZRT_Linker");
  inputs->debug = SectionCopy("ZRT_Debug");
  inputs->objectName = "*.o";
  return true;
}

PageInputs CZRTSettingsDlg::OverrideInputs(HostNode* configuration, HostNode* third, int kind) {
  PageInputs inputs;
  inputs.configuration = configuration;
  inputs.output = FindChild(configuration, "ZRT_Output");
  const char* current = Context().currentConfigurationName.c_str();
  if (kind == kGroupSheet) {
    inputs.node = third;
    inputs.sourceLevel = inputs.fileLevel = true;
    inputs.compiler = KeepCopy("ZRT_CParam", FindSectionByName(third, "ZRT_CParam", current));
    inputs.assembler = KeepCopy("ZRT_AsmParam", FindSectionByName(third, "ZRT_AsmParam", current));
    inputs.objectName = "*.o";
  } else if (kind == 1 || kind == 2 || kind == 3) {
    HostNode* copy = KeepCopy(kind == 2 ? "ZRT_AsmParam" : "ZRT_CParam", third);
    (kind == 2 ? inputs.assembler : inputs.compiler) = copy;
    fileCopy_ = CloneNode(third ? third->parent : nullptr);
    inputs.node = fileCopy_;
    inputs.sourceLevel = inputs.fileLevel = true;
    inputs.storedSection = third;
    const char* output = GetAttribute(third ? third->parent : nullptr, "Output");
    inputs.objectName = output ? output : "";
  } else if (kind == 10 || kind == 11) {
    fileCopy_ = CloneNode(third);
    inputs.node = fileCopy_;
  } else {
    inputs.node = third;
  }
  return inputs;
}

void CZRTSettingsDlg::OnInitDialog() {
  ui::SheetWindow* window = Window();
  for (int i = 0; i < PageCount(); ++i) window->SetTabText(i, layout_.pages[i].title);
  if (layout_.firstPage < PageCount()) window->SetActivePage(layout_.firstPage);
  ui::Rect ok = window->ButtonRect(ui::kIdOk);
  ui::Rect cancel = window->ButtonRect(ui::kIdCancel);
  int w = ok.Width();
  int g = cancel.left - ok.right;
  window->CreateButton(IDC_DEFAULTS, "默认值", {ok.left - 2 * w - g, ok.top, ok.left - w - g, ok.bottom});
}

intptr_t CZRTSettingsDlg::OnMessage(unsigned message, uintptr_t wParam, intptr_t lParam) {
  if (message == WM_PAGE_APPLY) {
    m_bModified = true;
    if (lParam & 1) m_bLinkerChanged = true;
    if (lParam & 2) m_bOptionsChanged = true;
    if (wParam != 0) m_pNewDevice = reinterpret_cast<const DeviceRecord*>(wParam);
  } else if (message == WM_PAGE_CANCEL) {
    m_bModified = true;
  }
  return 0;
}

void CZRTSettingsDlg::OnCommand(int id) {
  int active = Window() != nullptr ? Window()->ActivePage() : -1;
  if (id == IDC_DEFAULTS && active >= 0 && active < static_cast<int>(pages_.size())) pages_[active]->OnDefaults();
}

}  // namespace zrt
