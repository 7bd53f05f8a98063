// "&Fechar"/"&Reabrir" (cxButton3Click): the path follows the day state, with the checks and
// questions of DayOperationRules as message boxes. A check that refuses, or a failing
// procedure, stops the handler; after a closing or a reopening the whole day is loaded again;
// otherwise, and then, the slaughter and production datasets are reloaded and the buttons
// follow.

#include "TF_Menu.h"

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "DayOperationRules.h"
#include "ErrorDisplay.h"
#include "NoticeBoxes.h"

namespace custos::dayproc {

void TF_Menu::cxButton3Click()
{
    ui::guarded(this, [this] {
        const Outcome outcome = closeOrReopenDay(module(), unit(), calendarDate(), noticeBoxes(this));
        if (outcome == Outcome::Refused)
            return;
        // A reopening loads the resale too: a reopened resale left showing as closed would keep
        // the button at "&Reabrir" and the editable datasets locked.
        if (outcome == Outcome::Done)
            PlannerCalendar1DaySelect(calendarDate());
        refreshAfterClosing();
    });
}

// The slaughter and production datasets again with the parameters they have, and the buttons.
void TF_Menu::refreshAfterClosing()
{
    for (const char* name : {"CDS_Abate", "CDS_Industrializado"}) {
        data::ClientDataSet& dataSet = module().clientDataSet(QString::fromLatin1(name));
        dataSet.close();
        dataSet.open();
    }
    AtualizaBotoes();
}

} // namespace custos::dayproc
