#!/bin/sh
# Every test: installs what is missing, builds the three presets and runs
# their tests (the Windows ones under Wine, in a throwaway prefix; the
# native ones again under AddressSanitizer and UBSan, with the fuzzer), then
# the format, static-analysis and reproducible-build checks and the
# release-signing test.
set -eu
cd "$(dirname "$0")/.."

sh scripts/install-deps.sh

for preset in native win32 native-asan; do
  echo "== $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

echo "== checks"
sh scripts/check-format.sh
sh scripts/static-analysis.sh
sh scripts/check-reproducible.sh
sh tests/release/signing_test.sh
