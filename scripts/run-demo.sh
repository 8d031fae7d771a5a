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
"$zrthost" convert "$demo/Blinky.uvproj" --device LPC2368 -o "$project"
echo
echo "== zrthost target $project list"
"$zrthost" target "$project" list
echo
echo "== zrthost build $project"
"$zrthost" build "$project"
