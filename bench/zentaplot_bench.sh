#!/usr/bin/env bash
# Times zentaplot on generated models of about 20k and 200k eight-node quadrilaterals, in the
# legacy and the current form, drawn into a PNG (and the largest also into an SVG).
#   bench/zentaplot_bench.sh [BUILD_DIR]      (default build/release; needs zentaplot_gen)
# Prints one Markdown table row per run: elements, nodes, form, input size, picture, wall time
# (best of 3), processor time (user + system) and peak memory, all from /usr/bin/time -v.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release}/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "| elements | nodes | form | input | picture | wall time (best of 3) | processor time | peak memory |"
echo "|---:|---:|---|---:|---|---:|---:|---:|"
run() {  # run ELEMENTS FORM EXTENSION
  "$bin"/zentaplot_gen "$1" "$work/in.inp" "$2"
  read -r nodes elems _ < <(sed -n 2p "$work/in.inp")
  best="" cpu="" mem=""
  for _ in 1 2 3; do
    /usr/bin/time -v -o "$work/time.txt" "$bin"/zentaplot "$work/in.inp" "$work/out.$3" >/dev/null
    wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt")
    secs=$(echo "$wall" | awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
    used=$(awk -F': ' '/User time|System time/ { s += $2 } END { print s }' "$work/time.txt")
    if [ -z "$best" ] || awk -v a="$secs" -v b="$best" 'BEGIN { exit !(a < b) }'; then
      best=$secs cpu=$used mem=$rss
    fi
  done
  printf '| %d | %d | %s | %s | %s %s | %.2f s | %.2f s | %d MiB |\n' "$elems" "$nodes" "$2" \
    "$(du -h "$work/in.inp" | cut -f1)" "$3" "$(du -h "$work/out.$3" | cut -f1)" "$best" "$cpu" \
    $((mem / 1024))
}
for n in 20000 200000; do
  for form in legacy current; do run "$n" "$form" png; done
done
run 200000 current svg
