// The two links of "Outras Opções": the price capture undo and the generation and closing
// history, each over the day's rows, opened under the wait overlay only when there are rows.

#include "TF_Menu.h"

#include "DataModule_Custo.h"
#include "DayOperationRules.h"
#include "ErrorDisplay.h"
#include "NoticeBoxes.h"
#include "TF_HistoricoCapturaPreco.h"
#include "TF_LogCusto.h"
#include "WaitOverlay.h"

namespace custos::dayproc {

void TF_Menu::lblDesfazerCapturaPrecoClick()
{
    bool undone = false;
    ui::guarded(this, [&] {
        if (!priceCaptureUndoAllowed(module(), noticeBoxes(this)))
            return;
        ui::WaitOverlay overlay(this);
        TF_HistoricoCapturaPreco window(
            module().dataSource(QStringLiteral("DTS_HistoricoCusto")),
            [this](double unit, const QDate& generatedDay, const QDateTime& moment) {
                undoPriceCapture(module(), unit, generatedDay, moment);
            },
            this);
        if (!openPriceCaptures(module(), unit(), calendarDate(), noticeBoxes(this)))
            return;
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
        if (!openDayLog(module(), unit(), calendarDate(), noticeBoxes(this)))
            return;
        window.exec();
    });
}

} // namespace custos::dayproc
