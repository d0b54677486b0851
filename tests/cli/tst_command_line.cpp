#include "support/process.h"

#include <QRegularExpression>
#include <QtTest>

// The command line as users type it: what it answers, what it refuses and why, in
// their language. The antenna it answers is the request's, tested below it.

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    // Each mistake is refused with status 2 in one line that names it, nothing on
    // standard output; with no display, the window is refused with status 1 in one line
    // that says so; help and the version are answered with status 0.
    void refusalsSayWhatWasWrong()
    {
        const std::pair<QStringList, QString> refused[] = {
                {{"--readings", "--diameter", "100", "--frequency", "50"},
                 "Out of the nomograms' reach: with 100 m they can set frequencies from 0.01 to "
                 "0.162 GHz only."},
                {{"--diameter", "nan", "--frequency", "10"},
                 "--diameter: \u201Cnan\u201D is not a number"},
                {{"--readings", "--diameter", "1"}, "give two of --diameter, --frequency, --gain"},
                {{"--gain", "41.2", "--frequency", "11.7", "--diameter", "1"}, "give only two of"},
                {{"--gain", "41.2", "--beamwidth", "2"},
                 "--gain and --beamwidth both fix the product"},
                {{"--readings", "--beamwidth", "2 rad", "--frequency", "1"},
                 "--beamwidth: \u201Crad\u201D is not a unit of beamwidth: use \u00B0 or deg"},
                {{"--readings", "--diameter", "1", "--frequency", "10", "--efficiency", "5"},
                 "--efficiency: The efficiency scale runs from 10 to 100 %."},
                {{"--bogus"}, "Unknown option 'bogus'. (see beamwise --help)"},
                {{"extra"}, "unexpected argument \u201Cextra\u201D (see beamwise --help)"}};
        for (const auto &[arguments, why] : refused) {
            const Run done = run(BEAMWISE_BINARY, arguments);
            QCOMPARE(std::pair(done.status, done.out), std::pair(2, QString()));
            QVERIFY2(done.err.startsWith("beamwise: ") && done.err.contains(why)
                             && done.err.count('\n') == 1,
                     qPrintable(done.err));
        }
        const Run windowless = run(BEAMWISE_BINARY, {});
        QVERIFY2(windowless.status == 1 && windowless.err.count('\n') == 1
                         && windowless.err.contains("no display"),
                 qPrintable(windowless.err));
        QCOMPARE(run(BEAMWISE_BINARY, {"--version"}).out, "beamwise 2.4\n");
        QVERIFY(run(BEAMWISE_BINARY, {"--help"}).out.contains("--far-field <value>"));
    }

    // In German, French and Spanish, read with the decimal comma, every line said has
    // other words than the English one (but Qt's own lines of --help where Qt has no
    // translation, and "Options") and every number of it written the locale's way. Words follow
    // LANGUAGE before LANG; a language the program does not speak gets English.
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
            QCOMPARE(words(said(ask, "LANGUAGE=fr LANG=de_DE.UTF-8")),
                     words(said(ask, "fr_FR.UTF-8")));
            for (const char *lang : {"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8"}) {
                const QString text = said(QStringList(ask).replaceInStrings(".", ","), lang);
                const QStringList lines = text.split('\n'), inWords = words(text);
                QCOMPARE(lines.first(), english.section('\n', 0, 0)); // the exit status
                for (int i = 1; i < lines.size(); ++i)
                    QVERIFY2(inWords[i].isEmpty() || !words(english).contains(inWords[i])
                                     || lines[i].contains(QRegularExpression("--help|^Options")),
                             qPrintable(lines[i]));
                // Help's numbers are examples to type, which stay as typed.
                for (auto n = QRegularExpression("\\d+\\.\\d+").globalMatch(english);
                     ask.first() != "--help" && n.hasNext();)
                    QVERIFY2(text.contains(n.next().captured().replace('.', ',')), lang);
            }
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
