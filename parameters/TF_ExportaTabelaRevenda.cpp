#include "TF_ExportaTabelaRevenda.h"

#include "ExportTexts.h"

namespace custos::parameters {

TF_ExportaTabelaRevenda::TF_ExportaTabelaRevenda(data::TDataModule_Custo& module, const ResaleGroup& group,
                                                 QWidget* parent)
    : PriceTableExportForm(module, sourceFor(group), QStringLiteral("F_ExportaTabelaRevenda"), parent)
{
}

ExportSource TF_ExportaTabelaRevenda::sourceFor(const ResaleGroup& group)
{
    ExportSource source;
    source.productList = QStringLiteral("ExportarTabelaRevenda");
    source.figures = {QStringLiteral("Custo da Compra"), QStringLiteral("Custo da Revenda (compra + MO + CI + embalagem)"),
                      QStringLiteral("Custo Total (revenda + impostos + despesas)")};
    source.header = {{QStringLiteral("Família"), QStringLiteral("Edit_Familia"), group.familia},
                     {QStringLiteral("Data"), QStringLiteral("Edit_Data"), dayText(group.data)},
                     {QStringLiteral("Grupo"), QStringLiteral("Edit_Grupo"), group.grupo}};
    source.filter = {{QStringLiteral("codigo_familia"), group.codigoFamilia},
                     {QStringLiteral("codigo_grupo"), group.codigoGrupo}};
    source.idUnidade = group.idUnidade;
    source.data = group.data;
    source.detalhes = TF_ExportaTabelaRevenda::detailText(group);
    return source;
}

QString TF_ExportaTabelaRevenda::detailText(const ResaleGroup& group)
{
    return QStringLiteral("(Custo Revenda) - Data Base: ") + dayText(group.data) + QStringLiteral(" Familia: ") +
           idText(group.codigoFamilia) + QStringLiteral(" Grupo: ") + idText(group.codigoGrupo);
}

} // namespace custos::parameters
