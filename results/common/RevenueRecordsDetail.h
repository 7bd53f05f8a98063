#pragma once
// A product detail of a generated result whose average price the generation recorded order by
// order (the slaughter and the industrialized details): days on or after the unit's start of
// the new revenue calculation (data_inicio_receita, today when the unit has none, or no
// parameter row at all) list the revenue records of the result (Q_PrecoMedio, bound by the
// product and the result's key); earlier days recompute the price from the sales orders of the
// price period (Q_PrecoMedioAntigo, "Valor Bruto" hidden and 0).

#include "ProductDetail.h"

namespace custos::results {

class RevenueRecordsDetail : public ProductDetail
{
    Q_OBJECT
public:
    // The start of the new revenue calculation for the current product's unit.
    QDate dataInicioReceita() const;
    bool usesRevenueRecords() const { return m_usesRevenueRecords; }

protected:
    // The result's key in the records.
    struct ResultKey
    {
        const char* bind;     // of records
        const char* dataSet;  // the module's dataset of the result
        const char* field;
    };

    // records: the revenue records of the window's result.
    RevenueRecordsDetail(data::TDataModule_Custo& module, const QDate& day, const ProductDetailLayout& layout,
                         const session::Statement& records, const ResultKey& key, const session::Statement& consumo,
                         QWidget* parent);

    // The lines both details open with: the product, its boxes, pieces and weight, and the
    // revenue with its criterion.
    static std::vector<DetailLine> openingLines();
    // The show of both details: the orders of the product for the window's day, the packaging of
    // its production order (the field of its text given) and sales contract, scrolled to the top,
    // the price panel shown for revenue criterion "M".
    void showOrdersAndPackaging(const char* productionOrderField);

private:
    void openPrecoMedio();

    QDate m_day;
    ResultKey m_key;
    bool m_usesRevenueRecords = false;
    data::Query* m_Q_PrecoMedio;
    data::Query* m_Q_PrecoMedioAntigo;
};

} // namespace custos::results
