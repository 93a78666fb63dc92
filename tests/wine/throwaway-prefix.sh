# Sourced by scripts that run the Windows program once: with $work set to a
# new temporary folder, points Wine at a prefix inside it, quiet and with no
# add-on prompts, and removes the folder and stops Wine on exit. The caller
# then makes the prefix with: sh tests/wine/prefix.sh create "$WINEPREFIX"
export WINEPREFIX="$work/prefix" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
