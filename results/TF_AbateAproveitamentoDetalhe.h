#pragma once
// The slaughter product detail F_AbateAproveitamentoDetalhe, "Detalhes do Produto": for the
// current row of CDS_AbateProduto, its quantities, revenue and every cost element in total and
// per kilogram with the parameter each used (the product sheet), the sales orders its average
// price was calculated from (the price panel, shown for revenue criterion "M") and the
// packaging consumed for it (the packaging panel). It changes no data.
//
// Days on or after the unit's start of the new revenue calculation (data_inicio_receita, today
// when the unit has none, or no parameter row at all) list the revenue records the generation
// wrote (Q_PrecoMedio); earlier days recompute the price from the sales orders
// (Q_PrecoMedioAntigo, without "Valor Bruto").

#include "RevenueRecordsDetail.h"

namespace custos::results {

class TF_AbateAproveitamentoDetalhe : public RevenueRecordsDetail
{
    Q_OBJECT
public:
    TF_AbateAproveitamentoDetalhe(data::TDataModule_Custo& module, const QDate& day, QWidget* parent = nullptr);

    void FormShow() override;
};

} // namespace custos::results
