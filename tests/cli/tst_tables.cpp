#include "cli/csv_table.h"
#include "support/process.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// Tables of antennas as users feed them to --batch: faults told on the line an editor
// shows, within bounds made here, cells carried byte for byte in both dialects, records
// that read back the same in English and German, each row read by its columns.

class TablesTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    QString table(const QByteArray &text)
    {
        static int n = 0;
        const QString file = dir.filePath(QString("t%1.csv").arg(++n));
        return write(file, text) ? file : QString();
    }
    Run batch(const QByteArray &text, const QString &format = "csv",
              const QString &lang = "en_GB.UTF-8")
    {
        return run(BEAMWISE_BINARY, {"--batch", table(text), "--format", format}, lang);
    }

private slots:
    void faultsAreToldOnTheirLine_data()
    {
        QTest::addColumn<QByteArray>("end");
        QTest::addColumn<QByteArray>("fault");
        QTest::addColumn<QString>("said");
        const QByteArray mebibyte(bounds::FieldBytes, 'x');
        const std::tuple<const char *, QByteArray, const char *> faults[] = {
                {"unclosed quote", "\"2 m,", "a quote opened here is never closed"},
                {"stray quote", "12\" dish", "a quote stands inside a field"},
                {"long field", mebibyte + 'x', "a field here is longer than 1 MiB"},
                {"many fields", QByteArray(bounds::RowFields, ','),
                 "a row here has more than 10,000 fields"},
                {"long row", (mebibyte + ',').repeated(8), "a row here is longer than 8 MiB"},
                {"field at its bound", mebibyte, ""},
                {"fields at their bound", QByteArray(bounds::RowFields - 3, ','), ""}};
        for (const auto &[name, fault, said] : faults)
            for (const char *end : {"\n", "\r", "\r\n"})
                QTest::newRow(
                        QByteArray(name).append(' ').append(QByteArray(end).toPercentEncoding()))
                        << QByteArray(end) << fault << QString(said);
    }

    // Every line end an editor knows counts, inside a quoted cell too; the records before
    // a fault are out, none after it. A table at its bounds is answered to its end.
    void faultsAreToldOnTheirLine()
    {
        QFETCH(QByteArray, end);
        QFETCH(QByteArray, fault);
        QFETCH(QString, said);
        const QByteArray before = "diameter,frequency,site" + QByteArray(bounds::RowFields - 3, ',')
                + end + end + "1 m,10 GHz,\"a" + end + end + "b\"" + end + "1 m,10 GHz,";
        const Run done = batch(before + fault + end + "2 m,5 GHz" + end);
        const qsizetype line = QString(before).split(QRegularExpression("\r\n|\r|\n")).size();
        const bool stops = !said.isEmpty();
        QVERIFY2(done.status == 2 * stops && done.bytes.contains("\"a" + end + end + "b\"")
                         && done.bytes.contains(fault) != stops && done.out.contains("2 m") != stops
                         && (stops ? saidOnce(done, QString(", line %1: %2").arg(line).arg(said))
                                   : done.err.isEmpty()),
                 qPrintable(done.err));
    }

    void writtenTablesReadBack_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<char>("separator");
        for (const char *lang : {"en_GB.UTF-8", "de_DE.UTF-8"})
            for (const char separator : {',', ';'})
                QTest::newRow(QByteArray(lang).append(' ').append(separator)) << lang << separator;
    }

    // Whatever bytes a cell holds come out as they went in, quoted where a reader needs
    // it: Python's csv module reads each back. Numbers follow the dialect, not the
    // locale, so that a table Beamwise wrote gives the same records again.
    void writtenTablesReadBack()
    {
        QFETCH(QString, lang);
        QFETCH(char, separator);
        const QByteArray point = separator == ';' ? "," : ".";
        const QList<QByteArray> notes{"\xFF\xFE raw",  " spaced ", "a;b", "a,b", "q\"uote",
                                      "line\r\nbreak", "\t",       "",    "x\ry"};
        QByteArray text =
                QByteArray("site,Diameter,frequency,efficiency\n").replace(',', separator);
        for (const QByteArray &note : notes)
            text += '"' + QByteArray(note).replace('"', "\"\"") + '"' + separator + "1" + point
                    + "2 m" + separator + "\"11" + point + "725 GHz\"" + separator + "55" + point
                    + "5\n";
        const Run first = batch(text, "csv", lang), second = batch(first.bytes, "csv", lang);
        QCOMPARE(second.bytes, first.bytes);
        QCOMPARE(first.status, 0);
        const QByteArray numbers =
                QByteArray("|1.2|11.725|55.5|").replace('.', point).replace('|', separator);
        QCOMPARE(first.bytes.count(numbers), notes.size());
        QProcess python;
        python.start("python3",
                     {"-c",
                      "import csv, sys\n"
                      "read = lambda f: list(csv.reader(open(f, encoding="
                      "'latin-1', newline=''), delimiter=sys.argv[3]))\n"
                      "a, b = read(sys.argv[1]), read(sys.argv[2])\n"
                      "sys.exit(len(a) != len(b) or any(x != y[:len(x)] "
                      "for x, y in zip(a, b)))",
                      table(text), table(first.bytes), QString(separator)});
        QVERIFY(python.waitForFinished() && python.exitCode() == 0);
    }

    // Rows of every pair of quantities, in several units and in German, and of a bad cell
    // in each column, in a table with a byte-order mark, CRLF line ends, a blank line and
    // cells quoted, with quotes, blanks and line breaks in them: each record is the one --readings
    // --format json gives for the same two options, or the same refusal; the table's own columns
    // come first, as they were. off_scale names the readings that have no value.
    void tablesAnswerAsTheCommandLine()
    {
        const QString lang = "de_DE.UTF-8";
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
                                      {"k", "7.3 m", "30 GHz", "", "", "", "70"},
                                      {"l", "1 m", "10 GHz", "   ", "\t", " \t ", ""},
                                      {"m", "x", "10 GHz", "", "", "", ""},
                                      {"n", "1 m", "x", "", "", "", ""},
                                      {"o", "", "10 GHz", "x", "", "", ""},
                                      {"p", "", "10 GHz", "", "x", "", ""},
                                      {"q", "1 m", "", "", "", "x", ""},
                                      {"r", "1 m", "10 GHz", "", "", "", "x"}};
        QByteArray text = "\xEF\xBB\xBF\"" + columns.join("\",\"").toUtf8() + "\"\r\n\r\n";
        for (const QStringList &row : rows)
            text += '"' + QStringList(row).replaceInStrings("\"", "\"\"").join("\",\"").toUtf8()
                    + "\"\r\n";
        const Run done = batch(text, "json", lang);
        const QStringList records = done.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(std::pair(done.status, records.size()), std::pair(2, rows.size()));
        QVERIFY(saidOnce(done,
                         QString("%1 von %2 Zeilen abgelehnt")
                                 .arg(records.filter("\"error\":\"").size())
                                 .arg(rows.size())));
        for (qsizetype r = 0; r < rows.size(); ++r) {
            QJsonObject record = QJsonDocument::fromJson(records[r].toUtf8()).object();
            QStringList options{"--readings", "--format", "json"};
            for (qsizetype c = 0; c < columns.size(); ++c) {
                QCOMPARE(record.take(columns[c]).toString(), rows[r][c]);
                if (c > 0 && !rows[r][c].trimmed().isEmpty())
                    options << "--" + columns[c].toLower() << rows[r][c];
            }
            const Run single = run(BEAMWISE_BINARY, options, lang);
            // The same sentence; a cell is named by its column as the header spells it, an
            // option by its name. A cell of blanks is an empty one.
            QString error = record["error"].toString();
            for (const QString &column : columns)
                if (single.err.contains("--" + column.toLower() + ": ")) {
                    QVERIFY2(error.startsWith(column + ": "), qPrintable(error));
                    error.remove(0, column.size());
                }
            QCOMPARE(error.isEmpty(), single.status == 0);
            QVERIFY2(single.status ? single.err.contains(error)
                                   : record == QJsonDocument::fromJson(single.bytes).object(),
                     qPrintable(records[r] + single.out + single.err));
            QStringList unread;
            for (const char *field : {"gain_dBi", "gain_at_efficiency_dBi", "beamwidth_3dB_deg",
                                      "beamwidth_10dB_deg", "far_field_m"})
                if (record[field].isNull() && (field[5] != 'a' || !rows[r][6].isEmpty()))
                    unread << field;
            QVERIFY(!error.isEmpty() || record["off_scale"].toVariant().toStringList() == unread);
        }
    }

    // Through a pipe, a row's record comes out before the rest of the table is written.
    void pipesStream()
    {
        QProcess beamwise;
        beamwise.start(BEAMWISE_BINARY, {"--batch", "-", "--format", "json"});
        beamwise.write("diameter,frequency\n1 m,10 GHz\n");
        QVERIFY(beamwise.waitForReadyRead(10000));
        QCOMPARE(beamwise.readAll().count("\"far_field_m\":"), 1);
        beamwise.write("2 m,5 GHz\n");
        beamwise.closeWriteChannel();
        QVERIFY(beamwise.waitForFinished(10000));
        QCOMPARE(beamwise.readAll().count("\"far_field_m\":"), 1);
        QCOMPARE(beamwise.exitCode(), 0);
    }

    void jsonTakesOnlyText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("said");
        QTest::newRow("name twice") << QByteArray("diameter,site,frequency,site\n1 m,x,10 GHz,y")
                                    << ", line 1: two columns are named \u201Csite\u201D";
        QTest::newRow("no name") << QByteArray("diameter,site,frequency, \n1 m,x,10 GHz,y")
                                 << ", line 1: column 4 has no name";
        QTest::newRow("name in bytes") << QByteArray("diameter,site,frequency,\xFF\n1 m,x,10 GHz,y")
                                       << ", line 1: column 4 is named in bytes that are not";
        QTest::newRow("cell in bytes") << QByteArray("diameter,site,frequency\n1 m,\xFF,10 GHz")
                                       << "site: this cell is not UTF-8";
        QTest::newRow("more cells") << QByteArray("diameter,site,frequency\n1 m,x,10 GHz,y")
                                    << "This row has more cells than the table has columns.";
        QTest::newRow("answer's names")
                << QByteArray("diameter,error,site,far_field_m,frequency\n1 m,x,y,z,10 GHz")
                << QString();
    }

    // CSV carries any header as it is. JSON names each cell by its column,
    // once and in text: a header that cannot is refused as soon as it is seen, a cell
    // that is not text refuses its row by its column and is left out, not altered. The
    // table's file is named in bytes that are not text, as the system may give them.
    void jsonTakesOnlyText()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, said);
        const QByteArray name = QFile::encodeName(dir.path()) + "/\xFF.csv";
        QVERIFY(::rename(QFile::encodeName(table(text)), name) == 0);
        const Run json = run("sh",
                             {"-c", "exec \"$0\" --format json --batch \"$(printf \"$1\")\"",
                              BEAMWISE_BINARY, QString(name).replace("\uFFFD", "\\377")});
        const QJsonObject record = QJsonDocument::fromJson(json.bytes).object();
        if (said.startsWith(", line"))
            QVERIFY2(json.out.isEmpty() && saidOnce(json, said) && batch(text).status == 0,
                     qPrintable(json.err));
        else
            QVERIFY2(record["error"].toString().startsWith(said)
                             && record["site"].isString() != said.startsWith("site"),
                     qPrintable(json.out + json.err));
    }
};

QTEST_GUILESS_MAIN(TablesTest)
#include "tst_tables.moc"
