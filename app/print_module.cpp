#include "app/print_module.h"

#include "app/dishscope.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>

namespace exporting {

namespace {

// The module beside the program (a build tree), else where it is installed.
const Functions *module(QString *error)
{
    static const Functions *functions = nullptr;
    static QString failure;
    if (functions || !failure.isEmpty()) {
        *error = failure;
        return functions;
    }
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString &folder : {programFolder, programFolder + QStringLiteral("/" BEAMWISE_MODULE_FROM_BIN)}) {
        QLibrary library(folder + QStringLiteral("/beamwise_print"));
        if (auto entry = reinterpret_cast<BeamwisePrintEntry>(library.resolve("beamwise_print_functions"))) {
            functions = entry();
            return functions;
        }
        failure = library.errorString();
    }
    failure = QStringLiteral("printing and export are not installed (%1)").arg(failure);
    *error = failure;
    return nullptr;
}

} // namespace

QString checkFileName(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("pdf") || suffix == QLatin1String("svg") || suffix == QLatin1String("png"))
        return {};
    return QStringLiteral("cannot tell what to write as \u201C%1\u201D: end the name in .pdf, .svg or .png")
        .arg(QFileInfo(fileName).fileName());
}

QString writeFile(const QString &fileName, const Dishscope &window, const QStringList &footer)
{
    if (const QString wrong = checkFileName(fileName); !wrong.isEmpty())
        return wrong;
    QString error;
    if (const Functions *f = module(&error))
        return f->writeFile(fileName, window, footer);
    return error;
}

void print(Dishscope &window, const QStringList &footer)
{
    QString error;
    if (const Functions *f = module(&error))
        f->print(window, footer);
    else
        QMessageBox::warning(&window, QStringLiteral("Beamwise"), error);
}

} // namespace exporting
