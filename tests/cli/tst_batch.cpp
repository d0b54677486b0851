#include "support/process.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

// Tables of antennas as users hand them over: every row answered in its place, as the
// command line answers the same antenna, whatever the table's quoting, line ends and
// order of columns; refusals lose nothing; records come out as the rows come in.

namespace {

// The antenna part of a record: what a single --readings --format json gives.
QJsonObject antennaOf(QJsonObject record, const QStringList &columns)
{
    for (const QString &column : columns)
        record.remove(column);
    return record;
}

} // namespace

class BatchTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    QString table(const QByteArray &text)
    {
        static int n = 0;
        const QString file = dir.filePath(QString("t%1.csv").arg(++n));
        return write(file, text) ? file : QString();
    }

private slots:
    // Rows of every pair of quantities, in several units and in German numbers too: each
    // record is the one --readings --format json gives for the same two options, or the
    // same refusal; the table's own columns come first, as they were.
    void recordsAreTheCommandLines()
    {
        const QStringList columns{"site",      "Diameter",  "FREQUENCY", "gain",
                                  "beamwidth", "far-field", "efficiency"};
        const QList<QStringList> rows{{"a", "1.2 m", "11.7GHz", "", "", "", "60 %"},
                                      {"b \"old\"", "90cm", "", "30", "", "", ""},
                                      {"c", "", "1420 MHz", "", "2\u00B0", "", "55"},
                                      {"d", "4 ft", "", "", "", "50 m", ""},
                                      {"e", "", "", "41.2 dBi", "", "118 m", "60"},
                                      {"f", "", "", "", "0.9 deg", "2 km", ""},
                                      {"g", "", "12 GHz", "", "", "20 km", ""},
                                      {"h", "100 m", "50 GHz", "", "", "", ""},
                                      {"i", "", "0.1", "70", "", "", ""},
                                      {"j", "1,2 m", "11,7", "", "", "", ""}};
        for (const char *lang : {"en_GB.UTF-8", "de_DE.UTF-8"}) {
            QByteArray text = columns.join(',').toUtf8() + '\n';
            for (const QStringList &row : rows)
                text += '"' + QStringList(row).replaceInStrings("\"", "\"\"").join("\",\"").toUtf8()
                        + "\"\n";
            const Run batch =
                    run(BEAMWISE_BINARY, {"--batch", table(text), "--format", "json"}, lang);
            const QStringList records = batch.out.split('\n', Qt::SkipEmptyParts);
            QCOMPARE(records.size(), rows.size());
            bool refused = false;
            for (qsizetype r = 0; r < rows.size(); ++r) {
                const QJsonObject record = QJsonDocument::fromJson(records[r].toUtf8()).object();
                QStringList options{"--readings", "--format", "json"};
                for (qsizetype c = 0; c < columns.size(); ++c) {
                    QCOMPARE(record[columns[c]].toString(), rows[r][c]);
                    if (c > 0 && !rows[r][c].isEmpty())
                        options << "--" + columns[c].toLower() << rows[r][c];
                }
                const Run single = run(BEAMWISE_BINARY, options, lang);
                const QString error = record["error"].toString();
                refused = refused || !error.isEmpty();
                QCOMPARE(error.isEmpty(), single.status == 0);
                if (single.status == 0)
                    QCOMPARE(antennaOf(record, columns),
                             QJsonDocument::fromJson(single.out.toUtf8()).object());
                else // the same sentence; a cell is named by its column, an option by its name
                    QVERIFY2(single.err.contains(error.mid(
                                     error.startsWith(columns[1]) ? columns[1].size() : 0)),
                             qPrintable(error + " | " + single.err));
            }
            QVERIFY(refused);
            QCOMPARE(batch.status, 2);
        }
    }

    // Quoted commas, quotes and line breaks, CRLF and a byte-order mark, a blank line:
    // the cells come out as they went in, each record in the CSV the default gives.
    void tablesAreReadAsWritten()
    {
        const QByteArray rows =
                "\"far-field\",site,frequency\r\n100 m,\"Mast, \"\"north\"\"\",10 GHz\r\n"
                "\r\n2 km,\"Roof\r\nwest\",1 GHz\r\n";
        const Run done = run(BEAMWISE_BINARY, {"--batch", table("\xEF\xBB\xBF" + rows)});
        QCOMPARE(done.status, 0);
        const QStringList lines = done.out.split('\n');
        QVERIFY2(lines[0].startsWith("far-field,site,frequency,diameter_m,frequency_GHz,"),
                 qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith("100 m,\"Mast, \"\"north\"\"\",10 GHz,1.196,10,,")
                         && lines[1].endsWith(",diameter,"),
                 qPrintable(lines[1]));
        QVERIFY2(lines[2].startsWith("2 km,\"Roof\r") && lines[3].startsWith("west\",1 GHz,"),
                 qPrintable(done.out));
    }

    // A refused row has its sentence and the table goes on; a table that cannot be used
    // is refused in one line naming its line, after the records before it; a file that
    // cannot be read, with the system's reason.
    void refusalsLoseNothing()
    {
        const struct
        {
            QByteArray table;
            int status;
            const char *said;
            int records;
        } cases[] = {{"diameter,frequency\n1 m,10 GHz\n", 0, "", 2},
                     {"site\nx\n", 2, ", line 1: no column is named diameter", 0},
                     {"diameter,diameter\n", 2,
                      ", line 1: two columns are named \u201Cdiameter\u201D", 0},
                     {"diameter,frequency\n1 m,10 GHz\n\"2 m,\n5 GHz\n", 2,
                      ", line 3: a quote opened here is never closed", 2},
                     {"diameter,frequency\n1 m,10 GHz\n12\" dish,5 GHz\n", 2,
                      ", line 3: a quote stands inside a field", 2},
                     {"", 2, ", line 1: the table is empty", 0}};
        for (const auto &c : cases) {
            const Run done = run(BEAMWISE_BINARY, {"--batch", table(c.table)});
            QCOMPARE(done.status, c.status);
            QVERIFY2(QString(c.said).isEmpty()
                             ? done.err.isEmpty()
                             : done.err.contains(c.said) && done.err.count('\n') == 1,
                     qPrintable(done.err));
            QCOMPARE(done.out.count('\n'), c.records);
        }
        const Run refused =
                run(BEAMWISE_BINARY, {"--batch", table("diameter,frequency\n1 m\n1 m,10 GHz\n")});
        QCOMPARE(refused.status, 2);
        QVERIFY2(refused.out.section('\n', 1, 1)
                                 == "1 m,,,,,,,,,,,\"Give two of diameter, frequency, gain, "
                                    "beamwidth and far-field in a row.\""
                         && refused.out.section('\n', 2, 2).startsWith("1 m,10 GHz,1,10,"),
                 qPrintable(refused.out));
        for (const auto &[file, reason] :
             {std::pair{dir.filePath("none.csv"), "No such file or directory"},
              {dir.path(), "Is a directory"}}) {
            const Run done = run(BEAMWISE_BINARY, {"--batch", file});
            QCOMPARE(done.err, "beamwise: cannot read \u201C" + file + "\u201D: " + reason + "\n");
            QCOMPARE(done.status, 1);
        }
    }

    // Through a pipe, a row's record comes out before the rest of the table is written.
    void answersRowByRow()
    {
        QProcess beamwise;
        beamwise.start(BEAMWISE_BINARY, {"--batch", "-", "--format", "json"});
        beamwise.write("diameter,frequency\n1 m,10 GHz\n");
        QVERIFY(beamwise.waitForReadyRead(10000));
        QVERIFY(beamwise.readAll().contains("\"far_field_m\":69.9"));
        beamwise.write("2 m,5 GHz\n");
        beamwise.closeWriteChannel();
        QVERIFY(beamwise.waitForFinished(10000));
        QVERIFY(beamwise.readAll().contains("\"far_field_m\":140"));
        QCOMPARE(beamwise.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(BatchTest)
#include "tst_batch.moc"
