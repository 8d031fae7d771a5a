// zrthost_bench_project FOLDER: writes the projects scripts/bench-zrthost.sh times into
// FOLDER (absolute, existing): the build-decision project's files, build.ninja with
// ninja's log primed, and Bench.orbproj, the tree the plug-in built through its entries
// saved as zrthost saves a project (every path in it relative, so it opens from FOLDER);
// and Convert.uvproj, the conversion benchmark's project at 10,000 files.
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "bench/build_decision_project.h"
#include "bench/generated_uvproj.h"
#include "host/zrthost/project_file.h"

namespace {

constexpr int kConvertFiles = 10000;

int Failed(const std::string& why) {
  std::fprintf(stderr, "zrthost_bench_project: %s\n", why.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zrthost_bench_project FOLDER\n");
    return 2;
  }
  std::string folder = argv[1];
  try {
    zrt::bench::WriteProjectFiles(folder);
    zrt::bench::WriteNinjaProject(folder);
    zrt::testhost::TestHost host;
    zrt::bench::BuildHostTree(host);
    std::string error;
    if (!zrt::zrthost::SaveProjectFile(folder + "/Bench.orbproj", host.project(), &error)) return Failed(error);
  } catch (const std::exception& error) {
    return Failed(error.what());
  }
  std::ofstream uvproj(folder + "/Convert.uvproj", std::ios::binary);
  uvproj << zrt::bench::GeneratedUvproj(kConvertFiles);
  if (!uvproj.flush()) return Failed("cannot write Convert.uvproj");
  return 0;
}
