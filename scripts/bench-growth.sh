#!/usr/bin/env bash
# Builds the Release configuration and runs the growth benchmark: NodeCreated for each of
# 10,000 and 100,000 new files, ProjectOpened on projects of that many files, and the
# active-configuration change (ProjectEvent 2) on 500 and 2,000 nested groups, first with
# every marker to set, then again with every marker right. Prints the medians of
# ZRT_BENCH_REPETITIONS runs (default 5) and how much each grows from the smaller size.
#   (build folder and repetitions: see scripts/bench-run.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/bench-run.sh

run_benchmark project_growth_bench

report <<'PY'
for name, small, large in (("BM_NodeCreatedPerFile", 10000, 100000), ("BM_ProjectOpened", 10000, 100000),
                           ("BM_ActiveConfigurationChange/first", 500, 2000),
                           ("BM_ActiveConfigurationChange/again", 500, 2000)):
    a, b = find(f"{name}/{small}/"), find(f"{name}/{large}/")
    print(f"{name}: {small:,}: {a['real_time']:.2f} ms (CPU {a['cpu_time']:.2f}), {large:,}: {b['real_time']:.2f} ms"
          f" (CPU {b['cpu_time']:.2f}); x{large // small} in size gives x{b['cpu_time'] / a['cpu_time']:.1f} in CPU time")
PY
