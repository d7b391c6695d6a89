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
bin="$(cd "$1" && pwd)"

if [ -z "${E2E_BUTTONS_XVFB:-}" ]; then
    for tool in xvfb-run xdotool; do
        command -v "$tool" > /dev/null || {
            echo "e2e-buttons: FAIL: $tool is missing (scripts/setup.sh installs it)" >&2
            exit 1
        }
    done
    export E2E_BUTTONS_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" bash "$0" "$@"
fi

passed=0
failed=0
pids=()
work="$(mktemp -d "${TMPDIR:-/tmp}/e2e-buttons.XXXXXX")"

cleanup() {
    exec 3>&- 2> /dev/null
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2> /dev/null; done
    if [ -n "${E2E_BUTTONS_KEEP:-}" ]; then echo "e2e-buttons: kept $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

summary() { echo "e2e-buttons: $passed passed, $failed failed"; }
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
        [ -s "$work/$log.log" ] && { echo "--- last lines of $log.log"; tail -n 25 "$work/$log.log"; }
    done
    summary
    exit 1
}
lines() { wc -l < "$1"; }
# Waits up to $4 seconds for a line matching $2 in $1 after its first $3 lines; prints it.
wait_line() {
    local file=$1 pattern=$2 after=$3 limit=${4:-30} line i
    for ((i = 0; i < limit * 10; i++)); do
        line=$(tail -n +"$((after + 1))" "$file" 2> /dev/null | grep -m1 -E "$pattern")
        [ -n "$line" ] && { echo "$line"; return 0; }
        sleep 0.1
    done
    return 1
}

# --- the application folder, with one macro listed --------------------------------------------
app="$work/app"
cp -a "$bin" "$app" || give_up "cannot copy $bin"
mkdir -p "$work/runtime" "$work/config" "$work/virtual" "$app/Configs/MacroDB"
chmod 0700 "$work/runtime" "$work/virtual"
# The tool's diagnostic lines are off unless asked for; these checks read them.
export QT_LOGGING_RULES="default.debug=true"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
export MOUSECFG_VIRTUAL_DIR="$work/virtual" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
export QT_MESSAGE_PATTERN='%{time hh:mm:ss.zzz} %{message}'
printf '[Setting]\nCount=2\nMap_0=132\nDataL_0=4\nDataH_0=0\nMap_1=4\nDataL_1=4\nDataH_1=0\n' \
    > "$app/Configs/MacroDB/e2emacro.MSMACRO"
printf '\n[MACRO_LIST]\n0=e2emacro\n' >> "$app/Configs/Config.ini"
code=$(sed -n 's/^ProductName=//p' "$app/DefaultProfile.bin" | head -n1 | tr -d '\r')
code=${code:-HORNBEAM}

mkfifo "$work/vm.in"
"$app/virtual-mouse" --name "$code" --receiver < "$work/vm.in" > "$work/vm.log" 2>&1 &
pids+=($!)
exec 3> "$work/vm.in"
wait_line "$work/vm.log" "^virtual mouse $code " 0 > /dev/null || give_up "the virtual mouse did not start"

mark=0
# The mouse's button slots as "slot N: b0 b1 b2 b3" lines.
mouse_slots() {
    local at
    at=$(lines "$work/vm.log")
    mark=$((mark + 1))
    printf 'show\ne2e-mark-%d\n' "$mark" >&3
    wait_line "$work/vm.log" "^unknown command: e2e-mark-$mark " "$at" 10 > /dev/null ||
        give_up "the virtual mouse does not answer 'show'"
    tail -n +"$((at + 1))" "$work/vm.log" | sed -n -E 's/^  slot +([0-9]+): (.*)$/slot \1: \2/p'
}

tool_pid=""
wid=""
start_tool() {
    "$app/mousecfg" < /dev/null >> "$work/tool.log" 2>&1 &
    tool_pid=$!
    pids+=("$tool_pid")
    wait_line "$work/tool.log" " battery [0-9]+%" "$1" > /dev/null ||
        give_up "the tool did not open the virtual mouse"
    wid=""
    for ((i = 0; i < 100; i++)); do
        wid=$(xdotool search --all --onlyvisible --pid "$tool_pid" --name "^$code\$" 2> /dev/null | head -n1)
        [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || give_up "no visible window of the tool"
    xdotool windowactivate --sync "$wid" 2> /dev/null
}
click() { # window x y
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.2 click 1
    sleep 0.4
}
# The visible window of the tool other than the main window (a dialog), waited for.
dialog() {
    local w i
    for ((i = 0; i < 50; i++)); do
        for w in $(xdotool search --all --onlyvisible --pid "$tool_pid" 2> /dev/null); do
            [ "$w" = "$wid" ] && continue
            eval "$(xdotool getwindowgeometry --shell "$w")"
            [ "$WIDTH" -ge 300 ] && [ "$WIDTH" -le 500 ] && { echo "$w"; return 0; }
        done
        sleep 0.1
    done
    return 1
}
# Opens the menu of listed button n (from 0) and walks it: "down" count, then the keys given.
menu() {
    local n=$1 downs=$2
    shift 2
    click "$wid" 412 $((112 + 36 * n))
    for ((i = 0; i < downs; i++)); do xdotool key Down; done
    [ $# -gt 0 ] && xdotool key "$@"
    sleep 0.6
}

start_tool 0
click "$wid" 146 138 # CUSTOMIZE

# Record 3: keypad Enter as a single key.
menu 3 8 Right Return
d=$(dialog) || give_up "no single-key window"
xdotool key KP_Enter
sleep 0.3
click "$d" 124 215
# Record 4: Ctrl+Shift+A as a combination.
menu 4 8 Right Down Return
d=$(dialog) || give_up "no combo-key window"
xdotool keydown ctrl keydown shift key a keyup shift keyup ctrl
sleep 0.3
click "$d" 124 215
# Record 5: fire key Right, 5 times, 50 ms.
menu 5 8 Right Down Down Return
d=$(dialog) || give_up "no fire-key window"
click "$d" 220 66
for field in "157 176 5" "322 176 50"; do
    set -- $field
    click "$d" "$1" "$2"
    xdotool key ctrl+a type "$3"
done
click "$d" 124 255
# Record 6: "Volume Up" from the "Media" submenu.
menu 6 9 Right Down Down Down Down Return
# Record 7: the macro.
menu 7 12 Return
d=$(dialog) || give_up "no macro select window"
click "$d" 239 71
xdotool key Down Return
sleep 0.3
click "$d" 154 271

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
from=$(lines "$work/tool.log")
start_tool "$from"
again=$(tail -n +"$((from + 1))" "$work/tool.log" | grep " button labels: " | tail -n1)
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
