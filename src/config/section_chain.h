// The settings that apply to one source file: the chain of its override sections up to
// the configuration's own, and the values resolved over that chain.
#pragma once

#include <string>
#include <vector>

#include "src/core/abi.h"

namespace zrt {

// Which section a chain is made of.
enum class SectionKind {
  kCompiler,   // ZRT_CParam
  kAssembler,  // ZRT_AsmParam
};

// "ZRT_CParam" or "ZRT_AsmParam".
const char* SectionName(SectionKind kind);

// The sections of the wanted kind that apply to start (a File or Filter): each override
// section of start and of its enclosing nodes for the configuration (null: the current
// one), innermost first, then the configuration's own section. Missing sections are left
// out; no configuration gives no own section.
std::vector<HostNode*> BuildSectionChain(HostNode* configuration, HostNode* start, SectionKind kind);

// Indexes into ResolvedSettings::Code and Language.
enum CompilerCodeFlag { kThumb, kInterwork, kSplitLdm, kSplitSections, kCompilerRopi, kCompilerRwpi };
enum AssemblerCodeFlag { kAsmInterwork, kAsmRopi, kAsmRwpi, kSixteenBit, kAsmUnusedFlag, kAsmSplitLdm };
enum CompilerLanguageFlag { kStrict, kEnumIsInt, kSignedChars, kNoWarnings };

// The values that apply to one file. A flag still 2 (inherit) after the chain only comes
// from a configuration section holding 2 and counts as set.
struct ResolvedSettings {
  std::string Def;   // every non-empty Def of the chain, innermost first, blank-separated
  std::string Inc;   // likewise
  std::string Misc;  // likewise
  int Code[6] = {2, 2, 2, 2, 2, 2};
  int Language[4] = {2, 2, 2, 2};  // the assembler's one number is Language[kNoWarnings]
  int OptLevel = 4;                // compiler only
  int OptTime = 2;                 // compiler only
  std::string List;  // the configuration section's List (the chain's last entry), not inherited
};

// Resolves a chain of the given kind: texts accumulate, each flag takes the first value
// other than 2 (Opt level: other than 4) along the chain. A Code or Language record that
// does not hold all its numbers is passed over.
ResolvedSettings ResolveSectionChain(const std::vector<HostNode*>& chain, SectionKind kind);

}  // namespace zrt
