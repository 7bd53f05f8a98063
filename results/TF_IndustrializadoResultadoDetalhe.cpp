#include "TF_IndustrializadoResultadoDetalhe.h"

#include "ResultsStatements.h"

namespace custos::results {

namespace {

const ProductDetailLayout kLayout{"F_IndustrializadoResultadoDetalhe", "Detalhes do Resultado", "DTS_Resultado_DT",
                                  QColor(0x00, 0x00, 0xFF), 212, "#,0.000000", false};

} // namespace

TF_IndustrializadoResultadoDetalhe::TF_IndustrializadoResultadoDetalhe(data::TDataModule_Custo& module,
                                                                       const QDate& day, QWidget* parent)
    : RevenueRecordsDetail(module, day, kLayout, statements::Q_PrecoMedioIndustrializado,
                           {"id_industrial", "CDS_Industrializado", "ID_INDUSTRIAL"}, statements::Q_ConsumoIndustrializado,
                           parent)
{
    DetailLine insumos = detailLine("Insumos", "Outros Insumos", "VALOR_INSUMO", "VALOR_INSUMO_KG");
    insumos.parameterText = QStringLiteral("Requisições");
    addLines(openingLines());
    addLines({
        detailLine("MateriaPrima", "Matéria-Prima", "VALOR_MATERIA_PRIMA", "VALOR_MATERIA_PRIMA_KG", "P_CRITERIO_RATEIO"),
        detailLine("MOD", "Mão de Obra (M.O.)", "VALOR_MOD", "VALOR_MOD_KG", "P_MOD_INDUSTRIALIZADO"),
        detailLine("CIF", "Custos Indiretos (C.I.)", "VALOR_CIF", "VALOR_CIF_KG", "P_CIF_INDUSTRIALIZADO"),
        insumos,
        packagingLine(QStringLiteral("Ficha Técnica")),
    });
    addLines(closingLines("", "Resultado Líquido"));
}

void TF_IndustrializadoResultadoDetalhe::FormShow()
{
    showOrdersAndPackaging("P_ID_ORDEM_PRODUCAO");
}

} // namespace custos::results
