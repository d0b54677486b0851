#pragma once

#include <QSizeF>
#include <QStringList>

class NomogramFace;
class QPainter;

// The nomogram view as it stands, painted from what it holds rather than from a
// screenshot: every scale from its strip's recorded operations at the strip's exact
// Left, the marks, captions, logo, date and rule, clipped to the view. The painter's
// unit is the twip, so any device shows it at true size.
namespace picture {

// The view's size in twips.
QSizeF viewSize();

void paintView(QPainter &painter, const NomogramFace &view);

// A page of `pageTwips`: the view centred at true size, and under it a footer of
// the given lines.
void paintPage(QPainter &painter, const NomogramFace &view, QSizeF pageTwips,
               const QStringList &footer);

} // namespace picture
