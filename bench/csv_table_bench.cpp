// How long the table reader takes to hand over every record of a table, without
// doing anything with them: its share of the time `beamwise --batch` may take.
// Usage: bench_csv_table TABLE (as bench/tables/make_table.sh writes one)

#include "cli/csv_table.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_csv_table TABLE\n");
        return 2;
    }
    // The best of five readings, the file in the page cache after the first.
    double best = 1e9;
    qint64 records = 0;
    qint64 fields = 0;
    for (int round = 0; round < 5; ++round) {
        records = fields = 0;
        QElapsedTimer clock;
        clock.start();
        const CsvTableOutcome outcome = readCsvTable(argv[1], [&](const CsvRecord &row) {
            ++records;
            fields += row.size();
            return true;
        });
        best = std::min(best, clock.nsecsElapsed() / 1e6);
        if (outcome.kind != CsvTableOutcome::Done) {
            std::fprintf(stderr, "bench_csv_table: the table is not read to its end\n");
            return 1;
        }
    }
    std::printf("%lld records, %lld fields read in %.1f ms\n", records, fields, best);
    return 0;
}
