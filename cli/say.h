#pragma once

#include <QByteArray>
#include <QString>

// Exit statuses: 0 done, 1 a failure such as a file that cannot be written or read,
// 2 input that cannot be used.
enum ExitStatus { ExitOk = 0, ExitFailure = 1, ExitUnusable = 2 };

// The program's one line on standard error: "beamwise: <message>".
void say(const QString &message);

// Writes to standard output; false once standard output has failed to take a write.
bool print(const QByteArray &bytes);
// Sends on what standard output holds; false once it has failed.
bool flushed();
// The status to end with: the one given, or, when standard output could not take
// all that was written to it, a failure said with the system's reason.
int delivered(int status);
