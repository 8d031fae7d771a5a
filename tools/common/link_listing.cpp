#include "tools/common/link_listing.h"

#include "tools/common/format.h"

namespace zrt::tools {
namespace {

constexpr char kRule[] = "\n==============================================================================\n\n";
constexpr char kColumns[] = "      Code (inc. data)   RO Data    RW Data    ZI Data      Debug   ";

struct ListingInput {
  const ImageLayout& layout;
  const std::vector<ModuleSizes>& modules;
  uint32_t entry;
};

std::string SizesRow(const ModuleSizes& sizes, uint32_t zeroInit, const std::string& label) {
  return Format("%10u %10u %10u %10u %10u %10u   %s\n", sizes.code, 0u, sizes.roData, sizes.rwData, zeroInit, 0u,
                label.c_str());
}

std::string CrossReferences(const ListingInput&) {
  return std::string(kRule) + "Section Cross References\n\n    (the emulator records no references)\n";
}

std::string Unused(const ListingInput&) {
  return std::string(kRule) +
         "Removing Unused input sections from the image.\n\n    0 unused section(s) (total 0 bytes) removed from "
         "the image.\n";
}

std::string Veneers(const ListingInput&) {
  return std::string(kRule) + "Veneer Statistics\n\n    0 veneers (total 0 bytes) were created.\n";
}

std::string Symbols(const ListingInput&) {
  return std::string(kRule) + "Image Symbol Table\n\n    (the emulator records no symbols)\n";
}

std::string Limit(bool hasMaxSize, uint32_t maxSize) { return Format("0x%08x", hasMaxSize ? maxSize : 0xFFFFFFFFu); }

std::string MemoryMap(const ListingInput& input) {
  std::string text =
      std::string(kRule) + "Memory Map of the image\n\n" + Format("  Image Entry point : 0x%08x\n\n", input.entry);
  for (const PlacedLoadRegion& load : input.layout.loadRegions) {
    text += Format("  Load Region %s (Base: 0x%08x, Size: 0x%08x, Max: %s, ABSOLUTE)\n\n", load.name.c_str(),
                   load.address, load.size, Limit(load.hasMaxSize, load.maxSize).c_str());
    for (const PlacedRegion& region : load.regions) {
      uint32_t size = region.readOnly + region.readWrite + region.zeroInit;
      text +=
          Format("    Execution Region %s (Exec base: 0x%08x, Load base: 0x%08x, Size: 0x%08x, Max: %s, ABSOLUTE)\n\n",
                 region.name.c_str(), region.execAddress, region.loadAddress, size,
                 Limit(region.hasMaxSize, region.maxSize).c_str());
      for (const std::string& module : region.modules) text += "        " + module + "\n";
      if (!region.modules.empty()) text += "\n";
    }
  }
  return text;
}

std::string ComponentSizes(const ListingInput& input) {
  std::string text = std::string(kRule) + "Image component sizes\n\n\n" + kColumns + "Object Name\n\n";
  for (const ModuleSizes& module : input.modules) text += SizesRow(module, module.ziData, module.name);
  ModuleSizes total = TotalSizes(input.modules);
  return text + "\n    ----------------------------------------------------------------------\n" +
         SizesRow(total, total.ziData, "Object Totals");
}

std::string Totals(const ListingInput& input) {
  ModuleSizes total = TotalSizes(input.modules);
  uint32_t readOnly = total.code + total.roData;
  uint32_t readWrite = total.rwData + total.ziData;
  uint32_t rom = readOnly + total.rwData;
  auto line = [](const char* label, uint32_t size) {
    return Format("    %-41s%8u (%7.2fkB)\n", label, size, size / 1024.0);
  };
  return std::string(kRule) + kColumns + "\n\n" + SizesRow(total, total.ziData, "Grand Totals") +
         SizesRow(total, total.ziData, "ELF Image Totals") + SizesRow(total, 0, "ROM Totals") + kRule +
         line("Total RO  Size (Code + RO Data)", readOnly) + line("Total RW  Size (RW Data + ZI Data)", readWrite) +
         line("Total ROM Size (Code + RO Data + RW Data)", rom);
}

// The parts in the order the listing shows them.
struct ListingPart {
  bool ListingContents::*asked;
  std::string (*write)(const ListingInput& input);
};
const ListingPart kParts[] = {
    {&ListingContents::xref, CrossReferences}, {&ListingContents::unused, Unused},
    {&ListingContents::veneers, Veneers},      {&ListingContents::symbols, Symbols},
    {&ListingContents::map, MemoryMap},        {&ListingContents::sizes, ComponentSizes},
    {&ListingContents::totals, Totals},
};

}  // namespace

std::string MakeLinkListing(const ListingContents& contents, const ImageLayout& layout,
                            const std::vector<ModuleSizes>& modules, uint32_t entry) {
  ListingInput input{layout, modules, entry};
  std::string text;
  for (const ListingPart& part : kParts) {
    if (contents.*part.asked) text += part.write(input);
  }
  return text;
}

}  // namespace zrt::tools
