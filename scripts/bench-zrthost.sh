#!/usr/bin/env bash
# Builds the Release configuration and times zrthost as a whole process. `zrthost build`
# on an up-to-date project of 10,000 C files with 5 headers each (project file load,
# Initialize, ProjectOpened, BuildProject and its one link command) against `ninja` on
# the same files and edges, run alternately; then `zrthost convert` of the 3-target
# 10,000-file .uvproj of scripts/bench-convert.sh. Prints the medians of
# ZRT_BENCH_REPETITIONS runs (default 5), the ratio zrthost/ninja, the CPU time and the
# peak resident memory of each process. The tools are stand-ins that exit at once (as in
# scripts/bench-build.sh the host answers every command at once), so no tool time counts.
#   (build folder and repetitions: see scripts/bench-run.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/bench-run.sh

command -v ninja >/dev/null || { echo "bench-zrthost: ninja is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
cmake --preset linux-release -B "$build" >/dev/null
cmake --build "$build" -j"${ZRT_JOBS:-2}" --target zrthost zrthost_bench_project peak_rss

work=$(mktemp -d)
trap 'rm -rf "$work" "$json"' EXIT
echo "bench-zrthost: writing the projects into $work"
"$build/bench/zrthost_bench_project" "$work"

# An installation folder whose Preference.txt names stand-in tools that exit at once.
mkdir -p "$work/root/opt" "$work/tools"
cp "$build/host/zrthost/opt/Preference.so" "$work/root/opt/"
for tool in armcc armasm armlink armar fromelf; do cp "$(type -P true)" "$work/tools/$tool.exe"; done
echo "ARM|||${work//\//\\}\\tools|${work//\//\\}\\tools|" >"$work/root/opt/Preference.txt"

python3 - "$repetitions" "$build/bench/peak_rss" "$build/host/zrthost/zrthost" "$work" <<'PY'
import os, statistics, subprocess, sys, time
repetitions, work = int(sys.argv[1]), sys.argv[4]
peak_rss, zrthost = os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3])
root = ["--root", os.path.join(work, "root")]

def run(argv, expect, refuse="\0"):
    """Runs argv under peak_rss (which reports the peak of argv alone) in work, checking
    its output; answers (wall ms, peak MiB, user ms, system ms)."""
    before = os.times()
    start = time.perf_counter()
    process = subprocess.run([peak_rss] + argv, cwd=work, capture_output=True, text=True)
    wall = (time.perf_counter() - start) * 1e3
    after = os.times()
    out, err = process.stdout, process.stderr
    if process.returncode != 0 or expect not in out or refuse in out:
        sys.exit(f"bench-zrthost: {' '.join(argv)} failed or did unexpected work:\n{out[-2000:]}{err[-2000:]}")
    kib = int(err.rsplit("peak_rss_kib", 1)[1])
    return (wall, kib / 1024, (after.children_user - before.children_user) * 1e3,
            (after.children_system - before.children_system) * 1e3)

def median(samples, i):
    return statistics.median(s[i] for s in samples)

build = [zrthost, "build", "Bench.orbproj"] + root
ninja = ["ninja"]
# The project must be up to date on both sides: only the link runs, nothing compiles.
zrt, nin = [], []
run(build, "0 Error(s)", "Compiling")
for _ in range(repetitions):
    zrt.append(run(build, "0 Error(s)", "Compiling"))
    nin.append(run(ninja, "no work to do"))
z, n = median(zrt, 0), median(nin, 0)
print(f"Up-to-date build, 10,000 C files x 5 headers, whole process: zrthost build {z:.0f} ms, ninja {n:.0f} ms;"
      f" zrthost/ninja {z / n:.2f} (target 1.5)")
print(f"  CPU per run: zrthost user {median(zrt, 2):.0f} ms + system {median(zrt, 3):.0f} ms,"
      f" ninja user {median(nin, 2):.0f} ms + system {median(nin, 3):.0f} ms")
print(f"  peak resident memory: zrthost {median(zrt, 1):.1f} MiB, ninja {median(nin, 1):.1f} MiB")

convert = [zrthost, "convert", "Convert.uvproj", "-o", "Converted.orbproj", "--force"] + root
runs = [run(convert, "files: 10000") for _ in range(repetitions)]
print(f"zrthost convert, 3 targets x 10,000 files: {median(runs, 0):.0f} ms (user {median(runs, 2):.0f} ms"
      f" + system {median(runs, 3):.0f} ms), peak resident memory {median(runs, 1):.1f} MiB")
PY
