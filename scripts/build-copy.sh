#!/bin/sh
# Copies the sources into a new folder and builds the win32 preset's program
# there, without the tests: a build that nothing of this work tree's own
# build can reach. The program ends up at DEST/build/win32/setupcopyoeminf.exe.
#   build-copy.sh DEST [GIT-LS-FILES-OPTION...]
# The options choose the files (default: what git tracks).
set -eu
dest=$1
shift
cd "$(dirname "$0")/.."
mkdir -p "$dest"
git ls-files -z "$@" | xargs -0 cp --parents -t "$dest"
cd "$dest"
cmake --preset win32 -DSETUPCOPYOEMINF_TESTS=OFF >/dev/null
cmake --build --preset win32 --target setupcopyoeminf >/dev/null
