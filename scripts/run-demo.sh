#!/usr/bin/env bash
# make run: builds the Release configuration and runs the furthest end-to-end path that works.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset linux-release >/dev/null
cmake --build build/linux-release -j"${ZRT_JOBS:-2}" --target zrt_frame_demo >/dev/null
exec build/linux-release/tests/host/zrt_frame_demo
