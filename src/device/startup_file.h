// The device's startup assembler file: which one fits a device, the offer to copy it into
// a new project, and its installation.
#pragma once

#include <string>

#include "src/core/abi.h"

namespace zrt {

// The tool chain's folder code for a vendor display name ("STMicroelectronics" -> "ST").
std::string VendorCode(const std::string& vendorName);
// startupFolder\<vendor code>\<file> for the device, when that file exists; else "".
std::string FindStartupFile(const std::string& vendorName, const std::string& deviceName,
                            const std::string& startupFolder);
// The offer made when a node is added to a fresh project: for its first "Filter", asks
// whether to copy the device's startup file into the project, and installs it on Yes.
void OfferStartupFile(HostNode* addedNode);
// Copies the startup file into the project folder (asking before replacing one) and adds
// it as an assembler source under group.
void InstallStartupFile(HostNode* group);

}  // namespace zrt
