#include "support/process.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <unistd.h>

// The command line as users type it: what it answers, what it refuses and why, in their
// language; and tables of antennas, every row answered in its place as the command line
// answers the same antenna. The antenna it answers is the request's, tested below it.

class CommandLineTest : public QObject
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
    // Each mistake is refused with status 2 in one line that names it; a table that
    // cannot be used, naming its line, after the records before it; a file that cannot be
    // read or written, with status 1 and the system's reason, as is a window without a
    // display. Help lists the option for tables.
    void refusalsSayWhatWasWrong()
    {
        const std::pair<QStringList, QString> refused[] = {
                {{"--diameter", "nan", "--frequency", "10"}, "--diameter: \u201Cnan\u201D is not"},
                {{"--readings", "--diameter", "1"}, "give two of --diameter, --frequency"},
                {{"--gain", "4", "--frequency", "1", "--diameter", "1"}, "give only two of"},
                {{"--gain", "41.2", "--beamwidth", "2"}, "--gain and --beamwidth both fix"},
                {{"--bogus"}, "Unknown option 'bogus'. (see beamwise --help)"},
                {{"extra"}, "unexpected argument \u201Cextra\u201D (see beamwise --help)"},
                {{"--readings", "--diameter", "1", "--frequency", "10", "--efficiency", "5"},
                 "--efficiency: The efficiency scale runs from 10 to 100 %."},
                {{"--format", "xml", "--readings"}, "\u201Cxml\u201D is not a format"},
                {{"--diameter", "1e300", "--frequency", "10"},
                 ": 1e300 m is off the diameter scales, which run from 0.1 to 100 m.\n"}};
        for (const auto &[arguments, why] : refused) {
            const Run done = run(BEAMWISE_BINARY, arguments);
            QVERIFY2(done.status == 2 && done.out.isEmpty() && saidOnce(done, why),
                     qPrintable(done.err));
        }
        // Words follow LANGUAGE, numbers LC_ALL: an example is written as the numbers are read.
        QVERIFY(saidOnce(run(BEAMWISE_BINARY, {"--diameter", "1 parsec", "--frequency", "10"},
                             "LANGUAGE=de LC_ALL=C"),
                         "zum Beispiel 1.2 m."));
        // The table, what is said of it, and how many lines come out before.
        const std::tuple<QByteArray, QString, int> unusable[] = {
                {"site\nx\n", ", line 1: no column is named diameter", 0},
                {"diameter,Diameter\n", ", line 1: two columns are named", 0},
                {"diameter,frequency\n1 m,10 GHz\n\"2 m,\n5 GHz\n",
                 ", line 3: a quote opened here is never closed", 2},
                {"diameter,frequency\n1 m,10 GHz\n12\" dish,5 GHz\n",
                 ", line 3: a quote stands inside", 2},
                {"", ", line 1: the table is empty", 0}};
        for (const auto &[rows, why, records] : unusable) {
            const Run done = run(BEAMWISE_BINARY, {"--batch", table(rows)});
            QVERIFY2(done.status == 2 && done.out.count('\n') == records && saidOnce(done, why),
                     qPrintable(done.err));
        }
        const QString none = dir.filePath("none.csv");
        const auto full = [] { dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO); };
        const std::tuple<QStringList, QString, std::function<void()>> failed[] = {
                {{"--batch", none}, "cannot read \u201C" + none + "\u201D: No such file", [] {}},
                {{"--batch", dir.path()}, "\u201D: Is a directory", [] {}},
                {{"--readings", "--diameter", "1", "--frequency", "10"},
                 "cannot write to standard output: No space left on device",
                 full},
                {{}, "no display", [] {}}};
        for (const auto &[arguments, why, inChild] : failed) {
            const Run done = run(BEAMWISE_BINARY, arguments, "en_GB.UTF-8", inChild);
            QVERIFY2(done.status == 1 && saidOnce(done, why), qPrintable(done.err));
        }
        QVERIFY(run(BEAMWISE_BINARY, {"--help"}).out.contains("--batch <file>"));
    }

    // In German, French and Spanish, read with the decimal comma, every line said has
    // other words than the English one (Qt's lines of --help too; but "Options", alike in
    // French) and every number of it written the locale's way. A language the program
    // does not speak gets English.
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
    }

    // Rows of every pair of quantities, in several units and in German numbers too, in a
    // table with a byte-order mark, CRLF line ends, a blank line and cells quoted, with
    // quotes and line breaks in them: each record is the one --readings --format json
    // gives for the same two options, or the same refusal; the table's own columns come
    // first, as they were.
    void tablesAnswerAsTheCommandLine()
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
                                      {"j", "1,2 m", "", "", "1,5", "", ""}};
        for (const char *lang : {"en_GB.UTF-8", "de_DE.UTF-8"}) {
            QByteArray text = "\xEF\xBB\xBF\"" + columns.join("\",\"").toUtf8() + "\"\r\n\r\n";
            for (const QStringList &row : rows)
                text += '"' + QStringList(row).replaceInStrings("\"", "\"\"").join("\",\"").toUtf8()
                        + "\"\r\n";
            const Run batch =
                    run(BEAMWISE_BINARY, {"--batch", table(text), "--format", "json"}, lang);
            const QStringList records = batch.out.split('\n', Qt::SkipEmptyParts);
            QCOMPARE(std::pair(batch.status, records.size()), std::pair(2, rows.size()));
            for (qsizetype r = 0; r < rows.size(); ++r) {
                QJsonObject record = QJsonDocument::fromJson(records[r].toUtf8()).object();
                QStringList options{"--readings", "--format", "json"};
                for (qsizetype c = 0; c < columns.size(); ++c) {
                    QCOMPARE(record.take(columns[c]).toString(), rows[r][c]);
                    if (c > 0 && !rows[r][c].isEmpty())
                        options << "--" + columns[c].toLower() << rows[r][c];
                }
                const Run single = run(BEAMWISE_BINARY, options, lang);
                // The same sentence; a cell is named by its column, an option by its name.
                const QString error =
                        record["error"].toString().remove(QRegularExpression("^Diameter"));
                QCOMPARE(error.isEmpty(), single.status == 0);
                QVERIFY2(single.status
                                 ? single.err.contains(error)
                                 : record == QJsonDocument::fromJson(single.out.toUtf8()).object(),
                         qPrintable(records[r] + single.out + single.err));
            }
        }
    }

    // In CSV, a refused row has its sentence, its cells quoted where they must be, and
    // the table goes on. Through a pipe, a row's record comes out before the rest of the
    // table is written.
    void refusedRowsGoOnAndPipesStream()
    {
        const QStringList lines = run(BEAMWISE_BINARY,
                                      {"--batch",
                                       table("diameter,frequency,site\n1 m,,\"Mast, "
                                             "\"\"north\"\"\"\n1 m,10 GHz,x\n")})
                                          .out.split('\n');
        QCOMPARE(lines.mid(1, 2),
                 QStringList({"1 m,,\"Mast, \"\"north\"\"\",,,,,,,,,,\"Give two of diameter, "
                              "frequency, gain, beamwidth and far-field in a row.\"",
                              "1 m,10 GHz,x,1,10,,40.5,,2.11,3.96,69.9,,"}));
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

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
