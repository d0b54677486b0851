#include "app/antenna_input.h"
#include "app/nomogram_commands.h"
#include "app/nomogram_readings.h"
#include "app/set_antenna_dialog.h"
#include "scales/scale_readings.h"
#include "slide/slide_rules.h"
#include "support/fixtures.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

// Typing an antenna and taking its readings away: every way out says the same.


class AntennaTest : public QObject
{
    Q_OBJECT

private slots:
    void typedQuantities_data();
    void typedQuantities();
    void everyWayOutReadsTheSame();
    void outOfReachMovesNothing();
    void readingsStayOnTheirScales();
    void reachIsWhatCanBeSet();
};

void AntennaTest::typedQuantities_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("kind"); // diameter, frequency, efficiency
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value"); // m, GHz or %; 0 where it cannot be read
    QTest::addColumn<QString>("complaint");
    QTest::newRow("metres by default") << "en_GB" << 0 << " 1.2 " << 1.2 << "";
    QTest::newRow("cm without blank") << "en_GB" << 0 << "90cm" << 0.9 << "";
    QTest::newRow("feet in capitals") << "en_GB" << 0 << "4 FT" << 1.2192 << "";
    QTest::newRow("inches, exponent") << "en_GB" << 0 << "1e2 in" << 2.54 << "";
    QTest::newRow("German comma") << "de_DE" << 0 << "1,2 m" << 1.2 << "";
    QTest::newRow("German plain dot") << "de_DE" << 0 << "1.2" << 1.2 << "";
    QTest::newRow("GHz by default") << "en_GB" << 1 << "12.5" << 12.5 << "";
    QTest::newRow("MHz any case") << "en_GB" << 1 << "900 mhz" << 0.9 << "";
    QTest::newRow("Hz with groups") << "en_GB" << 1 << "2,400,000,000 Hz" << 2.4 << "";
    QTest::newRow("percent") << "en_GB" << 2 << "55%" << 55.0 << "";
    QTest::newRow("empty") << "en_GB" << 0 << "  " << 0.0 << "Type a diameter";
    QTest::newRow("1,2,3") << "en_GB" << 0 << "1,2,3" << 0.0 << "is not a number";
    QTest::newRow("negative") << "en_GB" << 0 << "-1 m" << 0.0 << "more than zero";
    QTest::newRow("zero") << "en_GB" << 0 << "0 mm" << 0.0 << "more than zero";
    QTest::newRow("parsec") << "en_GB" << 0 << "1 parsec" << 0.0 << "\u201Cparsec\u201D is not a unit of diameter: use m, cm, mm, ft or in";
    QTest::newRow("nan") << "en_GB" << 1 << "nan" << 0.0 << "is not a number";
    QTest::newRow("huge") << "en_GB" << 1 << "1e999 GHz" << 0.0 << "is not a number";
    QTest::newRow("efficiency too low") << "en_GB" << 2 << "5 %" << 0.0 << "10 to 100";
}

void AntennaTest::typedQuantities()
{
    QFETCH(QString, locale);
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, complaint);
    const auto read = std::array{readDiameter, readFrequency, readEfficiency}[kind](typed, QLocale(locale));
    QCOMPARE(read.quantity.has_value(), value != 0);
    if (value != 0)
        QVERIFY(std::abs(read.quantity->value - value) < 1e-12);
    QVERIFY2(read.error.contains(complaint) && read.error.isEmpty() == complaint.isEmpty(), qPrintable(read.error));
}

// 1 m at 10 GHz and 55 %, typed in the dialog: the bars land where the worked
// readings are taken, and the dialog, the clipboard, the bars' descriptions and the command
// line all give the readings of the worked example.
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
    QVERIFY(!preview.isEmpty());

    QCOMPARE(std::pair(w.scrSCROLL->value(), w.scrSCROLL2->value()), std::pair(13235, 15080)); // the worked settings

    const QStringList expected{"Antenna: 100 cm at 10,000 MHz, 55 % efficiency", "Gain at 100 % efficiency: 40.5 dBi",
                               "Gain at 55 % efficiency: 37.9 dBi", "Beamwidth under the 3dB mark: 2.11\u00B0",
                               "Beamwidth under the 10dB mark: 3.96\u00B0", "Far-field range: 69.9 m"};
    QCOMPARE(preview, expected.mid(1).join('\n'));
    w.commands->copyReadingsAction->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), expected.join('\n') + '\n');
    QVERIFY(w.scrSCROLL->accessibleDescription().endsWith(" " + expected.mid(1, 4).join(". ") + "."));
    QVERIFY(w.scrSCROLL2->accessibleDescription().endsWith(" " + expected.last() + "."));
    const Run done = run(BEAMWISE_BINARY, {"--readings", "--diameter", "100 cm", "--frequency", "10000 MHz", "--efficiency", "55"});
    QCOMPARE(done.out, expected.join('\n') + '\n');
    QCOMPARE(done.status, 0);

    // Moved on, the readings are no longer those of the antenna as typed.
    QTest::keyClick(w.scrSCROLL2, Qt::Key_Right);
    w.commands->copyReadingsAction->trigger();
    QVERIFY(QGuiApplication::clipboard()->text().startsWith("Gain at 100 % efficiency: 40.5 dBi\n"));
    QVERIFY(!w.scrSCROLL2->accessibleDescription().endsWith(" " + expected.last() + "."));
}

void AntennaTest::outOfReachMovesNothing()
{
    StartedProgram p;
    Dishscope &w = p.window;
    QTimer::singleShot(0, [&] {
        auto *dialog = w.findChild<SetAntennaDialog *>();
        dialog->findChild<QLineEdit *>("diameter")->setText("100 m");
        dialog->findChild<QLineEdit *>("frequency")->setText("50 GHz");
        QVERIFY(!dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(dialog->findChild<QLabel *>("readings")->text(),
                 "Out of the nomograms' reach: with 100 m they can set frequencies from 0.01 to 0.162 GHz only.");
        dialog->findChild<QLineEdit *>("frequency")->setText("5 parsec");
        QVERIFY(!dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled());
        dialog->reject();
    });
    w.commands->setAntennaAction->trigger();
    QCOMPARE(std::pair(w.scrSCROLL->value(), w.scrSCROLL2->value()), std::pair(16380, 16380));

    for (const QStringList &arguments : {QStringList{"--readings", "--diameter", "100", "--frequency", "50"},
                                         {"--diameter", "nan", "--frequency", "10"}, {"--readings", "--diameter", "1"}}) {
        const Run done = run(BEAMWISE_BINARY, arguments);
        QCOMPARE(done.status, 2);
        QVERIFY(done.out.isEmpty() && done.err.startsWith("beamwise: ") && done.err.count('\n') == 1);
    }
}

// A reading is one its scale prints, or none: never extrapolated past the ends.
void AntennaTest::readingsStayOnTheirScales()
{
    int off = 0;
    for (int value = 0; value <= 32767; value += 13) {
        const NomogramReadings r = readNomogram(value, value, 10);
        for (auto [reading, scale] : {std::pair{r.gainAtFullEfficiency, readings::Gain}, {r.gainAtEfficiency, readings::Gain},
                                      {r.beamwidth3dB, readings::Beamwidth}, {r.beamwidth10dB, readings::Beamwidth},
                                      {r.farFieldRange, readings::FarFieldRange}}) {
            QVERIFY(!reading || (*reading >= scale.low - 1e-9 && *reading <= scale.high * (1 + 1e-9)));
            off += !reading;
        }
    }
    QVERIFY(off > 0);
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

BEAMWISE_TEST_MAIN(AntennaTest)
#include "tst_antenna.moc"
