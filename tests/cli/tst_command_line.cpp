#include "cli/csv_table.h"
#include "support/process.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

// The command line as users type it: what it answers, what it refuses and why, in their
// language; and tables of antennas as users feed them to --batch, every row answered in
// its place as the command line answers the same antenna: faults told on the line an
// editor shows, within bounds made here, cells carried byte for byte in both dialects,
// records that read back the same in English and German, each row read by its columns.
// The antenna it answers is the request's, tested below it.

// A table's record, its row's cells taken out, is the one --readings --format json gives
// for the same options, or the same refusal; a cell is named by its column as the header
// spells it, an option by its name. A cell of blanks is an empty one. off_scale names the
// readings that have no value.
void checkRecord(QJsonObject record, const QStringList &columns, const QStringList &row)
{
    QStringList options{"--readings", "--format", "json"};
    for (qsizetype c = 0; c < columns.size(); ++c) {
        QCOMPARE(record.take(columns[c]).toString(), row[c]);
        if (c > 0 && !row[c].trimmed().isEmpty())
            options << "--" + columns[c].toLower() << row[c];
    }
    const Run single = run(BEAMWISE_BINARY, options, "de_DE.UTF-8");
    QString error = record["error"].toString();
    for (const QString &column : columns)
        if (single.err.contains("--" + column.toLower() + ": ")) {
            QVERIFY2(error.startsWith(column + ": "), qPrintable(error));
            error.remove(0, column.size());
        }
    QCOMPARE(error.isEmpty(), single.status == 0);
    QVERIFY2(single.status ? single.err.contains(error)
                           : record == QJsonDocument::fromJson(single.bytes).object(),
             qPrintable(single.out + single.err));
    QStringList unread;
    for (const char *field : {"gain_dBi", "gain_at_efficiency_dBi", "beamwidth_3dB_deg",
                              "beamwidth_10dB_deg", "far_field_m"})
        if (record[field].isNull() && (field[5] != 'a' || !row[6].isEmpty()))
            unread << field;
    QVERIFY(!error.isEmpty() || record["off_scale"].toVariant().toStringList() == unread);
}

class CommandLineTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

    Run batch(const QByteArray &text, const QString &format = "csv",
              const QString &lang = "en_GB.UTF-8")
    {
        return run(BEAMWISE_BINARY, {"--batch", table(dir, text), "--format", format}, lang);
    }

private slots:
    void refusalsSayWhatWasWrong_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        const auto row = [](const char *name, const QStringList &arguments, int status,
                            const QString &said) {
            QTest::newRow(name) << arguments << status << said;
        };
        row("not a number", {"--diameter", "nan", "--frequency", "10"}, 2,
            "--diameter: \u201Cnan\u201D is not");
        row("one quantity", {"--readings", "--diameter", "1"}, 2,
            "give two of --diameter, --frequency");
        row("three", {"--gain", "4", "--frequency", "1", "--diameter", "1"}, 2, "give only two of");
        row("gain with beamwidth", {"--gain", "41.2", "--beamwidth", "2"}, 2,
            "A gain and a beamwidth fix the same product of diameter and frequency: give one of "
            "them with --diameter");
        row("unknown option", {"--bogus"}, 2, "Unknown option 'bogus'. (see beamwise --help)");
        row("argument", {"extra"}, 2,
            "unexpected argument \u201Cextra\u201D (see beamwise --help)");
        row("efficiency",
            {"--readings", "--diameter", "1", "--frequency", "10", "--efficiency", "5"}, 2,
            "--efficiency: The efficiency scale runs from 10 to 100 %.");
        row("format", {"--format", "xml", "--readings"}, 2, "\u201Cxml\u201D is not a format");
        row("huge", {"--diameter", "1e300", "--frequency", "10"}, 2,
            ": 1e300 m is off the diameter scales, which run from 0.1 to 100 m.\n");
        row("no table named", {"--batch", ""}, 2, "--batch: give the table's file name");
        row("no column", {"--batch", table(dir, "site\nx\n")}, 2, ", line 1: no column is named");
        row("two columns", {"--batch", table(dir, "diameter,Diameter\n")}, 2,
            ", line 1: two columns are named");
        row("empty table", {"--batch", table(dir, "")}, 2, ", line 1: the table is empty");
        const QString none = dir.filePath("none.csv");
        row("no file", {"--batch", none}, 1, "cannot read \u201C" + none + "\u201D: No such file");
        row("directory", {"--batch", dir.path()}, 1, "\u201D: Is a directory");
        row("no display", {}, 1, "no display");
    }

    // Each mistake is refused with status 2 in one line that names it, a table that cannot
    // be used naming its line; a file that cannot be read or written, with status 1 and
    // the system's reason, as is a window without a display.
    void refusalsSayWhatWasWrong()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        const Run done = run(BEAMWISE_BINARY, arguments);
        QVERIFY2(done.status == status && done.out.isEmpty() && saidOnce(done, said),
                 qPrintable(done.err));
    }

    // A failed write to standard output is said, with the system's reason.
    void failedWritesAreSaid()
    {
        const auto full = [] { dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO); };
        const Run done =
                run(BEAMWISE_BINARY, {"--readings", "--diameter", "1", "--frequency", "10"},
                    "en_GB.UTF-8", full);
        QVERIFY2(done.status == 1
                         && saidOnce(done, "cannot write to standard output: No space left on"),
                 qPrintable(done.err));
    }

    // In German, French and Spanish, read with the decimal comma, every line said has
    // other words than the English one (Qt's lines of --help too; but "Options", alike in
    // French) and every number of it written the locale's way. A language the program
    // does not speak gets English. Words follow LANGUAGE and numbers LC_ALL: an example is
    // written as the numbers are read.
    void speaksTheUsersLanguage()
    {
        const auto said = [](const QStringList &ask, const QString &lang) {
            const Run r = run(BEAMWISE_BINARY, ask, lang);
            return QString::number(r.status) + '\n' + r.out + r.err;
        };
        const auto words = [](QString text) {
            return text.remove(QRegularExpression("[^\\p{L}\n]")).split('\n');
        };
        const QList<QStringList> asks{{"--readings", "--gain", "41.2 dBi", "--diameter", "1.2"},
                                      {"--gain", "70", "--frequency", "0.1"},
                                      {"--help"}};
        for (const QStringList &ask : asks) {
            const QString english = said(ask, "en_GB.UTF-8");
            QCOMPARE(said(ask, "ja_JP.UTF-8"), english);
            QCOMPARE(words(said(ask, "LANGUAGE=en:de LANG=de_DE.UTF-8")), words(english));
            for (const char *lang : {"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8"}) {
                const QString text = said(QStringList(ask).replaceInStrings(".", ","), lang);
                const QStringList lines = text.split('\n'), inWords = words(text);
                QCOMPARE(lines.first(), english.section('\n', 0, 0)); // the exit status
                for (int i = 1; i < lines.size(); ++i)
                    QVERIFY2(inWords[i].isEmpty() || !words(english).contains(inWords[i])
                                     || lines[i].contains(QRegularExpression("^Options")),
                             qPrintable(lines[i]));
                // Help's numbers are examples to type, which stay as typed.
                for (auto n = QRegularExpression("\\d+\\.\\d+").globalMatch(english);
                     ask.first() != "--help" && n.hasNext();)
                    QVERIFY2(text.contains(n.next().captured().replace('.', ',')), lang);
            }
        }
        QVERIFY(saidOnce(run(BEAMWISE_BINARY, {"--diameter", "1 parsec", "--frequency", "10"},
                             "LANGUAGE=de LC_ALL=C"),
                         "zum Beispiel 1.2 m."));
    }

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
                      table(dir, text), table(dir, first.bytes), QString(separator)});
        QVERIFY(python.waitForFinished() && python.exitCode() == 0);
    }

    // Rows of every pair of quantities, in several units and in German, and of a bad cell
    // in each column, in a table with a byte-order mark, CRLF line ends, a blank line and
    // cells quoted, with quotes, blanks and line breaks in them: each record answers as
    // the command line does, the table's own columns first, as they were.
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
        for (qsizetype r = 0; r < rows.size(); ++r)
            checkRecord(QJsonDocument::fromJson(records[r].toUtf8()).object(), columns, rows[r]);
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
        QVERIFY(::rename(QFile::encodeName(table(dir, text)), name) == 0);
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

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
