// The product details of the production and resale results on the demo's last full day: the
// first product priced by average of the production family the main window lists first, and
// the first product of its first resale group.

#include "DemoSession.h"
#include "LoadedMenu.h"
#include "Shot.h"

#include <ClientDataSet.h>
#include <Provider.h>
#include <Query.h>
#include <TF_IndustrializadoResultado.h>
#include <TF_IndustrializadoResultadoDetalhe.h>
#include <TF_Menu.h>
#include <TF_RevendaResultadoDetalhe.h>

#include <QCoreApplication>

namespace custos::screenshots {

namespace {

std::unique_ptr<QWidget> industrializadoDetalhe()
{
    static std::unique_ptr<results::TF_IndustrializadoResultado> owner;
    if (!owner)
        qAddPostRoutine([] { owner.reset(); });
    dayproc::TF_Menu& menu = loadedMenu();
    data::TDataModule_Custo& module = *demo().module;
    module.clientDataSet(QStringLiteral("CDS_Resultado")).first();
    owner = std::make_unique<results::TF_IndustrializadoResultado>(module, demo().day, &menu);
    owner->setWindowState(Qt::WindowNoState);
    owner->show();
    owner->hide();
    module.clientDataSet(QStringLiteral("CDS_Resultado_DT")).locate(QStringLiteral("CRITERIO_RECEITA"), QStringLiteral("M"));
    return std::make_unique<results::TF_IndustrializadoResultadoDetalhe>(module, demo().day, owner.get());
}

// The resale products read for the main window's first group, as the resale result window
// reads them.
std::unique_ptr<QWidget> revendaDetalhe()
{
    dayproc::TF_Menu& menu = loadedMenu();
    data::TDataModule_Custo& module = *demo().module;
    data::ClientDataSet& grupo = module.clientDataSet(QStringLiteral("CDS_ResumoRevenda"));
    grupo.first();
    auto field = [&](const char* name) { return grupo.fieldByName(QString::fromLatin1(name)).asFloat(); };
    data::ClientDataSet& produtos = module.clientDataSet(QStringLiteral("CDS_ResultadoRevenda"));
    produtos.close();
    produtos.provider()
        ->query()
        ->params()
        .setNumber(QStringLiteral("ID_UNIDADE"), field("ID_UNIDADE"))
        .setDate(QStringLiteral("DATA"), demo().day)
        .setNumber(QStringLiteral("CODIGO_FAMILIA"), field("CODIGO_FAMILIA"))
        .setNumber(QStringLiteral("CODIGO_GRUPO"), field("CODIGO_GRUPO"));
    produtos.open();
    return std::make_unique<results::TF_RevendaResultadoDetalhe>(module, &menu);
}

} // namespace

std::vector<Shot> detailShots()
{
    return {
        {QStringLiteral("F_IndustrializadoResultadoDetalhe.png"), QSize(820, 900), industrializadoDetalhe},
        {QStringLiteral("F_RevendaResultadoDetalhe.png"), QSize(820, 1000), revendaDetalhe},
    };
}

} // namespace custos::screenshots
