#pragma once
// Named bind values of a statement (":name", case-insensitive, a name may repeat in the text).

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <vector>

namespace custos::session {

enum class BindType
{
    Number,   // Oracle NUMBER (double)
    Integer,  // whole number (qint64)
    Text,     // an empty text binds as NULL, as on Oracle
    Date,     // a day (QDate)
    DateTime, // date and time, whole seconds (QDateTime)
    Null      // no value and no declared type
};

struct BindValue
{
    QString name; // upper case
    BindType type = BindType::Null;
    QVariant value; // null QVariant = SQL NULL of that type
};

class Params
{
public:
    Params& setNumber(const QString& name, double value);
    Params& setInteger(const QString& name, qint64 value);
    Params& setText(const QString& name, const QString& value);
    Params& setDate(const QString& name, const QDate& value);
    Params& setDateTime(const QString& name, const QDateTime& value);
    // A NULL of the given type (Number, Integer, Text, Date, DateTime or Null).
    Params& setNull(const QString& name, BindType type = BindType::Null);
    Params& set(const QString& name, BindType type, const QVariant& value);

    const BindValue* find(const QString& name) const; // case-insensitive
    const std::vector<BindValue>& values() const { return m_values; }
    bool isEmpty() const { return m_values.empty(); }

private:
    std::vector<BindValue> m_values;
};

} // namespace custos::session
