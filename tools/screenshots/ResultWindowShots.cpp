// The slaughter result window on the demo's last full day, one picture per tab shown (the demo's
// unit does not analyse condemnations), and the product detail of the day's first product.

#include "DemoSession.h"
#include "LoadedMenu.h"
#include "Shot.h"

#include <TF_Abate.h>
#include <TF_AbateAproveitamentoDetalhe.h>
#include <TF_Menu.h>

#include <QCoreApplication>
#include <QTabWidget>

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
    };
}

} // namespace custos::screenshots
