#include "RowSource.h"

namespace custos::grid {

int RowSource::textWidth(int) const
{
    return 0;
}

QString RowSource::displayPattern(int) const
{
    return {};
}

int RowSource::editDecimals(int field) const
{
    return fieldKind(field) == FieldKind::Number ? 2 : 0;
}

bool RowSource::isPendingValue(int, int) const
{
    return false;
}

int RowSource::fieldIndex(const QString& name) const
{
    for (int f = 0, n = fieldCount(); f < n; ++f)
        if (fieldName(f).compare(name, Qt::CaseInsensitive) == 0)
            return f;
    return -1;
}

double RowSource::number(int row, int field, bool* isNull) const
{
    const QVariant v = value(row, field);
    bool ok = false;
    const double d = v.isNull() ? 0.0 : v.toDouble(&ok);
    *isNull = !ok;
    return ok ? d : 0.0;
}

int patternDecimals(const QString& pattern, int fallback)
{
    const int point = int(pattern.indexOf(QLatin1Char('.')));
    if (point < 0)
        return fallback;
    int decimals = 0;
    for (int i = point + 1; i < pattern.size() && (pattern[i] == QLatin1Char('0') || pattern[i] == QLatin1Char('#')); ++i)
        ++decimals;
    return decimals;
}

} // namespace custos::grid
