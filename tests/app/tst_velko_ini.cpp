// The configuration file velko.ini and how the login window takes it.

#include "Global_Library.h"
#include "TF_Menu.h"
#include "TF_login.h"
#include "TNumEdit.h"
#include "VelkoIni.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using custos::app::VelkoIni;

class TestVelkoIni : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void values_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("serverName");
        QTest::addColumn<QString>("defaultCompany");
        QTest::newRow("names in any case")
            << QByteArray("server name=CUSTOS\nDefault Company=1\n") << "CUSTOS"
            << "1";
        QTest::newRow("value not trimmed")
            << QByteArray("SERVER NAME= CUSTOS \nDEFAULT COMPANY=2") << " CUSTOS "
            << "2";
        QTest::newRow("equals sign in value") << QByteArray("SERVER NAME=A=B\n") << "A=B"
                                              << "";
        QTest::newRow("section and line without =")
            << QByteArray("[VELKO]\nSERVER NAME\nDEFAULT COMPANY=3\nSERVER NAME=CUSTOS\n") << "CUSTOS"
            << "3";
        QTest::newRow("missing key") << QByteArray("DEFAULT COMPANY=1\n") << ""
                                     << "1";
        QTest::newRow("CRLF and byte order mark")
            << QByteArray("\xEF\xBB\xBFSERVER NAME=CUSTOS\r\nDEFAULT COMPANY=4\r\n") << "CUSTOS"
            << "4";
        QTest::newRow("first of two lines") << QByteArray("SERVER NAME=UM\nSERVER NAME=DOIS\n") << "UM"
                                            << "";
    }

    void values()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("velko.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        const VelkoIni ini = VelkoIni::load(path);
        QTEST(ini.value(QStringLiteral("SERVER NAME")), "serverName");
        QTEST(ini.value(QStringLiteral("DEFAULT COMPANY")), "defaultCompany");
    }

    void missingFileRaises()
    {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(custos::app::ConfigurationError,
                                 VelkoIni::load(dir.filePath(QStringLiteral("velko.ini"))));
    }

    void loginWindowTakesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("velko.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("SERVER NAME=CUSTOS\nDEFAULT COMPANY=123\n");
        file.close();

        custos::session::Global_Library library;
        custos::dayproc::TF_Menu menu;
        custos::app::TF_login login(library, menu);
        auto* senha = login.findChild<QLineEdit*>(QStringLiteral("edSenha"));
        senha->setText(QStringLiteral("antiga"));
        login.loadSettings(path);
        QCOMPARE(login.findChild<QComboBox*>(QStringLiteral("ComboBanco"))->currentText(),
                 QStringLiteral("CUSTOS"));
        // Kept whole, though more than the two characters the field takes from the keyboard.
        QCOMPARE(login.findChild<custos::ui::TNumEdit*>(QStringLiteral("edEmpresa"))->text(),
                 QStringLiteral("123"));
        QCOMPARE(senha->text(), QString());
        login.show();
        QVERIFY(QTest::qWaitForWindowActive(&login));
        QCOMPARE(QApplication::focusWidget(), login.findChild<QLineEdit*>(QStringLiteral("edUsuario")));
    }
};

QTEST_MAIN(TestVelkoIni)
#include "tst_velko_ini.moc"
