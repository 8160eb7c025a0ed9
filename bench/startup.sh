#!/usr/bin/env bash
# Start-up time and memory of Sorvani against the floor that Qt itself sets: a
# bare Qt 6 Widgets window with forty controls (bench/floor.cpp). Under Xvfb,
# each program is started RUNS times, the two interleaved; each run measures
# the time from the start of the process until its first window is mapped on
# the screen, the CPU time it used until then, and the resident memory (VmRSS)
# one second later.
#
#   bench/startup.sh [RUNS]        RUNS of each program, 20 if not given
#
# Builds into build/ (or $SORVANI_BUILD_DIR) and prints the medians, the ratio
# of the start-up times and the difference of the memory figures; every run's
# figures go to startup-runs.txt in the build directory.
source "$(dirname "$0")/../scripts/common.sh"
need_packages "${BUILD_PACKAGES[@]}" xvfb libxcb1-dev

RUNS="${1:-20}"
BUILD="${SORVANI_BUILD_DIR:-$ROOT/build}"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORVANI_BENCHMARKS=ON >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)" --target sorvani startup_floor startup_probe >/dev/null

PROBE="$BUILD/bench/startup_probe"
FLOOR="$BUILD/bench/startup_floor"
APP="$BUILD/app/sorvani"

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, with no window manager: the probe takes the first
# window mapped as the program's. -noreset: a server that resets when its
# last client leaves refuses the next program for a moment.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
if [ ! -s "$work/display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# measure NAME PROGRAM: one run, appended to $work/NAME as "ms KiB cpu-ms".
measure() {
  if ! "$PROBE" "$2" >>"$work/$1" 2>>"$work/errors"; then
    echo "Run of $2 failed:" >&2
    cat "$work/errors" >&2
    exit 1
  fi
}

# One round of each first, not counted: it brings the libraries and fonts
# into the page cache, as any second start finds them.
measure warmup "$FLOOR"
measure warmup "$APP"
for i in $(seq "$RUNS"); do
  # Alternate which goes first, so neither always follows the other.
  if [ $((i % 2)) -eq 1 ]; then
    measure floor "$FLOOR"
    measure sorvani "$APP"
  else
    measure sorvani "$APP"
    measure floor "$FLOOR"
  fi
done

# Every run's figures, for a closer look.
{
  echo "# program ms-until-mapped VmRSS-KiB CPU-ms-until-mapped, per program in the order run"
  sed 's/^/floor /' "$work/floor"
  sed 's/^/sorvani /' "$work/sorvani"
} >"$BUILD/startup-runs.txt"

# median FILE COLUMN
median() {
  cut -d' ' -f"$2" "$1" | sort -g | awk '{ v[NR] = $1 } END {
    if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

floor_ms="$(median "$work/floor" 1)"
app_ms="$(median "$work/sorvani" 1)"
floor_kib="$(median "$work/floor" 2)"
app_kib="$(median "$work/sorvani" 2)"
floor_cpu="$(median "$work/floor" 3)"
app_cpu="$(median "$work/sorvani" 3)"

awk -v runs="$RUNS" -v fm="$floor_ms" -v am="$app_ms" -v fk="$floor_kib" -v ak="$app_kib" \
    -v fc="$floor_cpu" -v ac="$app_cpu" 'BEGIN {
  ratio = am / fm
  extra = (ak - fk) / 1024
  printf "Start-up under Xvfb, %d runs of each, interleaved (medians)\n", runs
  printf "%-24s %16s %16s %18s\n", "", "until mapped", "CPU until then", "memory 1 s later"
  printf "%-24s %13.1f ms %13.1f ms %14.1f MiB\n", "floor (bare Qt window)", fm, fc, fk / 1024
  printf "%-24s %13.1f ms %13.1f ms %14.1f MiB\n", "sorvani (Form1)", am, ac, ak / 1024
  printf "%-24s %14.3f x %14.3f x %+14.1f MiB\n", "sorvani / floor", ratio, ac / fc, extra
  printf "goal: at most 1.10 x the floor and 5 MiB above it: %s\n", (ratio <= 1.10 && extra <= 5) ? "met" : "MISSED"
}'
