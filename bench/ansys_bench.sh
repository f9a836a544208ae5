#!/usr/bin/env bash
# Times anszenta and ansmrp on generated plates of about 10k, 100k and 1M nodes against the
# floor of reading the same files (bench/floor.cpp: read, convert every number with
# std::from_chars, nothing else), and prints Markdown tables.
#   bench/ansys_bench.sh [BUILD_DIR [RUNS [BASE_BUILD_DIR]]]   (default build/release, 5 runs)
# Needs anszenta, ansmrp, ansys_plate_gen and floor in BUILD_DIR/bin. Program and floor run in
# turn, RUNS times each; a row gives the best wall time of each and their ratio, the peak
# resident memory of the program against the limit of 1.5 times the input plus 20 MB, and the
# growth: the seconds that each step in size adds per MB that it adds (without the fixed cost
# of starting a program), against those of the largest step. With BASE_BUILD_DIR (the
# programs of an earlier version), each row also times those, in turn with the others, and
# checks that both write the same bytes.
# A second table times anszenta -full on the eight-node plates without and with distributed
# loads (a pressure on every face of the top edge and gravity), best of RUNS runs each.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-5}
base=${3:-}
bin=$build/bin
for program in anszenta ansmrp ansys_plate_gen floor; do
  [ -x "$bin/$program" ] || { echo "missing $bin/$program: build it first" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# timed COMMAND...: one run; prints "microseconds peak_kib".
timed() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$work/rss" "$@" > /dev/null 2> /dev/null < /dev/null
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) $(cat "$work/rss")"
}

# best FILE: the least seconds and the largest peak (KiB) of the runs recorded in FILE.
best() { sort -n -k1 "$1" | awk '{ if (NR == 1) t = $1; if ($2 > m) m = $2 } END { printf "%.3f %d\n", t / 1e6, m }'; }
megabytes() { du -cb "$@" | tail -1 | awk '{ printf "%.1f", $1 / 1e6 }'; }

# row SERIES LABEL FILES -- PROGRAM ARGS...: times the program (and the base's) and the floor on
# FILES, and records the figures. The program's last argument is its output file; rows of one
# SERIES are the steps in size of its growth ("-": no growth).
row() {
  local series=$1 label=$2
  shift 2
  local files=()
  while [ "$1" != -- ]; do
    files+=("$1")
    shift
  done
  shift
  local program=$1
  shift
  local args=("$@")
  local output=${args[${#args[@]} - 1]}
  rm -f "$work/program" "$work/floor" "$work/base"
  for ((i = 0; i < runs; i++)); do
    timed "$bin/$program" "${args[@]}" >> "$work/program"
    timed "$bin/floor" "${files[@]}" >> "$work/floor"
    if [ -n "$base" ]; then
      cp "$output" "$work/output"
      timed "$base/bin/$program" "${args[@]}" >> "$work/base"
      cmp -s "$output" "$work/output" || { echo "$label: the outputs differ" >&2; exit 1; }
    fi
  done
  local base_figures="- 0"
  [ -n "$base" ] && base_figures=$(best "$work/base")
  echo "$series|$label|$(megabytes "${files[@]}")|$(best "$work/program")|$(best "$work/floor")|$base_figures" \
    >> "$work/rows"
}

# Eight-node plates: 3N^2+4N+1 nodes.
for n in 57 182 577; do
  "$bin"/ansys_plate_gen "$n" "$work/plate.cdb"
  row anszenta "anszenta, $n x $n eight-node ($((3 * n * n + 4 * n + 1)) nodes)" \
    "$work/plate.cdb" -- anszenta "$work/plate.cdb" "$work/plate.inp"
done
row - "anszenta -full, 577 x 577 eight-node" "$work/plate.cdb" -- \
  anszenta -full "$work/plate.cdb" "$work/plate.inp"
# The largest plate without its NUMOFF lines: the figures are counted in one more pass.
grep -v '^NUMOFF' "$work/plate.cdb" > "$work/counted.cdb"
rm "$work/plate.cdb"
row - "anszenta, 577 x 577 eight-node without NUMOFF lines" "$work/counted.cdb" -- \
  anszenta "$work/counted.cdb" "$work/plate.inp"
rm "$work/counted.cdb"
# Four-node plates with a listing of every node: (N+1)^2 nodes.
for n in 99 315 999; do
  "$bin"/ansys_plate_gen "$n" "$work/plate42.cdb" "$work/plate42.str"
  row ansmrp "ansmrp, $n x $n four-node ($(((n + 1) * (n + 1))) nodes) and listing" \
    "$work/plate42.cdb" "$work/plate42.str" -- \
    ansmrp "$work/plate42.cdb" "$work/plate42.str" "$work/plate42.mrp"
done
rm -f "$work/plate42.cdb" "$work/plate42.str" "$work/plate42.mrp"

echo "Best of $runs runs each, program and floor in turn; $(nproc) cores, load average" \
  "$(cut -d' ' -f1-3 /proc/loadavg) at the end."
echo
awk -F'|' -v base="$base" '
  { series[NR] = $1; label[NR] = $2; mb[NR] = $3; split($4, p, " "); split($5, f, " ")
    split($6, b, " "); s[NR] = p[1]; peak[NR] = p[2]; floor[NR] = f[1]; bs[NR] = b[1]
    bpeak[NR] = b[2]; step[NR] = -1
    if (NR > 1 && series[NR] != "-" && series[NR - 1] == series[NR])
      step[NR] = (s[NR] - s[NR - 1]) / (mb[NR] - mb[NR - 1])
    if (step[NR] >= 0) largest[series[NR]] = step[NR] }
  END {
    printf "| run | input | program | floor | ratio | added s per added MB | against the largest step"
    printf " | peak RSS | memory limit |%s\n", base ? " base program | base peak RSS |" : ""
    printf "|---|---:|---:|---:|---:|---:|---:|---:|---:|%s\n", base ? "---:|---:|" : ""
    for (i = 1; i <= NR; i++) {
      added = step[i] < 0 ? "-" : sprintf("%.4f", step[i])
      against = step[i] < 0 ? "-" : sprintf("%.2f", step[i] / largest[series[i]])
      limit = (1.5 * mb[i] * 1e6 + 20e6) / 1048576
      printf "| %s | %s MB | %.3f s | %.3f s | %.1fx | %s | %s | %d MiB | %d MiB |", label[i],
             mb[i], s[i], floor[i], s[i] / floor[i], added, against, peak[i] / 1024, limit
      if (base) printf " %.3f s | %d MiB |", bs[i], bpeak[i] / 1024
      printf "\n" } }' "$work/rows"

# anszenta -full: the same plate without and with the distributed loads of ansys_plate_gen
# -loads, and the default translation of the plate for comparison.
echo
echo "| eight-node plate | default | -full | -full with loads | with / without loads |"
echo "|---|---|---|---|---|"
for n in 182 577; do
  "$bin"/ansys_plate_gen "$n" "$work/plate.cdb"
  "$bin"/ansys_plate_gen -loads "$n" "$work/loads.cdb"
  rm -f "$work/plain" "$work/full" "$work/loads"
  for ((i = 0; i < runs; i++)); do
    timed "$bin"/anszenta "$work/plate.cdb" "$work/plate.inp" >> "$work/plain"
    timed "$bin"/anszenta -full "$work/plate.cdb" "$work/plate.inp" >> "$work/full"
    timed "$bin"/anszenta -full "$work/loads.cdb" "$work/loads.inp" >> "$work/loads"
  done
  read -r plain _ < <(best "$work/plain")
  read -r full _ < <(best "$work/full")
  read -r loads _ < <(best "$work/loads")
  printf '| %d x %d | %.2f s | %.2f s | %.2f s | %.2f |\n' "$n" "$n" "$plain" "$full" "$loads" \
    "$(awk -v a="$loads" -v b="$full" 'BEGIN { print a / b }')"
done
