#pragma once
// Restoring the prices of a result grid to the ones the cost generation computed:
//
//   1. ask "Deseja restaurar os preços médios originalmente calculados?" (Yes and No); anything
//      but Yes ends here;
//   2. clear the user's filter of the view and focus its first row;
//   3. in display order (rows inside a collapsed group skipped), copy the original price into
//      the price of each row and post it.
//
// The posts are saved together and the results read once: the dataset's save rule runs once
// at the end (one save of every restored price, then, with AutoRefresh, one re-read and what
// follows it), which leaves the rows as posting them one by one would have. A read-only
// dataset refuses the first edit with its error, which is raised.

#include <QString>

namespace custos::data {
class ClientDataSet;
class TDataModule_Custo;
}

namespace custos::grid {
class GridView;
}

namespace custos::results {

struct PriceFields
{
    QString price = QStringLiteral("PRECO");
    QString original = QStringLiteral("PRECO_ORIGINAL");
};

// Steps 2 and 3 on a view over dataSet; the view's source must be the dataset's rows.
void restoreShownPrices(data::TDataModule_Custo& module, data::ClientDataSet& dataSet, grid::GridView& view,
                        const PriceFields& fields = {});

// The whole restoration (1 to 3); true when the user answered Yes and the prices were restored.
bool askAndRestorePrices(data::TDataModule_Custo& module, data::ClientDataSet& dataSet, grid::GridView& view,
                         const PriceFields& fields = {});

} // namespace custos::results
