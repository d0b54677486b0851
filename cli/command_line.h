#pragma once

#include "cli/records.h"
#include "cli/say.h"
#include "readings/antenna_request.h"

#include <QString>
#include <optional>

// What the command line asks for. Help, the version and every mistake are answered
// while reading it, so none of them needs a window or a display.
struct CommandLine
{
    std::optional<int> exitNow; // answered already: end with this status
    std::optional<SetAntenna> antenna; // set on both nomograms
    bool readings = false; // print the readings and end
    Format format = Format::Text; // how readings are printed
    QByteArray batchFile; // answer the table in the file of this name ("-": standard
                          // input) and end; the name's bytes as the system gave them
    QString exportFile; // write the nomogram to this file and end
};

// Needs the application object, for the user's language.
CommandLine readCommandLine(int argc, char **argv);

// Answers what needs no window: a mistake, help, the version, the readings, or a
// table of antennas. None when the program goes on to a window or an export.
std::optional<int> answerWithoutWindow(const CommandLine &command);
