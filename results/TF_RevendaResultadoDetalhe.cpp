#include "TF_RevendaResultadoDetalhe.h"

#include "DataSet.h"
#include "ResultsStatements.h"

namespace custos::results {

namespace {

const ProductDetailLayout kLayout{"F_RevendaResultadoDetalhe", "Detalhes do Resultado", "DTS_ResultadoRevenda",
                                  QColor(0x00, 0x00, 0xFF), 212, "#,0.000", true};

// An acquisition line: a component of "Custo da Compra" with its sign.
DetailLine acquisition(const char* name, const char* caption, const char* total, const char* perKg, const char* sign)
{
    DetailLine l = detailLine(name, caption, total, perKg);
    l.parameterText = QString::fromLatin1(sign);
    l.component = true;
    return l;
}

} // namespace

TF_RevendaResultadoDetalhe::TF_RevendaResultadoDetalhe(data::TDataModule_Custo& module, QWidget* parent)
    : ProductDetail(module, kLayout, statements::Q_ConsumoRevenda, parent)
{
    m_Q_PrecoMedio = addOrderQuery("Q_PrecoMedio", statements::Q_PrecoMedioRevenda);

    DetailLine fornecedor = detailLine("Fornecedor", "Fornecedor", "CODIGO_FORNECEDOR");
    fornecedor.total2 = QStringLiteral("NOME_FORNECEDOR");
    DetailLine mercadoria = detailLine("Mercadoria", "Valor da Mercadoria", "VALOR_MERCADORIA", "VALOR_MERCADORIA_KG");
    mercadoria.component = true;
    addLines({
        productLine(),
        detailLine("Caixas", "Caixas", "CAIXAS"),
        detailLine("Peso", "Peso", "PESO"),
        detailLine("Documento", "Documento", "DOCUMENTO"),
        fornecedor,
        revenueLine(""),
        mercadoria,
        acquisition("FreteDespesas", "Frete e Despesas Acessórias", "VALOR_FRETE_DESPESAS", "VALOR_FRETE_DESPESAS_KG", "(+)"),
        acquisition("IPI", "Valor IPI", "VALOR_IPI", "VALOR_IPI_KG", "(+)"),
        acquisition("ICMSST", "Valor ICMS ST", "VALOR_ICMS_ST", "VALOR_ICMS_ST_KG", "(+)"),
        acquisition("CreditoICMS", "Crédito ICMS", "CREDITO_ICMS", "CREDITO_ICMS_KG", "(-)"),
        acquisition("CreditoICMSST", "Crédito ICMS ST", "CREDITO_ICMS_ST", "CREDITO_ICMS_ST_KG", "(-)"),
        acquisition("CreditoIPI", "Crédito IPI", "CREDITO_IPI", "CREDITO_IPI_KG", "(-)"),
        acquisition("CreditoPisCofins", "Crédito PIS/COFINS", "CREDITO_PIS_COFINS", "CREDITO_PIS_COFINS_KG", "(-)"),
        acquisition("Acrescimo", "Outras Despesas", "VALOR_ACRESCIMO", "VALOR_ACRESCIMO_KG", "(+)"),
        detailLine("CustoCompra", "Custo da Compra", "CUSTO_COMPRA", "CUSTO_COMPRA_KG"),
        detailLine("MOD", "Mão de Obra (M.O.)", "VALOR_MOD", "VALOR_MOD_KG", "P_MOD_REVENDA"),
        detailLine("CIF", "Custos Indiretos (C.I.)", "VALOR_CIF", "VALOR_CIF_KG", "P_CIF_REVENDA"),
        packagingLine(QString()),
    });
    addLines(closingLines("", "Resultado Líquido"));
}

void TF_RevendaResultadoDetalhe::FormShow()
{
    showOrders(m_Q_PrecoMedio, true, [this](session::Params& p) { bindSalesOrders(p); });
    openConsumo([this](session::Params& p) {
        p.setDate(QStringLiteral("data"), product().fieldByName(QStringLiteral("DATA")).value().toDateTime().date())
            .setNumber(QStringLiteral("id_produto"), productField("SEQUENCIAL_PRODUTO"));
        // Only consumption without a sales order counts.
        bindOptionalNumber(p, QStringLiteral("id_ordem_venda"), QVariant());
    });
    scrollToTop();
    // Resale has no revenue criterion: the average price always explains the revenue.
    setPricePanelShown(true);
}

} // namespace custos::results
