#include "src/config/section_keys.h"

#include <cstring>

#include "src/config/device_description.h"
#include "src/config/memory_areas.h"
#include "src/config/section_table.h"
#include "src/core/project_context.h"

namespace zrt {
namespace {

using section_table::Derived;
using section_table::KeyRow;

std::string NameOf(const HostNode* node) {
  const char* name = GetAttribute(node, "Name");
  return name ? name : "";
}

const char* ProjectCpuLine() { return FindCpuLine(Context().deviceRecord.information); }

std::string OldNameOf(const HostNode* configuration, const TargetKeys&) { return NameOf(configuration); }

std::string ProjectIrom(const HostNode*, const TargetKeys& keys) {
  return DeviceMemoryAreas(ProjectCpuLine(), "IROM", HasExternalStartupArea(keys.XROM.c_str()));
}

std::string ProjectIram(const HostNode*, const TargetKeys& keys) {
  return DeviceMemoryAreas(ProjectCpuLine(), "IRAM", HasExternalStartupArea(keys.XROM.c_str()));
}

std::string ProjectClock(const HostNode*, const TargetKeys&) { return std::to_string(Context().cpuClock); }

std::string ProjectDeviceName(const HostNode*, const TargetKeys&) {
  const char* name = Context().deviceRecord.name;
  return name ? name : "";
}

// Output names follow the configuration the section belongs to.
std::string DefaultOutName(const HostNode* section, const OutputKeys&) {
  return "0,.\\" + NameOf(section ? section->parent : nullptr) + "\\" + Context().projectName;
}

std::string DefaultOutList(const HostNode* section, const OutputKeys&) {
  return "0,.\\" + NameOf(section ? section->parent : nullptr);
}

constexpr char kNoAreas3[] = "0,0,0,0#0,0,0,0#0,0,0,0";
constexpr char kNoCommands[] = "0,()#0,()";

// Columns: key, field, target default, group/file default, all-inherit test, derivation.
const KeyRow<TargetKeys> kTargetRows[] = {
    Derived<TargetKeys>("OldName", OldNameOf),
    {"OP", &TargetKeys::OP, "0"},
    {"XROM", &TargetKeys::XROM, kNoAreas3},
    {"XRAM", &TargetKeys::XRAM, kNoAreas3},
    {"IROM", &TargetKeys::IROM, "", nullptr, false, ProjectIrom},
    {"IRAM", &TargetKeys::IRAM, "", nullptr, false, ProjectIram},
    Derived<TargetKeys>("CLK", ProjectClock),
    {"Cross", &TargetKeys::Cross, "0"},
    {"OutBig", &TargetKeys::OutBig, "0"},
    {"McLib", &TargetKeys::McLib, "0"},
    Derived<TargetKeys>("OldCPU", ProjectDeviceName),
};

const KeyRow<OutputKeys> kOutputRows[] = {
    Derived<OutputKeys>("OutName", DefaultOutName),
    {"OutType", &OutputKeys::OutType, "1"},
    {"OutBatch", &OutputKeys::OutBatch, "0"},
    {"OutHex", &OutputKeys::OutHex, "0"},
    Derived<OutputKeys>("OutList", DefaultOutList),
    {"Debug", &OutputKeys::Debug, "1"},
    {"Browse", &OutputKeys::Browse, "0"},
};

const KeyRow<UserKeys> kUserRows[] = {
    {"BfC", &UserKeys::BfC, kNoCommands},
    {"BfB", &UserKeys::BfB, kNoCommands},
    {"AfB", &UserKeys::AfB, kNoCommands},
    {"Beep", &UserKeys::Beep, "1"},
    {"SDebug", &UserKeys::SDebug, "0"},
};

const KeyRow<CompilerKeys> kCompilerRows[] = {
    {"Def", &CompilerKeys::Def, "", "", true},
    {"uDef", &CompilerKeys::uDef, "", "", false},
    {"Inc", &CompilerKeys::Inc, "", "", true},
    {"Misc", &CompilerKeys::Misc, "", "", true},
    {"Opt", &CompilerKeys::Opt, "0,0", "4,2", true},
    {"Code", &CompilerKeys::Code, "0,0,0,0,0,0", "2,2,2,2,2,2", true},
    {"Language", &CompilerKeys::Language, "0,0,0,0", "2,2,2,2", true},
    {"List", &CompilerKeys::List, "0", "0", false},
};

const KeyRow<AssemblerKeys> kAssemblerRows[] = {
    {"Def", &AssemblerKeys::Def, "", "", true},
    {"uDef", &AssemblerKeys::uDef, "", "", false},
    {"Inc", &AssemblerKeys::Inc, "", "", true},
    {"Misc", &AssemblerKeys::Misc, "", "", true},
    {"Code", &AssemblerKeys::Code, "0,0,0,0,0,0", "2,2,2,2,2,2", true},
    {"Language", &AssemblerKeys::Language, "0", "2", true},
    {"List", &AssemblerKeys::List, "1,1", "1,1", false},
};

const KeyRow<LinkerKeys> kLinkerRows[] = {
    {"Misc", &LinkerKeys::Misc, ""},
    {"UseDef", &LinkerKeys::UseDef, "1"},
    {"Code", &LinkerKeys::Code, "0,0,0,1,()"},
    {"Sct", &LinkerKeys::Sct, ""},
    {"List", &LinkerKeys::List, "1,1,1,1,1,1,1,1,1"},
    {"first", &LinkerKeys::first, ""},
    {"Rom", &LinkerKeys::Rom},
    {"Ram", &LinkerKeys::Ram},
};

const KeyRow<DebugKeys> kDebugRows[] = {
    {"DbgType", &DebugKeys::DbgType, "0"},
    {"sfSIM", &DebugKeys::sfSIM, "0,1,(),()"},
    {"hwSIM", &DebugKeys::hwSIM, "1,1,1,()"},
    {"Drv", &DebugKeys::Drv, "(),()"},
    {"SrvOpt", &DebugKeys::SrvOpt, ""},
};

template <typename Record, size_t N>
Record TargetDefaults(const KeyRow<Record> (&rows)[N]) {
  return section_table::RecordFromColumn(rows, &KeyRow<Record>::targetDefault);
}

TargetRecord MakeDefaultTargetRecord() {
  TargetRecord record;
  record.target = TargetDefaults(kTargetRows);
  record.output = TargetDefaults(kOutputRows);
  record.user = TargetDefaults(kUserRows);
  record.compiler = TargetDefaults(kCompilerRows);
  record.assembler = TargetDefaults(kAssemblerRows);
  record.linker = TargetDefaults(kLinkerRows);
  record.debug = TargetDefaults(kDebugRows);
  return record;
}

// Built while the library loads, as the writers' source of defaults.
[[maybe_unused]] const TargetRecord& g_defaultsAtLoad = DefaultTargetRecord();

template <typename Record, size_t N>
void Write(const KeyRow<Record> (&rows)[N], HostNode* node, const Record* record, const Record& defaults) {
  section_table::WriteRecord(rows, node, record ? *record : defaults);
}

}  // namespace

const TargetRecord& DefaultTargetRecord() {
  static const TargetRecord record = MakeDefaultTargetRecord();
  return record;
}

const CompilerKeys& CompilerOverrideDefaults() {
  static const CompilerKeys keys = section_table::RecordFromColumn(kCompilerRows, &KeyRow<CompilerKeys>::overrideDefault);
  return keys;
}

const AssemblerKeys& AssemblerOverrideDefaults() {
  static const AssemblerKeys keys =
      section_table::RecordFromColumn(kAssemblerRows, &KeyRow<AssemblerKeys>::overrideDefault);
  return keys;
}

TargetKeys ReadTargetKeys(const HostNode* configuration) { return section_table::ReadRecord(kTargetRows, configuration); }
OutputKeys ReadOutputKeys(const HostNode* section) { return section_table::ReadRecord(kOutputRows, section); }
UserKeys ReadUserKeys(const HostNode* section) { return section_table::ReadRecord(kUserRows, section); }
CompilerKeys ReadCompilerKeys(const HostNode* section) { return section_table::ReadRecord(kCompilerRows, section); }
AssemblerKeys ReadAssemblerKeys(const HostNode* section) { return section_table::ReadRecord(kAssemblerRows, section); }
LinkerKeys ReadLinkerKeys(const HostNode* section) { return section_table::ReadRecord(kLinkerRows, section); }
DebugKeys ReadDebugKeys(const HostNode* section) { return section_table::ReadRecord(kDebugRows, section); }

void WriteTargetKeys(HostNode* configuration, const TargetKeys* record) {
  Write(kTargetRows, configuration, record, DefaultTargetRecord().target);
}

void WriteOutputSection(HostNode* section, const OutputKeys* record) {
  Write(kOutputRows, section, record, DefaultTargetRecord().output);
}

void WriteUserSection(HostNode* section, const UserKeys* record) {
  Write(kUserRows, section, record, DefaultTargetRecord().user);
}

void WriteCompilerSection(HostNode* section, const CompilerKeys* record) {
  Write(kCompilerRows, section, record, DefaultTargetRecord().compiler);
}

void WriteAssemblerSection(HostNode* section, const AssemblerKeys* record) {
  Write(kAssemblerRows, section, record, DefaultTargetRecord().assembler);
}

void WriteLinkerSection(HostNode* section, const LinkerKeys* record) {
  Write(kLinkerRows, section, record, DefaultTargetRecord().linker);
}

void WriteDebugSection(HostNode* section, const DebugKeys* record) {
  Write(kDebugRows, section, record, DefaultTargetRecord().debug);
}

void WriteCompilerOverride(HostNode* section) { WriteCompilerSection(section, &CompilerOverrideDefaults()); }

void WriteAssemblerOverride(HostNode* section) { WriteAssemblerSection(section, &AssemblerOverrideDefaults()); }

bool IsAllInherit(const HostNode* section) {
  const char* name = ElementName(section);
  if (std::strcmp(name, "ZRT_CParam") == 0) return section_table::MatchesOverrideDefaults(kCompilerRows, section);
  if (std::strcmp(name, "ZRT_AsmParam") == 0) return section_table::MatchesOverrideDefaults(kAssemblerRows, section);
  return false;
}

}  // namespace zrt
