#pragma once
// Timestamps of the datasets are wall-clock dates and times with no zone, as the server's DATE
// columns hold them. They are handed out as QDateTime in UTC, which keeps every wall time as it
// is: a local-time QDateTime has no midnight on the days clocks jumped forward (Brazil's summer
// time began at 00:00), so such a day would read as invalid or shifted. Values coming in are
// taken by their date() and time(), whatever their time spec.

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace custos::data {

// The wall time as one number: Julian day × 86,400,000 + milliseconds of the day.
qint64 packTimestamp(const QDateTime& value);
qint64 packTimestamp(const QDate& date, qint64 msecsOfDay);
QDateTime unpackTimestamp(qint64 packed);
// The same wall time in UTC.
QDateTime wallTimestamp(const QDate& date, const QTime& time = QTime(0, 0));
QDateTime wallTimestamp(const QDateTime& value);
// "dd/MM/yyyy [HH:mm[:ss]]" in the locale's short date format, or "yyyy-MM-dd [HH:mm[:ss]]";
// an invalid QDateTime for anything else.
QDateTime parseTimestamp(const QString& text, const QLocale& locale);

} // namespace custos::data
