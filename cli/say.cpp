#include "cli/say.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Why standard output failed, the first time it did; 0 while it has not. It belongs
// to the process, as standard output does.
int outputError = 0;

} // namespace

void say(const QString &message)
{
    std::fprintf(stderr, "beamwise: %s\n", qUtf8Printable(message));
}

bool print(const QByteArray &bytes)
{
    const std::size_t size = std::size_t(bytes.size());
    if (!outputError && std::fwrite(bytes.constData(), 1, size, stdout) != size)
        outputError = errno;
    return !outputError;
}

bool flushed()
{
    if (!outputError && std::fflush(stdout) != 0)
        outputError = errno;
    return !outputError;
}

int delivered(int status)
{
    if (flushed())
        return status;
    say(Words::tr("cannot write to standard output: %1").arg(qt_error_string(outputError)));
    return ExitFailure;
}
