#include "Timestamp.h"

namespace custos::data {

namespace {

constexpr qint64 kMsecsPerDay = 86400000;

} // namespace

qint64 packTimestamp(const QDate& date, qint64 msecsOfDay)
{
    return date.toJulianDay() * kMsecsPerDay + msecsOfDay;
}

qint64 packTimestamp(const QDateTime& value)
{
    return packTimestamp(value.date(), value.time().msecsSinceStartOfDay());
}

QDateTime unpackTimestamp(qint64 packed)
{
    qint64 day = packed / kMsecsPerDay;
    qint64 msecs = packed % kMsecsPerDay;
    if (msecs < 0) {
        msecs += kMsecsPerDay;
        --day;
    }
    return wallTimestamp(QDate::fromJulianDay(day), QTime::fromMSecsSinceStartOfDay(int(msecs)));
}

QDateTime wallTimestamp(const QDate& date, const QTime& time)
{
    return QDateTime(date, time, Qt::UTC);
}

QDateTime wallTimestamp(const QDateTime& value)
{
    return value.isValid() ? wallTimestamp(value.date(), value.time()) : QDateTime();
}

QDateTime parseTimestamp(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    const QString datePart = blank < 0 ? trimmed : trimmed.left(blank);
    const QString timePart = blank < 0 ? QString() : trimmed.mid(blank + 1).trimmed();
    QDate date = locale.toDate(datePart, locale.dateFormat(QLocale::ShortFormat));
    if (!date.isValid())
        date = QDate::fromString(datePart, QStringLiteral("yyyy-MM-dd"));
    QTime time(0, 0);
    if (!timePart.isEmpty()) {
        time = QTime::fromString(timePart, QStringLiteral("HH:mm:ss"));
        if (!time.isValid())
            time = QTime::fromString(timePart, QStringLiteral("HH:mm"));
    }
    if (!date.isValid() || !time.isValid())
        return {};
    return wallTimestamp(date, time);
}

} // namespace custos::data
