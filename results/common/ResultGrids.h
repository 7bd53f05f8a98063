#pragma once
// Building blocks of the result windows' grid views: a view filling a page with the shared
// group, footer and selection styles, columns bound to a field of the same name, footer and
// group-footer sums, hidden grouping columns and the initial sorting.

#include "GridStyle.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <initializer_list>

class QWidget;

namespace custos::data {
class DataSource;
}

namespace custos::grid {
class GridBand;
class GridColumn;
class GridView;
}

namespace custos::results::grids {

inline const QColor kLightYellow{0xFF, 0xFF, 0x80};
inline const QColor kLightCyan{0x80, 0xFF, 0xFF};

enum Sums { FooterOnly, FooterAndGroups };

// A view over source filling page, footer and group footers always shown.
grid::GridView* newView(QWidget* page, const QString& objectName, data::DataSource* source);
// A column of field (captioned caption) in band (none: unbanded).
grid::GridColumn* add(grid::GridView* view, grid::GridBand* band, const char* field, const QString& caption,
                      int width = 70);
// A sum under column, of the column's field or of summed; groupFields limits the group
// footers showing it to those grouping fields (empty: every level).
void sum(grid::GridView* view, grid::GridColumn* column, const char* format, Sums where, const char* summed = "",
         Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter, const QStringList& groupFields = {});
// A hidden column of field grouped at the next level.
grid::GridColumn* groupBy(grid::GridView* view, const char* field, const QString& caption,
                          Qt::SortOrder order = Qt::AscendingOrder);
void setSorting(grid::GridView* view, std::initializer_list<const char*> fields);
// The band "Produto" (fixed left): the product's code and description.
void addProductBand(grid::GridView* view);
// The read-only bands of a condemnation view: "Produto" (code, description) and the pieces,
// weight and value of "Operacional", "Não Operacional" and "Total" (grey when greyTotal), each
// summed in the footer.
void addCondemnationBands(grid::GridView* view, bool greyTotal);
// The bands "Produto" (addProductBand), "Produção" (boxes, pieces and weight summed where
// production says, the market shown by its abbreviation from markets, the sales order) and
// "Receita" (the price, with the hidden "Original" when originalColumn, the criterion, the unit
// price and the revenue) of a product view.
void addProductBands(grid::GridView* view, data::DataSource* markets, bool originalColumn, Sums production);

// One component of a product's production cost: its per-kilogram field (summed as its total
// field) and caption.
struct CostComponent
{
    const char* perKgField;
    const char* totalField;
    const char* caption;
};
// The band "Custo Produção" of a product view: each component per kilogram, "/ Kg" and the
// "Total", in the industrial-cost style, summed in the footer and the group footers.
void addProductionCostBand(grid::GridView* view, std::initializer_list<CostComponent> components);

// Which columns of the bands of a sale's costs and result are summed, each as its total field:
// every column, only the "Total" columns, or every column but a band's "/ Kg".
enum class SaleColumns { Every, TotalsOnly, AllButBandPerKg };
// Where those bands sum their columns: in the footer, and in the group footers of groupFields
// (every level when empty) where says so; markedTotals colours the bands' totals.
struct SaleSums
{
    SaleColumns summed = SaleColumns::Every;
    Sums where = FooterOnly;
    QStringList groupFields;
    bool markedTotals = true;
};
// The bands "Impostos", "Despesas", "Custo Total" and "Resultado" (fixed at the right, not
// movable) of a product view, each column per kilogram and its "Total"; marked, the last two of
// "Impostos" are bold white on #C2C285 and "/Kg" and "Total" of "Resultado" on #747474.
void addSaleBands(grid::GridView* view, const SaleSums& sums);

} // namespace custos::results::grids
