#include "TF_ExportaTabelaPrecos.h"

#include "ExportTexts.h"

namespace custos::parameters {

TF_ExportaTabelaPrecos::TF_ExportaTabelaPrecos(data::TDataModule_Custo& module, const ProductionFamily& family,
                                               QWidget* parent)
    : PriceTableExportForm(module, sourceFor(family), QStringLiteral("F_ExportaTabelaPrecos"), parent)
{
}

ExportSource TF_ExportaTabelaPrecos::sourceFor(const ProductionFamily& family)
{
    ExportSource source;
    source.productList = QStringLiteral("ExportarTabelaPreco");
    source.figures = {QStringLiteral("Custo da Matéria-Prima"),
                      QStringLiteral("Custo do Produto Acabado (matéria-prima + MO + CI + embalagem)"),
                      QStringLiteral("Custo Total (produto acabado + impostos + despesas)")};
    source.header = {{QStringLiteral("Família"), QStringLiteral("Edit_Familia"), family.familia},
                     {QStringLiteral("Data"), QStringLiteral("Edit_Data"), dayText(family.data)}};
    source.filter = {{QStringLiteral("id_familia"), family.idFamilia}};
    source.idUnidade = family.idUnidade;
    source.data = family.data;
    source.listsTableNumbers = true;
    source.detalhes = TF_ExportaTabelaPrecos::detailText(family);
    return source;
}

QString TF_ExportaTabelaPrecos::detailText(const ProductionFamily& family)
{
    return QStringLiteral("Data Base: ") + dayText(family.data) + QStringLiteral(" Familia: ") +
           idText(family.idFamilia);
}

} // namespace custos::parameters
