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
e2e_name=e2e-lighting
e2e_logs="tool tool2 vm"
e2e_tools=import
source "$(dirname "${BASH_SOURCE[0]}")/../e2e-lib.sh"

e2e_isolate "$1"
# The colour typed into the dialog's hex edit, and what it stands for.
hex=1e90ff
rgb="30 144 255"

# --- start the mouse and the tool ------------------------------------------------------------
start_mouse
# A click at window coordinates of window $1. Clicks and keys reach the tool in order: only
# the windows it opens and what it paints need waiting for.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

start_tool tool
need_scale_one
wait_battery > /dev/null ||
    give_up "the tool did not open the virtual mouse (no battery line)"
pass "window shown and mouse opened"

# --- 1. REACTIVE from the effect menu --------------------------------------------------------
# The LIGHTING tab (69, 90, 154 x 29), then the effect button (page 246, 85 + 200, 40, 230 x 30).
before=$(lines "$work/tool.log")
click "$wid" 146 104
click "$wid" 561 140
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
dlg=$(tool_window '^COLOR$') || give_up "the colour button opened no colour dialog"
before=$(lines "$work/tool.log")
# The hex edit (294, 200, 156 x 26), then Ok (262, 258, 90 x 30), in dialog pixels.
click "$dlg" 370 213
xdotool key ctrl+a
xdotool type --delay 60 "$hex"
xdotool key Return
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
ask_mouse
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
need_scale_one
shown=$(wait_line "$work/tool2.log" " lighting page: slot " 0 10)
if [[ "$shown" == *" effect 10 r=30 g=144 b=255" ]]; then
    pass "restarted tool loads ${shown#* lighting page: }"
else
    fail "restarted tool loads '${shown#* }', expected effect 10 r=30 g=144 b=255"
fi
click "$wid" 146 104
# The colour button's middle as painted on the screen, once the page is.
for ((i = 0; i < 50; i++)); do
    pixel=$(import -window root -crop "1x1+$((X + 474))+$((Y + 302))" -depth 8 txt:- 2> /dev/null |
        grep -o -m1 -E '#[0-9A-Fa-f]{6}')
    [ "${pixel,,}" = "#$hex" ] && break
    sleep 0.1
done
if [ "${pixel,,}" = "#$hex" ]; then
    pass "lighting page shows the colour button in $pixel"
else
    fail "colour button shows '${pixel:-nothing}', expected #$hex"
fi

summary
[ "$failed" -eq 0 ]
