#!/usr/bin/env bash
# Builds the Release configuration and runs the XML document benchmark: ParseText plus a
# full walk against pugixml and libxml2 on a generated 64 MiB project and on the corpus,
# and the peak heap of each parser for the 64 MiB document. Prints the medians of
# ZRT_BENCH_REPETITIONS runs (default 5) with MB/s and the ratios.
#   (build folder and repetitions: see scripts/bench-run.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/bench-run.sh

run_benchmark xml_document_bench ZRT_CORPUS_DIR="${ZRT_CORPUS_DIR:-$(pwd)/../shared/corpus}"

report <<'PY'
for case in ("OnGenerated", "OnCorpus"):
    speed = {p: find(f"{case}/{p}")["bytes_per_second"] / 1e6 for p in ("Ours", "Pugixml", "Libxml2")}
    print(f"{case}: ours {speed['Ours']:.0f} MB/s, pugixml {speed['Pugixml']:.0f} MB/s, libxml2 {speed['Libxml2']:.0f} MB/s;"
          f" ours/pugixml {speed['Ours'] / speed['Pugixml']:.2f}, ours/libxml2 {speed['Ours'] / speed['Libxml2']:.2f}")
peak = {p: find(f"BM_PeakMemory_{p}")["peak_MiB"] for p in ("Ours", "Pugixml", "Libxml2")}
print(f"Peak heap for the {find('BM_PeakMemory_Ours')['text_MiB']:.0f} MiB document: ours {peak['Ours']:.0f} MiB,"
      f" pugixml {peak['Pugixml']:.0f} MiB, libxml2 {peak['Libxml2']:.0f} MiB; ours/pugixml {peak['Ours'] / peak['Pugixml']:.2f}")
PY
