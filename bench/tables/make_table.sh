#!/bin/sh
# Writes a CSV table of N antennas (default 100000) to standard output, the same
# table for the same N and SEED: for timing `beamwise --batch` beside textbook.awk.
# Each row gives two quantities with units, mostly diameter and frequency, an
# efficiency on some rows and a site, quoted with a comma on some; about a tenth of
# the rows lie beyond the nomograms' scales. The site comes last, where textbook.awk
# still finds every other column.
# Usage: make_table.sh [N [SEED]] > table.csv
exec awk -v n="${1:-100000}" -v seed="${2:-1}" '
function pick(lo, hi) { return lo * exp(rand() * log(hi / lo)) }
function lg(x) { return log(x) / log(10) }
function diameter(d) {
    if (rand() < 0.3) return sprintf("%.3g cm", d * 100)
    if (rand() < 0.3) return sprintf("%.3g ft", d / 0.3048)
    return sprintf(rand() < 0.5 ? "%.3g m" : "%.3gm", d)
}
function frequency(f) { return f < 1 ? sprintf("%.4g MHz", f * 1000) : sprintf(rand() < 0.5 ? "%.4gGHz" : "%.4g GHz", f) }
function gain(d, f, e) { return sprintf("%.4g dBi", 20.48 + 20 * lg(d * f) - 10 * lg(100 / e)) }
function beamwidth(d, f) { return sprintf(rand() < 0.5 ? "%.3g deg" : "%.3g°", 21.1 / (d * f)) }
function farfield(d, f) { return sprintf("%.4g m", 2 * d * d * f / 0.2998) }
BEGIN {
    srand(seed)
    print "diameter,frequency,gain,beamwidth,far-field,efficiency,site"
    for (i = 1; i <= n; i++) {
        # An antenna within every scale: 0.5 <= D f <= 500 keeps the gain and both
        # beamwidths on theirs, 0.2 <= D^2 f <= 1400 the far-field range.
        do { d = pick(0.2, 30); f = pick(0.05, 60) } while (d * f < 0.5 || d * f > 500 || d * d * f < 0.2 || d * d * f > 1400)
        e = rand() < 0.4 ? int(pick(40, 100)) : 100
        eff = e == 100 ? "" : sprintf(rand() < 0.5 ? "%d %%" : "%d%%", e)
        site = rand() < 0.2 ? sprintf("\"Mast %d, roof\"", i) : "Dish " i
        k = rand()
        if (rand() < 0.1) {
            # Beyond reach: a gain above 75 dBi, a dish wider than 100 m, a frequency above 100 GHz.
            eff = ""
            if (k < 0.34) row = sprintf("%d m,%d GHz,,,,", pick(60, 100), pick(40, 100))
            else if (k < 0.67) row = sprintf(",%.3g GHz,%.3g dBi,,,", pick(0.05, 0.2), pick(70, 75))
            else row = sprintf("%.2g m,,,,%d m,", pick(0.1, 0.3), pick(5000, 9999))
        } else if (k < 0.5) row = diameter(d) "," frequency(f) ",,,,"
        else if (k < 0.65) row = "," frequency(f) "," gain(d, f, e) ",,,"
        else if (k < 0.77) row = diameter(d) ",," gain(d, f, e) ",,,"
        else if (k < 0.87) row = "," frequency(f) ",," beamwidth(d, f) ",,"
        else if (k < 0.94) row = diameter(d) ",,,," farfield(d, f) ","
        else row = ",," gain(d, f, e) ",," farfield(d, f) ","
        print row eff "," site
    }
}'
