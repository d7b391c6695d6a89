# Shared harness of the end-to-end scripts, sourced by each of them after it set:
#   e2e_name    the script's name in its messages (e2e-shell)
#   e2e_logs    optional: the logs under $work shown when a run gives up (default "tool vm")
#   e2e_screen  optional: the Xvfb screen (default 1280x800 at 96 DPI, UI scale 1.0)
#   e2e_tools   optional: programs needed beside xvfb-run and xdotool
# Each run works in a temporary folder ($work) with its own copy of the application folder and
# its own runtime, configuration and virtual-mouse folders, so nothing of the build tree or of a
# running session is seen or changed. E2E_KEEP=1 keeps that folder for a look afterwards.

e2e_logs=${e2e_logs:-tool vm}
e2e_screen=${e2e_screen:-"-screen 0 1280x800x24 -dpi 96"}

# The calling script runs again on a private X server, with its own arguments (a sourced file
# sees them): a display of the session running the tests must not get clicks or keys.
if [ -z "${E2E_PRIVATE_X:-}" ]; then
    for tool in xvfb-run xdotool ${e2e_tools:-}; do
        if ! command -v "$tool" > /dev/null; then
            echo "$e2e_name: FAIL: $tool is missing (scripts/setup.sh installs it)" >&2
            exit 1
        fi
    done
    export E2E_PRIVATE_X=1
    # The programs started below write their debug lines, which the scripts follow.
    export QT_LOGGING_RULES="default.debug=true"
    # Each run looks for a free display from a number of its own: two runs started together
    # from the same number can both find it free, and one then talks to the other's server.
    # -noreset: the server would otherwise start over whenever its last client leaves, and a
    # program connecting meanwhile finds no display.
    exec xvfb-run -a -n $((100 + $$ % 4000)) -s "-noreset $e2e_screen" bash "$0" "$@"
fi
# On a loaded machine the server may not take connections the moment the script runs.
for ((e2e_try = 0; e2e_try < 100; e2e_try++)); do
    xdotool getdisplaygeometry > /dev/null 2>&1 && break
    sleep 0.1
done

passed=0
failed=0
pids=()
work="$(mktemp -d "${TMPDIR:-/tmp}/$e2e_name.XXXXXX")"

cleanup() {
    exec 3>&- 4>&- 2> /dev/null
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2> /dev/null
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2> /dev/null
    done
    if [ -n "${E2E_KEEP:-}" ]; then
        echo "$e2e_name: kept $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

summary() {
    echo "$e2e_name: $passed passed, $failed failed"
}
pass() {
    passed=$((passed + 1))
    echo "PASS: $1"
}
fail() {
    failed=$((failed + 1))
    echo "FAIL: $1"
}
# A failure after which the rest cannot run: the logs say why.
give_up() {
    fail "$1"
    local log
    for log in $e2e_logs; do
        if [ -s "$work/$log.log" ]; then
            echo "--- last lines of $log.log"
            tail -n 25 "$work/$log.log"
        fi
    done
    summary
    exit 1
}

# Waits up to $4 seconds (default 30: a busy two-core machine) for a line matching the extended
# regex $2 in file $1 after its first $3 lines; prints the line.
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

# Waits up to $5 seconds (default 30) until $4 lines after the first $3 of file $1 match the
# extended regex $2.
wait_count() {
    local i
    for ((i = 0; i < ${5:-30} * 10; i++)); do
        [ "$(tail -n +"$(($3 + 1))" "$1" 2> /dev/null | grep -c -E "$2")" -ge "$4" ] && return 0
        sleep 0.1
    done
    return 1
}

lines() {
    wc -l < "$1"
}

# Value of key $3 in section $2 of the INI file $1 (as Qt writes it: no spaces around '=').
ini_value() {
    awk -v section="[$2]" -v key="$3" '
        /^\[/ { inside = ($0 == section); next }
        inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$1" | tr -d '\r'
}

# Copies the application folder $1 to $app and points the programs at the private folders;
# sets $app, $ini (its Config.ini) and $code (the model's name, which titles the main window).
e2e_isolate() {
    local bin
    bin="$(cd "$1" && pwd)"
    app="$work/app"
    cp -a "$bin" "$app" || give_up "cannot copy $bin"
    mkdir -p "$work/runtime" "$work/config" "$work/virtual"
    chmod 0700 "$work/runtime" "$work/virtual"
    export XDG_RUNTIME_DIR="$work/runtime"
    export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
    export MOUSECFG_VIRTUAL_DIR="$work/virtual"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
    export QT_MESSAGE_PATTERN='%{time hh:mm:ss.zzz} %{message}'
    ini="$app/Configs/Config.ini"
    [ -f "$ini" ] || give_up "no Configs/Config.ini in $bin"
    code=$(ini_value "$app/DefaultProfile.bin" PROFILE ProductName)
    if [ -z "$code" ]; then
        code=$(ini_value "$ini" Config Model)
        code=${code%% *}
    fi
    code=${code:-HORNBEAM}
}

# Starts the OSD first, so that its log is ours: the tool would otherwise start one of its own
# on its first announcement, and that one would outlive the run. Sets $osd_pid.
start_osd() {
    "$app/mouse-osd" < /dev/null > "$work/osd.log" 2>&1 &
    osd_pid=$!
    pids+=("$osd_pid")
    # It listens once it holds its lock; a tool started before would start another.
    local i
    for ((i = 0; i < 100; i++)); do
        [ -S "$XDG_RUNTIME_DIR/Wireless Mouse OSD" ] && return 0
        kill -0 "$osd_pid" 2> /dev/null || give_up "the OSD left at start: $(tail -3 "$work/osd.log")"
        sleep 0.1
    done
}

# Starts the virtual mouse of $code on the receiver; commands go to it through descriptor 3.
start_mouse() {
    mkfifo "$work/vm.in"
    "$app/virtual-mouse" --name "$code" --receiver < "$work/vm.in" > "$work/vm.log" 2>&1 &
    pids+=($!)
    exec 3> "$work/vm.in"
    wait_line "$work/vm.log" "^virtual mouse $code " 0 > /dev/null ||
        give_up "the virtual mouse did not start"
}

# Asks the mouse for what it holds; the answer is complete once the unknown command after it is
# echoed (both are handled in order on one thread). Sets $at to the line count before it.
mark=0
at=0
ask_mouse() {
    at=$(lines "$work/vm.log")
    mark=$((mark + 1))
    printf 'show\ne2e-mark-%d\n' "$mark" >&3
    wait_line "$work/vm.log" "^unknown command: e2e-mark-$mark " "$at" 10 > /dev/null ||
        give_up "the virtual mouse does not answer 'show'"
}

# Starts the tool with its output added to $work/$1.log (default tool.log) and waits for its main
# window. Sets $tool_pid, $tool_from (the log's lines before this start), $wid and the window's
# geometry ($X, $Y, $WIDTH, $HEIGHT).
tool_pid=""
tool_from=0
wid=""
start_tool() {
    local log="$work/${1:-tool}.log"
    touch "$log"
    tool_from=$(lines "$log")
    "$app/mousecfg" < /dev/null >> "$log" 2>&1 &
    tool_pid=$!
    pids+=("$tool_pid")
    wait_line "$log" " main window shown$" "$tool_from" > /dev/null ||
        give_up "no 'main window shown' from the tool"
    wid=$(tool_window "^$code\$") || give_up "no visible window of the tool named $code"
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [ "${WIDTH:-0}" -gt 0 ] || give_up "no geometry for window $wid"
}

# Waits up to 10 s for a visible window of the tool whose title matches $1; prints its id.
tool_window() {
    local w i
    for ((i = 0; i < 100; i++)); do
        w=$(xdotool search --all --onlyvisible --pid "$tool_pid" --name "$1" 2> /dev/null |
            head -n1)
        if [ -n "$w" ]; then
            echo "$w"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits up to 5 s for a visible window of the tool other than the main window that is 300 to
# 500 pixels wide (a capture or selection dialog); prints its id.
tool_dialog() {
    local w i
    for ((i = 0; i < 50; i++)); do
        for w in $(xdotool search --all --onlyvisible --pid "$tool_pid" 2> /dev/null); do
            [ "$w" = "$wid" ] && continue
            eval "$(xdotool getwindowgeometry --shell "$w")"
            if [ "$WIDTH" -ge 300 ] && [ "$WIDTH" -le 500 ]; then
                echo "$w"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Waits for the tool started last (log $1, default tool) to open the mouse; prints its battery
# line, false when none came.
wait_battery() {
    wait_line "$work/${1:-tool}.log" " battery [0-9]+%" "$tool_from"
}

# Waits up to 5 s until window $1 of the tool is no longer visible.
window_gone() {
    local i
    for ((i = 0; i < 50; i++)); do
        xdotool search --all --onlyvisible --pid "$tool_pid" 2> /dev/null | grep -qx "$1" || return 0
        sleep 0.1
    done
    return 1
}

# For scripts whose clicks are in window pixels at UI scale 1.0.
need_scale_one() {
    [ "${WIDTH:-0}" -eq 999 ] || give_up "window is ${WIDTH:-?} wide, not 999 (UI scale 1.0)"
}
