// The buttons and the editable datasets follow the day state and the user's access level.

#include "TF_Menu.h"

#include "DataModule_Custo.h"
#include "DataSet.h"
#include "DayState.h"

#include <QPushButton>

namespace custos::dayproc {

namespace {

// The datasets the result windows let the user edit.
const char* const editableDataSets[] = {"CDS_Compra", "CDS_AbateProduto", "CDS_MateriaPrima_DT", "CDS_Resultado_DT",
                                        "CDS_ResultadoRevenda"};
// The ones an operator never edits.
const char* const operatorLocked[] = {"CDS_Compra", "CDS_AbateProduto", "CDS_MateriaPrima_DT", "CDS_Resultado_DT"};

} // namespace

void TF_Menu::AtualizaBotoes()
{
    const bool closed = DayState::of(module()).isClosed();
    m_cxButton3->setText(closed ? QStringLiteral("&Reabrir") : QStringLiteral("&Fechar"));
    for (const char* name : editableDataSets)
        module().dataSet(QString::fromLatin1(name)).setReadOnly(closed);

    data::DataSet& parametros = module().dataSet(QStringLiteral("CDS_Parametros"));
    if (user_operador) {
        m_cxButton1->setEnabled(false);
        m_cxButton3->setEnabled(false);
        parametros.setReadOnly(true);
        for (const char* name : operatorLocked)
            module().dataSet(QString::fromLatin1(name)).setReadOnly(true);
    } else {
        m_cxButton1->setEnabled(true);
        m_cxButton3->setEnabled(true);
        parametros.setReadOnly(false);
    }
}

} // namespace custos::dayproc
