// CTargetPage: the target's device, clock, operating system, code generation options and
// memory layout of five read-only and five read-write areas. The layout is validated area
// by area and for overlap, and written only when all of it passes.
#pragma once

#include <cstdint>
#include <string>

#include "src/config/memory_areas.h"
#include "src/core/abi.h"
#include "src/ui/zrt_property_page.h"

namespace zrt {

// Control ids of the Target page.
namespace target_page {
constexpr int kDevice = 1094;
constexpr int kClock = 1051;
constexpr int kOperatingSystem = 1017;
constexpr int kCodeGeneration = 1052;
constexpr int kCrossModule = 1053;
constexpr int kBigEndian = 1066;
constexpr int kMicroLib = 1067;
}  // namespace target_page

// The controls of one memory area; flag is the startup radio (ROM) or the no-init box (RAM).
struct MemoryAreaControls {
  const char* name;
  int enable, start, size, flag;
};

// The ten areas in index order: XROM1-3, IROM1-2 (ROM), then XRAM1-3, IRAM1-2 (RAM).
constexpr int kMemoryAreaCount = 10;
constexpr int kRomAreaCount = 5;
extern const MemoryAreaControls kMemoryAreaControls[kMemoryAreaCount];

// Most characters an address or size field takes.
constexpr int kAddressTextLimit = 10;

class CTargetPage : public CZRTPropertyPage {
 public:
  // configuration and compiler: the sheet's configuration and ZRT_CParam copies; a null
  // configuration aborts.
  CTargetPage(HostNode* configuration, HostNode* compiler);

  // Fills the two combos.
  bool OnInitDialog() override;
  // Every click, edit change and selection change modifies the page.
  void OnControl(int id, ui::ControlEvent event) override;
  bool DoDataExchange(bool save) override;
  // Sets the options-changed bit, then the base.
  void OnModified() override;
  // Operating system None, code ARM-Mode, the three boxes cleared; clock and layout kept.
  void OnDefaults() override;
  // Shows the clock, device, options and the four stored layouts.
  void LoadSettings() override;
  // Stores the clock (a message when unreadable), options, and the layout when all of it passes.
  void SaveSettings() override;

 private:
  // What the controls of one area show.
  struct AreaFields {
    int enabled = 0;
    std::string start, size;
    int noInit = 0;  // RAM areas
  };

  // Fills the fields of area index from its stored record.
  void LoadArea(int index, const MemoryArea& area);
  // Validates area index into *record, showing its message; false when it fails.
  bool CheckArea(int index, MemoryArea* record);
  // Validates the whole layout and writes the four keys when all of it passes.
  void SaveMemoryLayout();
  // Shows one message naming area index (and a second area when given).
  void AreaMessage(const char* format, int index, int other = -1);

  HostNode* configuration_;
  HostNode* compiler_;
  std::string m_strDevice;
  std::string m_strClock;
  int m_nOperatingSystem = 0;
  int m_nCodeGeneration = 0;
  int m_bCrossModule = 0;
  int m_bBigEndian = 0;
  int m_bMicroLib = 0;
  int m_nStartupArea = -1;  // 0-4, -1 for none
  AreaFields m_areas[kMemoryAreaCount];
};

}  // namespace zrt
