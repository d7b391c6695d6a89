#!/usr/bin/env bash
# The tool in a Wayland session: a headless weston compositor, a private session bus with a
# stand-in notification server, a virtual mouse. The window must open on the wayland platform,
# the session must be recognised, the start must print no Qt warning, a DPI press on the mouse
# must reach the notification server as one bubble replaced in place, and nothing may crash.
# Without the notification server, a DPI press and a low battery must reach the OSD program. Then, as the headless compositor has
# no pointer, a weston nested in a virtual X server (its x11 backend) gets a drag on the window
# from xdotool: the drag must be handed to the compositor.
#
#   wayland-check.sh BIN_DIR      (BIN_DIR holds mousecfg, virtual-mouse, notify-server)
#
# Exit 0: passed; 1: failed; 77: weston or the Qt wayland platform is not installed.
set -euo pipefail
drag=0
if [ "${1:-}" = "--drag" ]; then
    drag=1
    shift
fi
bin="$(cd "${1:?usage: wayland-check.sh BIN_DIR}" && pwd)"

fail() {
    echo "FAIL: $*" >&2
    for log in weston tool notify mouse; do
        [ -s "$work/$log.log" ] && { echo "--- $log" >&2; tail -n 15 "$work/$log.log" >&2; }
    done
    exit 1
}
# shellcheck source=../wait-for.sh
. "$(dirname "$0")/../wait-for.sh"

command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }
command -v dbus-daemon >/dev/null || { echo "SKIP: dbus-daemon is not installed"; exit 77; }
ls /usr/lib/*/qt5/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "SKIP: the Qt wayland platform (qtwayland5) is not installed"; exit 77; }

work="$(mktemp -d "${TMPDIR:-/tmp}/mousecfg-wayland.XXXXXX")"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR="$work/run" MOUSECFG_VIRTUAL_DIR="$work/virtual"
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_RUNTIME_DIR" "$MOUSECFG_VIRTUAL_DIR" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR" "$MOUSECFG_VIRTUAL_DIR"
# The tool sees no X server: only the nested compositor and xdotool use it.
xdisplay="${DISPLAY:-}"
unset DISPLAY

# A private session bus and the notification server on it.
# Nothing is started on demand on it: an installed notification daemon would stand in for the
# server that is meant to be missing.
cat >"$work/bus.conf" <<CONF
<busconfig><type>session</type><listen>unix:path=$XDG_RUNTIME_DIR/bus</listen><auth>EXTERNAL</auth>
  <policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
  <allow own="*"/></policy></busconfig>
CONF
dbus-daemon --config-file="$work/bus.conf" --nofork >"$work/dbus.log" 2>&1 &
pids+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/bus" ] && break; sleep 0.1; done
"$bin/notify-server" >"$work/notify.log" 2>&1 &
notify_pid=$!
pids+=($notify_pid)
wait_for 10 "^notify-server ready" "$work/notify.log" || fail "the notification server did not start"

# The compositor: headless, or for the drag nested in the X server, one output the size of the
# window under the kiosk shell so that the window lies at a known place.
if [ $drag -eq 1 ]; then
    DISPLAY="$xdisplay" weston --backend=x11-backend.so --use-pixman --shell=kiosk-shell.so --socket=mousecfg-wayland \
        --idle-time=0 --width=999 --height=640 >"$work/weston.log" 2>&1 &
else
    weston --backend=headless-backend.so --socket=mousecfg-wayland --idle-time=0 \
        --width=1280 --height=800 >"$work/weston.log" 2>&1 &
fi
pids+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/mousecfg-wayland" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/mousecfg-wayland" ] || fail "weston opened no socket"

mkfifo "$work/mouse.in"
"$bin/virtual-mouse" --name HORNBEAM --receiver --quiet <"$work/mouse.in" >"$work/mouse.log" 2>&1 &
mouse_pid=$!
pids+=($mouse_pid)
exec 3>"$work/mouse.in"
wait_for 10 "virtual mouse HORNBEAM" "$work/mouse.log" || fail "the virtual mouse did not start"

export WAYLAND_DISPLAY=mousecfg-wayland XDG_SESSION_TYPE=wayland QT_QPA_PLATFORM=wayland
export QT_LOGGING_RULES="default.debug=true"
"$bin/mousecfg" </dev/null >"$work/tool.log" 2>&1 &
tool=$!
pids+=($tool)

wait_for 20 "main window shown" "$work/tool.log" || fail "the window did not show"
grep -q "platform: wayland" "$work/tool.log" || fail "the window is not on the wayland platform"
grep -q "desktop session: wayland" "$work/tool.log" || fail "the session was not taken for Wayland"
echo "window shown natively on the wayland platform"
wait_for 20 "battery [0-9]+%" "$work/tool.log" || fail "the tool did not reach the virtual mouse"
warnings="$(grep -E "^(qt\.[a-z.]+: |QObject::|QWidget::|QSystemTrayIcon::|Wayland does not)" \
    "$work/tool.log" || true)"
[ -z "$warnings" ] || fail "the start printed Qt warnings: $warnings"

if [ $drag -eq 1 ]; then
    # A press on an empty part of the window (the foot of the left panel, below the profile
    # area, which no page covers) and a move of more than four pixels. The compositor may put the window on its
    # output a little after the tool showed it: the drag is made again until the tool says it
    # handed one over, for up to 20 s.
    export DISPLAY="$xdisplay"
    for _ in $(seq 10); do
        xdotool mousemove 150 520 mousedown 1 mousemove 190 550 mousemove 210 570 mouseup 1
        wait_for 2 "window drag handed to the compositor" "$work/tool.log" && break
    done
    grep -q "window drag handed to the compositor" "$work/tool.log" ||
        fail "the drag did not reach the compositor"
    kill -0 "$tool" 2>/dev/null || fail "the tool ended"
    echo "PASS: window drag handed to the compositor"
    exit 0
fi

# Three DPI presses in a row: one bubble, replaced in place, ending on the last level. The tool
# says each announcement; the server has them all once it shows the last one.
# The first status report may announce what the mouse has on its own: counted from after it.
sleep 0.5
before="$(grep -c "OSD announce: " "$work/tool.log" || true)"
echo dpi >&3; echo dpi >&3; echo dpi >&3
for _ in $(seq 200); do
    [ "$(grep -c "OSD announce: " "$work/tool.log")" -ge $((before + 3)) ] && break
    sleep 0.1
done
last="$(sed -n 's/.*OSD announce: //p' "$work/tool.log" | sed -n "$((before + 3))p")"
[ -n "$last" ] || fail "the tool announced fewer than three DPI presses"
wait_for 20 "^notify [0-9]+ replaces [0-9]+: $last\$" "$work/notify.log" ||
    fail "the last announcement '$last' did not reach the notification server"
first_id="$(sed -n 's/^notify \([0-9]*\) .*/\1/p' "$work/notify.log" | head -n1)"
ids="$(sed -n 's/^notify \([0-9]*\) .*/\1/p' "$work/notify.log" | sort -u | wc -l)"
[ "$ids" -eq 1 ] || fail "the announcements made $ids bubbles instead of one"
echo "announcements reached the notification server as bubble $first_id: $(tail -n1 "$work/notify.log")"

kill -0 "$tool" 2>/dev/null || fail "the tool ended"
kill -0 "$mouse_pid" 2>/dev/null || fail "the virtual mouse ended"
grep -Eq "Segmentation|Aborted|core dumped" "$work/tool.log" && fail "the tool crashed"
kill "$tool"
wait "$tool" 2>/dev/null || true
echo "PASS: wayland session"

# No notification server: what it would have shown goes to the OSD program (which says each
# text it shows) instead.
kill "$notify_pid"
wait "$notify_pid" 2>/dev/null || true
mv "$work/tool.log" "$work/tool-1.log"
MOUSECFG_OSD_IDLE_MS=5000 "$bin/mousecfg" </dev/null >"$work/tool.log" 2>&1 &
tool=$!
pids+=($tool)
wait_for 20 "battery [0-9]+%" "$work/tool.log" || fail "the second start did not reach the mouse"
echo "battery 15" >&3
echo dpi >&3
wait_for 20 "^OSD: DPI " "$work/tool.log" || fail "the DPI announcement did not reach the OSD"
wait_for 20 "^OSD: Mouse battery low: 15%" "$work/tool.log" ||
    fail "the low battery did not reach the OSD"
kill "$tool"
wait "$tool" 2>/dev/null || true
echo "PASS: without a notification server the OSD says it: $(grep "^OSD: " "$work/tool.log" | tr '\n' ' ')"

if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
    echo "drag not checked: xvfb-run and xdotool are needed"
    exit 0
fi
xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" bash "$0" --drag "$bin"
