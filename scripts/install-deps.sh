#!/bin/sh
# Installs what building and testing need on Debian 12, as root. Installs
# only what is missing, so it costs nothing on a machine that has it all.
set -eu

packages="cmake ninja-build g++ googletest python3 python3-pefile
  g++-mingw-w64-i686-win32 wine wine32:i386
  clang libclang-rt-14-dev clang-tidy clang-format cppcheck
  osslsigncode openssl zip unzip"

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt-get update -qq
fi

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing="$missing $package"
  fi
done

if [ -n "$missing" ]; then
  echo "installing:$missing"
  apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
fi
