#include "cli/say.h"

#include <cstdio>

void say(const QString &message)
{
    std::fprintf(stderr, "beamwise: %s\n", qUtf8Printable(message));
}
