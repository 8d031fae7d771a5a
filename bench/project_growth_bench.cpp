// How the entries that list a project's files grow with the number of files: NodeCreated
// for each new File, as the IDE calls it while files are added, and ProjectOpened on a
// project of that many files. Both must stay linear; each is measured at 10,000 and
// 100,000 files, through GetInterface (a fresh plug-in and tree per iteration).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "tests/host/test_host.h"

namespace {

using zrt::testhost::TestHost;

std::unique_ptr<TestHost> FreshHost() {
  auto host = std::make_unique<TestHost>();
  host->Initialize("Growth.orbproj");
  host->CreateConfiguration("Target");
  return host;
}

std::string SourcePath(int i) { return ".\\src\\f" + std::to_string(i) + ".c"; }

void BM_NodeCreatedPerFile(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<TestHost> host = FreshHost();
    state.ResumeTiming();
    for (int i = 0; i < state.range(0); ++i) host->CreateFile(host->files(), SourcePath(i));
    state.PauseTiming();
    host.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

void BM_ProjectOpened(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<TestHost> host = FreshHost();
    for (int i = 0; i < state.range(0); ++i) {
      zrt::testhost::AddChild(host->files(), "File", {{"RelativePath", SourcePath(i)}, {"FileType", "1"}});
    }
    state.ResumeTiming();
    host->Table().ProjectOpened(host->project(), "Target");
    state.PauseTiming();
    host.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_NodeCreatedPerFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ProjectOpened)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
