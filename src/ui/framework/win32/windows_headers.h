// The Windows headers the Win32 backend uses, without the macros that rename our own
// names (PropertySheet, MessageBox) to their ANSI or wide variants.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>
#include <uxtheme.h>

#undef PropertySheet
#undef MessageBox
