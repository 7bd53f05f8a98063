// custos-batch run as a process against the test database: generate, close and reopen leave the
// rows the main window leaves for the same steps (locally and over the link); every refusal and
// usage error exits with its status and message and changes nothing; of two units the second
// runs after the first was refused; history and undo-capture work on the day's captures; the
// password reaches no output; export writes the workbook the result window writes, publish the
// price rows the price table export window writes.

#include "DayOperationsFixture.h"
#include "ExportToWorkbook.h"
#include "FixtureDay.h"
#include "GridColumn.h"
#include "GridView.h"
#include "MenuDay.h"
#include "PriceExportChoices.h"
#include "PriceTableRows.h"
#include "SaveFileDialog.h"
#include "TableRows.h"
#include "TF_Abate.h"
#include "TF_ExportaTabelaPrecos.h"
#include "TF_ExportaTabelaRevenda.h"
#include "TF_IndustrializadoResultado.h"
#include "TF_Menu.h"
#include "WorkbookReader.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

using namespace custos;
using namespace custos::test;

namespace {

struct BatchResult
{
    int status = -1;
    QString out;
    QString err;
};

// custos-batch with a velko.ini of its own naming the database's service and company 1.
BatchResult runBatch(const TestDatabase& db, const QStringList& arguments,
                     const QString& password = QStringLiteral("custos"))
{
    QTemporaryDir folder;
    QFile ini(folder.filePath(QStringLiteral("velko.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        qFatal("cannot write velko.ini");
    ini.write(QStringLiteral("[Conexao]\nSERVER NAME=%1\nDEFAULT COMPANY=1\n").arg(db.serviceName()).toUtf8());
    ini.close();

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUSTOS_PASSWORD"), password);
    // The demo's locale, as the main window's tests set it.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("pt_BR.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CUSTOS_BATCH), QStringList{QStringLiteral("--ini"), ini.fileName()} + arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(300000))
        qFatal("custos-batch did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// The fixture day, generated twice here so that a capture can be undone; over the link the
// unit's database holds the fixture too and unit 1 is processed there, not yet generated.
std::unique_ptr<TestDatabase> fixtureDatabase(bool overTheLink)
{
    auto db = std::make_unique<TestDatabase>();
    for (const char* fixture : {"custo_dia.sql", "catalogue_dia.sql"}) {
        db->loadFixture(QString::fromLatin1(fixture));
        if (overTheLink)
            db->loadFixtureOnUnit(QString::fromLatin1(fixture));
    }
    if (overTheLink)
        db->exec(QStringLiteral("UPDATE velko_cst.unidade SET dblink = 'UNIDADE2', tnsnames = 'CUSTOS_UN2' WHERE id_unidade = 1"));
    else {
        const auto connection = db->connect();
        generateDay(*connection, QDateTime(QDate(2024, 3, 16), QTime(8, 0)));
        generateDay(*connection, QDateTime(QDate(2024, 3, 16), QTime(9, 30)));
    }
    return db;
}

const QStringList dayTables{"consumo", "abate", "abate_materia_prima", "abate_produto", "abate_quartos",
                            "abate_preco", "abate_preco_receita", "abate_preco_historico", "industrial",
                            "industrial_produto", "industrial_mp", "industrial_insumo", "industrial_preco",
                            "industrial_preco_mp", "industrial_preco_receita", "industrial_produto_elaboracao",
                            "ind_preco_historico", "revenda", "revenda_produto", "revenda_preco", "log_custo"};

// The rows of the day's tables, without the moments the clock gives (the processing moment,
// the capture's and the history's moments, the closing date).
QString dayRows(const TestDatabase& db)
{
    return tableRows(db, dayTables,
                     QStringLiteral("column_name in ('data_processamento', 'data_historico', 'data_fechamento')"));
}

const QString reopenAll = QStringLiteral(
    "UPDATE velko_cst.abate SET data_fechamento = NULL, usuario_fechamento = NULL;"
    "UPDATE velko_cst.industrial SET data_fechamento = NULL, usuario_fechamento = NULL;"
    "UPDATE velko_cst.revenda SET data_fechamento = NULL, usuario_fechamento = NULL");

QString laterClosedResale(int unit, int days)
{
    return QStringLiteral("INSERT INTO velko_cst.revenda (id_revenda, id_unidade, data, data_fechamento)"
                          " SELECT 900000 + g, %1, date '2024-03-15' + g, date '2024-04-30' FROM generate_series(1, %2) g")
        .arg(unit)
        .arg(days);
}
const QString removeResaleDays = QStringLiteral("DELETE FROM velko_cst.revenda WHERE id_revenda BETWEEN 900001 AND 900099");

// The main window over a connection of its own, shown with the fixture day selected.
struct WindowDay
{
    explicit WindowDay(const TestDatabase& db) : connection(db.connect()), module(*connection)
    {
        menu.resize(1280, 900);
        menu.show();
        MenuDay::selectDay(menu, kDia);
    }
    std::unique_ptr<session::DBXConnection> connection;
    data::TDataModule_Custo module;
    dayproc::TF_Menu menu;
};

// Every row of the sales price tables but the moment of its writing.
QString publishedRows(const TestDatabase& db)
{
    return db.scalar(QStringLiteral("select string_agg((to_jsonb(t) - 'origem_data')::text, '|' order by"
                                    " sequencial_item_preco) from velko_ven.item_preco t"));
}

const QStringList onTheDay{QStringLiteral("--day"), QStringLiteral("2024-03-15")};

} // namespace

class TestBatch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        m_db = fixtureDatabase(false);
        keepPriceRows(*m_db);
    }

    // Generate, close and reopen from the main window in one database and from the command line
    // in another: the day's rows end the same.
    void sameRowsAsTheWindow_data()
    {
        QTest::addColumn<bool>("overTheLink");
        QTest::newRow("local") << false;
        QTest::newRow("over the link") << true;
    }
    void sameRowsAsTheWindow()
    {
        QFETCH(bool, overTheLink);
        const auto windowDb = fixtureDatabase(overTheLink);
        {
            WindowDay window(*windowDb);
            dayproc::TF_Menu& menu = window.menu;
            MessageAnswers answers;
            whenModal(QStringLiteral("F_GerarCusto"), [](QWidget* dialog) {
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cxButton1")), Qt::LeftButton);
            });
            auto* generate = menu.findChild<QPushButton*>(QStringLiteral("cxButton1"));
            auto* closeOrReopen = menu.findChild<QPushButton*>(QStringLiteral("cxButton3"));
            QTest::mouseClick(generate, Qt::LeftButton);
            const QString closedRows = dayRows(*windowDb);
            QTest::mouseClick(closeOrReopen, Qt::LeftButton);
            QTest::mouseClick(closeOrReopen, Qt::LeftButton);
            QCOMPARE(answers.texts(), (QStringList{QStringLiteral("Deseja realizar o fechamento do custo ?"),
                                                   QStringLiteral("Processo de fechamento concluído!"),
                                                   QStringLiteral("Deseja DESFAZER o fechamento do custo ?"),
                                                   QStringLiteral("Processo de reabertura concluído!")}));
            QVERIFY(closedRows != dayRows(*windowDb));
        }
        const auto batchDb = fixtureDatabase(overTheLink);
        const BatchResult generated = runBatch(*batchDb, QStringList{QStringLiteral("--user"), QStringLiteral("GERENTE"),
                                                                     QStringLiteral("generate")} + onTheDay);
        QVERIFY2(generated.status == 0, qPrintable(generated.err));
        QVERIFY2(generated.out.contains(QStringLiteral("Gerando informações de custo\n")), qPrintable(generated.out));
        QVERIFY2(generated.out.endsWith(QStringLiteral("Unidade 1, dia 2024-03-15: custo gerado\n")), qPrintable(generated.out));
        for (const char* command : {"close", "reopen"}) {
            const BatchResult run = runBatch(*batchDb, QStringList{QStringLiteral("--user"), QStringLiteral("GERENTE"),
                                                                   QString::fromLatin1(command)} +
                                                           onTheDay + QStringList{QStringLiteral("--yes")});
            QCOMPARE(run.status, 0);
            QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        }
        const QStringList windowRows = dayRows(*windowDb).split(u'\n'), batchRows = dayRows(*batchDb).split(u'\n');
        for (int t = 0; t < windowRows.size(); ++t)
            QCOMPARE(batchRows[t], windowRows[t]);
    }

    // Refusals and usage errors: the status, the message on its stream, the database untouched.
    void refusals_data()
    {
        QTest::addColumn<QString>("variation");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString gerente = QStringLiteral("GERENTE"), senha = QStringLiteral("custos");
        const QStringList generate = QStringList{QStringLiteral("generate")} + onTheDay;
        QTest::newRow("closed day") << QStringLiteral("UPDATE velko_cst.abate SET data_fechamento = date '2024-03-16'")
                                    << gerente << senha << generate << 1
                                    << QStringLiteral("O dia já foi fechado. Para reprocessar você deverá reabrir o dia.\n")
                                    << QString();
        QString thirteen;
        for (int i = 0; i < 13; ++i)
            thirteen += QDate(2024, 3, 29).addDays(-i).toString(QStringLiteral("dd/MM/yyyy")) + u'\n';
        QTest::newRow("later closings") << laterClosedResale(1, 14) << gerente << senha << generate << 1 << QString()
                                        << QStringLiteral("Existem fechamentos posteriores a esta data.\nPara reabrir essa data "
                                                          "você deverá desfazer o fechamento das seguintes datas:\n") +
                                               thirteen + QStringLiteral("mais...\n");
        QTest::newRow("question without --yes")
            << QString() << gerente << senha << (QStringList{QStringLiteral("close")} + onTheDay) << 1
            << QStringLiteral("Deseja realizar o fechamento do custo ?\n")
            << QStringLiteral("Pergunta sem resposta: use --yes para prosseguir. Nada foi feito.\n");
        QTest::newRow("operator generates") << QString() << QStringLiteral("OPERADOR") << senha << generate << 1 << QString()
                                            << QStringLiteral("O usuário OPERADOR é operador: pode executar somente history e export.\n");
        QTest::newRow("unregistered user") << QString() << QStringLiteral("VISITANTE") << senha << generate << 1 << QString()
                                           << QStringLiteral("Este usuário não tem permissão para acessar o sistema de custo.\n");
        QTest::newRow("wrong password") << QString() << gerente << QStringLiteral("Segredo-42") << generate << 3 << QString()
                                        << QStringLiteral("GERENTE");
        QTest::newRow("unknown command") << QString() << gerente << senha << QStringList{QStringLiteral("gerar")} << 2
                                         << QString() << QStringLiteral("Comando desconhecido: \"gerar\".\n");
        QTest::newRow("unknown option") << QString() << gerente << senha << (generate + QStringList{QStringLiteral("--yes")})
                                        << 2 << QString() << QStringLiteral("Opção desconhecida para generate: --yes.\n");
        QTest::newRow("day not a date") << QString() << gerente << senha
                                        << QStringList{QStringLiteral("generate"), QStringLiteral("--day"), QStringLiteral("2024-02-30")}
                                        << 2 << QString() << QStringLiteral("Dia inválido: \"2024-02-30\".");
        const QStringList exportDay = QStringList{QStringLiteral("export")} + onTheDay;
        const QStringList out{QStringLiteral("--out"), QStringLiteral("abate.xlsx")};
        QTest::newRow("export without --out") << QString() << gerente << senha
                                              << (exportDay + QStringList{QStringLiteral("--slaughter")}) << 2 << QString()
                                              << QStringLiteral("Falta a opção --out para export.\n");
        QTest::newRow("export of both results")
            << QString() << gerente << senha
            << (exportDay + QStringList{QStringLiteral("--slaughter"), QStringLiteral("--family"), QStringLiteral("40")} + out)
            << 2 << QString() << QStringLiteral("Use --slaughter ou --family ID (um dos dois) para export.\n");
        QTest::newRow("publish from both sources")
            << QString() << gerente << senha
            << (QStringList{QStringLiteral("publish")} + onTheDay +
                QStringList{"--family", "30", "--resale-family", "7", "--group", "1", "--kind", "cost", "--figure", "2",
                            "--table", "10", "--all"})
            << 2 << QString() << QStringLiteral("Use --family ID ou --resale-family F --group G (um dos dois) para publish.\n");
        QTest::newRow("export of a family without result")
            << QString() << gerente << senha << (exportDay + QStringList{QStringLiteral("--family"), QStringLiteral("999")} + out)
            << 1 << QString() << QStringLiteral("A família 999 não tem resultado de produção neste dia.\n");
    }
    void refusals()
    {
        QFETCH(QString, variation);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QStringList, arguments);
        if (!variation.isEmpty())
            m_db->exec(variation);
        const QString before = dayRows(*m_db);
        const BatchResult run = runBatch(*m_db, QStringList{QStringLiteral("--user"), user} + arguments, password);
        const QString after = dayRows(*m_db);
        m_db->exec(reopenAll + u';' + removeResaleDays);
        QTEST(run.status, "status");
        QFETCH(QString, out);
        QFETCH(QString, err);
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
        QVERIFY(after == before);
        if (password != QLatin1String("custos"))
            QVERIFY(!run.out.contains(password) && !run.err.contains(password));
    }

    // export writes the workbook the window's "Exportar" > "Excel" writes for the same day, read
    // back sheet by sheet by an independent reader; an operator may export.
    void exportWritesTheWindowsWorkbook_data()
    {
        QTest::addColumn<QStringList>("result");
        QTest::newRow("slaughter") << QStringList{QStringLiteral("--slaughter")};
        QTest::newRow("family") << QStringList{QStringLiteral("--family"), QStringLiteral("40")};
    }
    void exportWritesTheWindowsWorkbook()
    {
        QFETCH(QStringList, result);
        QTemporaryDir folder;
        const QString windowFile = folder.filePath(QStringLiteral("janela.xlsx"));
        const QString batchFile = folder.filePath(QStringLiteral("linha de comando.xlsx"));
        {
            WindowDay day(*m_db);
            MessageAnswers answers;
            const ui::ScopedSaveDialogHook dialog([&](const data::TSaveDialog&) { return windowFile; });
            std::unique_ptr<QDialog> window;
            if (result.size() == 1) {
                window = std::make_unique<results::TF_Abate>(day.module, kDia, &day.menu);
            } else {
                QVERIFY(day.module.clientDataSet(QStringLiteral("CDS_Resultado")).locate(QStringLiteral("ID_FAMILIA"), result[1].toDouble()));
                window = std::make_unique<results::TF_IndustrializadoResultado>(day.module, kDia, &day.menu);
            }
            window->show();
            window->findChild<QAction*>(QStringLiteral("Excel"))->trigger();
            QCOMPARE(answers.texts(), QStringList{results::workbookWrittenText(windowFile)});
        }
        const BatchResult run = runBatch(*m_db, QStringList{QStringLiteral("--user"), QStringLiteral("OPERADOR"),
                                                            QStringLiteral("export")} +
                                                    onTheDay + result + QStringList{QStringLiteral("--out"), batchFile});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(results::workbookWrittenText(batchFile) + u'\n'), qPrintable(run.out));
        const QJsonArray windowSheets = readWorkbookSheets(windowFile), batchSheets = readWorkbookSheets(batchFile);
        QVERIFY(!windowSheets.isEmpty());
        QCOMPARE(batchSheets.size(), windowSheets.size());
        for (qsizetype sheet = 0; sheet < windowSheets.size(); ++sheet)
            QCOMPARE(QJsonDocument(batchSheets[sheet].toObject()).toJson(), QJsonDocument(windowSheets[sheet].toObject()).toJson());
    }

    // publish makes the choices of the price table export window: the same rows written (the
    // detail text and the user included), after the window's question, only with --yes.
    void publishWritesTheWindowsRows_data()
    {
        QTest::addColumn<QStringList>("source");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("figure");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("products"); // empty: every product
        const QStringList cortes{QStringLiteral("--family"), QStringLiteral("30")};
        QTest::newRow("family into a cost table, every product") << cortes << int(TabelaDeCusto) << 2 << "10" << QStringList();
        QTest::newRow("family into a base table, one product") << cortes << int(TabelaBase) << 0 << "20" << QStringList{"3002"};
        QTest::newRow("family, products named out of the list's order")
            << cortes << int(TabelaDeCusto) << 0 << "10" << QStringList{"3002", "3001"};
        QTest::newRow("resale group into a cost table")
            << QStringList{QStringLiteral("--resale-family"), QStringLiteral("7"), QStringLiteral("--group"), QStringLiteral("1")}
            << int(TabelaDeCusto) << 1 << "10" << QStringList();
    }
    void publishWritesTheWindowsRows()
    {
        QFETCH(QStringList, source);
        QFETCH(int, kind);
        QFETCH(int, figure);
        QFETCH(QString, table);
        QFETCH(QStringList, products);
        restorePriceRows(*m_db);
        const QString before = publishedRows(*m_db);
        {
            const auto connection = m_db->connect();
            data::TDataModule_Custo module(*connection);
            std::unique_ptr<parameters::PriceTableExportForm> form;
            if (source[0] == QLatin1String("--family"))
                form = std::make_unique<parameters::TF_ExportaTabelaPrecos>(
                    module, parameters::ProductionFamily{1, kDia, source[1].toDouble(), QString()});
            else
                form = std::make_unique<parameters::TF_ExportaTabelaRevenda>(
                    module, parameters::ResaleGroup{1, kDia, source[1].toDouble(), source[3].toDouble(), {}, {}});
            form->show();
            choose(*form, PriceTableKind(kind), figure, table);
            if (products.isEmpty())
                click(*form, "MarcarTodas");
            const data::DataSet& list = form->productList();
            for (int row = 0; row < list.recordCount(); ++row)
                if (products.contains(list.value(row, list.fieldByName(QStringLiteral("CODIGO_PRODUTO")).index()).toString()))
                    QVERIFY(form->grid()->toggleCheckBox(row, form->grid()->column(QStringLiteral("CHECKBOX"))));
            QCOMPARE(confirm(*form, ui::MessageResult::Yes), parameters::publicationQuestion());
        }
        const QString windowRows = publishedRows(*m_db);
        QVERIFY(windowRows != before);

        restorePriceRows(*m_db);
        const QStringList arguments =
            QStringList{QStringLiteral("--user"), QStringLiteral("GERENTE"), QStringLiteral("publish")} + onTheDay + source +
            QStringList{QStringLiteral("--kind"), kind == TabelaDeCusto ? QStringLiteral("cost") : QStringLiteral("base"),
                        QStringLiteral("--figure"), QString::number(figure), QStringLiteral("--table"), table} +
            (products.isEmpty() ? QStringList{QStringLiteral("--all")} : QStringList{QStringLiteral("--products"), products.join(u',')});
        const BatchResult asked = runBatch(*m_db, arguments);
        QCOMPARE(asked.status, 1);
        QVERIFY2(asked.out.contains(parameters::publicationQuestion() + u'\n'), qPrintable(asked.out));
        QCOMPARE(publishedRows(*m_db), before);
        const BatchResult published = runBatch(*m_db, arguments + QStringList{QStringLiteral("--yes")});
        QVERIFY2(published.status == 0, qPrintable(published.err));
        QCOMPARE(publishedRows(*m_db), windowRows);
    }

    // A table or product the choices cannot name, and an operator publishing: refused with the
    // reason, nothing written.
    void publishRefusals_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QString>("err");
        const QStringList cost{QStringLiteral("--family"), QStringLiteral("30"), QStringLiteral("--kind"), QStringLiteral("cost"),
                               QStringLiteral("--figure"), QStringLiteral("2"), QStringLiteral("--table")};
        QTest::newRow("unknown table") << "GERENTE" << (cost + QStringList{"99", "--all"})
                                       << "A tabela de preço 99 não está entre as tabelas do tipo Tabela de Custo.\n";
        QTest::newRow("table of the other kind") << "GERENTE" << (cost + QStringList{"20", "--all"})
                                                 << "A tabela de preço 20 não está entre as tabelas do tipo Tabela de Custo.\n";
        QTest::newRow("unknown product") << "GERENTE" << (cost + QStringList{"10", "--products", "3002,9999"})
                                         << "O produto 9999 não está na lista desta exportação para a tabela de preço 10.\n";
        QTest::newRow("operator") << "OPERADOR" << (cost + QStringList{"10", "--all"})
                                  << "O usuário OPERADOR é operador: pode executar somente history e export.\n";
    }
    void publishRefusals()
    {
        QFETCH(QString, user);
        QFETCH(QStringList, choices);
        restorePriceRows(*m_db);
        const QString before = publishedRows(*m_db);
        const BatchResult run = runBatch(*m_db, QStringList{QStringLiteral("--user"), user, QStringLiteral("publish")} + onTheDay +
                                                    choices + QStringList{QStringLiteral("--yes")});
        QCOMPARE(run.status, 1);
        QTEST(run.err, "err");
        QCOMPARE(publishedRows(*m_db), before);
    }

    // Logged into a database that a unit declares as its own processing database: refused as the
    // main window's start-up refuses it, nothing done.
    void unitProcessingDatabaseRefused()
    {
        const QString tnsnames = m_db->scalar(QStringLiteral("select tnsnames from velko_cst.unidade where id_unidade = 1"));
        const QString before = dayRows(*m_db);
        BatchResult run;
        {
            const Variation v(*m_db,
                              QStringLiteral("UPDATE velko_cst.unidade SET tnsnames = '%1' WHERE id_unidade = 1").arg(m_db->serviceName()),
                              QStringLiteral("UPDATE velko_cst.unidade SET tnsnames = '%1' WHERE id_unidade = 1").arg(tnsnames));
            run = runBatch(*m_db, QStringList{QStringLiteral("--user"), QStringLiteral("GERENTE"), QStringLiteral("generate")} + onTheDay);
        }
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QStringLiteral("Acesso ao banco de dados não permitido. Conecte-se no banco de dados liberado para "
                                         "processamento do custo.\n"));
        QCOMPARE(dayRows(*m_db), before);
    }

    // The first unit refused (a later day of its closed), the second generated: the status is
    // the first's.
    void secondUnitRunsAfterTheFirstRefused()
    {
        m_db->exec(laterClosedResale(2, 1));
        const QString logs = m_db->scalar(QStringLiteral("select count(*) from velko_cst.log_custo where id_unidade = 1"));
        const BatchResult run = runBatch(*m_db, QStringList{QStringLiteral("--user"), QStringLiteral("ANALISTA"), QStringLiteral("--unit"),
                                                            QStringLiteral("2"), QStringLiteral("--unit"), QStringLiteral("1"),
                                                            QStringLiteral("generate")} +
                                                    onTheDay);
        m_db->exec(removeResaleDays);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains(QStringLiteral("Unidade 2, dia 2024-03-15: recusado, nada foi feito\n")), qPrintable(run.out));
        QVERIFY2(run.out.endsWith(QStringLiteral("Unidade 1, dia 2024-03-15: custo gerado\n")), qPrintable(run.out));
        QCOMPARE(m_db->scalar(QStringLiteral("select count(*) from velko_cst.log_custo where id_unidade = 1")).toInt(),
                 logs.toInt() + 1);
    }

    // history lists the capture that can be undone; undo-capture asks, then undoes it with
    // --yes, which the history then shows; a second undo finds nothing to undo.
    void historyAndUndoCapture()
    {
        const auto db = fixtureDatabase(false);
        const QStringList operador{QStringLiteral("--user"), QStringLiteral("OPERADOR")};
        const BatchResult before = runBatch(*db, operador + QStringList{QStringLiteral("history")} + onTheDay);
        QCOMPARE(before.status, 0);
        QVERIFY2(before.out.contains(QStringLiteral("Capturas de preço que podem ser desfeitas:\nData Processamento\tUsuário\n"
                                                    "2024-03-16 09:30:00\tGERENTE\nUnidade")),
                 qPrintable(before.out));
        const QStringList undo = QStringList{QStringLiteral("--user"), QStringLiteral("GERENTE"), QStringLiteral("undo-capture")} +
                                 onTheDay + QStringList{QStringLiteral("--capture"), QStringLiteral("2024-03-16 09:30:00")};
        const BatchResult asked = runBatch(*db, undo);
        QCOMPARE(asked.status, 1);
        QVERIFY(asked.out.contains(QStringLiteral("Confirma desfazer captura do preço?\n")));
        const BatchResult undone = runBatch(*db, undo + QStringList{QStringLiteral("--yes")});
        QCOMPARE(undone.status, 0);
        const BatchResult after = runBatch(*db, operador + QStringList{QStringLiteral("history")} + onTheDay);
        QVERIFY2(after.out.contains(QStringLiteral("feita em 16/03/2024 09:30:00 desfeita.\n")), qPrintable(after.out));
        QVERIFY(!after.out.contains(QStringLiteral("Capturas de preço que podem ser desfeitas")));
        const BatchResult gone = runBatch(*db, undo + QStringList{QStringLiteral("--yes")});
        QCOMPARE(gone.status, 1);
        QVERIFY(gone.out.contains(QStringLiteral("Não existe histório para desfazer captura de preço.\n")));
    }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestBatch)
#include "tst_batch.moc"
