#pragma once
// An aggregate of a client dataset: an expression over all its rows (Expression.h; a filter
// does not narrow them) with a display format. It is kept up to date with every change of the rows (computed when read
// after a change) and is NULL, shown empty, when the dataset has no rows or a divisor sums
// to zero.

#include "DisplayFormat.h"
#include "Expression.h"

#include <QString>
#include <QVariant>

namespace custos::data {

class Aggregate
{
public:
    // Raises DataError when the expression does not parse.
    Aggregate(const QString& name, const QString& expression, const QString& displayFormat);

    const QString& name() const { return m_name; }
    const QString& expression() const { return m_expression.text(); }
    const DisplayFormat& displayFormat() const { return m_displayFormat; }

    QVariant value() const; // double, or NULL
    bool isNull() const { return value().isNull(); }
    double asFloat() const { return value().toDouble(); }
    QString displayText() const;

private:
    friend class ClientDataSet;
    // rows: the dataset's store, read from now on; the expression's fields are resolved
    // against a store of the same columns (the one being loaded).
    void attach(const RecordStore* rows) { m_store = rows; }
    void bind(const std::function<int(const QString&)>& columnOf, const RecordStore& columns);
    void invalidate() { m_dirty = true; }

    QString m_name;
    Expression m_expression;
    DisplayFormat m_displayFormat;
    const RecordStore* m_store = nullptr;
    mutable QVariant m_value;
    mutable bool m_dirty = true;
};

} // namespace custos::data
