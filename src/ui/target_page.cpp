#include "src/ui/target_page.h"

#include <cstdio>
#include <cstdlib>

#include "src/config/device_description.h"
#include "src/config/device_settings.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"
#include "src/ui/dialog_templates.h"
#include "src/ui/framework/data_exchange.h"

namespace zrt {

const MemoryAreaControls kMemoryAreaControls[kMemoryAreaCount] = {
    {"XROM1", 1054, 1057, 1015, 1058}, {"XROM2", 1055, 1018, 1019, 1059}, {"XROM3", 1056, 1021, 1022, 1060},
    {"IROM1", 1026, 1027, 1028, 1047}, {"IROM2", 1029, 1030, 1031, 1048}, {"XRAM1", 1061, 1033, 1034, 1065},
    {"XRAM2", 1035, 1036, 1037, 1064}, {"XRAM3", 1038, 1039, 1040, 1063}, {"IRAM1", 1041, 1042, 1043, 1062},
    {"IRAM2", 1044, 1045, 1046, 1049},
};

namespace {

using namespace target_page;

// The stored keys of the layout and the areas each holds, in index order.
struct LayoutKey {
  const char* key;
  int first, count;
};
const LayoutKey kLayoutKeys[] = {{"XROM", 0, 3}, {"IROM", 3, 2}, {"XRAM", 5, 3}, {"IRAM", 8, 2}};

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(value));
  return text;
}

const char* TextOrEmpty(const char* text) { return text ? text : ""; }

bool IsRom(int index) { return index < kRomAreaCount; }

// The first overlapping pair (i < j, index order) of areas with non-zero sizes, in
// unsigned 32-bit arithmetic; false when none overlap.
bool FindOverlap(const MemoryArea* areas, int count, int* first, int* second) {
  for (int i = 0; i < count; ++i) {
    for (int j = i + 1; j < count; ++j) {
      uint32_t si = areas[i].start, zi = areas[i].size, sj = areas[j].start, zj = areas[j].size;
      if (zi == 0 || zj == 0) continue;
      uint32_t endI = si + zi, endJ = sj + zj;  // wrap as the 32-bit addresses do
      if ((sj >= si && endI > sj) || (sj < si && endJ > si)) {
        *first = i;
        *second = j;
        return true;
      }
    }
  }
  return false;
}

}  // namespace

CTargetPage::CTargetPage(HostNode* configuration, HostNode* compiler)
    : CZRTPropertyPage(IDD_TARGET), configuration_(configuration), compiler_(compiler) {
  if (configuration == nullptr) std::abort();
}

bool CTargetPage::OnInitDialog() {
  CZRTPropertyPage::OnInitDialog();
  for (const char* item : {"None", "RTX Kernel"}) Controls()->InsertItem(kOperatingSystem, -1, item);
  for (const char* item : {"ARM-Mode", "Thumb-Mode"}) Controls()->InsertItem(kCodeGeneration, -1, item);
  return true;
}

void CTargetPage::OnControl(int, ui::ControlEvent event) {
  if (event == ui::ControlEvent::kClicked || event == ui::ControlEvent::kChanged ||
      event == ui::ControlEvent::kSelectionChanged) {
    OnModified();
  }
}

void CTargetPage::OnModified() {
  m_bOptionsChanged = true;
  CZRTPropertyPage::OnModified();
}

bool CTargetPage::DoDataExchange(bool save) {
  ui::DataExchange dx(Controls(), save);
  dx.Text(kDevice, &m_strDevice);
  dx.Text(kClock, &m_strClock);
  dx.Selection(kOperatingSystem, &m_nOperatingSystem);
  dx.Selection(kCodeGeneration, &m_nCodeGeneration);
  dx.Check(kCrossModule, &m_bCrossModule);
  dx.Check(kBigEndian, &m_bBigEndian);
  dx.Check(kMicroLib, &m_bMicroLib);
  int startupIds[kRomAreaCount];
  for (int i = 0; i < kMemoryAreaCount; ++i) {
    const MemoryAreaControls& row = kMemoryAreaControls[i];
    dx.Check(row.enable, &m_areas[i].enabled);
    dx.Text(row.start, &m_areas[i].start);
    dx.Text(row.size, &m_areas[i].size);
    if (IsRom(i)) {
      startupIds[i] = row.flag;
    } else {
      dx.Check(row.flag, &m_areas[i].noInit);
    }
  }
  dx.Radio(startupIds, kRomAreaCount, &m_nStartupArea);
  return true;
}

void CTargetPage::OnDefaults() {
  UpdateData(true);  // keeps what was typed into the clock and the layout
  m_nOperatingSystem = 0;
  m_nCodeGeneration = 0;
  m_bCrossModule = m_bBigEndian = m_bMicroLib = 0;
  UpdateData(false);
  SetModified(true);
}

void CTargetPage::LoadSettings() {
  double clock = 0.0;
  GetAttributeDouble(configuration_, "CLK", &clock);
  char text[400];  // "%f" of the largest double needs 316 characters
  std::snprintf(text, sizeof text, "%f", clock);
  m_strClock = text;
  // The device chosen on the Device page, else the project's.
  const DeviceRecord& device = SelectedDevice().Record() ? *SelectedDevice().Record() : Context().deviceRecord;
  m_strDevice = std::string(TextOrEmpty(device.vendor)) + " " + TextOrEmpty(device.name);
  m_nOperatingSystem = IntAttribute(configuration_, "OP");
  m_bMicroLib = IntAttribute(configuration_, "McLib");
  m_bBigEndian = IntAttribute(configuration_, "OutBig");
  const char* code = GetAttribute(compiler_, "Code");
  m_nCodeGeneration = code != nullptr && *code != '\0' ? *code - '0' : 0;
  bool cortexM = IsCortexM(device.information);
  EnableControl(kCodeGeneration, !cortexM);
  EnableControl(kBigEndian, !cortexM);
  m_bCrossModule = IntAttribute(configuration_, "Cross");

  MemoryArea areas[kMemoryAreaCount];
  for (const LayoutKey& key : kLayoutKeys) {
    ReadMemoryAreas(GetAttribute(configuration_, key.key), areas + key.first, key.count);
  }
  m_nStartupArea = -1;
  for (int i = 0; i < kMemoryAreaCount; ++i) LoadArea(i, areas[i]);
  SetModified(false);
}

void CTargetPage::LoadArea(int index, const MemoryArea& area) {
  AreaFields& fields = m_areas[index];
  bool shown = area.enabled != 0 || area.start != 0 || area.size != 0;
  fields.enabled = area.enabled != 0;
  fields.start = shown ? Hex(area.start) : std::string();
  fields.size = shown ? Hex(area.size) : std::string();
  fields.noInit = !IsRom(index) && shown && area.flag != 0;
  if (IsRom(index) && area.enabled != 0 && area.flag != 0) m_nStartupArea = index;
}

void CTargetPage::SaveSettings() {
  double clock = 0.0;
  if (std::sscanf(m_strClock.c_str(), "%lf", &clock) == 1) {
    SetAttributeDouble(configuration_, "CLK", clock);
  } else {
    MessageBox("错误时钟输入，该格式例如:40.00");
  }
  SetAttributeInt(configuration_, "OP", m_nOperatingSystem);
  if (const char* code = GetAttribute(compiler_, "Code")) {
    std::string value = code;
    char mode = static_cast<char>('0' + m_nCodeGeneration);
    if (value.empty()) {
      value = mode;
    } else {
      value[0] = mode;
    }
    SetAttribute(compiler_, "Code", value.c_str());
  }
  SetAttributeInt(configuration_, "Cross", m_bCrossModule);
  SetAttributeInt(configuration_, "OutBig", m_bBigEndian);
  SetAttributeInt(configuration_, "McLib", m_bMicroLib);
  SaveMemoryLayout();
}

void CTargetPage::AreaMessage(const char* format, int index, int other) {
  char text[256];
  std::snprintf(text, sizeof text, format, kMemoryAreaControls[index].name,
                other >= 0 ? kMemoryAreaControls[other].name : "");
  MessageBox(text);
}

bool CTargetPage::CheckArea(int index, MemoryArea* record) {
  const AreaFields& fields = m_areas[index];
  bool startup = IsRom(index) && m_nStartupArea == index;
  *record = MemoryArea{};
  if (!fields.start.empty() && fields.size.empty()) {
    AreaMessage("存储区%s缺少块长度", index);
    return false;
  }
  if (fields.start.empty() && !fields.size.empty()) {
    AreaMessage("存储区%s缺少块开始地址", index);
    return false;
  }
  if (fields.start.empty()) {  // both empty: an unused area, unless it is to hold the startup code
    if (startup) AreaMessage("存储区%s为无效的启动区域", index);
    return !startup;
  }
  if (ParseNumber(fields.start, 0, &record->start) != 0) {
    AreaMessage("存储区%s开始地址输入错误\r\n输入如:0x10000000或8192", index);
    return false;
  }
  if (ParseNumber(fields.size, 0, &record->size) != 0) {
    AreaMessage("存储区%s地址长度输入错误\r\n输入如:0x10000或8192", index);
    return false;
  }
  if (record->size == 0) return false;
  record->enabled = fields.enabled != 0;
  record->flag = IsRom(index) ? startup : fields.noInit != 0;
  return true;
}

void CTargetPage::SaveMemoryLayout() {
  MemoryArea records[kMemoryAreaCount];
  bool passed = true;
  for (int i = 0; i < kMemoryAreaCount; ++i) {
    if (!CheckArea(i, &records[i])) passed = false;  // every area is checked, so every message shows
  }
  int first = 0, second = 0;
  if (FindOverlap(records, kMemoryAreaCount, &first, &second)) {
    AreaMessage("存储区%s覆盖了存储区%s", first, second);
    passed = false;
  }
  if (!passed) return;
  for (const LayoutKey& key : kLayoutKeys) {
    SetAttribute(configuration_, key.key, FormatMemoryAreas(records + key.first, key.count).c_str());
  }
}

}  // namespace zrt
