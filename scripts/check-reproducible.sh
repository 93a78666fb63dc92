#!/bin/sh
# Builds the win32 preset's program from two copies of the sources in two
# unrelated folders and checks that the two programs are the same bytes:
# nothing of the build's time or place may reach the image.
set -eu
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Uncommitted files too, so that work in progress can be checked.
for tree in "$work/a" "$work/another/folder/deeper"; do
  sh scripts/build-copy.sh "$tree" --cached --others --exclude-standard
done

first="$work/a/build/win32/setupcopyoeminf.exe"
second="$work/another/folder/deeper/build/win32/setupcopyoeminf.exe"
sha256sum "$first" "$second" | sed "s|$work/||"
if cmp -s "$first" "$second"; then
  echo "reproducible: both builds are byte-identical"
else
  echo "NOT reproducible: the builds differ" >&2
  cmp -l "$first" "$second" | head -20 >&2
  exit 1
fi
