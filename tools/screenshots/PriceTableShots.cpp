// The two price table export windows on the demo's last day with production and resale: the
// production family and the resale group with the most products, kind "Tabela Base", the cost
// figure "Custo Total", the first base table, every product ticked.

#include "DemoSession.h"
#include "Shot.h"

#include <DBXConnection.h>
#include <TF_ExportaTabelaPrecos.h>
#include <TF_ExportaTabelaRevenda.h>

#include <QComboBox>
#include <QToolButton>

namespace custos::screenshots {

namespace {

using namespace custos::parameters;

session::Result largest(const char* statement)
{
    return demo().module->connection().query(
        QString::fromLatin1(statement),
        session::Params().setNumber(QStringLiteral("id_unidade"), 1).setDate(QStringLiteral("data"), demo().day));
}

std::unique_ptr<QWidget> loaded(std::unique_ptr<PriceTableExportForm> form)
{
    form->show();
    form->findChild<QComboBox*>(QStringLiteral("ComboBox_Tipo"))->setCurrentIndex(1);
    form->findChild<QComboBox*>(QStringLiteral("ComboBox_Referencia"))->setCurrentIndex(2);
    auto* tabela = form->findChild<QComboBox*>(QStringLiteral("LookupComboBox_Tabela"));
    tabela->setCurrentIndex(0);
    Q_EMIT tabela->activated(0);
    form->findChild<QToolButton*>(QStringLiteral("MarcarTodas"))->click();
    return form;
}

std::unique_ptr<QWidget> production()
{
    const session::Result family = largest(
        "select w.id_familia, f.descricao, count(*) produtos"
        "  from table(velko_cst.pkg_industrializado.ppl_resultado(:id_unidade,:data,:data)) w, velko_pcp.familia f"
        " where f.id_familia = w.id_familia group by w.id_familia, f.descricao order by 3 desc, 1");
    return loaded(std::make_unique<TF_ExportaTabelaPrecos>(
        *demo().module,
        ProductionFamily{1, demo().day, family.value(0, 0).toDouble(), family.value(0, 1).toString()}));
}

std::unique_ptr<QWidget> resale()
{
    const session::Result group = largest(
        "select w.codigo_familia, w.codigo_grupo, f.nome familia, g.nome grupo, count(*) produtos"
        "  from table(velko_cst.pkg_revenda.ppl_resultado(:id_unidade,:data,:data)) w, velko_mat.familia f,"
        "       velko_mat.grupo g"
        " where f.codigo_familia = w.codigo_familia and g.codigo_familia = w.codigo_familia"
        "   and g.codigo_grupo = w.codigo_grupo"
        " group by w.codigo_familia, w.codigo_grupo, f.nome, g.nome order by 5 desc, 1, 2");
    return loaded(std::make_unique<TF_ExportaTabelaRevenda>(
        *demo().module, ResaleGroup{1, demo().day, group.value(0, 0).toDouble(), group.value(0, 1).toDouble(),
                                    group.value(0, 2).toString(), group.value(0, 3).toString()}));
}

} // namespace

std::vector<Shot> priceTableShots()
{
    return {{QStringLiteral("F_ExportaTabelaPrecos.png"), QSize(947, 503), production},
            {QStringLiteral("F_ExportaTabelaRevenda.png"), QSize(947, 503), resale}};
}

} // namespace custos::screenshots
