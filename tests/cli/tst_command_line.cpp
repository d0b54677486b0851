#include "support/process.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
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
            "--gain and --beamwidth both fix");
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

    // A failed write to standard output is said; help lists the option for tables.
    void writesAndHelp()
    {
        const auto full = [] { dup2(open("/dev/full", O_WRONLY), STDOUT_FILENO); };
        const Run done =
                run(BEAMWISE_BINARY, {"--readings", "--diameter", "1", "--frequency", "10"},
                    "en_GB.UTF-8", full);
        QVERIFY2(done.status == 1
                         && saidOnce(done, "cannot write to standard output: No space left on"),
                 qPrintable(done.err));
        QVERIFY(run(BEAMWISE_BINARY, {"--help"}).out.contains("--batch <file>"));
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
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
