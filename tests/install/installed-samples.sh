#!/usr/bin/env bash
# Installs the built program into a temporary prefix (with a blank in its path) and checks that the
# installed kerfwright finds its files under ../share/kerfwright and judges every sample project as
# the user guide says.
# Usage: installed-samples.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
src=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/kerfwright prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || { cat "$tmp/install.log"; fail "cmake --install"; }

share="$prefix/share/kerfwright"
for f in bin/kerfwright share/kerfwright/ROUTERHELP.HLP share/applications/kerfwright.desktop \
         share/metainfo/io.github.kerfwright.kerfwright.metainfo.xml share/mime/packages/kerfwright.xml \
         share/icons/hicolor/scalable/apps/kerfwright.svg share/icons/hicolor/48x48/apps/kerfwright.png \
         share/man/man1/kerfwright.1.gz; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/kerfwright" ] || fail "bin/kerfwright is not executable"
ls "$share"/tools/*.bmp >/dev/null 2>&1 || fail "no cutter bitmaps under share/kerfwright/tools"
ls "$share"/textures/* >/dev/null 2>&1 || fail "no textures under share/kerfwright/textures"
[ ! -e "$share/work/.gitkeep" ] || fail "place-holder files are installed"

# Sample project, worst verdict (as the table in docs/guide.md states it), exit status of check.
expected=(
  "Picture frame.ROU|Cut OK|0"
  "Table edge ogee.ROU|Cut OK|0"
  "Rule joint table.ROU|Caution|0"
  "Rule joint leaf.ROU|Caution|0"
  "Raised panel.ROU|Caution|0"
  "Lipped edge unsafe order.ROU|Danger|1"
  "Lipped edge safe order.ROU|Cut OK|0"
)
guide="$src/docs/guide.md"
kerfwright="$prefix/bin/kerfwright"
count=0
for row in "${expected[@]}"; do
  IFS='|' read -r name verdict status <<<"$row"
  project="$share/work/$name"
  [ -f "$project" ] || fail "sample $name is not installed"
  # Run from elsewhere, so that nothing is found through the working directory.
  set +e
  out=$(cd "$tmp" && "$kerfwright" check "$project" 2>&1)
  rc=$?
  set -e
  first=$(head -n 1 <<<"$out")
  [[ $first =~ ^"$project: "[0-9]+" cuts, worst: $verdict"$ ]] || fail "$name: expected worst $verdict, got: $out"
  [ "$rc" -eq "$status" ] || fail "$name: check exited $rc, expected $status"
  grep -F "\`$name\`" "$guide" | grep -qF "| $verdict |" || fail "docs/guide.md does not state $verdict for $name"
  count=$((count + 1))
done
[ "$count" -eq "$(ls "$share"/work/*.ROU | wc -l)" ] || fail "a sample project has no expected verdict here"

# All samples at once: the dangerous one decides the exit status, the others are still checked.
set +e
(cd "$tmp" && "$kerfwright" check "$share"/work/*.ROU >"$tmp/all.txt" 2>&1)
rc=$?
set -e
[ "$rc" -eq 1 ] || fail "check of all samples exited $rc, expected 1"
[ "$(grep -c ' cuts, worst: ' "$tmp/all.txt")" -eq "$count" ] || fail "check did not judge every sample: $(cat "$tmp/all.txt")"

# The report of the installed program names the cutters of the installed library.
(cd "$tmp" && "$kerfwright" report "$share/work/Table edge ogee.ROU") >"$tmp/report.txt" || fail "report failed"
head -n 1 "$tmp/report.txt" | grep -q '^Cut List report: ' || fail "report does not start with its header"
! grep -q '(missing)' "$tmp/report.txt" || fail "the installed library lacks a cutter the sample uses"

echo "OK: $count sample projects judged as the guide states, by the program installed in $prefix"
