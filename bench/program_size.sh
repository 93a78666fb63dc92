#!/bin/sh
# Prints the size of the built Windows program (linked stripped) against the
# goal of 20 KiB. A figure, not a test: it never fails on the size.
#   bench/program_size.sh [PROGRAM.exe]
set -eu
cd "$(dirname "$0")/.."
program=${1:-build/win32/setupcopyoeminf.exe}
if [ ! -f "$program" ]; then
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 --target setupcopyoeminf >/dev/null
fi
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
i686-w64-mingw32-strip -o "$stripped" "$program"
bytes=$(wc -c < "$stripped")
echo "$program: $bytes bytes stripped ($(awk "BEGIN { printf \"%.1f\", $bytes / 1024 }") KiB; goal: at most 20 KiB)"
