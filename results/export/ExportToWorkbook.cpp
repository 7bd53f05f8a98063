#include "ExportToWorkbook.h"

#include "Workbook.h"

#include <DataModule_Custo.h>
#include <ExportView.h>
#include <GridColumn.h>
#include <GridView.h>
#include <MessageBox.h>
#include <SaveDialog.h>
#include <SaveFileDialog.h>

namespace custos::results {

QString exportToWorkbook(QWidget* parent, const QString& proposedName, const std::vector<ExportedGrid>& grids)
{
    data::TSaveDialog& dialog = data::TDataModule_Custo::instance()->saveDialog(QStringLiteral("ExportDialog"));
    dialog.setDefaultExtension(QStringLiteral("xlsx"));
    dialog.setFilter(QStringLiteral("Arquivo do MS Excel|*.xlsx"));
    dialog.setFileName(proposedName);
    const QString fileName = ui::executeSaveDialog(dialog, parent);
    if (fileName.isEmpty())
        return {};

    writeGridsToWorkbook(fileName, grids);
    ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok, workbookWrittenText(fileName), parent);
    return fileName;
}

QString workbookWrittenText(const QString& fileName)
{
    return QStringLiteral("Arquivo '") + fileName + QStringLiteral("' gerado com sucesso!");
}

void writeGridsToWorkbook(const QString& fileName, const std::vector<ExportedGrid>& grids)
{
    Workbook book(fileName);
    // Each grid's lines are made as they are written: the export holds none of them.
    for (const ExportedGrid& g : grids)
        book.addSheet(g.sheetName, grid::streamExportView(*g.grid));
    book.finish();
}

} // namespace custos::results
