// The table contract of the host's preference library ("opt\Preference.dll"): its export
// GetOPTI answers a table whose first function opens a group of settings and whose fifth
// function queries one key of it. Shared by the plug-in and the stand-in library.
#pragma once

#include "src/core/abi.h"

extern "C" {

struct PreferenceResult {
  const char* text;  // NUL-terminated
  void* reserved;
  void(ZRT_CDECL* Release)(PreferenceResult* result);
};

struct PreferenceTable {
  void*(ZRT_CDECL* OpenGroup)(const char* const* groupNames, int count);
  void* unused1;
  void* unused2;
  void* unused3;
  PreferenceResult*(ZRT_CDECL* Query)(void* group, const char* key);
};

typedef PreferenceTable*(ZRT_CDECL* GetOptiFunction)();

}  // extern "C"
