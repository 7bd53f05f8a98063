#include "TF_AbateAproveitamentoDetalhe.h"

#include "DataSet.h"
#include "DataModule_Custo.h"
#include "Query.h"
#include "ResultsStatements.h"

namespace custos::results {

namespace {

const ProductDetailLayout kLayout{"F_AbateAproveitamentoDetalhe", "Detalhes do Produto", "DTS_AbateProduto",
                                  QColor(0xFF, 0x80, 0x00), 215, "#,0.000", false};

} // namespace

TF_AbateAproveitamentoDetalhe::TF_AbateAproveitamentoDetalhe(data::TDataModule_Custo& module, const QDate& day,
                                                             QWidget* parent)
    : RevenueRecordsDetail(module, day, kLayout, statements::Q_PrecoMedio, {"id_abate", "CDS_Abate", "ID_ABATE"}, statements::Q_Consumo, parent)
{
    DetailLine produto = detailLine("Produto", "Produto", "CODIGO_PRODUTO");
    produto.total2 = QStringLiteral("DESCRICAO_PRODUTO");
    DetailLine receita = detailLine("Receita", "Receita", "PRECO_TOTAL", "PRECO_UNITARIO", "P_CRITERIO_RECEITA");
    receita.highlighted = receita.link = true;
    // Raw material has no parameter of its own; under criterion "A" the column reads "N/A".
    DetailLine materiaPrima = detailLine("MateriaPrima", "Matéria-Prima", "VALOR_MATERIA_PRIMA", "VALOR_MATERIA_PRIMA_KG");
    materiaPrima.parameterText = QStringLiteral("N/A");
    DetailLine embalagem = detailLine("Embalagem", "Embalagem", "VALOR_EMBALAGEM", "VALOR_EMBALAGEM_KG");
    embalagem.parameterText = QStringLiteral("Ficha Técnica");
    embalagem.link = true;
    DetailLine resultado = detailLine("Resultado", "", "RESULTADO_TOTAL", "RESULTADO_TOTAL_KG");
    resultado.highlighted = true;
    addLines({
        produto,
        detailLine("Caixas", "Caixas", "CAIXAS"),
        detailLine("Pecas", "Peças", "PECAS"),
        detailLine("Peso", "Peso", "PESO"),
        receita,
        materiaPrima,
        detailLine("MOD", "Mão de Obra Direta (MOD)", "VALOR_MOD", "VALOR_MOD_KG", "P_MOD_MIUDOS"),
        detailLine("CIF", "Custo Indireto Fabricação (CIF)", "VALOR_CIF", "VALOR_CIF_KG", "P_CIF_MIUDOS"),
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
        detailLine("CustoTotal", "Resultado Líquido", "CUSTO_TOTAL", "CUSTO_TOTAL_KG"),
        resultado,
    });
}

void TF_AbateAproveitamentoDetalhe::FormShow()
{
    const data::DataSet& produto = product();
    openPrecoMedio();
    openConsumo([&](session::Params& p) {
        p.setNumber(QStringLiteral("id_produto"), productField("SEQUENCIAL_PRODUTO"))
            .setNumber(QStringLiteral("id_unidade"), productField("ID_UNIDADE"));
        bindProductionOrder(p, QStringLiteral("id_ordem_producao"),
                            produto.fieldByName(QStringLiteral("ID_ORDEM_PRODUCAO")).asString());
        bindOptionalNumber(p, QStringLiteral("id_ordem_venda"), produto.fieldByName(QStringLiteral("ID_CONTRATO")).value());
    });
    scrollToTop();

    setPricePanelShown(produto.fieldByName(QStringLiteral("CRITERIO_RECEITA")).asString() == QLatin1String("M"));

    const bool credited = produto.fieldByName(QStringLiteral("CRITERIO_MIUDOS")).asString() == QLatin1String("A");
    for (const char* part : {"Total", "Kg"})
        sheet()->part(QStringLiteral("MateriaPrima"), part)->setVisible(!credited);
    sheet()->part(QStringLiteral("MateriaPrima"), "Texto")->setVisible(credited);
}

} // namespace custos::results
