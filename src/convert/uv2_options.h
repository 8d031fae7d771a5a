// The option records of a uVision2 project, mapped onto the keys of the configuration
// model. Each searches its keywords forward inside the current option block and answers
// false when one is missing before "EndOpt" or a flags line lacks a number; what was
// filled before stays in the record.
#pragma once

#include <cstdint>
#include <string>

#include "src/config/section_records.h"
#include "src/convert/uv2_text.h"

namespace zrt {

// A target block: output flags, user commands, target flags, the ten memory areas, then
// the C, assembler and linker records. *thumb receives the target's Thumb flag.
bool ReadUv2TargetBlock(Uv2Text& text, TargetRecord* record, int* thumb);
// ADSCCFLG, ADSCMISC, ADSCDEFN, ADSCINCD; thumb is the first flag of Code.
bool ReadUv2CompilerRecord(Uv2Text& text, int thumb, CompilerKeys* keys);
// ADSASFLG, ADSAMISC, ADSADEFN, ADSAINCD.
bool ReadUv2AssemblerRecord(Uv2Text& text, AssemblerKeys* keys);
// ADSLDFG, then ADSLDTA, ADSLDDA, ADSLDSC, ADSLDMC and ADSLDDW wherever they stand
// before "EndOpt".
bool ReadUv2LinkerRecord(Uv2Text& text, LinkerKeys* keys);

// The text of a keyword's line rest: without the first "(" and the last character;
// false (nothing taken) when the rest is two characters or shorter.
bool KeywordText(const std::string& rest, std::string* text);
// An address text: base 16 after "0x" (either case) when longer than two characters,
// else base 10; saturates at the largest value.
uint32_t Uv2Number(const std::string& text);

}  // namespace zrt
