#!/usr/bin/env bash
# Races `qnt calc` against `bc -l` on the same file of 100,000 expressions of the form a+b*c^2/(d-e)
# (random integers 1-99, fixed seed; d = e divides by zero, as it may), best of five runs each.
# Prints expressions per second by wall-clock time and by CPU time (user + system): on a machine
# shared with other work the wall-clock figures of both programs drop, the CPU figures much less.
# Usage: calc_vs_bc.sh [path/to/qnt] [count]
set -euo pipefail
qnt="${1:-build/cli/qnt}"
count="${2:-100000}"
command -v bc > /dev/null || { echo "bc is not installed (apt-get install bc)" >&2; exit 1; }
[ -x "$qnt" ] || { echo "no qnt at $qnt; build it first" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
awk -v n="$count" 'BEGIN { srand(20240611); for (i = 0; i < n; i++) {
  printf "%d+%d*%d^2/(%d-%d)\n", 1 + int(rand() * 99), 1 + int(rand() * 99), 1 + int(rand() * 99),
         1 + int(rand() * 99), 1 + int(rand() * 99) } }' > "$work/expressions"

# best CMD...: "WALL CPU", the shortest wall-clock and CPU seconds of five runs.
best() {
  local wall="" cpu="" r u s
  TIMEFORMAT='%R %U %S'
  for _ in 1 2 3 4 5; do
    read -r r u s < <({ time "$@" < "$work/expressions" > "$work/out" 2> /dev/null || true; } 2>&1)
    wall=$(awk -v a="$r" -v b="${wall:-$r}" 'BEGIN { print (a < b ? a : b) }')
    cpu=$(awk -v a="$(awk -v u="$u" -v s="$s" 'BEGIN { print u + s }')" -v b="${cpu:-999}" \
      'BEGIN { print (a < b ? a : b) }')
  done
  echo "$wall $cpu"
}

read -r qnt_wall qnt_cpu < <(best "$qnt" calc)
qnt_lines=$(wc -l < "$work/out")
read -r bc_wall bc_cpu < <(best bc -l)
awk -v n="$count" -v qw="$qnt_wall" -v qc="$qnt_cpu" -v bw="$bc_wall" -v bcc="$bc_cpu" -v lines="$qnt_lines" \
    -v load="$(cut -d' ' -f1 /proc/loadavg)" -v cores="$(nproc)" 'BEGIN {
  printf "expressions: %d of the form a+b*c^2/(d-e), a..e random integers 1-99 (load %s on %d cores)\n", n, load, cores
  printf "             %10s %14s %10s %14s\n", "wall s", "expr/s (wall)", "CPU s", "expr/s (CPU)"
  printf "qnt calc     %10.3f %14.0f %10.3f %14.0f   (%d result lines)\n", qw, n / qw, qc, n / qc, lines
  printf "bc -l        %10.3f %14.0f %10.3f %14.0f\n", bw, n / bw, bcc, n / bcc
  printf "qnt calc is %.2f times as fast as bc -l (wall), %.2f times (CPU)\n", bw / qw, bcc / qc }'
