#!/usr/bin/env bash
# Mutation check: applies each mutant of scripts/mutants.txt in turn to a scratch copy of the
# tree, rebuilds incrementally, runs the tests named for it and reports whether they caught it.
# Slow by nature; run by hand before and after reshaping the tests, not in CI.
#
#   scripts/mutation-check.sh [--all] [--match REGEX] [--scratch DIR | --in-place] [--mutants FILE]
#     --all      rebuild everything and run the whole ctest suite for every mutant
#     --match    only mutants whose file, tests or description match REGEX
#     --scratch  scratch folder (default: a sibling of the tree, kept between runs so that
#                rebuilds stay incremental)
#     --in-place both the tree and its own build folder (MUTATION_BUILD, default build/), for when
#                a second build does not fit; each file is put back after its mutant, and on exit
set -euo pipefail

# The tree the script lives in; a copy of the script run from elsewhere checks the current one.
root=$(git -C "$(dirname "$0")" rev-parse --show-toplevel 2>/dev/null || git rev-parse --show-toplevel)
mutants="$root/scripts/mutants.txt"
scratch="$(dirname "$root")/$(basename "$root")-mutation"
all=0
inplace=0
match=''
while [ $# -gt 0 ]; do
    case "$1" in
    --all) all=1 ;;
    --in-place) inplace=1 ;;
    --match) match="$2"; shift ;;
    --scratch) scratch="$2"; shift ;;
    --mutants) mutants="$2"; shift ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
    shift
done

export CCACHE_BASEDIR=${CCACHE_BASEDIR:-/work} CCACHE_DIR=${CCACHE_DIR:-/work/.ccache}
export QT_QPA_PLATFORM=offscreen
# The copy is laid out like the tree, build folder inside, so that with CCACHE_BASEDIR the
# compiler sees the same relative paths and the first build comes from the shared cache.
if [ $inplace = 1 ]; then
    src="$root"
    build="${MUTATION_BUILD:-$root/build}"
    work="$build/.mutation"
    [ -f "$build/build.ninja" ] || { echo "configure $build first" >&2; exit 2; }
    mkdir -p "$work"
else
    src="$scratch"
    build="$scratch/build"
    work="$scratch/.mutation"
    mkdir -p "$src" "$build" "$work"

    # Only files whose content differs are copied, with their times, so that the scratch build
    # redoes only what changed since the last run.
    python3 - "$root" "$src" <<'PY'
import filecmp, os, shutil, subprocess, sys
root, dest = sys.argv[1:3]
files = subprocess.run(["git", "-C", root, "ls-files", "-co", "--exclude-standard"],
                       check=True, capture_output=True, text=True).stdout.split("\n")
for name in filter(None, files):
    source = os.path.join(root, name)
    target = os.path.join(dest, name)
    if not os.path.isfile(source) or name.startswith("build/"):
        continue
    if os.path.isfile(target) and filecmp.cmp(source, target, shallow=False):
        continue
    os.makedirs(os.path.dirname(target), exist_ok=True)
    shutil.copy2(source, target)
# A file moved or deleted since the last run would still be built by the folder globs.
kept = set(filter(None, files))
for folder, dirs, names in os.walk(dest):
    relative = os.path.relpath(folder, dest)
    if relative == ".":
        dirs[:] = [d for d in dirs if d not in ("build", ".mutation", ".git")]
    for name in names:
        path = os.path.normpath(os.path.join(relative, name))
        if path not in kept:
            os.remove(os.path.join(folder, name))
PY
    if [ ! -f "$build/build.ninja" ]; then
        # No debug information: compiles and links faster, and without it the shared cache serves
        # any scratch folder, as the compiler's working folder is then left out of its key.
        cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_CXX_FLAGS_RELEASE=-O1 -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
            -DMOUSECFG_BUILD_BENCHMARKS=OFF >/dev/null
    else
        # New test files since the last run are targets only once the build is configured again.
        cmake "$build" >/dev/null
    fi
fi

# One line per mutant: file, from, to, tests, why, joined by ASCII unit separators.
mapfile -t entries < <(python3 - "$mutants" "$match" <<'PY'
import re, sys
text = open(sys.argv[1], encoding="utf-8").read()
pattern = re.compile(sys.argv[2]) if sys.argv[2] else None
for block in re.split(r"\n\s*\n", text):
    fields = {}
    for line in block.splitlines():
        if line.startswith("#") or ":" not in line:
            continue
        key, value = line.split(":", 1)
        fields[key.strip()] = value[1:] if value.startswith(" ") else value
    if not fields:
        continue
    missing = [k for k in ("file", "from", "to", "tests", "why") if k not in fields]
    if missing:
        sys.exit("mutant without %s: %s" % (", ".join(missing), block))
    if pattern and not pattern.search(" ".join((fields["file"], fields["tests"], fields["why"]))):
        continue
    print("\x1f".join(fields[k] for k in ("file", "from", "to", "tests", "why")))
PY
)
[ ${#entries[@]} -gt 0 ] || { echo "no mutants selected" >&2; exit 2; }

targets_of() { # ctest regex "tst_a|tst_b" -> its test targets
    tr '|' '\n' <<<"$1" | sed 's/[\^$]//g' | grep -v '^$'
}

build_targets() { # rebuild the given targets (or everything with --all)
    if [ $all = 1 ]; then
        cmake --build "$build" -j2 >"$work/build.log" 2>&1
    else
        cmake --build "$build" -j2 --target "$@" >"$work/build.log" 2>&1
    fi
}

run_tests() { # 0 when every selected test passes
    local regex="$1"
    if [ $all = 1 ]; then
        (cd "$build" && ctest --timeout 300 >"$work/test.log" 2>&1)
    else
        (cd "$build" && ctest --timeout 300 --stop-on-failure -R "^($regex)\$" >"$work/test.log" 2>&1)
    fi
}

# The unmutated tree must build and pass, or a failure would be counted as a catch.
union=$(for e in "${entries[@]}"; do IFS=$'\x1f' read -r _ _ _ t _ <<<"$e"; targets_of "$t"; done | sort -u | paste -sd'|')
echo "baseline: building and running $union"
build_targets $(tr '|' ' ' <<<"$union") || { echo "baseline build failed, see $work/build.log"; exit 1; }
run_tests "$union" || { echo "baseline tests fail, see $work/test.log"; exit 1; }

# Whatever stops the run, the file under mutation gets its own text back.
target=''
backup="$work/original"
restore() {
    if [ -n "$target" ]; then
        cp "$backup" "$target"
        touch "$target" # a new time stamp, so the next build puts the original object back
        target=''
    fi
}
trap restore EXIT
trap 'exit 130' INT TERM

caught=0
missed=0
broken=0
n=0
start=$(date +%s)
for e in "${entries[@]}"; do
    IFS=$'\x1f' read -r file from to tests why <<<"$e"
    n=$((n + 1))
    cp -p "$src/$file" "$backup"
    target="$src/$file"
    if ! python3 - "$target" "$from" "$to" <<'PY'
import sys
path, old, new = (a.replace("\\n", "\n") for a in sys.argv[1:4])
text = open(path, encoding="utf-8").read()
count = text.count(old)
if count != 1:
    sys.exit("snippet found %d times in %s: %s" % (count, path, old))
open(path, "w", encoding="utf-8").write(text.replace(old, new))
PY
    then
        verdict=BROKEN
    elif ! build_targets $(targets_of "$tests"); then
        verdict=BROKEN # a mutant that does not compile says nothing about the tests
    elif run_tests "$tests"; then
        verdict=MISSED
    else
        verdict=CAUGHT
    fi
    restore
    case $verdict in
    CAUGHT) caught=$((caught + 1)) ;;
    MISSED) missed=$((missed + 1)) ;;
    *) broken=$((broken + 1)) ;;
    esac
    printf '%-6s %2d %s: %s  [%s]\n' "$verdict" "$n" "$file" "$why" "$tests"
done

scored=$((caught + missed))
echo "score: $caught caught of $scored ($((scored ? 100 * caught / scored : 0))%), $missed missed, $broken not built; $(( $(date +%s) - start )) s"
