#!/usr/bin/env bash
# make run: installs what is missing (as make test does), builds the Release
# configuration, converts the example project with zrthost and builds it with the ARM
# tool emulator, printing the build output that ends in the summary line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset linux-release >/dev/null
cmake --build build/linux-release -j"${ZRT_JOBS:-2}" --target zrthost >/dev/null

zrthost=build/linux-release/host/zrthost/zrthost
demo=build/demo
rm -rf "$demo"
mkdir -p "$demo"
cp -R examples/blinky/. "$demo"/
project="$demo/Blinky.orbproj"

echo "== zrthost convert examples/blinky/Blinky.uvproj"
if ! "$zrthost" convert "$demo/Blinky.uvproj" --device LPC2368 -o "$project"; then
  # Until the plug-in converts uVision projects, the same project is made by hand.
  echo "== conversion unavailable: making the example project with zrthost new/add instead"
  "$zrthost" new "$project" --target Debug --device LPC2368
  "$zrthost" target "$project" add Release
  "$zrthost" add "$project" --group Startup "$demo/Startup/LPC2300.s"
  "$zrthost" add "$project" --group Source "$demo/Source/main.c" "$demo/Source/led.c" "$demo/Source/trace.c"
  "$zrthost" add "$project" --group Documentation "$demo/Doc/Abstract.txt"
  "$zrthost" set "$project" Debug ZRT_CParam.Inc=.\\Include
  "$zrthost" set "$project" Release ZRT_CParam.Inc=.\\Include "ZRT_CParam.Def=NO_TRACE" ZRT_CParam.Opt=3,0 ZRT_Output.OutHex=1
  "$zrthost" set "$project" "$demo/Source/trace.c" "nobuild=Release?;?"
  "$zrthost" set "$project" "$demo/Source/led.c" ZRT_CParam.Misc=--c99 ZRT_CParam.Def=LED_FAST
  "$zrthost" target "$project" use Release
fi
echo
echo "== zrthost target $project list"
"$zrthost" target "$project" list
echo
echo "== zrthost build $project"
"$zrthost" build "$project"
