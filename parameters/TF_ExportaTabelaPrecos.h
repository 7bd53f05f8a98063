#pragma once
// F_ExportaTabelaPrecos: publishing the costs of a production family's products, opened from
// the industrialized result window for its current result row.

#include "PriceTableExportForm.h"

namespace custos::parameters {

// The result row the window works for: CDS_Resultado's ID_UNIDADE, DATA and ID_FAMILIA, and
// the family's name from DTS_Resultado_DT.
struct ProductionFamily
{
    double idUnidade = 0;
    QDate data;
    double idFamilia = 0;
    QString familia;
};

class TF_ExportaTabelaPrecos : public PriceTableExportForm
{
    Q_OBJECT
public:
    TF_ExportaTabelaPrecos(data::TDataModule_Custo& module, const ProductionFamily& family, QWidget* parent = nullptr);

    // What the window lists and writes for the family.
    static ExportSource sourceFor(const ProductionFamily& family);
    // "Data Base: <day> Familia: <family id>", written with every price.
    static QString detailText(const ProductionFamily& family);
};

} // namespace custos::parameters
