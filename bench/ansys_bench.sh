#!/usr/bin/env bash
# Times anszenta and ansmrp on generated plates of about 10k, 100k and 1M nodes and prints a
# Markdown table (wall time and peak resident memory from /usr/bin/time).
#   bench/ansys_bench.sh [BUILD_DIR [BASE_BUILD_DIR]]      (default build/release)
# With BASE_BUILD_DIR (the programs of an earlier version), each run is timed with both builds
# in turn on the same archive, and the table gets a column pair for each.
# A second table times anszenta -full on the eight-node plates without and with distributed
# loads (a pressure on every face of the top edge and gravity), best of three runs each.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
base=${2:-}
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

time_run() {  # time_run BIN_DIR PROGRAM ARGS...: prints "seconds | MiB"
  local dir=$1 program=$2; shift 2
  /usr/bin/time -f '%e %M' -o "$work/time" "$dir/$program" "$@" > /dev/null
  read -r seconds kib < "$work/time"
  printf '%s | %d' "$seconds" $((kib / 1024))
}

measure() {  # measure LABEL PROGRAM ARGS...: prints one table row
  local label=$1; shift
  local row
  row="| $label | $(time_run "$bin" "$@")"
  [ -n "$base" ] && row="$row | $(time_run "$base/bin" "$@")"
  echo "$row |"
}

if [ -n "$base" ]; then
  echo "| run | seconds | peak MiB | seconds, base | peak MiB, base |"
  echo "|---|---|---|---|---|"
else
  echo "| run | seconds | peak MiB |"
  echo "|---|---|---|"
fi
# Eight-node plates: 3N^2+4N+1 nodes.
for n in 57 182 577; do
  "$bin"/ansys_plate_gen "$n" "$work/plate.cdb"
  nodes=$((3 * n * n + 4 * n + 1))
  measure "anszenta, $n x $n eight-node ($nodes nodes, $(du -m "$work/plate.cdb" | cut -f1) MB)" \
    anszenta "$work/plate.cdb" "$work/plate.inp"
done
# Four-node plates with a listing of every node: (N+1)^2 nodes.
for n in 99 315 999; do
  "$bin"/ansys_plate_gen "$n" "$work/plate42.cdb" "$work/plate42.str"
  nodes=$(((n + 1) * (n + 1)))
  measure "ansmrp, $n x $n four-node ($nodes nodes, listing $(du -m "$work/plate42.str" | cut -f1) MB)" \
    ansmrp "$work/plate42.cdb" "$work/plate42.str" "$work/plate42.mrp"
done

# anszenta -full: the same plate without and with the distributed loads of ansys_plate_gen
# -loads, and the default translation of the plate for comparison.
. bench/best_of_three.sh
echo
echo "| eight-node plate | default | -full | -full with loads | with / without loads |"
echo "|---|---|---|---|---|"
for n in 182 577; do
  "$bin"/ansys_plate_gen "$n" "$work/plate.cdb"
  "$bin"/ansys_plate_gen -loads "$n" "$work/loads.cdb"
  best_of_three "$work" "$bin"/anszenta "$work/plate.cdb" "$work/plate.inp"; plain=$best
  best_of_three "$work" "$bin"/anszenta -full "$work/plate.cdb" "$work/plate.inp"; full=$best
  best_of_three "$work" "$bin"/anszenta -full "$work/loads.cdb" "$work/loads.inp"; loads=$best
  printf '| %d x %d | %.2f s | %.2f s | %.2f s | %.2f |\n' "$n" "$n" "$plain" "$full" "$loads" \
    "$(awk -v a="$loads" -v b="$full" 'BEGIN { print a / b }')"
done
