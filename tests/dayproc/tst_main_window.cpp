// The main window on the real server: start-up (unit name, tabs from the unit's flags, the
// database check), the day load (the tab it ends on, the day before the unit's first day, the
// visibility rules, the by-product total written back to the slaughter, a database error in
// the middle, a load inside another operation's overlay), the buttons and read-only datasets,
// the process-type filter, the detail openers and AjustaLayout.

#include "DBLabel.h"
#include "DBXConnection.h"
#include "ErrorDisplayApplication.h"
#include "MenuDay.h"
#include "RecordPanel.h"
#include "ResultBlock.h"
#include "TF_Wait.h"
#include "TabAbateBovinos.h"
#include "WaitOverlay.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace custos;
using custos::dayproc::TF_Menu;
using custos::test::kDia;
using custos::test::kDiaSemMovimentoNoMes;
using custos::test::MenuDay;
using custos::test::Variation;

namespace {

template <class T = QWidget>
T* child(const QObject& menu, const char* name)
{
    T* found = menu.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

QTabWidget* tabs(const TF_Menu& menu)
{
    return child<QTabWidget>(menu, "PageControl_Menu");
}

bool tabShown(const TF_Menu& menu, const char* name)
{
    return tabs(menu)->isTabVisible(tabs(menu)->indexOf(child(menu, name)));
}

QString currentTab(const TF_Menu& menu)
{
    return tabs(menu)->currentWidget()->objectName();
}

int waitOverlays(const TF_Menu& menu)
{
    int shown = 0;
    for (const ui::TF_Wait* overlay : menu.findChildren<ui::TF_Wait*>(Qt::FindDirectChildrenOnly))
        shown += overlay->isVisible() ? 1 : 0;
    return shown;
}

const char* const kEditable[] = {"CDS_Compra", "CDS_AbateProduto", "CDS_MateriaPrima_DT", "CDS_Resultado_DT",
                                 "CDS_ResultadoRevenda"};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MenuDay> m_day;
    std::unique_ptr<TF_Menu> m_menu;

    const test::TestDatabase& db() const { return *m_day->day.db; }

    QString scalar(const QString& sql) const { return db().scalar(sql); }

private Q_SLOTS:
    void initTestCase()
    {
        m_day = std::make_unique<MenuDay>();
        m_menu = m_day->openMenu();
    }

    void init() { m_day->messages.clear(); }

    void startUpShowsTheUnitAndItsTabs()
    {
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("Análise de Resultados"));
        QCOMPARE(child<QLabel>(*m_menu, "Label8")->text(), QStringLiteral("Unidade Teste"));
        QCOMPARE(m_menu->calendarDate(), QDate::currentDate());
        QVERIFY(tabShown(*m_menu, "TabSheet_AbateBovinos"));
        QVERIFY(!tabShown(*m_menu, "TabSheet_AbateSuinos"));
        QVERIFY(tabShown(*m_menu, "TabSheet_Producao"));
        QVERIFY(tabShown(*m_menu, "TabSheet_Revenda"));
        QCOMPARE(child<QPushButton>(*m_menu, "cxButton1")->text(), QStringLiteral("&Gerar"));
        QCOMPARE(child<QPushButton>(*m_menu, "cxButton3")->text(), QStringLiteral("&Fechar"));
        QVERIFY(child<QPushButton>(*m_menu, "cxButton2")->isHidden());
        QVERIFY(child(*m_menu, "Panel306")->isHidden());
    }

    void loadEndsOnTheFirstSlaughterTab_data()
    {
        QTest::addColumn<int>("bovino");
        QTest::addColumn<int>("suino");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cattle and pigs") << 1 << 1 << "TabSheet_AbateBovinos";
        QTest::newRow("pigs only") << 0 << 1 << "TabSheet_AbateSuinos";
        QTest::newRow("no slaughter") << 0 << 0 << "TabSheet_Producao";
    }

    void loadEndsOnTheFirstSlaughterTab()
    {
        QFETCH(int, bovino);
        QFETCH(int, suino);
        QFETCH(QString, expected);
        const Variation v(db(), QStringLiteral("UPDATE velko_cst.unidade SET u_abate_bovino = %1, u_abate_suino = %2")
                                    .arg(bovino)
                                    .arg(suino),
                          QStringLiteral("UPDATE velko_cst.unidade SET u_abate_bovino = 1, u_abate_suino = 0"));
        const auto menu = m_day->openMenu();
        QCOMPARE(tabShown(*menu, "TabSheet_AbateBovinos"), bovino == 1);
        QCOMPARE(tabShown(*menu, "TabSheet_AbateSuinos"), suino == 1);
        for (const QDate& day : {kDia, kDiaSemMovimentoNoMes, kDia}) {
            tabs(*menu)->setCurrentWidget(child(*menu, "TabSheet_Revenda"));
            MenuDay::selectDay(*menu, day);
            QCOMPARE(currentTab(*menu), expected);
        }
        QVERIFY(m_day->messages.empty());
    }

    void dayBeforeTheFirstDayKeepsThePanels()
    {
        const Variation v(db(), QStringLiteral("UPDATE velko_cst.parametros SET data_inicio_sistema = '2024-03-10'"),
                          QStringLiteral("UPDATE velko_cst.parametros SET data_inicio_sistema = '2024-01-01'"));
        MenuDay::selectDay(*m_menu, kDia);
        QStringList before;
        for (const ui::DBLabel* label : m_menu->findChildren<ui::DBLabel*>())
            before.append(label->text());

        QVERIFY(!m_menu->PlannerCalendar1DaySelect(QDate(2024, 3, 5)));
        QCOMPARE(m_day->messages.size(), std::size_t(1));
        QCOMPARE(m_day->messages[0].type, ui::MessageType::Information);
        QCOMPARE(m_day->messages[0].text, QStringLiteral("Versão liberada para informações a partir de 10/03/2024."));
        QStringList after;
        for (const ui::DBLabel* label : m_menu->findChildren<ui::DBLabel*>())
            after.append(label->text());
        QCOMPARE(after, before);
        QVERIFY(m_day->cds("CDS_Abate").recordCount() > 0);
        // The parameter set is the one read for the new day.
        const session::BindValue* day = m_day->day.module->query(QStringLiteral("Q_Parametros")).params().find("DATA");
        QCOMPARE(day->value.toDate(), QDate(2024, 3, 5));
        QVERIFY(m_day->cds("CDS_Parametros").recordCount() == 1);
    }

    void monthlyClosingHidesTheAccumulatedBlocks_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("daily") << "D";
        QTest::newRow("monthly") << "M";
    }

    void monthlyClosingHidesTheAccumulatedBlocks()
    {
        QFETCH(QString, tipo);
        const Variation v(db(), QStringLiteral("UPDATE velko_cst.base_custo SET tipo_fechamento = '%1'").arg(tipo),
                          QStringLiteral("UPDATE velko_cst.base_custo SET tipo_fechamento = 'D'"));
        MenuDay::selectDay(*m_menu, kDia);
        const bool daily = tipo != QLatin1String("M");
        QCOMPARE(!child(*m_menu, "Panel209")->isHidden(), daily);
        QCOMPARE(!child(*m_menu, "Panel339")->isHidden(), daily);
        QVERIFY(!child(*m_menu, "Panel_RevendaAcumulado")->isHidden());
    }

    void aproveitamentoRowFollowsTheOffalCriterion_data()
    {
        QTest::addColumn<QString>("criterio");
        QTest::newRow("credited") << "A";
        QTest::newRow("not credited") << "X";
    }

    void aproveitamentoRowFollowsTheOffalCriterion()
    {
        QFETCH(QString, criterio);
        const Variation v(db(), QStringLiteral("UPDATE velko_cst.base_custo SET criterio_miudos = '%1'").arg(criterio),
                          QStringLiteral("UPDATE velko_cst.base_custo SET criterio_miudos = 'A'"));
        MenuDay::selectDay(*m_menu, kDia);
        const bool credited = criterio == QLatin1String("A");
        const auto* cattle = child<dayproc::TabAbateBovinos>(*m_menu, "TabSheet_AbateBovinos");
        QCOMPARE(child<ui::RecordPanel>(*m_menu, "DBCtrlGrid5")->isItemVisible("VALOR_APROVEITAMENTO_CB"), credited);
        QCOMPARE(child<ui::RecordPanel>(*m_menu, "DBCtrlGrid6")->isItemVisible("VALOR_APROVEITAMENTO_CB"), credited);
        int captions = 0;
        for (const QLabel* label : child(*m_menu, "Panel165")->findChildren<QLabel*>()) {
            if (label->text() == QLatin1String("Aproveitamento(-)")) {
                QCOMPARE(!label->isHidden(), credited);
                ++captions;
            }
        }
        QCOMPARE(captions, 1);
        const auto accumulatedTotal = m_menu->findChildren<ui::DBLabel*>("DTS_AbateAcumulado_T_VALOR_APROVEITAMENTO_CB");
        for (const ui::DBLabel* label : accumulatedTotal) {
            if (cattle->isAncestorOf(label))
                QCOMPARE(!label->isHidden(), credited);
            else
                QVERIFY(!label->isHidden());
        }
        QVERIFY(child<ui::RecordPanel>(*m_menu, "DBCtrlGrid3")->isItemVisible("VALOR_APROVEITAMENTO_CB"));
        QVERIFY(child<ui::RecordPanel>(*m_menu, "DBCtrlGrid4")->isItemVisible("VALOR_APROVEITAMENTO_CB"));
    }

    void yieldIndicatorsFollowTheParameter_data()
    {
        QTest::addColumn<int>("exibe");
        QTest::newRow("shown") << 1;
        QTest::newRow("hidden") << 0;
    }

    void yieldIndicatorsFollowTheParameter()
    {
        QFETCH(int, exibe);
        const Variation v(db(), QStringLiteral("UPDATE velko_cst.base_custo SET exibe_rendimento_abate = %1").arg(exibe),
                          QStringLiteral("UPDATE velko_cst.base_custo SET exibe_rendimento_abate = NULL"));
        MenuDay::selectDay(*m_menu, kDia);
        QCOMPARE(!child(*m_menu, "pnlPesoVivo")->isHidden(), exibe != 0);
    }

    // The slaughter keeps the by-products' total result: a stored total that shows the same at
    // two decimals stays as it is, one that differs is replaced by the products' total.
    void aproveitamentoTotalIsWrittenBackWhenItDiffers_data()
    {
        QTest::addColumn<double>("offset");
        QTest::addColumn<bool>("written");
        QTest::newRow("same at two decimals") << 0.003 << false;
        QTest::newRow("one cent off") << -0.01 << true;
    }

    void aproveitamentoTotalIsWrittenBackWhenItDiffers()
    {
        QFETCH(double, offset);
        QFETCH(bool, written);
        MenuDay::selectDay(*m_menu, kDia);
        const double resultado =
            m_day->cds("CDS_AbateProduto").aggregateByName(QStringLiteral("RESULTADO_GERAL")).asFloat();
        const double stored = std::round(resultado * 100) / 100 + offset;
        const QString update = QStringLiteral("UPDATE velko_cst.abate SET total_aproveitamento = %1");
        const Variation v(db(), update.arg(stored, 0, 'f', 3), update.arg(resultado, 0, 'f', 6));
        MenuDay::selectDay(*m_menu, kDia);
        const double now = scalar(QStringLiteral("SELECT total_aproveitamento FROM velko_cst.abate")).toDouble();
        QCOMPARE(now, written ? std::round(resultado * 1e6) / 1e6 : stored);
        QCOMPARE(m_day->cds("CDS_Abate").changeCount(), 0);
    }

    void closedDayReadsReabrirAndLocksTheEditableDataSets_data()
    {
        QTest::addColumn<QString>("closedTables");
        QTest::addColumn<bool>("closed");
        QTest::newRow("open") << "" << false;
        QTest::newRow("slaughter closed") << "abate" << true;
        QTest::newRow("production closed, resale open") << "industrial" << true;
        QTest::newRow("resale closed") << "revenda" << true;
    }

    void closedDayReadsReabrirAndLocksTheEditableDataSets()
    {
        QFETCH(QString, closedTables);
        QFETCH(bool, closed);
        const QString table = closedTables.isEmpty() ? QStringLiteral("abate") : closedTables;
        const Variation v(db(),
                          closedTables.isEmpty() ? QStringLiteral("SELECT 1")
                                                 : QStringLiteral("UPDATE velko_cst.%1 SET data_fechamento = "
                                                                  "'2024-03-16', usuario_fechamento = 'GERENTE'")
                                                       .arg(table),
                          QStringLiteral("UPDATE velko_cst.%1 SET data_fechamento = NULL, usuario_fechamento = NULL")
                              .arg(table));
        MenuDay::selectDay(*m_menu, kDia);
        QCOMPARE(child<QPushButton>(*m_menu, "cxButton3")->text(),
                 closed ? QStringLiteral("&Reabrir") : QStringLiteral("&Fechar"));
        QVERIFY(child<QPushButton>(*m_menu, "cxButton1")->isEnabled());
        QVERIFY(child<QPushButton>(*m_menu, "cxButton3")->isEnabled());
        for (const char* name : kEditable)
            QVERIFY2(m_day->day.module->dataSet(QString::fromLatin1(name)).isReadOnly() == closed, name);
        QVERIFY(!m_day->cds("CDS_Parametros").isReadOnly());
    }

    void operatorCannotGenerateCloseOrEdit()
    {
        const auto menu = m_day->openMenu(true);
        for (bool closed : {false, true}) {
            const Variation v(db(),
                              closed ? QStringLiteral("UPDATE velko_cst.abate SET data_fechamento = '2024-03-16'")
                                     : QStringLiteral("SELECT 1"),
                              QStringLiteral("UPDATE velko_cst.abate SET data_fechamento = NULL"));
            MenuDay::selectDay(*menu, kDia);
            QVERIFY(!child<QPushButton>(*menu, "cxButton1")->isEnabled());
            QVERIFY(!child<QPushButton>(*menu, "cxButton3")->isEnabled());
            QVERIFY(m_day->cds("CDS_Parametros").isReadOnly());
            for (const char* name : kEditable) {
                const bool expected = closed || QByteArray(name) != "CDS_ResultadoRevenda";
                QVERIFY2(m_day->day.module->dataSet(QString::fromLatin1(name)).isReadOnly() == expected, name);
            }
        }
    }

    void processTypeFilterNarrowsTheFamilies()
    {
        // No production line of the day is of type "T" (Quarteio).
        const Variation v(db(), QStringLiteral("UPDATE velko_pcp.linha_producao SET tipo_processo = 'I' WHERE tipo_processo = 'T'"),
                          QStringLiteral("UPDATE velko_pcp.linha_producao SET tipo_processo = 'T' WHERE id_linha_producao = 90"));
        MenuDay::selectDay(*m_menu, kDia);
        auto* day = child<ui::RecordPanel>(*m_menu, "DBCtrlGrid1");
        auto* period = child<ui::RecordPanel>(*m_menu, "DBCtrlGrid7");
        const int families = day->recordCount();
        const int periodFamilies = period->recordCount();
        QVERIFY(families > 1);
        auto* combo = child<QComboBox>(*m_menu, "cbTipoProcesso");

        combo->setCurrentText(QStringLiteral("Quarteio"));
        QCOMPARE(day->recordCount(), 0);
        QCOMPARE(period->recordCount(), 0);
        QVERIFY(child<ui::DBLabel>(*m_menu, "DTS_Resultado_GERAL_PESO")->text().isEmpty());

        combo->setCurrentText(QStringLiteral("Desossa"));
        QCOMPARE(day->recordCount(), 1);
        QCOMPARE(day->cellText(0, QStringLiteral("DBText30")), QStringLiteral("Cortes Bovinos"));
        QCOMPARE(period->recordCount(), 1);

        // A day load keeps the choice.
        MenuDay::selectDay(*m_menu, kDia);
        QCOMPARE(day->recordCount(), 1);

        combo->setCurrentText(QStringLiteral("Todos"));
        QCOMPARE(day->recordCount(), families);
        QCOMPARE(period->recordCount(), periodFamilies);
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM velko.clausula_in")), QStringLiteral("0"));
        QVERIFY(m_day->messages.empty());
    }

    void databaseErrorDuringTheLoadIsShownAndTheWindowGoesOn()
    {
        const Variation closedDay(db(), QStringLiteral("UPDATE velko_cst.abate SET data_fechamento = '2024-03-16'"),
                                  QStringLiteral("UPDATE velko_cst.abate SET data_fechamento = NULL"));
        const auto menu = m_day->openMenu();
        MenuDay::selectDay(*menu, kDia);
        QCOMPARE(child<QPushButton>(*menu, "cxButton3")->text(), QStringLiteral("&Reabrir"));

        // The server ends the session once the by-product results of the next load are in.
        int overlaysDuringLoad = -1;
        data::ClientDataSet& nivel2 = m_day->cds("CDS_AbateProduto");
        nivel2.setAfterOpen([&](data::DataSet&) {
            overlaysDuringLoad = waitOverlays(*menu);
            db().exec(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                     "WHERE datname = current_database() AND pid <> pg_backend_pid()"));
        });
        MenuDay::selectDay(*menu, kDiaSemMovimentoNoMes);
        nivel2.setAfterOpen({});

        QCOMPARE(overlaysDuringLoad, 1);
        QCOMPARE(m_day->messages.size(), std::size_t(1));
        QCOMPARE(m_day->messages[0].type, ui::MessageType::Error);
        QVERIFY2(m_day->messages[0].text.startsWith(
                     QStringLiteral("A conexão com o banco de dados foi perdida. A próxima operação reconectará.\r")),
                 qPrintable(m_day->messages[0].text));
        QCOMPARE(waitOverlays(*menu), 0);
        // The slaughter was closed by the load before the failure: the buttons were recomputed.
        QCOMPARE(child<QPushButton>(*menu, "cxButton3")->text(), QStringLiteral("&Fechar"));
        QVERIFY(!child<ui::RecordPanel>(*menu, "DBCtrlGrid5")->isDisplaySuspended());
        QVERIFY(menu->isVisible());

        // The window goes on, and the next click reconnects with the same login.
        m_day->messages.clear();
        MenuDay::selectDay(*menu, kDia);
        QVERIFY(m_day->messages.empty());
        QVERIFY(child<ui::RecordPanel>(*menu, "DBCtrlGrid5")->shownRecordCount() > 0);
    }

    void loadInsideAnotherOperationLeavesItsOverlay()
    {
        const ui::WaitOverlay operation(m_menu.get());
        QCOMPARE(waitOverlays(*m_menu), 1);
        MenuDay::selectDay(*m_menu, kDia);
        QVERIFY(m_menu->Waiting);
        QCOMPARE(waitOverlays(*m_menu), 1);
    }

    void detailOpenersCheckTheSlaughterAndGetTheDay()
    {
        QStringList opened;
        QDate openedDay;
        const auto opener = [&](const char* name) {
            return [&opened, &openedDay, name](QWidget*, const QDate& day) {
                opened.append(QString::fromLatin1(name));
                openedDay = day;
            };
        };
        m_menu->setResultWindowOpeners({opener("bovinos"), opener("suinos"), opener("industrializado"),
                                        opener("revenda")});

        MenuDay::selectDay(*m_menu, kDiaSemMovimentoNoMes);
        m_menu->Label38Click();
        m_menu->Label44Click();
        QCOMPARE(m_day->messages.size(), std::size_t(2));
        QCOMPARE(m_day->messages[0].text, QStringLiteral("Não existe informação a ser detalhada. Por favor, "
                                                         "selecione uma data com movimento de abate."));
        QVERIFY(opened.isEmpty());

        MenuDay::selectDay(*m_menu, kDia);
        QTest::mouseClick(child(*m_menu, "Label38"), Qt::LeftButton);
        QCOMPARE(opened, QStringList{QStringLiteral("bovinos")});
        QCOMPARE(openedDay, kDia);

        // A click on the second family's name makes it the current row, then opens its result.
        tabs(*m_menu)->setCurrentWidget(child(*m_menu, "TabSheet_Producao"));
        auto* families = child<ui::RecordPanel>(*m_menu, "DBCtrlGrid1");
        QVERIFY(families->shownRecordCount() >= 2);
        QTest::mouseClick(families, Qt::LeftButton, {}, QPoint(40, dayproc::resultRowHeight + 20));
        QCOMPARE(opened.last(), QStringLiteral("industrializado"));
        QCOMPARE(m_day->cds("CDS_Resultado").recNo(), 2);
        // Beside the name nothing opens.
        QTest::mouseClick(families, Qt::LeftButton, {}, QPoint(300, 20));
        QCOMPARE(opened.size(), 2);
        QCOMPARE(m_day->cds("CDS_Resultado").recNo(), 1);
        m_menu->setResultWindowOpeners({});
    }

    void ajustaLayoutSharesTheCattleWidth_data()
    {
        QTest::addColumn<int>("windowWidth");
        QTest::newRow("wide") << 1600;
        QTest::newRow("medium") << 1100;
    }

    void ajustaLayoutSharesTheCattleWidth()
    {
        QFETCH(int, windowWidth);
        MenuDay::selectDay(*m_menu, kDia);
        m_menu->resize(windowWidth, 900);
        QCOMPARE(currentTab(*m_menu), QStringLiteral("TabSheet_AbateBovinos"));
        const int upper = child(*m_menu, "Panel149")->width();
        const int accumulated = (upper - 111) / 2;
        QCOMPARE(child(*m_menu, "Panel209")->width(), accumulated);
        QCOMPARE(child(*m_menu, "Panel337")->width(), upper - 111 - accumulated);
        for (const auto& [name, grid] : {std::pair{"DBCtrlGrid5", upper - 111 - accumulated - 124},
                                         std::pair{"DBCtrlGrid6", accumulated - 118}}) {
            auto* panel = child<ui::RecordPanel>(*m_menu, name);
            QCOMPARE(panel->width(), grid);
            const int n = grid / 100;
            const int cell = 100 + (grid - 100 * n) / n;
            QCOMPARE(panel->cellExtent(), cell);
            QCOMPARE(panel->pageCount(), grid / cell);
        }
        tabs(*m_menu)->setCurrentWidget(child(*m_menu, "TabSheet_Producao"));
        const int area = child(*m_menu, "Panel_Principal")->width();
        const int grid = child(*m_menu, "DBCtrlGrid1")->width();
        const bool fits = windowWidth - 239 >= grid + 10;
        QCOMPARE(child(*m_menu, "Panel1")->x(), fits ? (area - grid) / 2 : 5);
        QCOMPARE(child(*m_menu, "Panel339")->x(), fits ? (area - child(*m_menu, "Shape1")->width()) / 2 : 5);
        QCOMPARE(child<ui::RecordPanel>(*m_menu, "DBCtrlGrid1")->pageCount(), child(*m_menu, "Panel347")->height() / 48);
        tabs(*m_menu)->setCurrentWidget(child(*m_menu, "TabSheet_AbateBovinos"));
    }

    void narrowGridsKeepTheirColumns()
    {
        MenuDay::selectDay(*m_menu, kDia);
        m_menu->resize(1280, 900);
        auto* day = child<ui::RecordPanel>(*m_menu, "DBCtrlGrid5");
        const int pages = day->pageCount();
        const int cells = day->cellExtent();
        // The accumulated grid is narrower than one cell of 100 pixels.
        m_menu->resize(239 + 111 + 2 * 200, 900);
        QVERIFY(child(*m_menu, "DBCtrlGrid6")->width() < 100);
        QCOMPARE(day->pageCount(), pages);
        QCOMPARE(day->cellExtent(), cells);
        m_menu->resize(1280, 900);
    }

    // At the window's smallest size the calendar keeps its "Hoje" line whole, clear of the buttons.
    void smallestWindowKeepsTheTodayLineClear()
    {
        MenuDay::selectDay(*m_menu, kDia);
        m_menu->resize(1, 1); // held at the window's minimum
        QApplication::processEvents();
        // The line is the calendar's last, at the bottom of its size hint.
        QWidget* calendar = child(*m_menu, "PlannerCalendar1");
        QWidget* column = child(*m_menu, "Panel129");
        QVERIFY2(calendar->height() >= calendar->sizeHint().height(),
                 qPrintable(QStringLiteral("calendar %1 of %2 pixels").arg(calendar->height()).arg(calendar->sizeHint().height())));
        QVERIFY(calendar->geometry().bottom() < child(*m_menu, "Panel350")->geometry().top());
        QVERIFY(column->rect().contains(calendar->geometry()));
        m_menu->resize(1280, 900);
    }

    void connectedToAUnitDatabaseEndsTheProgram()
    {
        const Variation v(db(), QStringLiteral("UPDATE velko_cst.unidade SET tnsnames = '%1'").arg(db().serviceName()),
                          QStringLiteral("UPDATE velko_cst.unidade SET tnsnames = 'CUSTOS'"));
        m_day->day.connection->setParam(QStringLiteral("DATABASE"), db().serviceName());
        const auto menu = m_day->openMenu();
        QCOMPARE(m_day->messages.size(), std::size_t(1));
        QCOMPARE(m_day->messages[0].type, ui::MessageType::Error);
        QCOMPARE(m_day->messages[0].text, QStringLiteral("Acesso ao banco de dados não permitido. Conecte-se no banco "
                                                         "de dados liberado para processamento do custo."));
        // The start-up still ran to its end; the window closes when the event loop runs.
        QCOMPARE(child<QLabel>(*menu, "Label8")->text(), QStringLiteral("Unidade Teste"));
        QTRY_VERIFY(!menu->isVisible());
    }
};

int main(int argc, char** argv)
{
    ui::ErrorDisplayApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_main_window.moc"
