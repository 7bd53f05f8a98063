#pragma once
// The resale product detail F_RevendaResultadoDetalhe, "Detalhes do Resultado": for the current
// row of CDS_ResultadoRevenda, the goods' quantities, document and supplier, the revenue, the
// acquisition cost built from merchandise, freight, taxes paid and credited (indented as the
// components of "Custo da Compra", each with its sign), what was added to it and the taxes and
// expenses of the sale, in total and per kilogram with the parameter used; the sales orders of
// the price period behind the average sale price (Q_PrecoMedio, with each line's gross value)
// and the packaging consumed for the product on the day. It changes no data.
//
// The resale result window creates it over the data module positioned on the product, shows it
// modally and destroys it.

#include "ProductDetail.h"

namespace custos::results {

class TF_RevendaResultadoDetalhe : public ProductDetail
{
    Q_OBJECT
public:
    explicit TF_RevendaResultadoDetalhe(data::TDataModule_Custo& module, QWidget* parent = nullptr);

    void FormShow() override;

private:
    data::Query* m_Q_PrecoMedio;
};

} // namespace custos::results
