#!/usr/bin/env bash
# End-to-end run of the built programs: the tool, a virtual mouse and the OSD, each a separate
# process on a private X server. Clicks Apply in the real window, then checks what the mouse
# received, and presses the mouse's DPI button and follows the change into the tool's log, the
# profile file and the OSD.
#   usage: e2e-shell.sh <build>/bin
# Works on a copy of the application folder in a temporary folder, with its own runtime,
# configuration and virtual-mouse folders, so nothing of the build tree or of a running
# session is seen or changed. Exit 0 when every check passed.
set -uo pipefail

if [ $# -ne 1 ] || [ ! -x "$1/mousecfg" ] || [ ! -x "$1/virtual-mouse" ] ||
    [ ! -x "$1/mouse-osd" ]; then
    echo "e2e-shell: usage: $0 <bin folder with mousecfg, virtual-mouse and mouse-osd>" >&2
    exit 2
fi
e2e_name=e2e-shell
e2e_logs="tool vm osd"
source "$(dirname "${BASH_SOURCE[0]}")/../e2e-lib.sh"

# The mouse's DPI register value for a level value of the sensor, as "flag value"; empty for a
# sensor whose encoding goes through a register table.
encode_dpi() {
    local sensor=$1 v=$2
    case $sensor in
    3389) if [ "$v" -le 320 ]; then echo "0 $v"; else echo "1 $((v - 160))"; fi ;;
    3395) echo "0 $v" ;;
    esac
}

# The DPI a level value stands for; empty where the conversion goes through a table.
dpi_of() {
    local sensor=$1 v=$2
    case $sensor in
    3389) if [ "$v" -le 320 ]; then echo $((v * 50)); else echo $(((v - 320) * 100 + 16000)); fi ;;
    esac
}

e2e_isolate "$1"
configs="$app/Configs"
slot=$(ini_value "$ini" Config ProfileID)
slot=${slot:-0}
profile_name=$(ini_value "$ini" Config "Profile$((slot + 1))")
profile="$configs/Profile/$profile_name.prof"
[ -f "$profile" ] || give_up "no profile file for slot $slot ($profile)"
sensor=$(ini_value "$ini" MouseSenSor 1)

start_osd
start_mouse
start_tool

# --- 1. the window shows and the mouse is opened ---------------------------------------------
battery=$(wait_battery) || give_up "the tool did not open the virtual mouse (no battery line)"
pass "window shown (${WIDTH}x${HEIGHT}) and mouse opened (${battery#* })"
# Window coordinates at UI scale 1.0 (999 pixels wide) to this window's.
at_scale() {
    echo $(($1 * WIDTH / 999))
}

# --- 2. Apply writes the configuration -------------------------------------------------------
# The tool may have written already while opening; the count tells this write apart.
ask_mouse
sessions_before=$(tail -n +"$((at + 1))" "$work/vm.log" |
    sed -n -E 's/^sessions applied ([0-9]+),.*/\1/p' | head -n1)
[ -n "$sessions_before" ] || give_up "no session count in the mouse's answer"

before=$(lines "$work/vm.log")
# Apply: x 701, y 588, 128 x 30 in window coordinates; its centre.
xdotool mousemove --window "$wid" "$(at_scale 765)" "$(at_scale 603)" click 1
if ! wait_line "$work/vm.log" "^configuration applied$" "$before" 20 > /dev/null; then
    # No window manager: a first click may only reach the window once it is entered.
    before=$(lines "$work/vm.log")
    xdotool windowactivate --sync "$wid" 2> /dev/null
    xdotool mousemove --window "$wid" "$(at_scale 760)" "$(at_scale 600)" click 1
    wait_line "$work/vm.log" "^configuration applied$" "$before" 20 > /dev/null ||
        give_up "clicking Apply wrote nothing to the mouse"
    echo "note: Apply took a second click after windowactivate"
fi
traffic=$(tail -n +"$((before + 1))" "$work/vm.log")
if grep -q -E '^> receiver [0-9a-f]{2} 00 aa 55' <<< "$traffic" &&
    grep -q -E '^> receiver [0-9a-f]{2} 00 cc 33' <<< "$traffic"; then
    pass "Apply sent a begin and an end marker"
else
    fail "Apply: begin marker (00 aa 55) or end marker (00 cc 33) missing in the traffic"
fi

# --- 3. the mouse holds the profile's DPI table ----------------------------------------------
ask_mouse
held=$(tail -n +"$((at + 1))" "$work/vm.log")
sessions_after=$(sed -n -E 's/^sessions applied ([0-9]+),.*/\1/p' <<< "$held" | head -n1)
level0=$(sed -n -E 's/^  level 0[* ] flag ([0-9]+) x ([0-9]+) y ([0-9]+).*/\1 \2 \3/p' <<< "$held")
held_level=$(sed -n -E 's/^profile [0-9]+, DPI level ([0-9]+),.*/\1/p' <<< "$held")
file_x=$(ini_value "$profile" PROFILE DPI_INFO_0_x)
file_y=$(ini_value "$profile" PROFILE DPI_INFO_0_y)
file_dpi=$(ini_value "$profile" PROFILE dpi)
want_x=$(encode_dpi "$sensor" "${file_x:-0}")
want_y=$(encode_dpi "$sensor" "${file_y:-0}")
if [ -z "$want_x" ]; then
    fail "sensor $sensor: this script knows no DPI encoding to compare with"
elif [ "${sessions_after:-0}" -gt "$sessions_before" ] && [ -n "$level0" ] &&
    [ "$level0" = "${want_x% *} ${want_x#* } ${want_y#* }" ] &&
    [ "$held_level" = "$file_dpi" ]; then
    pass "mouse holds level 0 = flag ${level0% * *}, x ${file_x}, y ${file_y} of '$profile_name' and DPI level $held_level (session $sessions_after)"
else
    fail "mouse holds sessions ${sessions_after:-?} (before $sessions_before), level 0 '${level0:-none}' (want '${want_x% *} ${want_x#* } ${want_y#* }' from DPI_INFO_0_x=$file_x y=$file_y), DPI level ${held_level:-?} (profile dpi ${file_dpi:-?})"
fi

# --- 4. the DPI button reaches the tool and the profile file --------------------------------
tool_before=$(lines "$work/tool.log")
osd_before=$(lines "$work/osd.log")
echo dpi >&3
ask_mouse
new_level=$(tail -n +"$((at + 1))" "$work/vm.log" |
    sed -n -E 's/^profile [0-9]+, DPI level ([0-9]+),.*/\1/p' | head -n1)
[ -n "$new_level" ] && [ "$new_level" != "$held_level" ] ||
    give_up "the DPI button left the mouse at level ${new_level:-?} (was $held_level)"
new_x=$(ini_value "$profile" PROFILE "DPI_INFO_${new_level}_x")
want_dpi=$(dpi_of "$sensor" "${new_x:-0}")
announce="DPI $((new_level + 1)):${want_dpi}"
announced=$(wait_line "$work/tool.log" " OSD announce: DPI " "$tool_before" 20)
announced=${announced#* OSD announce: }
if [ -n "$want_dpi" ] && [ "$announced" = "$announce" ]; then
    pass "tool announced '$announced'"
elif [ -z "$want_dpi" ] && [ "${announced%%:*}" = "DPI $((new_level + 1))" ]; then
    pass "tool announced '$announced' (DPI value not checked for sensor $sensor)"
else
    fail "tool announced '${announced:-nothing}', expected '$announce'"
fi

stored=""
for ((i = 0; i < 100; i++)); do
    stored=$(ini_value "$profile" PROFILE dpi)
    [ "$stored" = "$new_level" ] && break
    sleep 0.1
done
if [ "$stored" = "$new_level" ]; then
    pass "'$profile_name.prof' PROFILE/dpi is now $stored"
else
    fail "'$profile_name.prof' PROFILE/dpi is '${stored:-missing}', expected $new_level"
fi

# --- 5. the OSD shows it ---------------------------------------------------------------------
shown=$(wait_line "$work/osd.log" " OSD: DPI " "$osd_before" 10)
shown=${shown#* OSD: }
if [ -n "$announced" ] && [ "$shown" = "$announced" ] &&
    ! grep -q "SendMessage failed" "$work/tool.log"; then
    pass "OSD received '$shown'"
else
    fail "OSD received '${shown:-nothing}' for '${announced:-nothing}'$(grep -q "SendMessage failed" "$work/tool.log" && echo ', tool logged SendMessage failed')"
fi

# Clicks Apply (x 701, y 588, 128 x 30 in window coordinates).
click_apply() {
    xdotool mousemove --window "$wid" "$(at_scale 765)" "$(at_scale 603)" click 1
}

# Dismisses the failure notice ("Warning") with Enter; false when none showed.
dismiss_warning() {
    local box
    box=$(tool_window '^Warning$') || return 1
    # No window manager runs: give the box the keyboard focus directly.
    xdotool windowfocus --sync "$box" 2> /dev/null
    xdotool key Return
}

# --- 6. a failed write is told, and polling goes on ------------------------------------------
tool_before=$(lines "$work/tool.log")
echo "failwrite 50" >&3
click_apply
if wait_line "$work/tool.log" " write failed: result " "$tool_before" 30 > /dev/null &&
    dismiss_warning &&
    wait_line "$work/tool.log" " write failure told$" "$tool_before" 10 > /dev/null; then
    echo clear >&3
    after_failure=$(lines "$work/tool.log")
    echo "battery 42" >&3
    if wait_line "$work/tool.log" " battery 42%" "$after_failure" 15 > /dev/null; then
        pass "a failed write was told once and battery polling went on after it"
    else
        fail "no battery report within 15 s after a failed write"
    fi
else
    echo clear >&3
    fail "the failed write was not told with a dismissable 'Warning'"
fi

# --- 7. a mouse pulled out during a write: the chooser waits for the write and its message ----
tool_before=$(lines "$work/tool.log")
echo "delay 300" >&3
vm_before=$(lines "$work/vm.log")
click_apply
# Pulled out once the write has begun (its begin marker reached the mouse): the tool saves its
# files first, which on a loaded or instrumented build can take longer than any fixed pause.
wait_line "$work/vm.log" '^> receiver [0-9a-f]{2} 00 aa 55' "$vm_before" 30 > /dev/null ||
    fail "Apply sent no begin marker before the unplug"
echo "unplug receiver" >&3
if wait_line "$work/tool.log" " write failed: result " "$tool_before" 40 > /dev/null; then
    if tail -n +"$((tool_before + 1))" "$work/tool.log" | grep -q " device chooser shown$"; then
        fail "the chooser opened before the write had ended and its message was dismissed"
    elif dismiss_warning &&
        wait_line "$work/tool.log" " device chooser shown$" "$tool_before" 15 > /dev/null; then
        chooser_lines=$(tail -n +"$((tool_before + 1))" "$work/tool.log" |
            grep -c " device chooser shown$")
        if [ "$chooser_lines" -eq 1 ]; then
            pass "the unplug during a write was handled once, after the failure notice"
        else
            fail "the chooser opened $chooser_lines times for one unplug"
        fi
    else
        fail "after the failure notice the unplug was not handled (no chooser)"
    fi
else
    fail "a write interrupted by an unplug did not fail visibly"
fi
echo "delay 0" >&3

if ! kill -0 "$tool_pid" 2> /dev/null; then
    fail "the tool is no longer running"
fi
summary
[ "$failed" -eq 0 ]
