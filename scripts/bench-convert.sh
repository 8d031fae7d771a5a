#!/usr/bin/env bash
# Builds the Release configuration and runs the conversion benchmark: ConvertProject on a
# generated .uvproj of 3 targets (group and file overrides) at 1,000, 10,000 and 100,000
# files, against the XML reader alone and parsing the same file alone with CXmlDocument
# and with pugixml. Prints
# the medians of ZRT_BENCH_REPETITIONS runs (default 5), the ratios, and the cost per
# file at each size.
#   (build folder and repetitions: see scripts/bench-run.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/bench-run.sh

run_benchmark convert_project_bench

report <<'PY'
for files in (1000, 10000, 100000):
    t = {step: find(f"BM_{step}/{files}/")["real_time"] for step in ("Convert", "ReadOnly", "ParseOurs", "ParsePugixml")}
    print(f"{files:>6} files: convert {t['Convert']:.1f} ms (reader alone {t['ReadOnly']:.1f} ms),"
          f" parse ours {t['ParseOurs']:.1f} ms, pugixml {t['ParsePugixml']:.1f} ms;"
          f" convert/ours {t['Convert'] / t['ParseOurs']:.2f}, reader/ours {t['ReadOnly'] / t['ParseOurs']:.2f},"
          f" convert/pugixml {t['Convert'] / t['ParsePugixml']:.2f}")
print("Per file (us), 1k / 10k / 100k:")
for step in ("Convert", "ReadOnly", "ParseOurs", "ParsePugixml"):
    per = [find(f"BM_{step}/{n}/")["real_time"] * 1000 / n for n in (1000, 10000, 100000)]
    print(f"  {step:<12} " + " / ".join(f"{p:.2f}" for p in per))
PY
