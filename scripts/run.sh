#!/usr/bin/env bash
# Builds Sorvani into build/ and starts it. Only the program is built; the
# tests and benchmarks wait for scripts/test.sh.
source "$(dirname "$0")/common.sh"
need_packages "${BUILD_PACKAGES[@]}"
BUILD_TARGETS=sorvani configure_and_build "$ROOT/build"
exec "$ROOT/build/app/sorvani" "$@"
