#include "print/print_door.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace exporting {

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Export)
};

// The module beside the program (a build tree), else where it is installed. What
// went wrong names the module's file: the first one there, or where it belongs.
const Functions *module(QString *error)
{
    static const Functions *functions = nullptr;
    static QString failure;
    if (functions || !failure.isEmpty()) {
        *error = failure;
        return functions;
    }
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral("/beamwise_print.so");
    const QString candidates[] = {
            programFolder + name,
            QDir::cleanPath(programFolder + QStringLiteral("/" BEAMWISE_MODULE_FROM_BIN) + name)};
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        if (auto entry = reinterpret_cast<BeamwisePrintEntry>(
                    library.resolve("beamwise_print_functions"))) {
            functions = entry();
            return functions;
        }
        failure = Words::tr("printing and export cannot be loaded from \u201C%1\u201D (%2)")
                          .arg(path, library.errorString());
        *error = failure;
        return nullptr;
    }
    failure = Words::tr("printing and export are not installed: \u201C%1\u201D is missing")
                      .arg(candidates[1]);
    *error = failure;
    return nullptr;
}

} // namespace

QString checkFileName(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("pdf") || suffix == QLatin1String("svg")
        || suffix == QLatin1String("png"))
        return {};
    return Words::
            tr("cannot tell what to write as \u201C%1\u201D: end the name in .pdf, .svg or .png")
                    .arg(QFileInfo(fileName).fileName());
}

QString writeFile(const QString &fileName, const NomogramFace &view, const QStringList &footer)
{
    if (const QString wrong = checkFileName(fileName); !wrong.isEmpty())
        return wrong;
    QString error;
    if (const Functions *f = module(&error))
        return f->writeFile(fileName, view, footer);
    return error;
}

QString unavailable()
{
    QString error;
    module(&error);
    return error;
}

QString print(NomogramFace &view, const QStringList &footer)
{
    QString error;
    if (const Functions *f = module(&error))
        f->print(view, footer);
    return error;
}

} // namespace exporting
