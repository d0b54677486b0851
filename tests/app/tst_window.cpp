#include "app/message_box_reporter.h"
#include "app/sunken_panel.h"
#include "support/window.h"

// The window as a user meets it: what start-up shows, how failures are reported,
// what covers what, the views, and the readings the bars slide to.

namespace {

using namespace readings;

// A strip whose n-th line-to (every one for n < 0) fails with a number.
struct FailingStrip : ScaleStrip
{
    FailingStrip(int call, int number)
        : ScaleStrip(nullptr, 570)
        , call(call)
        , number(number)
    { }
    void lineTo(float x, float y, Colour c) override
    {
        if (++calls == call || call < 0)
            throw RuntimeError{number};
        ScaleStrip::lineTo(x, y, c);
    }
    int calls = 0, call, number;
};

// Whether every strip stands at its Left's nearest pixel and the readings a user takes
// off the window agree with the worked settings: 10 GHz under 1 m at 13235 with 40.48 dBi
// (over the 100 % tick) and 2.11° (under the 3dB mark), and 1 m over 10 GHz at 15080 with
// about 70 m under the range mark, each bar moving its product by one decade every 6400
// (upper) or 16000 (lower) units. The nomograms' own readings are the window's, or none
// where that lies off its scale.
void checkReadings(const StartedProgram &p, double efficiency)
{
    const Dishscope &w = p.window;
    for (ScaleStrip *s : p.strips())
        QCOMPARE(s->x(), int(std::lround(s->leftTwips() / 15)));
    // What a strip's scale reads at a twip of the view: against a tick of another strip,
    // or under the middle of a mark.
    const auto read = [](ScaleStrip *strip, const ScaleRule &scale, double viewTwips) {
        return scale.value(viewTwips - strip->leftTwips());
    };
    const auto under = [&](QLabel *mark, ScaleStrip *strip, const ScaleRule &scale) {
        return read(strip, scale, (mark->x() + mark->width() / 2.0) * 15);
    };
    const auto gainAbove = [&](double percent) {
        return read(w.picPICD, Gain, w.picPICE->leftTwips() + Efficiency.position(percent));
    };
    const double frequencyUnder1m =
            read(w.picPICB, UpperFrequency, w.picPICA->leftTwips() + UpperDiameter.position(1));
    const double diameterOver10GHz =
            read(w.picPICG, LowerDiameter, w.picPICH->leftTwips() + LowerFrequency.position(10));
    const double gain = gainAbove(100), beamwidth = under(w.lblCursor1, w.picPICC, Beamwidth),
                 range = under(w.lblCursor3, w.picPICF, FarFieldRange);
    const double upper = (w.scrSCROLL->value() - 13235) / 6400.0,
                 lower = (w.scrSCROLL2->value() - 15080) / 16000.0;
    QVERIFY2(near(std::log10(frequencyUnder1m), 1 - upper, 0.1 / 2000),
             qPrintable(QString::number(frequencyUnder1m)));
    QVERIFY(near(std::log10(beamwidth), std::log10(2.11) + upper, 0.001));
    QVERIFY(near(gain, 40.48 - 20 * upper, 0.005));
    QVERIFY(near(std::log10(diameterOver10GHz), lower, 0.1 / 2000));
    QVERIFY(near(std::log10(range) - 2 * std::log10(diameterOver10GHz), std::log10(69.9), 0.001));

    const NomogramReadings n =
            readNomogram(w.scrSCROLL->value(), w.scrSCROLL2->value(), efficiency);
    for (auto [reading, shown, scale] :
         {std::tuple{n.gainAtFullEfficiency, gain, Gain},
          {n.gainAtEfficiency, gainAbove(efficiency), Gain},
          {n.beamwidth3dB, beamwidth, Beamwidth},
          {n.beamwidth10dB, under(w.lblCursor2, w.picPICC, Beamwidth), Beamwidth},
          {n.farFieldRange, range, FarFieldRange}}) {
        const bool onScale = shown >= scale.low - 1e-9 && shown <= scale.high * (1 + 1e-9);
        QVERIFY2(reading.has_value() == onScale
                         && (!reading || near(*reading, shown, 1e-6 * shown)),
                 qPrintable(QString::number(shown)));
    }
}

// The bottom row of the view showing, left to right: the text of each button shown and
// where it stands, which must be the left and the right place of the row.
QString at(const QRect &r)
{
    return QString(" at %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
void checkView(const Dishscope &w)
{
    const std::map<QWidget *, QStringList> rows{{w.picPIC, {"Instructions", "Company Info"}},
                                                {w.picPICK, {"Nomogram", "Company Info"}},
                                                {w.picPICJ, {"Instructions", "Nomogram"}}};
    QStringList expected;
    for (const auto &[panel, texts] : rows)
        for (int place = 0; place < 2 && panel->isVisibleTo(&w); ++place)
            expected << texts[place] + at(pixelsOf(placementOf(place ? "cmdInfo" : "cmdInstr")));
    QMultiMap<int, QString> row;
    for (QPushButton *b : w.findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
        if (b->isVisibleTo(&w))
            row.insert(b->x(), b->text() + at(b->geometry()));
    QCOMPARE(row.values(), expected);
}

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
        struct OnShow : QObject
        {
            std::function<void()> check;
            bool eventFilter(QObject *, QEvent *e) override
            {
                return e->type() == QEvent::Show && (check(), false);
            }
        } onShow;
        onShow.check = [&] {
            shown = true;
            for (ScaleStrip *s : p.strips())
                QVERIFY(!s->displayList().empty());
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
        // A strip that slides lies in front of the fixed strips it overlaps: nothing covers
        // it, so that sliding it moves it by a blit.
        const QList<ScaleStrip *> sliding{w.picPICB, w.picPICC, w.picPICD, w.picPICF, w.picPICG};
        for (ScaleStrip *s : sliding)
            for (ScaleStrip *fixed : p.strips())
                if (const QRect both = s->geometry() & fixed->geometry();
                    !sliding.contains(fixed) && !both.isEmpty())
                    QCOMPARE(s->parentWidget()->childAt(both.center()), s);
        const QImage shot = w.grab().toImage();
        QCOMPARE(shot.pixel(3, 3), qRgb(0xD5, 0x2B, 0x1E));
        const QPoint view = w.picPIC->client()->mapTo(&w, QPoint());
        QCOMPARE(shot.pixel(view + QPoint(5, 5)), qRgb(255, 255, 255));
        QCOMPARE(shot.pixel(view + w.lblCursor3->geometry().topLeft() + QPoint(1, 2)),
                 qRgb(0xC0, 0, 0xC0));
    }

    // One failed stroke, every stroke failed, and failures numbered 0 or less, which are
    // silent. Each is told in a message box, either of whose answers lets the procedure go
    // on after it, and so does start-up.
    void failuresAreReportedAndDrawingGoesOn()
    {
        StartedProgram reference;
        const auto strokes = [](const ScaleStrip *s) {
            return std::count_if(s->displayList().begin(), s->displayList().end(),
                                 [](auto &op) { return op.kind == DrawOp::LineTo; });
        };
        for (auto [call, number] : {std::pair{3, 480}, {-1, 480}, {3, 0}, {3, -7}}) {
            const int all = strokes(reference.window.picPICC), failed = call < 0 ? all : 1;
            StartedProgram p(false);
            FailingStrip failing(call, number);
            const Dishscope &w = p.window;
            Module1 module(p.window,
                           {w.picPICA, w.picPICB, &failing, w.picPICD, w.picPICE, w.picPICF,
                            w.picPICG, w.picPICH},
                           p.reporter, p.clock);
            module.MAIN();
            QCOMPARE(p.reporter.messages,
                     QStringList(number > 0 ? failed : 0, "Error in PICC()  Error number is  480"));
            QCOMPARE(strokes(&failing), all - failed);
            QCOMPARE(p.window.picPICH->displayList(), reference.window.picPICH->displayList());
            QVERIFY(p.window.isVisible());
        }

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
    // every action the strips read true, one view shows, nothing was reported and no
    // scale was drawn again. Keys move the way they point, by the bar's step.
    void slidingReadsTrue()
    {
        StartedProgram p;
        Dishscope &w = p.window;
        QCOMPARE(std::pair(w.scrSCROLL->minimum(), w.scrSCROLL2->maximum()), std::pair(0, 32767));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto renders = [&] {
            QList<int> counts;
            for (ScaleStrip *s : p.strips())
                counts << s->renderCount();
            return counts;
        };
        const QList<int> rendered = renders();
        QRandomGenerator random(20270301);
        const QList<QPushButton *> buttons{w.cmdInstr, w.cmdInfo, w.cmdNomogram};
        for (int i = 0; i < 1500 && !QTest::currentTestFailed(); ++i) {
            QScrollBar *bar = random.bounded(2) ? w.scrSCROLL : w.scrSCROLL2;
            const int from = bar->value();
            switch (random.bounded(4)) {
            case 0:
                bar->setValue(QList<int>{0, 13235, 15080, 32767}[random.bounded(4)]);
                break;
            case 1:
                bar->setValue(random.bounded(32768));
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
        QCOMPARE(renders(), rendered);
    }

    // Export… to a file it cannot write: one message box naming the file and why; the
    // next export, to a file it can write, writes it.
    void failedExportIsToldAndTheNextSucceeds()
    {
        StartedProgram p;
        QTemporaryDir dir;
        QStringList files{dir.filePath("nomogram.jpg"), dir.filePath("nomogram.svg")}, boxes;
        QTimer answer;
        // Each answer is queued, so that the dialog it opens is answered in turn.
        connect(&answer, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                // Each dialog its own file, typed again should the dialog, loading its folder,
                // clear it.
                if (!dialog->property("file").isValid())
                    dialog->setProperty("file", files.takeFirst());
                if (auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
                    name->text() != dialog->property("file")) {
                    name->setText(dialog->property("file").toString());
                    QTimer::singleShot(0, dialog,
                                       [dialog] { static_cast<QDialog *>(dialog)->accept(); });
                }
            } else if (box && !boxes.contains(box->text())) {
                boxes << box->text();
                QTimer::singleShot(0, box, &QDialog::accept);
            }
        });
        answer.start(20);
        p.window.commands->exportAction->trigger();
        p.window.commands->exportAction->trigger();
        QCOMPARE(files, QStringList());
        QCOMPARE(boxes,
                 QStringList("Cannot tell what to write as \u201Cnomogram.jpg\u201D: end the "
                             "name in .pdf, .svg or .png."));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList("nomogram.svg"));
        QVERIFY(contents(dir.filePath("nomogram.svg")).trimmed().endsWith("</svg>"));
    }

    // In each language, every text of the context menu, the instructions and the Set
    // Antenna dialog is one of the language's translations; the scales are drawn as in English.
    void wordsAreTranslatedButNotTheFace()
    {
        StartedProgram english;
        for (const QString language : {"de", "fr", "es"}) {
            QStringList translations; // none where the file cannot be read, and every text fails
            for (QXmlStreamReader xml(contents(BEAMWISE_I18N "/beamwise_" + language + ".ts"));
                 !xml.atEnd();)
                if (xml.readNext() == QXmlStreamReader::StartElement
                    && xml.name() == QLatin1String("translation"))
                    translations << xml.readElementText();
            QTranslator translator;
            QVERIFY(translator.load(":/i18n/beamwise_" + language)
                    && QCoreApplication::installTranslator(&translator));
            StartedProgram p;
            SetAntennaDialog dialog(&p.window);
            p.window.showInstructions(); // made when first shown
            QStringList shown{dialog.windowTitle(),
                              p.window.findChild<QLabel *>("instructionsText")->text()};
            for (QAction *action : p.window.picPIC->actions())
                shown << action->text();
            // Not the complaints, composed and hidden until a field is typed in.
            for (QLabel *label : dialog.findChildren<QLabel *>())
                if (!label->isHidden())
                    shown << label->text();
            for (QLineEdit *field : dialog.findChildren<QLineEdit *>())
                shown << field->placeholderText();
            for (QComboBox *choice : dialog.findChildren<QComboBox *>())
                for (int i = 0; i < choice->count(); ++i)
                    shown << choice->itemText(i);
            for (const QString &text : shown)
                QVERIFY2(text.isEmpty() || translations.contains(text),
                         qPrintable(language + ": " + text));
            for (int i = 0; i < 8; ++i)
                QCOMPARE(p.strips()[i]->displayList(), english.strips()[i]->displayList());
            QCoreApplication::removeTranslator(&translator);
        }
    }
};

BEAMWISE_TEST_MAIN(WindowTest)
#include "tst_window.moc"
