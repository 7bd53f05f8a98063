#pragma once
// The datasets the windows open and the parameters they set for unit 1 and a day, reached by
// walking the data module: each parameter takes its value by its name (the unit, the day, the
// day's slaughter, the family the industrialized result window shows, ...), except the few
// whose meaning differs by dataset (the family of the elaboration list and of the price export,
// the family list key of the family results, the price tables of each export).

#include "CatalogueDay.h"
#include "Dialect.h"

#include <QHash>
#include <QSet>

namespace custos::test {

// The ids of the day's movement the windows' parameters refer to.
struct DayIds
{
    double idAbate = 0;
    double familia = 0;
    double familiaElaboracao = 0;
    double familiaRevenda = 0;
    double grupoRevenda = 0;
    double tabelaPreco = -1;
    double tabelaBase = -1;
    double tabelaRevenda = -1;
    double tabelaBaseRevenda = -1;
};

// The ids of the one-day fixture (CatalogueDay) the windows' parameters refer to.
inline DayIds catalogueDayIds(const CatalogueDay& day)
{
    return {.idAbate = day.scalar(QStringLiteral("select id_abate from velko_cst.abate")).toDouble(),
            .familia = 30,
            .familiaElaboracao = 40,
            .familiaRevenda = 7,
            .grupoRevenda = 1,
            .tabelaPreco = 1,
            .tabelaRevenda = 1};
}

// Every dataset of the module a window opens: each client dataset, and each query that returns
// rows and feeds no provider (its rows reach the windows through a data source).
inline QList<data::DataSet*> openedDataSets(const data::TDataModule_Custo& m)
{
    QSet<const data::Query*> provided;
    for (const data::Provider* provider : m.findChildren<data::Provider*>(Qt::FindDirectChildrenOnly))
        provided.insert(provider->query());
    QList<data::DataSet*> opened;
    for (data::DataSet* dataSet : m.findChildren<data::DataSet*>(Qt::FindDirectChildrenOnly)) {
        const auto* query = qobject_cast<const data::Query*>(dataSet);
        if (!query || (!provided.contains(query) &&
                       sql::translate(query->text().toStdString()).kind == sql::StatementKind::Query))
            opened << dataSet;
    }
    return opened;
}

// Sets every parameter of every dataset a window opens, the way the windows do (on the client
// dataset when it carries the parameter itself, otherwise on its query). ID_PROCESSO is left
// to the rule that runs before the per-family datasets open. Returns the parameters it has no
// value for, as "dataset.parameter".
inline QStringList setDayParameters(data::TDataModule_Custo& m, QDate day, const DayIds& ids)
{
    const QHash<QString, QVariant> byName{
        {QStringLiteral("ID_UNIDADE"), 1.0},
        {QStringLiteral("P_ID_UNIDADE"), 1.0},
        {QStringLiteral("P_CODIGO_EMPRESA"), 1.0},
        {QStringLiteral("DATA"), day},
        {QStringLiteral("P_DATA"), day},
        {QStringLiteral("DATA_CUSTO"), day},
        {QStringLiteral("APROVEITAMENTO_RATEIO"), QStringLiteral("KG")},
        {QStringLiteral("APROVEITAMENTO"), 874.0},
        {QStringLiteral("ID_ABATE"), ids.idAbate},
        {QStringLiteral("PESO_MORTO"), 2500.0},
        {QStringLiteral("QNTD_MORTO"), 10.0},
        {QStringLiteral("ID_FAMILIA"), ids.familia},
        {QStringLiteral("CODIGO_FAMILIA"), ids.familiaRevenda},
        {QStringLiteral("CODIGO_GRUPO"), ids.grupoRevenda},
        {QStringLiteral("TIPO"), 0.0},
        {QStringLiteral("REFERENCIA"), 1.0},
    };
    // "dataset.PARAMETER": what the parameter is for that dataset.
    const QHash<QString, QVariant> byDataSet{
        {QStringLiteral("CDS_Resultado.ID_FAMILIA"), 0.0}, // no family list: every family
        {QStringLiteral("CDS_ResultadoAcumulado.ID_FAMILIA"), 0.0},
        {QStringLiteral("CDS_ProducaoElaboracao.ID_FAMILIA"), ids.familiaElaboracao},
        {QStringLiteral("CDS_ExportarTabelaPreco.ID_FAMILIA"), ids.familiaElaboracao},
        {QStringLiteral("CDS_ExportarTabelaPreco.ID_TABELA_PRECO"), ids.tabelaPreco},
        {QStringLiteral("CDS_ExportarTabelaPreco.ID_TABELA_BASE"), ids.tabelaBase},
        {QStringLiteral("CDS_ExportarTabelaRevenda.ID_TABELA_PRECO"), ids.tabelaRevenda},
        {QStringLiteral("CDS_ExportarTabelaRevenda.ID_TABELA_BASE"), ids.tabelaBaseRevenda},
    };
    QStringList missing;
    for (data::DataSet* dataSet : openedDataSets(m)) {
        std::vector<session::BindValue> parameters;
        if (auto* cds = qobject_cast<data::ClientDataSet*>(dataSet)) {
            parameters = cds->params().values();
            for (const session::BindValue& p : cds->provider()->query()->params().values())
                parameters.push_back(p);
        } else {
            parameters = static_cast<data::Query*>(dataSet)->params().values();
        }
        for (const session::BindValue& parameter : parameters) {
            if (parameter.name == QLatin1String("ID_PROCESSO"))
                continue;
            const QString key = dataSet->objectName() + u'.' + parameter.name;
            const QVariant value = byDataSet.value(key, byName.value(parameter.name));
            if (value.isValid())
                setParam(*dataSet, parameter.name, parameter.type, value);
            else
                missing << key;
        }
    }
    return missing;
}

} // namespace custos::test
