#include "SaveRules.h"

#include "ClientDataSet.h"
#include "DataError.h"
#include "DataModule_Custo.h"
#include "Provider.h"
#include "Query.h"

namespace custos::data {

namespace {

void save(ClientDataSet& dataSet)
{
    if (dataSet.applyUpdates() == 0)
        return;
    QStringList messages = dataSet.updateErrors();
    messages.removeDuplicates();
    throw DataError(QStringLiteral("O banco de dados recusou a gravação; o valor digitado continua pendente, sem gravar.\r")
                    + messages.join(u'\r'));
}

void saveOnPost(TDataModule_Custo& module, ClientDataSet& dataSet)
{
    module.setSaveRule(dataSet, QStringLiteral("save"), [&dataSet] { save(dataSet); });
}

void saveAndRereadOnPost(TDataModule_Custo& module, ClientDataSet& dataSet)
{
    module.setSaveRule(dataSet, QStringLiteral("save, re-read"), [&module, &dataSet] {
        save(dataSet);
        if (module.autoRefresh())
            module.reread(dataSet);
    });
}

// The by-products' total result becomes the slaughter day's TOTAL_APROVEITAMENTO (saved by the
// slaughter dataset's own rule), and the slaughter is read again. When the by-products are
// credited to the slaughter (criterion "A") the value the slaughter statement apportions over
// the animals is that same total, so it follows too; otherwise the per-head values would keep
// the apportionment of the old prices while the per-kilogram ones show the new one.
void creditByProducts(TDataModule_Custo& module, ClientDataSet& products, ClientDataSet& slaughter)
{
    if (!slaughter.isActive() || slaughter.isEmpty())
        return;
    const QVariant total = products.aggregateByName(QStringLiteral("RESULTADO_GERAL")).value();
    slaughter.edit();
    slaughter.fieldByName(QStringLiteral("TOTAL_APROVEITAMENTO")).setValue(total);
    slaughter.post();
    if (products.fieldByName(QStringLiteral("CRITERIO_MIUDOS")).asString() == QLatin1String("A"))
        slaughter.provider()->query()->params().setNumber(QStringLiteral("aproveitamento"), total.toDouble());
    module.reread(slaughter);
}

} // namespace

void installSaveRules(TDataModule_Custo& module)
{
    ClientDataSet& abate = module.clientDataSet(QStringLiteral("CDS_Abate"));
    ClientDataSet& abateProduto = module.clientDataSet(QStringLiteral("CDS_AbateProduto"));
    ClientDataSet& resultadoDT = module.clientDataSet(QStringLiteral("CDS_Resultado_DT"));
    ClientDataSet& materiaPrimaDT = module.clientDataSet(QStringLiteral("CDS_MateriaPrima_DT"));

    saveOnPost(module, abate);
    // The month-to-date slaughter saves the day's slaughter; nothing of its own is written.
    module.setSaveRule(module.clientDataSet(QStringLiteral("CDS_AbateAcumulado")), QStringLiteral("save CDS_Abate"),
                       [&abate] { save(abate); });
    module.setSaveRule(abateProduto, QStringLiteral("save, re-read, credit CDS_Abate"),
                       [&module, &abateProduto, &abate] {
                           save(abateProduto);
                           if (!module.autoRefresh())
                               return;
                           module.reread(abateProduto);
                           creditByProducts(module, abateProduto, abate);
                       });

    saveOnPost(module, module.clientDataSet(QStringLiteral("CDS_Industrializado")));
    saveAndRereadOnPost(module, resultadoDT);
    module.setSaveRule(materiaPrimaDT, QStringLiteral("save, re-read, re-read CDS_Resultado_DT"),
                       [&module, &materiaPrimaDT, &resultadoDT] {
                           save(materiaPrimaDT);
                           if (!module.autoRefresh())
                               return;
                           module.reread(materiaPrimaDT);
                           module.reread(resultadoDT);
                       });

    saveOnPost(module, module.clientDataSet(QStringLiteral("CDS_Revenda")));
    saveAndRereadOnPost(module, module.clientDataSet(QStringLiteral("CDS_ResultadoRevenda")));

    // Their providers write no column: the save writes nothing (see ClosingAndHistory.cpp).
    saveOnPost(module, module.clientDataSet(QStringLiteral("CDS_HistoricoCusto")));
    saveOnPost(module, module.clientDataSet(QStringLiteral("CDS_LogCusto")));
}

} // namespace custos::data
