#pragma once

#include "cli/records.h"

#include <QByteArray>

// Answers a table of antennas, a row at a time as it arrives, each with its record on
// standard output in the order of the rows: CSV in the table's dialect, or JSON Lines.
// A row that cannot be read or set has its sentence in the record's error and the
// table goes on; their count is said at the end. Returns the exit status: 0, 2 if a
// row was refused or the table cannot be used, 1 if the file cannot be read. The path
// is the file name's bytes, or "-" for standard input.
int answerTable(const QByteArray &path, Format format);
