// The option blocks of a uVision XML project, mapped onto the keys of the configuration
// model. Each reads the children of the element the walk has entered, in the order the
// project file holds them; false when a required child is missing.
#pragma once

#include "src/config/section_records.h"
#include "src/convert/xml_walk.h"

namespace zrt {

// "TargetCommonOption": the output flags and the three user-command pairs.
bool ReadCommonOptions(XmlWalk& walk, OutputKeys* output, UserKeys* user);
// "ArmAdsMisc": OutBig, OP, McLib, the Thumb flag (*thumb) and Cross.
bool ReadArmAdsMisc(XmlWalk& walk, TargetKeys* target, int* thumb);
// A "Cads" block; thumb is the first flag of Code.
bool ReadCompilerBlock(XmlWalk& walk, int thumb, CompilerKeys* keys);
// An "Aads" block.
bool ReadAssemblerBlock(XmlWalk& walk, AssemblerKeys* keys);
// "LDads"; the address ranges are read as hexadecimal.
bool ReadLinkerBlock(XmlWalk& walk, LinkerKeys* keys);

// A value read as a flag: 1 when text is exactly "1", else 0.
int FlagOf(const std::string& text);
// text with every "," replaced by a blank (defines and undefines).
std::string CommasToBlanks(std::string text);

}  // namespace zrt
