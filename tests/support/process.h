#pragma once

// What the suites that run the built program share.
#include <QFile>
#include <QProcess>
#include <functional>

// A file's bytes, none where it cannot be read; and writing a file.
inline QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline bool write(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A program run to its end as from a text console: no display, no platform chosen,
// in the language given ("de_DE.UTF-8", or settings such as "LANGUAGE=fr
// LANG=de_DE.UTF-8").
struct Run
{
    int status;
    QString out, err;
    QByteArray bytes; // standard output as it came
};
inline Run run(
        const QString &program, const QStringList &arguments, const QString &lang = "en_GB.UTF-8",
        const std::function<void()> &inChild = [] {})
{
    QProcess process;
    process.setChildProcessModifier(inChild);
    QProcessEnvironment environment;
    environment.insert("PATH", qEnvironmentVariable("PATH"));
    for (const QString &setting : lang.split(' '))
        environment.insert(setting.contains('=') ? setting.section('=', 0, 0) : "LANG",
                           setting.section('=', -1));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished();
    const QByteArray out = process.readAllStandardOutput();
    return {process.exitCode(), out, process.readAllStandardError(), out};
}

// Whether the program said one line on standard error, in its own voice, with these words.
inline bool saidOnce(const Run &done, const QString &words)
{
    return done.err.startsWith("beamwise: ") && done.err.contains(words)
            && done.err.count('\n') == 1;
}
