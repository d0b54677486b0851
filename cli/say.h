#pragma once

#include <QString>

// Exit statuses: 0 done, 1 a failure such as a file that cannot be written or read,
// 2 input that cannot be used.
enum ExitStatus { ExitOk = 0, ExitFailure = 1, ExitUnusable = 2 };

// The program's one line on standard error: "beamwise: <message>".
void say(const QString &message);
