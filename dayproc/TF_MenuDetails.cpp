// The click targets that open the result windows of the day.

#include "TF_Menu.h"

#include "DataModule_Custo.h"
#include "DataSet.h"
#include "MessageBox.h"

namespace custos::dayproc {

// "Mais detalhes..." needs a loaded slaughter; without one the user is told so.
bool TF_Menu::isSlaughterLoaded()
{
    const data::DataSet& abate = module().dataSet(QStringLiteral("CDS_Abate"));
    if (abate.isActive() && !abate.isEmpty())
        return true;
    ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok,
                    QStringLiteral("Não existe informação a ser detalhada. Por favor, selecione uma data com "
                                   "movimento de abate."),
                    this);
    return false;
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
