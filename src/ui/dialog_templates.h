// The dialog templates of the settings sheet's pages and dialogs, as data.
#pragma once

#include <vector>

#include "src/ui/framework/dialog_template.h"

namespace zrt {

// Template ids.
enum DialogTemplateId {
  IDD_TARGET = 108,
  IDD_OUTPUT = 107,
  IDD_LISTING = 109,
  IDD_USER = 110,
  IDD_CPARAM = 111,
  IDD_LINKER = 113,
  IDD_DEBUG = 114,
  IDD_ASMPARAM = 115,
  IDD_PROPERTIES = 116,
  IDD_PATH_LIST = 1004,
  IDD_HW_DEBUG = 1010,
  IDD_SIM_DEBUG = 1011,
  IDD_DEVICE = 1012,
};

// Size of every page of the sheet, in dialog units; wide enough for the Target page's two
// memory groups with their "0x%08x" fields side by side.
constexpr short kPageWidth = 366;
constexpr short kPageHeight = 230;
// The page's margin, and the right edge of its content.
constexpr short kPageMargin = 7;
constexpr short kPageRight = kPageWidth - kPageMargin;

// The template with id; a missing id is a programming error and aborts.
const ui::DialogTemplate& DialogTemplateById(int id);
// Every template.
const std::vector<ui::DialogTemplate>& AllDialogTemplates();

}  // namespace zrt
