// CZRTSettingsDlg: the modal settings sheet of a target, a file group or a file. It
// makes the copies its pages edit, holds the pages of its kind, and collects what the
// pages report at apply time for the opener that writes the copies back.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "src/core/abi.h"
#include "src/ui/framework/property_sheet.h"
#include "src/ui/settings_pages.h"
#include "src/ui/zrt_property_page.h"

namespace zrt {

// Sheet kinds besides a file's FileType.
constexpr int kTargetSheet = 255;
constexpr int kGroupSheet = 254;
// The sheet's 默认值 button.
constexpr int IDC_DEFAULTS = 2054;
// The six sections of a target, in the order the target sheet copies and commits them.
extern const char* const kTargetSections[6];

class CZRTSettingsDlg : public ui::PropertySheet {
 public:
  // configuration: the stored active configuration; configurationCopy: its copy (target
  // sheet) or null; third: the group copy (254), the file's stored section (1, 2, 3) or
  // the file node (other kinds).
  CZRTSettingsDlg(HostNode* configuration, HostNode* configurationCopy, HostNode* third, int kind,
                  const std::string& caption);
  ~CZRTSettingsDlg() override;

  // The sheet's copy of section name (ZRT_Output ... ZRT_Debug, ZRT_CParam, ZRT_AsmParam); null when none.
  HostNode* SectionCopy(const char* name) const;
  // The sheet's copy of the file node (file sheets of kinds 1, 2, 3, 10, 11); null otherwise.
  HostNode* FileCopy() const { return fileCopy_; }

  bool m_bModified = false;
  bool m_bOptionsChanged = false;
  bool m_bLinkerChanged = false;
  const DeviceRecord* m_pNewDevice = nullptr;

  // Tab texts, the first page, and the 默认值 button left of OK.
  void OnInitDialog() override;
  // WM_PAGE_APPLY and WM_PAGE_CANCEL.
  intptr_t OnMessage(unsigned message, uintptr_t wParam, intptr_t lParam) override;
  // IDC_DEFAULTS: the active page's OnDefaults.
  void OnCommand(int id) override;

 private:
  // Deep-copies source as the sheet's copy of name; the copy, or null.
  HostNode* KeepCopy(const char* name, const HostNode* source);
  // The inputs of the target sheet's pages; false when a section is missing.
  bool TargetInputs(HostNode* configuration, HostNode* configurationCopy, PageInputs* inputs);
  // The inputs of group and file sheets.
  PageInputs OverrideInputs(HostNode* configuration, HostNode* third, int kind);

  SheetLayout layout_;
  std::vector<std::unique_ptr<CZRTPropertyPage>> pages_;
  std::vector<std::pair<std::string, HostNode*>> copies_;
  HostNode* fileCopy_ = nullptr;
};

}  // namespace zrt
