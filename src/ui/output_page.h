// COutputPage: folder and name of the linked image or library, HEX or BIN conversion,
// debug and browse information and the batch file, kept in ZRT_Output.
#pragma once

#include <string>

#include "src/core/abi.h"
#include "src/ui/zrt_property_page.h"

namespace zrt {

// Control ids of the Output page.
namespace output_page {
constexpr int kFolder = 1066;
constexpr int kChooseFolder = 1068;
constexpr int kName = 1067;
constexpr int kExecutable = 1023;
constexpr int kLibrary = 1069;
constexpr int kDebug = 1070;
constexpr int kBrowse = 1072;
constexpr int kBatch = 1073;
constexpr int kConversion = 1144;
}  // namespace output_page

class COutputPage : public CZRTPropertyPage {
 public:
  // output: the sheet's ZRT_Output copy; null aborts.
  explicit COutputPage(HostNode* output);

  // Fills the conversion combo.
  bool OnInitDialog() override;
  // The name refreshes the captions, 选择… picks the folder; every change modifies the page.
  void OnControl(int id, ui::ControlEvent event) override;
  bool DoDataExchange(bool save) override;
  // Sets the options-changed bit, then the base.
  void OnModified() override;
  // Debug information on, batch file and browse information off, executable, no
  // conversion; folder and name kept.
  void OnDefaults() override;
  // Splits OutName into folder and name and reads the other keys.
  void LoadSettings() override;
  // Rewrites OutName as "1," + path only when the path changed, then the other keys.
  void SaveSettings() override;

 private:
  // Shows the resulting image and library names in the two radio captions.
  void RefreshCaptions();
  // The folder picker; on success the new folder is shown and the page is modified.
  void ChooseFolder();

  HostNode* output_;
  std::string m_strFolder;
  std::string m_strName;
  int m_nType = 0;  // 0 executable, 1 library
  int m_bDebug = 0;
  int m_bBrowse = 0;
  int m_bBatch = 0;
  int m_nConversion = 0;  // 0 none, 1 HEX, 2 BIN
};

}  // namespace zrt
