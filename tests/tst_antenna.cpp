#include "slide/slide_rules.h"
#include "support/fixtures.h"

// Typing an antenna and taking its readings away: every way out says the same.

class AntennaTest : public QObject
{
    Q_OBJECT

private slots:
    // Every unit at its factor, numbers in the locale's way and in plain C, each complaint
    // for what cannot be read, and the efficiency's ends and just past them.
    void typedQuantities()
    {
        struct Typed
        {
            int kind;
            const char *text;
            double value;
            const char *complaint = "";
            const char *locale = "en_GB";
        };
        const Typed cases[] = {
                // kind: diameter, frequency, efficiency; value in m, GHz or %, 0 where it cannot be
                // read
                {0, " 1.2 ", 1.2},
                {0, "3 M", 3},
                {0, "90cm", 0.9},
                {0, "25.4 mm", 0.0254},
                {0, "4 FT", 1.2192},
                {0, "1e2 in", 2.54},
                {0, "1,2 m", 1.2, "", "de_DE"},
                {0, "1.2", 1.2, "", "de_DE"},
                {1, "12.5", 12.5},
                {1, "3 gHz", 3},
                {1, "900 mhz", 0.9},
                {1, "5 KHZ", 5e-6},
                {1, "2,400,000,000 Hz", 2.4},
                {2, "55%", 55},
                {2, "55", 55},
                {2, "10", 10},
                {2, "100", 100},
                {0, "  ", 0, "Type a diameter"},
                {0, "1,2,3", 0, "is not a number"},
                {0, "-1 m", 0, "more than zero"},
                {0, "0 mm", 0, "more than zero"},
                {1, "nan", 0, "is not a number"},
                {1, "1e999 GHz", 0, "is not a number"},
                {0, "1 parsec", 0,
                 "\u201Cparsec\u201D is not a unit of diameter: use m, cm, mm, ft or in"},
                {2, "9.99 %", 0, "The efficiency scale runs from 10 to 100 %."},
                {2, "9.999", 0, "The efficiency scale runs from 10 to 100 %."},
                {2, "100.01", 0, "The efficiency scale runs from 10 to 100 %."}};
        for (const Typed &c : cases) {
            const auto read = std::array{readDiameter, readFrequency,
                                         readEfficiency}[c.kind](c.text, QLocale(c.locale));
            QVERIFY2(read.quantity.has_value() == (c.value != 0)
                             && (!read.quantity
                                 || near(read.quantity->value, c.value, 1e-12 * c.value)),
                     c.text);
            QVERIFY2(read.error.contains(QString::fromUtf8(c.complaint))
                             && read.error.isEmpty() == !*c.complaint,
                     qPrintable(read.error));
        }
    }

    // 1 m at 10 GHz and 55 %, typed in the dialog: the bars land where the worked
    // readings are taken, and the dialog, the clipboard, the bars' descriptions and the
    // command line all give the readings of the worked example. An antenna out of reach,
    // typed in the dialog or on the command line, is refused and moves nothing.
    void everyWayOutReadsTheSame()
    {
        StartedProgram p;
        Dishscope &w = p.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // Types into the open dialog's fields; what its readings say then.
        const auto type = [&](std::initializer_list<std::pair<const char *, const char *>> fields) {
            for (auto [field, text] : fields)
                w.findChild<SetAntennaDialog *>()->findChild<QLineEdit *>(field)->setText(text);
            return w.findChild<SetAntennaDialog *>()->findChild<QLabel *>("readings")->text();
        };
        const auto ok = [&] {
            return w.findChild<SetAntennaDialog *>()->findChild<QDialogButtonBox *>()->button(
                    QDialogButtonBox::Ok);
        };
        QString preview;
        QTimer::singleShot(0, [&] {
            QVERIFY(w.findChild<SetAntennaDialog *>()
                    && w.findChild<SetAntennaDialog *>()->isVisible());
            preview = type(
                    {{"diameter", "100 cm"}, {"frequency", "10000 MHz"}, {"efficiency", "55"}});
            ok()->click();
        });
        QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier);

        QCOMPARE(std::pair(w.scrSCROLL->value(), w.scrSCROLL2->value()),
                 std::pair(13235, 15080)); // the worked settings

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

        // Moved on, the readings are no longer those of the antenna as typed.
        QTest::keyClick(w.scrSCROLL2, Qt::Key_Right);
        w.commands->copyReadingsAction->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(
                "Gain at 100 % efficiency: 40.5 dBi\n"));
        QVERIFY(!w.scrSCROLL2->accessibleDescription().endsWith(" " + expected.last() + "."));

        QTimer::singleShot(0, [&] {
            QCOMPARE(type({{"diameter", "100 m"}, {"frequency", "50 GHz"}}),
                     "Out of the nomograms' reach: with 100 m they can set frequencies from 0.01 "
                     "to 0.162 GHz only.");
            QVERIFY(!ok()->isEnabled());
            type({{"frequency", "5 parsec"}});
            QVERIFY(!ok()->isEnabled());
            // A wanted gain with a frequency finds the diameter; a gain with a beamwidth finds
            // nothing.
            w.findChild<SetAntennaDialog *>()
                    ->findChild<QObject *>("firstQuantity")
                    ->setProperty("currentIndex", 2);
            const QString found = type({{"diameter", "41.2"}, {"frequency", "11.7"}});
            QVERIFY(ok()->isEnabled()
                    && QRegularExpression(" m \\(found\\) at 11.7 GHz(.|\n)*: 41.2 dBi")
                               .match(found)
                               .hasMatch());
            w.findChild<SetAntennaDialog *>()
                    ->findChild<QObject *>("secondQuantity")
                    ->setProperty("currentIndex", 3);
            QVERIFY(!ok()->isEnabled());
            w.findChild<SetAntennaDialog *>()->reject();
        });
        w.commands->setAntennaAction->trigger();
        QCOMPARE(std::pair(w.scrSCROLL->value(), w.scrSCROLL2->value()),
                 std::pair(13235, 15090)); // one step on

        for (const QStringList &arguments :
             {QStringList{"--readings", "--diameter", "100", "--frequency", "50"},
              {"--diameter", "nan", "--frequency", "10"},
              {"--readings", "--diameter", "1"},
              {"--gain", "41.2", "--beamwidth", "2"},
              {"--readings", "--gain", "41.2"},
              {"--gain", "41.2", "--frequency", "11.7", "--diameter", "1"},
              {"--gain", "70", "--frequency", "0.1"},
              {"--readings", "--beamwidth", "2 rad", "--frequency", "1"}}) {
            const Run done = run(BEAMWISE_BINARY, arguments);
            QVERIFY2(done.status == 2 && done.out.isEmpty() && done.err.startsWith("beamwise: ")
                             && done.err.count('\n') == 1,
                     qPrintable(done.err));
        }
    }

    // An antenna is set at the Values nearest to exact; one refused is refused with a
    // reach whose inside can be set with the other value typed and whose outside, short
    // of a scale's end, cannot. Both scales' ends are on them, and just past them is not.
    void reachIsWhatCanBeSet()
    {
        using namespace readings;
        int refused = 0;
        for (double d : {0.1 * 0.9999, 0.1, 0.37, 4.3, 100.0, 100 * 1.0001})
            for (double f : {0.01 * 0.9999, 0.01, 0.23, 11.7, 100.0, 100 * 1.0001}) {
                const auto placed = placeAntenna(d, f);
                const bool offDiameters = d < 0.1 || d > 100, offFrequencies = f < 0.01 || f > 100;
                if (offDiameters || offFrequencies) {
                    const auto *off = std::get_if<OutOfReach>(&placed);
                    QVERIFY(off
                            && ((offDiameters && off->what == OutOfReach::Diameter)
                                || (offFrequencies && off->what == OutOfReach::Frequency)));
                } else if (const auto *v = std::get_if<BarValues>(&placed)) {
                    QVERIFY(std::abs(v->upper
                                     - slide::upperValueFor(1168 + UpperDiameter.position(d)
                                                            - UpperFrequency.position(f)))
                            <= 0.5);
                    QVERIFY(std::abs(v->lower
                                     - slide::lowerValueFor(2285 + LowerFrequency.position(f)
                                                            - LowerDiameter.position(d)))
                            <= 0.5);
                } else {
                    const OutOfReach reach = std::get<OutOfReach>(placed);
                    QVERIFY(reach.what == OutOfReach::Diameters
                            || reach.what == OutOfReach::Frequencies);
                    const ScaleReading &scale =
                            reach.what == OutOfReach::Diameters ? UpperDiameter : UpperFrequency;
                    const auto sets = [&](double v) {
                        return std::holds_alternative<BarValues>(reach.what == OutOfReach::Diameters
                                                                         ? placeAntenna(v, f)
                                                                         : placeAntenna(d, v));
                    };
                    QVERIFY(sets(reach.low * 1.001) && sets(reach.high * 0.999));
                    QVERIFY(reach.low <= scale.low * 1.0001 || !sets(reach.low * 0.999));
                    QVERIFY(reach.high >= scale.high * 0.9999 || !sets(reach.high * 1.001));
                    ++refused;
                }
            }
        QVERIFY(refused > 0 && refused < 16);
    }

    // Over wants across each scale, the found antenna's Values read the wanted value back
    // to three figures, and its diameter and frequency as shown set the same Values.
    void foundAntennasReadWhatWasWanted()
    {
        const std::vector<double> givens[] = {
                {0.3, 2.0, 30.0},
                {0.05, 1.42, 40.0},
                {3.0, 100.0, 5000.0}}; // diameters, frequencies, ranges
        const ScaleReading *scales[] = {&readings::Gain, &readings::Beamwidth,
                                        &readings::FarFieldRange};
        for (const Wanted wanted : {Wanted::Gain, Wanted::Beamwidth, Wanted::FarField})
            for (int given = 0; given < (wanted == Wanted::FarField ? 2 : 3);
                 ++given) { // a range is not found from a range
                const ScaleReading *scale = scales[int(wanted)];
                int found = 0;
                for (double other : givens[given])
                    // the gain scale is linear: 0.003 dBi a step
                    for (double want = scale == &readings::Gain ? 1 : scale->low;
                         want <= scale->high;
                         want = threeFigures(want * 1.37, QLocale::c()).toDouble()) {
                        const auto answer = findAntenna(wanted, want, Given(given), other, 60);
                        const auto *antenna = std::get_if<FoundAntenna>(&answer);
                        if (!antenna)
                            continue;
                        const NomogramReadings r =
                                readNomogram(antenna->values.upper, antenna->values.lower, 60);
                        const std::optional<double> taken[] = {r.gainAtEfficiency, r.beamwidth3dB,
                                                               r.farFieldRange}; // as Wanted is
                        const double read = *taken[int(wanted)];
                        QCOMPARE(threeFigures(read, QLocale::c()),
                                 threeFigures(want, QLocale::c()));
                        const BarValues shown = std::get<BarValues>(
                                placeAntenna(antenna->diameter, antenna->frequency));
                        QCOMPARE(std::pair(shown.upper, shown.lower),
                                 std::pair(antenna->values.upper, antenna->values.lower));
                        ++found;
                    }
                QVERIFY2(found >= 3,
                         qPrintable(QString::number(int(wanted)) + QString::number(given)));
            }
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
                for (const QString &line : english.split('\n').filter(
                             QRegularExpression("^(?!.*--)"))) // examples to type stay as typed
                    for (auto n = QRegularExpression("\\d+\\.\\d+").globalMatch(line); n.hasNext();)
                        QVERIFY2(text.contains(n.next().captured().replace('.', ',')), lang);
            }
        }
    }
};

BEAMWISE_TEST_MAIN(AntennaTest)
#include "tst_antenna.moc"
