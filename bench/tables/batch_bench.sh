#!/usr/bin/env bash
# Times `beamwise --batch` on a generated table of antennas (site, diameter, frequency,
# efficiency) beside Miller computing the same five readings by their formulas
# (textbook.mlr) and beside textbook.awk, interleaved so that all see the same machine;
# then the peak memory of the batch for a short and a long table of mixed pairs.
# Miller (Debian's `miller`) is for this benchmark only.
# Usage: batch_bench.sh BEAMWISE [ROWS [RUNS]]   (a Release build's beamwise)
set -euo pipefail
beamwise=$1 rows=${2:-100000} runs=${3:-5}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$here/make_site_table.sh" "$rows" > "$work/table.csv"
# To the millisecond: a Release build answers the table in well under a tenth of a second.
seconds() {
    local TIMEFORMAT=%3R
    { time "$@" > /dev/null 2> /dev/null || true; } 2>&1
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for ((i = 0; i < runs; i++)); do
    seconds "$beamwise" --batch "$work/table.csv" >> "$work/beamwise"
    seconds mlr --icsv --ocsv put -f "$here/textbook.mlr" "$work/table.csv" >> "$work/miller"
    seconds awk -f "$here/textbook.awk" "$work/table.csv" >> "$work/awk"
done
b=$(median < "$work/beamwise") m=$(median < "$work/miller") a=$(median < "$work/awk")
ratio() { awk -v x="$1" -v y="$2" 'BEGIN { printf "%.2f", x / y }'; }
echo "$rows rows; median of $runs interleaved runs each"
echo "beamwise --batch: $b s   Miller: $m s   awk: $a s"
echo "beamwise/Miller $(ratio "$b" "$m") (goal <= 0.25)   beamwise/awk $(ratio "$b" "$a")"
for n in 10 200000; do
    "$here/make_table.sh" "$n" > "$work/memory.csv"
    /usr/bin/time -f "peak memory for $n rows: %M KiB (goal < 40 MB)" "$beamwise" --batch "$work/memory.csv" > /dev/null 2> "$work/memory" || true
    tail -n 1 "$work/memory"
done
