#include "Listing.h"

#include "Result.h"

#include <QDateTime>
#include <QLocale>

namespace custos::server {

namespace {

QString asText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return QLocale().toString(value.toDateTime().date(), QLocale::ShortFormat);
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'f', 0);
    return value.toString();
}

} // namespace

Listing listColumn(const session::Result& rows, int column)
{
    Listing listing;
    QString all;
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QString value = asText(rows.value(row, column)) + u'\r';
        all += value;
        if (row < listedValues)
            listing.text += value;
    }
    if (rows.rowCount() >= listedValues) {
        listing.text += QStringLiteral("mais...");
        if (rows.rowCount() > listedValues)
            listing.complete = all;
    }
    return listing;
}

} // namespace custos::server
