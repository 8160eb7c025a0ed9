#!/usr/bin/env bash
# How long sorvani-calc takes to answer a worksheet of ROWS rows (100,000 if
# not given) that mixes the three cases with refused rows, failures, quoted
# values and decimal commas; and its largest resident memory for that
# worksheet and for one ten times as long, which shows whether the memory
# grows with the worksheet.
#
#   bench/calc_worksheet.sh [ROWS]
#
# Builds sorvani-calc into build/ (or $SORVANI_BUILD_DIR); times it with
# hyperfine (3 warm-up runs, then 20), reading the worksheet from a file and
# writing the answers to /dev/null.
source "$(dirname "$0")/../scripts/common.sh"
need_packages "${BUILD_PACKAGES[@]}" hyperfine time

ROWS="${1:-100000}"
BUILD="${SORVANI_BUILD_DIR:-$ROOT/build}"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)" --target sorvani-calc >/dev/null
CALC="$BUILD/calc/sorvani-calc"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# sheet ROWS FILE: these ten rows over and over (six solved, one refused, two
# failures, one with a quoted value), every value a plain number, as a
# spreadsheet saves them: decimal commas and one decimal point.
sheet() {
  awk -v rows="$1" 'BEGIN {
    n = split("tres-lados;3;4;5|tres-lados;8;13;17|dos-angulos;20;30;0;40;15;30;12,5|" \
              "dos-angulos;100;0;0;67,4;0;0;10|dos-lados;45;30;15;10;7|dos-lados;200;0;0;3;4|" \
              "tres-lados;1;2;3|dos-angulos;90;0;0;90;0;0;5|dos-lados;0;30;0;3;4|" \
              "tres-lados;\"3,5\";4;5.25", row, "|")
    for (i = 0; i < rows; i++)
      print row[i % n + 1]
  }' >"$2"
}

sheet "$ROWS" "$work/sheet.csv"
sheet "$((ROWS * 10))" "$work/long.csv"

# Every row answered, none reported, no value warned about.
if ! "$CALC" --lote "$work/sheet.csv" >/dev/null 2>"$work/problems" || [ -s "$work/problems" ]; then
  echo "sorvani-calc did not answer every row plainly:" >&2
  head -5 "$work/problems" >&2
  exit 1
fi

echo "sorvani-calc --lote, $ROWS rows ($(du -k "$work/sheet.csv" | cut -f1) KiB):"
hyperfine -N --warmup 3 --runs 20 --style basic "$CALC --lote $work/sheet.csv" 2>&1 | sed -n '2,3p'

rss() { /usr/bin/time -f %M "$CALC" --lote "$1" 2>&1 >/dev/null | tail -n1; }
echo "largest resident memory: $(rss "$work/sheet.csv") KiB for $ROWS rows," \
     "$(rss "$work/long.csv") KiB for $((ROWS * 10)) rows"
