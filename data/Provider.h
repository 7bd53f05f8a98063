#pragma once
// A provider (prefix DSP_): delivers its query's rows to a client dataset and resolves the
// client dataset's changed rows back to one table, named by the provider.
//
// The flags of the query's fields say which columns a save writes (Writable) and which find
// the row (Identifying); a field with no flags of its own takes the default flags, both unless
// the provider says otherwise. A changed row becomes one UPDATE of the table that sets the
// changed writable columns and finds the row by the identifying columns compared with their
// values as read (IS NULL for a NULL). Every statement commits on its own; a row the statement
// does not find, or finds more than once, is refused and nothing of it is written.

#include "Binds.h"

#include <QFlags>
#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace custos::data {

class DataSet;
class Query;

enum class ProviderFlag { Identifying = 0x1, Writable = 0x2 };
Q_DECLARE_FLAGS(ProviderFlags, ProviderFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(ProviderFlags)

class Provider : public QObject
{
    Q_OBJECT
public:
    explicit Provider(Query* query = nullptr, const QString& tableName = QString(), QObject* parent = nullptr);

    void setQuery(Query* query) { m_query = query; }
    Query* query() const { return m_query; }

    // "SCHEMA.TABLE"; raises DataError for anything that is not a table name.
    void setTableName(const QString& tableName);
    const QString& tableName() const { return m_tableName; }

    void setFieldFlags(const QString& fieldName, ProviderFlags flags);
    void setDefaultFlags(ProviderFlags flags) { m_defaultFlags = flags; }
    ProviderFlags flags(const QString& fieldName) const;

    struct Statement
    {
        QString text;
        session::Params params;
    };
    // The UPDATE for one row of dataSet whose values were original and are now current (one
    // value per field); nullopt when no writable column changed. Raises DataError when the
    // provider has no table, no field identifies the row, or a column name cannot be written.
    std::optional<Statement> updateFor(const DataSet& dataSet, const std::vector<QVariant>& original,
                                       const std::vector<QVariant>& current) const;
    // Sends that UPDATE through the query's connection. Raises the database's error, or
    // DataError when the row is not found exactly once.
    void applyUpdate(const DataSet& dataSet, const std::vector<QVariant>& original,
                     const std::vector<QVariant>& current) const;

private:
    Query* m_query;
    QString m_tableName;
    QHash<QString, ProviderFlags> m_flags; // upper-case field names
    ProviderFlags m_defaultFlags = ProviderFlag::Identifying | ProviderFlag::Writable;
};

} // namespace custos::data
