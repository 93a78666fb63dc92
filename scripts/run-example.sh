#!/bin/sh
# The main job: builds the Windows program and stages the example INF with
# it in a throwaway Wine prefix, printing the program's report.
set -eu
cd "$(dirname "$0")/.."

sh scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target setupcopyoeminf >/dev/null

work=$(mktemp -d)
. tests/wine/throwaway-prefix.sh

sh tests/wine/prefix.sh create "$WINEPREFIX" 2>/dev/null
# The default copy style deletes the source, so stage a copy.
cp examples/example.inf "$work/example.inf"

status=0
wine build/win32/setupcopyoeminf.exe "$(winepath -w "$work/example.inf")" || status=$?
echo "exit code: $status"
exit "$status"
