// The program's start: a missing configuration file, a cancelled login, a good login.

#include "ErrorDisplayApplication.h"
#include "Global_Library.h"
#include "MessageBox.h"
#include "Startup.h"
#include "TF_Menu.h"
#include "TestDatabase.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace custos;

namespace {

QWidget* visibleWindow(const QString& name)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

bool anyWindowVisible()
{
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
}

void writeIni(const QTemporaryDir& dir, const QString& service)
{
    QFile ini(dir.filePath(QStringLiteral("velko.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        qFatal("cannot write velko.ini");
    ini.write(QStringLiteral("SERVER NAME=%1\nDEFAULT COMPANY=1\n").arg(service).toUtf8());
}

// Runs `step` once the login window is up (inside its modal loop).
void whenLoginShows(std::function<void(QWidget* login)> step)
{
    QTimer::singleShot(0, qApp, [step] {
        if (QWidget* login = visibleWindow(QStringLiteral("F_login")))
            step(login);
        else
            whenLoginShows(step);
    });
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void missingFileEndsBeforeAnyWindow()
    {
        QTemporaryDir dir;
        QStringList shown;
        bool windowShown = true;
        ui::ScopedMessageHook hook([&](ui::MessageType type, ui::MessageButtons, const QString& text) {
            if (type == ui::MessageType::Error)
                shown.append(text);
            windowShown = anyWindowVisible();
            return ui::MessageResult::Ok;
        });
        QCOMPARE(app::runCustos(dir.path()), 1);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(dir.filePath(QStringLiteral("velko.ini"))), qPrintable(shown[0]));
        QVERIFY(!windowShown);
    }

    void cancelEndsWithoutDatabaseWork()
    {
        QTemporaryDir dir;
        writeIni(dir, QStringLiteral("CUSTOS"));
        bool connected = true;
        bool mainWindowShown = true;
        QString title;
        QString userParam = QStringLiteral("unset");
        whenLoginShows([&](QWidget* login) {
            // No display name: the platform would append it to every window's caption.
            title = QApplication::applicationDisplayName();
            mainWindowShown = visibleWindow(QStringLiteral("F_Menu")) != nullptr;
            login->findChild<QLineEdit*>(QStringLiteral("edUsuario"))->setText(QStringLiteral("GERENTE"));
            login->findChild<QLineEdit*>(QStringLiteral("edSenha"))->setText(QStringLiteral("custos"));
            QTest::mouseClick(login->findChild<QPushButton*>(QStringLiteral("b_cancela")), Qt::LeftButton);
            connected = session::Global_Library::instance()->connection().isConnected();
            userParam = session::Global_Library::instance()->connection().param(QStringLiteral("USER_NAME"));
        });
        QCOMPARE(app::runCustos(dir.path()), 0);
        QCOMPARE(title, QCoreApplication::applicationName());
        QVERIFY(!mainWindowShown);
        QVERIFY(!connected);
        QCOMPARE(userParam, QString()); // the login never set up the connection
        QVERIFY(!anyWindowVisible());
    }

    void goodLoginShowsTheMainWindowMaximised()
    {
        test::TestDatabase db;
        db.exec(QStringLiteral(
            "DELETE FROM velko_cst.usuarios;"
            "INSERT INTO velko_cst.usuarios (username, nivel_acesso) VALUES ('OPERADOR', 'USR');"));
        QTemporaryDir dir;
        writeIni(dir, db.serviceName());
        QStringList shown;
        ui::ScopedMessageHook hook([&](ui::MessageType, ui::MessageButtons, const QString& text) {
            shown.append(text);
            return ui::MessageResult::Ok;
        });
        bool maximised = false;
        bool operador = false;
        std::function<void()> closeMainWindow = [&] {
            auto* menu = qobject_cast<dayproc::TF_Menu*>(visibleWindow(QStringLiteral("F_Menu")));
            // The main window processes pending events while it lays itself out on showing;
            // closing it from there would be undone by the showing itself, so wait for the
            // program's event loop.
            if (!menu || QThread::currentThread()->loopLevel() < 1) {
                QTimer::singleShot(0, qApp, closeMainWindow);
                return;
            }
            maximised = menu->isMaximized();
            operador = menu->user_operador;
            menu->close();
        };
        whenLoginShows([&](QWidget* login) {
            login->findChild<QLineEdit*>(QStringLiteral("edUsuario"))->setText(QStringLiteral("OPERADOR"));
            login->findChild<QLineEdit*>(QStringLiteral("edSenha"))->setText(QStringLiteral("custos"));
            QTest::mouseClick(login->findChild<QPushButton*>(QStringLiteral("b_login")), Qt::LeftButton);
            if (login->isVisible()) // the login failed: end the run
                QTest::mouseClick(login->findChild<QPushButton*>(QStringLiteral("b_cancela")),
                                  Qt::LeftButton);
            else
                QTimer::singleShot(0, qApp, closeMainWindow);
        });
        QCOMPARE(app::runCustos(dir.path()), 0);
        QCOMPARE(shown, QStringList());
        QVERIFY(maximised);
        QVERIFY(operador);
    }
};

int main(int argc, char** argv)
{
    ui::ErrorDisplayApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
