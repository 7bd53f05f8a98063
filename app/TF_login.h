#pragma once
// The login window "Login": database service, company, user and password. The login connects
// the main connection with the user's own account, enters the cost role and the company, and
// looks the user up in VELKO_CST.USUARIOS; the access level goes to the main window's flags.
// The dialog result is Accepted when the user may enter.

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace custos::session {
class Global_Library;
}
namespace custos::dayproc {
class TF_Menu;
}
namespace custos::ui {
class TNumEdit;
}

namespace custos::app {

class TF_login : public QDialog
{
    Q_OBJECT
public:
    TF_login(session::Global_Library& library, dayproc::TF_Menu& menu, QWidget* parent = nullptr);

    // Before showing: the database and company fields from the configuration file, the password
    // cleared, the focus in the password field when a user is filled in, else in the user field.
    // A missing or unreadable file raises ConfigurationError.
    void loadSettings(const QString& iniPath);

    void b_loginClick();
    void b_cancelaClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool previewKey(QKeyEvent* key);
    void setFlags(const QString& nivelAcesso);

    session::Global_Library& m_library;
    dayproc::TF_Menu& m_menu;
    QComboBox* m_comboBanco;
    ui::TNumEdit* m_edEmpresa;
    QLineEdit* m_edUsuario;
    QLineEdit* m_edSenha;
    QPushButton* m_bLogin;
    QPushButton* m_bCancela;
};

} // namespace custos::app
