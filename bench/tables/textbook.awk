#!/usr/bin/awk -f
# The yardstick for `beamwise --batch`: reads a table of antennas (as make_table.sh or
# make_site_table.sh writes) and prints, by the textbook formulas, each row's diameter,
# frequency, gain, 3 dB and 10 dB beamwidths and far-field range, or that it lies
# beyond the nomograms.
# The header names the columns in any order; cells carry their units (one it does not
# know is taken as m, GHz, dBi, degrees or %, as the column has it). Fields are split
# at every comma, quoted or not, so a quoted comma shifts the columns after it: the
# tables put the site, the one column with such commas, last.
# Usage: awk -f textbook.awk table.csv
BEGIN {
    FS = ","
    split("m 1 cm 0.01 mm 0.001 km 1000 ft 0.3048 in 0.0254 ghz 1 mhz 0.001 khz 1e-6 hz 1e-9", u, " ")
    for (i = 1; i in u; i += 2) unit[u[i]] = u[i + 1]
    print "diameter_m,frequency_ghz,gain_dbi,beamwidth_3db_deg,beamwidth_10db_deg,far_field_m"
}
function lg(x) { return log(x) / log(10) }
function trim(cell) { gsub(/^(\357\273\277)?[ \t"]+|[ \t"\r]+$/, "", cell); return cell }
# The value in the named column in m, GHz, dBi, degrees or %; "" when empty or missing.
function value(name,    cell, number) {
    cell = name in column ? trim($column[name]) : ""
    if (cell == "") return ""
    number = cell + 0
    sub(/^[-+0-9.eE]+[ \t]*/, "", cell)
    cell = tolower(cell)
    return cell in unit ? number * unit[cell] : number
}
NR == 1 { for (i = 1; i <= NF; i++) column[tolower(trim($i))] = i; next }
{
    d = value("diameter"); f = value("frequency"); g = value("gain")
    b = value("beamwidth"); r = value("far-field"); e = value("efficiency")
    if (e == "") e = 100
    if ((d != "") + (f != "") + (g != "") + (b != "") + (r != "") != 2 || (g != "" && b != "") || \
        (d != "" && d <= 0) || (f != "" && f <= 0) || (b != "" && b <= 0) || (r != "" && r <= 0) || e <= 0) {
        print "line " NR ": give two of diameter, frequency, gain, beamwidth and far-field range, each above zero"
        next
    }
    # D f from the gain or the beamwidth, D^2 f from the far-field range (lambda = 0.2998 / f).
    p = g != "" ? 10 ^ ((g - 20.48 + 10 * lg(100 / e)) / 20) : b != "" ? 21.1 / b : ""
    q = r != "" ? r * 0.2998 / 2 : ""
    if (d == "" && f == "") { d = q / p; f = p / d }
    else if (d == "") d = p != "" ? p / f : sqrt(q / f)
    else if (f == "") f = p != "" ? p / d : q / (d * d)
    g = 20.48 + 20 * lg(d * f) - 10 * lg(100 / e)
    b = 21.1 / (d * f); r = 2 * d * d * f / 0.2998
    if (d < 0.1 || d > 100 || f < 0.01 || f > 100 || g < 0 || g > 75 || b < 0.03 || 39.6 / (d * f) > 100 || r < 1 ||
        r > 10000 || e < 10 || e > 100)
        print "line " NR ": beyond the nomograms"
    else
        printf "%.4g,%.4g,%.4g,%.4g,%.4g,%.4g\n", d, f, g, b, 39.6 / (d * f), r
}
