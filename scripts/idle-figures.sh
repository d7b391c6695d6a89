#!/usr/bin/env bash
# Measures what the tool costs while it sits idle with a virtual mouse plugged in, with its window
# shown and then started hidden in the tray, and prints for each:
#   wakeups per second: voluntary context switches of all its threads (each is a sleep that
#   something ended); the involuntary ones, which the machine's other load causes, beside them
#   CPU milliseconds per minute: run time of all its threads (from schedstat, in nanoseconds)
# beside the same figures of a bare Qt window (build/tools/bare-window, one QLabel) and of the
# battery round alone (build/tools/idle-floor: the same exchange over a local socket with a peer
# process, two wakes per 2.9 s round, no toolkit) idling over the same span, and the tool's CPU
# as a multiple of that floor: what one wake costs on a shared virtual machine changes several
# fold within an hour, so the milliseconds alone do not tell the tool from the machine. The tool
# is sampled from 5 s after its start (the device selection and the first battery answer are
# over by then).
# Runs the built programs from build/bin (or $BUILD_DIR/bin); without a display it restarts
# itself under xvfb-run. 60 s per mode unless told: MEASURE_SECONDS=20 scripts/idle-figures.sh
# Targets: at most 1 wakeup/s and 10 ms CPU per minute, shown or hidden.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bin="${BUILD_DIR:-$top/build}/bin"
bare="${BUILD_DIR:-$top/build}/tools/bare-window"
floorbin="${BUILD_DIR:-$top/build}/tools/idle-floor"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    exec xvfb-run -a -s "-noreset -screen 0 1280x800x24" "$0" "$@"
fi
seconds="${MEASURE_SECONDS:-60}"
work="$(mktemp -d)"
trap 'exec 3>&- 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export MOUSECFG_VIRTUAL_DIR="$work/virtual"
mkdir -m 700 "$MOUSECFG_VIRTUAL_DIR"
# A runtime folder of its own: a tool already running for this user would otherwise take the
# start over (one instance per user) and the figures would be of nothing.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One line per thread alive now: "<tid> <voluntary> <involuntary> <run ns>".
sample() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" '/^voluntary_ctxt_switches/ { v = $2 }
            /^nonvoluntary_ctxt_switches/ { i = $2 } END { printf "%s %d %d ", tid, v, i }' \
            "$task/status" 2>/dev/null || continue
        awk '{ print $1 }' "$task/schedstat" 2>/dev/null || echo 0
    done
}

# "wakeups/s involuntary/s cpu-ms/min" from two samples (files). A thread that ended in between
# (the toolkit's pool lets idle workers go after 30 s) is left out: its counts went with it.
figures() {
    awk -v secs="$seconds" 'NR == FNR { v[$1] = $2; i[$1] = $3; n[$1] = $4; next }
        { dv += $2 - v[$1]; di += $3 - i[$1]; dn += $4 - n[$1] }
        END { printf "%10.2f %12.2f %12.1f", dv / secs, di / secs, dn / 1e6 * 60 / secs }' "$1" "$2"
}

mkfifo "$work/vm.in"
"$bin/virtual-mouse" --name HORNBEAM --receiver < "$work/vm.in" > "$work/vm.log" 2>&1 &
exec 3> "$work/vm.in"
for _ in $(seq 1 100); do grep -q "^virtual mouse HORNBEAM" "$work/vm.log" && break; sleep 0.05; done

printf '%-20s %10s %12s %12s %9s\n' program "wakeups/s" "involunt./s" "cpu ms/min" "tool/it"
for mode in shown hidden; do
    args=()
    [ "$mode" = hidden ] && args=(--hidden)
    "$bin/mousecfg" "${args[@]}" > "$work/tool.log" 2>&1 &
    tool=$!
    base=""
    if [ -x "$bare" ]; then
        "$bare" > "$work/bare.log" 2>&1 &
        base=$!
    fi
    floor=""
    if [ -x "$floorbin" ]; then
        "$floorbin" &
        floor=$!
    fi
    sleep 5
    kill -0 "$tool" || { echo "the tool did not keep running" >&2; cat "$work/tool.log" >&2; exit 1; }
    sample "$tool" > "$work/t0"
    [ -n "$base" ] && sample "$base" > "$work/b0"
    [ -n "$floor" ] && sample "$floor" > "$work/f0"
    sleep "$seconds"
    sample "$tool" > "$work/t1"
    [ -n "$base" ] && sample "$base" > "$work/b1"
    [ -n "$floor" ] && sample "$floor" > "$work/f1"
    printf '%-20s %s\n' "mousecfg ($mode)" "$(figures "$work/t0" "$work/t1")"
    if [ -n "$floor" ]; then
        toolcpu=$(figures "$work/t0" "$work/t1" | awk '{ print $3 }')
        floorline=$(figures "$work/f0" "$work/f1")
        printf '%-20s %s %8.1fx\n' "battery round alone" "$floorline" \
            "$(echo "$floorline" | awk -v t="$toolcpu" '{ print ($3 > 0 ? t / $3 : 0) }')"
        kill "$floor" 2>/dev/null || true
        wait "$floor" 2>/dev/null || true
    fi
    if [ -n "$base" ]; then
        printf '%-20s %s\n' "bare-window" "$(figures "$work/b0" "$work/b1")"
        kill "$base" 2>/dev/null || true
        wait "$base" 2>/dev/null || true
    fi
    kill "$tool" 2>/dev/null || true
    wait "$tool" 2>/dev/null || true
done
echo "targets: at most 1 wakeup/s and 10 ms CPU per minute, shown or hidden"
