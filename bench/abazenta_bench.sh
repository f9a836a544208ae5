#!/usr/bin/env bash
# Benchmark of abazenta on a model at the node limit: 200000 nodes, 200000 eight-node elements
# and 100000 *CLOAD lines. Prints wall time and peak memory of the translation.
#   bench/abazenta_bench.sh [BUILD_DIR]      (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
[ -x "$build/bin/abazenta" ] && [ -x "$build/bin/abazenta_bench_gen" ] ||
  cmake --build "$build" --target abazenta abazenta_bench_gen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/abazenta_bench_gen" 200000 200000 100000 > "$work/model.inp"
echo "input: $(wc -l < "$work/model.inp") lines, $(wc -c < "$work/model.inp") bytes"
for input in file pipe; do
  if [ "$input" = file ]; then
    /usr/bin/time -v "$build/bin/abazenta" -in "$work/model.inp" > "$work/out.inp" 2> "$work/time.txt"
  else
    cat "$work/model.inp" | /usr/bin/time -v "$build/bin/abazenta" > "$work/out.inp" 2> "$work/time.txt"
  fi
  wall=$(grep 'Elapsed (wall clock)' "$work/time.txt" | awk '{print $NF}')
  user=$(grep 'User time' "$work/time.txt" | awk '{print $NF}')
  sys=$(grep 'System time' "$work/time.txt" | awk '{print $NF}')
  rss=$(grep 'Maximum resident set size' "$work/time.txt" | awk '{print $NF}')
  echo "$input input: wall $wall, user ${user}s, system ${sys}s, peak RSS $((rss / 1024)) MiB," \
       "output $(wc -c < "$work/out.inp") bytes"
done
