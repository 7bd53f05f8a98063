#pragma once
// A client dataset (prefix CDS_): the in-memory copy of its provider's query that windows
// read, edit and total. Opening runs the query with its parameters (the dataset's own
// parameters taking the place of the query's of the same name) and fetches every row. Posted
// rows stay in the change log until applyUpdates() sends them through the provider; rows the
// database refuses stay pending with its message, the others are saved. A re-read (refresh)
// with pending changes is refused; closing drops them.

#include "Aggregate.h"
#include "Binds.h"
#include "DataSet.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace custos::data {

class Provider;

class ClientDataSet : public DataSet
{
    Q_OBJECT
public:
    explicit ClientDataSet(QObject* parent = nullptr);
    ~ClientDataSet() override;

    void setProvider(Provider* provider) { m_provider = provider; }
    Provider* provider() const { return m_provider; }

    session::Params& params() { return m_params; }
    const session::Params& params() const { return m_params; }

    void open() override;
    // Runs the query again with the same parameters and replaces the rows, keeping the record
    // number where it can. Raises DataError while changes are pending.
    void refresh();

    // Sends every pending change, one UPDATE per row (posting the record being edited first).
    // Returns the number of rows refused; their messages are in updateErrors().
    int applyUpdates();
    QStringList updateErrors() const;

    // Raises DataError for an expression that does not parse, or (when the dataset is open)
    // names an unknown field; an unknown field of an aggregate added before opening makes the
    // opening fail.
    Aggregate& addAggregate(const QString& name, const QString& expression, const QString& displayFormat = QString());
    Aggregate* findAggregate(const QString& name) const; // case-insensitive
    Aggregate& aggregateByName(const QString& name) const;
    int aggregateCount() const { return int(m_aggregates.size()); }
    Aggregate& aggregate(int index) const { return *m_aggregates[std::size_t(index)]; } // in the order added

protected:
    void storeChanged() override;
    void bindExpressions(const RecordStore& columns) override;

private:
    session::Result fetch() const;

    Provider* m_provider = nullptr;
    session::Params m_params;
    std::vector<std::unique_ptr<Aggregate>> m_aggregates;
};

} // namespace custos::data
