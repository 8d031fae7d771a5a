// Template 108: device, clock and operating system on the left, code generation on the
// right, then the read-only and the read-write areas side by side, one row per area.
#include "src/ui/dialog_templates.h"
#include "src/ui/page_templates.h"
#include "src/ui/target_page.h"

namespace zrt {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using namespace target_page;

const char* const kAreaLabels[kMemoryAreaCount] = {"XROM1:", "XROM2:", "XROM3:", "IROM1:", "IROM2:",
                                                   "XRAM1:", "XRAM2:", "XRAM3:", "IRAM1:", "IRAM2:"};

// The area groups' top edge and size, and the columns inside a group (from its left edge).
constexpr short kAreaTop = 76;
constexpr short kAreaWidth = 156;
constexpr short kAreaHeight = 124;
constexpr short kNameColumn = 5, kStartColumn = 43, kSizeColumn = 90, kFlagColumn = 141, kFlagHeader = 122;
constexpr short kFieldWidth = 46;

// The row of area k (0-4) of a group: three external rows, then two on-chip rows below
// their own sub-label.
short AreaRowTop(int k) { return static_cast<short>(kAreaTop + (k < 3 ? 33 + 15 * k : 90 + 15 * (k - 3))); }

// One group of five areas starting at area first: headers, sub-labels, then a row per
// area (box, start, size and, for RAM, the no-init box); the ROM group's startup radio
// buttons follow as one column, so that they form one radio group.
void AddAreaGroup(std::vector<ControlTemplate>* controls, const char* title, int first, short left) {
  bool rom = first < kRomAreaCount;
  controls->insert(controls->end(), {
      {ui::kNoId, ControlKind::kGroup, title, ui::kPlain, left, kAreaTop, kAreaWidth, kAreaHeight},
      {ui::kNoId, ControlKind::kStatic, "开始地址:", ui::kPlain, short(left + kStartColumn), kAreaTop + 12, kFieldWidth, 8},
      {ui::kNoId, ControlKind::kStatic, "长度:", ui::kPlain, short(left + kSizeColumn), kAreaTop + 12, kFieldWidth, 8},
      {ui::kNoId, ControlKind::kStatic, rom ? "启动区" : "不初始化", ui::kPlain, short(left + kFlagHeader), kAreaTop + 12, 32, 8},
  });
  for (int k = 0; k < 5; ++k) {
    if (k == 0 || k == 3) {
      controls->push_back({ui::kNoId, ControlKind::kStatic, k == 0 ? "芯片外部:" : "芯片内部:", ui::kPlain,
                           short(left + kNameColumn), short(AreaRowTop(k) - 10), 60, 8});
    }
    const MemoryAreaControls& area = kMemoryAreaControls[first + k];
    short top = AreaRowTop(k);
    controls->insert(controls->end(), {
        {area.enable, ControlKind::kCheck, kAreaLabels[first + k], ui::kPlain, short(left + kNameColumn), short(top + 1), 37, 10},
        {area.start, ControlKind::kEdit, "", ui::kPlain, short(left + kStartColumn), top, kFieldWidth, 12, kAddressTextLimit},
        {area.size, ControlKind::kEdit, "", ui::kPlain, short(left + kSizeColumn), top, kFieldWidth, 12, kAddressTextLimit},
    });
    if (!rom) controls->push_back({area.flag, ControlKind::kCheck, "", ui::kPlain, short(left + kFlagColumn), short(top + 1), 10, 10});
  }
  for (int k = 0; rom && k < 5; ++k) {
    controls->push_back({kMemoryAreaControls[first + k].flag, ControlKind::kRadio, "", k == 0 ? ui::kGroupStart : ui::kPlain,
                         short(left + kFlagColumn), short(AreaRowTop(k) + 1), 10, 10});
  }
}

}  // namespace

ui::DialogTemplate TargetPageTemplate() {
  std::vector<ControlTemplate> controls = {
      {kDevice, ControlKind::kStatic, "器件名称：", ui::kPlain, 7, 7, 316, 8},
      {ui::kNoId, ControlKind::kStatic, "时钟频率(MHz):", ui::kPlain, 7, 24, 70, 8},
      {kClock, ControlKind::kEdit, "", ui::kPlain, 80, 22, 60, 12},
      {ui::kNoId, ControlKind::kStatic, "操作系统", ui::kPlain, 7, 40, 70, 8},
      {kOperatingSystem, ControlKind::kCombo, "", ui::kPlain, 80, 38, 80, 12},
      {kCrossModule, ControlKind::kCheck, "使用跨模块优化", ui::kPlain, 7, 56, 150, 10},
      {ui::kNoId, ControlKind::kGroup, "代码生成", ui::kPlain, 167, 16, 156, 54},
      {kCodeGeneration, ControlKind::kCombo, "", ui::kPlain, 175, 28, 80, 12},
      {kBigEndian, ControlKind::kCheck, "大端模式", ui::kPlain, 175, 44, 140, 10},
      {kMicroLib, ControlKind::kCheck, "使用MicroLib库", ui::kPlain, 175, 56, 140, 10},
  };
  AddAreaGroup(&controls, "只读存储区(ROM)", 0, 7);
  AddAreaGroup(&controls, "可以读写存储区(RAM)", kRomAreaCount, 167);
  return {IDD_TARGET, "", kPageWidth, kPageHeight, controls};
}

}  // namespace zrt
