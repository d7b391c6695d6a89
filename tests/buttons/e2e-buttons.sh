#!/usr/bin/env bash
# End-to-end run of button assignment with the built programs on a private X server: the tool
# and a separate virtual mouse. Five buttons get a function through the real menus and capture
# windows (keys typed with xdotool), Apply sends them, and the mouse must hold exactly those
# slots; a restarted tool shows the same labels and sends the same slots again.
#   usage: e2e-buttons.sh <build>/bin
# Works on a copy of the application folder in a temporary folder. Exit 0 when every check
# passed.
set -uo pipefail

if [ $# -ne 1 ] || [ ! -x "$1/mousecfg" ] || [ ! -x "$1/virtual-mouse" ]; then
    echo "e2e-buttons: usage: $0 <bin folder with mousecfg and virtual-mouse>" >&2
    exit 2
fi
e2e_name=e2e-buttons
source "$(dirname "${BASH_SOURCE[0]}")/../e2e-lib.sh"

# --- the application folder, with one macro listed --------------------------------------------
e2e_isolate "$1"
mkdir -p "$app/Configs/MacroDB"
printf '[Setting]\nCount=2\nMap_0=132\nDataL_0=4\nDataH_0=0\nMap_1=4\nDataL_1=4\nDataH_1=0\n' \
    > "$app/Configs/MacroDB/e2emacro.MSMACRO"
printf '\n[MACRO_LIST]\n0=e2emacro\n' >> "$ini"
start_mouse

# The mouse's button slots as "slot N: b0 b1 b2 b3" lines.
mouse_slots() {
    ask_mouse
    tail -n +"$((at + 1))" "$work/vm.log" | sed -n -E 's/^  slot +([0-9]+): (.*)$/slot \1: \2/p'
}

# Starts the tool and waits until it opened the mouse, its window active.
open_tool() {
    start_tool
    wait_battery > /dev/null || give_up "the tool did not open the virtual mouse"
    xdotool windowactivate --sync "$wid" 2> /dev/null
}
click() { # window x y
    xdotool mousemove --window "$1" "$2" "$3" click 1
}
# Opens the menu of listed button n (from 0) and walks it: "down" count, then the keys given.
# Keys and clicks reach the tool in order; only the windows it opens have to be waited for.
menu() {
    local n=$1 downs=$2
    shift 2
    from=$(lines "$work/tool.log")
    click "$wid" 412 $((112 + 36 * n))
    for ((i = 0; i < downs; i++)); do xdotool key Down; done
    [ $# -gt 0 ] && xdotool key "$@"
}
# The capture window $1 reads keys from the X server on a connection of its own: its OK is
# pressed once the tool said it took $2 strokes.
capture_ok() {
    wait_count "$work/tool.log" " key captured: " "$from" "$2" 10 ||
        give_up "the capture window took fewer than $2 strokes"
    click "$1" 124 215
}
# The button list logs its labels after each pick; a window the pick used has then closed.
picked() { # what was picked, the window used
    wait_line "$work/tool.log" " button labels: " "$from" 10 > /dev/null || give_up "no $1"
    [ -z "${2:-}" ] || window_gone "$2" || give_up "the window of $1 stays open"
}

open_tool
click "$wid" 146 138 # CUSTOMIZE: the button list is built on its first display
wait_line "$work/tool.log" " button labels: " "$tool_from" 10 > /dev/null ||
    give_up "the CUSTOMIZE page listed no buttons"

# Record 3: keypad Enter as a single key.
menu 3 8 Right Return
d=$(tool_dialog) || give_up "no single-key window"
xdotool key KP_Enter
capture_ok "$d" 2
picked "single key" "$d"
# Record 4: Ctrl+Shift+A as a combination.
menu 4 8 Right Down Return
d=$(tool_dialog) || give_up "no combo-key window"
xdotool keydown ctrl keydown shift key a keyup shift keyup ctrl
capture_ok "$d" 6
picked "combination" "$d"
# Record 5: fire key Right, 5 times, 50 ms.
menu 5 8 Right Down Down Return
d=$(tool_dialog) || give_up "no fire-key window"
click "$d" 220 66
for field in "157 176 5" "322 176 50"; do
    set -- $field
    click "$d" "$1" "$2"
    xdotool key ctrl+a type "$3"
done
click "$d" 124 255
picked "fire key" "$d"
# Record 6: "Volume Up" from the "Media" submenu.
menu 6 9 Right Down Down Down Down Return
picked "media function"
# Record 7: the macro.
menu 7 12 Return
d=$(tool_dialog) || give_up "no macro select window"
click "$d" 239 71
xdotool key Down Return
click "$d" 154 271
picked "macro" "$d"

before=$(lines "$work/vm.log")
click "$wid" 765 603 # Apply
wait_line "$work/vm.log" "^configuration applied$" "$before" 20 > /dev/null ||
    give_up "Apply wrote nothing to the mouse"

# The mouse's slot of a record is the record's BUTTON_INFO_<n>_Matrix entry.
matrix() { sed -n "s/^BUTTON_INFO_$1_Matrix=//p" "$app/DefaultProfile.bin" | tr -d '\r'; }
expected=$(
    echo "slot $(matrix 3): 90 00 58 00"
    echo "slot $(matrix 4): 8f 03 04 00"
    echo "slot $(matrix 5): 99 82 05 05"
    echo "slot $(matrix 6): 8e 01 e9 00"
    echo "slot $(matrix 7): 91 00 01 00"
)
check_slots() {
    local held want missing=""
    held=$(mouse_slots)
    while read -r want; do
        num=${want%%:*}
        got=$(grep -E "^${num}:" <<< "$held")
        [ "$(tr -s ' ' <<< "$got")" = "$want" ] || missing+=" [$want, holds '${got#*: }']"
    done <<< "$expected"
    if [ -z "$missing" ]; then pass "$1: the mouse holds the five slots"; else fail "$1:$missing"; fi
}
check_slots "after Apply"
labels=$(grep " button labels: " "$work/tool.log" | tail -n1)
labels=${labels#* button labels: }

# --- a restarted tool ---------------------------------------------------------------------------
kill "$tool_pid"
wait "$tool_pid" 2> /dev/null
open_tool
click "$wid" 146 138 # CUSTOMIZE: the button list is built on its first display
again=$(wait_line "$work/tool.log" " button labels: " "$tool_from" 10)
again=${again#* button labels: }
if [ -n "$labels" ] && [ "$again" = "$labels" ]; then
    pass "a restart shows the same labels: $again"
else
    fail "labels after the restart '$again', before '$labels'"
fi
before=$(lines "$work/vm.log")
click "$wid" 765 603
wait_line "$work/vm.log" "^configuration applied$" "$before" 20 > /dev/null ||
    give_up "Apply after the restart wrote nothing"
check_slots "after a restart and Apply"
summary
[ "$failed" -eq 0 ]
