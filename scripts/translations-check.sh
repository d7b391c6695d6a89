#!/usr/bin/env bash
# Translations that cannot drift: lupdate reads the sources into copies of the catalogues, and
# the check fails when a message of the sources has no finished translation in a language, or a
# catalogue holds a message the sources no longer have. The catalogues themselves are untouched;
# to mend them run `scripts/translations-check.sh --update`, then translate what it lists.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
update=0
[ "${1:-}" = --update ] && update=1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
sources=(app buttons macro model pages widgets platform device)
status=0
for ts in "$root"/resources/lang/*.ts; do
    target="$tmp/$(basename "$ts")"
    [ $update = 1 ] && target="$ts" || cp "$ts" "$target"
    (cd "$root" && lupdate -silent -locations none -no-obsolete -recursive "${sources[@]}" \
        -ts "$target" >/dev/null 2>&1)
    python3 - "$ts" "$target" <<'PY' || status=1
import sys
import xml.etree.ElementTree as ET

def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else None
            found[(context.findtext("name"), message.findtext("source"))] = kind
    return found

before, after = messages(sys.argv[1]), messages(sys.argv[2])
problems = ["new: %s: %s" % key for key in after if key not in before]
problems += ["vanished: %s: %s" % key for key in before if key not in after]
problems += ["unfinished: %s: %s" % key for key, kind in after.items()
             if key in before and kind in ("unfinished", "vanished", "obsolete")]
name = sys.argv[1].rsplit("/", 1)[-1]
for line in problems:
    print("%s: %s" % (name, line))
sys.exit(1 if problems else 0)
PY
done
exit $status
