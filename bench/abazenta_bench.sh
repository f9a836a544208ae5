#!/usr/bin/env bash
# Benchmark of abazenta on a model at the node limit: 200000 nodes, 200000 eight-node elements
# and 100000 *CLOAD lines, read from a file and from a pipe; then the same plate written as
# ABAQUS/CAE writes a model (a part and its instance, sets, qualified node names).
#   bench/abazenta_bench.sh [BUILD_DIR [OTHER_ABAZENTA [RUNS]]]   (default build/release, -, 5)
# With OTHER_ABAZENTA (for instance a build of an earlier commit), both programs translate the
# plate in turn, RUNS times each, and the medians are compared; their outputs must be equal.
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

# run TAG PROGRAM INPUT MODE: one translation; appends "wall user system rss_kib" to $work/TAG
run() {
  local tag=$1 program=$2 input=$3 mode=$4
  if [ "$mode" = file ]; then
    /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$program" -in "$input" > "$work/out-$tag" 2> /dev/null || true
  else
    cat "$input" | /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$program" > "$work/out-$tag" 2> /dev/null || true
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
