#!/usr/bin/env bash
# How long sorvani-calc takes to answer a worksheet of ROWS rows (100,000 if
# not given) that mixes the three cases with refused rows, failures, quoted
# values and decimal commas, and one of as many resolver rows; how long the
# answer key (--informe) and the problem sheet (--enunciado) of a worksheet of
# 1,000 rows take; how long generar takes for a sheet of 10,000 problems; and
# the largest resident memory for each worksheet and for one ten times as long,
# which shows whether the memory grows with it.
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

# resolver ROWS FILE: these ten resolver rows over and over: each case, two
# triangles, none, three angles, degrees with minutes and seconds, decimal
# commas.
resolver() {
  awk -v rows="$1" 'BEGIN {
    n = split("resolver;a=3;b=4;c=5|resolver;b=7;c=5;A=49|resolver;c=12,5;A=20°30′;B=40°15′30″|" \
              "resolver;a=10;A=30;B=45|resolver;a=4;c=5;A=40|resolver;a=3;c=5;A=40|resolver;A=60;B=60;C=60|" \
              "resolver;a=8;b=5;B=30|resolver;a=2;b=5;c=9|resolver;a=3,5;b=4,25;C=45 30 15", row, "|")
    for (i = 0; i < rows; i++)
      print row[i % n + 1]
  }' >"$2"
}

# mixed ROWS FILE: half of each, row by row.
mixed() {
  paste -d '\n' <(sheet "$(( ($1 + 1) / 2 ))" /dev/stdout) <(resolver "$(( $1 / 2 ))" /dev/stdout) | sed '/^$/d' >"$2"
}

sheet "$ROWS" "$work/sheet.csv"
sheet "$((ROWS * 10))" "$work/long.csv"
resolver "$ROWS" "$work/resolver.csv"
resolver "$((ROWS * 10))" "$work/resolver-long.csv"
mixed 1000 "$work/key.csv"
mixed 10000 "$work/key-long.csv"

# Every row answered, none reported, no value warned about.
for csv in sheet resolver key; do
  if ! "$CALC" --lote "$work/$csv.csv" >/dev/null 2>"$work/problems" || [ -s "$work/problems" ]; then
    echo "sorvani-calc did not answer every row of $csv.csv plainly:" >&2
    head -5 "$work/problems" >&2
    exit 1
  fi
done

# time TITLE OPTIONS...: hyperfine's mean and range of sorvani-calc OPTIONS.
time_it() {
  echo "$1"
  shift
  hyperfine -N --warmup 3 --runs 20 --style basic "$CALC $*" 2>&1 | sed -n '2,3p'
}
# rss OPTIONS...: the largest resident memory of sorvani-calc OPTIONS, in KiB.
rss() { /usr/bin/time -f %M "$CALC" "$@" 2>&1 >/dev/null | tail -n1; }

time_it "sorvani-calc --lote, $ROWS rows of the three cases ($(du -k "$work/sheet.csv" | cut -f1) KiB):" \
  --lote "$work/sheet.csv"
echo "largest resident memory: $(rss --lote "$work/sheet.csv") KiB for $ROWS rows," \
     "$(rss --lote "$work/long.csv") KiB for $((ROWS * 10)) rows"
time_it "sorvani-calc --lote, $ROWS resolver rows ($(du -k "$work/resolver.csv" | cut -f1) KiB):" \
  --lote "$work/resolver.csv"
echo "largest resident memory: $(rss --lote "$work/resolver.csv") KiB for $ROWS rows," \
     "$(rss --lote "$work/resolver-long.csv") KiB for $((ROWS * 10)) rows"
time_it "sorvani-calc --informe, 1000 rows, half of them resolver rows:" \
  --lote "$work/key.csv" --informe /dev/null
time_it "sorvani-calc --enunciado, the same 1000 rows:" --lote "$work/key.csv" --enunciado /dev/null
"$CALC" --lote "$work/key.csv" --informe "$work/key.html" --enunciado "$work/problems.html"
echo "their sizes: $(du -k "$work/key.html" | cut -f1) KiB and $(du -k "$work/problems.html" | cut -f1) KiB;" \
     "largest resident memory writing both: $(rss --lote "$work/key.csv" --informe /dev/null --enunciado /dev/null) KiB" \
     "for 1000 rows, $(rss --lote "$work/key-long.csv" --informe /dev/null --enunciado /dev/null) KiB for 10000"
time_it "sorvani-calc generar, 10000 problems:" --semilla 1 generar 10000
