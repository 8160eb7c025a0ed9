#!/usr/bin/env bash
# Start-up time and memory of Sorvani, with its main menu and with the window
# for any triangle (sorvani --resolver), against the floor that Qt itself sets:
# a bare Qt 6 Widgets window with forty controls (bench/floor.cpp). Under Xvfb,
# each program is started RUNS times, the three interleaved; each run measures
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

# measure NAME PROGRAM [ARGS...]: one run, appended to $work/NAME as "ms KiB cpu-ms".
measure() {
  local name="$1"
  shift
  if ! "$PROBE" "$@" >>"$work/$name" 2>>"$work/errors"; then
    echo "Run of $* failed:" >&2
    cat "$work/errors" >&2
    exit 1
  fi
}

# One round of each first, not counted: it brings the libraries and fonts
# into the page cache, as any second start finds them.
measure warmup "$FLOOR"
measure warmup "$APP"
measure warmup "$APP" --resolver
for i in $(seq "$RUNS"); do
  # Rotate which goes first, so none always follows another.
  case $((i % 3)) in
    1) measure floor "$FLOOR"; measure sorvani "$APP"; measure resolver "$APP" --resolver ;;
    2) measure sorvani "$APP"; measure resolver "$APP" --resolver; measure floor "$FLOOR" ;;
    0) measure resolver "$APP" --resolver; measure floor "$FLOOR"; measure sorvani "$APP" ;;
  esac
done

# Every run's figures, for a closer look.
{
  echo "# program ms-until-mapped VmRSS-KiB CPU-ms-until-mapped, per program in the order run"
  sed 's/^/floor /' "$work/floor"
  sed 's/^/sorvani /' "$work/sorvani"
  sed 's/^/resolver /' "$work/resolver"
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
res_ms="$(median "$work/resolver" 1)"
res_kib="$(median "$work/resolver" 2)"
res_cpu="$(median "$work/resolver" 3)"

awk -v runs="$RUNS" -v fm="$floor_ms" -v am="$app_ms" -v fk="$floor_kib" -v ak="$app_kib" \
    -v fc="$floor_cpu" -v ac="$app_cpu" -v rm="$res_ms" -v rk="$res_kib" -v rc="$res_cpu" 'BEGIN {
  ratio = am / fm
  extra = (ak - fk) / 1024
  rratio = rm / fm
  printf "Start-up under Xvfb, %d runs of each, interleaved (medians)\n", runs
  printf "%-24s %16s %16s %18s\n", "", "until mapped", "CPU until then", "memory 1 s later"
  printf "%-24s %13.1f ms %13.1f ms %14.1f MiB\n", "floor (bare Qt window)", fm, fc, fk / 1024
  printf "%-24s %13.1f ms %13.1f ms %14.1f MiB\n", "sorvani (Form1)", am, ac, ak / 1024
  printf "%-24s %13.1f ms %13.1f ms %14.1f MiB\n", "sorvani --resolver", rm, rc, rk / 1024
  printf "%-24s %14.3f x %14.3f x %+14.1f MiB\n", "sorvani / floor", ratio, ac / fc, extra
  printf "%-24s %14.3f x %14.3f x %+14.1f MiB\n", "--resolver / floor", rratio, rc / fc, (rk - fk) / 1024
  printf "goal: at most 1.10 x the floor and 5 MiB above it: %s\n", (ratio <= 1.10 && extra <= 5) ? "met" : "MISSED"
  printf "goal for --resolver: at most 1.15 x the floor: %s\n", (rratio <= 1.15) ? "met" : "MISSED"
}'
