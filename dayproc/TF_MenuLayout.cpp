// AjustaLayout: the widths of the cattle tab's blocks and columns, the centring of the
// production blocks and the rows of the production day panel.

#include "TF_Menu.h"

#include "RecordPanel.h"
#include "SummaryLayout.h"
#include "TabAbateBovinos.h"
#include "TabProducao.h"

#include <QApplication>
#include <QScopedValueRollback>
#include <algorithm>

namespace custos::dayproc {

void TF_Menu::AjustaLayout()
{
    // Processing the pending messages below may resize the window again.
    if (m_adjusting)
        return;
    const QScopedValueRollback guard(m_adjusting, true);

    TabAbateBovinos& cattle = *m_abateBovinos;
    const CattleBlockWidths blocks =
        cattleBlockWidths(cattle.Panel149()->width(), cattle.Panel165()->width());
    cattle.placeBlocks(blocks.day, blocks.accumulated);
    const int dayGrid = std::max(0, cattle.Panel337()->width() - TabAbateBovinos::dayTotalsWidth);
    const int accumulatedGrid = std::max(0, cattle.Panel209()->width() - TabAbateBovinos::accumulatedTotalsWidth);
    cattle.placeGrids(dayGrid, accumulatedGrid);
    cattle.Panel149()->update();

    const std::optional<RepeatedCells> dayCells = repeatedCells(cattle.DBCtrlGrid5()->width());
    const std::optional<RepeatedCells> accumulatedCells = repeatedCells(cattle.DBCtrlGrid6()->width());
    if (!dayCells || !accumulatedCells)
        return;
    for (const auto& [panel, cells] : {std::pair{cattle.DBCtrlGrid5(), *dayCells},
                                       std::pair{cattle.DBCtrlGrid6(), *accumulatedCells}}) {
        panel->setPageCount(cells.count);
        panel->setCellExtent(cells.width);
    }

    TabProducao& production = *m_producao;
    const int dayGridWidth = production.DBCtrlGrid1()->width();
    if (width() - m_Panel129->width() < dayGridWidth + 10) {
        production.setLeftMargins(5, 5);
    } else {
        const int area = production.Panel_Principal()->width();
        production.setLeftMargins(centredMargin(area, dayGridWidth), centredMargin(area, production.Shape1()->width()));
    }
    production.setDayRows(production.Panel347()->height() / 48);
    QApplication::processEvents();
}

} // namespace custos::dayproc
