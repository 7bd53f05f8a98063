#include "ResultMenuBar.h"

#include "ErrorDisplay.h"

#include <QStyle>
#include <QToolButton>

namespace custos::results {

ResultMenuBar::ResultMenuBar(QWidget* parent) : QMenuBar(parent)
{
    setObjectName(QStringLiteral("MainMenu"));
    setNativeMenuBar(false);
    setAccessibleName(QStringLiteral("Menu de Opções"));
}

QMenu* ResultMenuBar::menu(const QString& caption)
{
    for (QAction* action : actions())
        if (action->menu() && action->text() == caption)
            return action->menu();
    QMenu* created = addMenu(caption);
    created->setObjectName(QStringLiteral("Menu") + QString(caption).remove(QLatin1Char('&')));
    return created;
}

QAction* ResultMenuBar::addCommand(const QString& menuCaption, const QString& text, const QString& objectName,
                                   std::function<void()> action)
{
    QAction* item = menu(menuCaption)->addAction(text);
    item->setObjectName(objectName);
    QWidget* window = parentWidget();
    connect(item, &QAction::triggered, this, [window, action] { ui::guarded(window, action); });
    return item;
}

QAction* ResultMenuBar::addCheck(const QString& menuCaption, const QString& text, const QString& objectName,
                                 bool checked, std::function<void(bool)> action)
{
    QAction* item = menu(menuCaption)->addAction(text);
    item->setObjectName(objectName);
    item->setCheckable(true);
    item->setChecked(checked);
    QWidget* window = parentWidget();
    connect(item, &QAction::triggered, this, [window, action](bool on) { ui::guarded(window, [&] { action(on); }); });
    return item;
}

QAction* ResultMenuBar::addDisabled(const QString& menuCaption, const QString& text, const QString& objectName)
{
    QAction* item = menu(menuCaption)->addAction(text);
    item->setObjectName(objectName);
    item->setEnabled(false);
    return item;
}

QMenu* ResultMenuBar::addDisabledSubmenu(const QString& menuCaption, const QString& text, const QString& objectName,
                                         const QList<QPair<QString, bool>>& items)
{
    QMenu* sub = menu(menuCaption)->addMenu(text);
    sub->setObjectName(objectName);
    for (const auto& [itemText, checkable] : items)
        sub->addAction(itemText)->setCheckable(checkable);
    sub->menuAction()->setEnabled(false);
    return sub;
}

QAction* ResultMenuBar::addPriceViewItems(std::function<void(bool)> priceView)
{
    QAction* check = addCheck(QStringLiteral("Exibir"), QStringLiteral("Preço Médio Original"),
                              QStringLiteral("PrecoMedioOriginal"), false, std::move(priceView));
    addDisabled(QStringLiteral("Exibir"), QStringLiteral("Resumo"), QStringLiteral("Resumo"));
    return check;
}

QAction* ResultMenuBar::addRecalculationItems(bool checked, std::function<void(bool)> recalculation)
{
    QAction* check = addCheck(QStringLiteral("Exibir"), QStringLiteral("Recalcular Automaticamente"),
                              QStringLiteral("RecalcularAutomaticamente"), checked, std::move(recalculation));
    addGreyedItems();
    return check;
}

void ResultMenuBar::addGreyedItems()
{
    addDisabledSubmenu(QStringLiteral("Exibir"), QStringLiteral("Grupos"), QStringLiteral("Grupos"),
                       {{QStringLiteral("Produção"), true},
                        {QStringLiteral("Receita"), true},
                        {QStringLiteral("Custo Produção"), false},
                        {QStringLiteral("Impostos"), false},
                        {QStringLiteral("Despesas"), false}});
    addDisabled(QStringLiteral("Ferramentas"), QStringLiteral("Calculadora"), QStringLiteral("Calculadora"));
    addDisabled(QStringLiteral("Ferramentas"), QStringLiteral("Enviar por e-mail"), QStringLiteral("EnviarEmail"));
}

void ResultMenuBar::addExportMenu(std::function<void()> tabelaPrecos)
{
    m_excel = addCommand(QStringLiteral("Exportar"), QStringLiteral("Excel"), QStringLiteral("Excel"), [this] {
        if (m_excelExport)
            m_excelExport();
    });
    menu(QStringLiteral("Exportar"))->addSeparator();
    addCommand(QStringLiteral("Exportar"), QStringLiteral("Tabela de Preços"), QStringLiteral("TabelaPrecos"),
               [tabelaPrecos] {
                   if (tabelaPrecos)
                       tabelaPrecos();
               });
}

void ResultMenuBar::setExcelExport(std::function<void()> exportGrids)
{
    m_excelExport = std::move(exportGrids);
}

QToolButton* ResultMenuBar::addRefreshButton(std::function<void()> refresh)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("Atualizar"));
    button->setText(QStringLiteral("Atualizar"));
    button->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    QFont font = button->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    button->setFont(font);
    QWidget* window = parentWidget();
    connect(button, &QToolButton::clicked, this, [window, refresh] { ui::guarded(window, refresh); });
    setCornerWidget(button, Qt::TopRightCorner);
    return button;
}

void ResultMenuBar::disableExcelExport()
{
    m_excelExport = {};
    if (m_excel)
        m_excel->setEnabled(false);
}

} // namespace custos::results
