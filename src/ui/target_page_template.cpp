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

const char* const kAreaLabels[kMemoryAreaCount] = {
    "XROM1:", "XROM2:", "XROM3:", "IROM1:", "IROM2:", "XRAM1:", "XRAM2:", "XRAM3:", "IRAM1:", "IRAM2:"};

// The page's two columns: the left one and the groups on the right.
constexpr short kRightColumn = 185;
constexpr short kColumnWidth = kPageRight - kRightColumn;
// The area groups' top edge and height, and the columns inside a group (from its left
// edge); an address field shows "0x%08x" whole.
constexpr short kAreaTop = 76;
constexpr short kAreaHeight = 124;
constexpr short kNameColumn = 5, kStartColumn = 44, kSizeColumn = 101, kFlagColumn = 159;
constexpr short kFieldWidth = 54;
constexpr short kFlagHeader = 126, kFlagHeaderWidth = kFlagColumn + 10 - kFlagHeader;

// The row of area k (0-4) of a group: three external rows, then two on-chip rows below
// their own sub-label.
short AreaRowTop(int k) { return static_cast<short>(kAreaTop + (k < 3 ? 33 + 15 * k : 90 + 15 * (k - 3))); }

// One group of five areas starting at area first: headers, sub-labels, then a row per
// area (box, start, size and, for RAM, the no-init box); the ROM group's startup radio
// buttons follow as one column, so that they form one radio group.
void AddAreaGroup(std::vector<ControlTemplate>* controls, const char* title, int first, short left) {
  // A control placed x dialog units right of the group's left edge.
  auto add = [&](int id, ControlKind kind, const char* label, unsigned style, int x, int y, int cx, int cy,
                 int limit = 0) {
    controls->push_back({id, kind, label, style, short(left + x), short(y), short(cx), short(cy), limit});
  };
  bool rom = first < kRomAreaCount;
  const short headerTop = kAreaTop + 12;
  add(ui::kNoId, ControlKind::kGroup, title, ui::kPlain, 0, kAreaTop, kColumnWidth, kAreaHeight);
  add(ui::kNoId, ControlKind::kStatic, "开始地址:", ui::kPlain, kStartColumn, headerTop, kFieldWidth, 8);
  add(ui::kNoId, ControlKind::kStatic, "长度:", ui::kPlain, kSizeColumn, headerTop, kFieldWidth, 8);
  add(ui::kNoId, ControlKind::kStatic, rom ? "启动区" : "不初始化", ui::kRightAlign, kFlagHeader, headerTop,
      kFlagHeaderWidth, 8);
  for (int k = 0; k < 5; ++k) {
    const MemoryAreaControls& area = kMemoryAreaControls[first + k];
    short top = AreaRowTop(k);
    if (k == 0) add(ui::kNoId, ControlKind::kStatic, "芯片外部:", ui::kPlain, kNameColumn, top - 10, 60, 8);
    if (k == 3) add(ui::kNoId, ControlKind::kStatic, "芯片内部:", ui::kPlain, kNameColumn, top - 10, 60, 8);
    add(area.enable, ControlKind::kCheck, kAreaLabels[first + k], ui::kPlain, kNameColumn, top + 1, 37, 10);
    add(area.start, ControlKind::kEdit, "", ui::kPlain, kStartColumn, top, kFieldWidth, 12, kAddressTextLimit);
    add(area.size, ControlKind::kEdit, "", ui::kPlain, kSizeColumn, top, kFieldWidth, 12, kAddressTextLimit);
    if (!rom) add(area.flag, ControlKind::kCheck, "", ui::kPlain, kFlagColumn, top + 1, 10, 10);
  }
  for (int k = 0; rom && k < 5; ++k) {
    unsigned style = k == 0 ? ui::kGroupStart : ui::kPlain;
    add(kMemoryAreaControls[first + k].flag, ControlKind::kRadio, "", style, kFlagColumn, AreaRowTop(k) + 1, 10, 10);
  }
}

}  // namespace

ui::DialogTemplate TargetPageTemplate() {
  constexpr short kInGroup = kRightColumn + 8;
  std::vector<ControlTemplate> controls = {
      {kDevice, ControlKind::kStatic, "器件名称：", ui::kPlain, kPageMargin, 7, kPageRight - kPageMargin, 8},
      {ui::kNoId, ControlKind::kStatic, "时钟频率(MHz):", ui::kPlain, kPageMargin, 24, 70, 8},
      {kClock, ControlKind::kEdit, "", ui::kPlain, 80, 22, 60, 12},
      {ui::kNoId, ControlKind::kStatic, "操作系统", ui::kPlain, kPageMargin, 40, 70, 8},
      {kOperatingSystem, ControlKind::kCombo, "", ui::kPlain, 80, 38, 80, 12},
      {kCrossModule, ControlKind::kCheck, "使用跨模块优化", ui::kPlain, kPageMargin, 56, 150, 10},
      {ui::kNoId, ControlKind::kGroup, "代码生成", ui::kPlain, kRightColumn, 16, kColumnWidth, 54},
      {kCodeGeneration, ControlKind::kCombo, "", ui::kPlain, kInGroup, 28, 80, 12},
      {kBigEndian, ControlKind::kCheck, "大端模式", ui::kPlain, kInGroup, 44, 150, 10},
      {kMicroLib, ControlKind::kCheck, "使用MicroLib库", ui::kPlain, kInGroup, 56, 150, 10},
  };
  AddAreaGroup(&controls, "只读存储区(ROM)", 0, kPageMargin);
  AddAreaGroup(&controls, "可以读写存储区(RAM)", kRomAreaCount, kRightColumn);
  return {IDD_TARGET, "", kPageWidth, kPageHeight, controls};
}

}  // namespace zrt
