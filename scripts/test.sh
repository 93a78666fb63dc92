#!/bin/sh
# Every test: installs what is missing, builds both presets and runs their
# tests (the Windows ones under Wine, in a throwaway prefix).
set -eu
cd "$(dirname "$0")/.."

sh scripts/install-deps.sh

for preset in native win32; do
  echo "== $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
