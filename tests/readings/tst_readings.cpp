#include "readings/antenna_request.h"
#include "readings/bar_rules.h"
#include "readings/figures.h"
#include "readings/layout.h"
#include "readings/scale_rules.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>

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
// The quantities of one antenna, 1.2 m at 11.7 GHz, at 60 % efficiency.
const char *const OneAntenna[] = {"1.2 m", "11.7 GHz", "41.2 dBi", "1.50 deg", "118 m"};
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

// A diameter and a frequency are set at the Values that stand the frequency under the
// diameter on the upper nomogram, and the diameter over it on the lower one, to half a Value.
void checkStandTogether(const SetAntenna &s)
{
    using namespace readings;
    const double d = s.antenna.diameter.value, f = s.antenna.frequency.value;
    const double fUnder =
            UpperFrequency.value(placementOf("picPICA").left + UpperDiameter.position(d)
                                 - bars::upperFrequencyLeft(s.values.upper));
    const double dOver =
            LowerDiameter.value(placementOf("picPICH").left + LowerFrequency.position(f)
                                - bars::lowerDiameterLeft(s.values.lower));
    QVERIFY(std::abs(std::log10(fUnder / f)) <= 0.51 / 3.2 / 2000);
    QVERIFY(std::abs(std::log10(dOver / d)) <= 0.51 / 8 / 2000);
}

// A found antenna is printed with three figures at least, and with as few as set its
// Values: typed back, it sets them; with one figure fewer, it would not.
void checkFigures(const SetAntenna &s)
{
    const int k = s.antenna.foundFigures;
    const QString line = antennaLine(s.antenna, C);
    static const QRegularExpression parts(
            "Antenna: (\\S+) (\\S+)( \\(found\\))? at (\\S+) ([^\\s,]+)");
    const QRegularExpressionMatch m = parts.match(line);
    QVERIFY2(m.hasMatch() && k >= 3, qPrintable(line));
    // A printed last 5 may be a tie rounded up, whose own figure fewer the print no longer tells.
    const bool tie = line.contains(QRegularExpression("5 \\S+ \\(found\\)"));
    const Answer back = ask(K::Diameter, m.captured(1) + ' ' + m.captured(2), K::Frequency,
                            m.captured(4) + ' ' + m.captured(5));
    QVERIFY2(std::holds_alternative<SetAntenna>(back), qPrintable(line));
    const BarValues v = std::get<SetAntenna>(back).values;
    QCOMPARE(std::pair(v.upper, v.lower), std::pair(s.values.upper, s.values.lower));
    const auto fewer = [&](const Quantity &q, bool found) {
        return QString::number(q.inTypedUnit(q.value), 'g', found ? k - 1 : 17) + ' ' + q.unit;
    };
    const Answer less = ask(K::Diameter, fewer(s.antenna.diameter, s.antenna.diameterFound),
                            K::Frequency, fewer(s.antenna.frequency, s.antenna.frequencyFound));
    const auto *set = std::get_if<SetAntenna>(&less);
    QVERIFY2(k == 3 || tie || !set || set->values.upper != s.values.upper
                     || set->values.lower != s.values.lower,
             qPrintable(line));
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
        QCOMPARE(threeFigures(valueOf(*s, wanted), C), threeFigures(typed(wanted, w).value, C));
        const double givenValue = typed(given, other).value;
        QVERIFY(std::abs(valueOf(*s, given) / givenValue - 1) <= (given == K::FarField ? 3e-4 : 0));
        QCOMPARE(s->antenna.diameterFound, given != K::Diameter && wanted != K::Diameter);
        QCOMPARE(s->antenna.frequencyFound, given != K::Frequency && wanted != K::Frequency);
        if (wanted == K::Frequency)
            checkStandTogether(*s);
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

} // namespace

class ReadingsTest : public QObject
{
    Q_OBJECT

private slots:
    // Every unit at its factor, numbers in the locale's way and in plain C, each
    // complaint for what cannot be read, and the efficiency's ends and just past them.
    void typedQuantities()
    {
        struct Typed
        {
            int kind; // a QuantityKind, or 5 for the efficiency
            const char *text;
            double value; // in m, GHz, dBi, degrees or %; 0 where it cannot be read
            const char *complaint = "";
            const char *locale = "en_GB";
        };
        const Typed cases[] = {
                {0, "90cm", 0.9},
                {0, "25.4 mm", 0.0254},
                {0, "4 FT", 1.2192},
                {0, "1e2 in", 2.54},
                {0, "1.2", 1.2, "", "de_DE"},
                {1, "5 KHZ", 5e-6},
                {1, "2,400,000,000 Hz", 2.4},
                {3, "2\u00B0", 2},
                {4, "2 km", 2000},
                {4, "500 ft", 152.4},
                {5, "10", 10},
                {5, "100", 100},
                {0, "  ", 0, "Type a diameter"},
                {0, "-1 m", 0, "more than zero"},
                {1, "1e999 GHz", 0, "\u201C1e999 GHz\u201D is too large for a frequency."},
                {4, "1e308 km", 0, "\u201C1e308 km\u201D is too large for a far-field range."},
                {0, "1 parsec", 0,
                 "\u201Cparsec\u201D is not a unit of diameter: use m, cm, mm, ft or in"},
                {3, "2 rad", 0, "use \u00B0 or deg"},
                {2, "dBi", 0, "\u201CdBi\u201D is not a number"},
                {5, "%", 0, "\u201C%\u201D is not a number: type an efficiency such as 60 %."},
                {5, "-5", 0, "The efficiency scale runs from 10 to 100 %."},
                {5, "9.99 %", 0, "The efficiency scale runs from 10 to 100 %."},
                {5, "100.01", 0, "The efficiency scale runs from 10 to 100 %."}};
        for (const Typed &c : cases) {
            const QLocale locale(c.locale);
            const ReadQuantity read = c.kind == 5 ? readEfficiency(c.text, locale)
                                                  : readQuantity(K(c.kind), c.text, locale);
            QVERIFY2(read.quantity.has_value() == (c.value != 0), c.text);
            QVERIFY2(!read.quantity || std::abs(read.quantity->value - c.value) <= 1e-12 * c.value,
                     c.text);
            QVERIFY2(read.error.contains(c.complaint) && read.error.isEmpty() == !*c.complaint,
                     qPrintable(read.error));
        }
    }

    // The pair rules. Any two of one antenna's quantities find that antenna. Over wants
    // across each scale, with each thing they can be set or found with, given before or
    // after: the antenna reads back what was wanted and has what was given; a found one's
    // figures are as few as set its Values. A want out of reach is told the reach that can
    // be set; a quantity off its scale, that scale's ends in the unit it was typed in.
    void foundAntennasKeepTheirPromises()
    {
        const QStringList givens[] = {{"30 cm", "2 m", "30 m", "200 m"},
                                      {"50 MHz", "1.42 GHz", "40 GHz", "200 GHz"},
                                      {},
                                      {},
                                      {"3 m", "100 m", "5 km", "12 km"}};
        // A kind twice, and a gain with a beamwidth, which both fix the same product, are
        // breaches of the pair rules whatever the values; so are fewer or more than two.
        const auto breach = [](const Answer &a) { return std::get<Refusal>(a).breach; };
        QCOMPARE(breach(ask(K::Beamwidth, "2", K::Gain, "2")), PairBreach::GainWithBeamwidth);
        QCOMPARE(breach(ask(K::Diameter, "2", K::Diameter, "2")), PairBreach::SameTwice);
        QCOMPARE(pairBreach({K::Gain}), PairBreach::TooFew);
        QCOMPARE(pairBreach({K::Gain, K::Diameter, K::Frequency}), PairBreach::TooMany);
        for (const auto &[wanted, given] : Pairs) {
            const Answer one =
                    ask(wanted, OneAntenna[int(wanted)], given, OneAntenna[int(given)], "60");
            const auto *antenna = std::get_if<SetAntenna>(&one);
            QVERIFY2(antenna && std::abs(std::log10(antenna->antenna.diameter.value / 1.2)) < 0.004
                             && std::abs(std::log10(antenna->antenna.frequency.value / 11.7))
                                     < 0.004,
                     qPrintable(said(one)));
            QMap<QString, int> tally;
            const ScaleRule &scale = *Scales[int(wanted)];
            for (const QString &other : givens[int(given)])
                for (double want = wanted == K::Gain ? 1 : scale.low * 0.5;
                     want <= scale.high * 1.5 && !QTest::currentTestFailed();
                     want = threeFigures(want * 1.37, C).toDouble())
                    checkWant(wanted, threeFigures(want, C) + Units[int(wanted)], given, other,
                              tally);
            QVERIFY2(tally["found"] >= 5 && tally["reached"] >= 1 && tally["off"] >= 2,
                     qPrintable(QString("%1 with %2").arg(int(wanted)).arg(int(given))));
        }
    }
};

QTEST_GUILESS_MAIN(ReadingsTest)
#include "tst_readings.moc"
