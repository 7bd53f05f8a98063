#pragma once
// F_ExportaTabelaRevenda: publishing the costs of a resale family and group, opened from the
// resale result window for its current summary row.

#include "PriceTableExportForm.h"

namespace custos::parameters {

// The summary row the window works for: CDS_ResumoRevenda's ID_UNIDADE, DATA, CODIGO_FAMILIA
// and CODIGO_GRUPO, and the names from DTS_ResultadoRevenda.
struct ResaleGroup
{
    double idUnidade = 0;
    QDate data;
    double codigoFamilia = 0;
    double codigoGrupo = 0;
    QString familia;
    QString grupo;
};

class TF_ExportaTabelaRevenda : public PriceTableExportForm
{
    Q_OBJECT
public:
    TF_ExportaTabelaRevenda(data::TDataModule_Custo& module, const ResaleGroup& group, QWidget* parent = nullptr);

    // What the window lists and writes for the resale family and group.
    static ExportSource sourceFor(const ResaleGroup& group);
    // "(Custo Revenda) - Data Base: <day> Familia: <family> Grupo: <group>".
    static QString detailText(const ResaleGroup& group);
};

} // namespace custos::parameters
