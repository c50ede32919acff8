#!/usr/bin/env bash
# Checks that the README links the user guide and that every picture and section the guide links to exists.
# Usage: guide-links.sh SOURCE_DIR
set -euo pipefail
src=$1
guide=$src/docs/guide.md
fail() { echo "FAIL: $*" >&2; exit 1; }

grep -q '](docs/guide.md)' "$src/README.md" || fail "README.md does not link docs/guide.md"
# Pictures: ![...](screenshots/x.png)
while IFS= read -r picture; do
  [ -s "$src/docs/$picture" ] || fail "docs/guide.md shows $picture, which does not exist"
done < <(grep -o '!\[[^]]*\]([^)]*)' "$guide" | sed 's/.*(\(.*\))/\1/')
# Sections: [...](#anchor), against the anchors of the "## " and "### " headings.
anchors=$(grep -E '^#{2,3} ' "$guide" | sed -E 's/^#+ //' | tr 'A-Z' 'a-z' | sed -E 's/[^a-z0-9 -]//g; s/ /-/g')
while IFS= read -r anchor; do
  grep -qx -- "$anchor" <<<"$anchors" || fail "docs/guide.md links #$anchor, which is no heading"
done < <(grep -o '](#[^)]*)' "$guide" | sed 's/](#\(.*\))/\1/' | sort -u)
echo "OK: the guide's pictures and section links resolve"
