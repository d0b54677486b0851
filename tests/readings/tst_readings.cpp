#include "readings/antenna_request.h"
#include "readings/bar_rules.h"
#include "readings/figures.h"
#include "readings/layout.h"
#include "readings/scale_rules.h"

#include <QRegularExpression>
#include <QTest>
#include <array>
#include <cmath>
#include <random>

// The arithmetic and its words, without a window: typed quantities, and the antenna
// request as every way in uses it. Sentences are asked for in C numbers, to be read back.

namespace {

using K = QuantityKind;
using Answer = std::variant<SetAntenna, Refusal>;
const QLocale C = QLocale::c();

Quantity typed(K kind, const QString &text)
{
    const ReadQuantity read = readQuantity(kind, text, C);
    if (!read.quantity)
        QTest::qFail(qPrintable(text + ": " + read.error), __FILE__, __LINE__);
    return read.quantity.value_or(Quantity{1, "m", 1});
}

Answer ask(K a, const QString &ta, K b, const QString &tb, const char *efficiency = nullptr)
{
    std::optional<Quantity> e;
    if (efficiency)
        e = readEfficiency(efficiency, C).quantity;
    return answer({{a, typed(a, ta)}, {b, typed(b, tb)}, e}, C);
}

// What an answer says: the antenna set, or why not.
QString said(const Answer &a)
{
    const auto *refusal = std::get_if<Refusal>(&a);
    return refusal ? refusal->sentence : antennaLine(std::get<SetAntenna>(a).antenna, C);
}

// What an antenna set reads of a kind: its diameter or frequency, or a reading.
double valueOf(const SetAntenna &s, K kind)
{
    const NomogramReadings &r = s.readings;
    const std::optional<double> read[] = {s.antenna.diameter.value, s.antenna.frequency.value,
                                          r.efficiency ? r.gainAtEfficiency
                                                       : r.gainAtFullEfficiency,
                                          r.beamwidth3dB, r.farFieldRange};
    return read[int(kind)].value_or(-1);
}

const char *const Units[] = {" m", " GHz", " dBi", " deg", " m"};
// What is wanted with what is given: a frequency with a diameter is placed, the rest found.
const std::pair<QuantityKind, QuantityKind> Pairs[] = {
        {K::Frequency, K::Diameter}, {K::Gain, K::Diameter},      {K::Gain, K::Frequency},
        {K::Gain, K::FarField},      {K::Beamwidth, K::Diameter}, {K::Beamwidth, K::Frequency},
        {K::Beamwidth, K::FarField}, {K::FarField, K::Diameter},  {K::FarField, K::Frequency}};
const ScaleRule *const Scales[] = {&readings::UpperDiameter, &readings::UpperFrequency,
                                   &readings::Gain, &readings::Beamwidth, &readings::FarFieldRange};
const char *const Reached[] = {"diameters", "frequencies", "a gain", "a beamwidth", "a far-field"};

// A quantity off its scale is named as typed, with the ends of the scale, printed in the
// unit it was typed in and rounded inwards.
void checkOffScale(const QString &sentence, K kind, const QString &text)
{
    static const QRegularExpression ends(" is off the .* from ([\\d.]+) to ([\\d.]+)(.*)\\.$");
    const QRegularExpressionMatch m = ends.match(sentence);
    const Quantity off = typed(kind, text);
    QVERIFY2(m.hasMatch() && sentence.startsWith(off.typed(C) + " is off")
                     && m.captured(3) == off.spacedUnit(),
             qPrintable(sentence));
    for (auto [end, scale] : {std::pair{2, Scales[int(kind)]->high}, {1, Scales[int(kind)]->low}})
        QVERIFY2(std::abs(m.captured(end).toDouble() - off.inTypedUnit(scale))
                         <= off.inTypedUnit(scale) / 200,
                 qPrintable(sentence));
}

// A reach told in a refusal holds what it says: its two ends, as printed, can be set in
// place of the quantity it is of; just past either cannot. Printed to three figures and
// rounded inwards, an end may lie up to a step of its third figure inside the true one,
// so "just past" is two steps beyond it, or a few Values' worth of gain near zero.
void checkReach(const QString &sentence, K a, const QString &ta, K b, const QString &tb)
{
    static const QRegularExpression reach("they can set (\\S+|a \\S+) from ([\\d.]+) to ([\\d.]+)");
    const QRegularExpressionMatch m = reach.match(sentence);
    QVERIFY2(m.hasMatch(), qPrintable(sentence));
    const K of = K(std::find(std::begin(Reached), std::end(Reached), m.captured(1)) - Reached);
    QVERIFY2((of == a) != (of == b), qPrintable(sentence));
    QVERIFY(sentence.contains(" with " + typed(of == a ? b : a, of == a ? tb : ta).typed(C) + " "));
    const double low = m.captured(2).toDouble(), high = m.captured(3).toDouble();
    const auto asking = [&](double v) {
        const QString text = QString::number(v, 'g', 6) + typed(of, of == a ? ta : tb).spacedUnit();
        return of == a ? ask(a, text, b, tb, "60") : ask(a, ta, b, text, "60");
    };
    const auto past = [&](double v) {
        return std::max(2 * std::pow(10.0, std::floor(std::log10(v)) - 2),
                        of == K::Gain ? 0.01 : 0);
    };
    for (auto [inside, beyond] : {std::pair{low, low - past(low)}, {high, high + past(high)}}) {
        QVERIFY2(std::holds_alternative<SetAntenna>(asking(inside)), qPrintable(sentence));
        // Nothing below zero can be typed to be refused.
        QVERIFY2(beyond <= 0 || std::holds_alternative<Refusal>(asking(beyond)),
                 qPrintable(sentence));
    }
}

// A found antenna is printed to three significant figures, and the bars stand where it
// sets them: typed back as printed, it sets the same Values.
void checkFigures(const SetAntenna &s)
{
    const QString line = antennaLine(s.antenna, C);
    static const QRegularExpression parts(
            "Antenna: (\\S+) (\\S+)( \\(found\\))? at (\\S+) ([^\\s,]+)( \\(found\\))?");
    const QRegularExpressionMatch m = parts.match(line);
    QVERIFY2(m.hasMatch(), qPrintable(line));
    for (int found : {3, 6})
        if (m.hasCaptured(found))
            QVERIFY2(m.captured(found - 2).remove('.').remove(QRegularExpression("^0+")).size()
                             == 3,
                     qPrintable(line));
    const Answer back = ask(K::Diameter, m.captured(1) + ' ' + m.captured(2), K::Frequency,
                            m.captured(4) + ' ' + m.captured(5));
    QVERIFY2(std::holds_alternative<SetAntenna>(back), qPrintable(line));
    const BarValues v = std::get<SetAntenna>(back).values;
    QCOMPARE(std::pair(v.upper, v.lower), std::pair(s.values.upper, s.values.lower));
}

// One want with one given, in both orders, checked by what its answer says; tallied as
// found, out of reach or off a scale.
void checkWant(K wanted, const QString &w, K given, const QString &other, QMap<QString, int> &tally)
{
    const Answer a = ask(wanted, w, given, other, "60");
    const QString sentence = said(a);
    const auto onScale = [](K kind, const QString &text) {
        return Scales[int(kind)]->holds(typed(kind, text).value);
    };
    QCOMPARE(said(ask(given, other, wanted, w, "60")), sentence);
    if (const auto *s = std::get_if<SetAntenna>(&a)) {
        // Three figures of what was found move a gain by up to 0.05 dB for each found
        // value, a beamwidth and a far field by up to 0.5 % and 1 % in proportion.
        const double want = typed(wanted, w).value, read = valueOf(*s, wanted);
        const int foundValues = given == K::FarField ? 2 : 1;
        QVERIFY2(wanted == K::Gain ? std::abs(read - want) <= 0.05 * foundValues
                                   : std::abs(std::log10(read / want)) <= std::log10(1.0051)
                                         * foundValues * (wanted == K::FarField ? 2 : 1),
                 qPrintable(w + " read " + QString::number(read)));
        const double givenValue = typed(given, other).value;
        // A far field given is read where the found diameter and frequency set it.
        QVERIFY(std::abs(valueOf(*s, given) / givenValue - 1)
                <= (given == K::FarField ? 0.016 : 0));
        QCOMPARE(s->antenna.diameterFound, given != K::Diameter && wanted != K::Diameter);
        QCOMPARE(s->antenna.frequencyFound, given != K::Frequency && wanted != K::Frequency);
        checkFigures(*s);
        ++tally["found"];
    } else if (!onScale(wanted, w) || !onScale(given, other)) {
        // Whichever of the two is off its scale is named, whatever the other.
        const bool namesWant = sentence.startsWith(typed(wanted, w).typed(C) + ' ');
        QVERIFY2(namesWant ? !onScale(wanted, w) : !onScale(given, other), qPrintable(sentence));
        checkOffScale(sentence, namesWant ? wanted : given, namesWant ? w : other);
        ++tally["off"];
    } else if (sentence.contains(" no ")) {
        QVERIFY2(sentence.endsWith(" with " + typed(given, other).typed(C) + "."),
                 qPrintable(sentence));
    } else {
        checkReach(sentence, wanted, w, given, other);
        ++tally["reached"];
    }
}

// What each reading claims, computed here from the antenna: lambda = c/f, the gain
// eta (pi D/lambda)^2, the beamwidths 70 lambda/D and 10^0.27375 (1.878) times that, as the
// README has them, the far field 2 D^2/lambda.
std::array<double, 5> physics(double d, double fGHz, double efficiency)
{
    const double lambda = 299792458.0 / (fGHz * 1e9);
    const double gain = 20 * std::log10(M_PI * d / lambda);
    return {gain, gain + 10 * std::log10(efficiency / 100), 70 * lambda / d,
            70 * std::pow(10, 0.27375) * lambda / d, 2 * d * d / lambda};
}

// A reading as printed holds its formula to half a unit of its last figure; one beyond its
// scale is told the end it lies past, and the formula lies past that end.
void checkReading(const SetAntenna &s, ReadingKind kind, double truth)
{
    const QString line =
            readingLines(s.readings, nullptr, C)
                    .at(int(kind)
                        - (!s.readings.efficiency && kind > ReadingKind::GainAtEfficiency));
    static const QRegularExpression number(": ([\\d.]+)(\\D|$)");
    static const QRegularExpression beyond("beyond the .* scale \\((over|under) ([\\d,.]+)");
    const QString what =
            antennaLine(s.antenna, C) + ": " + line + " against " + QString::number(truth);
    if (const QRegularExpressionMatch m = number.match(line); m.hasMatch()) {
        const QString printed = m.captured(1);
        const int decimals = printed.contains('.') ? printed.size() - printed.indexOf('.') - 1 : 0;
        const double unit =
                std::max(std::pow(10.0, -decimals),
                         std::pow(10.0, std::floor(std::log10(printed.toDouble())) - 2));
        QVERIFY2(std::abs(printed.toDouble() - truth) <= unit / 2 * (1 + 1e-6), qPrintable(what));
    } else {
        const QRegularExpressionMatch b = beyond.match(line);
        const double end = b.captured(2).remove(',').toDouble();
        QVERIFY2(b.hasMatch()
                         && (b.captured(1) == "over" ? truth > end * 0.999 : truth < end * 1.001),
                 qPrintable(what));
    }
}

} // namespace

class ReadingsTest : public QObject
{
    Q_OBJECT

private slots:
    // Every unit at its factor, numbers in the locale's way and in plain C, each
    // complaint for what cannot be read, and the efficiency's ends and just past them. A
    // text that the locale and a plain point read as different numbers is refused with both.
    void typedQuantities_data()
    {
        QTest::addColumn<int>("kind"); // a QuantityKind, or 5 for the efficiency
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // in m, GHz, dBi, degrees or %; 0 if refused
        QTest::addColumn<QString>("complaint");
        QTest::addColumn<QString>("locale");
        const auto row = [](const char *name, int kind, const char *text, double value,
                            const char *complaint = "", const char *locale = "en_GB") {
            QTest::newRow(name) << kind << QString(text) << value << QString(complaint)
                                << QString(locale);
        };
        row("cm", 0, "90cm", 0.9);
        row("mm", 0, "25.4 mm", 0.0254);
        row("feet", 0, "4 FT", 1.2192);
        row("inches", 0, "1e2 in", 2.54);
        row("German grouping", 0, "2.500", 0,
            "\u201C2.500\u201D is read two ways, as 2500 and as 2,5", "de_DE");
        row("no grouping in C", 4, "1,500 m", 0, "\u201C1,500\u201D is not a number", "C");
        row("kHz", 1, "5 KHZ", 5e-6);
        row("Hz grouped", 1, "2,400,000,000 Hz", 2.4);
        row("degrees", 3, "2\u00B0", 2);
        row("km", 4, "2 km", 2000);
        row("ft", 4, "500 ft", 152.4);
        row("lowest efficiency", 5, "10", 10);
        row("highest efficiency", 5, "100", 100);
        row("blank", 0, "  ", 0, "Type a diameter");
        row("negative", 0, "-1 m", 0, "more than zero");
        row("overflow in metres", 4, "1e308 km", 0,
            "\u201C1e308 km\u201D is too large for a far-field range.");
        row("unknown unit", 0, "1 parsec", 0,
            "\u201Cparsec\u201D is not a unit of diameter: use m, cm, mm, ft or in");
        row("percent alone", 5, "%", 0,
            "\u201C%\u201D is not a number: type an efficiency such as 60 %.");
        for (const char *off : {"-5", "9.99 %", "100.01"})
            row(off, 5, off, 0, "The efficiency scale runs from 10 to 100 %.");
    }
    void typedQuantities()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(QString, complaint);
        QFETCH(QString, locale);
        const ReadQuantity read = kind == 5 ? readEfficiency(text, QLocale(locale))
                                            : readQuantity(K(kind), text, QLocale(locale));
        QCOMPARE(read.quantity.has_value(), value != 0);
        QVERIFY(!read.quantity || std::abs(read.quantity->value - value) <= 1e-12 * value);
        QVERIFY2(read.error.contains(complaint) && read.error.isEmpty() == complaint.isEmpty(),
                 qPrintable(read.error));
    }

    // A number as typed is written as "%.12g" writes it, also where it lies next to half a
    // unit of its twelfth figure.
    void typedNumbersAsPrintfWrites()
    {
        std::mt19937_64 random(12);
        for (int i = 0; i < 200000; ++i) {
            const double figures =
                    std::uniform_int_distribution<long long>(1, 9999999999999)(random);
            const double v = (figures + (i % 2 ? 0.5 : 0)) * std::pow(10, int(random() % 30) - 20);
            char written[40];
            std::snprintf(written, sizeof written, "%.12g", v);
            QCOMPARE(plainTwelveFigures(v), std::string(written));
        }
    }

    // Every reading of antennas across the whole of each scale, and beyond its ends,
    // against its formula. Each nomogram answers for itself: an antenna that one can set
    // is answered, the other's readings beyond their scales.
    void readingsHoldTheirFormulas_data()
    {
        QTest::addColumn<double>("efficiency");
        QTest::newRow("100 %") << 100.0;
        QTest::newRow("60 %") << 60.0;
        QTest::newRow("10 %") << 10.0;
    }
    void readingsHoldTheirFormulas()
    {
        QFETCH(double, efficiency);
        int answered = 0, beyond = 0;
        for (double logD = -1; logD <= 2; logD += 3 / 61.0)
            for (double logF = -2; logF <= 2; logF += 4 / 67.0) {
                const double d = std::pow(10, logD), f = std::pow(10, logF);
                const Answer a = answer({{K::Diameter, {d, "m", 1}},
                                         {K::Frequency, {f, "GHz", 1}},
                                         Quantity{efficiency, "%", 1}},
                                        C);
                const auto *s = std::get_if<SetAntenna>(&a);
                // Refused only where neither nomogram can set it: the far field under 1 m and the
                // gain under 0 dBi, or the far field over 10 km and the beamwidth under 0.03.
                const auto truth = physics(d, f, efficiency);
                QVERIFY2(s || (truth[4] < 1 && truth[0] < 0) || (truth[4] > 1e4 && truth[2] < 0.03),
                         qPrintable(said(a)));
                for (int kind = 0; s && kind < 5; ++kind)
                    checkReading(*s, ReadingKind(kind), truth[kind]);
                // The bars stand at the whole Values nearest to the antenna's setting.
                const NomogramReadings whole =
                        s ? readNomogram(s->values.upper, s->values.lower) : NomogramReadings();
                const auto near = [&](std::optional<double> a, std::optional<double> b,
                                      double rate) {
                    return !a || !b || std::abs(std::log10(*a / *b)) <= 0.51 / rate / 2000;
                };
                QVERIFY(!s || near(whole.beamwidth10dB, s->readings.beamwidth10dB, 3.2));
                QVERIFY(!s || near(whole.farFieldRange, s->readings.farFieldRange, 4));
                answered += bool(s);
                beyond += s && !s->readings.beyond.isEmpty();
            }
        QVERIFY(answered > 3000 && beyond > 1000);
    }

    // Over wants across each scale, with each thing they can be set or found with, given
    // before or after: the antenna reads back what was wanted, to what three figures of what was
    // found allow, and has what was given; what was found is printed to three figures and sets the
    // bars where they stand. A want out of reach is told the reach that can be set; a quantity off
    // its scale, that scale's ends in the unit it was typed in.
    void foundAntennasKeepTheirPromises_data()
    {
        QTest::addColumn<K>("wanted");
        QTest::addColumn<K>("given");
        const char *const names[] = {"diameter", "frequency", "gain", "beamwidth", "far field"};
        for (const auto &[wanted, given] : Pairs)
            QTest::addRow("%s with %s", names[int(wanted)], names[int(given)]) << wanted << given;
    }
    void foundAntennasKeepTheirPromises()
    {
        QFETCH(K, wanted);
        QFETCH(K, given);
        const QStringList givens[] = {{"30 cm", "2 m", "30 m", "200 m"},
                                      {"50 MHz", "1.42 GHz", "40 GHz", "200 GHz"},
                                      {},
                                      {},
                                      {"3 m", "100 m", "5 km", "12 km"}};
        QMap<QString, int> tally;
        const ScaleRule &scale = *Scales[int(wanted)];
        for (const QString &other : givens[int(given)])
            for (double want = wanted == K::Gain ? 1 : scale.low * 0.5;
                 want <= scale.high * 1.5 && !QTest::currentTestFailed();
                 want = threeFigures(want * 1.37, C).toDouble())
                checkWant(wanted, threeFigures(want, C) + Units[int(wanted)], given, other, tally);
        QVERIFY(tally["found"] >= 5 && tally["reached"] >= 1 && tally["off"] >= 2);
    }

    // A kind twice is a breach of the pair rules whatever the values (the command line's
    // refusals tell the other breaches by their sentences). A want that one nomogram alone
    // can set is found: an 80 m dish's far field is beyond its scale.
    void pairRules()
    {
        const Answer twice = ask(K::Diameter, "2", K::Diameter, "2");
        QCOMPARE(std::get<Refusal>(twice).breach, PairBreach::SameTwice);
        const Answer telescope = ask(K::Gain, "60", K::Frequency, "1.42 GHz", "70");
        QCOMPARE(std::get<SetAntenna>(telescope).readings.beyond.size(), 1);
    }
};

QTEST_GUILESS_MAIN(ReadingsTest)
#include "tst_readings.moc"
