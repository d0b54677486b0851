#include "app/antenna_input.h"
#include "app/nomogram_commands.h"
#include "app/nomogram_readings.h"
#include "app/set_antenna_dialog.h"
#include "scales/scale_readings.h"
#include "slide/slide_rules.h"
#include "support/fixtures.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <cmath>

// Typing an antenna and taking its readings away: every way out says the same.


class AntennaTest : public QObject
{
    Q_OBJECT

private slots:
    void typedQuantities();
    void rangesTakeTheirEnds();
    void everyWayOutReadsTheSame();
    void reachIsWhatCanBeSet();
    void foundAntennasReadWhatWasWanted();
    void speaksTheUsersLanguage();
};

// Every unit at its factor, numbers in the locale's way and in plain C, and each
// complaint for what cannot be read.
void AntennaTest::typedQuantities()
{
    struct Typed { const char *locale; int kind; const char *text; double value; const char *complaint; };
    const Typed cases[] = { // kind: diameter, frequency, efficiency; value in m, GHz or %, 0 where it cannot be read
        {"en_GB", 0, " 1.2 ", 1.2, ""}, {"en_GB", 0, "3 M", 3, ""}, {"en_GB", 0, "90cm", 0.9, ""}, {"en_GB", 0, "25.4 mm", 0.0254, ""},
        {"en_GB", 0, "4 FT", 1.2192, ""}, {"en_GB", 0, "1e2 in", 2.54, ""}, {"de_DE", 0, "1,2 m", 1.2, ""}, {"de_DE", 0, "1.2", 1.2, ""},
        {"en_GB", 1, "12.5", 12.5, ""}, {"en_GB", 1, "3 gHz", 3, ""}, {"en_GB", 1, "900 mhz", 0.9, ""}, {"en_GB", 1, "5 KHZ", 5e-6, ""},
        {"en_GB", 1, "2,400,000,000 Hz", 2.4, ""}, {"en_GB", 2, "55%", 55, ""}, {"en_GB", 2, "55", 55, ""},
        {"en_GB", 0, "  ", 0, "Type a diameter"}, {"en_GB", 0, "1,2,3", 0, "is not a number"}, {"en_GB", 0, "-1 m", 0, "more than zero"},
        {"en_GB", 0, "0 mm", 0, "more than zero"}, {"en_GB", 1, "nan", 0, "is not a number"}, {"en_GB", 1, "1e999 GHz", 0, "is not a number"},
        {"en_GB", 0, "1 parsec", 0, "\u201Cparsec\u201D is not a unit of diameter: use m, cm, mm, ft or in"},
        {"en_GB", 2, "9.99 %", 0, "The efficiency scale runs from 10 to 100 %."}};
    for (const Typed &c : cases) {
        const auto read = std::array{readDiameter, readFrequency, readEfficiency}[c.kind](c.text, QLocale(c.locale));
        QVERIFY2(read.quantity.has_value() == (c.value != 0) && (!read.quantity || std::abs(read.quantity->value - c.value) < 1e-12 * c.value), c.text);
        QVERIFY2(read.error.contains(QString::fromUtf8(c.complaint)) && read.error.isEmpty() == !*c.complaint, qPrintable(read.error));
    }
}

// Each typed range takes both its ends and refuses what lies just past them: the
// efficiency as typed, the diameters and frequencies as placed. (The efficiency as
// read is held to its ends by the window's random use.)
void AntennaTest::rangesTakeTheirEnds()
{
    const auto placed = [](double d, double f, OutOfReach::What off) { const auto p = placeAntenna(d, f); return !std::holds_alternative<OutOfReach>(p) || std::get<OutOfReach>(p).what != off; };
    const std::tuple<const char *, double, double, std::function<bool(double)>> ranges[] = {
        {"efficiency", 10, 100, [](double v) { return readEfficiency(QString::number(v, 'g', 10)).quantity.has_value(); }},
        {"diameter", 0.1, 100, [&](double v) { return placed(v, 1, OutOfReach::Diameter); }},
        {"frequency", 0.01, 100, [&](double v) { return placed(1, v, OutOfReach::Frequency); }}};
    for (const auto &[what, low, high, takes] : ranges)
        QVERIFY2(takes(low) && takes(high) && !takes(low * 0.9999) && !takes(high * 1.0001), what);
}

// 1 m at 10 GHz and 55 %, typed in the dialog: the bars land where the worked
// readings are taken, and the dialog, the clipboard, the bars' descriptions and the
// command line all give the readings of the worked example. An antenna out of reach,
// typed in the dialog or on the command line, is refused and moves nothing.
void AntennaTest::everyWayOutReadsTheSame()
{
    StartedProgram p;
    Dishscope &w = p.window;
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QString preview;
    QTimer::singleShot(0, [&] {
        auto *dialog = w.findChild<SetAntennaDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        for (auto [field, text] : {std::pair{"diameter", "100 cm"}, {"frequency", "10000 MHz"}, {"efficiency", "55"}})
            dialog->findChild<QLineEdit *>(field)->setText(text);
        preview = dialog->findChild<QLabel *>("readings")->text();
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier);

    QCOMPARE(std::pair(w.scrSCROLL->value(), w.scrSCROLL2->value()), std::pair(13235, 15080)); // the worked settings

    const QStringList expected{"Antenna: 100 cm at 10,000 MHz, 55 % efficiency", "Gain at 100 % efficiency: 40.5 dBi",
                               "Gain at 55 % efficiency: 37.9 dBi", "Beamwidth under the 3dB mark: 2.11\u00B0",
                               "Beamwidth under the 10dB mark: 3.96\u00B0", "Far-field range: 69.9 m"};
    QCOMPARE(preview, expected.mid(1).join('\n'));
    w.commands->copyReadingsAction->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), expected.join('\n') + '\n');
    // Described when a screen reader starts listening, and then on every step.
    QCOMPARE(w.scrSCROLL->accessibleDescription(), QString());
    QAccessible::setActive(true);
    QVERIFY(w.scrSCROLL->accessibleDescription().endsWith(" " + expected.mid(1, 4).join(". ") + "."));
    QVERIFY(w.scrSCROLL2->accessibleDescription().endsWith(" " + expected.last() + "."));
    const Run done = run(BEAMWISE_BINARY, {"--readings", "--diameter", "100 cm", "--frequency", "10000 MHz", "--efficiency", "55"});
    QCOMPARE(std::pair(done.status, done.out), std::pair(0, expected.join('\n') + '\n'));

    // Moved on, the readings are no longer those of the antenna as typed.
    QTest::keyClick(w.scrSCROLL2, Qt::Key_Right);
    w.commands->copyReadingsAction->trigger();
    QVERIFY(QGuiApplication::clipboard()->text().startsWith("Gain at 100 % efficiency: 40.5 dBi\n"));
    QVERIFY(!w.scrSCROLL2->accessibleDescription().endsWith(" " + expected.last() + "."));

    QTimer::singleShot(0, [&] {
        auto *dialog = w.findChild<SetAntennaDialog *>();
        dialog->findChild<QLineEdit *>("diameter")->setText("100 m");
        dialog->findChild<QLineEdit *>("frequency")->setText("50 GHz");
        QVERIFY(!dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(dialog->findChild<QLabel *>("readings")->text(),
                 "Out of the nomograms' reach: with 100 m they can set frequencies from 0.01 to 0.162 GHz only.");
        dialog->findChild<QLineEdit *>("frequency")->setText("5 parsec");
        QVERIFY(!dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
        // A wanted gain with a frequency finds the diameter; a gain with a beamwidth finds nothing.
        QPushButton *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        dialog->findChild<QObject *>("firstQuantity")->setProperty("currentIndex", 2);
        for (auto [field, text] : {std::pair{"diameter", "41.2"}, {"frequency", "11.7"}})
            dialog->findChild<QLineEdit *>(field)->setText(text);
        QVERIFY(ok->isEnabled() && QRegularExpression(" m \\(found\\) at 11.7 GHz(.|\n)*: 41.2 dBi").match(dialog->findChild<QLabel *>("readings")->text()).hasMatch());
        dialog->findChild<QObject *>("secondQuantity")->setProperty("currentIndex", 3);
        QVERIFY(!ok->isEnabled());
        dialog->reject();
    });
    w.commands->setAntennaAction->trigger();
    QCOMPARE(std::pair(w.scrSCROLL->value(), w.scrSCROLL2->value()), std::pair(13235, 15090)); // one step on

    for (const QStringList &arguments : {QStringList{"--readings", "--diameter", "100", "--frequency", "50"},
                                         {"--diameter", "nan", "--frequency", "10"}, {"--readings", "--diameter", "1"},
                                         {"--gain", "41.2", "--beamwidth", "2"}, {"--readings", "--gain", "41.2"},
                                         {"--gain", "41.2", "--frequency", "11.7", "--diameter", "1"}, {"--gain", "70", "--frequency", "0.1"},
                                         {"--readings", "--beamwidth", "2 rad", "--frequency", "1"}}) {
        const Run done = run(BEAMWISE_BINARY, arguments);
        QVERIFY2(done.status == 2 && done.out.isEmpty() && done.err.startsWith("beamwise: ") && done.err.count('\n') == 1, qPrintable(done.err));
    }
}

// An antenna is set at the Values nearest to exact; one refused is refused with a
// reach whose inside can be set with the other value typed and whose outside, short
// of a scale's end, cannot.
void AntennaTest::reachIsWhatCanBeSet()
{
    using namespace readings;
    int refused = 0;
    for (double d : {0.1, 0.37, 4.3, 100.0})
        for (double f : {0.01, 0.23, 11.7, 100.0}) {
            const auto placed = placeAntenna(d, f);
            if (const auto *v = std::get_if<BarValues>(&placed)) {
                QVERIFY(std::abs(v->upper - slide::upperValueFor(1168 + UpperDiameter.position(d) - UpperFrequency.position(f))) <= 0.5);
                QVERIFY(std::abs(v->lower - slide::lowerValueFor(2285 + LowerFrequency.position(f) - LowerDiameter.position(d))) <= 0.5);
                continue;
            }
            const OutOfReach reach = std::get<OutOfReach>(placed);
            const ScaleReading &scale = reach.what == OutOfReach::Diameters ? UpperDiameter : UpperFrequency;
            const auto sets = [&](double v) {
                return std::holds_alternative<BarValues>(reach.what == OutOfReach::Diameters ? placeAntenna(v, f) : placeAntenna(d, v));
            };
            QVERIFY(sets(reach.low * 1.001) && sets(reach.high * 0.999));
            QVERIFY((reach.low <= scale.low * 1.0001 || !sets(reach.low * 0.999)) && (reach.high >= scale.high * 0.9999 || !sets(reach.high * 1.001)));
            ++refused;
        }
    QVERIFY(refused > 0 && refused < 16);
}

// Over wants across each scale, the found antenna's Values read the wanted value back
// to three figures, and its diameter and frequency as shown set the same Values.
void AntennaTest::foundAntennasReadWhatWasWanted()
{
    for (const auto &[wanted, scale, given, others] : {std::tuple{Wanted::Gain, &readings::Gain, Given::Diameter, std::vector{0.3, 2.0, 30.0}},
             {Wanted::Gain, &readings::Gain, Given::Frequency, {0.05, 1.42, 40.0}}, {Wanted::Gain, &readings::Gain, Given::FarField, {3.0, 100.0, 5000.0}},
             {Wanted::Beamwidth, &readings::Beamwidth, Given::Diameter, {0.3, 2.0, 30.0}}, {Wanted::Beamwidth, &readings::Beamwidth, Given::Frequency, {0.05, 1.42, 40.0}},
             {Wanted::Beamwidth, &readings::Beamwidth, Given::FarField, {3.0, 100.0, 5000.0}}, {Wanted::FarField, &readings::FarFieldRange, Given::Diameter, {0.3, 2.0, 30.0}},
             {Wanted::FarField, &readings::FarFieldRange, Given::Frequency, {0.05, 1.42, 40.0}}}) {
        int found = 0;
        for (double other : others)
            for (double want = scale == &readings::Gain ? 1 : scale->low; want <= scale->high; want = threeFigures(want * 1.37, QLocale::c()).toDouble()) { // the gain scale is linear: 0.003 dBi a step
                const auto answer = findAntenna(wanted, want, given, other, 60);
                const auto *antenna = std::get_if<FoundAntenna>(&answer);
                if (!antenna) continue;
                const NomogramReadings r = readNomogram(antenna->values.upper, antenna->values.lower, 60);
                const double read = *(wanted == Wanted::Gain ? r.gainAtEfficiency : wanted == Wanted::Beamwidth ? r.beamwidth3dB : r.farFieldRange);
                QCOMPARE(threeFigures(read, QLocale::c()), threeFigures(want, QLocale::c()));
                QVERIFY(std::get<BarValues>(placeAntenna(antenna->diameter, antenna->frequency)).lower == antenna->values.lower && std::get<BarValues>(placeAntenna(antenna->diameter, antenna->frequency)).upper == antenna->values.upper);
                ++found;
            }
        QVERIFY2(found >= 3, qPrintable(QString::number(int(wanted)) + QString::number(int(given))));
    }
}

// In German, French and Spanish, read with the decimal comma, every line said has
// other words than the English one (but Qt's own lines of --help where Qt has no
// translation, and "Options") and every number of it written the locale's way. Words follow
// LANGUAGE before LANG; a language the program does not speak gets English.
void AntennaTest::speaksTheUsersLanguage()
{
    const auto said = [](const QStringList &ask, const QString &lang) { const Run r = run(BEAMWISE_BINARY, ask, lang); return QString::number(r.status) + '\n' + r.out + r.err; };
    const auto words = [](QString text) { return text.remove(QRegularExpression("[^\\p{L}\n]")).split('\n'); };
    const QList<QStringList> asks{{"--readings", "--gain", "41.2 dBi", "--diameter", "1.2"}, {"--gain", "70", "--frequency", "0.1"}, {"--help"}};
    for (const QStringList &ask : asks) {
        const QString english = said(ask, "en_GB.UTF-8");
        QCOMPARE(said(ask, "ja_JP.UTF-8"), english);
        QCOMPARE(words(said(ask, "LANGUAGE=en:de LANG=de_DE.UTF-8")), words(english));
        QCOMPARE(words(said(ask, "LANGUAGE=fr LANG=de_DE.UTF-8")), words(said(ask, "fr_FR.UTF-8")));
        for (const char *lang : {"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8"}) {
            const QString text = said(QStringList(ask).replaceInStrings(".", ","), lang);
            const QStringList lines = text.split('\n'), inWords = words(text);
            QCOMPARE(lines.first(), english.section('\n', 0, 0)); // the exit status
            for (int i = 1; i < lines.size(); ++i)
                QVERIFY2(inWords[i].isEmpty() || !words(english).contains(inWords[i]) || lines[i].contains(QRegularExpression("--help|^Options")), qPrintable(lines[i]));
            for (const QString &line : english.split('\n').filter(QRegularExpression("^(?!.*--)"))) // examples to type stay as typed
                for (auto n = QRegularExpression("\\d+\\.\\d+").globalMatch(line); n.hasNext();)
                    QVERIFY2(text.contains(n.next().captured().replace('.', ',')), lang);
        }
    }
}

BEAMWISE_TEST_MAIN(AntennaTest)
#include "tst_antenna.moc"
