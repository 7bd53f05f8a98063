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

    Workbook book(fileName);
    // One grid's view at a time: each is written and let go before the next is built.
    for (const ExportedGrid& g : grids)
        book.addSheet(g.sheetName, g.grid->exportView());
    book.finish();
    ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok,
                    QStringLiteral("Arquivo '") + fileName + QStringLiteral("' gerado com sucesso!"), parent);
    return fileName;
}

} // namespace custos::results
