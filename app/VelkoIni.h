#pragma once
// The configuration file velko.ini: lines of name, equals sign, value. Section headers and lines
// without an equals sign are ignored; names match without regard to case; the value is all of
// the line after the first equals sign, not trimmed; a missing name gives an empty value.

#include <QList>
#include <QPair>
#include <QString>
#include <stdexcept>

namespace custos::app {

class ConfigurationError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class VelkoIni
{
public:
    // Reads the file; a missing or unreadable file raises ConfigurationError.
    static VelkoIni load(const QString& path);

    // The value of the first line with that name.
    QString value(const QString& name) const;

private:
    QList<QPair<QString, QString>> m_lines;
};

} // namespace custos::app
