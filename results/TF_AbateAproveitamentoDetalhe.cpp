#include "TF_AbateAproveitamentoDetalhe.h"

#include "DataSet.h"
#include "ResultsStatements.h"

namespace custos::results {

namespace {

const ProductDetailLayout kLayout{"F_AbateAproveitamentoDetalhe", "Detalhes do Produto", "DTS_AbateProduto",
                                  QColor(0xFF, 0x80, 0x00), 215, "#,0.000", false};

} // namespace

TF_AbateAproveitamentoDetalhe::TF_AbateAproveitamentoDetalhe(data::TDataModule_Custo& module, const QDate& day,
                                                             QWidget* parent)
    : RevenueRecordsDetail(module, day, kLayout, statements::Q_PrecoMedio, {"id_abate", "CDS_Abate", "ID_ABATE"},
                           statements::Q_Consumo, parent)
{
    // Raw material has no parameter of its own; under criterion "A" the column reads "N/A".
    DetailLine materiaPrima = detailLine("MateriaPrima", "Matéria-Prima", "VALOR_MATERIA_PRIMA", "VALOR_MATERIA_PRIMA_KG");
    materiaPrima.parameterText = QStringLiteral("N/A");
    addLines(openingLines());
    addLines({
        materiaPrima,
        detailLine("MOD", "Mão de Obra Direta (MOD)", "VALOR_MOD", "VALOR_MOD_KG", "P_MOD_MIUDOS"),
        detailLine("CIF", "Custo Indireto Fabricação (CIF)", "VALOR_CIF", "VALOR_CIF_KG", "P_CIF_MIUDOS"),
        packagingLine(QStringLiteral("Ficha Técnica")),
    });
    addLines(closingLines("Resultado Líquido", ""));
}

void TF_AbateAproveitamentoDetalhe::FormShow()
{
    showOrdersAndPackaging("ID_ORDEM_PRODUCAO");

    const bool credited = product().fieldByName(QStringLiteral("CRITERIO_MIUDOS")).asString() == QLatin1String("A");
    for (const char* part : {"Total", "Kg"})
        sheet()->part(QStringLiteral("MateriaPrima"), part)->setVisible(!credited);
    sheet()->part(QStringLiteral("MateriaPrima"), "Texto")->setVisible(credited);
}

} // namespace custos::results
