// The settings of one target as records, one per section shape. Texts hold the stored
// values in their grammar (see section_values.h and memory_areas.h for the typed forms);
// fields are named after their keys. A value-initialised record holds 0 and "" everywhere;
// DefaultTargetRecord() (section_keys.h) holds the defaults.
#pragma once

#include <cstdint>
#include <string>

namespace zrt {

// The target keys of a "Configuration" node that a target record carries. Empty IROM and
// IRAM are derived from the selected device when written.
struct TargetKeys {
  int OP = 0;
  std::string XROM;
  std::string XRAM;
  int Cross = 0;
  std::string IROM;
  std::string IRAM;
  int OutBig = 0;
  int McLib = 0;
};

// ZRT_Output (OutName and OutList are made from the configuration's name when written).
struct OutputKeys {
  int OutType = 0;
  int OutBatch = 0;
  int OutHex = 0;
  int Debug = 0;
  int Browse = 0;
};

// ZRT_User.
struct UserKeys {
  std::string BfC;
  std::string BfB;
  std::string AfB;
  int Beep = 0;
  int SDebug = 0;
};

// ZRT_CParam, of a configuration or of a group or file.
struct CompilerKeys {
  std::string Def;
  std::string uDef;
  std::string Inc;
  std::string Misc;
  std::string Opt;
  std::string Code;
  std::string Language;
  int List = 0;
};

// ZRT_AsmParam, of a configuration or of a group or file.
struct AssemblerKeys {
  std::string Def;
  std::string uDef;
  std::string Inc;
  std::string Misc;
  std::string Code;
  int Language = 0;
  std::string List;
};

// ZRT_Linker. A Rom or Ram address of 0 is not written.
struct LinkerKeys {
  std::string Misc;
  int UseDef = 0;
  std::string Code;
  std::string Sct;
  std::string List;
  std::string first;
  uint32_t Rom = 0;
  uint32_t Ram = 0;
};

// ZRT_Debug.
struct DebugKeys {
  int DbgType = 0;
  std::string sfSIM;
  std::string hwSIM;
  std::string Drv;
  std::string SrvOpt;
};

// One target: its name and one record of each section shape.
struct TargetRecord {
  std::string name;
  TargetKeys target;
  OutputKeys output;
  UserKeys user;
  CompilerKeys compiler;
  AssemblerKeys assembler;
  LinkerKeys linker;
  DebugKeys debug;
};

}  // namespace zrt
