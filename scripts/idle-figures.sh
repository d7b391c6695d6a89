#!/usr/bin/env bash
# Measures what the tool costs while it sits idle with a virtual mouse plugged in, and prints:
#   wakeups per second: voluntary and involuntary context switches of all its threads
#   CPU milliseconds per minute: user and system time of all its threads
# beside the same figures of a bare Qt window (build/tools/bare-window, one QLabel) idling over
# the same span, and the ratio of the two. The tool is sampled from 5 s after its start (the
# device selection and the first battery answer are over by then).
# Runs the built programs from build/bin (or $BUILD_DIR/bin); without a display it restarts
# itself under xvfb-run. 20 s unless told: MEASURE_SECONDS=60 scripts/idle-figures.sh
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bin="${BUILD_DIR:-$top/build}/bin"
bare="${BUILD_DIR:-$top/build}/tools/bare-window"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
seconds="${MEASURE_SECONDS:-20}"
work="$(mktemp -d)"
trap 'exec 3>&- 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export MOUSECFG_VIRTUAL_DIR="$work/virtual"
mkdir -m 700 "$MOUSECFG_VIRTUAL_DIR"
hz=$(getconf CLK_TCK)

# "<context switches> <cpu ticks>" summed over the threads alive now.
sample() {
    local switches=0 ticks=0 task v n t
    for task in /proc/"$1"/task/*; do
        v=$(awk '/^voluntary_ctxt_switches|^nonvoluntary_ctxt_switches/ { s += $2 } END { print s + 0 }' \
            "$task/status" 2>/dev/null) || continue
        # Fields after the command name, which may hold spaces: utime and stime are 12 and 13.
        t=$(sed 's/.*) //' "$task/stat" 2>/dev/null | awk '{ print $12 + $13 }') || continue
        switches=$(( switches + v ))
        ticks=$(( ticks + t ))
    done
    echo "$switches $ticks"
}

mkfifo "$work/vm.in"
"$bin/virtual-mouse" --name HORNBEAM --receiver < "$work/vm.in" > "$work/vm.log" 2>&1 &
exec 3> "$work/vm.in"
for _ in $(seq 1 100); do grep -q "^virtual mouse HORNBEAM" "$work/vm.log" && break; sleep 0.05; done
"$bin/mousecfg" > "$work/tool.log" 2>&1 &
tool=$!
base=""
if [ -x "$bare" ]; then
    "$bare" > "$work/bare.log" 2>&1 &
    base=$!
fi
sleep 5
kill -0 "$tool" || { echo "the tool did not keep running" >&2; cat "$work/tool.log" >&2; exit 1; }

read -r tool_s0 tool_t0 < <(sample "$tool")
[ -n "$base" ] && read -r base_s0 base_t0 < <(sample "$base")
sleep "$seconds"
read -r tool_s1 tool_t1 < <(sample "$tool")
[ -n "$base" ] && read -r base_s1 base_t1 < <(sample "$base")

# wakeups/s and CPU ms/min from the two samples.
figures() {
    awk -v s=$(( $2 - $1 )) -v t=$(( $4 - $3 )) -v secs="$seconds" -v hz="$hz" \
        'BEGIN { printf "%10.2f %14.1f\n", s / secs, t * 1000 / hz * 60 / secs }'
}
printf '%-12s %10s %14s   (%s s, %s threads in the tool)\n' program "wakeups/s" "cpu ms/min" \
    "$seconds" "$(ls /proc/"$tool"/task | wc -l)"
printf '%-12s %s\n' mousecfg "$(figures "$tool_s0" "$tool_s1" "$tool_t0" "$tool_t1")"
if [ -n "$base" ]; then
    printf '%-12s %s\n' bare-window "$(figures "$base_s0" "$base_s1" "$base_t0" "$base_t1")"
    awk -v a=$(( tool_s1 - tool_s0 )) -v b=$(( base_s1 - base_s0 )) \
        'BEGIN { printf "%-12s %10s\n", "ratio", (b > 0 ? sprintf("%.1f", a / b) : "-") }'
fi
