#pragma once

#include "cli/records.h"

#include <QString>

// Answers a table of antennas, a row at a time as it arrives, each with its record on
// standard output in the order of the rows: CSV or JSON Lines. A row that cannot be
// read or set has its sentence in the record's error and the table goes on. Returns
// the exit status: 0, 2 if a row was refused or the table cannot be used at all, 1 if
// the file cannot be read.
int answerTable(const QString &path, Format format);
