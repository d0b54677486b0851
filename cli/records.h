#pragma once

#include "readings/antenna_request.h"

#include <QByteArray>
#include <QList>
#include <array>

// How readings go out: as lines of text, or as records for machines.
enum class Format { Text, Csv, Json };

// The readings of one antenna as a record for spreadsheets and scripts: a fixed set of
// fields, numbers in plain C (a dot for the decimal point, whatever the locale) with
// the figures the readings print. A field without a value is empty.
namespace records {

inline constexpr std::array<const char *, 10> Fields{"diameter_m",
                                                     "frequency_GHz",
                                                     "efficiency_pct",
                                                     "gain_dBi",
                                                     "gain_at_efficiency_dBi",
                                                     "beamwidth_3dB_deg",
                                                     "beamwidth_10dB_deg",
                                                     "far_field_m",
                                                     "found",
                                                     "error"};
// The fields before these are numbers; found and error are words.
inline constexpr std::size_t FirstWord = 8;

// UTF-8, as they are written.
using Values = std::array<QByteArray, Fields.size()>;

// An antenna set, or a row refused with its sentence.
Values of(const SetAntenna &set);
Values refused(const QString &sentence);

// One line of CSV: the cells, then the values, each quoted where it must be (RFC 4180),
// the line end included.
QByteArray csvLine(const QList<QByteArray> &cells, const Values &values);
// One line of JSON: the cells as strings under their names, then the record's fields,
// numbers as numbers, null where a field has no value.
QByteArray jsonLine(const QList<QByteArray> &names, const QList<QByteArray> &cells,
                    const Values &values);
// The names of the fields, as a header of CSV takes them.
Values fieldNames();

} // namespace records
