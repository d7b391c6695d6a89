#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ (or
# $ASAN_BUILD_DIR) and runs the whole test suite there. Any report fails the run. Prints the
# job's wall time.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/setup.sh"
build="${ASAN_BUILD_DIR:-$top/build-asan}"
start=$(date +%s)
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
# Leak checking stays on; only Qt's own exit-time leaks are suppressed (see the file). The
# allocation stacks come from the fast frame-pointer unwinder: the slow one on every allocation
# made the suite several times slower, and the suppression matches without it.
# Set before the build, which runs the instrumented skin and icon renderers.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$top/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
    -DMOUSECFG_BUILD_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS="$sanitize" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$build" --parallel "$(nproc)"

status=0
# The package check builds and unpacks a .deb of the plain build; it has nothing to sanitize.
# The thread tests pace a writer against a presser and a poller on the virtual mouse: they run
# alone afterwards, so that a second instrumented test beside them does not starve one thread.
threads='tst_virtualmouse|tst_batterythread|tst_commandtransport'
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)" -E "^(package_check|$threads)\$") ||
    status=$?
(cd "$build" && ctest --output-on-failure -R "^($threads)\$") || status=$?
echo "sanitizer job (ASan+UBSan build and tests) wall time: $(( $(date +%s) - start )) s"
exit $status
