#include "PriceRestoration.h"

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "GridColumn.h"
#include "GridView.h"
#include "MessageBox.h"

#include <vector>

namespace custos::results {

void restoreShownPrices(data::TDataModule_Custo& module, data::ClientDataSet& dataSet, grid::GridView& view,
                        const PriceFields& fields)
{
    view.clearUserFilter();
    view.focusFirstRow();
    std::vector<int> rows;
    view.model().forEachShownRow([&rows](int sourceRow) { rows.push_back(sourceRow); });
    const int price = dataSet.fieldByName(fields.price).index();
    const int original = dataSet.fieldByName(fields.original).index();
    data::TDataModule_Custo::DeferredSave batch(module, dataSet);
    for (int row : rows) {
        dataSet.setRecNo(row + 1);
        dataSet.edit();
        dataSet.setCurrentValue(price, dataSet.currentValue(original));
        dataSet.post();
    }
    batch.finish();
}

bool askAndRestorePrices(data::TDataModule_Custo& module, data::ClientDataSet& dataSet, grid::GridView& view,
                         const PriceFields& fields)
{
    if (ui::showMessage(ui::MessageType::Confirmation, ui::MessageButtons::YesNo,
                        QStringLiteral("Deseja restaurar os preços médios originalmente calculados?"), &view)
        != ui::MessageResult::Yes)
        return false;
    restoreShownPrices(module, dataSet, view, fields);
    return true;
}

} // namespace custos::results
