#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz/) and runs each one for SECONDS seconds
# (default 5), starting from the committed seed corpus. Longer runs: fuzz/run.sh 600
# Findings (crash-*, leak-*, timeout-*) are written to build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-5}"

if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ not found, skipping the fuzz targets" >&2
  exit 0
fi
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DQNT_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build-fuzz --parallel "$(nproc)" --target fuzz_all

status=0
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"; name="${name#fuzz_}"
  work="build-fuzz/corpus/$name"; findings="build-fuzz/findings/$name"
  mkdir -p "$work" "$findings"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  log="build-fuzz/findings/$name.log"
  if "$target" "$work" "${seeds[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    echo "fuzz $name: ok, $runs executions in ${seconds}s"
  else
    echo "fuzz $name: FAILED (see $log)"; tail -n 30 "$log"; status=1
  fi
done
exit $status
