#!/bin/sh
# Builds the win32 preset's program from two copies of the sources in two
# unrelated folders and checks that the two programs are the same bytes:
# nothing of the build's time or place may reach the image.
set -eu
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build_copy() {
  tree=$1
  mkdir -p "$tree"
  git ls-files -z --cached --others --exclude-standard |
    xargs -0 cp --parents -t "$tree"
  (cd "$tree" &&
    cmake --preset win32 -DSETUPCOPYOEMINF_TESTS=OFF >/dev/null &&
    cmake --build --preset win32 --target setupcopyoeminf >/dev/null)
}

build_copy "$work/a"
build_copy "$work/another/folder/deeper"

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
