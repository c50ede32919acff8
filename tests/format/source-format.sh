#!/usr/bin/env bash
# Checks that every C++ file under version control is formatted as .clang-format says.
# Usage: source-format.sh SOURCE_DIR. Exit 77 (skipped) without clang-format or outside git.
set -euo pipefail
src=$1
cd "$src"
command -v clang-format >/dev/null 2>&1 || { echo "clang-format is not installed"; exit 77; }
git rev-parse --show-toplevel >/dev/null 2>&1 || { echo "not a git checkout"; exit 77; }
files=$(git ls-files '*.cpp' '*.h')
if ! out=$(echo "$files" | xargs clang-format --dry-run --Werror 2>&1); then
  echo "$out" | grep 'warning:' | head -20 >&2
  echo "FAIL: clang-format would change $(echo "$out" | grep -c 'warning:') places; run make format" >&2
  exit 1
fi
echo "OK: $(echo "$files" | wc -l) files formatted"
