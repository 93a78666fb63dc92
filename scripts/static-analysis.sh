#!/bin/sh
# clang-tidy (checks in .clang-tidy) and cppcheck over the program, its
# tests and the fuzzer. Needs the compile databases of the native-asan and
# win32 presets, which scripts/test.sh configures first.
set -eu
cd "$(dirname "$0")/.."

log=$(mktemp)
trap 'rm -f "$log"' EXIT

# Runs clang-tidy with the given arguments; prints its findings and fails
# on any.
tidy() {
  if clang-tidy --quiet "$@" >"$log" 2>&1; then
    status=0
  else
    status=1
  fi
  grep -v "warnings generated" "$log" || true
  return $status
}

echo "clang-tidy: native sources"
# shellcheck disable=SC2046
tidy -p build/native-asan $(ls cli/*.cpp setup/*.cpp platform/console_output.cpp \
  platform/utf8*.cpp platform/*-posix.cpp tests/support/*.cpp tests/fuzz/*.cpp)

echo "clang-tidy: Windows sources"
# clang reads the mingw-w64 command lines but needs g++'s own include list.
include_arguments=$(echo | i686-w64-mingw32-g++ -E -x c++ - -v 2>&1 |
  sed -n '/#include <...> search starts here/,/End of search list/p' |
  grep '^ /' | sed 's/^ /--extra-arg=-isystem/')
# shellcheck disable=SC2086,SC2046
tidy -p build/win32 --extra-arg=--target=i686-w64-mingw32 $include_arguments \
  $(ls platform/*-win32.cpp)

echo "cppcheck"
# Plain loops are this program's style, so useStlAlgorithm is off.
# GoogleTest's macros are beyond cppcheck: the *_test.cpp files are left out.
# shellcheck disable=SC2046
cppcheck --quiet --enable=warning,style,performance,portability --std=c++17 \
  --language=c++ --error-exitcode=1 --inline-suppr \
  --suppress=missingIncludeSystem --suppress=useStlAlgorithm -I . \
  $(ls cli/*.cpp setup/*.cpp platform/*.cpp tests/support/*.cpp \
    tests/fuzz/*.cpp | grep -v '_test\.cpp$')
echo "static analysis: clean"
