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

    DetailLine produto = detailLine("Produto", "Produto", "CODIGO_PRODUTO");
    produto.total2 = QStringLiteral("DESCRICAO_PRODUTO");
    DetailLine fornecedor = detailLine("Fornecedor", "Fornecedor", "CODIGO_FORNECEDOR");
    fornecedor.total2 = QStringLiteral("NOME_FORNECEDOR");
    DetailLine receita = detailLine("Receita", "Receita", "PRECO_TOTAL", "PRECO_UNITARIO");
    receita.highlighted = receita.link = true;
    DetailLine mercadoria = detailLine("Mercadoria", "Valor da Mercadoria", "VALOR_MERCADORIA", "VALOR_MERCADORIA_KG");
    mercadoria.component = true;
    DetailLine embalagem = detailLine("Embalagem", "Embalagem", "VALOR_EMBALAGEM", "VALOR_EMBALAGEM_KG");
    embalagem.link = true;
    DetailLine resultado = detailLine("Resultado", "Resultado Líquido", "RESULTADO_TOTAL", "RESULTADO_TOTAL_KG");
    resultado.highlighted = true;
    addLines({
        produto,
        detailLine("Caixas", "Caixas", "CAIXAS"),
        detailLine("Peso", "Peso", "PESO"),
        detailLine("Documento", "Documento", "DOCUMENTO"),
        fornecedor,
        receita,
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
        embalagem,
        detailLine("ICMS", "ICMS", "VALOR_ICMS", "VALOR_ICMS_KG", "P_ICMS_DEB"),
        detailLine("PisCofins", "PIS / Cofins", "VALOR_PIS_COFINS", "VALOR_PIS_COFINS_KG", "P_PIS_COFINS"),
        detailLine("OutrosTributos", "Outros Tributos", "VALOR_OUTROS_TRIBUTOS", "VALOR_OUTROS_TRIBUTOS_KG",
                   "P_OUTROS_TRIBUTOS"),
        detailLine("SeguroCarga", "Seguro Carga", "VALOR_SEGURO_CARGA", "VALOR_SEGURO_CARGA_KG", "P_SEGURO_CARGA"),
        detailLine("Frete", "Frete", "VALOR_FRETE", "VALOR_FRETE_KG", "P_FRETE"),
        detailLine("DespesaExportacao", "Despesas Exportação", "VALOR_DESPESA_EXPORTACAO", "VALOR_DESPESA_EXPORTACAO_KG",
                   "P_DESPESA_EXPORTACAO"),
        detailLine("ProcessoExportacao", "Processo Exportação", "VALOR_PROCESSO_EXPORTACAO",
                   "VALOR_PROCESSO_EXPORTACAO_KG", "P_PROCESSO_EXPORTACAO"),
        detailLine("Comissao", "Comissão", "VALOR_COMISSAO", "VALOR_COMISSAO_KG", "P_COMISSAO"),
        detailLine("Administrativo", "Administrativo", "VALOR_ADMINISTRATIVO", "VALOR_ADMINISTRATIVO_KG",
                   "P_ADMINISTRATIVO"),
        detailLine("CustoTotal", "", "CUSTO_TOTAL", "CUSTO_TOTAL_KG"),
        resultado,
    });
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
