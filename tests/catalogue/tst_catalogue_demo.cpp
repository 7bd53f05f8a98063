// The datasets of the cost data module on the demo's data (scale 1, unit 1, 15/03/2024): every
// dataset a window opens (walked from the module) opens with the parameters its windows set, on
// ids the demo's day holds, its declared fields hold values of their kind and width and each of
// its aggregates equals the same expression computed by the server over the statement's rows;
// the datasets the main window opens on the day have rows.
#include "CatalogueChecks.h"
#include "DemoDay.h"
#include "WalkRows.h"
#include "WindowParameters.h"

#include <QtTest>

using custos::data::DataSet;
using custos::session::Params;
using custos::test::DayIds;
using custos::test::kDemoDay;

class TestCatalogueDemo : public QObject
{
    Q_OBJECT
    std::unique_ptr<custos::test::TestDatabase> m_db;
    std::unique_ptr<custos::session::DBXConnection> m_connection;
    std::unique_ptr<custos::data::TDataModule_Custo> m_module;
    DayIds m_ids;

    // The first value a look-up finds, -1 when it finds nothing; :dia is the demo's day.
    double lookUp(const QString& sql, Params params = {})
    {
        if (sql.contains(QLatin1String(":dia")))
            params.setDate(QStringLiteral("dia"), kDemoDay);
        const QVariant value = m_connection->query(sql, params).value(0, 0);
        return value.isNull() ? -1 : value.toDouble();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        m_db = std::make_unique<custos::test::TestDatabase>();
        custos::test::loadDemoDay(*m_db, 1);
        m_connection = m_db->connect();
        m_module = std::make_unique<custos::data::TDataModule_Custo>(*m_connection);

        m_ids.idAbate = lookUp(
            QStringLiteral("select id_abate from velko_cst.abate where id_unidade = 1 and data = :dia"));
        m_ids.familia = lookUp(QStringLiteral(
            "select min(p.id_familia) from velko_cst.industrial_produto p, velko_cst.industrial i"
            " where i.id_industrial = p.id_industrial and i.id_unidade = 1 and i.data = :dia"));
        m_ids.familiaElaboracao = lookUp(QStringLiteral(
            "select min(t.id_familia) from velko_cst.industrial_produto_elaboracao e, velko_cst.industrial i,"
            " velko_pcp.tabela_pcp t where i.id_industrial = e.id_industrial and t.id_tabela_pcp = "
            "e.id_ordem_producao"
            " and e.tipo = 'I' and i.id_unidade = 1 and i.data = :dia"));
        m_ids.familiaRevenda = lookUp(QStringLiteral(
            "select min(p.codigo_familia) from velko_cst.revenda_produto p, velko_cst.revenda r"
            " where r.id_revenda = p.id_revenda and r.id_unidade = 1 and r.data = :dia"));
        m_ids.grupoRevenda = lookUp(
            QStringLiteral("select min(p.codigo_grupo) from velko_cst.revenda_produto p, velko_cst.revenda r"
                           " where r.id_revenda = p.id_revenda and r.id_unidade = 1 and r.data = :dia"
                           " and p.codigo_familia = :familia"),
            Params().setNumber(QStringLiteral("familia"), m_ids.familiaRevenda));
        QVERIFY(m_ids.idAbate > 0);
        QVERIFY(m_ids.familia > 0);
        QVERIFY(m_ids.familiaElaboracao > 0);
        QVERIFY(m_ids.familiaRevenda > 0);
        QVERIFY(m_ids.grupoRevenda > 0);

        // A price table holding products of the family the export lists, one with a base table
        // where there is one, and its base table.
        const auto priceTables = [this](const char* items, double& table, double& base,
                                        const Params& family) {
            table = lookUp(
                QStringLiteral("select nvl(min(case when t.sequencial_tabela_base is not null"
                               " then t.sequencial_tabela_preco end), min(t.sequencial_tabela_preco)) v ") +
                    QLatin1String(items),
                family);
            base = lookUp(QStringLiteral("select sequencial_tabela_base from velko_ven.tabela_preco"
                                         " where sequencial_tabela_preco = :tabela"),
                          Params().setNumber(QStringLiteral("tabela"), table));
        };
        priceTables("from velko_ven.item_preco ip, velko_ven.tabela_preco t,"
                    " velko_cst.industrial_produto p, velko_cst.industrial i"
                    " where t.sequencial_tabela_preco = ip.sequencial_tabela_preco"
                    " and p.sequencial_produto = ip.sequencial_produto and i.id_industrial = p.id_industrial"
                    " and i.id_unidade = 1 and i.data = :dia and p.id_familia = :familia",
                    m_ids.tabelaPreco, m_ids.tabelaBase,
                    Params().setNumber(QStringLiteral("familia"), m_ids.familiaElaboracao));
        priceTables("from velko_ven.item_preco ip, velko_ven.tabela_preco t,"
                    " velko_cst.revenda_produto p, velko_cst.revenda r"
                    " where t.sequencial_tabela_preco = ip.sequencial_tabela_preco"
                    " and p.sequencial_produto = ip.sequencial_produto and r.id_revenda = p.id_revenda"
                    " and r.id_unidade = 1 and r.data = :dia and p.codigo_familia = :familia and "
                    "p.codigo_grupo = :grupo",
                    m_ids.tabelaRevenda, m_ids.tabelaBaseRevenda,
                    Params()
                        .setNumber(QStringLiteral("familia"), m_ids.familiaRevenda)
                        .setNumber(QStringLiteral("grupo"), m_ids.grupoRevenda));
        qInfo("slaughter %.0f, family %.0f, elaboration family %.0f, resale %.0f/%.0f, price tables "
              "%.0f/%.0f and "
              "%.0f/%.0f",
              m_ids.idAbate, m_ids.familia, m_ids.familiaElaboracao, m_ids.familiaRevenda, m_ids.grupoRevenda,
              m_ids.tabelaPreco, m_ids.tabelaBase, m_ids.tabelaRevenda, m_ids.tabelaBaseRevenda);
        const QStringList unset = custos::test::setDayParameters(*m_module, kDemoDay, m_ids);
        QVERIFY2(unset.isEmpty(), qPrintable(QStringLiteral("no value for ") + unset.join(u' ')));
    }

    // Every dataset a window opens, walked from the module; those the main window opens on the
    // day have rows.
    void everyDataSetOpens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("mainWindow");
        QTest::addColumn<QString>("problem");
        const QMap<QString, bool> mainWindow{
            {"GetEmpresa", false},
            {"Q_Moeda", true},
            {"CDS_Abate", true},
            {"CDS_AbateAcumulado", true},
            {"CDS_Compra", false},
            {"CDS_AbateProduto", true},
            {"CDS_Abate_Produto_Nivel2", true},
            {"CDS_CondenacaoMiudos", false},
            {"Q_Peso_Vivo", true},
            {"CDS_Industrializado", true},
            {"CDS_Resultado", true},
            {"CDS_ResultadoAcumulado", true},
            {"Q_ProcessosProducaoFamilia", false},
            {"CDS_Resultado_DT", false},
            {"CDS_MateriaPrima_DT", false},
            {"CDS_Insumos", false},
            {"CDS_ProducaoElaboracao", false},
            {"CDS_CondenacaoDesossa", false},
            {"CDS_Revenda", true},
            {"CDS_ResumoRevenda", true},
            {"CDS_ResumoRevendaAcumulado", true},
            {"CDS_ResultadoRevenda", false},
            {"CDS_Parametros", true},
            {"Q_DiasFechados", false},
            {"Q_DiasAbertos", false},
            {"Q_ValidaOP", false},
            {"Q_ValidaAcertos", false},
            {"CDS_HistoricoCusto", false},
            {"CDS_LogCusto", false},
            {"CDS_TabelaCusto", false},
            {"CDS_ExportarTabelaPreco", false},
            {"CDS_ExportarTabelaRevenda", false},
        };
        QStringList walked;
        for (const DataSet* dataSet : custos::test::openedDataSets(*m_module))
            walked << dataSet->objectName();
        custos::test::addWalkRows(walked, mainWindow, [](const QString& name, bool opened, const QString& problem) {
            QTest::newRow(qPrintable(name)) << name << opened << problem;
        });
    }
    void everyDataSetOpens()
    {
        QFETCH(QString, name);
        QFETCH(bool, mainWindow);
        QFETCH(QString, problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        for (DataSet* dataSet : m_module->findChildren<DataSet*>())
            dataSet->close();
        custos::test::setDayParameters(*m_module, kDemoDay, m_ids);
        DataSet& dataSet = m_module->dataSet(name);
        dataSet.open();
        QVERIFY(dataSet.isActive());
        if (mainWindow)
            QVERIFY(!dataSet.isEmpty());
        const QStringList tooWide = custos::test::checkValuesAndAggregates(*m_connection, dataSet);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(u' ')));
    }
};

QTEST_GUILESS_MAIN(TestCatalogueDemo)
#include "tst_catalogue_demo.moc"
