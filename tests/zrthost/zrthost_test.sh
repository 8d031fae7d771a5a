#!/usr/bin/env bash
# End-to-end tests of zrthost as a process:
#   zrthost_test.sh ZRTHOST EXAMPLES_DIR [RUNNER]
# RUNNER runs a Windows zrthost.exe (cmake/wine-run.sh). Each case runs in a fresh copy of
# the example project; the last line counts the cases.
set -uo pipefail
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
examples=$(cd "$2" && pwd)
runner=${3:-}
zrthost() { $runner "$program" "$@"; }
# A user command that runs for about two seconds.
if [ -n "$runner" ]; then slow_command='ping -n 3 127.0.0.1'; else slow_command='sleep 2'; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
skips=0
# What a case returns when it does not apply to this configuration.
readonly skipped=77

fail() { echo "  FAILED: $*"; return 1; }
expect_contains() { grep -qF -- "$2" <<<"$1" || fail "expected '$2' in: $1"; }
expect_absent() { ! grep -qF -- "$2" <<<"$1" || fail "did not expect '$2' in: $1"; }

# A project made from the example: Debug and Release, three groups, an excluded file.
make_project() {
  cp -R "$examples/blinky/." . &&
    zrthost new p.orbproj --target Debug --device LPC2368 >/dev/null &&
    zrthost add p.orbproj --group Startup Startup/LPC2300.s &&
    zrthost add p.orbproj --group Source Source/main.c Source/led.c Source/trace.c &&
    zrthost set p.orbproj Debug 'ZRT_CParam.Inc=.\Include' &&
    zrthost target p.orbproj add Release &&
    zrthost set p.orbproj Release 'ZRT_CParam.Inc=.\Include' ZRT_CParam.Def=NO_TRACE &&
    zrthost set p.orbproj Source/trace.c 'nobuild=Release?;?'
}

test_help_and_usage_errors() {
  for c in convert new add show set target build rebuild clean compile deps includes compdb settings devices; do
    out=$(zrthost "$c" --help) || fail "$c --help failed" || return 1
    expect_contains "$out" "usage: zrthost $c" || return 1
  done
  zrthost frobnicate 2>/dev/null; [ $? -eq 2 ] || fail "unknown command must exit 2" || return 1
  zrthost build 2>/dev/null; [ $? -eq 2 ] || fail "missing project must exit 2" || return 1
  zrthost build p.orbproj --bogus 2>/dev/null; [ $? -eq 2 ] || fail "unknown option must exit 2"
}

test_new_add_show_set() {
  make_project || fail "making the project" || return 1
  out=$(zrthost show p.orbproj)
  expect_contains "$out" 'RelativePath = .\Source\led.c' || return 1
  expect_contains "$out" 'Configuration "Release"' || return 1
  expect_contains "$out" 'IRAM = 1,0x40000000,0x00008000,0' || return 1
  zrthost set p.orbproj Release 'ZRT_CParam.Misc=--diag_suppress=1 说明' || return 1
  out=$(zrthost show p.orbproj --json)
  expect_contains "$out" '"Misc": "--diag_suppress=1 说明"' || return 1
  expect_contains "$out" '{"element": "File", "attributes": {"RelativePath": ".\\Source\\main.c"' || return 1
  expect_contains "$(zrthost devices lpc23)" 'LPC2368' || return 1
  zrthost set p.orbproj Source/led.c ZRT_CParam.Misc=--c99 || return 1
  out=$(zrthost show p.orbproj | grep -A11 'ZRT_CParam "Debug"')
  expect_contains "$out" 'Code = 2,2,2,2,2,2' || return 1
  expect_contains "$out" 'Misc = --c99' || return 1
  expect_contains "$out" 'cfgModify = 1' || return 1
  zrthost set p.orbproj Source/led.c ZRT_AsmParam.Misc=x 2>/dev/null && { fail "a C file takes no assembler section"; return 1; }
  zrthost set p.orbproj NoSuchNode X=1 2>/dev/null && { fail "an unknown node must fail"; return 1; }
  zrthost add p.orbproj Source/main.c 2>/dev/null && { fail "adding a file twice must fail"; return 1; }
  return 0
}

test_build_incremental_compile_clean() {
  make_project || return 1
  zrthost target p.orbproj use Release >/dev/null || return 1
  out=$(zrthost build p.orbproj) || fail "build failed: $out" || return 1
  expect_contains "$out" 'Compiling ".\Source\main.c"' || return 1
  expect_absent "$out" 'trace.c' || return 1
  [ "$(tail -n1 <<<"$out")" = '.\Release\p.axf create - 0 Error(s),0 Warning(s).' ] || fail "summary line: $out" || return 1
  out=$(zrthost build p.orbproj) || return 1
  expect_absent "$out" 'Compiling' || return 1
  touch -d '+1 hour' Include/led.h
  out=$(zrthost build p.orbproj) || return 1
  expect_contains "$out" 'Compiling ".\Source\main.c"' || return 1
  expect_contains "$out" 'Compiling ".\Source\led.c"' || return 1
  expect_absent "$out" 'Assembling' || return 1
  deps=$(zrthost deps p.orbproj Source/main.c)
  expect_contains "$deps" 'led.h' || return 1
  out=$(zrthost compile p.orbproj Source/led.c) || return 1
  expect_contains "$out" 'Compiling ".\Source\led.c"' || return 1
  [ -f Release/main.o ] || fail "no object" || return 1
  zrthost clean p.orbproj >/dev/null || return 1
  [ ! -f Release/main.o ] || fail "clean left Release/main.o"
}

test_settings_sheet_driven_by_a_script() {
  make_project || return 1
  printf 'tab 1\ntext 1051 25\nok\n' > clock.txt
  out=$(zrthost settings p.orbproj --script clock.txt) || fail "settings: $out" || return 1
  expect_contains "$out" 'ShowSettings answered 2' || return 1
  expect_contains "$(zrthost show p.orbproj | grep -A20 'Configuration "Debug"')" 'CLK = 25.000000'
}

test_status_line_on_a_terminal_only() {
  [ -z "$runner" ] || return "$skipped"  # a Windows console under Wine is not a POSIX terminal
  make_project || return 1
  # script(1) gives zrthost a terminal; the status line is drawn and erased with "\r\e[K".
  out=$(script -qec "'$program' rebuild p.orbproj" /dev/null) || fail "rebuild on a terminal: $out" || return 1
  expect_contains "$out" '[0/4] .\Startup\LPC2300.s' || return 1
  expect_contains "$out" '[3/4] .\Source\trace.c' || return 1
  expect_contains "$out" $'\r\e[K' || return 1
  touch -d '+1 hour' Source/led.c
  out=$(script -qec "'$program' build p.orbproj" /dev/null) || return 1
  expect_contains "$out" '[0/2] .\Source\led.c' || return 1
  out=$(zrthost rebuild p.orbproj)
  expect_absent "$out" '[0/4]' || return 1
  expect_absent "$out" $'\e[K'
}

test_build_errors_exit_1() {
  make_project || return 1
  printf '#error broken on purpose\n' >> Source/led.c
  out=$(zrthost build p.orbproj); rc=$?
  [ $rc -eq 1 ] || fail "a failed build must exit 1, not $rc" || return 1
  expect_contains "$out" 'broken on purpose'
}

test_compdb_equals_what_build_runs() {
  make_project || return 1
  zrthost compdb p.orbproj -o db.json >/dev/null || return 1
  ran=$(zrthost rebuild p.orbproj -v | grep -E '^> .*(armcc|armasm)\.exe' | sed 's/^> //')
  [ "$(grep -c '"command"' db.json)" -eq "$(wc -l <<<"$ran")" ] || fail "entry count differs" || return 1
  while IFS= read -r line; do
    escaped=$(sed -e 's/\\/\\\\/g' -e 's/"/\\"/g' <<<"$line")
    grep -qF -- "\"command\": \"$escaped\"" db.json || fail "not in db.json: $line" || return 1
  done <<<"$ran"
  if [ -n "$runner" ]; then file='\\Source\\led.c"'; else file="\"file\": \"$PWD/Source/led.c\""; fi
  expect_contains "$(cat db.json)" "$file"
}

test_target_rename_moves_outputs_and_sections() {
  make_project || return 1
  zrthost set p.orbproj Source/led.c ZRT_CParam.Misc=--c99 || return 1
  zrthost target p.orbproj rename Debug Lab || return 1
  out=$(zrthost show p.orbproj)
  expect_contains "$out" 'OutName = 0,.\Lab\p' || return 1
  expect_contains "$out" 'ZRT_CParam "Lab"' || return 1
  expect_contains "$out" 'ActiveConfiguration = Lab' || return 1
  expect_absent "$out" '"Debug"' || return 1
  out=$(zrthost build p.orbproj) || return 1
  expect_contains "$out" '.\Lab\p.axf create' || return 1
  zrthost target p.orbproj remove Release || return 1
  zrthost target p.orbproj remove Lab 2>/dev/null && { fail "the last target must stay"; return 1; }
  return 0
}

test_project_in_a_chinese_folder() {
  mkdir 项目 && cp -R "$examples/blinky/." 项目/ || return 1
  out=$(cd 项目 && zrthost convert Blinky.uvproj --device LPC2368) || fail "convert: $out" || return 1
  out=$(zrthost build 项目/Blinky.orbproj) || fail "build: $out" || return 1
  expect_contains "$out" '.\Release\Blinky.axf - 0 Error(s),0 Warning(s).' || return 1
  expect_contains "$(zrthost deps 项目/Blinky.orbproj 项目/Source/main.c)" '.\Include\led.h' || return 1
  zrthost compdb 项目/Blinky.orbproj >/dev/null && grep -q '项目' 项目/compile_commands.json ||
    fail "compdb names the folder wrongly: $(cat 项目/compile_commands.json)"
}

test_corrupt_and_foreign_files_refused_with_position() {
  printf '<?xml version="1.0"?>\n<OrbweaveProject>\n  <Files a=1/>\n</OrbweaveProject>\n' > bad.orbproj
  err=$(zrthost show bad.orbproj 2>&1); rc=$?
  [ $rc -eq 1 ] || fail "exit $rc" || return 1
  expect_contains "$err" 'bad.orbproj:3:' || return 1
  # A character the ANSI code page lacks would come back as '?' from the next save.
  printf '<OrbweaveProject>\n  <Files X="\xf0\x9f\x98\x80"/>\n</OrbweaveProject>\n' > lossy.orbproj
  err=$(zrthost show lossy.orbproj 2>&1)
  expect_contains "$err" 'lossy.orbproj:2:3: a name or value of this element holds a character' || return 1
  printf '<Project>\n</Project>\n' > foreign.orbproj
  err=$(zrthost build foreign.orbproj 2>&1)
  expect_contains "$err" 'foreign.orbproj:1:1: not a project file'
}

test_interrupted_save_keeps_old_file() {
  make_project || return 1
  cp p.orbproj before.orbproj
  [ "$(wc -c < p.orbproj)" -gt 1536 ] || fail "the project is too small for the size limit" || return 1
  # A file size limit makes the write of the new project file fail half way.
  (ulimit -f 1; zrthost set p.orbproj Debug 'ZRT_CParam.Misc=--new' 2>/dev/null)
  cmp -s p.orbproj before.orbproj || fail "the project file changed"
}

test_ctrl_c_stops_the_build() {
  make_project || return 1
  zrthost set p.orbproj Debug "ZRT_User.BfB=1,($slow_command)#0,()" || return 1
  $runner "$program" build p.orbproj > out.txt 2>&1 &
  pid=$!
  for _ in $(seq 100); do grep -q 'Build Project' out.txt && break; sleep 0.1; done
  sleep 0.5
  # Wine runs the program in a process of its own beside $pid: signal both, as a terminal does.
  pkill -INT -s 0 -f 'zrthost(\.exe)? build p\.orbproj'
  wait $pid; rc=$?
  [ $rc -eq 130 ] || fail "exit $rc: $(cat out.txt)" || return 1
  expect_contains "$(cat out.txt)" 'interrupted, stopping the build' || return 1
  expect_absent "$(cat out.txt)" 'led.c' || return 1
  [ ! -f Debug/main.o ] || fail "a file was compiled after Ctrl-C"
}

test_convert_both_example_forms() {
  cp -R "$examples/blinky/." .
  for source in Blinky.uvproj Blinky.uv2; do
    out=$(zrthost convert $source -o "${source%.*}-${source#*.}.orbproj" --device LPC2368) ||
      fail "convert $source: $out" || return 1
    expect_contains "$out" 'targets: 2 (Debug, Release)' || return 1
    expect_contains "$out" 'files: 5' || return 1
  done
  out=$(zrthost build Blinky-uv2.orbproj) || fail "building the converted .uv2: $out" || return 1
  expect_contains "$out" '0 Error(s),0 Warning(s).' || return 1
  cp Blinky-uv2.orbproj before.orbproj
  zrthost convert Blinky.uv2 -o Blinky-uv2.orbproj 2>/dev/null && { fail "a project file was replaced"; return 1; }
  cmp -s Blinky-uv2.orbproj before.orbproj || fail "the refused conversion changed the project file" || return 1
  zrthost convert Blinky.uv2 -o Blinky-uv2.orbproj --force >/dev/null
}

for t in $(declare -F | awk '{print $3}' | grep '^test_'); do
  dir="$work/$t"
  mkdir -p "$dir"
  (cd "$dir" && $t)
  case $? in
    0) passed=$((passed + 1)); echo "ok $t" ;;
    "$skipped") skips=$((skips + 1)); echo "skipped $t (not for this configuration)" ;;
    *) failed=$((failed + 1)); echo "FAILED $t" ;;
  esac
done
echo "$passed passed, $failed failed, $skips skipped"
[ "$failed" -eq 0 ]
