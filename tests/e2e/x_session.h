#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// How many times longer to wait when this suite and the program are built with
// the sanitizers, which slow both down.
#if defined(__SANITIZE_ADDRESS__)
constexpr int Slowness = 4;
#else
constexpr int Slowness = 1;
#endif

// Polls until the condition holds or the time is up; says whether it held.
bool waitUntil(const std::function<bool()> &condition, int milliseconds);

// A display of its own for one test: a virtual screen with openbox managing its
// windows. Whatever it starts ends with it, and also when the test process dies.
class XSession
{
public:
    XSession() = default;
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    // Starts the screen and the window manager; on failure says why.
    bool start(QString *why);

    // The environment of a client of this display, cut off from the user's
    // settings and window manager configuration.
    QProcessEnvironment environment() const;

    // Runs an X client against this display and returns its standard output;
    // nothing when it fails or does not finish in time.
    std::optional<QByteArray> run(const QString &program, const QStringList &arguments) const;

    // Moves the pointer, presses keys and so on: the arguments of one xdotool call.
    bool xdotool(const QStringList &arguments) const;

    // The whole screen, or a null image when it cannot be read.
    QImage screenshot() const;

    // Starts a process that the session ends when it goes.
    QProcess *launch(const QString &program, const QStringList &arguments,
                     const QProcessEnvironment &environment);

private:
    QTemporaryDir home_;
    QString display_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

// A program running in a session, seen from outside: its window, found by its
// caption, and the client area of that window on the screen.
class ProgramWindow
{
public:
    ProgramWindow(XSession &session, QString caption);

    // Starts the program and waits until the window manager has framed its
    // window and the window shows what `ready` expects of a screenshot of the
    // client area.
    bool start(const QString &binary, const std::function<bool(const QImage &)> &ready, QString *why);

    QString id() const { return id_; }
    QRect client() const { return client_; }
    QProcess &process() { return *process_; }

    // The client area as it is on the screen now.
    QImage shot() const;
    // Takes screenshots until `wanted` holds for one; returns it, or a null image on time-out.
    QImage shotWhen(const std::function<bool(const QImage &)> &wanted) const;
    // Takes screenshots until two in a row agree, so that painting has finished.
    QImage settledShot() const;

    // xdotool arguments for the screen position of a point of the client area.
    QStringList at(QPoint point) const;

private:
    XSession &session_;
    QString caption_;
    QProcess *process_ = nullptr;
    QString id_;
    QRect client_;
};
