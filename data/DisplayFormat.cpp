#include "DisplayFormat.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace custos::data {

namespace {

constexpr int kSignificantDigits = 15;

// |value| to 15 significant digits: value = 0.digits × 10^pointPosition, digits without
// trailing zeros (empty for zero). Rounding to 15 digits first makes 2.675 read as 2.675 and
// not as the binary neighbour 2.67499999..., so the shown digit rounds as the user expects.
struct Decimal
{
    std::string digits;
    int pointPosition = 0;
};

Decimal toDecimal(double magnitude)
{
    Decimal d;
    if (magnitude == 0.0)
        return d;
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                   std::chars_format::scientific, kSignificantDigits - 1)
                         .ptr;
    const std::string_view text(buffer, std::size_t(end - buffer)); // d.ddddddddddddddde±XX
    const auto e = text.find('e');
    d.digits.push_back(text[0]);
    d.digits.append(text.substr(2, e - 2));
    std::string_view exponentText = text.substr(e + 1);
    const bool negativeExponent = exponentText.front() == '-';
    exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    d.pointPosition = (negativeExponent ? -exponent : exponent) + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Integer and fraction digits of d, the fraction cut at maxDecimals, rounding half away from
// zero (d is a magnitude, so rounding up is away from zero).
void splitRounded(const Decimal& d, int maxDecimals, std::string& integerDigits,
                  std::string& fractionDigits)
{
    int integerLength = std::max(d.pointPosition, 0);
    std::string all;
    if (d.pointPosition < 0)
        all.assign(std::size_t(-d.pointPosition), '0');
    all += d.digits;
    if (d.pointPosition > int(d.digits.size()))
        all.append(std::size_t(d.pointPosition - int(d.digits.size())), '0');

    const std::size_t keep = std::size_t(integerLength + maxDecimals);
    if (all.size() > keep) {
        const bool roundUp = all[keep] >= '5';
        all.resize(keep);
        if (roundUp) {
            std::size_t i = all.size();
            while (i > 0 && all[i - 1] == '9')
                all[--i] = '0';
            if (i == 0) {
                all.insert(all.begin(), '1');
                ++integerLength;
            } else {
                ++all[i - 1];
            }
        }
    }
    integerDigits = all.substr(0, std::size_t(integerLength));
    fractionDigits = all.substr(std::size_t(integerLength));
}

bool allZero(const std::string& digits)
{
    return digits.find_first_not_of('0') == std::string::npos;
}

QString notANumberText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

DisplayFormat::DisplayFormat(const QString& pattern)
    : m_pattern(pattern)
{
    bool seenPlaceholder = false;
    bool afterPoint = false;
    int integerPlaceholders = 0;
    int firstRequiredInteger = -1; // index among the integer placeholders
    int fractionPlaceholders = 0;
    for (const QChar c : pattern) {
        if (c == u'#' || c == u'0') {
            seenPlaceholder = true;
            if (afterPoint) {
                ++fractionPlaceholders;
                if (c == u'0')
                    m_minDecimals = fractionPlaceholders;
            } else {
                if (c == u'0' && firstRequiredInteger < 0)
                    firstRequiredInteger = integerPlaceholders;
                ++integerPlaceholders;
            }
        } else if (c == u'.' && !afterPoint) {
            afterPoint = true;
            seenPlaceholder = true;
            m_hasDecimalPoint = true;
        } else if (c == u',' && !afterPoint) {
            m_grouping = true;
        } else if (seenPlaceholder) {
            m_suffix += c;
        } else {
            m_prefix += c;
        }
    }
    m_hasDigits = integerPlaceholders > 0 || fractionPlaceholders > 0;
    m_maxDecimals = fractionPlaceholders;
    m_requiredIntegerDigits = firstRequiredInteger < 0 ? 0 : integerPlaceholders - firstRequiredInteger;
}

QString DisplayFormat::format(double value, const QLocale& locale) const
{
    if (isGeneral())
        return formatGeneral(value, locale);
    if (!std::isfinite(value))
        return notANumberText(value);
    if (!m_hasDigits)
        return m_prefix + m_suffix;

    std::string integerDigits;
    std::string fractionDigits;
    splitRounded(toDecimal(std::fabs(value)), m_maxDecimals, integerDigits, fractionDigits);
    while (int(fractionDigits.size()) > m_minDecimals && fractionDigits.back() == '0')
        fractionDigits.pop_back();
    if (int(fractionDigits.size()) < m_minDecimals)
        fractionDigits.append(std::size_t(m_minDecimals) - fractionDigits.size(), '0');
    const std::size_t firstSignificant = integerDigits.find_first_not_of('0');
    integerDigits.erase(0, firstSignificant == std::string::npos ? integerDigits.size() : firstSignificant);
    if (int(integerDigits.size()) < m_requiredIntegerDigits)
        integerDigits.insert(0, std::size_t(m_requiredIntegerDigits) - integerDigits.size(), '0');
    const bool negative = value < 0 && !(allZero(integerDigits) && allZero(fractionDigits));

    const QString groupSeparator = locale.groupSeparator();
    QString text;
    text.reserve(m_prefix.size() + m_suffix.size() + int(integerDigits.size() * 2 + fractionDigits.size()) + 4);
    text += m_prefix;
    if (negative)
        text += locale.negativeSign();
    const int integerLength = int(integerDigits.size());
    for (int i = 0; i < integerLength; ++i) {
        if (m_grouping && i > 0 && (integerLength - i) % 3 == 0)
            text += groupSeparator;
        text += QChar::fromLatin1(integerDigits[std::size_t(i)]);
    }
    if (!fractionDigits.empty()) {
        text += locale.decimalPoint();
        text += QLatin1StringView(fractionDigits.data(), qsizetype(fractionDigits.size()));
    }
    text += m_suffix;
    return text;
}

QString formatNumber(double value, const QString& pattern, const QLocale& locale)
{
    return DisplayFormat(pattern).format(value, locale);
}

QString formatGeneral(double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return notANumberText(value);
    const Decimal d = toDecimal(std::fabs(value));
    if (d.digits.empty())
        return QStringLiteral("0");
    QString text;
    if (value < 0)
        text += locale.negativeSign();
    if (d.pointPosition >= -4 && d.pointPosition <= kSignificantDigits) {
        std::string integerDigits;
        std::string fractionDigits;
        splitRounded(d, kSignificantDigits + 5, integerDigits, fractionDigits);
        text += integerDigits.empty() ? QStringLiteral("0")
                                      : QString::fromLatin1(integerDigits.data(), qsizetype(integerDigits.size()));
        if (!fractionDigits.empty()) {
            text += locale.decimalPoint();
            text += QLatin1StringView(fractionDigits.data(), qsizetype(fractionDigits.size()));
        }
        return text;
    }
    text += QChar::fromLatin1(d.digits[0]);
    if (d.digits.size() > 1) {
        text += locale.decimalPoint();
        text += QLatin1StringView(d.digits.data() + 1, qsizetype(d.digits.size() - 1));
    }
    const int exponent = d.pointPosition - 1;
    text += u'E';
    if (exponent < 0)
        text += locale.negativeSign();
    text += QString::number(std::abs(exponent));
    return text;
}

} // namespace custos::data
