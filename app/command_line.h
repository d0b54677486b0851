#pragma once

#include "app/readings_text.h"

#include <QStringList>
#include <optional>

// What the command line asks for. Help, the version and every mistake are answered
// while reading it, so none of them needs a window or a display.
struct CommandLine
{
    std::optional<int> exitNow;           // answered already: end with this status
    std::optional<TypedAntenna> antenna;  // set on both nomograms
    BarValues values{};                   // where the bars go for it
    bool readings = false;                // print the readings and end
    QString exportFile;                   // write the nomogram to this file and end
};

// Exit statuses: 0 done, 1 a failure such as a file that cannot be written, 2 input
// that cannot be used.
enum ExitStatus { ExitOk = 0, ExitFailure = 1, ExitUnusable = 2 };

// Needs the application object, for the user's language.
CommandLine readCommandLine(int argc, char **argv);

// The readings for the antenna of the command line, one a line, as they are printed.
QStringList commandLineReadings(const CommandLine &command);

// Draws the nomogram off screen, with the antenna if one was given, and writes it to
// the export file; returns the exit status.
int exportFromCommandLine(int argc, char **argv, const CommandLine &command);
