#include "Builder.h"

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "DataSource.h"
#include "Provider.h"
#include "Query.h"

namespace custos::data::catalogue {

void declareParameters(session::Params& params, std::initializer_list<ParameterDecl> parameters)
{
    for (const ParameterDecl& parameter : parameters)
        params.setNull(QString::fromLatin1(parameter.name), parameter.type);
}

namespace {

// The lines of a statement literal, without the literal's own first and last line breaks.
QStringList statementLines(const char* statement)
{
    QString text = QString::fromUtf8(statement);
    if (text.startsWith(u'\n'))
        text.remove(0, 1);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

Query& newQuery(TDataModule_Custo& module, const QString& name, std::initializer_list<ParameterDecl> parameters,
                const char* statement)
{
    auto* query = new Query(&module.connection(), &module);
    query->setObjectName(name);
    query->setSql(statementLines(statement));
    declareParameters(query->params(), parameters);
    return *query;
}

DataSource& newSource(TDataModule_Custo& module, const QString& name, DataSet& dataSet)
{
    auto* source = new DataSource(&dataSet, &module);
    source->setObjectName(name);
    return *source;
}

} // namespace

Query& addQuery(TDataModule_Custo& module, const char* name, std::initializer_list<ParameterDecl> parameters,
                const char* statement)
{
    return newQuery(module, QString::fromLatin1(name), parameters, statement);
}

DataSource& addSource(TDataModule_Custo& module, const char* name, DataSet& dataSet)
{
    return newSource(module, QString::fromLatin1(name), dataSet);
}

Chain addChain(TDataModule_Custo& module, const char* stem, const char* table,
               std::initializer_list<ParameterDecl> parameters, const char* statement)
{
    const QString name = QString::fromLatin1(stem);
    Query& query = newQuery(module, QStringLiteral("Q_") + name, parameters, statement);
    auto* provider = new Provider(&query, QString::fromLatin1(table), &module);
    provider->setObjectName(QStringLiteral("DSP_") + name);
    auto* dataSet = new ClientDataSet(&module);
    dataSet->setObjectName(QStringLiteral("CDS_") + name);
    dataSet->setProvider(provider);
    DataSource& source = newSource(module, QStringLiteral("DTS_") + name, *dataSet);
    return {query, *provider, *dataSet, source};
}

void declareFields(DataSet& dataSet, std::initializer_list<FieldGroup> groups)
{
    for (const FieldGroup& group : groups) {
        for (const char* name : group.names) {
            Field& field = dataSet.declareField(QString::fromLatin1(name), group.kind, group.width);
            if (*group.displayFormat)
                field.setDisplayFormat(QString::fromUtf8(group.displayFormat));
        }
    }
}

void addAggregates(ClientDataSet& dataSet, std::initializer_list<AggregateDecl> aggregates)
{
    for (const AggregateDecl& aggregate : aggregates)
        dataSet.addAggregate(QString::fromLatin1(aggregate.name), QString::fromLatin1(aggregate.expression),
                             QString::fromUtf8(aggregate.displayFormat));
}

void saveMap(Provider& provider, const char* identifying, std::initializer_list<const char*> writable)
{
    provider.setDefaultFlags({});
    provider.setFieldFlags(QString::fromLatin1(identifying), ProviderFlag::Identifying);
    for (const char* name : writable)
        provider.setFieldFlags(QString::fromLatin1(name), ProviderFlag::Writable);
}

} // namespace custos::data::catalogue
