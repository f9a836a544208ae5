#!/usr/bin/env bash
# Times zentaplot on generated models of about 20k and 200k eight-node quadrilaterals, in the
# legacy and the current form, drawn into a PNG (and the largest also into an SVG); the largest
# also as a legacy file that keeps the current layout up to its last line ("late").
#   bench/zentaplot_bench.sh [BUILD_DIR]      (default build/release; needs zentaplot_gen)
# Prints one Markdown table row per run: elements, nodes, form, input size, picture, wall time
# (best of 3), processor time (user + system) and peak memory, all from /usr/bin/time -v.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/release}/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. bench/best_of_three.sh

echo "| elements | nodes | form | input | picture | wall time (best of 3) | processor time | peak memory |"
echo "|---:|---:|---|---:|---|---:|---:|---:|"
run() {  # run ELEMENTS FORM EXTENSION
  "$bin"/zentaplot_gen "$1" "$work/in.inp" "$2"
  read -r nodes elems _ < <(sed -n 2p "$work/in.inp")
  best_of_three "$work" "$bin"/zentaplot "$work/in.inp" "$work/out.$3"
  printf '| %d | %d | %s | %s | %s %s | %.2f s | %.2f s | %d MiB |\n' "$elems" "$nodes" "$2" \
    "$(du -h "$work/in.inp" | cut -f1)" "$3" "$(du -h "$work/out.$3" | cut -f1)" "$best" "$cpu" \
    $((mem / 1024))
}
for n in 20000 200000; do
  for form in legacy current; do run "$n" "$form" png; done
done
run 200000 late png
run 200000 current svg
