#!/usr/bin/env bash
# Builds file-timing and prints how long the program's readers take over hostile files filled up
# to the limits of each kind, on a scratch copy of the application folder (ROUNDS=n rounds).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$top/build}"
cmake --build "$build" --target file-timing >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$top/data/${MODEL:-hornbeam}/." "$work/"
QT_LOGGING_RULES="*.debug=false" "$build/bin/file-timing" "$work" "${ROUNDS:-5}"
