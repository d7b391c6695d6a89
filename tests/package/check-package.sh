#!/usr/bin/env bash
# Builds the Debian packages (mousecfg, mousecfg-data) from a built tree, checks them with the
# distribution's checkers, unpacks them into a scratch root (nothing is installed on this
# machine) and starts the unpacked tool under a virtual X server against the build's
# virtual-mouse: it must start, find the mouse and keep running.
#
#   check-package.sh BUILD_DIR
#
# Exit 0: passed; 1: failed; 77: everything checked except finding the mouse, because the
# installed start-up does not look for mice yet.
set -euo pipefail

if [ "${1:-}" = "--inside" ]; then
    inside=1
    work="$2"
else
    inside=0
    build="$(cd "${1:?usage: check-package.sh BUILD_DIR}" && pwd)"
fi

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# shellcheck source=../wait-for.sh
. "$(dirname "$0")/../wait-for.sh"

# Second half, under xvfb-run: the unpacked programs against each other.
if [ $inside -eq 1 ]; then
    root="$work/root"
    bin="$root/usr/bin"
    helpers="$root/usr/lib/mousecfg"
    data="$root/usr/share/mousecfg"
    # Only what the package brings: no application folder beside the executable, the user's
    # folders in the scratch folder, the xcb platform (a real X connection), debug lines on.
    unset QT_QPA_PLATFORM
    export XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
    export XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/run"
    export XDG_DATA_DIRS="$root/usr/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
    export LD_LIBRARY_PATH="$root/usr/lib:$root/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || uname -m)-linux-gnu${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
    export MOUSECFG_VIRTUAL_DIR="$work/virtual"
    export QT_LOGGING_RULES="default.debug=true"
    mkdir -p "$XDG_RUNTIME_DIR" "$MOUSECFG_VIRTUAL_DIR"
    chmod 700 "$XDG_RUNTIME_DIR" "$MOUSECFG_VIRTUAL_DIR"

    product="$(sed -n 's/^ProductName=//p' "$data/DefaultProfile.bin" | tr -d '\r')"
    [ -n "$product" ] || fail "no ProductName in the installed DefaultProfile.bin"

    # The virtual mouse is no part of the packages: the build's own stands in for the hardware.
    "$work/virtual-mouse" --name "$product" --receiver --cable </dev/null >"$work/virtual-mouse.log" 2>&1 &
    mouse=$!
    tool=""
    stop() {
        [ -n "$tool" ] && kill "$tool" 2>/dev/null || true
        kill "$mouse" 2>/dev/null || true
        wait 2>/dev/null || true
        # The on-screen display the tool started lives on detached: end the one from this root.
        for p in /proc/[0-9]*; do
            [ "$(readlink "$p/exe" 2>/dev/null)" = "$helpers/mouse-osd" ] && kill "${p#/proc/}" 2>/dev/null
        done
        return 0
    }
    trap stop EXIT
    deadline=$((SECONDS + 10))
    until [ -n "$(ls -A "$MOUSECFG_VIRTUAL_DIR")" ]; do
        kill -0 "$mouse" 2>/dev/null || { cat "$work/virtual-mouse.log" >&2; fail "virtual-mouse ended"; }
        [ $SECONDS -lt $deadline ] || fail "virtual-mouse opened no socket"
        sleep 0.1
    done

    cd "$work/home"
    "$bin/mousecfg" >"$work/mousecfg.log" 2>&1 &
    tool=$!

    found=0
    if grep -aq "IfDeviceInMouseList" "$bin/mousecfg"; then
        # Enumeration writes the product string of every interface of the vendor it sees.
        if wait_for 20 "^Product:.*$product" "$work/mousecfg.log"; then
            found=1
        else
            cat "$work/mousecfg.log" >&2
            fail "the installed tool did not find the virtual mouse $product"
        fi
    fi
    # Started means its window shown and, with the mouse found, the mouse opened (its battery
    # reported); it must still run then.
    wait_for 20 "main window shown" "$work/mousecfg.log" && {
        [ $found -eq 0 ] || wait_for 20 "battery [0-9]+%" "$work/mousecfg.log"
    } && kill -0 "$tool" 2>/dev/null || {
        cat "$work/mousecfg.log" >&2
        fail "the installed tool ended or did not show its window and open the mouse"
    }
    echo "installed tool running (pid $tool) with its window shown"
    # The installed Configs are read-only defaults: the user's folder starts as their copy.
    user="$XDG_CONFIG_HOME/mousecfg/Configs"
    missing=0
    while IFS= read -r -d '' f; do
        [ -f "$user/${f#"$data/Configs/"}" ] || { echo "not in the user's Configs: ${f#"$data/"}" >&2; missing=1; }
    done < <(find "$data/Configs" \( -type f -o -type l \) -print0)
    [ $missing -eq 0 ] || fail "the user's Configs folder was not seeded from $data/Configs"
    echo "user Configs seeded from the installed defaults ($(find "$user" -type f | wc -l) files)"
    if grep -q '^> ' "$work/virtual-mouse.log"; then
        echo "the virtual mouse received $(grep -c '^> ' "$work/virtual-mouse.log") reports"
    fi
    if [ $found -eq 0 ]; then
        echo "SKIP: the installed start-up does not look for mice yet"
        exit 77
    fi
    echo "the installed tool found $product"
    exit 0
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/mousecfg-package.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"

# 1. The package.
[ -f "$build/CPackConfig.cmake" ] || fail "$build has no CPackConfig.cmake"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack -G DEB"
fi
deb="$(ls "$work"/pkg/mousecfg_*.deb 2>/dev/null || true)"
data_deb="$(ls "$work"/pkg/mousecfg-data_*.deb 2>/dev/null || true)"
[ "$(ls "$work"/pkg/*.deb | wc -l)" -eq 2 ] && [ -f "$deb" ] && [ -f "$data_deb" ] ||
    fail "expected mousecfg and mousecfg-data, found: $(ls "$work"/pkg/)"
[ "$(dpkg-deb -f "$data_deb" Architecture)" = all ] || fail "mousecfg-data is not Architecture: all"
echo "built $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB), $(basename "$data_deb") ($(du -k "$data_deb" | cut -f1) KiB)"

# 2. Its control data: dependencies and the udev reload.
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
[ "$(grep -o 'libqt5dbus5' <<<"$depends" | wc -l)" -eq 1 ] || fail "a dependency is named twice"
grep -Eq "(^|, )mousecfg-data \(= [^)]+\)" <<<"$depends" || fail "Depends lacks mousecfg-data of the same version"
for lib in libqt5widgets5 libqt5network5 libqt5gui5 libqt5core5a libqt5dbus5 libhidapi-hidraw0 \
    libudev1 libx11-6 libxi6; do
    grep -Eq "(^|[ ,])$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib"
done
# What `apt install ./file.deb` would do, simulated: the dependencies resolve on this system.
if command -v apt-get >/dev/null 2>&1; then
    apt-get install -s "$deb" "$data_deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get install -s"; }
    grep -q '^Inst mousecfg ' "$work/apt.log" || { cat "$work/apt.log" >&2; fail "apt would not install it"; }
fi
dpkg-deb -e "$deb" "$work/control"
[ -x "$work/control/postinst" ] || fail "no executable postinst"
grep -q "udevadm control --reload" "$work/control/postinst" || fail "postinst does not reload udev"

# 3. Its files.
{ dpkg-deb -c "$deb"; dpkg-deb -c "$data_deb"; } | awk '{print $NF}' | sed 's|^\./|/|' >"$work/files"
expect=(
    /usr/bin/mousecfg /usr/lib/mousecfg/mouse-osd
    /usr/share/mousecfg/DefaultProfile.bin /usr/share/mousecfg/Configs/Config.ini
    /usr/share/mousecfg/skin/icon.ico
    /usr/lib/udev/rules.d/60-mousecfg.rules /usr/share/applications/mousecfg.desktop
    /usr/share/metainfo/io.github.mousecfg.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/mousecfg.svg
    /usr/share/man/man1/mousecfg.1.gz
    /usr/share/doc/mousecfg/copyright /usr/share/doc/mousecfg/changelog.gz
    /usr/share/doc/mousecfg-data/copyright /usr/share/doc/mousecfg-data/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expect+=("/usr/share/icons/hicolor/${size}x${size}/apps/mousecfg.png")
done
for f in "${expect[@]}"; do
    grep -qxF "$f" "$work/files" || fail "the package lacks $f"
done
if grep -Eq '^/usr/bin/(skinrender|skinpreview|sample-profiles|tst_)' "$work/files"; then
    fail "the package carries build tools"
fi
if grep -Eq '^/usr/bin/(mouse-osd|virtual-mouse)$' "$work/files"; then
    fail "the helper programs are on the PATH"
fi
grep -q 'virtual-mouse' "$work/files" && fail "a package carries the virtual mouse"
# 3b. What the distribution's checkers say: lintian, AppStream, the desktop entry.
if command -v lintian >/dev/null 2>&1; then
    # Every tag, informational and pedantic ones included, but the experimental ones.
    lintian -EvIL +pedantic --tag-display-limit 0 "$deb" "$data_deb" >"$work/lintian.log" 2>&1 || true
    if grep -Eq '^[EWIP]: ' "$work/lintian.log"; then
        cat "$work/lintian.log" >&2
        fail "lintian reports tags"
    fi
    echo "lintian -EvIL +pedantic: $(grep -c '^X: ' "$work/lintian.log") experimental notes, nothing else"
else
    fail "lintian is not installed (scripts/setup.sh installs it)"
fi
dpkg-deb -x "$deb" "$work/check"
dpkg-deb -x "$data_deb" "$work/check"
appstreamcli validate --pedantic --no-net "$work/check/usr/share/metainfo/io.github.mousecfg.metainfo.xml" \
    >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }
if grep -Eq '^[EWIP]: ' "$work/appstream.log"; then
    cat "$work/appstream.log" >&2
    fail "appstreamcli reports errors or warnings"
fi
# Each default profile's content once; the other names are links to it.
same="$(find "$work/check" -type f -name '*.prof' -exec sha256sum {} + | sort | uniq -d -w64)"
[ -z "$same" ] || fail "default profiles installed more than once: $same"
echo "default profiles: $(find "$work/check" -type f -name '*.prof' | wc -l) files, $(find "$work/check" -type l -name '*.prof' | wc -l) links"
desktop-file-validate "$work/check/usr/share/applications/mousecfg.desktop" ||
    fail "desktop-file-validate"
echo "appstreamcli validate and desktop-file-validate: clean"

# 4. Unpacked, not installed: the unpacked tool against the unpacked virtual mouse.
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -x "$data_deb" "$work/root"
cp "$build/bin/virtual-mouse" "$work/virtual-mouse"
cmp -s "$work/root/usr/lib/udev/rules.d/60-mousecfg.rules" "$(dirname "$0")/../../data/udev/60-mousecfg.rules" ||
    fail "the packaged udev rule differs from data/udev/60-mousecfg.rules"
set +e
xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" "$0" --inside "$work"
result=$?
set -e
for log in mousecfg virtual-mouse; do
    if [ -s "$work/$log.log" ] && [ $result -ne 0 ]; then
        echo "--- $log (last lines)"
        tail -n 20 "$work/$log.log"
    fi
done
exit $result
