#!/usr/bin/env bash
# A script drives the running window from the command line: DPI level 2, the report rate and a
# button set by a second start, carried out by the window, held by the virtual mouse, saved in
# the slot's profile file and read back with --get --json.
#   usage: e2e-script.sh <build>/bin
set -uo pipefail

if [ $# -ne 1 ] || [ ! -x "$1/mousecfg" ] || [ ! -x "$1/virtual-mouse" ] ||
    [ ! -x "$1/mouse-osd" ]; then
    echo "e2e-script: usage: $0 <bin folder with mousecfg, virtual-mouse and mouse-osd>" >&2
    exit 2
fi
e2e_name=e2e-script
source "$(dirname "${BASH_SOURCE[0]}")/../e2e-lib.sh"

e2e_isolate "$1"
[ "$(ini_value "$ini" MouseSenSor 1)" = 3389 ] || give_up "the checks below expect sensor 3389"
start_osd
start_mouse
start_tool
wait_battery > /dev/null || give_up "the tool did not open the virtual mouse"

tool_before=$(lines "$work/tool.log")
said=$("$app/mousecfg" --dpi 2=1600x800 --rate 250 --button 4="SINGLE KEY:Enter" 2> /dev/null)
code=$?
if [ "$code" -eq 0 ] && [[ $said == "Settings written to slot "* ]] &&
    wait_line "$work/tool.log" "command from a second start: --dpi" "$tool_before" 5 > /dev/null; then
    pass "the window carried out the settings ($said)"
else
    fail "the settings command: exit $code, said '$said'"
fi

# 1600 and 800 DPI are steps 32 and 16 of sensor 3389; rate 250 Hz is code 4; a single key is
# type 0x90 with the key's HID usage (Enter: 0x28).
ask_mouse
held=$(tail -n +"$((at + 1))" "$work/vm.log")
if grep -q -E '^profile [0-9]+, DPI level [0-9]+, report rate code 4$' <<< "$held" &&
    grep -q -E '^  level 1[* ] flag 0 x 32 y 16( |$)' <<< "$held" &&
    [ "$(grep -c -E '^  slot +[0-9]+: 90 00 28 00$' <<< "$held")" -eq 1 ]; then
    pass "the mouse holds level 2 = 1600x800, rate code 4 and one Enter key"
else
    fail "the mouse holds: $(grep -E 'rate code|level 1|slot' <<< "$held" | tr '\n' ';')"
fi

profile_name=$(ini_value "$ini" Config "Profile$(($(ini_value "$ini" Config ProfileID) + 1))")
stored=$(ini_value "$app/Configs/Profile/$profile_name.prof" PROFILE pollrate)
if [ "$stored" = 4 ]; then
    pass "'$profile_name.prof' holds pollrate 4"
else
    fail "'$profile_name.prof' holds pollrate '${stored:-missing}', expected 4"
fi

json=$("$app/mousecfg" --get --json 2> /dev/null)
if [[ $json == *'"rate":250'* ]] && [[ $json == *'{"level":2,"used":true,"x":1600,"y":800}'* ]] &&
    [[ $json == *'{"button":4,"function":"SINGLE KEY:Enter"}'* ]]; then
    pass "--get --json reads them back"
else
    fail "--get --json said: $json"
fi

kill -0 "$tool_pid" 2> /dev/null || fail "the tool is no longer running"
summary
[ "$failed" -eq 0 ]
