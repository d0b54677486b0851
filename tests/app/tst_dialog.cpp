#include "support/window.h"

// Setting an antenna in the window and taking its readings away: the Set Antenna
// dialog, the clipboard, screen readers and the command line all say the same.

namespace {

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

// What a dialog's fields hold as it opens: the quantities chosen, then each value with
// the example it suggests.
QString fields(const SetAntennaDialog &dialog)
{
    QStringList texts;
    for (const char *name : {"firstQuantity", "secondQuantity"})
        texts << dialog.findChild<QComboBox *>(name)->currentText();
    for (const char *name : {"firstValue", "secondValue", "efficiency"}) {
        const auto *field = dialog.findChild<QLineEdit *>(name);
        texts << field->text() + "|" + field->placeholderText();
    }
    return texts.join(", ");
}

} // namespace

class DialogTest : public QObject
{
    Q_OBJECT

private slots:
    // A gain with a beamwidth is refused, a gain with a frequency finds the antenna the
    // command line finds. The dialog opens on the antenna that stands set, as it was given,
    // each field suggesting its own quantity; an antenna out of reach is refused and moves
    // nothing.
    // 1 m at 10 GHz and 55 %, typed in it: the bars land where the worked readings are
    // taken, and the dialog, the clipboard, the bars' descriptions and the command line
    // all give the readings of the worked example, until a bar moves on. Once a bar is
    // moved by hand, the dialog opens empty.
    void everyWayOutReadsTheSame()
    {
        StartedProgram p;
        Dishscope &w = p.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QStringList seen;
        const auto open = [&](const std::function<void(SetAntennaDialog &)> &then) {
            QTimer::singleShot(0, [&] {
                auto *dialog = w.findChild<SetAntennaDialog *>();
                QVERIFY(dialog && dialog->isVisible());
                seen << fields(*dialog);
                then(*dialog);
            });
            if (seen.isEmpty()) // the first time by its shortcut
                QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier);
            else
                w.commands->setAntennaAction->trigger();
        };
        const auto bars = [&] { return std::pair(w.scrSCROLL->value(), w.scrSCROLL2->value()); };
        const Run found = run(
                BEAMWISE_BINARY,
                {"--readings", "--gain", "41.2", "--frequency", "11.7 GHz", "--efficiency", "60"});
        open([&](SetAntennaDialog &dialog) {
            QVERIFY(type(dialog, 3, "1.5", 2, "41.2").startsWith("A gain and a beamwidth "));
            QVERIFY(!settable(dialog));
            QCOMPARE(type(dialog, 2, "41.2", 1, "11.7 GHz", "60"), found.out.trimmed());
            dialog.accept();
        });
        const std::pair set = bars();
        open([](SetAntennaDialog &dialog) {
            QCOMPARE(type(dialog, 0, "100 m", 1, "50 GHz"),
                     "Out of the nomograms' reach: with 100 m they can set frequencies from 0.01 "
                     "to 0.162 GHz only.");
            QVERIFY(!settable(dialog));
            dialog.accept();
        });
        QCOMPARE(bars(), set);
        QString preview;
        open([&](SetAntennaDialog &dialog) {
            preview = type(dialog, 0, "100 cm", 1, "10000 MHz", "55");
            dialog.accept();
        });
        QCOMPARE(bars(), std::pair(13235, 15080));

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
        open([](SetAntennaDialog &dialog) { dialog.reject(); });
        const QString empty = "Diameter, Frequency, |1.2 m, 90 cm, 4 ft, |12.5 GHz, 900 MHz, "
                              "|optional, 10 to 100 %";
        const QString gain = "Gain, Frequency, 41.2 dBi|41.2 dBi, 11.7 GHz|12.5 GHz, 900 MHz, 60 "
                             "%|optional, 10 to 100 %";
        QCOMPARE(seen, QStringList({empty, gain, gain, empty}));
    }
};

BEAMWISE_TEST_MAIN(DialogTest)
#include "tst_dialog.moc"
