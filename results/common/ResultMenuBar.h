#pragma once
// The menu bar of the result windows ("Menu de Opções"): menus in the order they are first
// named, command items, check items and items shown disabled, each found by its object name.
// "Exportar" > "Excel" runs the window's workbook export (nothing while the window has none).
// "Atualizar" is a large button at the bar's right end.

#include <QMenuBar>
#include <functional>

class QToolButton;

namespace custos::results {

class ResultMenuBar : public QMenuBar
{
    Q_OBJECT
public:
    explicit ResultMenuBar(QWidget* parent = nullptr);

    // The menu of that caption, added at the end when there is none yet.
    QMenu* menu(const QString& caption);
    QAction* addCommand(const QString& menuCaption, const QString& text, const QString& objectName,
                        std::function<void()> action);
    QAction* addCheck(const QString& menuCaption, const QString& text, const QString& objectName, bool checked,
                      std::function<void(bool)> action);
    // Shown greyed; does nothing.
    QAction* addDisabled(const QString& menuCaption, const QString& text, const QString& objectName);
    // A greyed submenu holding items (check items where checkable says so).
    QMenu* addDisabledSubmenu(const QString& menuCaption, const QString& text, const QString& objectName,
                              const QList<QPair<QString, bool>>& items);
    // "Exibir" > "Preço Médio Original" (a check item, off, running priceView) and the greyed
    // "Resumo"; returns the check item.
    QAction* addPriceViewItems(std::function<void(bool)> priceView);
    // "Exibir" > "Recalcular Automaticamente" (a check item in the state given, running
    // recalculation), then the greyed items (addGreyedItems); returns the check item.
    QAction* addRecalculationItems(bool checked, std::function<void(bool)> recalculation);
    // "Exibir" > the greyed "Grupos" and the greyed "Ferramentas" items.
    void addGreyedItems();
    // "Exportar" with "Excel" (the window's workbook export) and, after a separator,
    // "Tabela de Preços" running tabelaPrecos (nothing when empty).
    void addExportMenu(std::function<void()> tabelaPrecos = {});
    // What "Excel" runs: the workbook export of the window's grids.
    void setExcelExport(std::function<void()> exportGrids);
    // "Atualizar": the large button in the bar's right corner, running refresh.
    QToolButton* addRefreshButton(std::function<void()> refresh);
    // "Excel" shown greyed, for a window without a workbook export.
    void disableExcelExport();

private:
    std::function<void()> m_excelExport;
    QAction* m_excel = nullptr;
};

} // namespace custos::results
