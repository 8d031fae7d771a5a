#include "tools/common/cpu_list.h"

namespace zrt::tools {

std::string CpuList() {
  static const char* const kCpus[] = {
      "4T",
      "5TE",
      "5TEJ",
      "6-M",
      "6S-M",
      "7-M",
      "7E-M",
      "7-R",
      "7-A",
      "ARM7TDMI",
      "ARM7TDMI-S",
      "ARM720T",
      "ARM920T",
      "ARM922T",
      "ARM926EJ-S",
      "ARM946E-S",
      "ARM966E-S",
      "ARM968E-S",
      "ARM1136J-S",
      "ARM1156T2-S",
      "ARM1176JZ-S",
      "Cortex-M0",
      "Cortex-M0+",
      "Cortex-M1",
      "Cortex-M3",
      "Cortex-M4",
      "Cortex-M4.fp",
      "Cortex-M7",
      "Cortex-M7.fp.sp",
      "Cortex-M7.fp.dp",
      "Cortex-R4",
      "Cortex-R4F",
      "Cortex-A5",
      "Cortex-A7",
      "Cortex-A8",
      "Cortex-A9",
  };
  std::string text = "The following arguments to option 'cpu' can be selected:\n";
  for (const char* cpu : kCpus) text += std::string(" --cpu=") + cpu + "\n";
  return text;
}

}  // namespace zrt::tools
