// The pages of the settings sheet: which ones each sheet kind holds, their templates and
// tab titles, and how each is created from the sheet's copies.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "src/core/abi.h"
#include "src/ui/zrt_property_page.h"

namespace zrt {

// The pages a sheet can hold.
enum class PageId { kDevice, kTarget, kOutput, kListing, kUser, kCParam, kAsmParam, kLinker, kDebug, kProperties };

// What the pages are built from: the sheet's copies (null where the sheet has none) and
// how the sheet was opened.
struct PageInputs {
  HostNode* configuration = nullptr;  // the configuration copy (target sheet), else the stored configuration
  HostNode* output = nullptr;         // ZRT_Output: the copy (target sheet), else the stored section
  HostNode* user = nullptr;
  HostNode* compiler = nullptr;  // ZRT_CParam copy
  HostNode* assembler = nullptr; // ZRT_AsmParam copy
  HostNode* linker = nullptr;
  HostNode* debug = nullptr;
  HostNode* node = nullptr;           // the group or file the sheet was opened for (copy or stored)
  HostNode* storedSection = nullptr;  // a file sheet's stored section
  bool sourceLevel = false;           // Properties: a group or source-file sheet
  bool fileLevel = false;             // C/C++ and Assembler: group or file overrides
  std::string objectName;             // C/C++ and Assembler: "*.o" or the file's object name
};

// A page of the sheet and its tab.
struct PageRow {
  PageId id;
  int templateId;
  const char* title;
};

// The pages of a sheet kind in tab order, and the index of the page shown first.
struct SheetLayout {
  std::vector<PageRow> pages;
  int firstPage;
};

// The layout of sheet kind (255 target, 254 group, else a file's FileType).
SheetLayout LayoutOfKind(int kind);

// Creates one page from the sheet's inputs.
std::unique_ptr<CZRTPropertyPage> CreatePage(const PageRow& row, const PageInputs& inputs);

}  // namespace zrt
