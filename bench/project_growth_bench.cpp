// How the entries that list a project's files grow with the number of files: NodeCreated
// for each new File, as the IDE calls it while files are added, and ProjectOpened on a
// project of that many files. Both must stay linear; each is measured at 10,000 and
// 100,000 files, through GetInterface (a fresh plug-in and tree per iteration). Also the
// active-configuration change on deeply nested groups.
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

// ProjectEvent 2 on a chain of nested groups with one file at the bottom: the first
// change sets every group's "LocalConfigure" (each commit hands the host a copy of the
// group's whole subtree), a second change finds every marker right and commits nothing.
void BM_ActiveConfigurationChange(benchmark::State& state, bool markersSet) {
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<TestHost> host = FreshHost();
    HostNode* group = host->files();
    for (int depth = 0; depth < state.range(0); ++depth) {
      group = zrt::testhost::AddChild(group, "Filter", {{"Name", "G" + std::to_string(depth)}});
    }
    zrt::testhost::AddChild(group, "File", {{"RelativePath", "deep.c"}, {"FileType", "1"}});
    host->Table().ProjectOpened(host->project(), "Target");
    if (markersSet) host->Table().ProjectEvent(2, const_cast<char*>("Target"));
    state.ResumeTiming();
    host->Table().ProjectEvent(2, const_cast<char*>("Target"));
    state.PauseTiming();
    host.reset();
    state.ResumeTiming();
  }
}

BENCHMARK_CAPTURE(BM_ActiveConfigurationChange, first, false)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ActiveConfigurationChange, again, true)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_NodeCreatedPerFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ProjectOpened)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
