// The click targets that open the result windows of the day.

#include "TF_Menu.h"

#include "DayOperationRules.h"
#include "NoticeBoxes.h"

namespace custos::dayproc {

// "Mais detalhes..." needs a loaded slaughter; without one the user is told so.
bool TF_Menu::isSlaughterLoaded()
{
    return slaughterLoaded(module(), noticeBoxes(this));
}

void TF_Menu::openDetail(const ResultWindowOpener& opener)
{
    if (opener)
        opener(this, calendarDate());
}

void TF_Menu::Label38Click()
{
    if (isSlaughterLoaded())
        openDetail(m_openers.abateBovinos);
}

void TF_Menu::Label44Click()
{
    if (isSlaughterLoaded())
        openDetail(m_openers.abateSuinos);
}

void TF_Menu::DBText30Click()
{
    openDetail(m_openers.industrializadoResultado);
}

void TF_Menu::DBText21Click()
{
    openDetail(m_openers.revendaResultado);
}

} // namespace custos::dayproc
