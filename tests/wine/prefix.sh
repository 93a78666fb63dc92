#!/bin/sh
# Makes or removes a throwaway Wine prefix.
#   prefix.sh create DIR   a fresh prefix at DIR, set up once with wineboot
#   prefix.sh remove DIR   stops its wineserver and deletes it
set -eu
action=$1
prefix=$2
export WINEPREFIX="$prefix"
case "$action" in
  create)
    rm -rf "$prefix"
    mkdir -p "$prefix"
    wineboot -i
    # wineboot returns before the prefix is fully written.
    wineserver -w
    ;;
  remove)
    wineserver -k || true
    rm -rf "$prefix"
    ;;
  *)
    echo "usage: prefix.sh create|remove DIR" >&2
    exit 2
    ;;
esac
