#!/usr/bin/env bash
# Builds every target with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs every test there. Any sanitizer report fails the run.
source "$(dirname "$0")/common.sh"
need_packages "${BUILD_PACKAGES[@]}"
# Leak checking stays on: under the offscreen platform Qt, fontconfig and
# freetype leave no unreachable memory behind, so no suppression is needed and
# any leak report is ours.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Exported before the build: it runs a program of ours (the icon drawer).
configure_and_build "$ROOT/build-asan" -DSORVANI_SANITIZE=ON -DSORVANI_BENCHMARKS=OFF
cd "$ROOT/build-asan"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error --parallel "$(nproc)"
