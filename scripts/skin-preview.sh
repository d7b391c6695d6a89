#!/usr/bin/env bash
# Renders the skin and lays it out like the main window into docs/skin-preview.png
# (or the file given), without a display.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$top/build}"
out="${1:-$top/docs/skin-preview.png}"
[ -f "$build/build.ninja" ] || cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
cmake --build "$build" --target skin skinpreview
mkdir -p "$(dirname "$out")"
QT_QPA_PLATFORM=offscreen "$build/tools/skinpreview" "$build/bin" "$out"
echo "wrote $out"
