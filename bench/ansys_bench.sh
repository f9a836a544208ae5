#!/usr/bin/env bash
# Times anszenta and ansmrp on generated plates of about 10k, 100k and 1M nodes and prints a
# Markdown table (wall time and peak resident memory from /usr/bin/time).
#   bench/ansys_bench.sh [BUILD_DIR]      (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

measure() {  # measure LABEL COMMAND...: prints "| LABEL | seconds | MiB |"
  local label=$1; shift
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" > /dev/null
  read -r seconds kib < "$work/time"
  printf '| %s | %s | %d |\n' "$label" "$seconds" $((kib / 1024))
}

echo "| run | seconds | peak MiB |"
echo "|---|---|---|"
# Eight-node plates: 3N^2+4N+1 nodes.
for n in 57 182 577; do
  "$bin"/ansys_plate_gen "$n" "$work/plate.cdb"
  nodes=$((3 * n * n + 4 * n + 1))
  measure "anszenta, $n x $n eight-node ($nodes nodes, $(du -m "$work/plate.cdb" | cut -f1) MB)" \
    "$bin"/anszenta "$work/plate.cdb" "$work/plate.inp"
done
# Four-node plates with a listing of every node: (N+1)^2 nodes.
for n in 99 315 999; do
  "$bin"/ansys_plate_gen "$n" "$work/plate42.cdb" "$work/plate42.str"
  nodes=$(((n + 1) * (n + 1)))
  measure "ansmrp, $n x $n four-node ($nodes nodes, listing $(du -m "$work/plate42.str" | cut -f1) MB)" \
    "$bin"/ansmrp "$work/plate42.cdb" "$work/plate42.str" "$work/plate42.mrp"
done
