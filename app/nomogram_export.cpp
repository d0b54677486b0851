#include "app/print_module.h"

#include "app/dishscope.h"
#include "app/nomogram_picture.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

// The printing and export module: loaded by the program when first used.
namespace {

constexpr double TwipsPerInch = 1440;
constexpr double TwipsPerPoint = 20;
constexpr int PngDotsPerInch = 300;

// The page a user's locale prints on: Letter where paper is measured in inches, A4 elsewhere.
QPageSize pageSizeFor(const QLocale &locale = QLocale())
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

QString writeFile(const QString &fileName, const Dishscope &window, const QStringList &footer)
{
    QSaveFile file(fileName);
    const auto cannot = [&] {
        return QStringLiteral("cannot write \u201C%1\u201D: %2").arg(fileName, file.errorString());
    };
    if (!file.open(QIODevice::WriteOnly))
        return cannot();

    const QString suffix = QFileInfo(fileName).suffix().toLower();
    const QSizeF view = picture::viewSize();
    bool painted = false;
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Beamwise 2.4"));
        pdf.setTitle(QStringLiteral("Beamwise nomogram"));
        pdf.setPageSize(pageSizeFor());
        pdf.setPageMargins(QMarginsF());
        pdf.setResolution(int(TwipsPerInch));
        QPainter painter(&pdf);
        picture::paintPage(painter, window, pdf.pageLayout().fullRectPoints().size() * TwipsPerPoint, footer);
        painted = painter.end();
    } else if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setTitle(QStringLiteral("Beamwise nomogram"));
        svg.setResolution(int(TwipsPerInch));
        svg.setSize(view.toSize()); // at true size
        svg.setViewBox(QRectF(QPointF(), view)); // one unit a twip
        QPainter painter(&svg);
        picture::paintView(painter, window);
        painted = painter.end();
    } else {
        const double scale = PngDotsPerInch / TwipsPerInch;
        QImage image((view * scale).toSize(), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(PngDotsPerInch / 0.0254));
        image.setDotsPerMeterY(qRound(PngDotsPerInch / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        picture::paintView(painter, window);
        painted = painter.end() && image.save(&file, "PNG");
    }
    if (!painted || !file.commit())
        return cannot();
    return {};
}

void print(Dishscope &window, const QStringList &footer)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(pageSizeFor());
    printer.setDocName(QStringLiteral("Beamwise nomogram"));
    QPrintDialog dialog(&printer, &window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer.setFullPage(true);
    QPainter painter(&printer);
    painter.scale(printer.resolution() / TwipsPerInch, printer.resolution() / TwipsPerInch);
    picture::paintPage(painter, window, printer.pageLayout().fullRectPoints().size() * TwipsPerPoint, footer);
}

} // namespace

extern "C" Q_DECL_EXPORT const exporting::Functions *beamwise_print_functions()
{
    static const exporting::Functions functions{writeFile, print};
    return &functions;
}
