// The day operations from the main window on the real server (offscreen): "&Gerar" with its
// checks, dialog, log and reload; "&Fechar"/"&Reabrir" with every check in its order, the
// confirmations and the transaction; the price capture undo and the generation and closing
// history.

#include "DayOperationsFixture.h"
#include "ErrorDisplayApplication.h"
#include "LockedUnitDay.h"
#include "MenuDay.h"

#include "GridView.h"
#include "GridColumn.h"
#include "RowSource.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

using namespace custos;
using namespace custos::test;
using dayproc::TF_Menu;

namespace {

template <class T = QWidget>
T* child(const QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// Days of resale before (or after) the fixture day, open (or closed), n of them.
QString resaleDays(int n, int direction, bool closed)
{
    return QStringLiteral("INSERT INTO velko_cst.revenda (id_revenda, id_unidade, data, data_fechamento)"
                          " SELECT 900000 + g, 1, date '2024-03-15' + %1 * g, %2 FROM generate_series(1, %3) g")
        .arg(direction)
        .arg(closed ? QStringLiteral("date '2024-04-30'") : QStringLiteral("NULL"))
        .arg(n);
}
const QString removeResaleDays = QStringLiteral("DELETE FROM velko_cst.revenda WHERE id_revenda BETWEEN 900001 AND 900099");

QString shortDates(const QDate& first, int n, int step)
{
    QString out;
    for (int i = 0; i < n; ++i)
        out += first.addDays(i * step).toString(QStringLiteral("dd/MM/yyyy")) + u'\r';
    return out;
}

const QString reopenAll = QStringLiteral(
    "UPDATE velko_cst.abate SET data_fechamento = NULL, usuario_fechamento = NULL;"
    "UPDATE velko_cst.industrial SET data_fechamento = NULL, usuario_fechamento = NULL;"
    "UPDATE velko_cst.revenda SET data_fechamento = NULL, usuario_fechamento = NULL");

} // namespace

class TestDayOperations : public QObject
{
    Q_OBJECT

    std::unique_ptr<MenuDay> m_day;
    std::unique_ptr<TF_Menu> m_menu;

    const TestDatabase& db() const { return *m_day->day.db; }
    QString scalar(const QString& sql) const { return db().scalar(sql); }
    QString closingState() const
    {
        return scalar(QStringLiteral("select (select count(data_fechamento) from velko_cst.abate) || ','"
                                     " || (select count(data_fechamento) from velko_cst.industrial) || ','"
                                     " || (select count(data_fechamento) from velko_cst.revenda)"));
    }
    QString button3() const { return child<QPushButton>(*m_menu, "cxButton3")->text(); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(*m_menu, name), Qt::LeftButton); }

    // Presses "&OK" (or "&Cancela") in the generation dialog once it shows; the log lines it shows
    // while the run's error box is up land in logAtError.
    QStringList m_logAtError;
    void answerGeneration(bool ok, MessageAnswers& answers)
    {
        m_logAtError.clear();
        whenModal(QStringLiteral("F_GerarCusto"), [this, ok, &answers](QWidget* dialog) {
            QCOMPARE(child<QDateEdit>(*dialog, "cxDateEdit1")->date(), m_menu->calendarDate());
            QVERIFY(!child<QDateEdit>(*dialog, "cxDateEdit1")->isEnabled());
            QVERIFY(child<QCheckBox>(*dialog, "cxCheckBox1")->isChecked());
            auto* log = child<QPlainTextEdit>(*dialog, "cxLogOutput");
            answers.onShown = [this, log] { m_logAtError = log->toPlainText().split(u'\n'); };
            QTest::mouseClick(child<QPushButton>(*dialog, ok ? "cxButton1" : "cxButton2"), Qt::LeftButton);
        });
    }


    // The undoable captures of the fixture day, newest first, as the undo window lists them.
    int undoableCaptures() const
    {
        return scalar(QStringLiteral("select count(distinct data_historico) from velko_cst.abate_preco_historico a"
                                     " where not exists (select 1 from velko_cst.abate_preco ap"
                                     "                    where ap.id_abate_preco_historico = a.id_abate_preco_historico)"))
            .toInt();
    }
    QString prices() const
    {
        return scalar(QStringLiteral("select string_agg(round(preco, 4)::text, ',' order by sequencial_produto) from velko_cst.abate_preco"));
    }
    QString shownPrices() const
    {
        data::ClientDataSet& produto = m_day->cds("CDS_AbateProduto");
        QStringList out;
        for (int row = 0; row < produto.recordCount(); ++row)
            out << QString::number(produto.value(row, produto.fieldByName(QStringLiteral("PRECO")).index()).toDouble(), 'f', 4);
        return out.join(u',');
    }
    static void clickMark(QWidget* window, int row)
    {
        auto* grid = child<grid::GridView>(*window, "cxGridHistorico");
        const QPoint box = grid->cellRect(grid->model().lineOfSourceRow(row), grid->column(QStringLiteral("SELECIONADO"))).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, box);
    }
    static QList<int> marks(QWidget* window)
    {
        auto* grid = child<grid::GridView>(*window, "cxGridHistorico");
        Q_UNUSED(grid);
        data::ClientDataSet& h = data::TDataModule_Custo::instance()->clientDataSet(QStringLiteral("CDS_HistoricoCusto"));
        QList<int> out;
        for (int row = 0; row < h.recordCount(); ++row)
            out << h.value(row, h.fieldByName(QStringLiteral("SELECIONADO")).index()).toInt();
        return out;
    }
    void openUndo() { QTest::mouseClick(child<QLabel>(*m_menu, "lblDesfazerCapturaPreco"), Qt::LeftButton); }

private Q_SLOTS:
    void initTestCase()
    {
        m_day = std::make_unique<MenuDay>();
        m_menu = m_day->openMenu();
    }
    void init()
    {
        db().exec(reopenAll);
        MenuDay::selectDay(*m_menu, kDia);
    }

    // OK runs the blocks and the day is read again; Cancela sends nothing and still reloads.
    // The resale closed behind the window's back shows after the reload.
    void generationReloadsTheDay_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancela") << false;
    }
    void generationReloadsTheDay()
    {
        QFETCH(bool, ok);
        const QString logs = scalar(QStringLiteral("select count(*) from velko_cst.log_custo"));
        db().exec(QStringLiteral("UPDATE velko_cst.revenda SET data_fechamento = date '2024-03-16'"));
        QCOMPARE(button3(), QStringLiteral("&Fechar"));
        MessageAnswers answers;
        answerGeneration(ok, answers);
        click("cxButton1");
        QVERIFY(answers.shown.empty());
        QCOMPARE(scalar(QStringLiteral("select count(*) from velko_cst.log_custo")).toInt(), logs.toInt() + (ok ? 1 : 0));
        QCOMPARE(button3(), QStringLiteral("&Reabrir"));
        QCOMPARE(m_menu->calendarDate(), kDia);
    }

    // A failing block stops the run: its error is shown while the log keeps the lines written
    // so far, and the day is reloaded.
    void failingBlockKeepsTheLogAndReloads()
    {
        const Variation failing(db(),
                                QStringLiteral("create function velko_cst.falha() returns trigger language plpgsql as "
                                               "$$ begin raise exception 'falha injetada'; end $$;"
                                               "create trigger falha before insert on velko_cst.abate_quartos "
                                               "for each statement execute function velko_cst.falha();"),
                                QStringLiteral("drop trigger falha on velko_cst.abate_quartos; drop function velko_cst.falha()"));
        db().exec(QStringLiteral("UPDATE velko_cst.revenda SET data_fechamento = date '2024-03-16'"));
        MessageAnswers answers;
        answerGeneration(true, answers);
        click("cxButton1");
        QCOMPARE(answers.shown.size(), std::size_t(1));
        QCOMPARE(answers.shown[0].type, ui::MessageType::Error);
        QVERIFY2(answers.shown[0].text.contains(QStringLiteral("falha injetada")), qPrintable(answers.shown[0].text));
        const QString tns = scalar(QStringLiteral("select tnsnames from velko_cst.unidade where id_unidade = 1"));
        QCOMPARE(m_logAtError, (QStringList{QStringLiteral("Conectando em ") + tns + QStringLiteral("..."), QStringLiteral("."),
                                            QStringLiteral("Gerando informações de custo")}));
        QCOMPARE(button3(), QStringLiteral("&Reabrir"));
    }

    void generationChecks_data()
    {
        QTest::addColumn<QString>("variation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("detail");
        QTest::newRow("slaughter closed")
            << QStringLiteral("UPDATE velko_cst.abate SET data_fechamento = date '2024-03-16'")
            << QStringLiteral("O dia já foi fechado. Para reprocessar você deverá reabrir o dia.") << QString();
        QTest::newRow("thirteen later closings")
            << resaleDays(13, 1, true)
            << QStringLiteral("Existem fechamentos posteriores a esta data.\rPara reabrir essa data você deverá desfazer o "
                              "fechamento das seguintes datas:\r") + shortDates(QDate(2024, 3, 28), 13, -1) + QStringLiteral("mais...")
            << QString();
        QTest::newRow("fourteen later closings")
            << resaleDays(14, 1, true)
            << QStringLiteral("Existem fechamentos posteriores a esta data.\rPara reabrir essa data você deverá desfazer o "
                              "fechamento das seguintes datas:\r") + shortDates(QDate(2024, 3, 29), 13, -1) + QStringLiteral("mais...")
            << shortDates(QDate(2024, 3, 29), 14, -1);
    }
    void generationChecks()
    {
        QFETCH(QString, variation);
        const Variation v(db(), variation, removeResaleDays);
        MenuDay::selectDay(*m_menu, kDia);
        const QString logs = scalar(QStringLiteral("select count(*) from velko_cst.log_custo"));
        MessageAnswers answers;
        click("cxButton1");
        QCOMPARE(answers.shown.size(), std::size_t(1));
        QTEST(answers.shown[0].text, "message");
        QTEST(answers.shown[0].detail, "detail");
        QCOMPARE(scalar(QStringLiteral("select count(*) from velko_cst.log_custo")), logs);
        db().exec(reopenAll);
    }

    // Close, then reopen: every present process, each path's messages, the button after it.
    void closeThenReopen()
    {
        MessageAnswers answers;
        click("cxButton3");
        QCOMPARE(answers.texts(), (QStringList{QStringLiteral("Deseja realizar o fechamento do custo ?"),
                                               QStringLiteral("Processo de fechamento concluído!")}));
        QCOMPARE(closingState(), QStringLiteral("1,1,1"));
        QCOMPARE(button3(), QStringLiteral("&Reabrir"));
        QVERIFY(scalar(QStringLiteral("select historico from velko_cst.log_custo order by id_log_custo desc limit 1"))
                    .contains(QStringLiteral("resultado dos aproveitamentos")));
        answers.shown.clear();
        click("cxButton3");
        QCOMPARE(answers.texts(), (QStringList{QStringLiteral("Deseja DESFAZER o fechamento do custo ?"),
                                               QStringLiteral("Processo de reabertura concluído!")}));
        QCOMPARE(closingState(), QStringLiteral("0,0,0"));
        QCOMPARE(button3(), QStringLiteral("&Fechar"));
    }

    // Slaughter closed and production open: the button reads "&Reabrir" but closes, the
    // slaughter's id sent with the production's.
    void partlyClosedDayCloses()
    {
        db().exec(QStringLiteral("UPDATE velko_cst.abate SET data_fechamento = date '2024-03-16'"));
        MenuDay::selectDay(*m_menu, kDia);
        QCOMPARE(button3(), QStringLiteral("&Reabrir"));
        MessageAnswers answers;
        click("cxButton3");
        QCOMPARE(answers.texts().first(), QStringLiteral("Deseja realizar o fechamento do custo ?"));
        QCOMPARE(closingState(), QStringLiteral("1,1,1"));
        const QString log = scalar(QStringLiteral("select historico from velko_cst.log_custo order by id_log_custo desc limit 1"));
        QVERIFY2(log.contains(QStringLiteral("produção, revenda;")), qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("resultado dos aproveitamentos")), qPrintable(log));
    }

    // A day with only resale after a day with a slaughter, in the same session: its closing sends
    // no slaughter and the unit of its empty production result (null); the package finds the
    // unit from the resale.
    void resaleOnlyDayAfterASlaughterDay()
    {
        const QDate resaleOnly(2024, 3, 18);
        const Variation day(db(), QStringLiteral("INSERT INTO velko_cst.revenda (id_revenda, id_unidade, data) VALUES (900050, 1, date '2024-03-18')"),
                            removeResaleDays);
        MessageAnswers answers;
        click("cxButton3");
        MenuDay::selectDay(*m_menu, resaleOnly);
        QVERIFY(m_day->cds("CDS_Resultado").isEmpty());
        QVERIFY(m_day->cds("CDS_Abate").isEmpty());
        click("cxButton3");
        QCOMPARE(answers.texts().last(), QStringLiteral("Processo de fechamento concluído!"));
        QCOMPARE(scalar(QStringLiteral("select count(data_fechamento) from velko_cst.revenda where id_revenda = 900050")), QStringLiteral("1"));
        const QString log = scalar(QStringLiteral("select historico from velko_cst.log_custo where data_custo = date '2024-03-18'"));
        QCOMPARE(log, QStringLiteral("Fechamento do custo de 18/03/2024: revenda."));
    }

    // Answering No closes nothing and still reloads the slaughter and production.
    void answeringNoStillRefreshes()
    {
        db().exec(QStringLiteral("UPDATE velko_cst.industrial SET data_fechamento = date '2024-03-16'"));
        QCOMPARE(button3(), QStringLiteral("&Fechar"));
        MessageAnswers answers;
        answers.answers = {ui::MessageResult::No};
        click("cxButton3");
        QCOMPARE(answers.texts(), QStringList{QStringLiteral("Deseja realizar o fechamento do custo ?")});
        QCOMPARE(closingState(), QStringLiteral("0,1,0"));
        QCOMPARE(button3(), QStringLiteral("&Reabrir"));
    }

    // A procedure that refuses rolls the transaction back: the day stays as it was, the error is
    // shown and nothing more happens.
    void refusedClosingRollsBack()
    {
        const Variation refusing(db(),
                                 QStringLiteral("create function velko_cst.recusa() returns trigger language plpgsql as "
                                                "$$ begin raise exception 'fechamento recusado'; end $$;"
                                                "create trigger recusa before insert on velko_cst.log_custo "
                                                "for each statement execute function velko_cst.recusa();"),
                                 QStringLiteral("drop trigger recusa on velko_cst.log_custo; drop function velko_cst.recusa()"));
        MessageAnswers answers;
        click("cxButton3");
        QCOMPARE(answers.shown.size(), std::size_t(2));
        QCOMPARE(answers.shown[1].type, ui::MessageType::Error);
        QVERIFY(answers.shown[1].text.contains(QStringLiteral("fechamento recusado")));
        QCOMPARE(closingState(), QStringLiteral("0,0,0"));
        QCOMPARE(button3(), QStringLiteral("&Fechar"));
    }

    void closingChecks_data()
    {
        QTest::addColumn<QString>("variation");
        QTest::addColumn<QString>("undo");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("detail");
        QTest::newRow("production warning")
            << QStringLiteral("UPDATE velko_cst.industrial SET msg_advertencia = 'Ordem 7 sem matéria-prima'")
            << QStringLiteral("UPDATE velko_cst.industrial SET msg_advertencia = NULL")
            << QStringLiteral("Não é possível processar fechamento: Ordem 7 sem matéria-prima") << QString();
        QTest::newRow("fourteen earlier open days")
            << resaleDays(14, -1, false) << removeResaleDays
            << QStringLiteral("Existem datas anteriores sem fechamento.\rVocê deve executar o fechamento dos seguintes dias abaixo:\r") +
                   shortDates(QDate(2024, 3, 1), 13, 1) + QStringLiteral("mais...")
            << shortDates(QDate(2024, 3, 1), 14, 1);
    }
    void closingChecks()
    {
        QFETCH(QString, variation);
        QFETCH(QString, undo);
        const Variation v(db(), variation, undo);
        MenuDay::selectDay(*m_menu, kDia);
        MessageAnswers answers;
        click("cxButton3");
        QCOMPARE(answers.shown.size(), std::size_t(1));
        QCOMPARE(answers.shown[0].type, ui::MessageType::Error);
        QTEST(answers.shown[0].text, "message");
        QTEST(answers.shown[0].detail, "detail");
        QCOMPARE(closingState(), QStringLiteral("0,0,0"));
    }

    // VALIDACAO_ACERTO_PENDENTE with a purchase order slaughtered on the day and missing from
    // the slaughter's raw material: 0 does not check, 1 blocks, 2 asks (Cancel stops).
    void purchaseOrderRule_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("closed");
        QTest::newRow("0 not checked") << 0 << int(ui::MessageResult::Ok) << QStringLiteral("1,1,1");
        QTest::newRow("1 blocks") << 1 << int(ui::MessageResult::Ok) << QStringLiteral("0,0,0");
        QTest::newRow("2 asks, OK") << 2 << int(ui::MessageResult::Ok) << QStringLiteral("1,1,1");
        QTest::newRow("2 asks, Cancel") << 2 << int(ui::MessageResult::Cancel) << QStringLiteral("0,0,0");
    }
    void purchaseOrderRule()
    {
        QFETCH(int, rule);
        QFETCH(int, answer);
        const Variation order(db(),
                              QStringLiteral("INSERT INTO velko_pec.ordem_compra_gado (id_ordem_compra_gado, codigo_empresa, data_compra,"
                                             " data_abate, id_entidade_proprietario, id_propriedade_rural, cabecas_compradas)"
                                             " VALUES (77, 1, '2024-03-10', '2024-03-15', 1, 1, 5);"
                                             "INSERT INTO velko_pec.lote_abate VALUES (77, '2024-03-15', 77, 77);"
                                             "UPDATE velko_cst.base_custo SET validacao_acerto_pendente = %1")
                                  .arg(rule),
                              QStringLiteral("DELETE FROM velko_pec.lote_abate WHERE id_lote_abate = 77;"
                                             "DELETE FROM velko_pec.ordem_compra_gado WHERE id_ordem_compra_gado = 77;"
                                             "UPDATE velko_cst.base_custo SET validacao_acerto_pendente = 0"));
        MessageAnswers answers;
        if (rule == 2)
            answers.answers = {ui::MessageResult(answer)};
        click("cxButton3");
        const QString listed = QStringLiteral("Existem Ordens de Compra que não foram processadas.\rPor favor, gere novamente o Custo "
                                              "para incluir as seguintes Ordens de Compra:\r77\r");
        QCOMPARE(answers.texts().contains(listed), rule != 0);
        if (rule != 0) {
            QCOMPARE(answers.shown[0].type, rule == 1 ? ui::MessageType::Error : ui::MessageType::Information);
            QCOMPARE(answers.shown[0].buttons, rule == 1 ? ui::MessageButtons::Ok : ui::MessageButtons::OkCancel);
        }
        QTEST(closingState(), "closed");
    }

    void reopeningRefusedWhileALaterDayIsClosed()
    {
        db().exec(QStringLiteral("UPDATE velko_cst.abate SET data_fechamento = date '2024-03-16';"
                                 "UPDATE velko_cst.industrial SET data_fechamento = date '2024-03-16';"
                                 "UPDATE velko_cst.revenda SET data_fechamento = date '2024-03-16'"));
        const Variation later(db(), resaleDays(1, 1, true), removeResaleDays);
        MenuDay::selectDay(*m_menu, kDia);
        MessageAnswers answers;
        click("cxButton3");
        QCOMPARE(answers.texts(), QStringList{QStringLiteral("Existem fechamentos posteriores a esta data.\rPara reabrir essa data você "
                                                             "deverá desfazer o fechamento das seguintes datas:\r16/03/2024\r")});
        QCOMPARE(closingState(), QStringLiteral("1,1,2"));
    }

    void nothingToClose()
    {
        MenuDay::selectDay(*m_menu, kDiaSemMovimento);
        MessageAnswers answers;
        click("cxButton3");
        QCOMPARE(answers.texts(), QStringList{QStringLiteral("Não existem informações para gerar o fechamento do custo, selecione uma "
                                                             "data com movimento de abate e desossa!.")});
    }

    // At most one mark: marking row 3 then row 5 leaves row 5; unmarked, "C&onfirmar" refuses
    // and the window stays open.
    void undoKeepsOneMark()
    {
        for (int n = 0; undoableCaptures() < 5; ++n)
            generateDay(*m_day->day.connection, QDateTime(QDate(2024, 3, 17), QTime(10, n)));
        MenuDay::selectDay(*m_menu, kDia);
        MessageAnswers answers;
        bool ran = false;
        whenModal(QStringLiteral("F_HistoricoCapturaPreco"), [&](QWidget* window) {
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QCOMPARE(window->windowTitle(), QStringLiteral("Desfazer Captura de Preço"));
            clickMark(window, 2);
            clickMark(window, 4);
            QCOMPARE(marks(window).mid(0, 5), (QList<int>{0, 0, 0, 0, 1}));
            clickMark(window, 4);
            QCOMPARE(marks(window).count(1), 0);
            QTest::mouseClick(child<QToolButton>(*window, "SpeedButton1"), Qt::LeftButton);
            QCOMPARE(answers.texts(), QStringList{QStringLiteral("É necessário selecionar um histórico para prosseguir. Por favor verifique.")});
            QVERIFY(window->isVisible());
            ran = true;
            QTest::mouseClick(child<QToolButton>(*window, "B_Sair"), Qt::LeftButton);
        });
        openUndo();
        QVERIFY(ran);
    }

    // A failing restore keeps the window open with the error; a good one closes it and the main
    // window shows the restored prices at once.
    void undoRestoresAndReloads()
    {
        db().exec(QStringLiteral("UPDATE velko_cst.abate_preco SET preco = 99"));
        // Newer than the captures of the generations from the window, which take the clock's time.
        const QDateTime moment(QDate::currentDate().addDays(1), QTime(7, 0));
        generateDay(*m_day->day.connection, moment);
        MenuDay::selectDay(*m_menu, kDia);
        const QString generated = prices();
        QCOMPARE(shownPrices(), generated);
        MessageAnswers answers;
        bool ran = false;
        whenModal(QStringLiteral("F_HistoricoCapturaPreco"), [&](QWidget* window) {
            QVERIFY(QTest::qWaitForWindowExposed(window));
            clickMark(window, 0);
            {
                const Variation refusing(db(),
                                         QStringLiteral("create function velko_cst.recusa() returns trigger language plpgsql as "
                                                        "$$ begin raise exception 'restauração recusada'; end $$;"
                                                        "create trigger recusa before update on velko_cst.abate_preco "
                                                        "for each statement execute function velko_cst.recusa();"),
                                         QStringLiteral("drop trigger recusa on velko_cst.abate_preco; drop function velko_cst.recusa()"));
                QTest::mouseClick(child<QToolButton>(*window, "SpeedButton1"), Qt::LeftButton);
            }
            QCOMPARE(answers.shown.size(), std::size_t(2));
            QCOMPARE(answers.shown[1].type, ui::MessageType::Confirmation);
            QCOMPARE(answers.shown[1].buttons, ui::MessageButtons::OkCancel);
            QVERIFY2(answers.shown[1].text.startsWith(QStringLiteral("Falha ao desfazer captura do preço. Verifique!\rErro: ")),
                     qPrintable(answers.shown[1].text));
            QVERIFY(answers.shown[1].text.contains(QStringLiteral("restauração recusada")));
            QVERIFY(window->isVisible());
            ran = true;
            QTest::mouseClick(child<QToolButton>(*window, "SpeedButton1"), Qt::LeftButton);
        });
        openUndo();
        QVERIFY(ran);
        QCOMPARE(answers.texts().first(), QStringLiteral("Confirma desfazer captura do preço?"));
        QCOMPARE(prices(), QStringLiteral("99.0000,99.0000"));
        QCOMPARE(shownPrices(), prices());
    }

    void historyWindowListsTheDay()
    {
        MessageAnswers answers;
        bool ran = false;
        whenModal(QStringLiteral("F_LogCusto"), [&](QWidget* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Histórico Geração e Fechamento"));
            QCOMPARE(m_day->cds("CDS_LogCusto").recordCount(),
                     scalar(QStringLiteral("select count(*) from velko_cst.log_custo where data_custo = date '2024-03-15'")).toInt());
            ran = true;
            QTest::mouseClick(child<QToolButton>(*window, "B_Sair"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QLabel>(*m_menu, "lblHistoricoGeracaoFechamento"), Qt::LeftButton);
        QVERIFY(ran);
        MenuDay::selectDay(*m_menu, kDiaSemMovimento);
        QTest::mouseClick(child<QLabel>(*m_menu, "lblHistoricoGeracaoFechamento"), Qt::LeftButton);
        openUndo();
        QCOMPARE(answers.texts(), (QStringList{QStringLiteral("Não existe Histórico de Geração e Fechamento!"),
                                               QStringLiteral("Não existe histório para desfazer captura de preço.")}));
    }

    void undoRefusedOnAClosedDay()
    {
        db().exec(QStringLiteral("UPDATE velko_cst.revenda SET data_fechamento = date '2024-03-16'"));
        MenuDay::selectDay(*m_menu, kDia);
        MessageAnswers answers;
        openUndo();
        QCOMPARE(answers.texts(),
                 QStringList{QStringLiteral("Para desfazer a captura de preços é necessário desfazer o fechamento do custo!")});
    }

    // The session ended by the server while the closing waits in its procedure: the message is
    // shown, the day is as it was, and the next day click reconnects and works.
    void connectionLostDuringClosing()
    {
        MessageAnswers answers;
        {
            LockedUnitDay lock(db(), 1, kDia);
            TerminateWhenWaiting terminate(db(), lock, LockedUnitDay::backendOf(*m_day->day.connection));
            click("cxButton3");
            terminate.join();
        }
        QCOMPARE(answers.shown.size(), std::size_t(2));
        QCOMPARE(answers.shown[1].type, ui::MessageType::Error);
        QCOMPARE(closingState(), QStringLiteral("0,0,0"));
        answers.shown.clear();
        MenuDay::selectDay(*m_menu, kDia);
        QVERIFY(answers.shown.empty());
        QCOMPARE(button3(), QStringLiteral("&Fechar"));
        QVERIFY(m_day->cds("CDS_Abate").recordCount() == 1);
    }

    // The same during a local generation: the generation block leaves nothing, the day is
    // reloaded on a new session.
    void connectionLostDuringGeneration()
    {
        const QString logs = scalar(QStringLiteral("select count(*) from velko_cst.log_custo"));
        const QString before = prices();
        MessageAnswers answers;
        {
            LockedUnitDay lock(db(), 1, kDia);
            TerminateWhenWaiting terminate(db(), lock, LockedUnitDay::backendOf(*m_day->day.connection));
            answerGeneration(true, answers);
            click("cxButton1");
            terminate.join();
        }
        QCOMPARE(answers.shown.size(), std::size_t(1));
        QCOMPARE(answers.shown[0].type, ui::MessageType::Error);
        QCOMPARE(scalar(QStringLiteral("select count(*) from velko_cst.log_custo")), logs);
        QCOMPARE(prices(), before);
        QCOMPARE(shownPrices(), before);
        answers.shown.clear();
        MenuDay::selectDay(*m_menu, kDia);
        QVERIFY(answers.shown.empty());
    }
};

int main(int argc, char** argv)
{
    ui::ErrorDisplayApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TestDayOperations test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_day_operations.moc"
