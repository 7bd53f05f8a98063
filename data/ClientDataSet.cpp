#include "ClientDataSet.h"

#include "DataError.h"
#include "DatabaseError.h"
#include "Provider.h"
#include "Query.h"
#include "Result.h"

namespace custos::data {

ClientDataSet::ClientDataSet(QObject* parent)
    : DataSet(parent)
{
}

ClientDataSet::~ClientDataSet() = default;

session::Result ClientDataSet::fetch() const
{
    if (!m_provider || !m_provider->query())
        throw DataError(QStringLiteral("%1: conjunto de dados sem provedor ou consulta.").arg(objectName()));
    return m_provider->query()->execute(m_params);
}

void ClientDataSet::open()
{
    openWith([this] { return fetch(); });
}

void ClientDataSet::refresh()
{
    if (!isActive())
        throw DataError(QStringLiteral("%1: operação não permitida com o conjunto de dados fechado.").arg(objectName()));
    if (state() == State::Edit)
        post();
    if (changeCount() > 0)
        throw DataError(QStringLiteral("%1: há alterações pendentes; é preciso gravá-las antes de reler os dados.")
                            .arg(objectName()));
    replaceRows(fetch());
}

int ClientDataSet::applyUpdates()
{
    if (!isActive())
        return 0;
    if (!m_provider)
        throw DataError(QStringLiteral("%1: conjunto de dados sem provedor.").arg(objectName()));
    if (state() == State::Edit)
        post();
    int refused = 0;
    auto& pending = changes();
    for (auto it = pending.begin(); it != pending.end();) {
        try {
            m_provider->applyUpdate(*this, it->second.original, store().rowValues(it->first));
            it = pending.erase(it);
            continue;
        } catch (const session::DatabaseError& error) {
            it->second.error = error.message();
        } catch (const DataError& error) {
            it->second.error = error.message();
        }
        ++refused;
        ++it;
    }
    Q_EMIT pendingChanged();
    return refused;
}

QStringList ClientDataSet::updateErrors() const
{
    QStringList errors;
    for (const auto& [row, change] : changes()) {
        if (!change.error.isEmpty())
            errors << change.error;
    }
    return errors;
}

Aggregate& ClientDataSet::addAggregate(const QString& name, const QString& expression, const QString& displayFormat)
{
    if (findAggregate(name))
        throw DataError(QStringLiteral("%1: agregado '%2' declarado duas vezes.").arg(objectName(), name));
    auto aggregate = std::make_unique<Aggregate>(name, expression, displayFormat);
    if (isActive())
        aggregate->bind([this](const QString& field) { return fieldColumn(field); }, store());
    aggregate->attach(&store());
    m_aggregates.push_back(std::move(aggregate));
    return *m_aggregates.back();
}

Aggregate* ClientDataSet::findAggregate(const QString& name) const
{
    for (const auto& aggregate : m_aggregates) {
        if (aggregate->name().compare(name, Qt::CaseInsensitive) == 0)
            return aggregate.get();
    }
    return nullptr;
}

Aggregate& ClientDataSet::aggregateByName(const QString& name) const
{
    Aggregate* aggregate = findAggregate(name);
    if (!aggregate)
        throw DataError(QStringLiteral("%1: agregado '%2' não encontrado.").arg(objectName(), name));
    return *aggregate;
}

void ClientDataSet::storeChanged()
{
    for (const auto& aggregate : m_aggregates)
        aggregate->invalidate();
}

void ClientDataSet::bindExpressions(const RecordStore& columns)
{
    for (const auto& aggregate : m_aggregates)
        aggregate->bind([this](const QString& field) { return fieldColumn(field); }, columns);
}

} // namespace custos::data
