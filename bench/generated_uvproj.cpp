#include "bench/generated_uvproj.h"

#include <utility>
#include <vector>

#include "tests/convert/uvision_fixture.h"

namespace zrt::bench {
namespace {

using zrt::testing::Element;

constexpr int kTargets = 3;
constexpr int kFilesPerGroup = 100;

}  // namespace

std::string GeneratedUvproj(int files) {
  std::string groupOption =
      Element("GroupOption", Element("GroupArmAds", zrt::testing::Cads("2") + zrt::testing::Aads()));
  std::string fileOption =
      Element("FileOption", zrt::testing::Excluded() + Element("FileArmAds", zrt::testing::Cads("3")));
  std::string groups;
  for (int g = 0; g * kFilesPerGroup < files; ++g) {
    std::vector<std::pair<std::string, std::string>> list;
    for (int f = g * kFilesPerGroup; f < files && f < (g + 1) * kFilesPerGroup; ++f) {
      list.push_back(
          {"..\\src\\group" + std::to_string(g) + "\\file" + std::to_string(f) + ".c", f % 10 ? "" : fileOption});
    }
    groups += zrt::testing::XmlGroup("Group " + std::to_string(g), list, groupOption);
  }
  std::vector<zrt::testing::XmlTarget> targets(kTargets);
  for (int t = 0; t < kTargets; ++t) {
    targets[t].name = "Target " + std::to_string(t + 1);
    targets[t].groups = Element("Groups", groups);
  }
  return zrt::testing::XmlProject(targets);
}

}  // namespace zrt::bench
