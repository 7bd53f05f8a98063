#pragma once
// The main window, "Análise de Resultados". The login sets the access flags from the user's
// access level; user_operador puts the window into read-only operator mode.

#include <QMainWindow>

namespace custos::dayproc {

class TF_Menu : public QMainWindow
{
    Q_OBJECT
public:
    explicit TF_Menu(QWidget* parent = nullptr);

    bool user_admin = false;    // access level "ADM"
    bool user_custo = false;    // access level "CUS"
    bool user_operador = false; // access level "USR"
};

} // namespace custos::dayproc
