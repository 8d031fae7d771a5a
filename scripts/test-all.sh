#!/usr/bin/env bash
# Installs what is missing, then builds and tests every configuration:
#   linux-debug (ASan + UBSan), linux-i386, windows-i686 (the shipping DLL: export check,
#   tests under 32-bit Wine), windows-x86_64 (tests under 64-bit Wine), fuzz (bounded
#   libFuzzer runs); each Windows run also opens the real settings sheets under Xvfb and
#   saves screenshots (build/screenshots/). A configuration that cannot run here says SKIPPED and why.
# Prints one summary line per configuration and a final "N passed, N failed" line.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=${ZRT_JOBS:-2}
log_dir=$root/build/logs
mkdir -p "$log_dir"

./scripts/install-deps.sh || { echo "test-all: installing dependencies failed"; exit 1; }

passed=0
failed=0
summary=()

# Exit status of a configuration that could not run on this machine; its log's last line
# says why.
readonly kSkipped=77

# run_step NAME COMMAND...: runs a configuration's commands, logging to build/logs/NAME.log.
run_step() {
  local name=$1 rc
  shift
  local start=$SECONDS
  "$@" >"$log_dir/$name.log" 2>&1
  rc=$?
  if [ "$rc" -eq 0 ]; then
    passed=$((passed + 1))
    summary+=("PASS  $name ($((SECONDS - start)) s) $(tail -n 1 "$log_dir/$name.log")")
  elif [ "$rc" -eq "$kSkipped" ]; then
    summary+=("SKIPPED  $name ($((SECONDS - start)) s): $(tail -n 1 "$log_dir/$name.log")")
  else
    failed=$((failed + 1))
    summary+=("FAIL  $name ($((SECONDS - start)) s), see build/logs/$name.log")
    tail -n 40 "$log_dir/$name.log"
  fi
}

# Runs a build's CTest suite; its last line is CTest's "N% tests passed" line.
run_ctest() {
  local dir=$1 rc
  ctest --test-dir "$dir" --output-on-failure --timeout 600 2>&1 | tee "$dir/ctest.log"
  rc=${PIPESTATUS[0]}
  grep -E 'tests passed' "$dir/ctest.log" | tail -n 1
  return "$rc"
}

linux_tests() {
  local preset=$1
  if [ "$preset" = linux-i386 ]; then scripts/enable-i386.sh || return 1; fi
  cmake --preset "$preset" &&
    cmake --build "build/$preset" -j"$jobs" &&
    run_ctest "build/$preset"
}

wine_prefix() {
  WINEPREFIX=$root/build/wine-prefix LANG=zh_CN.UTF-8 WINEDEBUG=-all wineboot -i >/dev/null 2>&1
}

# The shipping DLL: built and its exports checked always; its suites run under the 32-bit
# Wine unless install-deps.sh could not install it here.
windows_i686_tests() {
  cmake --preset windows-i686 &&
    cmake --build build/windows-i686 -j"$jobs" &&
    scripts/check-exports.sh build/windows-i686/src/ZRTSettings.dll || return 1
  if [ -f build/wine32-unavailable ]; then
    echo "DLL built and checked; tests not run: no 32-bit Wine ($(cat build/wine32-unavailable))"
    return "$kSkipped"
  fi
  wine_prefix
  run_ctest build/windows-i686
}

windows_x86_64_tests() {
  wine_prefix
  cmake --preset windows-x86_64 &&
    cmake --build build/windows-x86_64 -j"$jobs" &&
    scripts/check-exports.sh build/windows-x86_64/src/ZRTSettings.dll &&
    run_ctest build/windows-x86_64
}

# Real sheets under Xvfb and Wine, with screenshots; skipped with the i686 tests.
ui_screens() {
  local preset=$1
  if [ "$preset" = windows-i686 ] && [ -f build/wine32-unavailable ]; then
    echo "no 32-bit Wine ($(cat build/wine32-unavailable))"
    return "$kSkipped"
  fi
  scripts/ui-screenshots.sh "$preset"
}

fuzzers() {
  if [ -x scripts/run-fuzzers.sh ]; then
    scripts/run-fuzzers.sh
  else
    echo "no fuzz targets yet"
  fi
}

run_step linux-debug linux_tests linux-debug
run_step linux-i386 linux_tests linux-i386
run_step windows-i686 windows_i686_tests
run_step windows-i686-ui ui_screens windows-i686
run_step windows-x86_64 windows_x86_64_tests
run_step windows-x86_64-ui ui_screens windows-x86_64
run_step fuzz fuzzers

echo
printf '%s\n' "${summary[@]}"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
