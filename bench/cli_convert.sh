#!/usr/bin/env bash
# Command-line conversion speed, measured beside GNU units in the same run:
#   1. stream mode: `qnt convert Dist edtFeet edtMetres` on 1,000,000 values (output to /dev/null), and
#      `units -t` on 100,000 values of the same pair; rates in values per second and their ratio;
#   2. start to result: `qnt convert Dist edtFeet edtMetres 45` against `units -t '45 ft' m` (hyperfine).
# Usage: bench/cli_convert.sh [path/to/qnt]   (default: build/cli/qnt; builds it when missing)
set -euo pipefail
cd "$(dirname "$0")/.."

QNT=${1:-build/cli/qnt}
if [ ! -x "$QNT" ]; then
  cmake --build build --target qnt >/dev/null
fi
for tool in units hyperfine awk; do
  command -v "$tool" >/dev/null || { echo "needs '$tool' (apt-get install -y $tool)" >&2; exit 2; }
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
QNT_VALUES=1000000
UNITS_VALUES=100000
RUNS=3

# The same pseudo-random feet values for both tools (fixed seed, six decimals).
awk -v n="$QNT_VALUES" 'BEGIN { srand(12345); for (i = 0; i < n; i++) printf "%.6f\n", rand() * 100000 - 1000 }' \
  >"$WORK/values.txt"
head -n "$UNITS_VALUES" "$WORK/values.txt" | awk '{ print $0 " ft"; print "m" }' >"$WORK/units-input.txt"

# Best of $RUNS wall-clock seconds of a command reading a file on standard input.
best_seconds() {
  local input=$1; shift
  local best=""
  for _ in $(seq "$RUNS"); do
    local start end
    start=$(date +%s.%N)
    "$@" <"$input" >/dev/null
    end=$(date +%s.%N)
    best=$(awk -v a="$start" -v b="$end" -v best="$best" 'BEGIN { t = b - a; print (best == "" || t < best) ? t : best }')
  done
  echo "$best"
}

# Check once that both tools agree on the pair before timing them.
qnt_first=$("$QNT" convert Dist edtFeet edtMetres 45)
units_first=$(units -t '45 ft' m)
echo "45 ft in metres: qnt $qnt_first, GNU units $units_first"
echo

qnt_s=$(best_seconds "$WORK/values.txt" "$QNT" convert Dist edtFeet edtMetres)
units_s=$(best_seconds "$WORK/units-input.txt" units -t)
awk -v qs="$qnt_s" -v us="$units_s" -v qn="$QNT_VALUES" -v un="$UNITS_VALUES" 'BEGIN {
  qr = qn / qs; ur = un / us
  printf "stream mode (best of 3, output to /dev/null)\n"
  printf "  qnt convert Dist edtFeet edtMetres  %8d values  %7.3f s  %12.0f values/s\n", qn, qs, qr
  printf "  units -t (ft -> m)                  %8d values  %7.3f s  %12.0f values/s\n", un, us, ur
  printf "  qnt / units: %.1f times the rate (goal: at least 20; at least 2,000,000 values/s)\n\n", qr / ur
}'

hyperfine -N --warmup 20 --runs 300 --style none --export-csv "$WORK/start.csv" \
  "$QNT convert Dist edtFeet edtMetres 45" "units -t '45 ft' m" >/dev/null 2>&1
awk -F, 'NR == 2 { qm = $2; qs = $3 } NR == 3 { um = $2; us = $3 } END {
  printf "start to result (hyperfine, 300 runs each, mean +- sd)\n"
  printf "  qnt convert Dist edtFeet edtMetres 45  %6.2f ms +- %.2f\n", qm * 1000, qs * 1000
  printf "  units -t '"'"'45 ft'"'"' m                  %6.2f ms +- %.2f\n", um * 1000, us * 1000
  printf "  qnt / units: %.2f of the time (goal: at most 0.50)\n", qm / um
}' "$WORK/start.csv"
