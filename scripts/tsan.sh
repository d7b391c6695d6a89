#!/usr/bin/env bash
# ThreadSanitizer run of the tests whose threads meet: the battery thread, the command transport,
# the virtual mouse and the start's profile read ahead. The core library and the virtual mouse are built with clang and
# -fsanitize=thread into build-tsan/ (or $TSAN_BUILD_DIR); the tests need nothing else, so they
# are compiled against those two directly, with the scripted device they share. Qt itself is not
# instrumented: the reports that come from its internals are suppressed in
# tests/sanitizers/tsan.supp, which says why for each.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/setup.sh"
build="${TSAN_BUILD_DIR:-$top/build-tsan}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
    -DCMAKE_CXX_COMPILER=clang++ -DMOUSECFG_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target mousecfg_core virtualmouse
qt="$(pkg-config --variable=includedir Qt5Core)"
moc="$(pkg-config --variable=host_bins Qt5Core)/moc"
mkdir -p "$build/threadtests"
export TSAN_OPTIONS="halt_on_error=1 suppressions=$top/tests/sanitizers/tsan.supp"
status=0
for test in device/tst_batterythread device/tst_commandtransport tools/tst_virtualmouse \
    model/tst_profileprefetch; do
    name="$(basename "$test")"
    "$moc" "$top/tests/$test.cpp" -o "$build/threadtests/$name.moc"
    clang++ -std=c++17 -O1 -g -fsanitize=thread -fPIC -I"$top" -I"$build/threadtests" \
        -I"$top/tools/virtualmouse/lib" -I"$top/tests/support" -isystem "$qt" \
        -isystem "$qt/QtCore" -isystem "$qt/QtGui" -isystem "$qt/QtTest" -isystem "$qt/QtNetwork" \
        -isystem /usr/include/hidapi "$top/tests/$test.cpp" \
        -DMOUSECFG_DATA_DIR="\"$top/data\"" "$top/tests/support/TestAppFolder.cpp" \
        "$top/tests/support/ScriptedHidDevice.cpp" -o "$build/threadtests/$name" \
        "$build/libvirtualmouse.a" "$build/libmousecfg_core.a" \
        -lQt5Test -lQt5Network -lQt5Gui -lQt5Core -lhidapi-hidraw
    QT_QPA_PLATFORM=offscreen "$build/threadtests/$name" -silent || status=1
done
exit $status
