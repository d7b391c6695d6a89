#!/usr/bin/env bash
# End-to-end run of the lighting page: the tool and a virtual mouse, each a separate process on
# a private X server. Chooses "REACTIVE" in the effect menu, picks a colour in the colour dialog
# through its hex edit, clicks Apply and checks what the mouse holds; then restarts the tool and
# checks that the page shows the same effect and colour again.
#   usage: e2e-lighting.sh <build>/bin
# Works on a copy of the application folder in a temporary folder with its own runtime,
# configuration and virtual-mouse folders. Exit 0 when every check passed.
set -uo pipefail

if [ $# -ne 1 ] || [ ! -x "$1/mousecfg" ] || [ ! -x "$1/virtual-mouse" ]; then
    echo "e2e-lighting: usage: $0 <bin folder with mousecfg and virtual-mouse>" >&2
    exit 2
fi
bin="$(cd "$1" && pwd)"

# Always a private X server at 96 DPI (UI scale 1.0): the clicks below are in window pixels.
if [ -z "${E2E_LIGHTING_XVFB:-}" ]; then
    for tool in xvfb-run xdotool import; do
        if ! command -v "$tool" > /dev/null; then
            echo "e2e-lighting: FAIL: $tool is missing (scripts/setup.sh installs it)" >&2
            exit 1
        fi
    done
    export E2E_LIGHTING_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" bash "$0" "$@"
fi

passed=0
failed=0
pids=()
work="$(mktemp -d "${TMPDIR:-/tmp}/e2e-lighting.XXXXXX")"

cleanup() {
    exec 3>&- 2> /dev/null
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2> /dev/null
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2> /dev/null
    done
    if [ -n "${E2E_LIGHTING_KEEP:-}" ]; then
        echo "e2e-lighting: kept $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

summary() {
    echo "e2e-lighting: $passed passed, $failed failed"
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
    for log in tool tool2 vm; do
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
product=$(sed -n 's/^ProductName=//p' "$app/DefaultProfile.bin" | head -n1 | tr -d '\r')
code=${product:-HORNBEAM}
# The colour typed into the dialog's hex edit, and what it stands for.
hex=1e90ff
rgb="30 144 255"

# --- start the mouse and the tool ------------------------------------------------------------
mkfifo "$work/vm.in"
"$app/virtual-mouse" --name "$code" --receiver < "$work/vm.in" > "$work/vm.log" 2>&1 &
pids+=($!)
exec 3> "$work/vm.in"
wait_line "$work/vm.log" "^virtual mouse $code " 0 > /dev/null ||
    give_up "the virtual mouse did not start"

wid=""
tool_pid=""
# Starts the tool with its log in $1.log and waits for its window ($wid, geometry in X, Y).
start_tool() {
    "$app/mousecfg" < /dev/null > "$work/$1.log" 2>&1 &
    tool_pid=$!
    pids+=("$tool_pid")
    wait_line "$work/$1.log" " main window shown$" 0 > /dev/null ||
        give_up "no 'main window shown' from the tool ($1)"
    wid=""
    for ((i = 0; i < 100; i++)); do
        wid=$(xdotool search --all --onlyvisible --pid "$tool_pid" --name "$code" 2> /dev/null |
            head -n1)
        [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || give_up "no visible window of the tool named $code ($1)"
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [ "${WIDTH:-0}" -eq 999 ] || give_up "window is ${WIDTH:-?} wide, not 999 (scale 1.0)"
}
# A click at window coordinates of window $1.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

start_tool tool
wait_line "$work/tool.log" " battery [0-9]+%" 0 > /dev/null ||
    give_up "the tool did not open the virtual mouse (no battery line)"
pass "window shown and mouse opened"

# --- 1. REACTIVE from the effect menu --------------------------------------------------------
# The LIGHTING tab (69, 90, 154 x 29), then the effect button (page 246, 85 + 200, 40, 230 x 30).
before=$(lines "$work/tool.log")
click "$wid" 146 104
click "$wid" 561 140
sleep 0.5
# REACTIVE is the tenth entry of the menu.
xdotool key --delay 60 Down Down Down Down Down Down Down Down Down Down Return
chosen=$(wait_line "$work/tool.log" " EffectMenuFunction " "$before" 10) ||
    give_up "choosing from the effect menu logged nothing"
slot=$(sed -n -E 's/.* iProfile=([0-9]+) i=.*/\1/p' <<< "$chosen")
if grep -q -E " i=10 " <<< "$chosen"; then
    pass "effect menu chose REACTIVE (slot $slot)"
else
    give_up "effect menu chose something else: ${chosen#* }"
fi

# --- 2. a colour through the colour dialog ---------------------------------------------------
# The colour button: page 246, 85 + 200, 201, 56 x 32.
click "$wid" 474 302
dlg=""
for ((i = 0; i < 50; i++)); do
    dlg=$(xdotool search --all --onlyvisible --pid "$tool_pid" --name '^COLOR$' 2> /dev/null |
        head -n1)
    [ -n "$dlg" ] && break
    sleep 0.1
done
[ -n "$dlg" ] || give_up "the colour button opened no colour dialog"
before=$(lines "$work/tool.log")
# The hex edit (294, 200, 156 x 26), then Ok (262, 258, 90 x 30), in dialog pixels.
click "$dlg" 370 213
xdotool key ctrl+a
xdotool type --delay 60 "$hex"
xdotool key Return
sleep 0.3
click "$dlg" 307 273
stored=$(wait_line "$work/tool.log" " slotSendLedState " "$before" 10) ||
    give_up "the accepted colour never reached the record"
if [[ "$stored" == *" i=10 r=30 g=144 b=255" ]]; then
    pass "dialog's colour stored for REACTIVE: ${stored#* slotSendLedState }"
else
    fail "dialog stored '${stored#* }', expected i=10 r=30 g=144 b=255"
fi

# --- 3. Apply: the mouse holds the effect and the colour -------------------------------------
before=$(lines "$work/vm.log")
click "$wid" 765 603
wait_line "$work/vm.log" "^configuration applied$" "$before" 20 > /dev/null ||
    give_up "clicking Apply wrote nothing to the mouse"
at=$(lines "$work/vm.log")
printf 'show\ne2e-mark-1\n' >&3
wait_line "$work/vm.log" "^unknown command: e2e-mark-1 " "$at" 10 > /dev/null ||
    give_up "the virtual mouse does not answer 'show'"
held=$(tail -n +"$((at + 1))" "$work/vm.log" | grep -m1 "^lighting: ")
if [[ "$held" == "lighting: mode 10 "*", active colour $rgb,"* ]]; then
    pass "mouse holds '$held'"
else
    fail "mouse holds '${held:-nothing}', expected mode 10 with active colour $rgb"
fi

# --- 4. a new start shows the same lighting --------------------------------------------------
kill "$tool_pid"
wait "$tool_pid" 2> /dev/null
start_tool tool2
shown=$(wait_line "$work/tool2.log" " lighting page: slot " 0 10)
if [[ "$shown" == *" effect 10 r=30 g=144 b=255" ]]; then
    pass "restarted tool loads ${shown#* lighting page: }"
else
    fail "restarted tool loads '${shown#* }', expected effect 10 r=30 g=144 b=255"
fi
click "$wid" 146 104
sleep 0.5
# The colour button's middle as painted on the screen.
pixel=$(import -window root -crop "1x1+$((X + 474))+$((Y + 302))" -depth 8 txt:- 2> /dev/null |
    grep -o -m1 -E '#[0-9A-Fa-f]{6}')
if [ "${pixel,,}" = "#$hex" ]; then
    pass "lighting page shows the colour button in $pixel"
else
    fail "colour button shows '${pixel:-nothing}', expected #$hex"
fi

summary
[ "$failed" -eq 0 ]
