#!/usr/bin/env bash
# Sets up, builds and starts the tool.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
bin="${BUILD_DIR:-$top/build}/bin"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting the tool under a virtual X server."
    exec xvfb-run -a "$bin/mousecfg"
fi
exec "$bin/mousecfg"
