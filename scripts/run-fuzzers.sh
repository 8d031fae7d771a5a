#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", build/fuzz) and runs every one of them for
# ZRT_FUZZ_SECONDS seconds (default 20) against a temporary copy of its seed corpus
# tests/fuzz/<name without _fuzzer>_corpus, so the committed corpora do not grow.
# Fails when a fuzzer finds a crash, a leak or a sanitizer report, or when one has no corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${ZRT_FUZZ_SECONDS:-20}
jobs=${ZRT_JOBS:-2}

cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j"$jobs"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
count=0
for fuzzer in build/fuzz/tests/fuzz/*_fuzzer; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  seeds=tests/fuzz/${name%_fuzzer}_corpus
  count=$((count + 1))
  if [ ! -d "$seeds" ]; then
    echo "run-fuzzers: $name: no seed corpus $seeds"
    failed=$((failed + 1))
    continue
  fi
  corpus=$work/$name
  mkdir -p "$corpus" "$work/artifacts-$name"
  cp -r "$seeds"/. "$corpus"/
  if "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/artifacts-$name/" \
      "$corpus" >"$work/$name.log" 2>&1; then
    echo "run-fuzzers: $name: clean, $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$name.log" |
      grep -o '[0-9]*$') runs in ${seconds} s"
  else
    echo "run-fuzzers: $name: FAILED"
    tail -n 60 "$work/$name.log"
    mkdir -p build/fuzz/artifacts
    cp "$work/artifacts-$name"/* build/fuzz/artifacts/ 2>/dev/null || true
    failed=$((failed + 1))
  fi
done

echo "run-fuzzers: $count fuzzers, $failed failed"
[ "$count" -gt 0 ] && [ "$failed" -eq 0 ]
