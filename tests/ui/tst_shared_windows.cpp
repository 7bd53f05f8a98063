// The shared window pieces: base windows, the wait overlay, message boxes and the
// application-wide error display.

#include "DatabaseError.h"
#include "ErrorDisplay.h"
#include "ErrorDisplayApplication.h"
#include "MessageBox.h"
#include "SearchComponent.h"
#include "TCF_Single_Form7.h"
#include "TF_Wait.h"
#include "WaitOverlay.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace custos::ui;

namespace {

struct Shown
{
    MessageType type;
    MessageButtons buttons;
    QString text;
};

class CountingSearch : public SearchComponent
{
public:
    using SearchComponent::SearchComponent;
    void search() override { ++searches; }
    void clearFilter() override { ++clears; }
    int searches = 0;
    int clears = 0;
};

// A window whose operation fails the way a refused statement does.
class FailingWindow : public QWidget
{
public:
    void operation()
    {
        ++runs;
        throw custos::session::DatabaseError(QStringLiteral("permission denied for table abate_preco"),
                                             QStringLiteral("42501"),
                                             custos::session::DatabaseError::summaryOf(QStringLiteral("42501")));
    }
    int runs = 0;
};

bool showAndActivate(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class TestSharedWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void enterMovesFocusLikeTab()
    {
        TCF_Single_Form7 window;
        auto* first = new QLineEdit(window.body());
        auto* second = new QLineEdit(window.body());
        auto* layout = new QVBoxLayout(window.body());
        layout->addWidget(first);
        layout->addWidget(second);
        QVERIFY(showAndActivate(window));
        first->setFocus();
        int returns = 0;
        connect(first, &QLineEdit::returnPressed, this, [&] { ++returns; });
        QTest::keyClick(first, Qt::Key_Return);
        QVERIFY(second->hasFocus());
        QCOMPARE(returns, 0);
        QTest::keyClick(second, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!second->hasFocus());
        QVERIFY(window.isVisible());
    }

    void searchItemsFollowTheSearchComponent()
    {
        TCF_Single_Form7 plain;
        QVERIFY(showAndActivate(plain));
        QVERIFY(!plain.findChild<QAction*>(QStringLiteral("Localizar"))->isVisible());
        QVERIFY(!plain.findChild<QAction*>(QStringLiteral("LimparFiltro"))->isVisible());

        TCF_Single_Form7 searching;
        auto* search = new CountingSearch(&searching);
        QVERIFY(showAndActivate(searching));
        QVERIFY(searching.findChild<QAction*>(QStringLiteral("Localizar"))->isVisible());
        QTest::keyClick(&searching, Qt::Key_F9);
        QTest::keyClick(&searching, Qt::Key_F10);
        QTest::keyClick(&searching, Qt::Key_F10);
        QCOMPARE(search->searches, 1);
        QCOMPARE(search->clears, 2);
    }

    void sairCloses()
    {
        TCF_Single_Form7 window;
        QVERIFY(showAndActivate(window));
        auto* sair = window.findChild<QToolButton*>(QStringLiteral("B_Sair"));
        QCOMPARE(sair->text(), QStringLiteral("&Sair"));
        QCOMPARE(sair->size(), QSize(70, 26));
        QTest::mouseClick(sair, Qt::LeftButton);
        QVERIFY(!window.isVisible());

        QVERIFY(showAndActivate(window));
        QTest::keyClick(&window, Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(!window.isVisible());
    }

    void waitOverlayOneAtATime()
    {
        QWidget owner;
        owner.setGeometry(100, 50, 800, 600);
        owner.show();
        const QRect frame = owner.frameGeometry();
        {
            WaitOverlay outer(&owner);
            auto overlays = owner.findChildren<TF_Wait*>();
            QCOMPARE(overlays.size(), 1);
            QVERIFY(overlays[0]->isVisible());
            QCOMPARE(overlays[0]->geometry(),
                     QRect(frame.left(), frame.top() + 20, frame.width(), frame.height() - 20));
            QCOMPARE(overlays[0]->findChild<QLabel*>()->text(), QStringLiteral("Aguarde..."));
            {
                WaitOverlay nested(&owner);
                QCOMPARE(owner.findChildren<TF_Wait*>().size(), 1);
            }
            QCOMPARE(owner.findChildren<TF_Wait*>().size(), 1);
            QVERIFY(WaitOverlay::isShowing(&owner));
        }
        QCOMPARE(owner.findChildren<TF_Wait*>().size(), 0);

        try {
            WaitOverlay failing(&owner);
            throw std::runtime_error("work failed");
        } catch (const std::runtime_error&) {
        }
        QVERIFY(!WaitOverlay::isShowing(&owner));
    }

    void messageBoxShowsCarriageReturnAsLineBreak()
    {
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            box->button(QMessageBox::No)->click();
        });
        const MessageResult answer = showMessage(MessageType::Confirmation, MessageButtons::YesNo,
                                                 QStringLiteral("Dias abertos:\r01/03/2024\rmais..."));
        QCOMPARE(answer, MessageResult::No);
        QCOMPARE(text, QStringLiteral("Dias abertos:\n01/03/2024\nmais..."));
        QCOMPARE(title, QStringLiteral("Varnelle CUSTOS"));
        QCOMPARE(icon, QMessageBox::Question);
    }

    // Operations catch their errors where they start, whatever started them; the display shows
    // the Portuguese sentence over the server's message, and the program goes on.
    void operationErrorsReachTheDisplay_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("click") << QStringLiteral("click");
        QTest::newRow("timer") << QStringLiteral("timer");
        QTest::newRow("key") << QStringLiteral("key");
    }
    void operationErrorsReachTheDisplay()
    {
        QFETCH(QString, entry);
        QList<Shown> shown;
        ScopedMessageHook hook([&](MessageType type, MessageButtons buttons, const QString& text) {
            shown.append({type, buttons, text});
            return MessageResult::Ok;
        });
        FailingWindow window;
        auto* button = new QPushButton(QStringLiteral("falha"), &window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, &window, guardedSlot(&window, &FailingWindow::operation));
        auto* shortcut = new QAction(&window);
        shortcut->setShortcut(QKeySequence(Qt::Key_F5));
        window.addAction(shortcut);
        connect(shortcut, &QAction::triggered, &window, guardedSlot(&window, &FailingWindow::operation));
        QVERIFY(showAndActivate(window));

        for (int run = 1; run <= 2; ++run) {
            if (entry == QLatin1String("click"))
                QTest::mouseClick(button, Qt::LeftButton);
            else if (entry == QLatin1String("key"))
                QTest::keyClick(&window, Qt::Key_F5);
            else
                QTimer::singleShot(0, &window, guardedSlot(&window, &FailingWindow::operation));
            QTRY_COMPARE(shown.size(), run);
            QCOMPARE(window.runs, run);
            QCOMPARE(shown.last().type, MessageType::Error);
            QCOMPARE(shown.last().text, QStringLiteral("Permissão negada para esta operação.\r"
                                                       "permission denied for table abate_preco"));
            QVERIFY(window.isVisible());
        }
    }

    void errorDisplayShowsHandlerErrors()
    {
        QList<Shown> shown;
        ScopedMessageHook hook([&](MessageType type, MessageButtons buttons, const QString& text) {
            shown.append({type, buttons, text});
            return MessageResult::Ok;
        });
        QWidget window;
        auto* failing = new QPushButton(QStringLiteral("falha"), &window);
        auto* working = new QPushButton(QStringLiteral("funciona"), &window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(failing);
        layout->addWidget(working);
        int clicks = 0;
        connect(failing, &QPushButton::clicked, this, [&] {
            throw custos::session::DatabaseError(QStringLiteral("ORA-00942: a tabela não existe"),
                                                 QStringLiteral("42P01"));
        });
        connect(working, &QPushButton::clicked, this, [&] { ++clicks; });
        QVERIFY(showAndActivate(window));

        QTest::mouseClick(failing, Qt::LeftButton);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].type, MessageType::Error);
        QCOMPARE(shown[0].buttons, MessageButtons::Ok);
        QCOMPARE(shown[0].text, QStringLiteral("ORA-00942: a tabela não existe"));

        QTest::mouseClick(working, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QVERIFY(!failing->isDown());
        QTest::mouseClick(failing, Qt::LeftButton);
        QCOMPARE(shown.size(), 2);
        QVERIFY(window.isVisible());
    }
};

int main(int argc, char** argv)
{
    ErrorDisplayApplication app(argc, argv);
    TestSharedWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shared_windows.moc"
