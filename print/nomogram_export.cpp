#include "print/nomogram_picture.h"
#include "print/print_door.h"

#include "beamwise_version.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <optional>

// The printing and export module: loaded by the program when first used.
namespace {

constexpr double TwipsPerInch = 1440;
constexpr double TwipsPerPoint = 20;
constexpr int PngDotsPerInch = 300;

// The page a user's locale prints on: Letter where paper is measured in inches, A4 elsewhere.
QPageSize pageSizeFor(const QLocale &locale = QLocale())
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

// The file in the type its name asks for, made in memory: the writers never meet
// a failing device, and no library complains on the terminal about one. None
// when it could not be drawn.
std::optional<QByteArray> render(const QString &suffix, const NomogramFace &view,
                                 const QStringList &footer)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    const QSizeF size = picture::viewSize();
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Beamwise " BEAMWISE_VERSION));
        pdf.setTitle(QCoreApplication::translate("Export", "Beamwise nomogram"));
        pdf.setPageSize(pageSizeFor());
        pdf.setPageMargins(QMarginsF());
        pdf.setResolution(int(TwipsPerInch));
        QPainter painter(&pdf);
        picture::paintPage(painter, view, pdf.pageLayout().fullRectPoints().size() * TwipsPerPoint,
                           footer);
        drawn = painter.end();
    } else if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setTitle(QCoreApplication::translate("Export", "Beamwise nomogram"));
        svg.setResolution(int(TwipsPerInch));
        svg.setSize(size.toSize()); // at true size
        svg.setViewBox(QRectF(QPointF(), size)); // one unit a twip
        QPainter painter(&svg);
        picture::paintView(painter, view);
        drawn = painter.end();
    } else {
        const double scale = PngDotsPerInch / TwipsPerInch;
        QImage image((size * scale).toSize(), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(PngDotsPerInch / 0.0254));
        image.setDotsPerMeterY(qRound(PngDotsPerInch / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        picture::paintView(painter, view);
        drawn = painter.end() && image.save(&buffer, "PNG");
    }
    // Each writer has ended with its painter and let the buffer go by now.
    return drawn ? std::optional(buffer.data()) : std::nullopt;
}

// Writes every byte, then flushes; whether all of it got through.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qint64 done = 0;
    // A short write (at a file-size limit, on a disk nearly full) is not yet the
    // failure: the next write meets it and says why.
    for (qint64 n = 1; done < bytes.size() && n > 0; done += std::max<qint64>(n, 0))
        n = file.write(bytes.constData() + done, bytes.size() - done);
    return done == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
}

// Why a file could not be written, or nothing.
QString written(const QString &fileName, const QString &reason)
{
    return QCoreApplication::translate("Export", "cannot write \u201C%1\u201D: %2")
            .arg(fileName, reason);
}

QString writeFile(const QString &fileName, const NomogramFace &view, const QStringList &footer)
{
    const std::optional<QByteArray> bytes =
            render(QFileInfo(fileName).suffix().toLower(), view, footer);
    if (!bytes)
        return QCoreApplication::translate(
                       "Export", "cannot write \u201C%1\u201D: the nomogram could not be drawn")
                .arg(fileName);
    // A device or a pipe, or a link to one, is written into: replacing it with a file
    // would destroy what it is. A link to a file stays a link; its file is replaced.
    if (const QFileInfo target(fileName); target.exists() && !target.isFile() && !target.isDir()) {
        QFile device(fileName);
        if (device.open(QIODevice::WriteOnly) && writeAll(device, *bytes))
            return {};
        return written(fileName, device.errorString());
    }
    // The old file is replaced only by a whole new one: any error on the way, even
    // one the system reports only when the last bytes are flushed, keeps it.
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && writeAll(file, *bytes) && file.commit())
        return {};
    const QString reason = file.errorString();
    file.cancelWriting();
    return written(fileName, reason);
}

void print(NomogramFace &view, const QStringList &footer)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(pageSizeFor());
    printer.setDocName(QCoreApplication::translate("Export", "Beamwise nomogram"));
    QPrintDialog dialog(&printer, view.owner().window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer.setFullPage(true);
    QPainter painter(&printer);
    painter.scale(printer.resolution() / TwipsPerInch, printer.resolution() / TwipsPerInch);
    picture::paintPage(painter, view, printer.pageLayout().fullRectPoints().size() * TwipsPerPoint,
                       footer);
}

} // namespace

extern "C" Q_DECL_EXPORT const exporting::Functions *beamwise_print_functions()
{
    static const exporting::Functions functions{writeFile, print};
    return &functions;
}
