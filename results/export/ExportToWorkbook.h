#pragma once
// "Exportar" > "Excel" of a result window: asks for the file in the data module's ExportDialog
// ("Salvar em...", "Arquivo do MS Excel|*.xlsx", default extension "xlsx", the window's
// proposed name), writes the grids into one workbook, one sheet each in the order given (a grid
// whose dataset is empty writes no sheet), every row of every group as displayed, and shows
// "Arquivo '<name>' gerado com sucesso!". A cancelled dialog writes nothing.
//
// Called from the window's menu handler inside ui::guarded: a failure is thrown (ExportError)
// after the workbook's temporary file is removed, leaving any existing file of the name as it was.

#include <QString>
#include <vector>

class QWidget;

namespace custos::grid {
class GridView;
}

namespace custos::results {

struct ExportedGrid
{
    QString sheetName;
    const grid::GridView* grid = nullptr;
};

// The file written; empty when the user cancelled.
QString exportToWorkbook(QWidget* parent, const QString& proposedName, const std::vector<ExportedGrid>& grids);

// The workbook of the grids written into fileName without asking or telling anything (the
// command line's export); a failure is an ExportError, as above.
void writeGridsToWorkbook(const QString& fileName, const std::vector<ExportedGrid>& grids);

// "Arquivo '<name>' gerado com sucesso!"
QString workbookWrittenText(const QString& fileName);

} // namespace custos::results
