#!/usr/bin/env bash
# End-to-end run of a profile slot other than the first: the tool and a virtual mouse, each a
# separate process on a private X server. Chooses slot 3 with its button, sets the lighting
# effect, a button, the DPI stage and the rate, clicks Apply, checks what the mouse holds and
# which files changed, then starts the tool again and checks that slot 3 is current and shows
# the same values while slot 1's file never changed.
#   usage: e2e-slots.sh <build>/bin
set -uo pipefail

if [ $# -ne 1 ] || [ ! -x "$1/mousecfg" ] || [ ! -x "$1/virtual-mouse" ] ||
    [ ! -x "$1/mouse-osd" ]; then
    echo "e2e-slots: usage: $0 <bin folder with mousecfg, virtual-mouse and mouse-osd>" >&2
    exit 2
fi
e2e_name=e2e-slots
source "$(dirname "${BASH_SOURCE[0]}")/../e2e-lib.sh"

e2e_isolate "$1"
rm -f "$app/Configs/LangConfig.ini" # English
[ "$(ini_value "$ini" Config ProfileID)" = 0 ] || give_up "the sample does not start on slot 1"
first="$app/Configs/Profile/$(ini_value "$ini" Config Profile1).prof"
third="$app/Configs/Profile/$(ini_value "$ini" Config Profile3).prof"
cp "$first" "$work/first.prof" || give_up "no profile file for slot 1"

start_osd
start_mouse
open_tool() {
    start_tool
    wait_battery > /dev/null || give_up "the tool did not open the virtual mouse"
    need_scale_one
    xdotool windowactivate --sync "$wid" 2> /dev/null
}
click() {
    xdotool mousemove --window "$wid" "$1" "$2" click 1
}

# --- 1. slot 3, then the edits ---------------------------------------------------------------
open_tool
before=$(lines "$work/vm.log")
click 146 321 # the third slot button (69, 308, 154 x 26)
wait_line "$work/vm.log" "^> receiver 00 05 00 fa 44 02" "$before" 10 > /dev/null ||
    give_up "choosing slot 3 did not select it on the mouse"
pass "slot 3 chosen and selected on the mouse"

from=$(lines "$work/tool.log")
click 561 140 # LIGHTING is shown: the effect menu, its tenth entry (REACTIVE)
xdotool key --delay 60 Down Down Down Down Down Down Down Down Down Down Return
wait_line "$work/tool.log" " EffectMenuFunction .*iProfile=2 i=10 " "$from" 10 > /dev/null ||
    give_up "the effect did not go to slot 3"
from=$(lines "$work/tool.log")
click 146 138 # CUSTOMIZE; record 6 takes "Volume Up" from the "Media" submenu
wait_line "$work/tool.log" " button labels: " "$from" 10 > /dev/null || give_up "no button list"
from=$(lines "$work/tool.log")
click 412 $((112 + 36 * 6))
xdotool key Down Down Down Down Down Down Down Down Down Right Down Down Down Down Return
wait_line "$work/tool.log" " button labels: " "$from" 10 > /dev/null || give_up "no media pick"
click 146 172 # DPI: stage level 3 and 500 Hz
wait_line "$work/tool.log" "DPI tab shows: stage DPI" "$from" > /dev/null || give_up "no DPI tab"
click 256 216
click 683 197
before=$(lines "$work/vm.log")
click 765 603 # Apply
wait_line "$work/vm.log" "^configuration applied$" "$before" 20 > /dev/null ||
    give_up "Apply wrote nothing to the mouse"

# --- 2. the mouse and the files --------------------------------------------------------------
ask_mouse
held=$(tail -n +"$((at + 1))" "$work/vm.log")
slot6=$(sed -n "s/^BUTTON_INFO_6_Matrix=//p" "$app/DefaultProfile.bin" | tr -d '\r')
for want in "^profile 2, DPI level 2, report rate code 2$" "^lighting: mode 10 " \
    "^  slot +$slot6: 8e 01 e9 00$"; do
    if grep -q -E "$want" <<< "$held"; then
        pass "the mouse holds '$want'"
    else
        fail "the mouse does not hold '$want'"
    fi
done
if [ "$(ini_value "$third" PROFILE pollrate)" = 2 ] &&
    [ "$(ini_value "$ini" Config ProfileID)" = 2 ]; then
    pass "slot 3's file holds 500 Hz and slot 3 is stored as current"
else
    fail "slot 3's file or Config/ProfileID does not hold what was applied"
fi

# --- 3. a new start ---------------------------------------------------------------------------
kill "$tool_pid"
wait "$tool_pid" 2> /dev/null
open_tool
click 146 172
shown=$(wait_line "$work/tool.log" "DPI tab shows: stage DPI" "$tool_from") ||
    give_up "the restarted tool did not log what its DPI tab shows"
if [[ "$shown" == *"stage DPI 3;"* && "$shown" == *"rate 500 HZ"* ]]; then
    pass "after a restart slot 3's values are shown"
else
    fail "after a restart the DPI tab shows: ${shown#* DPI tab shows: }"
fi
lit=$(grep -m1 " lighting page: slot " <(tail -n +"$((tool_from + 1))" "$work/tool.log"))
[[ "$lit" == *"lighting page: slot 2 "*"effect 10 "* ]] && pass "slot 3's lighting is shown" ||
    fail "the lighting page shows '${lit#* lighting page: }'"
# Slot 1's file as before, but for the level the mouse reported at the first start (followed
# into the file of the slot then current).
cmp -s <(grep -v '^dpi=' "$first") <(grep -v '^dpi=' "$work/first.prof") &&
    pass "slot 1's file is unchanged" || fail "slot 1's file changed"
kill -0 "$tool_pid" 2> /dev/null || fail "the tool is no longer running"
summary
[ "$failed" -eq 0 ]
