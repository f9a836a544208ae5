#!/usr/bin/env bash
# Times inpmigrate's batch mode on generated legacy files of about 10k, 100k and 1M nodes.
#   bench/inpmigrate_bench.sh [BUILD_DIR]      (default build/im-rel; needs inpmigrate_gen)
# Prints one Markdown table row per size: nodes, elements, file sizes, wall time, processor
# time (user + system) and peak memory (maximum resident set size), all from /usr/bin/time -v.
# Each size is run three times; the run with the least wall time is reported.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/im-rel}/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. bench/best_of_three.sh

echo "| nodes | elements | input | output | wall time (best of 3) | processor time | peak memory |"
echo "|---:|---:|---:|---:|---:|---:|---:|"
for n in 10000 100000 1000000; do
  "$bin"/inpmigrate_gen "$n" "$work/in.inp"
  nodes=$(sed -n 2p "$work/in.inp" | cut -d' ' -f1)
  elems=$(sed -n 2p "$work/in.inp" | cut -d' ' -f2)
  best_of_three "$work" "$bin"/inpmigrate "$work/in.inp" "$work/out.inp"
  printf '| %d | %d | %s | %s | %.2f s | %.2f s | %d MiB |\n' "$nodes" "$elems" \
    "$(du -h "$work/in.inp" | cut -f1)" "$(du -h "$work/out.inp" | cut -f1)" "$best" "$cpu" \
    $((mem / 1024))
done
