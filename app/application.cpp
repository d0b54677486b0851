#include "app/application.h"

#include <QStyleFactory>
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
    const bool platformNoise = context.category
        && QByteArray(context.category).startsWith("qt.qpa");
    if (!platformNoise && previousHandler)
        previousHandler(type, context, message);
}

} // namespace

std::unique_ptr<QApplication> createApplication(int &argc, char **argv)
{
    previousHandler = qInstallMessageHandler(startupHandler);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);

    QApplication::setApplicationName(QStringLiteral("Beamwise"));
    QApplication::setApplicationVersion(QStringLiteral("2.4"));
    QApplication::setDesktopFileName(QStringLiteral("example.parabolic_instruments.Beamwise"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return app;
}
