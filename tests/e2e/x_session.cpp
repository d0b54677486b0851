#include "x_session.h"

#include "xwd_image.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace {

constexpr int ToolTimeout = 10000 * Slowness;
constexpr int ScreenTimeout = 10000 * Slowness;
constexpr int WindowTimeout = 30000 * Slowness;
constexpr int PollInterval = 25;

// A child of a test that dies must not outlive it: a stray X server would keep
// its display taken.
void dieWithParent()
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
}

// The escaped caption as an anchored pattern for `xdotool search --name`.
QString exactly(const QString &text)
{
    return QLatin1Char('^') + QRegularExpression::escape(text) + QLatin1Char('$');
}

int field(const QString &text, const QString &label)
{
    const QRegularExpression pattern(QRegularExpression::escape(label) + QStringLiteral(":\\s*(-?\\d+)"));
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

bool waitUntil(const std::function<bool()> &condition, int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(PollInterval);
    }
    return true;
}

XSession::~XSession()
{
    // The newest first: the program, then the window manager, then the screen.
    for (auto it = processes_.rbegin(); it != processes_.rend(); ++it) {
        QProcess &process = **it;
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(ToolTimeout);
        }
    }
}

QProcess *XSession::launch(const QString &program, const QStringList &arguments,
                           const QProcessEnvironment &environment)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    process->setChildProcessModifier(dieWithParent);
    process->start(program, arguments);
    processes_.push_back(std::move(process));
    return processes_.back().get();
}

bool XSession::start(QString *why)
{
    if (!home_.isValid()) {
        *why = QStringLiteral("no temporary directory: %1").arg(home_.errorString());
        return false;
    }
    // The server picks a free display itself and names it on standard output
    // once it accepts clients.
    QProcess *server = launch(QStringLiteral("Xvfb"),
                              {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                               QStringLiteral("0"), QStringLiteral("1024x768x24"),
                               QStringLiteral("-nolisten"), QStringLiteral("tcp")},
                              QProcessEnvironment::systemEnvironment());
    if (!server->waitForStarted(ToolTimeout)) {
        *why = QStringLiteral("cannot start Xvfb: %1").arg(server->errorString());
        return false;
    }
    QByteArray announced;
    const bool named = waitUntil(
        [&] {
            server->waitForReadyRead(PollInterval);
            announced += server->readAllStandardOutput();
            return announced.contains('\n') || server->state() == QProcess::NotRunning;
        },
        ScreenTimeout);
    bool isNumber = false;
    const int number = announced.trimmed().toInt(&isNumber);
    if (!named || !isNumber) {
        *why = QStringLiteral("Xvfb named no display: %1")
                   .arg(QString::fromLocal8Bit(announced + server->readAllStandardError()));
        return false;
    }
    display_ = QStringLiteral(":%1").arg(number);

    QProcess *manager = launch(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")}, environment());
    if (!manager->waitForStarted(ToolTimeout)) {
        *why = QStringLiteral("cannot start openbox: %1").arg(manager->errorString());
        return false;
    }
    const bool managing = waitUntil(
        [&] {
            const auto check = run(QStringLiteral("xprop"),
                                   {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            return manager->state() == QProcess::NotRunning || (check && check->contains("window id"));
        },
        ScreenTimeout);
    if (!managing || manager->state() == QProcess::NotRunning) {
        *why = QStringLiteral("openbox did not take over %1: %2")
                   .arg(display_, QString::fromLocal8Bit(manager->readAllStandardError()));
        return false;
    }
    // The pointer waits in a corner, away from where windows open, so that no
    // hover effect or tooltip shows before a test puts it somewhere.
    if (!xdotool({QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")})) {
        *why = QStringLiteral("xdotool cannot move the pointer on %1").arg(display_);
        return false;
    }
    return true;
}

QProcessEnvironment XSession::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const QString home = home_.path();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    return environment;
}

std::optional<QByteArray> XSession::run(const QString &program, const QStringList &arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setChildProcessModifier(dieWithParent);
    process.start(program, arguments);
    if (!process.waitForFinished(ToolTimeout)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

bool XSession::xdotool(const QStringList &arguments) const
{
    return run(QStringLiteral("xdotool"), arguments).has_value();
}

QImage XSession::screenshot() const
{
    const auto dump = run(QStringLiteral("xwd"), {QStringLiteral("-root"), QStringLiteral("-silent")});
    if (!dump)
        return {};
    QString why;
    const QImage image = readXwd(*dump, &why);
    if (image.isNull())
        qWarning("Screenshot of %s unreadable: %s", qPrintable(display_), qPrintable(why));
    return image;
}

ProgramWindow::ProgramWindow(XSession &session, QString caption)
    : session_(session)
    , caption_(std::move(caption))
{
}

bool ProgramWindow::start(const QString &binary, const std::function<bool(const QImage &)> &ready,
                          QString *why)
{
    QProcessEnvironment environment = session_.environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // In the sanitizer build, what system libraries leave behind at exit does not count.
    QStringList leakOptions =
        environment.value(QStringLiteral("LSAN_OPTIONS")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    leakOptions << QStringLiteral("suppressions=" BEAMWISE_LEAK_SUPPRESSIONS);
    environment.insert(QStringLiteral("LSAN_OPTIONS"), leakOptions.join(QLatin1Char(':')));
    process_ = session_.launch(binary, {}, environment);
    if (!process_->waitForStarted(ToolTimeout)) {
        *why = QStringLiteral("cannot start %1: %2").arg(binary, process_->errorString());
        return false;
    }

    const bool found = waitUntil(
        [&] {
            const auto ids = session_.run(QStringLiteral("xdotool"),
                                          {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                           QStringLiteral("--name"), exactly(caption_)});
            const QList<QByteArray> lines = ids ? ids->trimmed().split('\n') : QList<QByteArray>();
            if (lines.size() == 1 && !lines.first().isEmpty())
                id_ = QString::fromLatin1(lines.first());
            return !id_.isEmpty() || process_->state() == QProcess::NotRunning;
        },
        WindowTimeout);
    if (!found || id_.isEmpty()) {
        *why = QStringLiteral("no window captioned \"%1\" appeared; the program said: %2")
                   .arg(caption_, QString::fromLocal8Bit(process_->readAllStandardError()));
        return false;
    }

    // Framed by the window manager: only then does the window stand where it stays.
    const bool framed = waitUntil(
        [&] {
            const auto state = session_.run(
                QStringLiteral("xprop"), {QStringLiteral("-id"), id_, QStringLiteral("_NET_FRAME_EXTENTS")});
            return state && state->contains(" = ");
        },
        WindowTimeout);
    const auto info = session_.run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id_});
    if (!framed || !info) {
        *why = QStringLiteral("the window manager did not frame the window");
        return false;
    }
    const QString text = QString::fromLocal8Bit(*info);
    client_ = QRect(field(text, QStringLiteral("Absolute upper-left X")),
                    field(text, QStringLiteral("Absolute upper-left Y")),
                    field(text, QStringLiteral("Width")), field(text, QStringLiteral("Height")));

    if (shotWhen(ready).isNull()) {
        *why = QStringLiteral("the window at %1,%2 size %3x%4 never showed its first view")
                   .arg(client_.x())
                   .arg(client_.y())
                   .arg(client_.width())
                   .arg(client_.height());
        return false;
    }
    return true;
}

QImage ProgramWindow::shot() const
{
    const QImage screen = session_.screenshot();
    return screen.isNull() ? screen : screen.copy(client_);
}

QImage ProgramWindow::shotWhen(const std::function<bool(const QImage &)> &wanted) const
{
    QImage image;
    const bool seen = waitUntil(
        [&] {
            image = shot();
            return !image.isNull() && wanted(image);
        },
        ScreenTimeout);
    return seen ? image : QImage();
}

QImage ProgramWindow::settledShot() const
{
    QImage previous = shot();
    return shotWhen([&](const QImage &image) {
        const bool same = image == previous;
        previous = image;
        return same;
    });
}

QStringList ProgramWindow::at(QPoint point) const
{
    const QPoint onScreen = client_.topLeft() + point;
    return {QStringLiteral("mousemove"), QString::number(onScreen.x()), QString::number(onScreen.y())};
}
