#include "src/device/startup_file.h"

#include "platform/message_box.h"
#include "src/build/text_format.h"
#include "src/core/host_callbacks.h"
#include "src/core/host_node.h"
#include "src/core/project_context.h"

namespace zrt {
namespace {

struct VendorAlias {
  const char* displayName;
  const char* code;
};

constexpr VendorAlias kVendorAliases[] = {
    {"Analog Devices", "ADI"},          {"Freescale Semiconductor", "Freescale"},
    {"Luminary Micro", "Luminary"},     {"NXP (founded by Philips)", "Philips"},
    {"STMicroelectronics", "ST"},       {"AustriaMicroSystems", "AMS"},
};

// One row of the startup table: the device name equals `device` (exact) or begins with
// it (prefix). Rows of a vendor are tried in order.
struct StartupRule {
  const char* vendor;
  const char* device;
  bool prefix;
  const char* file;
};

constexpr bool kIs = false;
constexpr bool kBeginsWith = true;

constexpr StartupRule kStartupRules[] = {
    {"ADI", "ADuC7019", kIs, "\\ADuC702x.s"},
    {"ADI", "ADuC702", kBeginsWith, "\\ADuC702x.s"},
    {"ADI", "ADuC703", kBeginsWith, "\\ADuC703x.s"},
    {"ADI", "ADuC712", kBeginsWith, "\\ADuC712x.s"},
    {"ADI", "ADuC706", kBeginsWith, "\\ADuC706x.s"},
    {"Freescale", "", kBeginsWith, "\\MAC71xx.s"},
    {"Sharp", "", kBeginsWith, "\\Startup.s"},
    {"Luminary", "", kBeginsWith, "\\Startup.s"},
    {"Samsung", "S3C44B0X", kIs, "\\S3C44B0X.s"},
    {"Samsung", "S3C2410A", kIs, "\\S3C2410A.s"},
    {"Samsung", "S3C2440A", kIs, "\\S3C2440A.s"},
    {"Samsung", "S3F4A", kBeginsWith, "\\S3F4A.s"},
    {"ST", "STR71", kBeginsWith, "\\STR71x.s"},
    {"ST", "STR73", kBeginsWith, "\\STR73x.s"},
    {"ST", "STR75", kBeginsWith, "\\STR75x.s"},
    {"ST", "STR91", kBeginsWith, "\\STR91x.s"},
    {"ST", "STM32F10", kBeginsWith, "\\STM32F10x.s"},
    {"TI", "TMS470R1B1M", kIs, "\\TMS470R1B1M.s"},
    {"TI", "TMS470R1A256", kIs, "\\TMS470R1A256.s"},
    {"TI", "TMS470R1B512", kIs, "\\TMS470R1B512.s"},
    {"TI", "TMS470R1B768", kIs, "\\TMS470R1B768.s"},
    {"TI", "TMS470R1", kBeginsWith, "\\TMS470R1Axxx.s"},
    {"OKI", "ML674", kBeginsWith, "\\ML674k.s"},
    {"OKI", "ML675", kBeginsWith, "\\ML674k.s"},
    {"OKI", "ML67Q", kBeginsWith, "\\ML674050.s"},
    {"OKI", "ML69", kBeginsWith, "\\ML696200.s"},
    {"Philips", "LPC21", kBeginsWith, "\\Startup.s"},
    {"Philips", "LPC22", kBeginsWith, "\\Startup.s"},
    {"Philips", "LPC23", kBeginsWith, "\\LPC2300.s"},
    {"Philips", "LPC24", kBeginsWith, "\\LPC2400.s"},
    {"Philips", "LPC28", kBeginsWith, "\\LPC28xx.s"},
    {"Philips", "LPC29", kBeginsWith, "\\LPC29xx.s"},
    {"Philips", "LPC32", kBeginsWith, "\\LPC32x0.s"},
    {"Philips", "LPC3", kBeginsWith, "\\LPC3000.s"},
    {"Philips", "SJA2", kBeginsWith, "\\SJA2510.s"},
    {"Atmel", "AT91SAM9261", kBeginsWith, "\\SAM9261.s"},
    {"Atmel", "AT91SAM9260", kIs, "\\SAM9260.s"},
    {"Atmel", "AT91SAM9263", kIs, "\\SAM9263.s"},
    {"Atmel", "AT91RM9200", kBeginsWith, "\\RM9200.s"},
    {"Atmel", "AT91SAM7", kBeginsWith, "\\SAM7.s"},
    {"Atmel", "AT91", kBeginsWith, "\\Startup.s"},
    {"AMS", "AS352", kBeginsWith, "\\AS352x.s"},
    {"Winbond", "W90P7", kBeginsWith, "\\W90P710.s"},
};

const char* StartupFileName(const std::string& vendorCode, const std::string& deviceName) {
  for (const StartupRule& rule : kStartupRules) {
    if (vendorCode != rule.vendor) continue;
    bool holds = rule.prefix ? deviceName.rfind(rule.device, 0) == 0 : deviceName == rule.device;
    if (holds) return rule.file;
  }
  return nullptr;
}

std::string TextOrEmpty(const char* text) { return text ? text : ""; }

bool AskYesNo(const std::string& question) {
  return platform::ShowMessageBox(question, "", platform::MessageButtons::kYesNo, platform::MessageIcon::kQuestion) ==
         platform::MessageAnswer::kYes;
}

}  // namespace

std::string VendorCode(const std::string& vendorName) {
  for (const VendorAlias& alias : kVendorAliases) {
    if (vendorName == alias.displayName) return alias.code;
  }
  return vendorName;
}

std::string FindStartupFile(const std::string& vendorName, const std::string& deviceName,
                            const std::string& startupFolder) {
  std::string code = VendorCode(vendorName);
  const char* file = StartupFileName(code, deviceName);
  if (file == nullptr) return "";
  std::string path = startupFolder + "\\" + code + file;
  return Context().fileSystem->Exists(path) ? path : "";
}

void OfferStartupFile(HostNode* addedNode) {
  ProjectContext& context = Context();
  if (!context.startupOfferPending || !IsElement(addedNode, "Filter")) return;
  context.startupOfferPending = 0;
  if (context.configurations.empty() || context.startupFile.empty() || !context.fileSystem->Exists(context.startupFile)) {
    return;
  }
  std::string question = Format("需要拷贝%s %s启动代码到工程目录下并加入到工程文件中吗?",
                                TextOrEmpty(context.deviceRecord.vendor).c_str(),
                                TextOrEmpty(context.deviceRecord.name).c_str());
  if (AskYesNo(question)) InstallStartupFile(addedNode);
}

void InstallStartupFile(HostNode* group) {
  ProjectContext& context = Context();
  platform::FileSystem& fs = *context.fileSystem;
  fs.SetCurrentDirectory(GetProjectDirectory());
  HostNode* file = host::CreateChildNode(group, "File", nullptr);
  HostNode* copy = CloneNode(file);
  if (copy == nullptr) return;
  size_t slash = context.startupFile.rfind('\\');
  if (slash == std::string::npos) {
    DestroyNode(copy);
    return;
  }
  std::string name = context.startupFile.substr(slash + 1);
  std::string destination = ".\\" + name;
  if (!fs.Exists(destination)) {
    fs.CopyFile(context.startupFile, destination, false);
  } else if (AskYesNo("启动文件已经存在工程目录中，需要覆盖该文件吗?")) {
    fs.CopyFile(context.startupFile, destination, true);
  }
  SetAttribute(copy, "RelativePath", destination.c_str());
  SetAttributeInt(copy, "FileType", 2);
  std::string object = name.size() >= 2 ? name.substr(0, name.size() - 2) + ".o" : ".o";
  SetAttribute(copy, "Output", object.c_str());
  host::CommitNode(file, copy);
  context.files.push_back(file);
  DestroyNode(copy);
}

}  // namespace zrt
