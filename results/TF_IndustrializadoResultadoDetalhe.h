#pragma once
// The industrialized product detail F_IndustrializadoResultadoDetalhe, "Detalhes do Resultado":
// for the current row of CDS_Resultado_DT, its quantities, revenue and every cost element in
// total and per kilogram with the parameter each used, the sales orders behind its average
// price (the price panel, 212 high, shown for revenue criterion "M") and the packaging its
// production order consumed (average cost to six decimals). It changes no data.
//
// Days on or after the unit's start of the new revenue calculation (data_inicio_receita, today
// when the unit has none, or no parameter row at all) list the revenue records the generation
// wrote for the family result (Q_PrecoMedio over industrial_preco_receita); earlier days
// recompute the price from the sales orders (Q_PrecoMedioAntigo, without "Valor Bruto").

#include "RevenueRecordsDetail.h"

namespace custos::results {

class TF_IndustrializadoResultadoDetalhe : public RevenueRecordsDetail
{
    Q_OBJECT
public:
    TF_IndustrializadoResultadoDetalhe(data::TDataModule_Custo& module, const QDate& day, QWidget* parent = nullptr);

    void FormShow() override;
};

} // namespace custos::results
