#!/usr/bin/env bash
# A user whose Config.ini and active profile cannot be read starts the tool and presses Apply:
# the mouse must get a configuration it can be used with (a left click on button 1, DPI levels
# that are not 0), and the user must have been told which files were set aside.
#   usage: e2e-lostfiles.sh <build>/bin
# Run as root, the programs run as nobody: root reads a file of mode 000.
set -uo pipefail

if [ $# -ne 1 ] || [ ! -x "$1/mousecfg" ] || [ ! -x "$1/virtual-mouse" ]; then
    echo "e2e-lostfiles: usage: $0 <bin folder with mousecfg and virtual-mouse>" >&2
    exit 2
fi
bin="$(cd "$1" && pwd)"
if [ -n "${E2E_PRIVATE_X:-}" ] && [ "$(id -u)" -eq 0 ]; then
    command -v setpriv > /dev/null || { echo "e2e-lostfiles: FAIL: setpriv is missing" >&2; exit 1; }
    auth="$(mktemp /tmp/e2e-lostfiles-auth.XXXXXX)"
    cp "${XAUTHORITY:-/dev/null}" "$auth" 2> /dev/null
    chmod 0644 "$auth"
    export XAUTHORITY="$auth" HOME=/tmp
    exec setpriv --reuid=65534 --regid=65534 --clear-groups bash "$0" "$bin"
fi
e2e_name=e2e-lostfiles
source "$(dirname "${BASH_SOURCE[0]}")/../e2e-lib.sh"

e2e_isolate "$bin"
# As installed: the application folder is read-only and the user's settings are a copy of its
# Configs under the configuration home. The user's two files are the ones that are lost.
user="$XDG_CONFIG_HOME/mousecfg/Configs"
mkdir -p "$user" && cp -r "$app/Configs/." "$user/" && chmod -R a-w "$app/Configs" ||
    give_up "cannot lay out the user's configuration"
ini="$user/Config.ini"
profile="$user/Profile/$(ini_value "$ini" Config Profile1).prof"
[ -f "$profile" ] || give_up "no profile file for slot 1"
chmod 000 "$ini" "$profile"

start_mouse
start_tool
told=$(wait_line "$work/tool.log" " told: " "$tool_from" 20) ||
    give_up "the user was not told of the files that could not be read"
if grep -q "Config.ini" <<< "$told"; then
    pass "told: Config.ini could not be read"
else
    fail "the notice does not name Config.ini: $told"
fi
# Both were kept whole beside their places, for the user to look at.
kept=$(find "$user" -maxdepth 2 -name '*.damaged-*' | wc -l)
if [ "$kept" -eq 2 ]; then pass "both files kept aside"; else fail "$kept files kept aside"; fi

wait_battery > /dev/null || give_up "the tool did not open the virtual mouse"
# The notices are modal, each told in the log as it opens: close them with Return, then press
# Apply.
closed=0
while [ "$closed" -lt "$(tail -n +"$((tool_from + 1))" "$work/tool.log" | grep -c " told: ")" ]; do
    dialog=$(tool_dialog) || give_up "no notice window for the files told"
    xdotool windowfocus --sync "$dialog" key Return 2> /dev/null
    window_gone "$dialog" || give_up "a notice did not close on Return"
    closed=$((closed + 1))
done
eval "$(xdotool getwindowgeometry --shell "$wid")"
for try in 1 2; do
    before=$(lines "$work/vm.log")
    xdotool windowactivate --sync "$wid" 2> /dev/null
    xdotool mousemove --window "$wid" $((765 * WIDTH / 999)) $((603 * WIDTH / 999)) click 1
    wait_line "$work/vm.log" "^configuration applied$" "$before" 20 > /dev/null && break
    [ "$try" -eq 2 ] && give_up "clicking Apply wrote nothing to the mouse"
done

ask_mouse
answer=$(tail -n +"$((at + 1))" "$work/vm.log")
# Slot 0 is button 1 through the model's matrix; the left click goes out as 81 00 00 00.
if grep -q -E '^  slot  0: 81 00 00 00' <<< "$answer"; then
    pass "button 1 holds the left click"
else
    fail "button 1 does not hold the left click: $(grep -E '^  slot  0:' <<< "$answer")"
fi
zero=$(grep -E '^  level [0-9]. flag [0-9]+ x ' <<< "$answer" | grep -v unused |
    grep -c -E ' x 0 | y 0$')
levels=$(grep -E '^  level [0-9]. flag [0-9]+ x ' <<< "$answer" | grep -vc unused)
if [ "$levels" -gt 0 ] && [ "$zero" -eq 0 ]; then
    pass "$levels DPI levels in use, none of them 0"
else
    fail "DPI levels in use: $levels, of which 0: $zero"
fi
summary
[ "$failed" -eq 0 ]
