#!/usr/bin/env bash
# The speed table: every program against the floor of reading its input (bench/floor.cpp reads
# the same files and converts every number in them, nothing else), side by side in one run.
#   bench/speed_table.sh [BUILD_DIR [RUNS]]        (default build/release, 5 runs)
#   bench/speed_table.sh BUILD_DIR RUNS growth     (also the figures at 10k, 100k and 1M nodes)
# For each row the program and the floor run in turn, RUNS times each; the table gives the
# median wall times, their ratio against the goal, and the peak resident memory of the program
# (the largest of its runs) against the input's size (goal: at most 1.5 times the input plus
# 20 MB). abazenta is also timed against meshio's ABAQUS reader (Debian's python3-meshio) when
# that is installed. Needs the programs, the generators and `floor` built in BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-5}
growth=${3:-}
bin=$build/bin
for program in anszenta ansmrp abazenta inpmigrate zentaplot floor ansys_plate_gen \
  abazenta_bench_gen zentaplot_gen inpmigrate_gen; do
  [ -x "$bin/$program" ] || { echo "missing $bin/$program: build it first" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# timed NAME COMMAND...: one run; appends "seconds peak_kib" to $work/NAME. The files written
# before (generated inputs, earlier outputs) go to disk first, so that their write-back does
# not fall into the time of the run.
timed() {
  local name=$1
  shift
  local start end
  sync
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$work/rss" "$@" > /dev/null 2> "$work/stderr" < /dev/null ||
    { echo "failed: $*" >&2; tail -3 "$work/stderr" >&2; }
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) $(cat "$work/rss")" >> "$work/$name"
}

# median NAME: median seconds of the runs of NAME; peak NAME: the largest peak (MiB).
median() { sort -n -k1 "$work/$1" | awk '{ t[NR] = $1 } END { printf "%.3f", t[int((NR + 1) / 2)] / 1e6 }'; }
peak() { awk '{ if ($2 > m) m = $2 } END { printf "%.0f", m / 1024 }' "$work/$1"; }
megabytes() { du -cb "$@" | tail -1 | awk '{ printf "%.1f", $1 / 1e6 }'; }

# take_files ARGS...: sets `files` to the arguments before "--" and `taken` to the number of
# arguments up to and with the "--".
take_files() {
  files=()
  taken=1
  while [ "$1" != -- ]; do
    files+=("$1")
    shift
    taken=$((taken + 1))
  done
}

# row NAME LABEL GOAL FILES -- COMMAND...: times the command and the floor on FILES in turn
# and prints one table row. GOAL is a ratio to the floor ("3") or a time in seconds ("1s").
row() {
  local name=$1 label=$2 goal=$3
  shift 3
  take_files "$@"
  shift "$taken"
  rm -f "$work/$name" "$work/$name.floor"
  for ((i = 0; i < runs; i++)); do
    timed "$name" "$@"
    timed "$name.floor" "$bin/floor" "${files[@]}"
  done
  local seconds floor mb mib
  seconds=$(median "$name")
  floor=$(median "$name.floor")
  mb=$(megabytes "${files[@]}")
  mib=$(peak "$name")
  awk -v l="$label" -v s="$seconds" -v f="$floor" -v g="$goal" -v mb="$mb" -v mib="$mib" 'BEGIN {
    ratio = s / f
    limit = (1.5 * mb * 1e6 + 20e6) / 1048576
    if (g ~ /s$/) { goal = "under " g; met = s < g + 0 } else { goal = g "x"; met = ratio <= g }
    printf "| %s | %s MB | %.3f s | %.3f s | %.1fx | %s | %s | %d MiB | %.2f | %s |\n", l, mb, s, f,
           ratio, goal, (met ? "yes" : "no"), mib, mib * 1048576 / (mb * 1e6),
           (mib <= limit ? "yes" : "no") }'
  echo "$seconds" > "$work/$name.seconds"
}

echo "Median of $runs runs each, program and floor in turn; $(nproc) cores, load average" \
  "$(cut -d' ' -f1-3 /proc/loadavg) at the start."
echo
echo "| run | input | program | floor | ratio | goal | met | peak RSS | peak / input | memory goal met |"
echo "|---|---:|---:|---:|---:|---:|---|---:|---:|---|"

"$bin/ansys_plate_gen" 577 "$work/plate82.cdb" > /dev/null
row anszenta "anszenta, 1M-node archive (577 x 577 eight-node)" 3 "$work/plate82.cdb" -- \
  "$bin/anszenta" "$work/plate82.cdb" "$work/plate82.inp"
rm -f "$work/plate82.cdb" "$work/plate82.inp"

"$bin/ansys_plate_gen" 999 "$work/plate42.cdb" "$work/plate42.str" > /dev/null
row ansmrp "ansmrp, 1M-node four-node archive + listing (999 x 999)" 3 "$work/plate42.cdb" \
  "$work/plate42.str" -- "$bin/ansmrp" "$work/plate42.cdb" "$work/plate42.str" "$work/plate42.mrp"
rm -f "$work/plate42.cdb" "$work/plate42.str" "$work/plate42.mrp"

"$bin/abazenta_bench_gen" 200000 100000 20000 > "$work/cps8.inp"
row abazenta "abazenta, 200k-node CPS8 plate" 1.5 "$work/cps8.inp" -- \
  "$bin/abazenta" -in "$work/cps8.inp"
"$bin/abazenta" -in "$work/cps8.inp" > "$work/legacy.inp" 2> /dev/null

row inpmigrate "inpmigrate, abazenta's output of that plate" 3 "$work/legacy.inp" -- \
  "$bin/inpmigrate" "$work/legacy.inp" "$work/current.inp"

"$bin/zentaplot_gen" 200000 "$work/zp.inp" legacy
row zentaplot "zentaplot, PNG of 199712 eight-node quadrilaterals (legacy form)" 1s \
  "$work/zp.inp" -- "$bin/zentaplot" "$work/zp.inp" "$work/zp.png"
rm -f "$work/zp.inp" "$work/zp.png"

echo
source bench/meshio_python.sh
if [ -n "$python" ]; then
  # meshio's reader knows no CPS8: it reads the same plate with its element lines typed S8R,
  # eight nodes each as well.
  # Both read in turn, so that a slower spell of the machine falls on both alike.
  sed 's/TYPE=CPS8,/TYPE=S8R,/' "$work/cps8.inp" > "$work/s8r.inp"
  rm -f "$work/meshio" "$work/abazenta.beside"
  for ((i = 0; i < runs; i++)); do
    timed meshio "$python" -c 'import sys, meshio; meshio.read(sys.argv[1], file_format="abaqus")' \
      "$work/s8r.inp"
    timed abazenta.beside "$bin/abazenta" -in "$work/cps8.inp"
  done
  awk -v m="$(median meshio)" -v a="$(median abazenta.beside)" 'BEGIN {
    printf "meshio reading the same plate: %.3f s, abazenta %.3f s in turn with it (medians); abazenta is %.1fx faster (goal 10x: %s).\n",
           m, a, m / a, (m / a >= 10 ? "met" : "not met") }'
else
  echo "meshio is not installed (Debian: python3-meshio): its row is skipped."
fi

[ "$growth" = growth ] || exit 0

# Growth: each program at about 10k, 100k and 1M nodes (abazenta up to its limit of 200k).
# Linear growth: the seconds that each step in size adds, per MB it adds, stay the same (the
# seconds per MB of a small input also carry the fixed cost of starting the program).
echo
echo "| program | nodes | input | seconds (median) | seconds per MB | added seconds per added MB" \
  "| against the largest step |"
echo "|---|---:|---:|---:|---:|---:|---:|"
# size K FILES -- COMMAND...: the input files and the command of size K (0, 1, 2) of a series,
# kept in the arrays filesK and commandK.
size() {
  local k=$1
  shift
  take_files "$@"
  shift "$taken"
  declare -g -a "files$k=()" "command$k=()"
  local -n size_files="files$k" size_command="command$k"
  size_files=("${files[@]}")
  size_command=("$@")
}
# series LABEL NODES...: one row for each size K (0, 1, 2) of the program LABEL, from the arrays
# that `size` made: the sizes run in turn, RUNS rounds, so that a slower spell of the machine
# falls on every size alike.
series() {
  local label=$1
  shift
  local nodes=("$@") k i
  for k in "${!nodes[@]}"; do rm -f "$work/grow.$k"; done
  for ((i = 0; i < runs; i++)); do
    for k in "${!nodes[@]}"; do
      local -n command="command$k"
      timed "grow.$k" "${command[@]}"
    done
  done
  for k in "${!nodes[@]}"; do
    local -n input="files$k"
    echo "$label ${nodes[$k]} $(megabytes "${input[@]}") $(median "grow.$k")" >> "$work/growth"
  done
}
sizes=(57 182 577)
for k in 0 1 2; do
  n=${sizes[$k]}
  "$bin/ansys_plate_gen" "$n" "$work/p$k.cdb" > /dev/null
  size "$k" "$work/p$k.cdb" -- "$bin/anszenta" "$work/p$k.cdb" "$work/p$k.inp"
done
series anszenta 9976 100101 1001096
rm -f "$work"/p[0-2].*
sizes=(99 315 999)
for k in 0 1 2; do
  n=${sizes[$k]}
  "$bin/ansys_plate_gen" "$n" "$work/p$k.cdb" "$work/p$k.str" > /dev/null
  size "$k" "$work/p$k.cdb" "$work/p$k.str" -- \
    "$bin/ansmrp" "$work/p$k.cdb" "$work/p$k.str" "$work/p$k.mrp"
done
series ansmrp 10000 99856 1000000
rm -f "$work"/p[0-2].*
sizes=(10000 100000 200000)
for k in 0 1 2; do
  n=${sizes[$k]}
  "$bin/abazenta_bench_gen" "$n" $((n / 2)) $((n / 10)) > "$work/a$k.inp"
  size "$k" "$work/a$k.inp" -- "$bin/abazenta" -in "$work/a$k.inp"
done
series abazenta "${sizes[@]}"
sizes=(10000 100000 1000000)
for k in 0 1 2; do
  "$bin/inpmigrate_gen" "${sizes[$k]}" "$work/m$k.inp"
  size "$k" "$work/m$k.inp" -- "$bin/inpmigrate" "$work/m$k.inp" "$work/c$k.inp"
done
series inpmigrate "${sizes[@]}"
rm -f "$work"/m[0-2].inp "$work"/c[0-2].inp
for k in 0 1 2; do
  "$bin/zentaplot_gen" $((sizes[k] / 3)) "$work/z$k.inp" legacy
  size "$k" "$work/z$k.inp" -- "$bin/zentaplot" "$work/z$k.inp" "$work/z$k.png"
done
series zentaplot "${sizes[@]}"
awk '{ label[NR] = $1; nodes[NR] = $2; mb[NR] = $3; s[NR] = $4; last[$1] = NR
       step[NR] = NR > 1 && label[NR - 1] == $1 ? ($4 - s[NR - 1]) / ($3 - mb[NR - 1]) : -1 }
  END { for (i = 1; i <= NR; i++) {
          added = step[i] < 0 ? "-" : sprintf("%.4f", step[i])
          against = step[i] < 0 ? "-" : sprintf("%.2f", step[i] / step[last[label[i]]])
          printf "| %s | %d | %.1f MB | %.3f s | %.4f | %s | %s |\n", label[i], nodes[i], mb[i],
                 s[i], s[i] / mb[i], added, against } }' "$work/growth"
