#!/usr/bin/env bash
# End-to-end run of macro recording: the tool and a virtual mouse as separate processes on a
# private X server. Creates a macro on the macro page, records a typed phrase, inserts a left
# click and a 20 ms delay, saves, and checks the macro file. Then records 60 keys typed at 30 a
# second and prints what was seen against the X server's own key timestamps.
#   usage: e2e-macro.sh <build>/bin <key-stamps program>
# Works on a copy of the application folder in a temporary folder. Exit 0 when every check
# passed; the timing figures are printed, not judged.
set -uo pipefail

if [ $# -ne 2 ] || [ ! -x "$1/mousecfg" ] || [ ! -x "$1/virtual-mouse" ] || [ ! -x "$2" ]; then
    echo "e2e-macro: usage: $0 <bin folder with mousecfg and virtual-mouse> <key-stamps>" >&2
    exit 2
fi
stamps="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
e2e_name=e2e-macro
source "$(dirname "${BASH_SOURCE[0]}")/../e2e-lib.sh"

# The rows of a macro file as "map high low" lines.
macro_rows() {
    local file=$1 n i
    n=$(ini_value "$file" Setting Count)
    for ((i = 0; i < ${n:-0}; i++)); do
        echo "$(ini_value "$file" Setting "Map_$i") $(ini_value "$file" Setting "DataH_$i") $(ini_value "$file" Setting "DataL_$i")"
    done
}
# Waits until the tool logged $2 more recorded strokes after line $1 of its log; prints them.
wait_strokes() {
    wait_count "$work/tool.log" "OnHookKey ret " "$1" "$2" 15
    tail -n +"$(($1 + 1))" "$work/tool.log" | grep -c "OnHookKey ret "
}
# Clicks START or STOP on the macro page and waits for the tool to say $1 (a recording started,
# the macro saved).
start_stop() {
    local from
    from=$(lines "$work/tool.log")
    page_click 215 16
    wait_line "$work/tool.log" " $1" "$from" 10 > /dev/null || give_up "no '$1' from the tool"
}

e2e_isolate "$1"
unit=$(ini_value "$app/DefaultProfile.bin" PROFILE MinDelay)
unit=${unit:-1}

# --- start the programs ----------------------------------------------------------------------
start_mouse
start_tool
# A point of the window at UI scale 1.0 (999 pixels wide); the macro page starts at 246, 85.
click() {
    xdotool mousemove --window "$wid" $(($1 * WIDTH / 999)) $(($2 * WIDTH / 999)) click 1
}
page_click() {
    click $((246 + $1)) $((85 + $2))
}
xdotool windowactivate --sync "$wid" 2> /dev/null
click 146 206 # the MACRO tab

# --- 1. a new macro --------------------------------------------------------------------------
page_click 46 390 # NEW
name=""
for ((i = 0; i < 50; i++)); do
    name=$(ini_value "$ini" MACRO_LIST 0)
    [ -n "$name" ] && break
    sleep 0.1
done
macro="$app/Configs/MacroDB/$name.MSMACRO"
if [ -n "$name" ] && [ -f "$macro" ]; then
    pass "NEW created '$name'"
else
    give_up "NEW created no macro (MACRO_LIST/0 '${name}')"
fi

# --- 2. record a phrase with its delays ------------------------------------------------------
page_click 470 349 # RECORD DELAYS BETWEEN ACTION
before=$(lines "$work/tool.log")
# The recording reads keys on a connection of its own: keys typed before it started are lost.
start_stop "macro recording started"
xdotool windowfocus --sync "$wid" 2> /dev/null
xdotool type --delay 40 "hello"
seen=$(wait_strokes "$before" 10)
start_stop "macro saved: ok 1, " # STOP saves as SAVE does
rows=$(macro_rows "$macro")
keys=$(awk '$1 == 132 || $1 == 4 { printf "%s:%s ", $1, $3 }' <<< "$rows")
delays=$(awk '$1 == 6' <<< "$rows" | wc -l)
want_keys="132:11 4:11 132:8 4:8 132:15 4:15 132:15 4:15 132:18 4:18 "
if [ "$keys" = "$want_keys" ] && [ "$delays" -eq 9 ]; then
    pass "recorded 'hello': 10 key rows and 9 delay rows saved at STOP"
else
    fail "recorded keys '$keys' (want '$want_keys'), $delays delay rows (want 9), $seen strokes seen"
fi

# --- 3. a left click and a 20 ms delay -------------------------------------------------------
count_before=$(ini_value "$macro" Setting Count)
page_click 520 38 # LEFT CLICK opens
sleep 0.5 # a second click within Qt's double-click time (400 ms) would be a double click
page_click 520 38 # and inserts a whole click after the current (last) row
page_click 310 438 # INSERT DELAY (10 ms)
page_click 627 257 # the delay field of the editing panel
xdotool key --window "$wid" ctrl+a
xdotool type --delay 40 "20"
before=$(lines "$work/tool.log")
page_click 310 16 # SAVE
wait_line "$work/tool.log" " macro saved: ok 1, " "$before" 10 > /dev/null || give_up "SAVE saved nothing"
tail_rows=$(macro_rows "$macro" | tail -n 5 | tr '\n' ' ')
want_tail="129 0 1 6 0 $((10 / unit)) 1 0 1 6 0 $((10 / unit)) 6 0 $((20 / unit)) "
count_after=$(ini_value "$macro" Setting Count)
if [ "$tail_rows" = "$want_tail" ] && [ "$count_after" -eq $((count_before + 5)) ]; then
    pass "left click with its delays and a 20 ms delay saved after the phrase"
else
    fail "last rows '$tail_rows' (want '$want_tail'), count $count_after (was $count_before)"
fi

# --- 4. 30 keys a second for 2 seconds -------------------------------------------------------
"$stamps" 20 > "$work/stamps.log" 2>&1 &
pids+=($!)
wait_line "$work/stamps.log" "^ready$" 0 10 > /dev/null || give_up "key-stamps did not start"
before=$(lines "$work/tool.log")
start_stop "macro recording started" # START clears the list
xdotool windowfocus --sync "$wid" 2> /dev/null
stamp_start=$(lines "$work/stamps.log")
phrase="thequickbrownfoxjumpsoverthelazydogthequickbrownfoxjumpsover"
# xdotool waits half the delay after a press and half after the release.
xdotool type --delay 58 "$phrase"
seen=$(wait_strokes "$before" $((2 * ${#phrase})))
start_stop "macro saved: ok 1, "
tail -n +"$((stamp_start + 1))" "$work/stamps.log" | grep -E '^(press|release) ' > "$work/sent.txt"
sent=$(lines "$work/sent.txt")
first=$(awk 'NR == 1 { print $3 }' "$work/sent.txt")
last=$(awk '$1 == "press" { t = $3 } END { print t }' "$work/sent.txt")
rate=$(awk -v n="${#phrase}" -v a="$first" -v b="$last" \
    'BEGIN { if (b > a) printf "%.1f", (n - 1) * 1000 / (b - a); else print "?" }')
echo "figures: $sent key events sent by the X server (${#phrase} keys, $rate keys/s)," \
    "$seen seen by the recording, $((sent - seen)) lost"
if [ "$sent" -eq $((2 * ${#phrase})) ] && [ "$seen" -eq "$sent" ]; then
    pass "no key event lost at $rate keys a second"
else
    fail "$((sent - seen)) of $sent key events lost"
fi
# The recorded delays against the server's gaps: row 2k+1 is the delay before event k+1.
macro_rows "$macro" | awk '$1 == 6 { print $2 * 256 + $3 }' > "$work/recorded.txt"
awk -v unit="$unit" '
    NR == FNR { t[NR] = $3; next }
    { gap = t[FNR + 1] - t[FNR]; ms = $1 * unit; d = ms - gap; if (d < 0) d = -d
      n++; if (d <= unit) ok++; if (d > worst) worst = d; sum += d }
    END { printf "figures: %d recorded delays (unit %d ms), %d within one unit of the server gap," \
          " mean deviation %.2f ms, worst %d ms\n", n, unit, ok, n ? sum / n : 0, worst }
' "$work/sent.txt" "$work/recorded.txt"

# --- 5. the saved macro reaches a button of the mouse ----------------------------------------
# Button 8 of the list (record 7) gets the macro through its menu's "Macro Manager", repeated
# while the button is held; Apply must send the button's slot and the macro's block.
click 146 138 # the CUSTOMIZE tab
click 412 364 # the menu of record 7
xdotool key --delay 60 Down Down Down Down Down Down Down Down Down Down Down Down Return
select=$(tool_dialog) || give_up "\"Macro Manager\" opened no macro selection"
dialog_click() {
    xdotool mousemove --window "$select" "$1" "$2" click 1
}
dialog_click 239 71 # the name button: its menu lists MACRO_LIST
xdotool key Down Return
dialog_click 60 146 # "REPEAT RUN WHEN KEY DOWN"
before=$(lines "$work/tool.log")
dialog_click 154 271 # Yes
wait_line "$work/tool.log" " button labels: " "$before" 10 > /dev/null && window_gone "$select" ||
    give_up "Yes in the macro selection gave the button no macro"
# The bytes the mouse must hold: the events of the file as it is now, each as map, low and
# high byte, cut where the mouse's block ends, without the zeros at the end.
want_block=$(macro_rows "$macro" | awk '{ printf "%02x %02x %02x ", $1, $3, $2 }' |
    cut -c1-$((200 * 3)) | sed -E 's/( 00)* ?$//')
before=$(lines "$work/vm.log")
click 765 603 # Apply
wait_line "$work/vm.log" "^configuration applied$" "$before" 20 > /dev/null ||
    give_up "Apply wrote nothing to the mouse"
ask_mouse
held=$(tail -n +"$((at + 1))" "$work/vm.log")
matrix=$(ini_value "$app/DefaultProfile.bin" PROFILE BUTTON_INFO_7_Matrix)
slot=$(sed -n -E "s/^  slot +${matrix:-7}: (.*)$/\1/p" <<< "$held" | tr -s ' ')
# A macro repeated while held: code 91, the block number with bit 7 set, no loop count.
if [[ "$slot" =~ ^91\ ([89a-f][0-9a-f])\ ff\ ff$ ]]; then
    block=$((0x${BASH_REMATCH[1]} & 0x7f))
    pass "button slot $matrix holds macro block $block repeated while held ($slot)"
    got_block=$(sed -n -E "s/^macro block $block \([0-9]+ bytes used\): (.*)$/\1/p" <<< "$held")
    if [ -n "$want_block" ] && [ "$got_block" = "$want_block" ]; then
        pass "macro block $block holds the saved macro's $(wc -w <<< "$got_block") bytes"
    else
        fail "macro block $block holds '${got_block:-nothing}', expected '$want_block'"
    fi
else
    fail "button slot ${matrix:-?} holds '${slot:-nothing}', expected 91 8x ff ff"
fi

summary
[ "$failed" -eq 0 ]
