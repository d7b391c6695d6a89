#!/usr/bin/env bash
# Sets up, builds and starts the tool.
#
# With no real mouse plugged in (no hidraw device of vendor 3f1c), a virtual mouse of the
# installed model is started first, so that the tool has a mouse to show; it stops with the
# tool. Without a display the tool runs under a virtual X server, a screenshot of its main window
# is taken once it is shown, and the tool is stopped again.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bin="${BUILD_DIR:-$top/build}/bin"

if [ -z "${MOUSECFG_RUN_HEADLESS:-}" ]; then
    "$top/scripts/setup.sh"
    "$top/scripts/build.sh"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display: starting the tool under a virtual X server."
        MOUSECFG_RUN_HEADLESS=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
    fi
fi

real_mouse_present() {
    local uevent
    for uevent in /sys/class/hidraw/*/device/uevent; do
        [ -e "$uevent" ] || continue
        grep -qi '^HID_ID=[0-9a-f]*:00003F1C:' "$uevent" && return 0
    done
    return 1
}

product=$(sed -n 's/^ProductName=//p' "$bin/DefaultProfile.bin" 2>/dev/null | head -n 1)
product="${product:-HORNBEAM}"
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

if real_mouse_present; then
    echo "A mouse of the family is plugged in: using it."
else
    echo "No mouse plugged in: starting a virtual $product (receiver)."
    "$bin/virtual-mouse" --name "$product" --receiver < /dev/null > /dev/null &
    pids+=($!)
    sleep 0.5
fi

if [ -z "${MOUSECFG_RUN_HEADLESS:-}" ]; then
    "$bin/mousecfg"
    exit $?
fi

"$bin/mousecfg" > /dev/null 2>&1 &
tool=$!
pids+=("$tool")
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name "^$product\$" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$tool" 2>/dev/null || { echo "The tool ended before its window showed." >&2; exit 1; }
    sleep 0.2
done
if [ -z "$window" ]; then
    echo "The main window did not show within 20 seconds." >&2
    exit 1
fi
# Let the first battery report arrive and the on-screen display of the mouse's first status
# report go again.
sleep 4
shot="${BUILD_DIR:-$top/build}/screenshot.png"
import -window "$window" "$shot"
echo "The tool started and showed its main window; screenshot: $shot"
