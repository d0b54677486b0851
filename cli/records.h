#pragma once

#include "cli/csv_table.h"
#include "readings/antenna_request.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <functional>
#include <string>

// How readings go out: as lines of text, or as records for machines.
enum class Format { Text, Csv, Json };

// The readings of one antenna as a record for spreadsheets and scripts: a fixed set of
// fields, numbers in plain C (a dot for the decimal point, whatever the locale) with
// the figures the readings print. A field without a value is empty. off_scale names
// the readings asked for that lie beyond their scales, which are empty too.
namespace records {

inline constexpr std::array<const char *, 11> Fields{"diameter_m",
                                                     "frequency_GHz",
                                                     "efficiency_pct",
                                                     "gain_dBi",
                                                     "gain_at_efficiency_dBi",
                                                     "beamwidth_3dB_deg",
                                                     "beamwidth_10dB_deg",
                                                     "far_field_m",
                                                     "found",
                                                     "off_scale",
                                                     "error"};
// The fields before these are numbers; found, off_scale and error are words.
inline constexpr std::size_t FirstWord = 8;
inline constexpr std::size_t OffScale = 9;

// UTF-8, as they are written; short enough to need no allocation, most of them.
using Values = std::array<std::string, Fields.size()>;

// An antenna set, or a row refused with its sentence.
Values of(const SetAntenna &set);
Values refused(const QString &sentence);

// Cells carried from a table into its records, bytes as they came.
using Cells = std::vector<QByteArrayView>;

// Takes what is written so far of a line grown long, so that a long row goes out in
// pieces and is never held whole, whatever its cells become when written.
using Spill = std::function<void(QByteArray &out)>;

// Appends one line of CSV in the dialect: the cells, then the values, each quoted where
// a reader would not read it back as it is (RFC 4180, and spaces around), the line end
// included; in the semicolon dialect, numbers take a decimal comma.
void appendCsv(QByteArray &out, const Cells &cells, const Values &values,
               Dialect dialect = Dialect::Comma, const Spill &spill = {});
// Appends one line of JSON: the cells as strings under their names, null where a cell
// is not UTF-8, then the record's fields: numbers as numbers, null where a field has no
// value, off_scale a list of names (null for a row refused).
void appendJson(QByteArray &out, const Cells &names, const Cells &cells, const Values &values,
                const Spill &spill = {});
// The names of the fields, as a header of CSV takes them.
Values fieldNames();

} // namespace records
