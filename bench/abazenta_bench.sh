#!/usr/bin/env bash
# Benchmark of abazenta; figures and commands in bench/RESULTS.md.
#   bench/abazenta_bench.sh [BUILD_DIR [OTHER_ABAZENTA [RUNS [FLOOR]]]]   (build/release, -, 5, -)
# 1. The plate of the speed table (abazenta_bench_gen 200000 100000 20000: 199866 nodes, 66267
#    eight-node elements, 20000 *CLOAD lines, 10.6 MB), translated from the file (-in), from a
#    pipe and into an -out file, in turn with FLOOR (a program that reads the file and converts
#    every number in it, nothing else) and with OTHER_ABAZENTA (an earlier build) when given, and
#    with meshio's ABAQUS reader when python3-meshio is installed (on the plate with its elements
#    typed S8R: meshio takes no CPS8 and stops at the element block with an error, so that it
#    would be timed on the nodes alone; abazenta writes the same file for both types): median
#    wall times of RUNS
#    runs, peak memory against its goal (1.5 times the input plus 20 MB); then the same plate as
#    ABAQUS/CAE writes a model (a part and its instance, mixed-case keywords, a generated set,
#    loads on "Plate-1.N"). The outputs of both programs must be byte for byte equal.
# 2. Growth: the same plate at 10k, 100k and 200k nodes: median time and instructions (counted
#    by callgrind, when valgrind is installed) per MB of input.
# 3. -full: the plate at the node limit (100000 *CLOAD lines) without and with a pressure on its
#    top edge and gravity on every element: best and median wall times, their ratio, and the
#    ratio of the instructions that callgrind counts, which the machine's load does not change.
#    The forces are worked out on a thread of their own while the mesh is written; with taskset
#    the same runs are timed again on one core, where that thread has no core of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
other=${2:-}
runs=${3:-5}
floor=${4:-}
program=$build/bin/abazenta
generator=$build/bin/abazenta_bench_gen
[ -x "$program" ] && [ -x "$generator" ] || cmake --build "$build" --target abazenta abazenta_bench_gen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# timed TAG COMMAND...: one run, standard input from /dev/null, both outputs into $work;
# appends "milliseconds peak_kib" to $work/TAG.
timed() {
  local tag=$1
  shift
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$work/rss" "$@" > "$work/out-$tag" 2> "$work/err-$tag" < /dev/null || true
  end=$(date +%s%N)
  echo "$(((end - start) / 1000000)) $(tail -1 "$work/rss")" >> "$work/$tag"
}

# best TAG, median TAG: milliseconds; peak TAG: the largest peak memory of the runs (MiB).
best() { sort -n -k1 "$work/$1" | head -1 | cut -d' ' -f1; }
median() { sort -n -k1 "$work/$1" | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'; }
peak() { awk '{ if ($2 > m) m = $2 } END { printf "%.1f", m / 1024 }' "$work/$1"; }

# report TAG LABEL INPUT: one line of figures of the runs of TAG on INPUT.
report() {
  local bytes
  bytes=$(wc -c < "$3")
  awk -v l="$2" -v b="$(best "$1")" -v m="$(median "$1")" -v p="$(peak "$1")" -v bytes="$bytes" \
    'BEGIN { limit = (1.5 * bytes + 20e6) / 1048576
             printf "%-40s median %5d ms (best %5d)  peak %5.1f MiB (goal %.1f: %s)\n", l, m, b, p,
                    limit, (p <= limit ? "met" : "not met") }'
}

# ratio TAG1 TAG2 LABEL: the median of TAG1 over that of TAG2.
ratio() {
  awk -v a="$(median "$1")" -v b="$(median "$2")" -v l="$3" \
    'BEGIN { printf "%s: %.2f\n", l, a / b }'
}

# instructions INPUT OPTION...: what callgrind counts for one translation of INPUT.
instructions() {
  local input=$1
  shift
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$program" "$@" -in "$input" 2>&1 \
    > /dev/null | sed -n 's/.*refs: *//p' | tr -d ,
}

echo "== 1. The plate of the speed table"
"$generator" 200000 100000 20000 > "$work/plate.inp"
echo "input: $(wc -l < "$work/plate.inp") lines, $(wc -c < "$work/plate.inp") bytes"
source bench/meshio_python.sh
for ((i = 0; i < runs; i++)); do
  timed file "$program" -in "$work/plate.inp"
  timed pipe sh -c 'cat "$1" | "$2"' sh "$work/plate.inp" "$program"
  timed out "$program" -in "$work/plate.inp" -out "$work/plate-legacy.inp"
  [ -z "$floor" ] || timed floor "$floor" "$work/plate.inp"
  if [ -n "$other" ]; then
    timed other-file "$other" -in "$work/plate.inp"
    timed other-pipe sh -c 'cat "$1" | "$2"' sh "$work/plate.inp" "$other"
  fi
done
cmp -s "$work/out-file" "$work/out-pipe" && cmp -s "$work/out-file" "$work/plate-legacy.inp" ||
  { echo "the file, pipe and -out runs differ"; exit 1; }
report file "abazenta -in" "$work/plate.inp"
report pipe "cat | abazenta" "$work/plate.inp"
report out "abazenta -in -out" "$work/plate.inp"
if [ -n "$floor" ]; then
  report floor "floor" "$work/plate.inp"
  ratio file floor "abazenta -in against the floor (goal 1.5)"
fi
if [ -n "$other" ]; then
  report other-file "$other -in" "$work/plate.inp"
  report other-pipe "cat | $other" "$work/plate.inp"
  for mode in file pipe; do
    cmp -s "$work/out-$mode" "$work/out-other-$mode" && cmp -s "$work/err-$mode" "$work/err-other-$mode" ||
      { echo "outputs differ ($mode)"; exit 1; }
  done
  ratio other-file file "abazenta -in, $other against this one"
fi
"$generator" 200000 100000 20000 cae > "$work/cae.inp"
for ((i = 0; i < runs; i++)); do timed cae "$program" -in "$work/cae.inp"; done
report cae "abazenta -in, CAE-style deck" "$work/cae.inp"
if [ -n "$python" ]; then
  sed 's/TYPE=CPS8,/TYPE=S8R,/' "$work/plate.inp" > "$work/plate-s8r.inp"
  # In turn with abazenta, so that a slower spell of the machine falls on both alike.
  for ((i = 0; i < (runs < 3 ? runs : 3); i++)); do
    timed meshio "$python" -c 'import sys, meshio; meshio.read(sys.argv[1], file_format="abaqus")' \
      "$work/plate-s8r.inp"
    timed beside "$program" -in "$work/plate.inp"
  done
  [ ! -s "$work/err-meshio" ] || { echo "meshio could not read the plate:"; cat "$work/err-meshio"; }
  report meshio "meshio's reader (S8R)" "$work/plate-s8r.inp"
  report beside "abazenta -in, in turn with meshio" "$work/plate.inp"
  ratio meshio beside "meshio's reader against abazenta -in (goal 10)"
else
  echo "meshio is not installed (Debian: python3-meshio): its row is skipped."
fi

echo "== 2. Growth"
for nodes in 10000 100000 200000; do
  "$generator" "$nodes" $((nodes / 2)) $((nodes / 10)) > "$work/g.inp"
  rm -f "$work/grow"
  for ((i = 0; i < runs; i++)); do timed grow "$program" -in "$work/g.inp"; done
  count=
  command -v valgrind > /dev/null && count=$(instructions "$work/g.inp")
  awk -v n="$nodes" -v bytes="$(wc -c < "$work/g.inp")" -v ms="$(median grow)" -v i="${count:-0}" \
    'BEGIN { mb = bytes / 1e6
             printf "%6d nodes %5.2f MB: median %4d ms, %5.2f ms per MB", n, mb, ms, ms / mb
             if (i > 0) printf ", %.1f million instructions per MB", i / 1e6 / mb
             printf "\n" }'
done

echo "== 3. -full with and without distributed loads"
"$generator" 200000 200000 100000 > "$work/model.inp"
"$generator" 200000 200000 100000 distributed > "$work/loaded.inp"
for ((i = 0; i < runs; i++)); do
  timed full-plain "$program" -full -quiet -in "$work/model.inp"
  timed full-loaded "$program" -full -quiet -in "$work/loaded.inp"
done
report full-plain "-full, without distributed loads" "$work/model.inp"
report full-loaded "-full, pressure and gravity" "$work/loaded.inp"
echo "ALOADS records: $(sed -n '/^ALOADS$/{n;p}' "$work/out-full-plain") without," \
     "$(sed -n '/^ALOADS$/{n;p}' "$work/out-full-loaded") with distributed loads"
awk -v a="$(best full-loaded)" -v b="$(best full-plain)" -v c="$(median full-loaded)" \
  -v d="$(median full-plain)" \
  'BEGIN { printf "with loads / without: best %.2f, median %.2f (goal 1.3)\n", a / b, c / d }'
if command -v taskset > /dev/null; then
  for ((i = 0; i < runs; i++)); do
    timed core-plain taskset -c 0 "$program" -full -quiet -in "$work/model.inp"
    timed core-loaded taskset -c 0 "$program" -full -quiet -in "$work/loaded.inp"
  done
  report core-plain "-full, without, on one core" "$work/model.inp"
  report core-loaded "-full, pressure and gravity, on one core" "$work/loaded.inp"
  awk -v a="$(best core-loaded)" -v b="$(best core-plain)" -v c="$(median core-loaded)" \
    -v d="$(median core-plain)" \
    'BEGIN { printf "on one core, with / without: best %.2f, median %.2f\n", a / b, c / d }'
fi
if command -v valgrind > /dev/null; then
  plain=$(instructions "$work/model.inp" -full -quiet)
  loaded=$(instructions "$work/loaded.inp" -full -quiet)
  awk -v a="$loaded" -v b="$plain" \
    'BEGIN { printf "instructions: %d without, %d with loads, ratio %.2f\n", b, a, a / b }'
fi
