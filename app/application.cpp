#include "app/application.h"

#include "beamwise_version.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler previousHandler = nullptr;

// While the platform connection is being made, its complaints are replaced by
// one plain line; a platform that cannot start ends the program here.
void startupHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs("beamwise: cannot open a window: no display to connect to "
                   "(is DISPLAY set?)\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    const bool platformNoise =
            context.category && QByteArray(context.category).startsWith("qt.qpa");
    if (!platformNoise && previousHandler)
        previousHandler(type, context, message);
}

QString spokenLanguage()
{
    for (const QString &asked : QLocale().uiLanguages()) {
        const QString language = asked.section(QLatin1Char('-'), 0, 0);
        for (const char *spoken : {"en", "de", "fr", "es"})
            if (language == QLatin1String(spoken))
                return language;
    }
    return QStringLiteral("en");
}

} // namespace

void installTranslations()
{
    const QString language = spokenLanguage();
    if (language == QLatin1String("en"))
        return;
    QCoreApplication *app = QCoreApplication::instance();
    for (const QString &file : {QStringLiteral(":/i18n/beamwise_") + language,
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                        + QStringLiteral("/qtbase_") + language}) {
        auto *translator = new QTranslator(app);
        if (translator->load(file))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

std::unique_ptr<QApplication> createApplication(int &argc, char **argv)
{
    previousHandler = qInstallMessageHandler(startupHandler);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);

    // Settings are kept under the maker's name, which is a name, not words to translate.
    QApplication::setOrganizationName(QLatin1String("Parabolic Instruments"));
    QApplication::setOrganizationDomain(QStringLiteral("parabolic-instruments.example"));
    QApplication::setApplicationName(QStringLiteral("Beamwise"));
    QApplication::setApplicationVersion(QStringLiteral(BEAMWISE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("example.parabolic_instruments.Beamwise"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installTranslations();
    return app;
}
