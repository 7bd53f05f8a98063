#pragma once
// What the two price table export windows ("Exporta Tabela de Preços") share: the header, the
// kind and figure combos, the table chooser, the selection buttons, the product grid with its
// band titles, and the confirmation that publishes the ticked products.
//
// The chooser lists the rows of the table list (CDS_TabelaCusto) and a choice moves the list to
// that row: a table is chosen as itself, also among tables of one description, and also in kind
// "Tabela Base", where every table without a base of its own has the same
// SEQUENCIAL_TABELA_CUSTO (-1). The confirmation writes into the tables the shown list was
// loaded for.

#include "PriceList.h"
#include "PricePublisher.h"

#include <QDate>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class QPushButton;

namespace custos::data {
class ClientDataSet;
class TDataModule_Custo;
}
namespace custos::grid {
class GridView;
}
namespace custos::session {
class Params;
}

namespace custos::parameters {

// A read-only edit of the header.
struct HeaderField
{
    QString caption;
    QString objectName;
    QString text;
};

// What a window takes from its result window and shows or sends for it.
struct ExportSource
{
    QString productList;                             // stem of the product list chain
    QStringList figures;                             // the items of "Valor Referência"
    std::vector<HeaderField> header;
    std::vector<std::pair<QString, double>> filter;  // the product list's own parameters
    double idUnidade = 0;
    QDate data;
    bool listsTableNumbers = false; // the chooser shows "Número" beside the description
    QString detalhes;               // the detail text written with every price

    ProductListSource listSource() const { return {productList, idUnidade, data, filter}; }
};

class PriceTableExportForm : public QDialog
{
    Q_OBJECT
public:
    PriceTableExportForm(data::TDataModule_Custo& module, ExportSource source, const QString& objectName,
                         QWidget* parent = nullptr);

    data::ClientDataSet& productList() const { return *m_products; }
    grid::GridView* grid() const { return m_grid; }

    void ComboBox_TipoCloseUp();
    void CarregaProdutos();
    // "Marcar todas", "Desmarcar todas", "Inverter": every row shown, in display order.
    enum class Marking { All, None, Invert };
    void mark(Marking marking);
    void confirm();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildHeader(QWidget* parent, QGridLayout* layout);
    void buildGrid();
    void showBaseColumns(bool shown);
    void fillChooser();
    QWidget* bandTitles();
    std::vector<TickedProduct> tickedProducts() const;

    data::TDataModule_Custo& m_module;
    ExportSource m_source;
    data::ClientDataSet* m_products;
    data::ClientDataSet* m_tables;
    QComboBox* m_tipo;
    QComboBox* m_referencia;
    QComboBox* m_tabela;
    QLabel* m_panelCusto;
    QLabel* m_panelBase;
    grid::GridView* m_grid;
    PriceTargets m_loadedTargets; // the tables the shown list was loaded for
    bool m_shown = false;
};

} // namespace custos::parameters
