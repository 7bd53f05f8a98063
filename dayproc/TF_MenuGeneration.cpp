// "&Gerar": the day must not be closed and no later day closed; then the generation dialog runs
// under the wait overlay and the day is reloaded afterwards, whatever the dialog's outcome.

#include "TF_Menu.h"

#include "CostGeneration.h"
#include "DataModule_Custo.h"
#include "DayOperationValues.h"
#include "DayOperationRules.h"
#include "ErrorDisplay.h"
#include "NoticeBoxes.h"
#include "PlannerCalendar.h"
#include "TF_GerarCusto.h"
#include "WaitOverlay.h"

namespace custos::dayproc {

void TF_Menu::cxButton1Click()
{
    ui::guarded(this, [this] {
        const QDate day = calendarDate();
        if (!generationAllowed(module(), unit(), day, noticeBoxes(this)))
            return;

        ui::WaitOverlay overlay(this);
        QDate generated = day;
        {
            const double company = unit();
            TF_GerarCusto dialog(
                this,
                [this, company, day](const QDateTime& moment, bool capture) {
                    return generationInput(module(), company, day, moment, capture);
                },
                [this](const server::GenerationInput& input, const std::function<void(const QString&)>& log) {
                    server::CostGeneration(connection()).run(input, log);
                });
            dialog.setDate(day);
            generated = dialog.Processa();
        }
        m_PlannerCalendar1->setDate(generated);
        PlannerCalendar1DaySelect(generated);
    });
}

} // namespace custos::dayproc
