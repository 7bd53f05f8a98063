#pragma once
// What every result window does alike. The frame: its object name and caption, maximised with
// the system menu and the minimise, maximise and close buttons, a vertical layout without
// margins under the result menu bar, and the market list Q_Mercado of its "Merc" lookups. The
// life: FormShow runs on the first show, and closing refreshes the main window's dataset the
// window was opened for. And the steps the windows' commands share: showing the original
// price, the automatic recalculation, the price restoration under a suspended summary strip,
// the product tab the details need, the restoration band, the condemnation analysis and the
// modal detail.

#include <QDialog>
#include <QString>
#include <utility>

class QAction;
class QTabWidget;
class QVBoxLayout;

namespace custos::data {
class ClientDataSet;
class DataSet;
class DataSource;
class Query;
class TDataModule_Custo;
}

namespace custos::grid {
class GridView;
}

namespace custos::ui {
class DBLabel;
}

namespace custos::results {

class ResultMenuBar;
class SummaryStrip;

class ResultWindow : public QDialog
{
    Q_OBJECT
public:
    ~ResultWindow() override;

    // What the window does when it is first shown.
    virtual void FormShow() = 0;
    // "Atualizar": the window's datasets read again.
    virtual void Atualizar() = 0;
    // "Restaurar Preço Médio Original".
    virtual void RestaurarPrecoMedioOriginal() = 0;
    // "Preço Médio Original": the original price shown or hidden.
    virtual void PrecoMedioOriginal(bool checked) = 0;

    data::TDataModule_Custo& module() const { return m_module; }

protected:
    // refreshedOnClose: the main window's dataset reread when the window closes (none: nothing).
    ResultWindow(data::TDataModule_Custo& module, const QString& objectName, const QString& caption,
                 data::ClientDataSet* refreshedOnClose, QWidget* parent);

    void showEvent(QShowEvent* event) override;
    void done(int result) override;

    // The menu bar's "Editar" > "Restaurar Preço Médio Original", its price view items and its
    // "Atualizar" button.
    void addRestorationCommand();
    void addPriceViewItems();
    void addRefreshButton();
    // The items "Recalcular Automaticamente" and their greyed neighbours of the menu bar.
    void addRecalculationItems();
    void RecalcularAutomaticamente(bool checked);
    // The hidden "Original" price column of view shown or hidden, the "Receita" band widened to
    // hold it, the menu's check following.
    void showOriginalPrice(grid::GridView& view, bool checked);
    // The market list read again.
    void refreshMarkets();
    // Asks and restores the generation's prices of dataSet shown in view, the strip's totals
    // following once after the walk, not after each row; true when the prices were restored.
    bool restorePrices(SummaryStrip& strip, data::ClientDataSet& dataSet, grid::GridView& view);
    // True when page is the current tab of tabs; otherwise the user is told to select it.
    bool productTabSelected(const QTabWidget& tabs, const QWidget* page);
    // Whether the unit's parameters ask for the condemnation analysis.
    bool analysesCondemnations() const;
    // The band "Restauração Preço Médio" of view, shown when the current row of dataSet has
    // been restored by a user.
    static void showRestorationBand(grid::GridView& view, const data::DataSet& dataSet);
    // A tab page and a tab widget in document mode, found by their object names.
    static QWidget* newPage(const QString& objectName);
    static QTabWidget* newPageControl(const QString& objectName, QWidget* parent);
    // The bold caption over the grids: field of source on background.
    ui::DBLabel* newCaption(data::DataSource* source, const QString& field, const QString& objectName,
                            const QColor& background);

    // The detail window Detail, shown modally over this window.
    template <class Detail, class... Args>
    void execDetail(Args&&... args)
    {
        Detail detail(m_module, std::forward<Args>(args)..., this);
        detail.exec();
    }

    data::TDataModule_Custo& m_module;
    QVBoxLayout* m_layout;
    ResultMenuBar* m_menu;
    data::Query* m_Q_Mercado;
    data::DataSource* m_DTS_Mercado;
    QAction* m_PrecoMedioOriginal = nullptr;
    QAction* m_RecalcularAutomaticamente = nullptr;

private:
    data::ClientDataSet* m_refreshedOnClose;
    bool m_shown = false;
};

} // namespace custos::results
