#!/bin/sh
# Every test: installs what is missing, builds the three presets and runs
# their tests (the Windows ones under Wine, in a throwaway prefix; the
# native ones again under AddressSanitizer and UBSan, with the fuzzer), then
# the format, static-analysis and reproducible-build checks and the
# release-signing test. Stops at the first failure.
set -eu
cd "$(dirname "$0")/.."

sh scripts/install-deps.sh

log=$(mktemp)
trap 'rm -f "$log"' EXIT
passed=0

for preset in native win32 native-asan; do
  echo "== $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  if ! ctest --preset "$preset" >"$log" 2>&1; then
    cat "$log"
    exit 1
  fi
  cat "$log"
  count=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$log")
  passed=$((passed + count))
done

echo "== checks"
for check in scripts/check-format.sh scripts/static-analysis.sh \
  scripts/check-reproducible.sh tests/release/signing_test.sh; do
  sh "$check"
  passed=$((passed + 1))
done

echo "all: $passed passed, 0 failed"
