#include "readings/layout.h"
#include "readings/scale_rules.h"
#include "support/process.h"

#include <QImage>
#include <QtTest>

#include <sys/resource.h>

// Export as users run it from the command line, with no display: vector files
// whose strokes stand at the strips' exact twips, a page at true size with its
// footer, a PNG at 300 dpi, and nothing left behind by a refusal.

namespace {

// The x of every red vertical stroke of the SVG, by the top of the strip it is in:
// each strip's strokes are a group translated to the strip's Left and Top.
QMultiMap<double, double> redTicks(const QString &file)
{
    QMultiMap<double, double> ticks;
    static const QRegularExpression translated(
            "stroke=\"#ff0000\"[^>]*matrix\\(1,0,0,1,([-\\d.]+),([-\\d.]+)\\)"),
            vertical("<polyline[^>]*points=\"([-\\d.]+),[-\\d.]+ \\1,");
    for (const QString &group : QString(contents(file)).split("<g ")) {
        const QRegularExpressionMatch at = translated.match(group);
        for (auto line = vertical.globalMatch(group); at.hasMatch() && line.hasNext();)
            ticks.insert(at.captured(2).toDouble(),
                         at.captured(1).toDouble() + line.next().captured(1).toDouble());
    }
    return ticks;
}

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    // For 1 m at 10 GHz and 10 m at 0.1 GHz, the decade tick of the diameter stands over
    // that of the frequency, to a tenth of a twip, on both nomograms.
    void svgStrokesStandAtExactTwips()
    {
        for (const auto &[diameter, frequency] : {std::pair{1.0, 10.0}, {10.0, 0.1}}) {
            const QString file = dir.filePath("nomogram.svg");
            const QStringList antenna{"--diameter", QString::number(diameter), "--frequency",
                                      QString::number(frequency)};
            QCOMPARE(run(BEAMWISE_BINARY, QStringList{"--export", file} + antenna).status, 0);
            const QMultiMap<double, double> ticks = redTicks(file);
            for (auto [over, under, at] :
                 {std::tuple{"picPICA", "picPICB",
                             placementOf("picPICA").left
                                     + readings::UpperDiameter.position(diameter)},
                  {"picPICH", "picPICG",
                   placementOf("picPICH").left + readings::LowerFrequency.position(frequency)}})
                for (const char *strip : {over, under}) {
                    const QList<double> own = ticks.values(placementOf(strip).top);
                    QVERIFY2(std::count_if(own.begin(), own.end(),
                                           [at = at](double x) { return std::abs(x - at) <= 0.1; })
                                     == 1,
                             strip);
                }
        }
    }

    // A page of the user's paper, A4 or letter, whose footer has the readings and today's
    // date in the user's language; a PNG at 300 dpi of the view less its frame.
    void pdfPageAndPng()
    {
        const QString pdf = dir.filePath("nomogram.pdf");
        for (auto [lang, size] : {std::pair{"de_DE.UTF-8", "595 x 842 pts (A4)"},
                                  {"en_GB.UTF-8", "595 x 842 pts (A4)"},
                                  {"en_US.UTF-8", "612 x 792 pts (letter)"}}) {
            QCOMPARE(run(BEAMWISE_BINARY, {"--export", pdf, "--diameter", "1", "--frequency", "10"},
                         lang)
                             .status,
                     0);
            QVERIFY(run("pdfinfo", {pdf}).out.contains(size));
            const QString today = QLocale(QString(lang).section('.', 0, 0))
                                          .toString(QDate::currentDate(), "d MMM yyyy");
            QVERIFY2(run("pdftotext", {pdf, "-"}).out.contains('\n' + today + '\n'), lang);
        }
        const QString words = run("pdftotext", {"-layout", pdf, "-"}).out;
        for (const char *expected :
             {"Antenna Diameter (metres)", "Far Field Range", "Beamwidth (degrees)", "10,000",
              "Antenna: 1 m at 10 GHz", "Gain at 100 % efficiency: 40.5 dBi",
              "Far-field range: 69.9 m"})
            QVERIFY2(words.contains(expected), expected);

        const QString png = dir.filePath("nomogram.png");
        QCOMPARE(run(BEAMWISE_BINARY, {"--export", png}).status, 0);
        const QImage image(png);
        const Placement &view = placementOf("picPIC");
        QCOMPARE(image.size(),
                 QSize(qRound((view.width - 60) * 300 / 1440.0),
                       qRound((view.height - 60) * 300 / 1440.0)));
        QCOMPARE(std::pair(image.dotsPerMeterX(), image.dotsPerMeterY()),
                 std::pair(qRound(300 / 0.0254), qRound(300 / 0.0254)));
    }

    // A failed write (a folder that is not there, a file that cannot grow, as on a full
    // disk) names the file and the system's reason in one line, and leaves the folder as
    // it was: an old file byte for byte, no new or temporary file.
    void failuresKeepEveryFile()
    {
        QTemporaryDir folder;
        QDir disk(folder.path());
        const auto check = [&](
                                   const QString &file, int status, const QString &reason,
                                   const std::function<void()> &inChild = [] {}) {
            const QStringList before = disk.entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
            const QByteArray kept = contents(file);
            const Run done = run(BEAMWISE_BINARY, {"--export", file}, "en_GB.UTF-8", inChild);
            QCOMPARE(done.status, status);
            QVERIFY2(done.err.startsWith("beamwise: ") && done.err.endsWith(reason + "\n")
                             && done.err.count('\n') == 1,
                     qPrintable(done.err));
            QVERIFY(done.err.contains(status == 2 ? QFileInfo(file).fileName() : file));
            QCOMPARE(disk.entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
            QCOMPARE(contents(file), kept);
        };
        check(disk.filePath("nomogram.jpg"), 2, ".pdf, .svg or .png");
        check(disk.filePath("no/such/folder/nomogram.pdf"), 1, "No such file or directory");
        const auto limit = [] {
            const rlimit small{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &small);
        };
        for (const char *type : {"pdf", "svg", "png"}) {
            const QString file = disk.filePath(QString("keep.") + type);
            QCOMPARE(run(BEAMWISE_BINARY, {"--export", file, "--diameter", "2", "--frequency", "5"})
                             .status,
                     0);
            check(file, 1, "File too large", limit);
            check(disk.filePath(QString("new.") + type), 1, "File too large", limit);
        }
    }

    // Without the printing and export module beside it, or with a file there that is no
    // module, the program says which file in one line and writes nothing.
    void missingModuleIsNamed()
    {
        QTemporaryDir folder;
        const QString program = folder.filePath("beamwise"),
                      module = folder.filePath("beamwise_print.so");
        QVERIFY(QFile::copy(BEAMWISE_BINARY, program));
        for (const bool present : {false, true}) {
            if (present)
                QVERIFY(write(module, "no library"));
            const Run done = run(program, {"--export", folder.filePath("nomogram.pdf")});
            QCOMPARE(done.status, 1);
            QVERIFY2(done.err.count('\n') == 1
                             && done.err.contains(present ? module : "beamwise_print.so"),
                     qPrintable(done.err));
            QVERIFY(!QFile::exists(folder.filePath("nomogram.pdf")));
        }
    }
};

QTEST_GUILESS_MAIN(ExportTest)
#include "tst_export.moc"
