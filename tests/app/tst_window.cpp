#include "app/message_box_reporter.h"
#include "app/sunken_panel.h"
#include "readings/bar_rules.h"
#include "support/window.h"

// The window as a user meets it: what start-up shows, how failures are reported, what
// covers what, the views, the strips the bars slide and what they read, and the Set
// Antenna dialog against the clipboard, screen readers and the command line.

namespace {

using namespace readings;

// The sliding strips stand where their bar's rule puts them for the place of its thumb
// (at their Left's nearest pixel, as tests/scales checks), and what the window shows
// against its fixed references is what the nomograms read, or nothing where that lies off
// its scale.
void checkReadings(const StartedProgram &p, double efficiency)
{
    const Dishscope &w = p.window;
    const int up = w.scrSCROLL->sliderPosition(), down = w.scrSCROLL2->sliderPosition();
    QCOMPARE((QList<float>{w.picPICB->leftTwips(), w.picPICC->leftTwips(), w.picPICD->leftTwips(),
                           w.picPICF->leftTwips(), w.picPICG->leftTwips()}),
             (QList<float>{float(bars::upperFrequencyLeft(up)), float(bars::beamwidthLeft(up)),
                           float(bars::gainLeft(up)), float(bars::farFieldLeft(down)),
                           float(bars::lowerDiameterLeft(down))}));
    // What a strip's scale shows under the middle of a mark, or above an efficiency tick.
    const auto under = [&](QLabel *mark, ScaleStrip *strip, const ScaleRule &scale) {
        return scale.value((mark->x() + mark->width() / 2.0) * 15 - strip->leftTwips());
    };
    const auto gainAbove = [&](double percent) {
        return Gain.value(w.picPICE->leftTwips() + Efficiency.position(percent)
                          - w.picPICD->leftTwips());
    };
    const NomogramReadings n = readNomogram(up, down, efficiency);
    for (auto [reading, shown, scale] :
         {std::tuple{n.gainAtFullEfficiency, gainAbove(100), Gain},
          {n.gainAtEfficiency, gainAbove(efficiency), Gain},
          {n.beamwidth3dB, under(w.lblCursor1, w.picPICC, Beamwidth), Beamwidth},
          {n.beamwidth10dB, under(w.lblCursor2, w.picPICC, Beamwidth), Beamwidth},
          {n.farFieldRange, under(w.lblCursor3, w.picPICF, FarFieldRange), FarFieldRange}}) {
        const bool onScale = shown >= scale.low - 1e-9 && shown <= scale.high * (1 + 1e-9);
        QVERIFY2(reading.has_value() == onScale
                         && (!reading || near(*reading, shown, 1e-5 * std::max(shown, 1.0))),
                 qPrintable(QString::number(shown)));
    }
}

// The bottom row of the view showing, left to right: the text of each button shown and
// where it stands, which must be the left and the right place of the row.
void checkView(const Dishscope &w)
{
    const std::map<QWidget *, QStringList> rows{{w.picPIC, {"Instructions", "Company Info"}},
                                                {w.picPICK, {"Nomogram", "Company Info"}},
                                                {w.picPICJ, {"Instructions", "Nomogram"}}};
    QList<std::pair<QString, QRect>> expected, row;
    for (const auto &[panel, texts] : rows)
        for (int place = 0; place < 2 && panel->isVisibleTo(&w); ++place)
            expected << std::pair(
                    texts[place],
                    pixelsOf(placementOf(place ? Control::cmdInfo : Control::cmdInstr)));
    for (QPushButton *b : w.findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
        if (b->isVisibleTo(&w))
            row << std::pair(b->text(), b->geometry());
    std::sort(row.begin(), row.end(), [](auto &a, auto &b) { return a.second.x() < b.second.x(); });
    QCOMPARE(row, expected);
}

// Calls back when a widget is shown, before it is painted.
struct OnShow : QObject
{
    std::function<void()> check;
    bool eventFilter(QObject *, QEvent *e) override
    {
        return e->type() == QEvent::Show && (check(), false);
    }
};

// Chooses two quantities in a dialog, types them and an efficiency; what its readings
// say then.
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

// What a dialog's fields hold: the quantities chosen, then each value with the example
// it suggests.
QString fields(const SetAntennaDialog &dialog)
{
    QStringList texts;
    for (const QComboBox *kind : dialog.findChildren<QComboBox *>())
        texts << kind->currentText();
    for (const QLineEdit *field : dialog.findChildren<QLineEdit *>())
        texts << field->text() + "|" + field->placeholderText();
    return texts.join(", ");
}

// Opens Set Antenna, the first time by its shortcut and then by its command; notes what
// its fields hold and hands it on.
void openDialog(Dishscope &w, QStringList &seen,
                const std::function<void(SetAntennaDialog &)> &then)
{
    QTimer::singleShot(0, [&] {
        auto *dialog = w.findChild<SetAntennaDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        seen << fields(*dialog);
        then(*dialog);
    });
    if (seen.isEmpty())
        QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier);
    else
        w.commands->setAntennaAction->trigger();
}

// The worked example's antenna, 1 m at 10 GHz and 55 %, as typed, and its readings.
const QStringList WorkedReadings{"Antenna: 100 cm at 10,000 MHz, 55 % efficiency",
                                 "Gain at 100 % efficiency: 40.4 dBi",
                                 "Gain at 55 % efficiency: 37.8 dBi",
                                 "Beamwidth under the 3dB mark: 2.10\u00B0",
                                 "Beamwidth under the 10dB mark: 3.94\u00B0",
                                 "Far-field range: 66.7 m"};

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    // The window shows last, with its scales drawn, both bars at the start, the date and
    // the nomogram view. Then every control that should show is in front where its middle
    // is and lies within its container; of each mark, exactly the 150 twips above its
    // strip show.
    void startUpShowsTheWindowLastUncovered()
    {
        StartedProgram p(false);
        Dishscope &w = p.window;
        bool shown = false;
        OnShow onShow;
        onShow.check = [&] {
            shown = true;
            for (const NomogramFace::Scale &s : w.scales())
                QVERIFY(!s.strip->displayList().empty());
            QCOMPARE(std::pair(w.scrSCROLL->value(), w.scrSCROLL2->value()),
                     std::pair(16380, 16380));
            QCOMPARE(w.lblDate->text(), QString("1 Mar 2027"));
            checkView(w);
        };
        w.installEventFilter(&onShow);
        p.module.MAIN();
        QVERIFY(shown && w.isVisible()); // and nothing reported, as slidingReadsTrue checks
        QCOMPARE(w.minimumSize(), w.maximumSize());
        const QList<QLabel *> marks{w.lblCursor1, w.lblCursor2, w.lblCursor3};
        QList<QWidget *> controls;
        for (QObject *o : w.children() + w.picPIC->client()->children())
            if (auto *c = qobject_cast<QWidget *>(o); c && c->isVisible() && !marks.contains(c))
                controls << c;
        QCOMPARE(controls.size(), 19);
        for (QWidget *c : controls) {
            QWidget *top = c->parentWidget()->childAt(c->geometry().center());
            QVERIFY2(top == c || c->isAncestorOf(top), qPrintable(c->objectName()));
            QVERIFY(c->parentWidget() != &w || w.rect().contains(c->geometry()));
        }
        for (QLabel *mark : marks) {
            const QPoint shows(mark->x() + mark->width() / 2, mark->y() + 150 / 15 - 1);
            QCOMPARE(mark->parentWidget()->childAt(shows), mark);
            QVERIFY(qobject_cast<ScaleStrip *>(
                    mark->parentWidget()->childAt(shows + QPoint(0, 1))));
        }
        const QImage shot = w.grab().toImage();
        QCOMPARE(shot.pixel(3, 3), qRgb(0xD5, 0x2B, 0x1E));
        const QPoint view = w.picPIC->client()->mapTo(&w, QPoint());
        QCOMPARE(shot.pixel(view + QPoint(5, 5)), qRgb(255, 255, 255));
        QCOMPARE(shot.pixel(view + w.lblCursor3->geometry().topLeft() + QPoint(1, 2)),
                 qRgb(0xC0, 0, 0xC0));
    }

    // A report is a message box, either of whose answers lets the procedure go on.
    void reportsAreMessageBoxes()
    {
        QString seen;
        QTimer::singleShot(50, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = box->windowTitle() + '|' + box->text();
            QCOMPARE(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            box->button(QMessageBox::Cancel)->click();
        });
        MessageBoxReporter().report("Error in PICA()  Error number is  480");
        QCOMPARE(seen, QString("Beamwise|Error in PICA()  Error number is  480"));
    }

    // Random use of the window, with the ends and the worked settings among it: after
    // every action, and every step of a drag, the strips read true, one view shows,
    // nothing was reported and no scale was drawn again. Keys move the way they point,
    // by the bar's step, and stop at the bars' ends, 0 and 32767.
    void slidingReadsTrue()
    {
        StartedProgram p;
        Dishscope &w = p.window;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QRandomGenerator random(20270301);
        const QList<QPushButton *> buttons{w.cmdInstr, w.cmdInfo, w.cmdNomogram};
        for (int i = 0; i < 1500 && !QTest::currentTestFailed(); ++i) {
            QScrollBar *bar = random.bounded(2) ? w.scrSCROLL : w.scrSCROLL2;
            const int from = bar->value();
            switch (random.bounded(4)) {
            case 0:
                bar->setValue(QList<int>{0, 13235, 15080, 32767}[random.bounded(4)]);
                break;
            case 1: // a drag of the thumb: the strips follow every step, not only the last
                bar->setSliderDown(true);
                for (int step = 0; step < 3; ++step) {
                    bar->setSliderPosition(random.bounded(32768));
                    checkReadings(p, 55);
                }
                bar->setSliderDown(false);
                break;
            case 2:
                QTest::keyClick(bar, i % 2 ? Qt::Key_Left : Qt::Key_Right);
                QCOMPARE(bar->value() - from,
                         i % 2 ? std::max(-10, -from) : std::min(10, 32767 - from));
                break;
            default:
                if (QPushButton *b = buttons[random.bounded(3)]; b->isVisible())
                    QTest::mouseClick(b, Qt::LeftButton);
            }
            checkReadings(p, QList<double>{10, 55, 100}[i % 3]);
            checkView(w);
        }
        QCOMPARE(p.reporter.messages, QStringList());
        for (const NomogramFace::Scale &s : w.scales())
            QCOMPARE(s.strip->renderCount(), 1); // when it was first shown
    }

    // The dialog opens on the antenna that stands set, as it was given, each field
    // suggesting its own quantity. 1 m at 10 GHz and 55 %, typed in it: the bars land where
    // the worked readings are taken, and the dialog, the clipboard and the bars'
    // descriptions all give the readings of the worked example, until a bar moves on; then
    // the dialog opens empty (the clipboard and the dialog ask alike whether it stands).
    void everyWayOutReadsTheSame()
    {
        StartedProgram p;
        Dishscope &w = p.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QStringList seen;
        openDialog(w, seen, [&](SetAntennaDialog &dialog) {
            type(dialog, 2, "41.2", 1, "11.7 GHz", "60");
            dialog.accept();
        });
        QString preview;
        openDialog(w, seen, [&](SetAntennaDialog &dialog) {
            preview = type(dialog, 0, "100 cm", 1, "10000 MHz", "55");
            dialog.accept();
        });
        QCOMPARE(std::pair(w.scrSCROLL->value(), w.scrSCROLL2->value()), std::pair(13235, 15080));

        QCOMPARE(preview, WorkedReadings.mid(1).join('\n'));
        w.commands->copyReadingsAction->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), WorkedReadings.join('\n') + '\n');
        // Described when a screen reader starts listening, and then on every step.
        QCOMPARE(w.scrSCROLL->accessibleDescription(), QString());
        QAccessible::setActive(true);
        QVERIFY(w.scrSCROLL->accessibleDescription().endsWith(
                " " + WorkedReadings.mid(1, 4).join(". ") + "."));
        QVERIFY(w.scrSCROLL2->accessibleDescription().endsWith(" " + WorkedReadings.last() + "."));

        QTest::keyClick(w.scrSCROLL2, Qt::Key_Right);
        QVERIFY(!w.scrSCROLL2->accessibleDescription().endsWith(" " + WorkedReadings.last() + "."));
        openDialog(w, seen, [](SetAntennaDialog &dialog) { dialog.reject(); });
        const QString empty = "Diameter, Frequency, |1.2 m, 90 cm, 4 ft, |12.5 GHz, 900 MHz, "
                              "|optional, 10 to 100 %";
        const QString gain = "Gain, Frequency, 41.2 dBi|41.2 dBi, 11.7 GHz|12.5 GHz, 900 MHz, 60 "
                             "%|optional, 10 to 100 %";
        QCOMPARE(seen, QStringList({empty, gain, empty}));
    }

    // In each language, a scale's tooltip names it in that language; the dialog refuses
    // what cannot be set (its sentences are checked by the command line's), and its
    // complaints are said whole, under the fields, which stay where they stood, no widget
    // smaller than it asks to be (the dialog grows), whatever is said.
    void saidWholeInEachLanguage()
    {
        StartedProgram p;
        for (const char *language : {"de_DE", "fr_FR", "es_ES", "en_GB"}) {
            QLocale::setDefault(QLocale(language));
            for (QTranslator *words : qApp->findChildren<QTranslator *>())
                QCoreApplication::removeTranslator(words), delete words;
            installTranslations();
            // "Frequenz: 0,5 GHz"; the number was always the user's.
            QCOMPARE(p.window.picPICB->readingAt({300, 5}).startsWith("Frequency: "),
                     language == QString("en_GB"));
            SetAntennaDialog dialog(&p.window);
            dialog.show();
            // The last field: any row above it that moved would move it.
            const QRect stood = dialog.findChild<QLineEdit *>("efficiency")->geometry();
            const QPushButton *ok =
                    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
            for (const QStringList &typed :
                 {QStringList{"3 parsec", "1e300", "5"}, {"", "", ""}, {"2 m", "1e300", "60"}}) {
                type(dialog, 0, typed[0], 1, typed[1], typed[2]);
                QVERIFY(!ok->isEnabled());
                QApplication::processEvents(); // the layout settles
                QCOMPARE(dialog.findChild<QLineEdit *>("efficiency")->geometry(), stood);
                for (QWidget *w : dialog.findChildren<QWidget *>()) {
                    const int asks =
                            std::max(w->minimumSizeHint().height(), w->heightForWidth(w->width()));
                    QVERIFY2(!w->isVisible() || w->height() >= asks,
                             qPrintable(w->objectName() + language));
                }
            }
        }
    }

    // Zoom In and Out step the whole window through 100 to 200 % (its strips are checked
    // in tests/scales); an export stays at true size, and Export… to a file it cannot write
    // is told in a message box (that nothing is written is checked by the export suite).
    // The zoom is kept for the next start, and Ctrl+0 gives back the laid-out window to
    // the pixel.
    void zoomAndExport()
    {
        StartedProgram first;
        Dishscope &w = first.window;
        QTemporaryDir dir;
        QCOMPARE(exporting::writeFile(dir.filePath("100.svg"), w, {}), "");
        const QImage laidOut = w.grab().toImage();
        for (int percent : {125, 150, 175, 200, 200, 175}) {
            const double zoom = percent / 100.0;
            NomogramCommands &c = *w.commands; // Ctrl++ and Ctrl+-
            (zoom > w.zoom() || percent == 200 ? c.zoomInAction : c.zoomOutAction)->trigger();
            QCOMPARE(w.size(), QSize(qRound(662 * zoom), qRound(622 * zoom)));
        }
        QCOMPARE(exporting::writeFile(dir.filePath("175.svg"), w, {}), "");
        const QString svg = contents(dir.filePath("175.svg"));
        QCOMPARE(svg, contents(dir.filePath("100.svg")));
        // Each strip at its exact Left, which the screen rounds to whole pixels; no
        // placeholder for a caption.
        for (const NomogramFace::Scale &s : w.scales())
            QVERIFY(svg.contains(QString("matrix(1,0,0,1,%1,%2)")
                                         .arg(QString::number(s.strip->leftTwips()))
                                         .arg(s.place->top)));
        QVERIFY(!svg.contains("Label1"));
        QString box;
        QTimer answer;
        // The file dialog is answered once it has its folder, which may clear a name typed
        // before; then the message box it leads to.
        connect(&answer, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                dialog->findChild<QLineEdit *>("fileNameEdit")->setText(dir.filePath("n.jpg"));
                static_cast<QDialog *>(dialog)->accept();
            } else if (auto *message = qobject_cast<QMessageBox *>(modal);
                       message && box.isEmpty()) {
                box = message->text();
                message->accept();
            }
        });
        answer.start(200);
        w.commands->exportAction->trigger();
        QCOMPARE(box,
                 "Cannot tell what to write as \u201Cn.jpg\u201D: end the name in .pdf, .svg or "
                 ".png.");
        StartedProgram next;
        QCOMPARE(next.window.zoom(), 1.75);
        next.window.commands->zoomResetAction->trigger(); // Ctrl+0
        QCOMPARE(next.window.grab().toImage(), laidOut);
    }
};

BEAMWISE_TEST_MAIN(WindowTest)
#include "tst_window.moc"
