// The incremental build decision on an up-to-date project of 10,000 C files with 5 header
// dependencies each: the plug-in's BuildProject(0) (10,000 decisions plus the one link
// command, answered at once by the host) against `ninja -n -C <folder>` run as a child
// process on the same files and edges. Wall time per run and peak resident memory.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>
#include <utility>

#include "bench/build_decision_project.h"

namespace {

using zrt::bench::BuildDecisionProject;
using zrt::bench::RunProcess;

double MiB(long kib) { return static_cast<double>(kib) / 1024.0; }

double Milliseconds(const struct timeval& time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; }

// User and system CPU time of this process so far, in milliseconds.
std::pair<double, double> OwnCpu() {
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return {Milliseconds(usage.ru_utime), Milliseconds(usage.ru_stime)};
}

// A "Name:   N kB" line of /proc/self/status, in KiB; -1 when absent.
long StatusKiB(const std::string& name) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, name.size() + 1, name + ":") == 0) return std::atol(line.c_str() + name.size() + 1);
  }
  return -1;
}

// The shared project; null, with the benchmark marked failed, when it cannot be set up.
BuildDecisionProject* Project(benchmark::State& state) {
  try {
    return &BuildDecisionProject::Get();
  } catch (const std::exception& error) {
    state.SkipWithError(error.what());
    return nullptr;
  }
}

void BM_UpToDate_Plugin(benchmark::State& state) {
  BuildDecisionProject* project = Project(state);
  if (project == nullptr) return;
  zrt::testhost::TestHost& host = project->host();
  // Resets the process's peak resident set (VmHWM) to what it holds now, so that the
  // peak read afterwards is the one reached while BuildProject ran.
  std::ofstream("/proc/self/clear_refs") << "5";
  long before = StatusKiB("VmRSS");
  auto [userBefore, systemBefore] = OwnCpu();
  for (auto _ : state) {
    host.commands.clear();
    host.output.clear();
    benchmark::DoNotOptimize(host.Table().BuildProject(0));
    if (host.commands.size() != 1) {
      state.SkipWithError("BuildProject ran more than the link command: the project was not up to date");
      break;
    }
  }
  // The process holds the host's project tree too (the IDE's memory, as ninja's graph is
  // ninja's); the growth is what BuildProject itself added.
  long peak = StatusKiB("VmHWM");
  auto [userAfter, systemAfter] = OwnCpu();
  // CPU time per build, split into the plug-in's own work (user) and the kernel's (the
  // time stamps read: system), to set beside ninja's.
  state.counters["user_ms"] = (userAfter - userBefore) / static_cast<double>(state.iterations());
  state.counters["system_ms"] = (systemAfter - systemBefore) / static_cast<double>(state.iterations());
  state.counters["peak_rss_MiB"] = MiB(peak);
  state.counters["growth_MiB"] = MiB(peak - before);
}

// The total milliseconds of one metric of ninja's `-d stats` table; -1 when absent.
double StatsMilliseconds(const std::string& stats, const std::string& metric) {
  size_t at = stats.find("\n" + metric + " ");
  if (at == std::string::npos) return -1;
  long count = 0;
  double average = 0, total = -1;
  std::sscanf(stats.c_str() + at + 1 + metric.size(), "%ld %lf %lf", &count, &average, &total);
  return total;
}

void BM_UpToDate_Ninja(benchmark::State& state) {
  BuildDecisionProject* project = Project(state);
  if (project == nullptr) return;
  const std::vector<std::string> command{"ninja", "-n", "-C", project->folder()};
  std::string output;
  double user = 0, system = 0;
  for (auto _ : state) {
    struct rusage usage {};
    int status = RunProcess(command, &output, &usage);
    user += Milliseconds(usage.ru_utime);
    system += Milliseconds(usage.ru_stime);
    if (status != 0 || output.find("no work to do") == std::string::npos) {
      state.SkipWithError(("ninja did not find the project up to date: " + output).c_str());
      break;
    }
  }
  state.counters["user_ms"] = user / static_cast<double>(state.iterations());
  state.counters["system_ms"] = system / static_cast<double>(state.iterations());
  // One more run, started through peak_rss (see there) and with ninja's own counters,
  // for its peak memory and where its time goes.
  struct rusage usage {};
  RunProcess({ZRT_PEAK_RSS_FILE, "ninja", "-d", "stats", "-n", "-C", project->folder()}, &output, &usage);
  size_t peak = output.find("peak_rss_kib ");
  state.counters["peak_rss_MiB"] = peak == std::string::npos ? -1 : MiB(std::atol(output.c_str() + peak + 13));
  state.counters["manifest_parse_ms"] = StatsMilliseconds(output, ".ninja parse");
  state.counters["log_load_ms"] = StatsMilliseconds(output, ".ninja_log load");
  state.counters["node_stat_ms"] = StatsMilliseconds(output, "node stat");
}

BENCHMARK(BM_UpToDate_Plugin)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_UpToDate_Ninja)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
