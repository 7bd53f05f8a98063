// The two links of "Outras Opções": the price capture undo and the generation and closing
// history, each over the day's rows, opened under the wait overlay only when there are rows.

#include "TF_Menu.h"

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "DayOperationValues.h"
#include "DayParameters.h"
#include "DayState.h"
#include "ErrorDisplay.h"
#include "PriceCaptureUndo.h"
#include "Query.h"
#include "TF_HistoricoCapturaPreco.h"
#include "TF_LogCusto.h"
#include "WaitOverlay.h"

namespace custos::dayproc {

namespace {

// Closes the dataset, sets the unit and the day on its query and opens it.
data::ClientDataSet& openForDay(data::TDataModule_Custo& module, const char* name, double unit, const QDate& day)
{
    data::ClientDataSet& dataSet = module.clientDataSet(QStringLiteral("CDS_") + QLatin1String(name));
    dataSet.close();
    session::Params& params = module.query(QStringLiteral("Q_") + QLatin1String(name)).params();
    setParameter(params, QStringLiteral("id_unidade"), unit);
    setParameter(params, QStringLiteral("data_custo"), day);
    dataSet.open();
    return dataSet;
}

} // namespace

void TF_Menu::lblDesfazerCapturaPrecoClick()
{
    bool undone = false;
    ui::guarded(this, [&] {
        if (!DayState::of(module()).allowsPriceCaptureUndo()) {
            ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok,
                            QStringLiteral("Para desfazer a captura de preços é necessário desfazer o fechamento do custo!"), this);
            return;
        }
        ui::WaitOverlay overlay(this);
        const server::PriceCaptureUndoInput undoBase{0, {}, {}, dbLink(module()), processFlags(module())};
        TF_HistoricoCapturaPreco window(
            module().dataSource(QStringLiteral("DTS_HistoricoCusto")),
            [this, undoBase](double unit, const QDate& generatedDay, const QDateTime& moment) {
                server::PriceCaptureUndoInput input = undoBase;
                input.unit = unit;
                input.generatedDay = generatedDay;
                input.captureMoment = moment;
                server::PriceCaptureUndo(connection()).run(input);
            },
            this);
        if (openForDay(module(), "HistoricoCusto", unit(), calendarDate()).isEmpty()) {
            ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok,
                            QStringLiteral("Não existe histório para desfazer captura de preço."), this);
            return;
        }
        window.exec();
        undone = window.undone();
    });
    // The restored prices show at once: the day is read again.
    if (undone)
        ui::guarded(this, [this] { PlannerCalendar1DaySelect(calendarDate()); });
}

void TF_Menu::lblHistoricoGeracaoFechamentoClick()
{
    ui::guarded(this, [this] {
        ui::WaitOverlay overlay(this);
        TF_LogCusto window(module().dataSource(QStringLiteral("DTS_LogCusto")), this);
        if (openForDay(module(), "LogCusto", unit(), calendarDate()).isEmpty()) {
            ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok,
                            QStringLiteral("Não existe Histórico de Geração e Fechamento!"), this);
            return;
        }
        window.exec();
    });
}

} // namespace custos::dayproc
