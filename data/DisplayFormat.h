#pragma once
// Number display in the pattern notation of the datasets.
//
//   "#"  an optional digit          "0"  a required digit
//   ","  turns on thousands groups  "."  the decimal separator
//
// Both separators are shown with the locale's characters. Every other character is a literal:
// the literals before the first digit placeholder are put before the number, all others after
// it, in their order ("#,0.00 Kg", "#,0.00   %   "). A "%" is a literal too: the value is not
// scaled. The number is rounded half away from zero at the last digit the pattern shows
// ("#,0.000###" shows three to six decimals); a value that rounds to zero has no sign, and a
// pattern with no required digit shows zero as nothing ("#"). An empty pattern means the
// general number format: up to 15 significant digits, no thousands groups, scientific notation
// ("1,5E-7", "1E20") below 0.00001 or beyond 15 integer digits. A pattern has one section: the
// datasets use no separate negative or zero sections, so ";" is a literal like any other.

#include <QLocale>
#include <QString>

namespace custos::data {

class DisplayFormat
{
public:
    DisplayFormat() = default; // the general number format
    explicit DisplayFormat(const QString& pattern);

    const QString& pattern() const { return m_pattern; }
    bool isGeneral() const { return m_pattern.isEmpty(); }

    QString format(double value, const QLocale& locale) const;

    // The pattern's parts, for writers that translate it into another notation.
    const QString& prefix() const { return m_prefix; }
    const QString& suffix() const { return m_suffix; }
    bool hasGrouping() const { return m_grouping; }
    bool hasDigits() const { return m_hasDigits; }
    int requiredIntegerDigits() const { return m_requiredIntegerDigits; }
    int minDecimals() const { return m_minDecimals; }
    int maxDecimals() const { return m_maxDecimals; }

private:
    QString m_pattern;
    QString m_prefix;
    QString m_suffix;
    bool m_grouping = false;
    bool m_hasDecimalPoint = false;
    int m_requiredIntegerDigits = 0;
    int m_minDecimals = 0;
    int m_maxDecimals = 0;
    bool m_hasDigits = false;
};

QString formatNumber(double value, const QString& pattern, const QLocale& locale);
QString formatGeneral(double value, const QLocale& locale);

} // namespace custos::data
