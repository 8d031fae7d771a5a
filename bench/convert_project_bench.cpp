// ConvertProject on a generated .uvproj (bench/generated_uvproj.h), against the XML reader
// alone and parsing the same file alone with CXmlDocument and with pugixml; at 1,000,
// 10,000 and 100,000 files, so that the cost per file shows how each step grows.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <pugixml.hpp>
#include <string>

#include "bench/generated_uvproj.h"
#include "src/convert/uvproj_reader.h"
#include "src/convert/xml_document.h"
#include "tests/host/test_host.h"

namespace {

// One host for the whole run, and the generated project of each size in its folder.
zrt::testhost::TestHost& Host() {
  static zrt::testhost::TestHost host;
  return host;
}

const std::string& ProjectPath(int files) {
  static std::map<int, std::string> paths;
  auto found = paths.find(files);
  if (found != paths.end()) return found->second;
  std::string path = Host().directory() + "\\generated" + std::to_string(files) + ".uvproj";
  zrt::testhost::TestHost::MakeFile(path, zrt::bench::GeneratedUvproj(files));
  return paths[files] = path;
}

void SetCounters(benchmark::State& state, int files) { state.counters["files"] = files; }

void BM_Convert(benchmark::State& state) {
  int files = static_cast<int>(state.range(0));
  const std::string& path = ProjectPath(files);
  for (auto _ : state) {
    HostNode* project = zrt::testhost::NewNode("OrbweaveProject");
    const char* current = Host().Table().ConvertProject(project, path.c_str());
    if (current == nullptr) state.SkipWithError("conversion failed");
    state.PauseTiming();
    zrt::testhost::DeleteNode(project);
    state.ResumeTiming();
  }
  SetCounters(state, files);
}

// The XML reader alone (parse included), without writing into the host.
void BM_ReadOnly(benchmark::State& state) {
  int files = static_cast<int>(state.range(0));
  zrt::ProjectContext context;
  for (auto _ : state) {
    zrt::CUvprojReader reader(ProjectPath(files), &context);
    if (!reader.Open() || !reader.ReadTargets()) state.SkipWithError("read failed");
  }
  SetCounters(state, files);
}

void BM_ParseOurs(benchmark::State& state) {
  int files = static_cast<int>(state.range(0));
  std::string path = zrt::testhost::NativePath(ProjectPath(files)).string();
  for (auto _ : state) {
    zrt::CXmlDocument document;
    if (!document.LoadFile(path)) state.SkipWithError("parse failed");
  }
  SetCounters(state, files);
}

void BM_ParsePugixml(benchmark::State& state) {
  int files = static_cast<int>(state.range(0));
  std::string path = zrt::testhost::NativePath(ProjectPath(files)).string();
  for (auto _ : state) {
    pugi::xml_document document;
    if (!document.load_file(path.c_str())) state.SkipWithError("parse failed");
  }
  SetCounters(state, files);
}

}  // namespace

BENCHMARK(BM_Convert)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadOnly)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ParseOurs)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ParsePugixml)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
