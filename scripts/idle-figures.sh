#!/usr/bin/env bash
# Measures what the tool costs while it sits idle with a virtual mouse plugged in, with its window
# shown and then started hidden in the tray, and prints for each:
#   wakeups per second: voluntary context switches of all its threads (each is a sleep that
#   something ended); the involuntary ones, which the machine's other load causes, beside them
#   CPU milliseconds per minute: run time of all its threads (from schedstat, in nanoseconds)
# beside the same figures of a bare Qt window (build/tools/bare-window, one QLabel) idling over
# the same span, and the ratio of the two. The tool is sampled from 5 s after its start (the
# device selection and the first battery answer are over by then).
# Runs the built programs from build/bin (or $BUILD_DIR/bin); without a display it restarts
# itself under xvfb-run. 60 s per mode unless told: MEASURE_SECONDS=20 scripts/idle-figures.sh
# Targets: at most 1 wakeup/s and 10 ms CPU per minute, shown or hidden.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
bin="${BUILD_DIR:-$top/build}/bin"
bare="${BUILD_DIR:-$top/build}/tools/bare-window"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
seconds="${MEASURE_SECONDS:-60}"
work="$(mktemp -d)"
trap 'exec 3>&- 2>/dev/null || true; kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export MOUSECFG_VIRTUAL_DIR="$work/virtual"
mkdir -m 700 "$MOUSECFG_VIRTUAL_DIR"

# "<voluntary> <involuntary> <run ns>" summed over the threads alive now.
sample() {
    local task vol=0 invol=0 ns=0 v i n
    for task in /proc/"$1"/task/*; do
        v=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null) || continue
        i=$(awk '/^nonvoluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null) || continue
        n=$(awk '{ print $1 }' "$task/schedstat" 2>/dev/null) || continue
        vol=$(( vol + v )); invol=$(( invol + i )); ns=$(( ns + n ))
    done
    echo "$vol $invol $ns"
}

# "wakeups/s involuntary/s cpu-ms/min" from two samples.
figures() {
    awk -v v=$(( $4 - $1 )) -v i=$(( $5 - $2 )) -v ns=$(( $6 - $3 )) -v secs="$seconds" \
        'BEGIN { printf "%10.2f %12.2f %12.1f", v / secs, i / secs, ns / 1e6 * 60 / secs }'
}

mkfifo "$work/vm.in"
"$bin/virtual-mouse" --name HORNBEAM --receiver < "$work/vm.in" > "$work/vm.log" 2>&1 &
exec 3> "$work/vm.in"
for _ in $(seq 1 100); do grep -q "^virtual mouse HORNBEAM" "$work/vm.log" && break; sleep 0.05; done

printf '%-20s %10s %12s %12s\n' program "wakeups/s" "involunt./s" "cpu ms/min"
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
    sleep 5
    kill -0 "$tool" || { echo "the tool did not keep running" >&2; cat "$work/tool.log" >&2; exit 1; }
    read -r t0 < <(sample "$tool")
    [ -n "$base" ] && read -r b0 < <(sample "$base")
    sleep "$seconds"
    read -r t1 < <(sample "$tool")
    [ -n "$base" ] && read -r b1 < <(sample "$base")
    # shellcheck disable=SC2086
    printf '%-20s %s\n' "mousecfg ($mode)" "$(figures $t0 $t1)"
    if [ -n "$base" ]; then
        # shellcheck disable=SC2086
        printf '%-20s %s\n' "bare-window" "$(figures $b0 $b1)"
        read -r tv _ tn <<< "$(paste -d' ' <(echo $t0) <(echo $t1) | awk '{ print $4 - $1, 0, $6 - $3 }')"
        read -r bv _ bn <<< "$(paste -d' ' <(echo $b0) <(echo $b1) | awk '{ print $4 - $1, 0, $6 - $3 }')"
        awk -v a="$tv" -v b="$bv" -v c="$tn" -v d="$bn" 'BEGIN {
            printf "%-20s %10s %12s %12s\n", "ratio to bare", (b > 0 ? sprintf("%.1f", a / b) : "-"), "",
                (d > 0 ? sprintf("%.1f", c / d) : "-") }'
        kill "$base" 2>/dev/null || true
        wait "$base" 2>/dev/null || true
    fi
    kill "$tool" 2>/dev/null || true
    wait "$tool" 2>/dev/null || true
done
echo "targets: at most 1 wakeup/s and 10 ms CPU per minute, shown or hidden"
