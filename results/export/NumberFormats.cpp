#include "NumberFormats.h"

#include <DisplayFormat.h>

#include <algorithm>

namespace custos::results {

namespace {

// A literal of a number format: quoted, a double quote written as \".
QString quoted(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList parts = text.split(u'"');
    for (QString& p : parts)
        if (!p.isEmpty())
            p = u'"' + p + u'"';
    return parts.join(QStringLiteral("\\\""));
}

QString integerPart(const custos::data::DisplayFormat& f)
{
    const int required = f.requiredIntegerDigits();
    if (!f.hasGrouping())
        return required == 0 ? QStringLiteral("#") : QString(required, u'0');
    // One group of four placeholders ("#,##0"), required digits at the right.
    const QString digits = required >= 4 ? QString(required, u'0')
                                         : QString(4 - required, u'#') + QString(required, u'0');
    return digits.left(digits.size() - 3) + u',' + digits.right(3);
}

} // namespace

QString workbookNumberFormat(const QString& displayPattern)
{
    const custos::data::DisplayFormat f(displayPattern);
    if (f.isGeneral())
        return QStringLiteral("General");
    QString body;
    if (f.hasDigits()) {
        body = integerPart(f);
        if (f.maxDecimals() > 0)
            body += u'.' + QString(f.minDecimals(), u'0') + QString(f.maxDecimals() - f.minDecimals(), u'#');
    }
    return quoted(f.prefix()) + body + quoted(f.suffix());
}

QString workbookDateFormat(const QLocale& locale, bool withTime)
{
    // Qt's date letters (M for months, quoted literals) in the workbook's notation.
    const QString pattern = locale.dateFormat(QLocale::ShortFormat);
    QString out;
    bool inQuote = false;
    for (const QChar c : pattern) {
        if (c == u'\'') {
            inQuote = !inQuote;
            out += u'"';
        } else if (inQuote) {
            out += c;
        } else if (c == u'M') {
            out += u'm';
        } else if (c == u'd' || c == u'y') {
            out += c;
        } else if (c.isLetter()) {
            continue; // day names and eras have no place in a cell's date
        } else {
            out += c;
        }
    }
    out.replace(QStringLiteral("\"\""), QString());
    if (withTime)
        out += QStringLiteral(" hh:mm:ss");
    return out;
}

} // namespace custos::results
