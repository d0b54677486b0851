#pragma once

#include <QLocale>
#include <QPageSize>
#include <QStringList>

class Dishscope;
class QPrinter;

// Writing the nomogram to files and paper, at true scale. The file type follows the
// name's extension: PDF (a page with a footer), SVG (the view, as vectors) or PNG
// (the view at 300 dots per inch).
namespace exporting {

// Empty when the name ends in .pdf, .svg or .png; otherwise what is wrong and what would do.
QString checkFileName(const QString &fileName);

// Writes the whole file or nothing: an existing file is replaced only once the new
// one is complete. Returns what went wrong, or an empty text.
QString writeFile(const QString &fileName, const Dishscope &window, const QStringList &footer);

// The page a user's locale prints on: Letter where paper is measured in inches, A4 elsewhere.
QPageSize pageSizeFor(const QLocale &locale = QLocale());

// The same page as the PDF, on a printer set up by the user.
void print(QPrinter &printer, const Dishscope &window, const QStringList &footer);

} // namespace exporting
