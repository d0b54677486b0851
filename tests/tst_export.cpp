#include "app/layout.h"
#include "scales/scale_readings.h"
#include "support/fixtures.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

// Export as users run it from the command line, with no display: vector files
// whose strokes stand at the strips' exact twips, a page at true size with its
// footer, a PNG at 300 dpi, and nothing left behind by a refusal.

namespace {

// The x of every red vertical stroke of the SVG, by the top of the strip it is in:
// each strip's strokes are a group translated to the strip's Left and Top.
QMultiMap<double, double> redTicks(const QString &file)
{
    QFile svg(file);
    svg.open(QIODevice::ReadOnly);
    QMultiMap<double, double> ticks;
    static const QRegularExpression translated("stroke=\"#ff0000\"[^>]*matrix\\(1,0,0,1,([-\\d.]+),([-\\d.]+)\\)"),
        vertical("<polyline[^>]*points=\"([-\\d.]+),[-\\d.]+ \\1,");
    for (const QString &group : QString(svg.readAll()).split("<g ")) {
        const QRegularExpressionMatch at = translated.match(group);
        for (auto line = vertical.globalMatch(group); at.hasMatch() && line.hasNext();)
            ticks.insert(at.captured(2).toDouble(), at.captured(1).toDouble() + line.next().captured(1).toDouble());
    }
    return ticks;
}

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void svgStrokesStandAtExactTwips();
    void pdfPageAndPng();
    void refusalsLeaveNothing();
};

// For 1 m at 10 GHz and 10 m at 0.1 GHz, the decade tick of the diameter stands over
// that of the frequency, to a tenth of a twip, on both nomograms.
void ExportTest::svgStrokesStandAtExactTwips()
{
    for (const auto &[diameter, frequency] : {std::pair{1.0, 10.0}, {10.0, 0.1}}) {
        const QString file = dir.filePath("nomogram.svg");
        QCOMPARE(run(BEAMWISE_BINARY, {"--export", file, "--diameter", QString::number(diameter), "--frequency", QString::number(frequency)}).status, 0);
        const QMultiMap<double, double> ticks = redTicks(file);
        for (auto [over, under, at] : {std::tuple{"picPICA", "picPICB", placementOf("picPICA").left + readings::UpperDiameter.position(diameter)},
                                       {"picPICH", "picPICG", placementOf("picPICH").left + readings::LowerFrequency.position(frequency)}}) {
            const auto near = [&](double x) { return std::abs(x - at) <= 0.1; };
            QVERIFY2(std::count_if(ticks.begin(), ticks.end(), near) == 2, over);
            QVERIFY(std::any_of(ticks.find(placementOf(over).top), ticks.end(), near));
            QVERIFY(std::any_of(ticks.find(placementOf(under).top), ticks.end(), near));
        }
    }
}

void ExportTest::pdfPageAndPng()
{
    for (auto [lang, size] : {std::pair{"en_GB.UTF-8", "595 x 842 pts (A4)"}, {"en_US.UTF-8", "612 x 792 pts (letter)"}}) {
        const QString pdf = dir.filePath("nomogram.pdf");
        QCOMPARE(run(BEAMWISE_BINARY, {"--export", pdf, "--diameter", "1", "--frequency", "10"}, lang).status, 0);
        QVERIFY(run("pdfinfo", {pdf}).out.contains(size));
    }
    const QString words = run("pdftotext", {"-layout", dir.filePath("nomogram.pdf"), "-"}).out;
    for (const char *expected : {"Antenna Diameter (metres)", "Far Field Range", "Beamwidth (degrees)", "10,000",
                                 "Antenna: 1 m at 10 GHz", "Gain at 100 % efficiency: 40.5 dBi", "Far-field range: 69.9 m"})
        QVERIFY2(words.contains(expected), expected);

    const QString png = dir.filePath("nomogram.png");
    QCOMPARE(run(BEAMWISE_BINARY, {"--export", png}).status, 0);
    const QImage image(png);
    const Placement &view = placementOf("picPIC");
    QCOMPARE(image.size(), QSize(qRound((view.width - 60) * 300 / 1440.0), qRound((view.height - 60) * 300 / 1440.0)));
    QCOMPARE(std::pair(image.dotsPerMeterX(), image.dotsPerMeterY()), std::pair(qRound(300 / 0.0254), qRound(300 / 0.0254)));
}

void ExportTest::refusalsLeaveNothing()
{
    QTemporaryDir empty;
    for (auto [file, status] : {std::pair{empty.filePath("nomogram.jpg"), 2}, {empty.filePath("no/such/folder/nomogram.pdf"), 1},
                                {empty.filePath("nomogram.svg") + "/x.svg", 1}}) {
        const Run done = run(BEAMWISE_BINARY, {"--export", file});
        QCOMPARE(done.status, status);
        QVERIFY2(done.err.startsWith("beamwise: ") && done.err.count('\n') == 1, qPrintable(done.err));
        QCOMPARE(QDir(empty.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
}

BEAMWISE_TEST_MAIN(ExportTest)
#include "tst_export.moc"
