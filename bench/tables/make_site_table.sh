#!/bin/sh
# Writes a CSV table of N antennas (default 100000) to standard output, the same table
# for the same N and SEED: diameter in m, frequency in GHz, efficiency in % and a site,
# quoted with a comma on some rows, every antenna within the nomograms' scales. It is
# the table on which `beamwise --batch`, Miller (textbook.mlr) and textbook.awk are
# timed side by side; the site comes last, where textbook.awk still finds the others.
# Usage: make_site_table.sh [N [SEED]] > table.csv
exec awk -v n="${1:-100000}" -v seed="${2:-1}" '
function pick(lo, hi) { return lo * exp(rand() * log(hi / lo)) }
BEGIN {
    srand(seed)
    print "diameter,frequency,efficiency,site"
    for (i = 1; i <= n; i++) {
        # 0.5 <= D f <= 500 keeps the gain and both beamwidths on their scales,
        # 0.2 <= D^2 f <= 1400 the far-field range.
        do { d = pick(0.2, 30); f = pick(0.05, 60) } while (d * f < 0.5 || d * f > 500 || d * d * f < 0.2 || d * d * f > 1400)
        site = rand() < 0.2 ? sprintf("\"Mast %d, roof\"", i) : "Dish " i
        printf "%.3g,%.4g,%d,%s\n", d, f, int(pick(40, 100)), site
    }
}'
