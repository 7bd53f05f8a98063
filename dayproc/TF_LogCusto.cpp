#include "TF_LogCusto.h"

namespace custos::dayproc {

TF_LogCusto::TF_LogCusto(QWidget* parent) : ui::TCF_Single_Form7(parent)
{
    setObjectName(QStringLiteral("F_LogCusto"));
    setWindowTitle(QStringLiteral("Histórico Geração e Fechamento"));
}

} // namespace custos::dayproc
