#!/usr/bin/env bash
# Times `beamwise --batch` on a generated table of antennas beside textbook.awk, which
# computes the textbook formulas over the same rows, interleaved so that both see the
# same machine; then the peak memory of the batch for a short and a long table.
# Usage: batch_bench.sh BEAMWISE [ROWS [RUNS]]   (a Release build's beamwise)
set -euo pipefail
beamwise=$1 rows=${2:-100000} runs=${3:-7}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$here/make_table.sh" "$rows" > "$work/table.csv"
seconds() { /usr/bin/time -f %e -o "$work/time" "$@" > /dev/null || true; tail -n 1 "$work/time"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for ((i = 0; i < runs; i++)); do
    seconds "$beamwise" --batch "$work/table.csv" >> "$work/beamwise"
    seconds awk -f "$here/textbook.awk" "$work/table.csv" >> "$work/awk"
done
b=$(median < "$work/beamwise") a=$(median < "$work/awk")
refused=$("$beamwise" --batch "$work/table.csv" --format json | grep -c '"error":"' || true)
echo "$rows rows, $refused of them refused; median of $runs runs each"
echo "beamwise --batch: $b s   awk: $a s   ratio $(awk -v b="$b" -v a="$a" 'BEGIN { printf "%.2f", b / a }') (goal <= 2)"
for n in 10 200000; do
    "$here/make_table.sh" "$n" > "$work/memory.csv"
    /usr/bin/time -f "peak memory for $n rows: %M KiB" "$beamwise" --batch "$work/memory.csv" > /dev/null 2> "$work/memory" || true
    tail -n 1 "$work/memory"
done
