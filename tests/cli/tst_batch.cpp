#include "support/process.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

// Tables of antennas as users hand them over: every row answered in its place, as the
// command line answers the same antenna, whatever the table's quoting, line ends and
// order of columns; refusals lose nothing; records come out as the rows come in.

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
    // Rows of every pair of quantities, in several units and in German numbers too, in a
    // table with a byte-order mark, CRLF line ends, a blank line and cells quoted, with
    // quotes and line breaks in them: each record is the one --readings --format json
    // gives for the same two options, or the same refusal; the table's own columns come
    // first, as they were.
    void recordsAreTheCommandLines()
    {
        const QStringList columns{"site",      "Diameter",  "FREQUENCY", "gain",
                                  "beamwidth", "far-field", "efficiency"};
        const QList<QStringList> rows{{"a", "1.2 m", "11.7GHz", "", "", "", "60 %"},
                                      {"b \"old\"\r\nnew", "90cm", "", "30", "", "", ""},
                                      {"c", "", "1420 MHz", "", "2\u00B0", "", "55"},
                                      {"d", "4 ft", "", "", "", "50 m", ""},
                                      {"e", "", "", "41.2 dBi", "", "118 m", "60"},
                                      {"f", "", "", "", "0.9 deg", "2 km", ""},
                                      {"g", "", "12 GHz", "", "", "20 km", ""},
                                      {"h", "100 m", "50 GHz", "", "", "", ""},
                                      {"i", "", "0.1", "70", "", "", ""},
                                      {"j", "1,2 m", "11,7", "", "", "", ""}};
        for (const char *lang : {"en_GB.UTF-8", "de_DE.UTF-8"}) {
            QByteArray text = "\xEF\xBB\xBF\"" + columns.join("\",\"").toUtf8() + "\"\r\n\r\n";
            for (const QStringList &row : rows)
                text += '"' + QStringList(row).replaceInStrings("\"", "\"\"").join("\",\"").toUtf8()
                        + "\"\r\n";
            const Run batch =
                    run(BEAMWISE_BINARY, {"--batch", table(text), "--format", "json"}, lang);
            const QStringList records = batch.out.split('\n', Qt::SkipEmptyParts);
            QCOMPARE(records.size(), rows.size());
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
                QCOMPARE(error.isEmpty(), single.status == 0);
                QJsonObject antenna = record; // what a single --readings --format json gives
                for (const QString &column : columns)
                    antenna.remove(column);
                if (single.status == 0)
                    QCOMPARE(antenna, QJsonDocument::fromJson(single.out.toUtf8()).object());
                else // the same sentence; a cell is named by its column, an option by its name
                    QVERIFY2(single.err.contains(error.mid(
                                     error.startsWith(columns[1]) ? columns[1].size() : 0)),
                             qPrintable(error + " | " + single.err));
            }
            QCOMPARE(batch.status, 2);
        }
    }

    // A refused row has its sentence and the table goes on, its cells quoted where they
    // must be, as the others'; a table that cannot be used
    // is refused in one line naming its line, after the records before it; a file that
    // cannot be read, with the system's reason.
    void refusalsLoseNothing()
    {
        const struct
        {
            QByteArray table;
            const char *said;
            int records;
        } cases[] = {
                {"site\nx\n", ", line 1: no column is named diameter", 0},
                {"diameter,diameter\n", ", line 1: two columns are named \u201Cdiameter\u201D", 0},
                {"diameter,frequency\n1 m,10 GHz\n\"2 m,\n5 GHz\n",
                 ", line 3: a quote opened here is never closed", 2},
                {"diameter,frequency\n1 m,10 GHz\n12\" dish,5 GHz\n",
                 ", line 3: a quote stands inside a field", 2},
                {"", ", line 1: the table is empty", 0}};
        for (const auto &c : cases) {
            const Run done = run(BEAMWISE_BINARY, {"--batch", table(c.table)});
            QCOMPARE(done.status, 2);
            QVERIFY2(done.err.contains(c.said) && done.err.count('\n') == 1, qPrintable(done.err));
            QCOMPARE(done.out.count('\n'), c.records);
        }
        const Run refused = run(BEAMWISE_BINARY,
                                {"--batch",
                                 table("diameter,frequency,site\n"
                                       "1 m,,\"Mast, \"\"north\"\"\"\n"
                                       "1 m,10 GHz,\"Roof\r\nwest\"\n")});
        QCOMPARE(refused.status, 2);
        const QStringList lines = refused.out.split('\n');
        QVERIFY2(lines.size() == 5
                         && lines[0].startsWith("diameter,frequency,site,diameter_m,frequency_GHz,")
                         && lines[1]
                                 == "1 m,,\"Mast, \"\"north\"\"\",,,,,,,,,,\"Give two of diameter, "
                                    "frequency, gain, beamwidth and far-field in a row.\""
                         && lines[2] == "1 m,10 GHz,\"Roof\r"
                         && lines[3].startsWith("west\",1,10,"),
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
