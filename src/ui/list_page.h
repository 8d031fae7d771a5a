// CListPage: the listing folder and which listings the assembler, the compiler and the
// linker write, kept in ZRT_Output, ZRT_AsmParam, ZRT_CParam and ZRT_Linker.
#pragma once

#include <string>

#include "src/core/abi.h"
#include "src/ui/zrt_property_page.h"

namespace zrt {

// Control ids of the Listing page.
namespace list_page {
constexpr int kFolder = 1074;
constexpr int kChooseFolder = 1075;
constexpr int kAsmListing = 1076;
constexpr int kAsmCrossReference = 1077;
constexpr int kCompilerListing = 1078;
// The linker listing box, then its eight detail boxes, in the order of the linker List value.
constexpr int kLinkerListFieldCount = 9;
constexpr int kLinkerBoxes[kLinkerListFieldCount] = {1079, 1080, 1081, 1082, 1018, 1019, 1083, 1021, 1022};
}  // namespace list_page

class CListPage : public CZRTPropertyPage {
 public:
  // The sheet's copies of the configuration and the four sections; a null one aborts.
  CListPage(HostNode* configuration, HostNode* output, HostNode* compiler, HostNode* assembler, HostNode* linker);

  // The listing boxes enable their details, 选择… picks the folder; every click modifies the page.
  void OnControl(int id, ui::ControlEvent event) override;
  bool DoDataExchange(bool save) override;
  // Sets the options-changed bit, then the base.
  void OnModified() override;
  // Reads OutList and the three List keys, enables the details and shows the file names.
  void LoadSettings() override;
  // Writes OutList (flag 1 once the folder changed) and the three List keys.
  void SaveSettings() override;

 private:
  // Enables the boxes that depend on the assembler and the linker listing.
  void EnableDependentBoxes();
  // Shows the listing file names in the three listing captions.
  void RefreshCaptions();
  // The folder picker; on success the new folder is shown and the page is modified.
  void ChooseFolder();

  HostNode* configuration_;
  HostNode* output_;
  HostNode* compiler_;
  HostNode* assembler_;
  HostNode* linker_;
  std::string m_strFolder;
  int m_bAsmListing = 0;
  int m_bAsmCrossReference = 0;
  int m_bCompilerListing = 0;
  int m_linker[list_page::kLinkerListFieldCount] = {};
};

}  // namespace zrt
