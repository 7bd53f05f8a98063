// Display and edit formats of the datasets, in the two locales the program meets.

#include "DisplayFormat.h"

#include <QTest>
#include <limits>

using custos::data::formatNumber;

class TestDisplayFormat : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formats_data();
    void formats();
};

void TestDisplayFormat::formats_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("ptBR");
    QTest::addColumn<QString>("enUS");

    struct Row
    {
        const char* name;
        const char* pattern;
        double value;
        const char* ptBR;
        const char* enUS;
    };
    const Row rows[] = {
        {"amount groups", "#,0.00", 1234567.891, "1.234.567,89", "1,234,567.89"},
        {"amount zero", "#,0.00", 0.0, "0,00", "0.00"},
        {"amount negative", "#,0.00", -1234.5, "-1.234,50", "-1,234.50"},
        {"amount half away", "#,0.00", 2.675, "2,68", "2.68"},
        {"amount negative half away", "#,0.00", -2.675, "-2,68", "-2.68"},
        {"amount smallest half", "#,0.00", 0.005, "0,01", "0.01"},
        {"amount rounds to zero has no sign", "#,0.00", -0.004, "0,00", "0.00"},
        {"amount beyond fifteen digits", "#,0.00", 1e15, "1.000.000.000.000.000,00", "1,000,000,000,000,000.00"},
        {"price half away", "#,0.000", 1.0005, "1,001", "1.001"},
        {"price carry", "#,0.000", 999999.9995, "1.000.000,000", "1,000,000.000"},
        {"count carry into group", "#,0", 999.5, "1.000", "1,000"},
        {"count small", "#,0", 0.4, "0", "0"},
        {"count negative half", "#,0", -0.5, "-1", "-1"},
        {"weight half away", "#,0.0", 12345.65, "12.345,7", "12,345.7"},
        {"edit format", "#0.000", 1234.5678, "1234,568", "1234.568"},
        {"edit format negative", "#0.000", -0.0625, "-0,063", "-0.063"},
        {"per kilogram", "#,0.000 /Kg", 3.14159, "3,142 /Kg", "3.142 /Kg"},
        {"per kilogram rounds to zero", "#,0.000 /Kg", -0.0004, "0,000 /Kg", "0.000 /Kg"},
        {"rate with blanks", "#,0.00   %   ", 12.5, "12,50   %   ", "12.50   %   "},
        {"percent not scaled", "#,0.0 %", 45.25, "45,3 %", "45.3 %"},
        {"yield percent carry", "#,0.000 %", 99.9999, "100,000 %", "100.000 %"},
        {"variation percent negative", "#,0.00 %", -3.333, "-3,33 %", "-3.33 %"},
        {"yield without groups", "##0.0 %", 1234.56, "1234,6 %", "1234.6 %"},
        {"yield zero", "##0.0 %", 0.0, "0,0 %", "0.0 %"},
        {"kilograms", "#,0.00 Kg", 1500.0, "1.500,00 Kg", "1,500.00 Kg"},
        {"trailing blank", "#,0.00 ", 7.0, "7,00 ", "7.00 "},
        {"long groups", "###,###,##0.00", 1234567.005, "1.234.567,01", "1,234,567.01"},
        {"optional decimals used", "#,0.000###", 0.1234567, "0,123457", "0.123457"},
        {"optional decimals unused", "#,0.000###", 2.5, "2,500", "2.500"},
        {"optional decimals partly", "#,0.000###", -1.1234, "-1,1234", "-1.1234"},
        {"six decimals", "#,0.000000", 1.0 / 3.0, "0,333333", "0.333333"},
        {"optional digit zero is empty", "#", 0.0, "", ""},
        {"optional digit rounds", "#", 1234.5, "1235", "1235"},
        {"optional digit small negative", "#", -0.4, "", ""},
        {"required digit", "0", -7.5, "-8", "-8"},
        {"general fraction", "", 1234.5, "1234,5", "1234.5"},
        {"general zero", "", 0.0, "0", "0"},
        {"general negative", "", -0.1, "-0,1", "-0.1"},
        {"general fifteen digits", "", 1.0 / 3.0, "0,333333333333333", "0.333333333333333"},
        {"general smallest fixed", "", 0.00001, "0,00001", "0.00001"},
        {"general small scientific", "", -1.5e-7, "-1,5E-7", "-1.5E-7"},
        {"general large scientific", "", 1e20, "1E20", "1E20"},
        {"general long scientific", "", 123456789012345678.0, "1,23456789012346E17", "1.23456789012346E17"},
        {"general largest fixed", "", 999999999999999.0, "999999999999999", "999999999999999"},
        {"not a number", "#,0.00", std::numeric_limits<double>::quiet_NaN(), "NAN", "NAN"},
    };
    for (const Row& r : rows)
        QTest::newRow(r.name) << QString::fromUtf8(r.pattern) << r.value << QString::fromUtf8(r.ptBR)
                              << QString::fromUtf8(r.enUS);
}

void TestDisplayFormat::formats()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, ptBR);
    QFETCH(QString, enUS);
    QCOMPARE(formatNumber(value, pattern, QLocale(QLocale::Portuguese, QLocale::Brazil)), ptBR);
    QCOMPARE(formatNumber(value, pattern, QLocale(QLocale::English, QLocale::UnitedStates)), enUS);
}

QTEST_GUILESS_MAIN(TestDisplayFormat)
#include "tst_DisplayFormat.moc"
