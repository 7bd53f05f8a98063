#include "PriceList.h"

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "Query.h"

namespace custos::parameters {

namespace {

QVariant valueOf(const data::DataSet& dataSet, int row, const char* field)
{
    return dataSet.value(row, dataSet.fieldByName(QString::fromLatin1(field)).index());
}

QVariant currentOf(const data::DataSet& dataSet, const char* field)
{
    return dataSet.currentValue(dataSet.fieldByName(QString::fromLatin1(field)).index());
}

} // namespace

data::ClientDataSet& openPriceTables(data::TDataModule_Custo& module, TableKind kind)
{
    data::ClientDataSet& tables = module.clientDataSet(QStringLiteral("CDS_TabelaCusto"));
    tables.close();
    module.query(QStringLiteral("Q_TabelaCusto")).params().setNumber(QStringLiteral("tipo"), int(kind));
    tables.open();
    return tables;
}

PriceTargets currentTargets(const data::DataSet& tables)
{
    return {currentOf(tables, "SEQUENCIAL_TABELA_CUSTO").toDouble(),
            currentOf(tables, "SEQUENCIAL_TABELA_PRECO_BASE").toDouble()};
}

data::ClientDataSet& openProductList(data::TDataModule_Custo& module, const ProductListSource& source,
                                     const PriceTargets& targets, int figure)
{
    data::ClientDataSet& list = module.clientDataSet(QStringLiteral("CDS_") + source.stem);
    list.close();
    session::Params& params = module.query(QStringLiteral("Q_") + source.stem).params();
    params.setNumber(QStringLiteral("id_unidade"), source.idUnidade)
        .setDate(QStringLiteral("data"), source.data)
        .setNumber(QStringLiteral("id_tabela_preco"), targets.tabelaCusto)
        .setNumber(QStringLiteral("id_tabela_base"), targets.tabelaBase)
        .setNumber(QStringLiteral("referencia"), figure);
    for (const auto& [name, value] : source.filter)
        params.setNumber(name, value);
    list.open();
    return list;
}

TickedProduct listedProduct(const data::DataSet& list, int row)
{
    return {valueOf(list, row, "SEQUENCIAL_PRODUTO").toDouble(),
            valueOf(list, row, "CODIGO_PRODUTO").toString(),
            valueOf(list, row, "DESCRICAO_PRODUTO").toString(),
            {valueOf(list, row, "STATUS").toString(), valueOf(list, row, "SEQUENCIAL_ITEM_PRECO"),
             valueOf(list, row, "VALOR_REFERENCIA")},
            {valueOf(list, row, "STATUS_BASE").toString(), valueOf(list, row, "SEQUENCIAL_ITEM_PRECO_BASE"),
             valueOf(list, row, "PRECO_MEDIO")}};
}

QString publicationQuestion()
{
    return QStringLiteral("Deseja realizar a atualização da tabela de preço selecionada?");
}

} // namespace custos::parameters
