#!/bin/sh
# Fails if any C++ file differs from what clang-format (.clang-format) makes
# of it. Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -eu
cd "$(dirname "$0")/.."
git ls-files -z --cached --others --exclude-standard '*.cpp' '*.h' |
  xargs -0 clang-format --dry-run --Werror
echo "format: clean"
