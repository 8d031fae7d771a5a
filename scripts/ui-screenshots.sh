#!/usr/bin/env bash
# Opens every kind of settings sheet for real: builds the programs below (the sheets, the
# controls, the Target to User pages) for a Windows configuration (default
# windows-x86_64; windows-i686 runs under the 32-bit Wine), runs them under Wine on a
# private Xvfb display with LANG=zh_CN.UTF-8, and takes a PNG whenever a program asks
# for one (xwd + ImageMagick). Prints the programs' lines, their "N passed, N failed"
# lines and where the PNGs are; fails when a program does.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
preset=${1:-windows-x86_64}
build=$root/build/$preset
shots=$root/build/screenshots/$preset
# The programs run in turn, each asking for its screenshots.
programs="ui_sheet_screens ui_controls_screen ui_page_screens"
convert=/usr/bin/convert
[ -x "$convert" ] || convert=convert

# The programs need the test host: the tests are built (the presets' default).
cmake --preset "$preset" -DZRT_BUILD_TESTS=ON >/dev/null &&
  cmake --build "$build" -j"${ZRT_JOBS:-2}" --target $programs >/dev/null || {
  echo "ui-screenshots: building $programs for $preset failed"
  exit 1
}
rm -rf "$shots"
mkdir -p "$shots"

# A display of our own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$shots/.display" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null' EXIT
for _ in $(seq 100); do [ -s "$shots/.display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$shots/.display")

# Takes each screenshot the program asks for: NAME.request holds the window's x y w h.
take_shots() {
  local request name x y w h
  for request in "$shots"/*.request; do
    [ -e "$request" ] || continue
    read -r x y w h <"$request" || continue
    name=$(basename "$request" .request)
    xwd -root -silent | "$convert" xwd:- -crop "${w}x${h}+${x}+${y}" +repage "png:$shots/$name.png"
    rm -f "$request"
  done
}

# A Chinese Windows shows its dialogs in SimSun (the shell dialog font maps to it); here
# WenQuanYi Zen Hei stands in for it. A Wine desktop window of the screen's size draws
# the window frames that no window manager draws on Xvfb.
cmake/wine-run.sh reg add 'HKCU\Software\Wine\Fonts\Replacements' /v SimSun /d 'WenQuanYi Zen Hei Sharp' /f \
  >/dev/null 2>&1
windows_folder="Z:${shots//\//\\}"
run_programs() {
  local program status=0
  for program in $programs; do
    cmake/wine-run.sh explorer /desktop=zrt,1280x1024 "$build/tests/ui/$program.exe" "$windows_folder" || status=1
  done
  return "$status"
}
timeout 600 bash -c "$(declare -f run_programs); programs='$programs' windows_folder='$windows_folder' build='$build' run_programs" \
  >"$shots/run.log" 2>&1 &
driver=$!
while kill -0 "$driver" 2>/dev/null; do
  take_shots
  sleep 0.2
done
wait "$driver"
status=$?
tr -d '\r' <"$shots/run.log" | grep -E '^(PASS|FAIL) |passed, [0-9]+ failed'
ls "$shots"/*.png 2>/dev/null | sed 's/^/  /'
echo "ui-screenshots: $(ls "$shots"/*.png 2>/dev/null | wc -l) PNGs in $shots"
exit "$status"
