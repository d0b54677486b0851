#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QLabel;
class QWidget;
class ScaleStrip;
struct Placement;

// What the window hands printing and export to paint: its nomogram view, part by
// part, as it shows. The window implements it.
class NomogramFace
{
public:
    // A strip with its place in the layout; it keeps its own exact Left.
    struct Scale
    {
        const ScaleStrip *strip;
        const Placement *place;
    };

    virtual ~NomogramFace() = default;
    // The labels of the view (logo, date, marks, captions, rule), back to front.
    virtual QList<const QLabel *> labels() const = 0;
    // The scales, back to front; they lie in front of every label.
    virtual QList<Scale> scales() const = 0;
    // The label that shows the logo, which is painted from its drawing.
    virtual const QLabel *logo() const = 0;
    // The window's zoom, 1 to 2: its labels stand at their laid-out places times it.
    virtual double zoom() const = 0;
    // The widget a print dialog belongs to.
    virtual QWidget &owner() = 0;
};

// Printing and export. Their code and the printing and SVG libraries it needs live
// in a module of their own, loaded the first time they are used, so that starting
// the program never loads them.
namespace exporting {

// Empty when the name ends in .pdf, .svg or .png; otherwise what is wrong and what would do.
QString checkFileName(const QString &fileName);

// Writes the nomogram view (the client area of the window's nomogram panel) to a
// file, the type by the name's extension: PDF (a page with a footer), SVG (the view,
// as vectors) or PNG (the view at 300 dots per inch). The whole file or nothing: an
// existing file is replaced only once the new one is complete. Returns what went
// wrong, or an empty text.
QString writeFile(const QString &fileName, const NomogramFace &view, const QStringList &footer);

// Why printing and export cannot be had, naming the module's file; empty when they can.
QString unavailable();

// Prints the same page as the PDF, after the system's print dialog over the view's
// window. Returns why it cannot, or an empty text.
QString print(NomogramFace &view, const QStringList &footer);

// What the module hands the program.
struct Functions
{
    QString (*writeFile)(const QString &fileName, const NomogramFace &view,
                         const QStringList &footer);
    void (*print)(NomogramFace &view, const QStringList &footer);
};

} // namespace exporting

// The module's one entry point.
extern "C" {
using BeamwisePrintEntry = const exporting::Functions *(*)();
}
