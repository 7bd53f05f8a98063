// The datasets of the cost data module against the real server, on a generated day with
// slaughter, production and resale and on the day after it, which has no movement: every
// dataset a window opens (walked from the module) opens with the parameters its windows set and
// has the rows expected of it, its declared fields hold values of their kind and width, each of
// its aggregates equals the same expression computed by the server over the statement's rows,
// and the figures the statements compute match the fixture's hand-worked costs. Then the
// parameter set reader, the process parameter rule and the family filter.
#include "CatalogueChecks.h"
#include "CatalogueDay.h"
#include "DataError.h"
#include "DataSource.h"
#include "WalkRows.h"
#include "WindowParameters.h"

#include <QtTest>
#include <cmath>

using custos::data::ClientDataSet;
using custos::data::DataSet;
using custos::data::Query;
using custos::data::TDataModule_Custo;
using custos::session::BindType;
using custos::session::Params;
using custos::test::addWalkRows;
using custos::test::CatalogueDay;
using custos::test::checkValuesAndAggregates;
using custos::test::DayIds;
using custos::test::kDia;
using custos::test::kDiaSemMovimento;
using custos::test::openedDataSets;
using custos::test::setDayParameters;
using custos::test::setParam;

class TestCatalogue : public QObject
{
    Q_OBJECT
    std::unique_ptr<CatalogueDay> m_day;
    DayIds m_ids;

    void openAll(QDate day)
    {
        for (DataSet* dataSet : m_day->module->findChildren<DataSet*>())
            dataSet->close();
        setDayParameters(*m_day->module, day, m_ids);
    }

    QVariant value(const char* dataSet, const char* field)
    {
        return m_day->module->dataSet(QString::fromLatin1(dataSet)).fieldByName(QString::fromLatin1(field)).value();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        m_day = std::make_unique<CatalogueDay>();
        m_day->db->loadFixture(QStringLiteral("catalogue_parametros.sql"));
        m_ids = custos::test::catalogueDayIds(*m_day);
        const QStringList unset = setDayParameters(*m_day->module, kDia, m_ids);
        QVERIFY2(unset.isEmpty(), qPrintable(QStringLiteral("no value for ") + unset.join(u' ')));
    }

    // Every dataset a window opens, walked from the module, with the rows it has on the day and
    // on the day without movement.
    void everyDataSetOpens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rowsOnTheDay");
        QTest::addColumn<int>("rowsWithoutMovement");
        QTest::addColumn<QString>("problem");
        const QMap<QString, std::pair<int, int>> rows{
            {"GetEmpresa", {1, 1}},
            {"Q_Moeda", {1, 1}},
            {"CDS_Abate", {1, 0}},
            {"CDS_AbateAcumulado", {1, 1}}, // the month so far still holds the 15th
            {"CDS_Compra", {1, 1}},         // the purchases of a slaughter id, whatever the day
            {"CDS_AbateProduto", {2, 0}},
            {"CDS_Abate_Produto_Nivel2", {2, 0}},
            {"CDS_CondenacaoMiudos", {1, 0}},
            {"Q_Peso_Vivo", {1, 1}}, // one row of sums, empty without a live weighing
            {"CDS_Industrializado", {1, 0}},
            {"CDS_Resultado", {2, 0}},
            {"CDS_ResultadoAcumulado", {2, 2}},
            {"Q_ProcessosProducaoFamilia", {1, 0}},
            {"CDS_Resultado_DT", {2, 0}},
            {"CDS_MateriaPrima_DT", {1, 0}},
            {"CDS_Insumos", {1, 0}},
            {"CDS_ProducaoElaboracao", {2, 0}},
            {"CDS_CondenacaoDesossa", {1, 0}},
            {"CDS_Revenda", {1, 0}},
            {"CDS_ResumoRevenda", {1, 0}},
            {"CDS_ResumoRevendaAcumulado", {1, 1}},
            {"CDS_ResultadoRevenda", {2, 0}},
            {"CDS_Parametros", {1, 1}},
            {"Q_DiasFechados", {0, 0}},
            {"Q_DiasAbertos", {0, 1}}, // the 15th is still open
            {"Q_ValidaOP", {0, 0}},
            {"Q_ValidaAcertos", {0, 0}},
            {"CDS_HistoricoCusto", {1, 0}},
            {"CDS_LogCusto", {2, 0}},
            {"CDS_TabelaCusto", {1, 1}},
            {"CDS_ExportarTabelaPreco", {1, 0}},
            {"CDS_ExportarTabelaRevenda", {2, 0}},
        };
        QStringList walked;
        for (const DataSet* dataSet : openedDataSets(*m_day->module))
            walked << dataSet->objectName();
        addWalkRows(walked, rows, [](const QString& name, std::pair<int, int> expected, const QString& problem) {
            QTest::newRow(qPrintable(name)) << name << expected.first << expected.second << problem;
        });
    }
    void everyDataSetOpens()
    {
        QFETCH(QString, name);
        QFETCH(int, rowsOnTheDay);
        QFETCH(int, rowsWithoutMovement);
        QFETCH(QString, problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        DataSet& dataSet = m_day->module->dataSet(name);
        for (const QDate day : {kDia, kDiaSemMovimento}) {
            openAll(day);
            dataSet.open();
            QCOMPARE(dataSet.recordCount(), day == kDia ? rowsOnTheDay : rowsWithoutMovement);
            const QStringList tooWide = checkValuesAndAggregates(*m_day->connection, dataSet);
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(u' ')));
        }
    }

    // Figures the statements compute, against the fixture's costs worked out by hand
    // (tests/db/tst_packages.cpp): 2,500 kg of carcass for 50,000.00 less 3,000.00 ICMS and
    // 2,775.00 PIS/Cofins credits, plus 500.00 commission and 100.00 freight; by-products'
    // result 461.50 + 412.50 = 874.00, apportioned by weight.
    // A statement that gives no order names the row to read by one of its fields (rowField,
    // rowValue); the others are read on their first row.
    void figuresOfTheDay_data()
    {
        QTest::addColumn<QString>("dataSet");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("expected");
        QTest::addColumn<QString>("rowField");
        QTest::addColumn<double>("rowValue");
        const struct
        {
            const char* dataSet;
            const char* field;
            double expected;
            const char* rowField = nullptr;
            double rowValue = 0;
        } rows[] = {
            {"CDS_Abate", "CABECAS", 10},
            {"CDS_Abate", "CREDITOS", 5775},
            {"CDS_Abate", "CUSTO_TOTAL", 44825},
            {"CDS_Abate", "TOTAL_APROVEITAMENTO", 874},
            {"CDS_Abate", "VALOR_APROVEITAMENTO_CB", 87.4},
            {"CDS_Abate", "CUSTO_TOTAL_CB", 4395.1},
            {"CDS_Abate", "CUSTO_TOTAL_KG", 17.5804},
            {"CDS_Abate", "CUSTO_TOTAL_ARR", 263.706},
            {"CDS_Abate", "T_CUSTO_TOTAL_KG", 17.5804},
            {"CDS_Abate", "PESO_VIVO", 5000},
            {"CDS_AbateAcumulado", "VALOR_MOD", 250},
            {"CDS_AbateAcumulado", "CUSTO_TOTAL", 45200},
            {"CDS_AbateAcumulado", "CUSTO_TOTAL_KG", 17.7304},
            {"CDS_Compra", "CUSTO_CABECA", 4482.5},
            {"CDS_CondenacaoMiudos", "PECAS_OPERACIONAL", 2},
            {"CDS_CondenacaoMiudos", "PESO_CONDENADO_NAO_OPERACIONAL", 6},
            {"Q_Peso_Vivo", "QNTD_VIVO", 10},
            {"Q_Peso_Vivo", "PESO_VIVO", 5120},
            {"Q_Peso_Vivo", "PERCENTUAL_RENDIMENTO", 48.828125},
            {"Q_Peso_Vivo", "QUEBRA", 2620},
            {"CDS_Resultado", "TOTAL_RESULTADO", 1175},
            {"CDS_Resultado_DT", "RESULTADO_TOTAL", -265.75, "SEQUENCIAL_PRODUTO", 120},
            {"CDS_ResumoRevenda", "TOTAL_RESULTADO", 449.98},
            {"CDS_ProducaoElaboracao", "VALOR_TOTAL", 7.5},
        };
        for (const auto& row : rows)
            QTest::newRow(qPrintable(QStringLiteral("%1.%2").arg(QLatin1String(row.dataSet), QLatin1String(row.field))))
                << QString::fromLatin1(row.dataSet) << QString::fromLatin1(row.field) << row.expected
                << QString::fromLatin1(row.rowField) << row.rowValue;
    }
    void figuresOfTheDay()
    {
        QFETCH(QString, dataSet);
        QFETCH(QString, field);
        QFETCH(double, expected);
        QFETCH(QString, rowField);
        QFETCH(double, rowValue);
        openAll(kDia);
        DataSet& d = m_day->module->dataSet(dataSet);
        d.open();
        QVERIFY(!d.isEmpty());
        if (!rowField.isEmpty())
            QVERIFY(d.locate(rowField, rowValue));
        QCOMPARE(std::round(d.fieldByName(field).asFloat() * 1e6) / 1e6, expected);
    }

    void productAggregatesOfTheDay()
    {
        openAll(kDia);
        ClientDataSet& produtos = m_day->cds("CDS_AbateProduto");
        produtos.open();
        QCOMPARE(produtos.aggregateByName(QStringLiteral("RESULTADO_GERAL")).asFloat(), 874.0);
        QCOMPARE(produtos.aggregateByName(QStringLiteral("RESULTADO_GERAL")).displayText(), QStringLiteral("874,00"));
        QCOMPARE(produtos.aggregateByName(QStringLiteral("TOTAL_PESO")).asFloat(), 260.0);
        QCOMPARE(produtos.aggregateByName(QStringLiteral("RESULTADO_GERAL_PERC")).displayText(),
                 QStringLiteral("72,8 %"));
    }

    void parameterSet_data()
    {
        QTest::addColumn<double>("unit");
        QTest::addColumn<QDate>("day"); // invalid: the parameter left empty
        QTest::addColumn<double>("set"); // 0: no row
        QTest::addColumn<QDate>("firstOfMonth");
        const QDate later = QDate::currentDate().addYears(3);
        QTest::newRow("open set after today") << 1.0 << later << 10.0 << QDate(2024, 3, 1);
        QTest::newRow("open set of the second unit after today") << 2.0 << later << 21.0 << QDate(2024, 4, 1);
        QTest::newRow("before the first set") << 1.0 << QDate(2024, 2, 29) << 0.0 << QDate();
        QTest::newRow("closed set, last day") << 2.0 << QDate(2024, 4, 16) << 20.0 << QDate(2024, 1, 1);
        QTest::newRow("set starting on the 17th") << 2.0 << QDate(2024, 4, 17) << 21.0 << QDate(2024, 4, 1);
        QTest::newRow("empty day: today's set") << 2.0 << QDate() << 21.0 << QDate(2024, 4, 1);
    }
    void parameterSet()
    {
        QFETCH(double, unit);
        QFETCH(QDate, day);
        QFETCH(double, set);
        QFETCH(QDate, firstOfMonth);
        ClientDataSet& parametros = m_day->cds("CDS_Parametros");
        parametros.close();
        setParam(parametros, QStringLiteral("id_unidade"), BindType::Number, unit);
        setParam(parametros, QStringLiteral("data"), BindType::Date, day.isValid() ? QVariant(day) : QVariant());
        parametros.open();
        if (set == 0) {
            QVERIFY(parametros.isEmpty());
            return;
        }
        QCOMPARE(parametros.recordCount(), 1);
        QCOMPARE(parametros.fieldByName(QStringLiteral("ID_BASE_CUSTO")).asFloat(), set);
        QCOMPARE(parametros.fieldByName(QStringLiteral("DATA_INICIAL_MES")).asDateTime().date(), firstOfMonth);
        QCOMPARE(parametros.fieldByName(QStringLiteral("U_ABATE_BOVINO")).asInteger(), 1);
    }

    // The per-family datasets follow the process the family's process list is on, and read
    // every process (ID_PROCESSO 0) while that list has no rows.
    void processParameter()
    {
        openAll(kDia);
        QStringList followers; // the client datasets whose statement takes the process
        for (const ClientDataSet* dataSet : m_day->module->findChildren<ClientDataSet*>()) {
            if (dataSet->provider()->query()->params().find(QStringLiteral("ID_PROCESSO")))
                followers << dataSet->objectName();
        }
        followers.sort();
        QCOMPARE(followers, (QStringList{"CDS_Insumos", "CDS_MateriaPrima_DT", "CDS_Resultado_DT"}));
        Query& processos = m_day->module->query(QStringLiteral("Q_ProcessosProducaoFamilia"));
        for (const QString& name : followers) {
            ClientDataSet& dataSet = m_day->module->clientDataSet(name);
            const QByteArray label = name.toLatin1();
            const auto process = [&dataSet] {
                return dataSet.provider()->query()->params().find(QStringLiteral("ID_PROCESSO"))->value;
            };
            processos.close();
            dataSet.close();
            dataSet.open();
            QCOMPARE(process(), QVariant(0.0));
            const int everyProcess = dataSet.recordCount();
            QVERIFY2(everyProcess > 0, label);

            processos.open();
            QCOMPARE(processos.fieldByName(QStringLiteral("ID_PROCESSO")).asFloat(), 300.0);
            dataSet.close();
            dataSet.open();
            QCOMPARE(process(), QVariant(300.0));
            QCOMPARE(dataSet.recordCount(), everyProcess);

            // A process the family's rows do not have: nothing of the family is listed.
            processos.close();
            processos.params().setNumber(QStringLiteral("ID_FAMILIA"), 40);
            processos.open();
            QCOMPARE(processos.fieldByName(QStringLiteral("ID_PROCESSO")).asFloat(), 400.0);
            dataSet.close();
            dataSet.open();
            QCOMPARE(process(), QVariant(400.0));
            QVERIFY2(dataSet.isEmpty(), label);
            processos.params().setNumber(QStringLiteral("ID_FAMILIA"), 30);
        }
    }

    void familyFilter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::newRow("day") << QStringLiteral("CDS_Resultado") << 1;
        QTest::newRow("month to date") << QStringLiteral("CDS_ResultadoAcumulado") << 2;
    }
    void familyFilter()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        openAll(kDia);
        ClientDataSet& resultado = m_day->module->clientDataSet(name);
        Query& query = *resultado.provider()->query();
        query.params().setInteger(QStringLiteral("ID_FAMILIA"), 1);
        m_day->connection->execute(QStringLiteral("DELETE FROM VELKO.CLAUSULA_IN"));
        resultado.open();
        QVERIFY(resultado.isEmpty());

        resultado.close();
        m_day->connection->execute(QStringLiteral("INSERT INTO VELKO.CLAUSULA_IN (CHAVE, NUMERO) VALUES (:c, 40)"),
                                   Params().setInteger(QStringLiteral("c"), key));
        resultado.open();
        QCOMPARE(resultado.recordCount(), 1);
        QCOMPARE(resultado.fieldByName(QStringLiteral("ID_FAMILIA")).asFloat(), 40.0);
        m_day->connection->execute(QStringLiteral("DELETE FROM VELKO.CLAUSULA_IN"));
    }

    // A filter a window set on the month-to-date results does not survive a reopening.
    void accumulatedResultFilterReset()
    {
        openAll(kDia);
        ClientDataSet& acumulado = m_day->cds("CDS_ResultadoAcumulado");
        acumulado.open();
        acumulado.setFilter(QStringLiteral("ID_FAMILIA = 40"));
        acumulado.setFiltered(true);
        QCOMPARE(acumulado.recordCount(), 1);
        acumulado.close();
        acumulado.open();
        QVERIFY(!acumulado.isFiltered());
        QCOMPARE(acumulado.filter(), QString());
        QCOMPARE(acumulado.recordCount(), 2);
    }

    // The closing and reopening blocks run with their parameters, and the day queries follow.
    void closingStatements()
    {
        TDataModule_Custo& m = *m_day->module;
        Query& fechar = m.query(QStringLiteral("Q_FecharCusto"));
        fechar.params()
            .setDate(QStringLiteral("p_data"), kDia)
            .setNumber(QStringLiteral("p_id_unidade"), 1)
            .setNumber(QStringLiteral("p_id_abate"), m_ids.idAbate)
            .setNumber(QStringLiteral("p_aproveitamento_kg"), 0.3496)
            .setNumber(QStringLiteral("p_resultado_geral"), 874);
        fechar.execute();
        QVERIFY(!m_day->scalar(QStringLiteral("select data_fechamento from velko_cst.abate")).isEmpty());
        QVERIFY(m_day->scalar(QStringLiteral("select data_fechamento from velko_cst.industrial")).isEmpty());

        Query& fechados = m.query(QStringLiteral("Q_DiasFechados"));
        fechados.close();
        fechados.params().setNumber(QStringLiteral("ID_UNIDADE"), 1).setDate(QStringLiteral("DATA"), kDia.addDays(-1));
        fechados.open();
        QCOMPARE(fechados.recordCount(), 1);
        QCOMPARE(fechados.fieldByName(QStringLiteral("DATA")).asDateTime().date(), kDia);
        fechados.close();

        Query& desfazer = m.query(QStringLiteral("Q_DesfazerFechamento"));
        desfazer.params()
            .setDate(QStringLiteral("p_data"), kDia)
            .setNumber(QStringLiteral("p_id_unidade"), 1)
            .setNumber(QStringLiteral("p_id_abate"), m_ids.idAbate);
        desfazer.execute();
        QVERIFY(m_day->scalar(QStringLiteral("select data_fechamento from velko_cst.abate")).isEmpty());
    }

    void lookupByName()
    {
        TDataModule_Custo& m = *m_day->module;
        QCOMPARE(m.objectName(), QStringLiteral("DataModule_Custo"));
        QVERIFY(m.autoRefresh());
        QCOMPARE(m.property("AutoRefresh"), QVariant(true));
        QCOMPARE(m.dataSource(QStringLiteral("DTS_Abate")).dataSet(), &m.dataSet(QStringLiteral("CDS_Abate")));
        QCOMPARE(m.dataSource(QStringLiteral("DS_Peso_Vivo")).dataSet(), &m.dataSet(QStringLiteral("Q_Peso_Vivo")));
        QCOMPARE(m.provider(QStringLiteral("DSP_AbateProduto")).tableName(), QStringLiteral("VELKO_CST.ABATE_PRECO"));
        QVERIFY(m.findChild<QObject*>(QStringLiteral("ExportDialog")));
        QCOMPARE(m.findChild<QObject*>(QStringLiteral("ExportDialog"))->property("Filter"),
                 QVariant(QStringLiteral("XLS-file|*.XLS")));
        QVERIFY_THROWS_EXCEPTION(custos::data::DataError, m.clientDataSet(QStringLiteral("CDS_Nada")));
        QVERIFY_THROWS_EXCEPTION(custos::data::DataError, m.clientDataSet(QStringLiteral("Q_Abate")));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
