# Sourced by the benchmark scripts: best_of_three WORKDIR COMMAND... runs the command three
# times under /usr/bin/time -v and sets `best` (least wall seconds) and, of that run, `cpu`
# (user + system seconds) and `mem` (maximum resident set size, KiB).
best_of_three() {
  local work=$1
  shift
  best="" cpu="" mem=""
  local run wall secs rss used
  for run in 1 2 3; do
    /usr/bin/time -v -o "$work/time.txt" "$@" >/dev/null
    wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt")
    secs=$(echo "$wall" | awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
    used=$(awk -F': ' '/User time|System time/ { s += $2 } END { print s }' "$work/time.txt")
    if [ -z "$best" ] || awk -v a="$secs" -v b="$best" 'BEGIN { exit !(a < b) }'; then
      best=$secs cpu=$used mem=$rss
    fi
  done
}
