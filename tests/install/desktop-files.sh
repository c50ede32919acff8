#!/usr/bin/env bash
# Checks the desktop integration files: validators where installed (exit 77 = skipped otherwise),
# and that the desktop entry, the MIME type, the software-centre file and the manual page agree.
# Usage: desktop-files.sh desktop|metainfo|mime|man SOURCE_DIR [BUILT_MANUAL_PAGE]
set -euo pipefail
what=$1
dir=$2/data/desktop
mimetype=application/x-kerfwright-project
metainfo=$dir/io.github.kerfwright.kerfwright.metainfo.xml

fail() { echo "FAIL: $*" >&2; exit 1; }
need() { command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed"; exit 77; }; }

case $what in
desktop)
  need desktop-file-validate
  out=$(desktop-file-validate "$dir/kerfwright.desktop" 2>&1) || fail "desktop-file-validate: $out"
  [ -z "$out" ] || fail "desktop-file-validate has remarks: $out"
  grep -qx "MimeType=$mimetype;" "$dir/kerfwright.desktop" || fail "the desktop entry does not open $mimetype"
  grep -qx 'Exec=kerfwright %f' "$dir/kerfwright.desktop" || fail "the desktop entry does not pass the file to kerfwright"
  ;;
metainfo)
  need appstreamcli
  appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects $metainfo"
  grep -q "<mediatype>$mimetype</mediatype>" "$metainfo" || fail "the metainfo does not name $mimetype"
  grep -q '<launchable type="desktop-id">kerfwright.desktop</launchable>' "$metainfo" \
    || fail "the metainfo does not launch kerfwright.desktop"
  ;;
mime)
  need update-mime-database
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  mkdir -p "$tmp/mime/packages"
  cp "$dir/kerfwright-mime.xml" "$tmp/mime/packages/kerfwright.xml"
  XDG_DATA_HOME=$tmp XDG_DATA_DIRS=$tmp update-mime-database "$tmp/mime" 2>"$tmp/err" || fail "update-mime-database: $(cat "$tmp/err")"
  [ ! -s "$tmp/err" ] || fail "update-mime-database: $(cat "$tmp/err")"
  # One glob without the case-sensitive flag covers ".rou" and ".ROU" alike.
  grep -qx "50:$mimetype:\*\.rou" "$tmp/mime/globs2" || fail "no case-blind glob *.rou for $mimetype"
  grep -q "^$mimetype text/plain\$" "$tmp/mime/subclasses" || fail "$mimetype is not text"
  ;;
man)
  need groff
  page=${3:-$dir/kerfwright.1}
  [ -f "$page" ] || fail "no manual page at $page"
  out=$(groff -man -ww -z "$page" 2>&1) || fail "groff: $out"
  [ -z "$out" ] || fail "groff warns: $out"
  for verb in section outline report check photo mesh template sheet match cutter; do
    grep -q "^\.B kerfwright $verb\$" "$page" || fail "the synopsis lacks the verb $verb"
  done
  ;;
*)
  fail "unknown check $what"
  ;;
esac
echo "OK: $what"
