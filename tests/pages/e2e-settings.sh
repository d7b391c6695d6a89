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
e2e_name=e2e-settings
source "$(dirname "${BASH_SOURCE[0]}")/../e2e-lib.sh"

e2e_isolate "$1"
rm -f "$app/Configs/LangConfig.ini" # English
sensor=$(sed -n 's/^1=//p' "$ini" | head -n1)
[ "$sensor" = 3389 ] || give_up "this run is laid out for sensor 3389 (the model has '$sensor')"

start_osd
start_mouse

# Starts the tool and waits until it opened the mouse, its window active at UI scale 1.0.
open_tool() {
    start_tool
    wait_battery > /dev/null || give_up "the tool did not open the virtual mouse"
    need_scale_one
    xdotool windowactivate --sync "$wid" 2> /dev/null
}

# A click at window coordinates; a key pressed $2 times (with --repeat). Both reach the tool in
# the order they are sent.
click() {
    xdotool mousemove --window "$wid" "$1" "$2" click 1
}
keys() {
    xdotool key --window "$wid" --repeat "$2" --delay 8 "$1"
}

# --- 1. edit the DPI tab ---------------------------------------------------------------------
open_tool
# The page area starts at 246,85; level rows are 59 apart; see the pages' layouts.
click 146 172         # DPI tab, built on its first display
click 146 172
wait_line "$work/tool.log" "DPI tab shows: stage DPI" "$tool_from" > /dev/null ||
    give_up "the tool did not log what its DPI tab shows"
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
open_tool
click 146 172         # DPI tab
shown=$(wait_line "$work/tool.log" "DPI tab shows: stage DPI" "$tool_from") ||
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
