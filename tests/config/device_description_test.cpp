#include "src/config/device_description.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/case_file.h"

namespace zrt {
namespace {

TEST(DeviceDescription, CpuOptionCortexMAndClockFromTheLines) {
  for (const testing::CaseRow& row : testing::ReadCaseFile("config/fixtures/device_cases.txt")) {
    std::vector<const char*> lines;
    for (size_t i = 2; i < row.size(); ++i) lines.push_back(row[i].c_str());
    lines.push_back(nullptr);
    DeviceRecord device{};
    device.name = "device";
    device.information = lines.data();
    std::string answer = row[0] == "cpu"      ? DeviceCpuOption(&device)
                         : row[0] == "cortex" ? std::to_string(IsCortexM(device.information))
                                              : std::to_string(GetClockHz(&device));
    EXPECT_EQ(answer, row[1]) << row[0] << " of " << (row.size() > 2 ? row.back() : "no lines");
  }
  EXPECT_EQ(DeviceCpuOption(nullptr), "");
  EXPECT_FALSE(IsCortexM(nullptr));
  EXPECT_EQ(GetClockHz(nullptr), 0u);
}

}  // namespace
}  // namespace zrt
