#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// How reading a table ended. Line numbers count line feeds, as editors and grep -n
// do: a line break inside a quoted field moves the following lines on, and a lone
// carriage return ends a record but not a line.
struct CsvTableOutcome
{
    enum Kind {
        Done, // every record was handed over
        Stopped, // the handler asked to stop
        UnclosedQuote, // the table ended inside a quoted field
        StrayQuote, // a quote inside an unquoted field, or text after a closing quote
        ReadFailed, // the file could not be opened or read
    };
    Kind kind = Done;
    qint64 line = 0; // the quote faults: the line where the field with that quote begins,
                     // so for an unclosed quote the line where it opened
    QString reason; // ReadFailed: the system's reason, such as "No such file or directory"
};

// Takes one record's fields and the line where the record begins; false stops reading.
using CsvRecordHandler = std::function<bool(const QStringList &fields, qint64 line)>;

// Reads the RFC 4180 table in the file at path, or standard input for "-", handing
// over each record as soon as its row has arrived, the header row first. Blank lines
// are not records; a UTF-8 byte-order mark at the start is dropped; fields are read
// as UTF-8 with the spaces around unquoted ones trimmed. Before it waits for more of
// the table, it calls caughtUp, if given: what was answered so far can go out then.
CsvTableOutcome readCsvTable(const QString &path, const CsvRecordHandler &onRecord,
                             const std::function<void()> &caughtUp = {});
