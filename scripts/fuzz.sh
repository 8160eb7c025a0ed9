#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) with clang into build-fuzz/ and runs each
# for a bounded time: scripts/fuzz.sh [seconds per target], 20 by default.
# A crash, a sanitizer report or a broken check fails the run; the input that
# caused it is kept in build-fuzz/findings/.
source "$(dirname "$0")/common.sh"
SECONDS_EACH="${1:-20}"
TARGETS=(fuzz_three_sides fuzz_two_angles_side fuzz_two_sides_angle fuzz_number_text fuzz_worksheet fuzz_general
         fuzz_generate fuzz_resolver_view fuzz_json_read)

need_packages cmake make clang libclang-rt-dev
BUILD="$ROOT/build-fuzz"
cmake -S "$ROOT/fuzz" -B "$BUILD" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)"

mkdir -p "$BUILD/findings"
status=0
for target in "${TARGETS[@]}"; do
  # New inputs go to the first folder, so the seeds in fuzz/corpus stay as committed.
  work="$BUILD/corpus/$target"
  log="$BUILD/$target.log"
  mkdir -p "$work"
  # A target with a dictionary of its own uses it instead of the number pieces.
  dict="$ROOT/fuzz/$target.dict"
  [ -f "$dict" ] || dict="$ROOT/fuzz/numbers.dict"
  if "$BUILD/$target" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
      -max_len=8192 -dict="$dict" -print_final_stats=1 \
      -artifact_prefix="$BUILD/findings/$target-" "$work" "$ROOT/fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: ${runs:-?} inputs in ${SECONDS_EACH} s, no finding"
  else
    echo "$target: FAILED, see $log and $BUILD/findings/" >&2
    grep -E 'CHECK FAILED|ERROR: |runtime error|SUMMARY' "$log" | head -5 >&2 || tail -20 "$log" >&2
    status=1
  fi
done
exit $status
