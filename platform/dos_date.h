// Packed DOS file date-times as the program's records and directory entries
// keep them: local time, date in the high 16 bits (years since 1980 << 9 |
// month << 5 | day), time in the low 16 bits (hour << 11 | minute << 5 |
// second / 2). They cover 1980-01-01 00:00:00 to 2107-12-31 23:59:58 in
// 2-second steps; 0 means "no date".
#pragma once

#include <QDateTime>
#include <QtGlobal>

namespace platform {

using DosDateTime = quint32;

// Packs a date-time (converted to local time; seconds rounded down to an even
// number). Returns 0 when it is invalid or outside 1980..2107.
DosDateTime DateTimeToDos(const QDateTime& dateTime);

// Unpacks to a local date-time; an invalid QDateTime when the packed value
// holds no valid date (0, month 0 or 13, day 31 of February, …).
QDateTime DosToDateTime(DosDateTime packed);

// A file's date is its modification time, packed; 0 when the file is
// missing or its date is outside the packed range.
DosDateTime FileDosDate(const QString& path);

// Sets the file's modification time from a packed date; false on failure
// or an invalid packed value.
bool SetFileDosDate(const QString& path, DosDateTime packed);

// A day-count date-time value: days since 1899-12-30 with the time of
// day as the fraction (local time). Invalid date-times give 0.
double DateTimeToDays(const QDateTime& dateTime);
QDateTime DaysToDateTime(double days);

} // namespace platform
