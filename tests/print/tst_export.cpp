#include "readings/layout.h"
#include "support/process.h"

#include <QImage>
#include <QtTest>

#include <sys/resource.h>

// Export as users run it from the command line, with no display: a page at true size
// with its footer, a PNG at 300 dpi, and nothing left behind by a refusal. (That its
// strips stand at their exact twips is checked by the window's suite.)

// Writes the nomogram of 1 m at 10 GHz, as users do; whether it was written.
bool exported(const QString &file, const QString &lang = "en_GB.UTF-8")
{
    return run(BEAMWISE_BINARY, {"--export", file, "--diameter", "1", "--frequency", "10"}, lang)
                   .status
            == 0;
}

class ExportTest : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    // A page of the user's paper, A4 or letter, whose footer has the readings and today's
    // date in the user's language.
    void pdfPage()
    {
        const QString pdf = dir.filePath("nomogram.pdf");
        for (auto [lang, size] : {std::pair{"de_DE.UTF-8", "595 x 842 pts (A4)"},
                                  {"en_GB.UTF-8", "595 x 842 pts (A4)"},
                                  {"en_US.UTF-8", "612 x 792 pts (letter)"}}) {
            QVERIFY(exported(pdf, lang));
            QVERIFY(run("pdfinfo", {pdf}).out.contains(size));
            const QString today = QLocale(QString(lang).section('.', 0, 0))
                                          .toString(QDate::currentDate(), "d MMM yyyy");
            QVERIFY2(run("pdftotext", {pdf, "-"}).out.contains('\n' + today + '\n'), lang);
        }
        const QString words = run("pdftotext", {"-layout", pdf, "-"}).out;
        for (const char *expected : {"Far Field Range", "10,000", "Antenna: 1 m at 10 GHz"})
            QVERIFY2(words.contains(expected), expected);
    }

    // A failed write (a folder that is not there, a file that cannot grow, as on a full
    // disk, a printing module that is missing or is no module) names the file and the
    // system's reason in one line, and leaves the folder as it was: an old file byte for
    // byte, no new or temporary file.
    void failuresKeepEveryFile()
    {
        QTemporaryDir folder;
        QDir disk(folder.path());
        const QString program = disk.filePath("beamwise"),
                      module = disk.filePath("beamwise_print.so");
        const auto check = [&](
                                   const QString &file, int status, const QString &reason,
                                   const QString &beamwise = BEAMWISE_BINARY,
                                   const std::function<void()> &inChild = [] {}) {
            const QStringList before = disk.entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
            const QByteArray kept = contents(file);
            const Run done = run(beamwise, {"--export", file}, "en_GB.UTF-8", inChild);
            QCOMPARE(done.status, status);
            QVERIFY2(saidOnce(done, reason) && done.err.endsWith(reason + "\n"),
                     qPrintable(done.err));
            QCOMPARE(disk.entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
            QCOMPARE(contents(file), kept);
        };
        const auto named = [&](const QString &name, const QString &why) {
            return "\u201C" + disk.filePath(name) + "\u201D: " + why;
        };
        check(disk.filePath("nomogram.jpg"), 2,
              "\u201Cnomogram.jpg\u201D: end the name in .pdf, .svg or .png");
        check(disk.filePath("no/such/folder/nomogram.pdf"), 1,
              named("no/such/folder/nomogram.pdf", "No such file or directory"));
        const auto limit = [] {
            const rlimit small{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &small);
        };
        for (const QString type : {"pdf", "svg", "png"}) {
            QVERIFY(exported(disk.filePath("keep." + type)));
            for (const QString &name : {"keep." + type, "new." + type})
                check(disk.filePath(name), 1, named(name, "File too large"), BEAMWISE_BINARY,
                      limit);
        }
        // Beside a copy of the program, the module is missing, then a file that is no module.
        QVERIFY(QFile::copy(BEAMWISE_BINARY, program));
        check(disk.filePath("keep.pdf"), 1, "beamwise_print.so\u201D is missing", program);
        QVERIFY(write(module, "no library"));
        check(disk.filePath("keep.pdf"), 1, ")", program);
        QVERIFY(saidOnce(run(program, {"--export", disk.filePath("keep.pdf")}), module));
    }

    // What is not a regular file is written into, never replaced: a pipe hands the file,
    // a PNG at 300 dpi of the view less its frame, to its reader; a device (made here as root)
    // behind a link takes what it takes, the rest refused with the system's reason, and stays a
    // device behind its link.
    void devicesAreWrittenIntoNotReplaced()
    {
        const QString pipe = dir.filePath("pipe.png");
        QCOMPARE(QProcess::execute("mkfifo", {pipe}), 0);
        QProcess reader;
        reader.start("cat", {pipe});
        QVERIFY(exported(pipe) && reader.waitForFinished() && !QFileInfo(pipe).isFile());
        const QImage image = QImage::fromData(reader.readAllStandardOutput(), "PNG");
        const Placement &view = placementOf(Control::picPIC);
        QCOMPARE(image.size(),
                 QSize(qRound((view.width - 60) * 300 / 1440.0),
                       qRound((view.height - 60) * 300 / 1440.0)));
        QCOMPARE(std::pair(image.dotsPerMeterX(), image.dotsPerMeterY()),
                 std::pair(qRound(300 / 0.0254), qRound(300 / 0.0254)));
        const QString device = dir.filePath("full"), toDevice = dir.filePath("full.pdf");
        if (QProcess::execute("mknod", {device, "c", "1", "7"}) != 0) // as /dev/full
            QSKIP("Only root makes a device node.");
        QVERIFY(QFile::link(device, toDevice));
        const Run done = run(BEAMWISE_BINARY, {"--export", toDevice});
        QVERIFY2(done.status == 1 && saidOnce(done, "No space left on device"),
                 qPrintable(done.err));
        QVERIFY(QFileInfo(toDevice).isSymLink() && !QFileInfo(toDevice).isFile());
    }
};

QTEST_GUILESS_MAIN(ExportTest)
#include "tst_export.moc"
