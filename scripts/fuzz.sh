#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ (or $FUZZ_BUILD_DIR) and runs them
# one after another, each from its seed corpus: tests/fuzz/corpus/<target>/ plus the sample
# installations under data/.
#   scripts/fuzz.sh                 every target for 60 s
#   scripts/fuzz.sh -t 600 config   the Config.ini target for ten minutes
#   scripts/fuzz.sh --ci            every target for a fixed number of runs (CI; FUZZ_RUNS, 500:
#                                   the file targets take up to a second a run on big inputs)
# Inputs that crash are left in build-fuzz/findings/; copy each into the target's corpus
# folder once fixed, so that CI replays it.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/setup.sh"
build="${FUZZ_BUILD_DIR:-$top/build-fuzz}"
seconds=60
runs=""
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        -t) seconds="$2"; shift 2 ;;
        --ci) runs="${FUZZ_RUNS:-500}"; shift ;;
        *) targets+=("$1"); shift ;;
    esac
done
[ ${#targets[@]} -gt 0 ] || targets=(profile config description macro import frames answers instance)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
    -DCMAKE_CXX_COMPILER=clang++ -DMOUSECFG_BUILD_FUZZERS=ON -DMOUSECFG_BUILD_TESTS=OFF \
    -DMOUSECFG_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target fuzzers

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$top/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/findings"
seeds_of() {
    case "$1" in
        profile|import) find "$top/data" -name '*.prof' ;;
        config) find "$top/data" -name 'Config.ini' ;;
        description) find "$top/data" -name 'DefaultProfile.bin' ;;
    esac
}
for t in "${targets[@]}"; do
    work="$build/corpus/$t"
    mkdir -p "$work"
    # The committed corpus is replayed as it is; new inputs go to the work folder only.
    committed="$top/tests/fuzz/corpus/$t"
    mkdir -p "$committed"
    while read -r seed; do [ -n "$seed" ] && cp -n "$seed" "$work/" 2>/dev/null || true; done < <(seeds_of "$t")
    limit=(-max_total_time="$seconds")
    [ -n "$runs" ] && limit=(-runs="$runs")
    echo "== fuzz_$t ${limit[*]}"
    rc=0
    began=$SECONDS
    "$build/fuzz/fuzz_$t" "${limit[@]}" -max_len=4200000 -rss_limit_mb=2048 -timeout=60 \
        -artifact_prefix="$build/findings/$t-" -print_final_stats=1 "$work" "$committed" \
        >"$build/fuzz-$t.log" 2>&1 || rc=$?
    grep -E '^(#[0-9]+ *DONE|stat::number_of_executed_units|stat::peak_rss_mb|SUMMARY)' \
        "$build/fuzz-$t.log" || true
    echo "fuzz_$t took $((SECONDS - began)) s"
    if [ $rc -ne 0 ]; then
        tail -40 "$build/fuzz-$t.log"
        echo "fuzz_$t failed: the input is in $build/findings/"
        exit 1
    fi
done
