#include "TF_Menu.h"

namespace custos::dayproc {

TF_Menu::TF_Menu(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_Menu"));
    setWindowTitle(QStringLiteral("Análise de Resultados"));
}

} // namespace custos::dayproc
