#include "TF_IndustrializadoResultadoDetalhe.h"

#include "DataModule_Custo.h"
#include "DataSet.h"
#include "Query.h"
#include "ResultsStatements.h"

namespace custos::results {

namespace {

const ProductDetailLayout kLayout{"F_IndustrializadoResultadoDetalhe", "Detalhes do Resultado", "DTS_Resultado_DT",
                                  QColor(0x00, 0x00, 0xFF), 212, "#,0.000000", false};

} // namespace

TF_IndustrializadoResultadoDetalhe::TF_IndustrializadoResultadoDetalhe(data::TDataModule_Custo& module,
                                                                       const QDate& day, QWidget* parent)
    : RevenueRecordsDetail(module, day, kLayout, statements::Q_PrecoMedioIndustrializado, {"id_industrial", "CDS_Industrializado", "ID_INDUSTRIAL"}, statements::Q_ConsumoIndustrializado, parent)
{
    DetailLine produto = detailLine("Produto", "Produto", "CODIGO_PRODUTO");
    produto.total2 = QStringLiteral("DESCRICAO_PRODUTO");
    DetailLine receita = detailLine("Receita", "Receita", "PRECO_TOTAL", "PRECO_UNITARIO", "P_CRITERIO_RECEITA");
    receita.highlighted = receita.link = true;
    DetailLine insumos = detailLine("Insumos", "Outros Insumos", "VALOR_INSUMO", "VALOR_INSUMO_KG");
    insumos.parameterText = QStringLiteral("Requisições");
    DetailLine embalagem = detailLine("Embalagem", "Embalagem", "VALOR_EMBALAGEM", "VALOR_EMBALAGEM_KG");
    embalagem.parameterText = QStringLiteral("Ficha Técnica");
    embalagem.link = true;
    DetailLine resultado = detailLine("Resultado", "Resultado Líquido", "RESULTADO_TOTAL", "RESULTADO_TOTAL_KG");
    resultado.highlighted = true;
    addLines({
        produto,
        detailLine("Caixas", "Caixas", "CAIXAS"),
        detailLine("Pecas", "Peças", "PECAS"),
        detailLine("Peso", "Peso", "PESO"),
        receita,
        detailLine("MateriaPrima", "Matéria-Prima", "VALOR_MATERIA_PRIMA", "VALOR_MATERIA_PRIMA_KG", "P_CRITERIO_RATEIO"),
        detailLine("MOD", "Mão de Obra (M.O.)", "VALOR_MOD", "VALOR_MOD_KG", "P_MOD_INDUSTRIALIZADO"),
        detailLine("CIF", "Custos Indiretos (C.I.)", "VALOR_CIF", "VALOR_CIF_KG", "P_CIF_INDUSTRIALIZADO"),
        insumos,
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

void TF_IndustrializadoResultadoDetalhe::FormShow()
{
    const data::DataSet& produto = product();
    openPrecoMedio();
    openConsumo([&](session::Params& p) {
        p.setNumber(QStringLiteral("id_produto"), productField("SEQUENCIAL_PRODUTO"))
            .setNumber(QStringLiteral("id_unidade"), productField("ID_UNIDADE"));
        bindOptionalNumber(p, QStringLiteral("id_ordem_venda"), produto.fieldByName(QStringLiteral("ID_CONTRATO")).value());
        bindProductionOrder(p, QStringLiteral("id_ordem_producao"),
                            produto.fieldByName(QStringLiteral("P_ID_ORDEM_PRODUCAO")).asString());
    });
    scrollToTop();
    setPricePanelShown(produto.fieldByName(QStringLiteral("CRITERIO_RECEITA")).asString() == QLatin1String("M"));
}

} // namespace custos::results
