#!/usr/bin/env bash
# End-to-end run of the keyboard hook on a private X server: the probe runs the platform hook
# under a key capture and prints every stroke, a listener window stands in for another
# application, and xdotool types real keys (XTEST) by X key code.
#   usage: e2e-keyboardhook.sh <key-hook-probe>
# Checks the scan codes and key codes of the keys that share a scan code, that Observe mode
# leaves keys to the focused application and Swallow mode keeps them from it until stop, and
# that 30 keys a second for 2 seconds arrive without loss; prints the timing figures.
set -uo pipefail

if [ $# -ne 1 ] || [ ! -x "$1" ]; then
    echo "e2e-keyboardhook: usage: $0 <key-hook-probe>" >&2
    exit 2
fi
probe="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"

e2e_name=e2e-keyboardhook
e2e_screen="-screen 0 1024x768x24"
# The hook under test is the X11 one, whatever platform the other tests run on.
export QT_QPA_PLATFORM=xcb
source "$(dirname "${BASH_SOURCE[0]}")/../e2e-lib.sh"

check() { # description, then a command that must succeed
    local what="$1"
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "ok: $what"
    else
        failed=$((failed + 1))
        echo "FAIL: $what"
    fi
}

# Waits up to 10 s for a line matching $2 in file $1.
wait_for() {
    local i
    for i in $(seq 100); do
        grep -q -- "$2" "$1" 2> /dev/null && return 0
        sleep 0.1
    done
    return 1
}

send_to() { # probe name, command, the answer to wait for
    local before
    before=$(grep -c -- "$3" "$work/$1" 2> /dev/null)
    if [ "$1" = probe ]; then echo "$2" >&3; else echo "$2" >&4; fi
    local i
    for i in $(seq 100); do
        [ "$(grep -c -- "$3" "$work/$1")" -gt "$before" ] && return 0
        sleep 0.1
    done
    return 1
}
send() { send_to probe "$@"; }

# Strokes printed since line $1 of the probe's output.
strokes_since() { tail -n +"$(($1 + 1))" "$work/probe" | grep '^stroke'; }
# F12 (X key code 96) ends a run of keys: once its release was printed since line $1, so was
# every stroke of the keys before it. Waits up to 10 s for it.
wait_f12() {
    local i
    for i in $(seq 100); do
        strokes_since "$1" | grep -q 'scan=58 flags=80' && return 0
        sleep 0.1
    done
    return 1
}

mkfifo "$work/commands"
"$probe" < "$work/commands" > "$work/probe" 2> "$work/probe.err" &
pids+=($!)
exec 3> "$work/commands"
# A second hook in another process, to meet a keyboard that someone else holds.
mkfifo "$work/commands2"
"$probe" < "$work/commands2" > "$work/second" 2> "$work/second.err" &
pids+=($!)
exec 4> "$work/commands2"
"$probe" --listen > "$work/listener" 2> "$work/listener.err" &
pids+=($!)
if ! wait_for "$work/probe" '^ready' || ! wait_for "$work/listener" '^ready' ||
    ! wait_for "$work/second" '^ready'; then
    echo "e2e-keyboardhook: FAIL: the probe did not start"
    cat "$work/probe.err" "$work/listener.err"
    echo "e2e-keyboardhook: 0 passed, 1 failed"
    exit 1
fi
listener=$(timeout 10 xdotool search --sync --name '^key listener$' | head -n 1)
if [ -z "$listener" ]; then
    echo "e2e-keyboardhook: FAIL: the listener window did not appear"
    echo "e2e-keyboardhook: 0 passed, 1 failed"
    exit 1
fi
timeout 10 xdotool windowfocus --sync "$listener"

# Observe: the hook sees keys typed into another window, which still gets them.
check "observe starts a global hook" send "start observe" '^started ok=1 global=1 grabbed=0'
mark=$(lines "$work/probe")
heard=$(lines "$work/listener")
# X key codes: keypad Enter, Enter, Delete, keypad ".", right Ctrl, left Super, Print, Pause,
# Num Lock (twice, to leave it off), right Alt.
xdotool key --delay 20 104 36 119 91 105 133 107 127 77 77 108 96
wait_f12 "$mark"
wait_for "$work/listener" 'key=96'
got="$(strokes_since "$mark" | grep -v 'scan=58 ' | cut -d' ' -f2-4)"
expect_stroke() { # description, "scan=.. flags=.. code=.."
    check "$1 ($2)" grep -qx -- "$2" <<< "$got"
}
expect_stroke "keypad Enter down" "scan=1c flags=01 code=e5"
expect_stroke "keypad Enter up" "scan=1c flags=81 code=e5"
expect_stroke "Enter" "scan=1c flags=00 code=1c"
expect_stroke "Delete" "scan=53 flags=01 code=53"
expect_stroke "keypad ." "scan=53 flags=00 code=e0"
expect_stroke "right Ctrl" "scan=1d flags=01 code=ee"
expect_stroke "left Super" "scan=5b flags=01 code=5b"
expect_stroke "Print Screen" "scan=37 flags=01 code=37"
expect_stroke "Pause" "scan=45 flags=00 code=45"
expect_stroke "Num Lock" "scan=45 flags=01 code=e1"
expect_stroke "right Alt down" "scan=38 flags=21 code=ef"
expect_stroke "right Alt up" "scan=38 flags=81 code=ef"
check "every key once down, once up" test "$(wc -l <<< "$got")" -eq 22
check "the focused window still got the 11 keys and F12" \
    test "$(tail -n +"$((heard + 1))" "$work/listener" | grep -c '^listener key=')" -eq 12
grep -q 'vk=a5' <(strokes_since "$mark" | grep 'code=ef')
check "right Alt carries its virtual-key code" test $? -eq 0

# Swallow: the key reaches the hook but no other client, until the hook stops.
check "stop" send "stop" '^stopped'
check "swallow grabs the keyboard" send "start swallow" '^started ok=1 global=1 grabbed=1'
# The keyboard is held now: a second Swallow hook cannot grab it but still sees the keys.
check "a second swallow hook falls back to observing" \
    send_to second "start swallow" '^started ok=1 global=1 grabbed=0'
mark=$(lines "$work/probe")
mark2=$(lines "$work/second")
heard=$(lines "$work/listener")
xdotool key 38 # a
wait_for "$work/probe" 'scan=1e flags=80'
check "swallowed key seen by the hook" test "$(strokes_since "$mark" | grep -c 'scan=1e')" -eq 2
check "and by the hook that could not grab" \
    test "$(tail -n +"$((mark2 + 1))" "$work/second" | grep -c '^stroke scan=1e')" -eq 2
check "second stop" send_to second "stop" '^stopped'
check "stop" send "stop" '^stopped'
mark=$(lines "$work/probe")
xdotool key 56 # b
check "after stop the focused window gets keys again" wait_for "$work/listener" 'key=56'
# Keys reach the listener in order: a swallowed "a" that got through would be there before "b".
check "swallowed key kept from the focused window" \
    test "$(tail -n +"$((heard + 1))" "$work/listener" | grep -c 'key=38')" -eq 0
check "after stop the hook sees nothing" test "$(strokes_since "$mark" | wc -l)" -eq 0

# A receiver that stops the capture at the first key (a window that closes on it): one stroke,
# the keyboard free again at once.
check "swallow until the first key" send "start swallow once" '^started ok=1 global=1 grabbed=1'
mark=$(lines "$work/probe")
xdotool key 39 # s
check "stopped from the stroke's receiver" wait_for "$work/probe" '^stopped by key'
xdotool key 40 # d
check "the next key reaches the focused window" wait_for "$work/listener" 'key=40'
check "only the first key was taken" test "$(strokes_since "$mark" | wc -l)" -eq 1
check "the probe still answers" send "stop" '^stopped'

# 30 keys a second for 2 seconds: nothing lost, and the gaps between the hook's times against
# the server's own time stamps.
check "observe again" send "start observe" '^started ok=1'
mark=$(lines "$work/probe")
# "key --delay 33" keeps 33 ms from one press to the next (half of it down, half up); "type"
# paces itself differently from one version to the next.
keys=($(echo {a..z} {a..z} {a..h}))
xdotool key --delay 33 "${keys[@]}" 96
wait_f12 "$mark"
strokes_since "$mark" | grep -v 'scan=58 ' > "$work/typed"
check "60 keys typed at 30 a second give 120 strokes" test "$(lines "$work/typed")" -eq 120
awk '{
    split($6, t, "="); split($7, s, "="); split($8, r, "=");
    late = r[2] - t[2]; if (late > maxlate) maxlate = late; sumlate += late;
    if (NR > 1) {
        gap = t[2] - pt; d = (r[2] - pr) - (s[2] - ps); if (d < 0) d = -d;
        if (d > maxd) maxd = d; if (gap > maxgap) maxgap = gap; sum += gap; n++;
    }
    pt = t[2]; ps = s[2]; pr = r[2]; if (NR == 1) first = t[2]; last = t[2];
} END {
    printf "figures: %d strokes in %d ms (%.1f keys/s); gaps between strokes: mean %.1f ms,", \
        NR, last - first, (NR / 2) / ((last - first) / 1000.0), sum / n;
    printf " largest %d ms; strokes reached the capture %.1f ms (at most %d ms) later than", \
        maxgap, sumlate / NR, maxlate;
    printf " their server time stamps say, counted from the first; gaps taken at reading";
    printf " instead of from the server time stamps would be off by up to %d ms\n", maxd;
}' "$work/typed"
check "hook gaps equal the server's own gaps" \
    awk '{ split($6, t, "="); split($7, s, "="); if (NR > 1 && (t[2] - pt) != (s[2] - ps)) bad = 1;
           pt = t[2]; ps = s[2] } END { exit bad }' "$work/typed"
echo quit >&3
echo quit >&4

summary
[ "$failed" -eq 0 ]
