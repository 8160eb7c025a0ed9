#!/usr/bin/env bash
# Cross-builds the Windows registry code with its test program and runs it
# under wine in a throwaway prefix. Usage: run-registry-test.sh [OUTPUT_DIR]
set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
SRC="$HERE/.."
OUT="${1:-}"
OWN_OUT=
if [ -z "$OUT" ]; then OUT="$(mktemp -d)"; OWN_OUT=1; fi
CXX="${MINGW_CXX:-x86_64-w64-mingw32-g++}"
WINE="${WINE64:-/usr/lib/wine/wine64}"
mkdir -p "$OUT"

"$CXX" -std=c++20 -O1 -Wall -Wextra -Wpedantic -Werror -ffp-contract=off \
  -static -static-libgcc -static-libstdc++ \
  -I "$SRC" \
  "$HERE/registry_test.cpp" "$SRC/WindowsRegistry.cpp" "$SRC/GetKeyValue.cpp" "$SRC/FileTest.cpp" \
  -ladvapi32 -o "$OUT/registry_test.exe"

PREFIX="$(mktemp -d)"
cleanup() {
  # Stop this prefix's wine server before its folder goes.
  WINEPREFIX="$PREFIX" "$(dirname "$WINE")/wineserver" -k 2>/dev/null || true
  rm -rf "$PREFIX"
  if [ -n "$OWN_OUT" ]; then rm -rf "$OUT"; fi
}
trap cleanup EXIT

# No display, no Mono or Gecko installer prompts, no debug chatter.
export WINEPREFIX="$PREFIX" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
"$WINE" "$OUT/registry_test.exe"
