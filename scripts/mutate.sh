#!/usr/bin/env bash
# Measures the test suites by mutants: applies a reproducible sample of small changes to
# src/*.cpp one at a time (a comparison flipped, a constant off by one, a condition
# negated, a statement deleted; see scripts/mutate.py), builds incrementally in
# build/mutate (Debug, no sanitizers) and runs the suites that link src/. A mutant is
# killed when a suite fails or times out, survives when all pass, and is "not viable"
# when it does not build or its file is not compiled here (src/ui/framework/win32/ on
# Linux); then the next candidate replaces it.
#
#   scripts/mutate.sh [COUNT [SEED]]     defaults: MUTATE_COUNT=60, MUTATE_SEED=12
#
# Prints killed / survived / total and the survivors; the full log goes to
# build/mutate/mutants.log. src/ is restored after each mutant and on any exit (Ctrl-C too).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 2

count=${1:-${MUTATE_COUNT:-60}}
seed=${2:-${MUTATE_SEED:-12}}
build=build/mutate
timeout=${MUTATE_TIMEOUT:-20}
# Suites that do not link src/ (the OS layer, the tool emulator, script checks) are skipped.
skip='^(platform_|tools_|include_layering$|plugin_exports$)'
log=$build/mutants.log

if [ -n "$(git status --porcelain -- src)" ]; then
  echo "mutate: src/ has uncommitted changes; commit or stash them first" >&2
  exit 2
fi

backup=$(mktemp)
mutated=""
restore() {
  if [ -n "$mutated" ]; then cp "$backup" "$mutated" && mutated=""; fi
}
trap restore EXIT
trap 'restore; echo "mutate: interrupted, src/ restored" >&2; exit 130' INT TERM

build_quietly() { nice cmake --build "$build" -j2 >"$build/last-build.txt" 2>&1; }
# A mutant may loop or allocate without end: each suite gets a time limit and at most 2 GB.
run_suites() {
  (ulimit -v 2000000; nice ctest --test-dir "$build" -j2 --timeout "$timeout" -E "$skip" --stop-on-failure \
    >"$build/last-test.txt" 2>&1)
}

if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZRT_SANITIZE=OFF \
    -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DCMAKE_C_FLAGS_DEBUG=-O0 >/dev/null || exit 2
fi
echo "mutate: building and testing the unmutated sources in $build"
build_quietly || { echo "mutate: the unmutated build fails, see $build/last-build.txt" >&2; exit 2; }
run_suites || { echo "mutate: the unmutated suites fail, see $build/last-test.txt" >&2; exit 2; }

killed=0 survived=0 viable=0 notViable=0
survivors=()
: >"$log"
while IFS=$'\t' read -r -u 3 file line column kind before after && [ "$viable" -lt "$count" ]; do
  cp "$file" "$backup"
  mutated=$file
  python3 scripts/mutate.py apply "$file" "$line" "$column" "$before" "$after" || { restore; continue; }
  change="$kind: '$before' -> '$after'"
  if ! build_quietly || ! grep -qF "/$(basename "$file").o" "$build/last-build.txt"; then
    result="not viable"; notViable=$((notViable + 1))
  else
    viable=$((viable + 1))
    if run_suites; then
      result="SURVIVED"; survived=$((survived + 1)); survivors+=("$file:$line  $change")
    else
      result="killed"; killed=$((killed + 1))
    fi
  fi
  restore
  printf '[%2d/%d] %-10s %s:%s  %s\n' "$viable" "$count" "$result" "$file" "$line" "$change" | tee -a "$log"
done 3< <(python3 scripts/mutate.py list "$seed")

# Leave the build folder matching the pristine sources.
build_quietly
total=$((killed + survived))
echo
echo "mutate: seed $seed: killed $killed / survived $survived / total $total" \
  "(kill rate $(awk "BEGIN { printf \"%.1f\", $total ? 100 * $killed / $total : 0 }")%)," \
  "$notViable not viable" | tee -a "$log"
for s in "${survivors[@]}"; do echo "  survived: $s" | tee -a "$log"; done
rm -f "$backup"
