#include "ResultGrids.h"

#include "DataSourceRows.h"
#include "GridColumn.h"
#include "GridView.h"

#include <QVBoxLayout>

namespace custos::results::grids {

using grid::GridColumn;
using grid::GridView;
namespace Shared = grid::SharedStyles;

GridView* newView(QWidget* page, const QString& objectName, data::DataSource* source)
{
    auto* view = new GridView(page);
    view->setObjectName(objectName);
    view->setSource(new grid::DataSourceRows(source, view));
    view->setGroupRowStyle(Shared::cxStyle2());
    view->setFooterStyle(Shared::cxStyle4());
    view->setInactiveSelectionStyle(Shared::cxStyle20());
    view->setFooterVisible(true);
    view->model().setGroupFooterMode(grid::GroupTree::FooterMode::Always);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    return view;
}

GridColumn* add(GridView* view, grid::GridBand* band, const char* field, const QString& caption, int width)
{
    return view->addColumn(QString::fromLatin1(field), caption, band, width, QString::fromLatin1(field));
}

void sum(GridView* view, GridColumn* column, const char* format, Sums where, const char* summed,
         Qt::Alignment alignment, const QStringList& groupFields)
{
    grid::GridSummary s{column, QString::fromLatin1(summed), QString::fromLatin1(format), alignment, {}};
    view->model().addFooterSummary(s);
    if (where == FooterAndGroups) {
        s.groupFields = groupFields;
        view->model().addGroupSummary(s);
    }
}

GridColumn* groupBy(GridView* view, const char* field, const QString& caption, Qt::SortOrder order)
{
    GridColumn* column = add(view, nullptr, field, caption);
    column->setVisible(false);
    view->model().groupBy(column, -1, order);
    return column;
}

void setSorting(GridView* view, std::initializer_list<const char*> fields)
{
    QList<grid::GridModel::SortField> sorting;
    for (const char* f : fields)
        sorting.append({QString::fromLatin1(f), Qt::AscendingOrder});
    view->model().setSorting(sorting);
}

} // namespace custos::results::grids
