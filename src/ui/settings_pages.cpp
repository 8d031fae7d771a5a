#include "src/ui/settings_pages.h"

#include "src/ui/dialog_templates.h"
#include "src/ui/list_page.h"
#include "src/ui/output_page.h"
#include "src/ui/target_page.h"
#include "src/ui/user_page.h"

namespace zrt {
namespace {

const PageRow kDevice = {PageId::kDevice, IDD_DEVICE, "设备"};
const PageRow kTarget = {PageId::kTarget, IDD_TARGET, "目标"};
const PageRow kOutput = {PageId::kOutput, IDD_OUTPUT, "输出"};
const PageRow kListing = {PageId::kListing, IDD_LISTING, "列表"};
const PageRow kUser = {PageId::kUser, IDD_USER, "用户"};
const PageRow kCParam = {PageId::kCParam, IDD_CPARAM, "C/C++"};
const PageRow kAsmParam = {PageId::kAsmParam, IDD_ASMPARAM, "ASM"};
const PageRow kLinker = {PageId::kLinker, IDD_LINKER, "连接"};
const PageRow kDebug = {PageId::kDebug, IDD_DEBUG, "调试"};
const PageRow kProperties = {PageId::kProperties, IDD_PROPERTIES, "属性"};

}  // namespace

SheetLayout LayoutOfKind(int kind) {
  switch (kind) {
    case 255: return {{kDevice, kTarget, kOutput, kListing, kUser, kCParam, kAsmParam, kLinker, kDebug}, 1};
    case 254: return {{kProperties, kCParam, kAsmParam}, 1};
    case 1:
    case 3: return {{kProperties, kCParam}, 0};
    case 2: return {{kProperties, kAsmParam}, 0};
    default: return {{kProperties}, 0};
  }
}

std::unique_ptr<CZRTPropertyPage> CreatePage(const PageRow& row, const PageInputs& inputs) {
  switch (row.id) {
    case PageId::kTarget: return std::make_unique<CTargetPage>(inputs.configuration, inputs.compiler);
    case PageId::kOutput: return std::make_unique<COutputPage>(inputs.output);
    case PageId::kListing:
      return std::make_unique<CListPage>(inputs.configuration, inputs.output, inputs.compiler, inputs.assembler,
                                         inputs.linker);
    case PageId::kUser: return std::make_unique<CUserPage>(inputs.user);
    default:
      // The other pages are still the plain base on their templates: they load and save nothing.
      return std::make_unique<CZRTPropertyPage>(row.templateId);
  }
}

}  // namespace zrt
