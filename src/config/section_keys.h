// The keys of every section: their defaults, a reader and a writer per section shape, the
// override sections of groups and files and their all-inherit test.
#pragma once

#include "src/config/section_records.h"
#include "src/core/abi.h"

namespace zrt {

// The target-level defaults, built once while the library loads (IROM and IRAM empty, so
// that they are derived from the selected device when written).
const TargetRecord& DefaultTargetRecord();
// The defaults of a group's or file's ZRT_CParam: no texts, every flag 2 (inherit), Opt "4,2".
const CompilerKeys& CompilerOverrideDefaults();
// The defaults of a group's or file's ZRT_AsmParam: no texts, every flag 2 (inherit).
const AssemblerKeys& AssemblerOverrideDefaults();

// The target keys of a "Configuration" node; absent keys read as 0 or "".
TargetKeys ReadTargetKeys(const HostNode* configuration);
// The keys of a ZRT_Output section; absent keys read as 0.
OutputKeys ReadOutputKeys(const HostNode* section);
// The keys of a ZRT_User section; absent keys read as 0 or "".
UserKeys ReadUserKeys(const HostNode* section);
// The keys of a ZRT_CParam section; absent keys read as 0 or "".
CompilerKeys ReadCompilerKeys(const HostNode* section);
// The keys of a ZRT_AsmParam section; absent keys read as 0 or "".
AssemblerKeys ReadAssemblerKeys(const HostNode* section);
// The keys of a ZRT_Linker section; absent keys read as 0 or "".
LinkerKeys ReadLinkerKeys(const HostNode* section);
// The keys of a ZRT_Debug section; absent keys read as 0 or "".
DebugKeys ReadDebugKeys(const HostNode* section);

// The writers below set every key of their section on a copy of the node and commit it
// through the host; a null record writes the defaults, a null node does nothing.

// OldName (= Name), OP, XROM, XRAM, IROM, IRAM, CLK, Cross, OutBig, McLib, OldCPU. Empty
// IROM and IRAM are derived from the project's device; CLK and OldCPU come from it too.
void WriteTargetKeys(HostNode* configuration, const TargetKeys* record);
// OutName, OutType, OutBatch, OutHex, OutList, Debug, Browse; OutName and OutList name
// the folder of the section's configuration.
void WriteOutputSection(HostNode* section, const OutputKeys* record);
// BfC, BfB, AfB, Beep, SDebug.
void WriteUserSection(HostNode* section, const UserKeys* record);
// Def, uDef, Inc, Misc, Opt, Code, Language, List.
void WriteCompilerSection(HostNode* section, const CompilerKeys* record);
// Def, uDef, Inc, Misc, Code, Language, List.
void WriteAssemblerSection(HostNode* section, const AssemblerKeys* record);
// Misc, UseDef, Code, Sct, List, first, and Rom and Ram when not 0.
void WriteLinkerSection(HostNode* section, const LinkerKeys* record);
// DbgType, sfSIM, hwSIM, Drv, SrvOpt.
void WriteDebugSection(HostNode* section, const DebugKeys* record);

// Fills a group's or file's ZRT_CParam section with the override defaults.
void WriteCompilerOverride(HostNode* section);
// Fills a group's or file's ZRT_AsmParam section with the override defaults.
void WriteAssemblerOverride(HostNode* section);
// True when a group's or file's ZRT_CParam or ZRT_AsmParam section inherits everything
// (its Def, Inc, Misc, Code, Language and, for C/C++, Opt equal the override defaults);
// false for any other node.
bool IsAllInherit(const HostNode* section);

}  // namespace zrt
