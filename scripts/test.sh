#!/usr/bin/env bash
# Builds Sorvani into build/ and runs every test.
source "$(dirname "$0")/common.sh"
need_packages "${BUILD_PACKAGES[@]}"
configure_and_build "$ROOT/build"
# The web pages, for their tests in the browser and against the native build.
bash "$ROOT/scripts/web.sh" --build
cd "$ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error --parallel "$(nproc)"
