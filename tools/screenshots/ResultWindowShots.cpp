// The slaughter result window on the demo's last full day, one picture per tab shown (the demo's
// unit does not analyse condemnations), and the product detail of the day's first product; the
// production result window on the same day for the family with the most products among those
// made in more than one process, one picture per tab shown; the resale result window on the
// same day for the group with the most products, as it opens and grouped by "Documento".

#include "DemoSession.h"
#include "LoadedMenu.h"
#include "Shot.h"

#include <DBXConnection.h>
#include <DataModule_Custo.h>
#include <TF_Abate.h>
#include <TF_AbateAproveitamentoDetalhe.h>
#include <TF_IndustrializadoResultado.h>
#include <TF_Menu.h>
#include <TF_RevendaResultado.h>

#include <ClientDataSet.h>
#include <GridColumn.h>
#include <GridView.h>
#include <RowSource.h>

#include <QCoreApplication>
#include <QTabBar>
#include <QTabWidget>
#include <cstdio>
#include <cstdlib>

namespace custos::screenshots {

namespace {

std::unique_ptr<results::TF_Abate> abateWindow()
{
    dayproc::TF_Menu& menu = loadedMenu();
    auto window = std::make_unique<results::TF_Abate>(*demo().module, demo().day, &menu);
    window->setWindowState(Qt::WindowNoState);
    return window;
}

// F_Abate shown with an outer tab and, on the product tab, an inner tab chosen.
std::function<std::unique_ptr<QWidget>()> abate(const char* outer, const char* inner, QSize size)
{
    return [outer, inner, size] {
        auto window = abateWindow();
        window->resize(size);
        window->show();
        window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))
            ->setCurrentWidget(window->findChild<QWidget*>(QString::fromLatin1(outer)));
        if (*inner)
            window->findChild<QTabWidget*>(QStringLiteral("PageControl2"))
                ->setCurrentWidget(window->findChild<QWidget*>(QString::fromLatin1(inner)));
        return std::unique_ptr<QWidget>(std::move(window));
    };
}

std::unique_ptr<QWidget> detalhe()
{
    static std::unique_ptr<results::TF_Abate> owner;
    if (!owner)
        qAddPostRoutine([] { owner.reset(); });
    owner = abateWindow();
    owner->show();
    owner->hide();
    return std::make_unique<results::TF_AbateAproveitamentoDetalhe>(*demo().module, demo().day, owner.get());
}

// The day's family with the most products among those made in more than one process.
double familyOfSeveralProcesses()
{
    const session::Result family = demo().module->connection().query(
        QStringLiteral("select p.id_familia from velko_cst.industrial i, velko_cst.industrial_produto p"
                       " where p.id_industrial = i.id_industrial and i.id_unidade = :id_unidade and i.data = :data"
                       " group by p.id_familia having count(distinct p.id_processo) > 1 order by count(*) desc, 1"),
        session::Params().setNumber(QStringLiteral("id_unidade"), 1).setDate(QStringLiteral("data"), demo().day));
    if (family.rowCount() == 0) {
        std::fprintf(stderr, "screenshots: the demo's day has no family made in more than one process\n");
        std::exit(1);
    }
    return family.value(0, 0).toDouble();
}

// F_IndustrializadoResultado on that family with a process tab and a tab chosen.
std::function<std::unique_ptr<QWidget>()> industrializado(const char* tab, int process, QSize size)
{
    return [tab, process, size] {
        dayproc::TF_Menu& menu = loadedMenu();
        static const double family = familyOfSeveralProcesses();
        demo().module->clientDataSet(QStringLiteral("CDS_Resultado")).locate(QStringLiteral("ID_FAMILIA"), family);
        auto window = std::make_unique<results::TF_IndustrializadoResultado>(*demo().module, demo().day, &menu);
        window->setWindowState(Qt::WindowNoState);
        window->resize(size);
        window->show();
        window->findChild<QTabBar*>(QStringLiteral("TabControlProcessos"))->setCurrentIndex(process);
        window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))
            ->setCurrentWidget(window->findChild<QWidget*>(QString::fromLatin1(tab)));
        return std::unique_ptr<QWidget>(std::move(window));
    };
}

// F_RevendaResultado for the resale group with the most products, grouped by the column given
// (none: as it opens).
std::function<std::unique_ptr<QWidget>()> revenda(const char* groupedBy)
{
    return [groupedBy] {
        dayproc::TF_Menu& menu = loadedMenu();
        data::ClientDataSet& groups = demo().module->clientDataSet(QStringLiteral("CDS_ResumoRevenda"));
        const session::Result largest = demo().module->connection().query(
            QStringLiteral("select codigo_familia, codigo_grupo, count(*) produtos"
                           "  from table(velko_cst.pkg_revenda.ppl_resultado(:id_unidade,:data,:data))"
                           " group by codigo_familia, codigo_grupo order by 3 desc, 1, 2"),
            session::Params().setNumber(QStringLiteral("id_unidade"), 1).setDate(QStringLiteral("data"), demo().day));
        for (int row = 1; row <= groups.recordCount(); ++row) {
            groups.setRecNo(row);
            if (groups.fieldByName(QStringLiteral("CODIGO_FAMILIA")).asFloat() == largest.value(0, 0).toDouble()
                && groups.fieldByName(QStringLiteral("CODIGO_GRUPO")).asFloat() == largest.value(0, 1).toDouble())
                break;
        }
        auto window = std::make_unique<results::TF_RevendaResultado>(*demo().module, &menu);
        window->setWindowState(Qt::WindowNoState);
        window->show();
        if (*groupedBy) {
            grid::GridView* view = window->findChild<grid::GridView*>(QStringLiteral("GridResultado"));
            view->model().groupBy(view->column(QString::fromLatin1(groupedBy)));
            view->expandAll();
        }
        return std::unique_ptr<QWidget>(std::move(window));
    };
}

} // namespace

std::vector<Shot> resultWindowShots()
{
    const QSize size(1440, 900);
    return {
        {QStringLiteral("F_Abate_CustoDaCompra.png"), size, abate("TabSheet_Compra", "", size)},
        {QStringLiteral("F_Abate_CustoProdutos.png"), size, abate("TabSheet_Aproveitamento", "TabSheet_CustoProdutos", size)},
        {QStringLiteral("F_Abate_ResultadoProjetado.png"), size,
         abate("TabSheet_Aproveitamento", "TabSheet_ResultadoProjetado", size)},
        {QStringLiteral("F_AbateAproveitamentoDetalhe.png"), QSize(820, 900), detalhe},
        {QStringLiteral("F_IndustrializadoResultado_MateriaPrima.png"), size,
         industrializado("TabSheet_MateriaPrima", 0, size)},
        {QStringLiteral("F_IndustrializadoResultado_OutrosInsumos.png"), size,
         industrializado("TabSheet_Insumos", 0, size)},
        {QStringLiteral("F_IndustrializadoResultado_CustoProdutos.png"), size,
         industrializado("TabSheet_CustoProdutos", 1, size)},
        {QStringLiteral("F_IndustrializadoResultado_ResultadoProjetado.png"), size,
         industrializado("TabSheet_ResultadoProjetado", 1, size)},
        {QStringLiteral("F_IndustrializadoResultado_ProducaoElaboracao.png"), size,
         industrializado("TabSheet_ProducaoElaboracao", 0, size)},
        {QStringLiteral("F_RevendaResultado.png"), size, revenda("")},
        {QStringLiteral("F_RevendaResultado_Documento.png"), size, revenda("DOCUMENTO")},
    };
}

} // namespace custos::screenshots
