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
# Debian's interpreter first: another python3 earlier on PATH may lack Debian's packages.
python=
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import meshio' 2> /dev/null; then
    python=$candidate
    break
  fi
done
if [ -n "$python" ]; then
  # meshio's reader knows no CPS8: it reads the same plate with its element lines typed S8R,
  # eight nodes each as well.
  sed 's/TYPE=CPS8,/TYPE=S8R,/' "$work/cps8.inp" > "$work/s8r.inp"
  rm -f "$work/meshio"
  for ((i = 0; i < runs; i++)); do
    timed meshio "$python" -c 'import sys, meshio; meshio.read(sys.argv[1], file_format="abaqus")' \
      "$work/s8r.inp"
  done
  awk -v m="$(median meshio)" -v a="$(cat "$work/abazenta.seconds")" 'BEGIN {
    printf "meshio reading the same plate: %.3f s (median of its runs); abazenta is %.1fx faster (goal 10x: %s).\n",
           m, m / a, (m / a >= 10 ? "met" : "not met") }'
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
# grow PROGRAM_LABEL NODES FILES -- COMMAND...: one row; keeps the figure for the comparison.
grow() {
  local label=$1 nodes=$2
  shift 2
  take_files "$@"
  shift "$taken"
  rm -f "$work/grow"
  for ((i = 0; i < runs; i++)); do timed grow "$@"; done
  local mb
  mb=$(megabytes "${files[@]}")
  echo "$label $nodes $mb $(median grow)" >> "$work/growth"
}
for n in 57 182 577; do
  "$bin/ansys_plate_gen" "$n" "$work/p.cdb" > /dev/null
  grow anszenta $((3 * n * n + 4 * n + 1)) "$work/p.cdb" -- "$bin/anszenta" "$work/p.cdb" "$work/p.inp"
done
for n in 99 315 999; do
  "$bin/ansys_plate_gen" "$n" "$work/p.cdb" "$work/p.str" > /dev/null
  grow ansmrp $(((n + 1) * (n + 1))) "$work/p.cdb" "$work/p.str" -- \
    "$bin/ansmrp" "$work/p.cdb" "$work/p.str" "$work/p.mrp"
done
rm -f "$work"/p.*
for n in 10000 100000 200000; do
  "$bin/abazenta_bench_gen" "$n" $((n / 2)) $((n / 10)) > "$work/a.inp"
  grow abazenta "$n" "$work/a.inp" -- "$bin/abazenta" -in "$work/a.inp"
done
for n in 10000 100000 1000000; do
  "$bin/inpmigrate_gen" "$n" "$work/m.inp"
  grow inpmigrate "$n" "$work/m.inp" -- "$bin/inpmigrate" "$work/m.inp" "$work/c.inp"
done
for n in 10000 100000 1000000; do
  "$bin/zentaplot_gen" $((n / 3)) "$work/z.inp" legacy
  grow zentaplot "$n" "$work/z.inp" -- "$bin/zentaplot" "$work/z.inp" "$work/z.png"
done
awk '{ label[NR] = $1; nodes[NR] = $2; mb[NR] = $3; s[NR] = $4; last[$1] = NR
       step[NR] = NR > 1 && label[NR - 1] == $1 ? ($4 - s[NR - 1]) / ($3 - mb[NR - 1]) : -1 }
  END { for (i = 1; i <= NR; i++) {
          added = step[i] < 0 ? "-" : sprintf("%.4f", step[i])
          against = step[i] < 0 ? "-" : sprintf("%.2f", step[i] / step[last[label[i]]])
          printf "| %s | %d | %.1f MB | %.3f s | %.4f | %s | %s |\n", label[i], nodes[i], mb[i],
                 s[i], s[i] / mb[i], added, against } }' "$work/growth"
