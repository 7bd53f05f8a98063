// The login window against the real server: the connection parameters, the access flags, the
// unregistered user, failures through the error display and the retry, Enter in the fields.

#include "ErrorDisplayApplication.h"
#include "Global_Library.h"
#include "MessageBox.h"
#include "SharedRoutines.h"
#include "TF_Menu.h"
#include "TF_login.h"
#include "TNumEdit.h"
#include "TestDatabase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace custos;

namespace {

struct Shown
{
    ui::MessageType type;
    QString text;
};

struct LevelCase
{
    QString typedUser;
    QString account;
    QString level;
    bool admin, custo, operador;
};

} // namespace

Q_DECLARE_METATYPE(LevelCase)

class TestLogin : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<test::TestDatabase> m_db;
    QTemporaryDir m_dir;
    std::unique_ptr<session::Global_Library> m_library;
    std::unique_ptr<dayproc::TF_Menu> m_menu;
    std::unique_ptr<app::TF_login> m_login;
    QList<Shown> m_shown;
    std::unique_ptr<ui::ScopedMessageHook> m_hook;
    std::function<void()> m_duringMessage;
    int m_connects = 0;
    int m_disconnects = 0;

    template <typename T> T* field(const char* name) const
    {
        return m_login->findChild<T*>(QLatin1String(name));
    }

    // A login window as the program shows it, with the configuration file's company.
    void openLogin(const QString& company = QStringLiteral("1"))
    {
        QFile ini(m_dir.filePath(QStringLiteral("velko.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("SERVER NAME=%1\nDEFAULT COMPANY=%2\n")
                      .arg(m_db->serviceName(), company)
                      .toUtf8());
        ini.close();
        m_login->loadSettings(ini.fileName());
        m_login->show();
        QVERIFY(QTest::qWaitForWindowActive(m_login.get()));
    }

    void type(const QString& user, const QString& password)
    {
        field<QLineEdit>("edUsuario")->setText(user);
        field<QLineEdit>("edSenha")->setText(password);
    }

    bool buttonsEnabled() const
    {
        return field<QPushButton>("b_login")->isEnabled() && field<QPushButton>("b_cancela")->isEnabled();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<test::TestDatabase>();
        m_db->exec(QStringLiteral("DELETE FROM velko_cst.usuarios;"
                                  "INSERT INTO velko_cst.usuarios (username, nivel_acesso) VALUES"
                                  " ('GERENTE', 'ADM'), ('ANALISTA', 'CUS'), ('OPERADOR', 'USR');"));
        m_hook = std::make_unique<ui::ScopedMessageHook>(
            [this](ui::MessageType type, ui::MessageButtons, const QString& text) {
                m_shown.append({type, text});
                if (auto during = std::exchange(m_duringMessage, nullptr))
                    during();
                return ui::MessageResult::Ok;
            });
    }

    void init()
    {
        m_library = std::make_unique<session::Global_Library>();
        m_menu = std::make_unique<dayproc::TF_Menu>();
        m_login = std::make_unique<app::TF_login>(*m_library, *m_menu);
        m_shown.clear();
        m_duringMessage = nullptr;
        m_connects = m_disconnects = 0;
        connect(&m_library->connection(), &session::DBXConnection::connected, this, [this] { ++m_connects; });
        connect(&m_library->connection(), &session::DBXConnection::disconnected, this,
                [this] { ++m_disconnects; });
    }

    void cleanup()
    {
        m_login.reset();
        m_menu.reset();
        m_library.reset();
    }

    void accessLevels_data()
    {
        QTest::addColumn<LevelCase>("row");
        QTest::newRow("ADM") << LevelCase{"GERENTE", "GERENTE", "ADM", true, false, false};
        QTest::newRow("CUS") << LevelCase{"ANALISTA", "ANALISTA", "CUS", false, true, false};
        QTest::newRow("USR") << LevelCase{"OPERADOR", "OPERADOR", "USR", false, false, true};
        QTest::newRow("usr in lower case") << LevelCase{"OPERADOR", "OPERADOR", "usr", false, false, false};
        QTest::newRow("blanks around the user")
            << LevelCase{"  GERENTE ", "GERENTE", "ADM", true, false, false};
    }

    void accessLevels()
    {
        QFETCH(LevelCase, row);
        m_db->exec(QStringLiteral("UPDATE velko_cst.usuarios SET nivel_acesso = '%1' WHERE username = '%2'")
                       .arg(row.level, row.account));
        m_menu->user_admin = m_menu->user_custo = m_menu->user_operador = true;
        openLogin(QStringLiteral("7"));
        type(row.typedUser, QStringLiteral("custos"));
        QTest::mouseClick(field<QPushButton>("b_login"), Qt::LeftButton);

        QCOMPARE(m_shown.size(), 0);
        QCOMPARE(m_login->result(), int(QDialog::Accepted));
        QCOMPARE(m_menu->user_admin, row.admin);
        QCOMPARE(m_menu->user_custo, row.custo);
        QCOMPARE(m_menu->user_operador, row.operador);
        session::DBXConnection& connection = m_library->connection();
        QCOMPARE(connection.param(QStringLiteral("USER_NAME")), row.account);
        QCOMPARE(session::GetEmpresaSessao(connection), 7);
    }

    void unregisteredUserEnds()
    {
        openLogin();
        type(QStringLiteral("VISITANTE"), QStringLiteral("custos"));
        // Enter in the password field while this login is still running starts no other one.
        m_duringMessage = [this] { QTest::keyClick(field<QLineEdit>("edSenha"), Qt::Key_Return); };
        field<QLineEdit>("edSenha")->setFocus();
        QTest::keyClick(field<QLineEdit>("edSenha"), Qt::Key_Return);

        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown[0].type, ui::MessageType::Error);
        QCOMPARE(m_shown[0].text,
                 QStringLiteral("Este usuário não tem permissão para acessar o sistema de custo."));
        QCOMPARE(m_login->result(), int(QDialog::Rejected));
        QVERIFY(!m_login->isVisible());
        QVERIFY(!field<QPushButton>("b_login")->isEnabled());
        QCOMPARE(m_connects, 1);
    }

    void wrongPasswordThenRight()
    {
        openLogin();
        // The trailing blanks are part of the password: sent as typed, it is wrong.
        type(QStringLiteral("GERENTE"), QStringLiteral("custos  "));
        QTest::mouseClick(field<QPushButton>("b_login"), Qt::LeftButton);
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown[0].type, ui::MessageType::Error);
        // The sentence the user reads, with the server's reason below it.
        QVERIFY2(m_shown[0].text.startsWith(QStringLiteral("Usuário ou senha inválidos.\rpassword authentication failed")),
                 qPrintable(m_shown[0].text));
        QVERIFY(buttonsEnabled());
        QVERIFY(m_login->isVisible());
        QCOMPARE(field<QLineEdit>("edUsuario")->text(), QStringLiteral("GERENTE"));
        QCOMPARE(field<QLineEdit>("edSenha")->text(), QStringLiteral("custos  "));

        field<QLineEdit>("edSenha")->setText(QStringLiteral("custos"));
        QTest::mouseClick(field<QPushButton>("b_login"), Qt::LeftButton);
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_login->result(), int(QDialog::Accepted));
        QCOMPARE(m_connects, 1);
    }

    void failureAfterConnectingThenRetry()
    {
        // The company comes from the file unchecked; the server refuses it after the connection.
        openLogin(QStringLiteral("xx"));
        type(QStringLiteral("GERENTE"), QStringLiteral("custos"));
        QTest::mouseClick(field<QPushButton>("b_login"), Qt::LeftButton);
        QCOMPARE(m_shown.size(), 1);
        QVERIFY(buttonsEnabled());
        QCOMPARE(m_connects, 1);

        field<ui::TNumEdit>("edEmpresa")->setText(QStringLiteral("5"));
        QTest::mouseClick(field<QPushButton>("b_login"), Qt::LeftButton);
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_login->result(), int(QDialog::Accepted));
        QCOMPARE(m_disconnects, 1); // the first connection was closed first
        QCOMPARE(m_connects, 2);
        QCOMPARE(session::GetEmpresaSessao(m_library->connection()), 5);
    }

    void enterTwiceInPasswordLogsInOnce()
    {
        openLogin();
        type(QStringLiteral("GERENTE"), QStringLiteral("custos"));
        auto* senha = field<QLineEdit>("edSenha");
        senha->setFocus();
        QTest::keyClick(senha, Qt::Key_Return);
        QTest::keyClick(senha, Qt::Key_Return);
        QCOMPARE(m_login->result(), int(QDialog::Accepted));
        QCOMPARE(m_connects, 1);
        QCOMPARE(m_shown.size(), 0);
    }

    void enterMovesThroughTheFields()
    {
        openLogin(QStringLiteral("0"));
        auto* banco = field<QComboBox>("ComboBanco");
        auto* empresa = field<ui::TNumEdit>("edEmpresa");
        banco->setFocus();
        QTest::keyClick(banco, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), empresa);
        QTest::keyClick(empresa, Qt::Key_Return); // company 0 is outside 1 to 99
        QCOMPARE(QApplication::focusWidget(), empresa);
        QTest::keyClicks(empresa, QStringLiteral("345"));
        QCOMPARE(empresa->text(), QStringLiteral("34"));
        QTest::keyClick(empresa, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), field<QLineEdit>("edUsuario"));
        QTest::keyClicks(field<QLineEdit>("edUsuario"), QStringLiteral("gerente"));
        QCOMPARE(field<QLineEdit>("edUsuario")->text(), QStringLiteral("GERENTE"));
        QTest::keyClick(field<QLineEdit>("edUsuario"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), field<QLineEdit>("edSenha"));
        QCOMPARE(m_connects, 0);
    }
};

int main(int argc, char** argv)
{
    ui::ErrorDisplayApplication app(argc, argv);
    TestLogin test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_login.moc"
