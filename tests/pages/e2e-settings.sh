#!/usr/bin/env bash
# End-to-end run of the DPI tab: the tool and a virtual mouse, each a separate process on a
# private X server. Drives the real widgets with xdotool (level 2's X and Y with the link off,
# the DPI stage, 500 Hz, 2 mm lift-off, the key response), clicks Apply, checks what the mouse
# holds, then starts the tool again and checks that its pages show the same values.
#   usage: e2e-settings.sh <build>/bin
# Works on a copy of the application folder in a temporary folder, with its own runtime,
# configuration and virtual-mouse folders. Exit 0 when every check passed.
set -uo pipefail

if [ $# -ne 1 ] || [ ! -x "$1/mousecfg" ] || [ ! -x "$1/virtual-mouse" ] ||
    [ ! -x "$1/mouse-osd" ]; then
    echo "e2e-settings: usage: $0 <bin folder with mousecfg, virtual-mouse and mouse-osd>" >&2
    exit 2
fi
bin="$(cd "$1" && pwd)"

# Always a private X server at 96 DPI: UI scale 1.0, and no clicks on a real session.
if [ -z "${E2E_SETTINGS_XVFB:-}" ]; then
    for tool in xvfb-run xdotool; do
        if ! command -v "$tool" > /dev/null; then
            echo "e2e-settings: FAIL: $tool is missing (scripts/setup.sh installs it)" >&2
            exit 1
        fi
    done
    export E2E_SETTINGS_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" bash "$0" "$@"
fi

passed=0
failed=0
pids=()
work="$(mktemp -d "${TMPDIR:-/tmp}/e2e-settings.XXXXXX")"

cleanup() {
    exec 3>&- 2> /dev/null
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2> /dev/null
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2> /dev/null
    done
    if [ -n "${E2E_SETTINGS_KEEP:-}" ]; then
        echo "e2e-settings: kept $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

summary() {
    echo "e2e-settings: $passed passed, $failed failed"
}
pass() {
    passed=$((passed + 1))
    echo "PASS: $1"
}
fail() {
    failed=$((failed + 1))
    echo "FAIL: $1"
}
give_up() {
    fail "$1"
    for log in tool vm; do
        if [ -s "$work/$log.log" ]; then
            echo "--- last lines of $log.log"
            tail -n 25 "$work/$log.log"
        fi
    done
    summary
    exit 1
}

# Waits up to $4 seconds (default 30) for a line matching the extended regex $2 in file $1
# after its first $3 lines; prints the line.
wait_line() {
    local file=$1 pattern=$2 after=$3 limit=${4:-30} line i
    for ((i = 0; i < limit * 10; i++)); do
        line=$(tail -n +"$((after + 1))" "$file" 2> /dev/null | grep -m1 -E "$pattern")
        if [ -n "$line" ]; then
            echo "$line"
            return 0
        fi
        sleep 0.1
    done
    return 1
}
lines() {
    wc -l < "$1"
}

# --- isolation -------------------------------------------------------------------------------
app="$work/app"
cp -a "$bin" "$app" || give_up "cannot copy $bin"
rm -f "$app/Configs/LangConfig.ini" # English
mkdir -p "$work/runtime" "$work/config" "$work/virtual"
chmod 0700 "$work/runtime" "$work/virtual"
# The tool's diagnostic lines are off unless asked for; these checks read them.
export QT_LOGGING_RULES="default.debug=true"
export XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$work/config"
export MOUSECFG_VIRTUAL_DIR="$work/virtual"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
export QT_MESSAGE_PATTERN='%{time hh:mm:ss.zzz} %{message}'
sensor=$(sed -n 's/^1=//p' "$app/Configs/Config.ini" | head -n1)
[ "$sensor" = 3389 ] || give_up "this run is laid out for sensor 3389 (the model has '$sensor')"

# The OSD first: the tool would otherwise start one of its own on its first announcement, and
# that one would outlive the run.
"$app/mouse-osd" < /dev/null > "$work/osd.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 100; i++)); do
    [ -S "$XDG_RUNTIME_DIR/Wireless Mouse OSD" ] && break
    sleep 0.1
done

mkfifo "$work/vm.in"
"$app/virtual-mouse" --name HORNBEAM --receiver < "$work/vm.in" > "$work/vm.log" 2>&1 &
pids+=($!)
exec 3> "$work/vm.in"
wait_line "$work/vm.log" "^virtual mouse HORNBEAM " 0 > /dev/null ||
    give_up "the virtual mouse did not start"

mark=0
at=0
ask_mouse() {
    at=$(lines "$work/vm.log")
    mark=$((mark + 1))
    printf 'show\ne2e-mark-%d\n' "$mark" >&3
    wait_line "$work/vm.log" "^unknown command: e2e-mark-$mark " "$at" 10 > /dev/null ||
        give_up "the virtual mouse does not answer 'show'"
}

tool_pid=""
wid=""
start_tool() {
    "$app/mousecfg" < /dev/null > "$work/tool.log" 2>&1 &
    tool_pid=$!
    pids+=("$tool_pid")
    wait_line "$work/tool.log" " main window shown$" 0 > /dev/null ||
        give_up "no 'main window shown' from the tool"
    wait_line "$work/tool.log" " battery [0-9]+%" 0 > /dev/null ||
        give_up "the tool did not open the virtual mouse"
    wid=""
    for ((i = 0; i < 100; i++)); do
        wid=$(xdotool search --all --onlyvisible --pid "$tool_pid" --name HORNBEAM 2> /dev/null |
            head -n1)
        [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || give_up "no visible window of the tool"
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [ "${WIDTH:-0}" -eq 999 ] || give_up "window is ${WIDTH:-?} wide, not 999 (UI scale 1.0)"
    xdotool windowactivate --sync "$wid" 2> /dev/null
}

# A click at window coordinates; a key pressed $3 times (with --repeat).
click() {
    xdotool mousemove --window "$wid" "$1" "$2" click 1
    sleep 0.3
}
keys() {
    xdotool key --window "$wid" --repeat "$2" --delay 8 "$1"
    sleep 0.3
}

# --- 1. edit the DPI tab ---------------------------------------------------------------------
start_tool
wait_line "$work/tool.log" "DPI tab shows: stage DPI" 0 > /dev/null ||
    give_up "the tool did not log what its DPI tab shows"
# The page area starts at 246,85; level rows are 59 apart; see the pages' layouts.
click 146 172         # DPI tab
click 146 172
click 555 156         # level 2: Link XY off
click 439 173         # level 2: X slider, then its minimum (step 2) and 98 steps up: 100
keys Home 1
keys Right 98
click 439 188         # level 2: Y slider: 60
keys Home 1
keys Right 58
click 256 216         # stage: level 3
click 683 197         # 500 HZ
click 735 375         # 2 mm
click 877 125         # key response: 5 and 16 up: 21
keys Home 1
keys Right 16

before=$(lines "$work/vm.log")
click 765 603         # Apply
wait_line "$work/vm.log" "^configuration applied$" "$before" 20 > /dev/null ||
    give_up "Apply wrote nothing to the mouse"
pass "Apply wrote to the mouse"

# --- 2. the mouse holds exactly those values -------------------------------------------------
ask_mouse
held=$(tail -n +"$((at + 1))" "$work/vm.log")
check_held() {
    if grep -q -E "$1" <<< "$held"; then
        pass "mouse holds $2"
    else
        fail "mouse does not hold $2; it shows: $(grep -E "$3" <<< "$held" | head -n1)"
    fi
}
check_held "^profile 0, DPI level 2, report rate code 2$" "DPI level 3 and 500 Hz" "^profile "
check_held "^  level 1[* ] flag 0 x 100 y 60$" "level 2 at X 100, Y 60" "^  level 1"
check_held "^sensor: lift-off 2, angle/debounce 21, sync 0$" "lift-off 2 and key response 21" \
    "^sensor:"
levels=$(grep -c -E "^  level [02-7][* ] flag [0-9]+ x ([0-9]+) y \1( |$)" <<< "$held")
if [ "$levels" -eq 7 ]; then
    pass "the other seven levels are unchanged (X equal to Y)"
else
    fail "only $levels of the other levels kept X equal to Y"
fi

# --- 3. a new start shows them again ---------------------------------------------------------
kill "$tool_pid"
wait "$tool_pid" 2> /dev/null
start_tool
shown=$(wait_line "$work/tool.log" "DPI tab shows: stage DPI" 0) ||
    give_up "the restarted tool did not log what its DPI tab shows"
shown=${shown#* DPI tab shows: }
for want in "stage DPI 3" "DPI 2 X:5000 Y:3000 link off used on" "rate 500 HZ" \
    "lift 2 mm / 2mm" "key response 21"; do
    if [[ "; $shown;" == *"; $want;"* ]]; then
        pass "after a restart the DPI tab shows '$want'"
    else
        fail "after a restart the DPI tab does not show '$want': $shown"
    fi
done

kill -0 "$tool_pid" 2> /dev/null || fail "the tool is no longer running"
summary
[ "$failed" -eq 0 ]
