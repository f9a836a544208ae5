#!/usr/bin/env bash
# Benchmark of abazenta on a model at the node limit: a plate of 199866 nodes and 66267
# eight-node elements with 100000 *CLOAD lines, read from a file and from a pipe; then the same
# plate written as ABAQUS/CAE writes a model (a part and its instance, sets, qualified node
# names); then, with -full, the plate with and without distributed loads (a pressure on the
# faces of its top edge and gravity on every element), side by side.
#   bench/abazenta_bench.sh [BUILD_DIR [OTHER_ABAZENTA [RUNS]]]   (default build/release, -, 5)
# With OTHER_ABAZENTA (for instance a build of an earlier commit), both programs translate the
# plate in turn, RUNS times each, and the medians are compared; their outputs must be equal.
# The loads are compared by the best of RUNS runs each and, when valgrind is installed, by the
# instructions that callgrind counts (which the machine's load does not change).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
other=${2:-}
runs=${3:-5}
[ -x "$build/bin/abazenta" ] && [ -x "$build/bin/abazenta_bench_gen" ] ||
  cmake --build "$build" --target abazenta abazenta_bench_gen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/abazenta_bench_gen" 200000 200000 100000 > "$work/model.inp"
"$build/bin/abazenta_bench_gen" 200000 200000 100000 cae > "$work/cae.inp"
echo "input: $(wc -l < "$work/model.inp") lines, $(wc -c < "$work/model.inp") bytes"

# run TAG PROGRAM INPUT MODE [OPTION...]: one translation; appends "wall user system rss_kib"
# to $work/TAG
run() {
  local tag=$1 program=$2 input=$3 mode=$4
  shift 4
  if [ "$mode" = file ]; then
    /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$program" "$@" -in "$input" > "$work/out-$tag" 2> /dev/null || true
  else
    cat "$input" | /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$program" "$@" > "$work/out-$tag" 2> /dev/null || true
  fi
  cat "$work/time" >> "$work/$tag"
}

# report TAG LABEL: median wall, user and system time and peak memory of the runs of TAG
report() {
  sort -n -k1 "$work/$1" | awk -v label="$2" '{ wall[NR] = $1; user[NR] = $2; sys[NR] = $3; rss[NR] = $4 }
    END { m = int((NR + 1) / 2);
          printf "%-34s wall %.2f s (%.2f to %.2f), user %.2f s, system %.2f s, peak RSS %d MiB\n",
                 label, wall[m], wall[1], wall[NR], user[m], sys[m], rss[m] / 1024 }'
}

for mode in file pipe; do
  for ((i = 0; i < runs; i++)); do
    run "this-$mode" "$build/bin/abazenta" "$work/model.inp" $mode
    [ -z "$other" ] || run "other-$mode" "$other" "$work/model.inp" $mode
  done
  report "this-$mode" "$build/bin/abazenta ($mode)"
  if [ -n "$other" ]; then
    report "other-$mode" "$other ($mode)"
    cmp -s "$work/out-this-$mode" "$work/out-other-$mode" || { echo "outputs differ"; exit 1; }
  fi
done
for ((i = 0; i < runs; i++)); do run cae "$build/bin/abazenta" "$work/cae.inp" file; done
report cae "$build/bin/abazenta (CAE-style, file)"
echo "output: $(wc -c < "$work/out-this-file") bytes"

# best TAG: the least wall time of the runs of TAG
best() {
  sort -n -k1 "$work/$1" | head -1 | cut -d' ' -f1
}

"$build/bin/abazenta_bench_gen" 200000 200000 100000 distributed > "$work/loaded.inp"
for ((i = 0; i < runs; i++)); do
  run full-plain "$build/bin/abazenta" "$work/model.inp" file -full -quiet
  run full-loaded "$build/bin/abazenta" "$work/loaded.inp" file -full -quiet
done
report full-plain "-full, without distributed loads"
report full-loaded "-full, pressure and gravity"
echo "ALOADS records: $(sed -n '/^ALOADS$/{n;p}' "$work/out-full-plain") without," \
     "$(sed -n '/^ALOADS$/{n;p}' "$work/out-full-loaded") with distributed loads"
awk -v a="$(best full-loaded)" -v b="$(best full-plain)" \
  'BEGIN { printf "best wall with loads / without: %.2f\n", a / b }'
if command -v valgrind > /dev/null; then
  instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$build/bin/abazenta" -full -quiet \
      -in "$1" 2>&1 > /dev/null | sed -n 's/.*refs: *//p' | tr -d ,
  }
  plain=$(instructions "$work/model.inp")
  loaded=$(instructions "$work/loaded.inp")
  awk -v a="$loaded" -v b="$plain" \
    'BEGIN { printf "instructions: %d without, %d with loads, ratio %.2f\n", b, a, a / b }'
fi
