#!/bin/sh
# Builds a release from a clean copy of the tracked sources and writes
#   dist/setupcopyoeminf-VERSION.zip   the program, README.md and LICENSE
#   dist/setupcopyoeminf.exe           the program, as in the zip
#   dist/SHA256SUMS                    checksums of both
# VERSION is the project's, from CMakeLists.txt, as in the version record.
#
#   sh scripts/release.sh [--pkcs12 FILE --password-file FILE] [--dist DIR]
#
# With a PKCS#12 certificate and key, and a file holding its password, the
# program is Authenticode-signed with osslsigncode before it is zipped.
# Without them the release is unsigned, and says so.
set -eu
cd "$(dirname "$0")/.."
source_tree=$(pwd)

pkcs12=""
password_file=""
dist="$source_tree/dist"
while [ $# -gt 0 ]; do
  case "$1" in
    --pkcs12) pkcs12=$(realpath "$2"); shift 2 ;;
    --password-file) password_file=$(realpath "$2"); shift 2 ;;
    --dist) dist=$(realpath -m "$2"); shift 2 ;;
    *) echo "usage: release.sh [--pkcs12 FILE --password-file FILE] [--dist DIR]" >&2; exit 2 ;;
  esac
done
if { [ -n "$pkcs12" ] && [ -z "$password_file" ]; } ||
   { [ -z "$pkcs12" ] && [ -n "$password_file" ]; }; then
  echo "release.sh: --pkcs12 and --password-file go together" >&2
  exit 2
fi

sh scripts/install-deps.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A clean tree: only what git tracks, nothing left over from other builds.
sh scripts/build-copy.sh "$work"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$work/build/win32/CMakeCache.txt")
program="$work/build/win32/setupcopyoeminf.exe"

package="$work/package"
mkdir -p "$package"
if [ -n "$pkcs12" ]; then
  osslsigncode sign -pkcs12 "$pkcs12" -readpass "$password_file" \
    -n "setupcopyoeminf $version" -h sha256 \
    -in "$program" -out "$package/setupcopyoeminf.exe" >/dev/null
  echo "release: signed with $(basename "$pkcs12")"
else
  cp "$program" "$package/setupcopyoeminf.exe"
  echo "release: UNSIGNED (no --pkcs12 given)"
fi
cp README.md LICENSE "$package/"

# Fixed times and no extra attributes, so the same program gives the same zip.
touch -d "@0" "$package"/*
zip_name="setupcopyoeminf-$version.zip"
rm -rf "$dist"
mkdir -p "$dist"
(cd "$package" && TZ=UTC zip -q -X "$dist/$zip_name" setupcopyoeminf.exe README.md LICENSE)
cp "$package/setupcopyoeminf.exe" "$dist/"
(cd "$dist" && sha256sum "$zip_name" setupcopyoeminf.exe > SHA256SUMS)

echo "release: $dist/$zip_name"
cat "$dist/SHA256SUMS"
