#include "RevenueRecordsDetail.h"

#include "DataModule_Custo.h"
#include "DataSet.h"
#include "ResultsStatements.h"

namespace custos::results {

RevenueRecordsDetail::RevenueRecordsDetail(data::TDataModule_Custo& module, const QDate& day,
                                           const ProductDetailLayout& layout, const session::Statement& records,
                                           const ResultKey& key, const session::Statement& consumo, QWidget* parent)
    : ProductDetail(module, layout, consumo, parent), m_day(day), m_key(key)
{
    m_Q_PrecoMedio = addOrderQuery("Q_PrecoMedio", records);
    m_Q_PrecoMedioAntigo = addOrderQuery("Q_PrecoMedioAntigo", statements::Q_PrecoMedioAntigo);
}

QDate RevenueRecordsDetail::dataInicioReceita() const
{
    return startOfRevenueRecords(productField("ID_UNIDADE"));
}

std::vector<DetailLine> RevenueRecordsDetail::openingLines()
{
    return {
        productLine(),
        detailLine("Caixas", "Caixas", "CAIXAS"),
        detailLine("Pecas", "Peças", "PECAS"),
        detailLine("Peso", "Peso", "PESO"),
        revenueLine("P_CRITERIO_RECEITA"),
    };
}

void RevenueRecordsDetail::showOrdersAndPackaging(const char* productionOrderField)
{
    const data::DataSet& produto = product();
    openPrecoMedio();
    openConsumo([&](session::Params& p) {
        p.setNumber(QStringLiteral("id_produto"), productField("SEQUENCIAL_PRODUTO"))
            .setNumber(QStringLiteral("id_unidade"), productField("ID_UNIDADE"));
        bindProductionOrder(p, QStringLiteral("id_ordem_producao"),
                            produto.fieldByName(QString::fromLatin1(productionOrderField)).asString());
        bindOptionalNumber(p, QStringLiteral("id_ordem_venda"), produto.fieldByName(QStringLiteral("ID_CONTRATO")).value());
    });
    scrollToTop();
    setPricePanelShown(produto.fieldByName(QStringLiteral("CRITERIO_RECEITA")).asString() == QLatin1String("M"));
}

void RevenueRecordsDetail::openPrecoMedio()
{
    m_usesRevenueRecords = m_day >= dataInicioReceita();
    if (!m_usesRevenueRecords) {
        showOrders(m_Q_PrecoMedioAntigo, false, [this](session::Params& p) { bindSalesOrders(p); });
        return;
    }
    // A result not read (or without a row) lists no records.
    const data::DataSet& result = m_module.dataSet(QString::fromLatin1(m_key.dataSet));
    const QVariant key = result.isActive() && !result.isEmpty()
                             ? result.fieldByName(QString::fromLatin1(m_key.field)).value()
                             : QVariant();
    showOrders(m_Q_PrecoMedio, true, [&](session::Params& p) {
        p.setNumber(QStringLiteral("id_produto"), productField("SEQUENCIAL_PRODUTO"));
        bindOptionalNumber(p, QString::fromLatin1(m_key.bind), key);
    });
}

} // namespace custos::results
