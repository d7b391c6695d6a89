#!/usr/bin/env bash
# Checks every tracked C++ source and header against the project's .clang-format. Prints the
# files clang-format would change and the command that rewrites them; exit 1 when there are any.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cd "$top"
command -v clang-format > /dev/null || "$top/scripts/setup.sh"
clang-format --version
# A dry run names every place that would change; a failing clang-format (a broken style file, a
# file it cannot read) fails the check instead of passing it.
report=$(git ls-files -z '*.cpp' '*.h' |
    xargs -0 -n 64 -P "$(nproc)" clang-format --style=file --dry-run 2>&1) || {
    echo "$report" >&2
    echo "clang-format failed" >&2
    exit 2
}
drift=$(sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' \
    <<< "$report" | sort -u)
if [ -n "$drift" ]; then
    echo "These files are not formatted with .clang-format:"
    sed 's/^/  /' <<< "$drift"
    echo "Fix them with:"
    echo "  clang-format -i $(paste -sd' ' <<< "$drift")"
    exit 1
fi
echo "$(git ls-files '*.cpp' '*.h' | wc -l) files formatted with .clang-format"
