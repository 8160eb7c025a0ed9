#!/usr/bin/env bash
# Builds Sorvani into build/ and starts it.
source "$(dirname "$0")/common.sh"
need_packages "${BUILD_PACKAGES[@]}"
configure_and_build "$ROOT/build"
exec "$ROOT/build/app/sorvani" "$@"
