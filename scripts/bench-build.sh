#!/usr/bin/env bash
# Builds the Release configuration and runs the build-decision benchmark: BuildProject(0)
# on an up-to-date project of 10,000 C files with 5 header dependencies each, against
# `ninja -n` on the same files and edges. Prints the medians of ZRT_BENCH_REPETITIONS runs
# (default 5), the ratios plugin/ninja and plugin/ninja's stat phase, where the CPU time
# of both goes (user: own work, system: the kernel, mostly the time stamps read) and the
# peak memory of both sides.
#   (build folder and repetitions: see scripts/bench-run.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/bench-run.sh

command -v ninja >/dev/null || { echo "bench-build: ninja is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
run_benchmark build_decision_bench

report <<'PY'
plugin, ninja = find("BM_UpToDate_Plugin"), find("BM_UpToDate_Ninja")
print(f"Up-to-date decision, 10,000 C files x 5 headers: plugin {plugin['real_time']:.1f} ms, ninja {ninja['real_time']:.1f} ms;"
      f" plugin/ninja {plugin['real_time'] / ninja['real_time']:.2f}")
print(f"  ninja: manifest parse {ninja['manifest_parse_ms']:.1f} ms, log load {ninja['log_load_ms']:.1f} ms,"
      f" node stat {ninja['node_stat_ms']:.1f} ms; plugin/ninja stat phase {plugin['real_time'] / ninja['node_stat_ms']:.2f}")
print(f"  CPU per run: plugin user {plugin['user_ms']:.1f} ms + system {plugin['system_ms']:.1f} ms,"
      f" ninja user {ninja['user_ms']:.1f} ms + system {ninja['system_ms']:.1f} ms")
print(f"Peak resident memory: plugin process {plugin['peak_rss_MiB']:.1f} MiB (host tree included;"
      f" BuildProject added {plugin['growth_MiB']:.1f} MiB), ninja {ninja['peak_rss_MiB']:.1f} MiB")
PY
