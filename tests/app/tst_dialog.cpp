#include "support/window.h"

// Setting an antenna in the window and taking its readings away: the Set Antenna
// dialog, the clipboard, screen readers and the command line all say the same.

namespace {

const QStringList Kinds{"diameter", "frequency", "gain", "beamwidth", "far-field"};

// Chooses two quantities in a dialog, types them and an efficiency; what its readings
// say then, and whether it would set the antenna.
QString type(SetAntennaDialog &dialog, int first, const QString &a, int second, const QString &b,
             const QString &efficiency = {})
{
    dialog.findChild<QComboBox *>("firstQuantity")->setCurrentIndex(first);
    dialog.findChild<QComboBox *>("secondQuantity")->setCurrentIndex(second);
    dialog.findChild<QLineEdit *>("firstValue")->setText(a);
    dialog.findChild<QLineEdit *>("secondValue")->setText(b);
    dialog.findChild<QLineEdit *>("efficiency")->setText(efficiency);
    return dialog.findChild<QLabel *>("readings")->text();
}

bool settable(const SetAntennaDialog &dialog)
{
    return dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->isEnabled();
}

// The Set Antenna dialog the window shows, once it shows.
SetAntennaDialog *shown(const Dishscope &w)
{
    auto *dialog = w.findChild<SetAntennaDialog *>();
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

} // namespace

class DialogTest : public QObject
{
    Q_OBJECT

private slots:
    // 1 m at 10 GHz and 55 %, typed in the dialog: the bars land where the worked
    // readings are taken, and the dialog, the clipboard, the bars' descriptions and the
    // command line all give the readings of the worked example, until a bar moves on.
    void everyWayOutReadsTheSame()
    {
        StartedProgram p;
        Dishscope &w = p.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QString preview;
        QTimer::singleShot(0, [&] {
            QVERIFY(shown(w));
            preview = type(*shown(w), 0, "100 cm", 1, "10000 MHz", "55");
            shown(w)->accept();
        });
        QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(std::pair(w.scrSCROLL->value(), w.scrSCROLL2->value()), std::pair(13235, 15080));

        const QStringList expected{"Antenna: 100 cm at 10,000 MHz, 55 % efficiency",
                                   "Gain at 100 % efficiency: 40.5 dBi",
                                   "Gain at 55 % efficiency: 37.9 dBi",
                                   "Beamwidth under the 3dB mark: 2.11\u00B0",
                                   "Beamwidth under the 10dB mark: 3.96\u00B0",
                                   "Far-field range: 69.9 m"};
        QCOMPARE(preview, expected.mid(1).join('\n'));
        w.commands->copyReadingsAction->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), expected.join('\n') + '\n');
        // Described when a screen reader starts listening, and then on every step.
        QCOMPARE(w.scrSCROLL->accessibleDescription(), QString());
        QAccessible::setActive(true);
        QVERIFY(w.scrSCROLL->accessibleDescription().endsWith(" " + expected.mid(1, 4).join(". ")
                                                              + "."));
        QVERIFY(w.scrSCROLL2->accessibleDescription().endsWith(" " + expected.last() + "."));
        const Run done = run(BEAMWISE_BINARY,
                             {"--readings", "--diameter", "100 cm", "--frequency", "10000 MHz",
                              "--efficiency", "55"});
        QCOMPARE(std::pair(done.status, done.out), std::pair(0, expected.join('\n') + '\n'));

        QTest::keyClick(w.scrSCROLL2, Qt::Key_Right);
        w.commands->copyReadingsAction->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(expected[1] + '\n'));
        QVERIFY(!w.scrSCROLL2->accessibleDescription().endsWith(" " + expected.last() + "."));
    }

    // Every pair of quantities of one antenna, chosen in either order in the dialog, reads
    // as the command line does with the same two options, or is refused as it is there.
    void everyPairAsOnTheCommandLine()
    {
        QWidget parent;
        SetAntennaDialog dialog(&parent);
        const QString antenna[] = {"1.2 m", "11.7 GHz", "41.2 dBi", "1.50\u00B0", "118 m"};
        for (int a = 0; a < 5; ++a)
            for (int b = a + 1; b < 5; ++b) {
                const Run line = run(BEAMWISE_BINARY,
                                     {"--readings", "--" + Kinds[a], antenna[a], "--" + Kinds[b],
                                      antenna[b], "--efficiency", "60"});
                QStringList lines = line.out.trimmed().split('\n');
                if (!lines.first().contains("(found)"))
                    lines.removeFirst(); // the dialog shows an antenna only where it found one
                for (auto [first, second] : {std::pair{a, b}, {b, a}}) {
                    const QString said =
                            type(dialog, first, antenna[first], second, antenna[second], "60");
                    QCOMPARE(settable(dialog), line.status == 0);
                    if (line.status == 0)
                        QCOMPARE(said, lines.join('\n'));
                    else
                        QVERIFY2(said.contains("gain and a beamwidth")
                                         && line.err.contains("--gain and --beamwidth"),
                                 qPrintable(said + line.err));
                }
            }
    }

    // The dialog opens on the antenna that stands set, as it was given, each field
    // suggesting its own quantity; once a bar is moved by hand, it opens empty. An
    // antenna out of reach is refused and moves nothing.
    void opensOnTheAntennaSet()
    {
        StartedProgram p;
        Dishscope &w = p.window;
        QStringList seen;
        const auto fields = [&] {
            QStringList texts;
            for (const char *name : {"firstQuantity", "secondQuantity"})
                texts << shown(w)->findChild<QComboBox *>(name)->currentText();
            for (const char *name : {"firstValue", "secondValue", "efficiency"}) {
                const auto *field = shown(w)->findChild<QLineEdit *>(name);
                texts << field->text() + "|" + field->placeholderText();
            }
            return texts.join(", ");
        };
        const auto open = [&](const std::function<void()> &then) {
            QTimer::singleShot(0, [&] {
                QVERIFY(shown(w));
                seen << fields();
                then();
            });
            w.commands->setAntennaAction->trigger();
        };
        open([&] {
            type(*shown(w), 2, "41.2", 1, "11.7 GHz", "60");
            shown(w)->accept();
        });
        const std::pair set(w.scrSCROLL->value(), w.scrSCROLL2->value());
        open([&] {
            QCOMPARE(type(*shown(w), 0, "100 m", 1, "50 GHz"),
                     "Out of the nomograms' reach: with 100 m they can set frequencies from 0.01 "
                     "to 0.162 GHz only.");
            QVERIFY(!settable(*shown(w)));
            shown(w)->accept();
        });
        QCOMPARE(std::pair(w.scrSCROLL->value(), w.scrSCROLL2->value()), set);
        open([&] { shown(w)->reject(); });
        QTest::keyClick(w.scrSCROLL, Qt::Key_Left);
        open([&] { shown(w)->reject(); });
        const QString empty = "Diameter, Frequency, |1.2 m, 90 cm, 4 ft, |12.5 GHz, 900 MHz, "
                              "|optional, 10 to 100 %";
        QCOMPARE(seen,
                 QStringList({empty,
                              "Gain, Frequency, 41.2 dBi|41.2 dBi, 11.7 GHz|12.5 GHz, 900 MHz, 60 "
                              "%|optional, 10 to 100 %",
                              "Gain, Frequency, 41.2 dBi|41.2 dBi, 11.7 GHz|12.5 GHz, 900 MHz, 60 "
                              "%|optional, 10 to 100 %",
                              empty}));
    }
};

BEAMWISE_TEST_MAIN(DialogTest)
#include "tst_dialog.moc"
