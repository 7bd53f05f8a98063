// The cost packages through the real session layer, on the one-day fixture (15/03/2024).
//
// Hand-worked figures of the fixture (parameter set 10):
//  Liver 1001, 60 kg at 10.00 (home market, ICMS exception 7 %): revenue 600.00; packaging
//    2 boxes x 0.5 x 2.00 = 2.00, labour 60 x 0.20 = 12.00, overhead 6.00 -> cost 20.00; ICMS
//    42.00 + PIS/Cofins 9.25 % 55.50 = 97.50; commission 2 % 12.00 + freight 6.00 + admin. 3.00
//    = 21.00; result 461.50.
//  Tallow 1002, 200 kg at 3.00 (group exception: no commission, labour 0.05): 600.00; cost
//    10.00 + 20.00 = 30.00; taxes 72.00 + 55.50 = 127.50; expenses 20.00 + 10.00 = 30.00;
//    result 412.50.
//  Carcass: 50,000.00 - ICMS credit 3,000.00 - PIS/Cofins 2,775.00 + commission 500.00 +
//    freight 100.00 + slaughter labour 250.00 + overhead 125.00 = 45,200.00, less the
//    by-products' 874.00 = 44,326.00 over hind (48 % x ref 20) and fore (52 % x ref 10)
//    quarters: hind 28,752.00 / 1,200 kg = 23.96/kg.
//  Deboning 500 kg of hind quarter = 11,980.00, by value: picanha 100 kg x 60 (40 %) 4,792.00,
//    alcatra 300 kg x 30 (60 %) 7,188.00; film 15.00 by weight 3.75 / 11.25.
//  Picanha 3001 (group exception: labour 0.40): 6,000.00; cost 4,792 + 3.75 + 40 + 20 =
//    4,855.75; taxes 720 + 555 = 1,275.00; expenses 120 + 10 + 5 = 135.00; result -265.75.
//  Alcatra 3002 (export, freight exception 0.20): 9,000.00; cost 7,188 + 11.25 + 90 + 60 =
//    7,349.25; no taxes; commission 90 + freight 60 + export expense 45 + admin. 15 = 210.00;
//    result 1,440.75.
//  Mussarela 4001, 50 kg at 24.00: purchase 750 + 25 - 90 - 69.38 = 615.62, + labour 2.50 +
//    overhead 1.00 = 619.12; taxes 144 + 111 = 255.00; expenses 5.00 + 2.50 = 7.50 (dairy:
//    no commission); result 318.38.
//  Butter 4002, 20 kg at 32.00 (ICMS exception 7 %): 400.00 + 1.00 + 0.40 = 401.40; taxes
//    44.80 + 59.20 = 104.00; expenses 2.00 + 1.00 = 3.00; result 131.60.
#include "DBXConnection.h"
#include "DatabaseError.h"
#include "FixtureDay.h"
#include "TestDatabase.h"

#include <QThread>
#include <QtTest>
#include <cmath>

using custos::session::DBXConnection;
using custos::session::PackageRefusalError;
using custos::session::Params;
using custos::test::generateDay;
using custos::test::kDia;
using custos::test::TestDatabase;

namespace {

struct Area
{
    const char* name;
    const char* source;    // the table function
    const char* priceKey;  // price key column and its table
    const char* priceTable;
    const char* costColumn; // the production (or purchase) cost column
};

const Area kAbate{"slaughter", "velko_cst.pkg_abate.ppl_aproveitamento", "id_abate_preco", "velko_cst.abate_preco",
                  "custo_industrial"};
const Area kProducao{"production", "velko_cst.pkg_industrializado.ppl_resultado", "id_industrial_preco",
                     "velko_cst.industrial_preco", "custo_industrial"};
const Area kRevenda{"resale", "velko_cst.pkg_revenda.ppl_resultado", "id_revenda_preco", "velko_cst.revenda_preco",
                    "custo_revenda"};

// The figure of one product from a table function, rounded to cents.
double figure(DBXConnection& c, const Area& area, const QString& product, const QString& column)
{
    auto r = c.query(QStringLiteral("select %1 v from table(%2(:u, :d, :d)) where codigo_produto = :p")
                         .arg(column, QLatin1String(area.source)),
                     Params()
                         .setNumber(QStringLiteral("u"), 1)
                         .setDate(QStringLiteral("d"), kDia)
                         .setText(QStringLiteral("p"), product));
    if (r.rowCount() != 1)
        throw std::runtime_error("product " + product.toStdString() + " has " + std::to_string(r.rowCount()) + " rows");
    return std::round(r.value(0, 0).toDouble() * 100) / 100;
}

QString undoableCaptures()
{
    return QStringLiteral(
        "select count(*) from (select distinct a.data_historico from velko_cst.abate_preco_historico a"
        " where a.id_unidade = 1 and a.data_geracao_custo = '2024-03-15' and not exists (select 1 from"
        " velko_cst.abate_preco ap where ap.id_abate_preco_historico = a.id_abate_preco_historico)"
        " union select i.data_historico from velko_cst.ind_preco_historico i where i.id_unidade = 1"
        " and i.data_geracao_custo = '2024-03-15' and not exists (select 1 from velko_cst.industrial_preco p"
        " where p.id_ind_preco_historico = i.id_ind_preco_historico)) x");
}

} // namespace

class TestPackages : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<DBXConnection> m_c;
    const QDateTime m_primeira{QDate(2024, 3, 16), QTime(8, 0, 0)};

    void freshDay()
    {
        m_c.reset();
        m_db = std::make_unique<TestDatabase>();
        m_db->loadFixture(QStringLiteral("custo_dia.sql"));
        m_c = m_db->connect();
        generateDay(*m_c, m_primeira, 1);
    }

    QString scalar(const QString& sql) const { return m_db->scalar(sql); }

private Q_SLOTS:
    void init() { freshDay(); }

    void productFigures_data()
    {
        QTest::addColumn<const Area*>("area");
        QTest::addColumn<QString>("product");
        QTest::addColumn<double>("revenue");
        QTest::addColumn<double>("cost");
        QTest::addColumn<double>("taxes");
        QTest::addColumn<double>("expenses");
        QTest::addColumn<double>("result");
        QTest::newRow("liver, product exception") << &kAbate << "1001" << 600.0 << 20.0 << 97.5 << 21.0 << 461.5;
        QTest::newRow("tallow, group exception") << &kAbate << "1002" << 600.0 << 30.0 << 127.5 << 30.0 << 412.5;
        QTest::newRow("picanha, group exception") << &kProducao << "3001" << 6000.0 << 4855.75 << 1275.0 << 135.0
                                                  << -265.75;
        QTest::newRow("alcatra, export exception") << &kProducao << "3002" << 9000.0 << 7349.25 << 0.0 << 210.0
                                                   << 1440.75;
        QTest::newRow("mussarela, group exception") << &kRevenda << "4001" << 1200.0 << 619.12 << 255.0 << 7.5
                                                    << 318.38;
        QTest::newRow("butter, product exception") << &kRevenda << "4002" << 640.0 << 401.4 << 104.0 << 3.0 << 131.6;
    }
    void productFigures()
    {
        QFETCH(const Area*, area);
        QFETCH(QString, product);
        QFETCH(double, revenue);
        QFETCH(double, cost);
        QFETCH(double, taxes);
        QFETCH(double, expenses);
        QFETCH(double, result);
        QCOMPARE(figure(*m_c, *area, product, QStringLiteral("preco_total")), revenue);
        QCOMPARE(figure(*m_c, *area, product, QLatin1String(area->costColumn)), cost);
        QCOMPARE(figure(*m_c, *area, product, QStringLiteral("custo_impostos")), taxes);
        QCOMPARE(figure(*m_c, *area, product, QStringLiteral("custo_despesas")), expenses);
        QCOMPARE(figure(*m_c, *area, product, QStringLiteral("resultado_total")), result);
        QCOMPARE(figure(*m_c, *area, product, QStringLiteral("custo_total")), revenue - result);
    }

    void quarterCostPricesTheDeboning()
    {
        QCOMPARE(scalar(QStringLiteral("select custo_kg from velko_cst.abate_quartos where sequencial_produto = 110")),
                 QStringLiteral("23.960000"));
        auto r = m_c->query(QStringLiteral(
            "select preco, codigo_metodo_custo_mp from table(velko_cst.pkg_industrializado.ppl_materia_prima(:u,:d,:d))"
            " where codigo_produto = '2001'"),
                            Params().setNumber(QStringLiteral("u"), 1).setDate(QStringLiteral("d"), kDia));
        QCOMPARE(r.value(0, 0).toDouble(), 23.96);
        QCOMPARE(r.value(0, 1).toString(), QStringLiteral("ABT"));
    }

    // Where two parameter sets are valid on a record's day, every area reads its rows once, under
    // the set that starts last (the one the generation takes): here a copy of the day's set
    // without its market rates and exceptions, so no product pays taxes.
    void overlappingParameterSetsTakeTheLatest()
    {
        m_db->exec(QStringLiteral(
            "create temp table copia as select * from velko_cst.base_custo where id_base_custo = 10;"
            "update copia set id_base_custo = 11, data_inicial = '2024-03-10';"
            "insert into velko_cst.base_custo select * from copia"));
        for (const auto& [area, product] : {std::pair{&kAbate, "1001"}, std::pair{&kProducao, "3001"},
                                            std::pair{&kRevenda, "4001"}})
            QCOMPARE(figure(*m_c, *area, QLatin1String(product), QStringLiteral("custo_impostos")), 0.0);
    }

    // A new price moves revenue, the taxes and commission on it, and the result; never a cost.
    void savedPriceChangesRevenueAndResult_data()
    {
        QTest::addColumn<const Area*>("area");
        QTest::addColumn<QString>("product");
        QTest::addColumn<double>("price");
        QTest::addColumn<double>("revenue");
        QTest::addColumn<double>("result");
        // liver at 12.00: 720.00; ICMS 50.40, PIS/Cofins 66.60, commission 14.40.
        QTest::newRow("liver") << &kAbate << "1001" << 12.0 << 720.0 << 559.6;
        // alcatra at 31.00: 9,300.00; commission 93.00.
        QTest::newRow("alcatra") << &kProducao << "3002" << 31.0 << 9300.0 << 1737.75;
        // mussarela at 26.00: 1,300.00; ICMS 156.00, PIS/Cofins 120.25.
        QTest::newRow("mussarela") << &kRevenda << "4001" << 26.0 << 1300.0 << 397.13;
    }
    void savedPriceChangesRevenueAndResult()
    {
        QFETCH(const Area*, area);
        QFETCH(QString, product);
        QFETCH(double, price);
        QFETCH(double, revenue);
        QFETCH(double, result);
        const double cost = figure(*m_c, *area, product, QLatin1String(area->costColumn));
        const double key = figure(*m_c, *area, product, QLatin1String(area->priceKey));
        m_c->execute(QStringLiteral("update %1 set preco = :preco where %2 = :id").arg(area->priceTable, area->priceKey),
                     Params().setNumber(QStringLiteral("preco"), price).setNumber(QStringLiteral("id"), key));
        QCOMPARE(figure(*m_c, *area, product, QStringLiteral("preco_total")), revenue);
        QCOMPARE(figure(*m_c, *area, product, QStringLiteral("resultado_total")), result);
        QCOMPARE(figure(*m_c, *area, product, QLatin1String(area->costColumn)), cost);
    }

    void captureKeepsOrOverwritesEditedPrices_data()
    {
        QTest::addColumn<int>("capture");
        QTest::addColumn<double>("liverPrice");
        QTest::addColumn<int>("undoable");
        QTest::newRow("capture 0 keeps the edit") << 0 << 12.0 << 0;
        QTest::newRow("capture 1 overwrites it") << 1 << 10.0 << 1;
    }
    void captureKeepsOrOverwritesEditedPrices()
    {
        QFETCH(int, capture);
        QFETCH(double, liverPrice);
        QFETCH(int, undoable);
        m_db->exec(QStringLiteral("update velko_cst.abate_preco set preco = 12 where sequencial_produto = 101"));
        generateDay(*m_c, m_primeira.addSecs(3600), capture);
        QCOMPARE(figure(*m_c, kAbate, QStringLiteral("1001"), QStringLiteral("preco")), liverPrice);
        QCOMPARE(scalar(undoableCaptures()).toInt(), undoable);
    }

    void restorePutsBackThePricesAndDropsTheCapture()
    {
        m_db->exec(QStringLiteral("update velko_cst.abate_preco set preco = 12 where sequencial_produto = 101;"
                                  "update velko_cst.industrial_preco set preco = 65 where sequencial_produto = 120"));
        const QDateTime captura = m_primeira.addSecs(3600);
        generateDay(*m_c, captura, 1);
        QCOMPARE(figure(*m_c, kProducao, QStringLiteral("3001"), QStringLiteral("preco")), 60.0);
        m_c->execute(QStringLiteral("BEGIN\n"
                                    "velko_cst.pkg_abate.RESTAURAR_PRECO_MEDIO(:id_unidade, :data_base, :data_processamento);\n"
                                    "velko_cst.pkg_industrializado.RESTAURAR_PRECO_MEDIO(:id_unidade, :data_base, :data_processamento);\n"
                                    "END;"),
                     Params()
                         .setNumber(QStringLiteral("id_unidade"), 1)
                         .setDate(QStringLiteral("data_base"), kDia)
                         .setDateTime(QStringLiteral("data_processamento"), captura));
        QCOMPARE(figure(*m_c, kAbate, QStringLiteral("1001"), QStringLiteral("preco")), 12.0);
        QCOMPARE(figure(*m_c, kAbate, QStringLiteral("1001"), QStringLiteral("preco_anterior")), 10.0);
        QCOMPARE(figure(*m_c, kProducao, QStringLiteral("3001"), QStringLiteral("preco")), 65.0);
        auto r = m_c->query(QStringLiteral("select usuario_restauracao_preco from table(velko_cst.pkg_abate.ppl_aproveitamento(:u,:d,:d))"
                                           " where codigo_produto = '1001'"),
                            Params().setNumber(QStringLiteral("u"), 1).setDate(QStringLiteral("d"), kDia));
        QCOMPARE(r.value(0, 0).toString(), QStringLiteral("GERENTE"));
        QCOMPARE(scalar(undoableCaptures()).toInt(), 0);
        // A later capture with nothing edited lists a new, undoable moment; the undone one stays gone.
        generateDay(*m_c, captura.addSecs(3600), 1);
        QCOMPARE(scalar(undoableCaptures()).toInt(), 1);
    }

    void closingAndReopening()
    {
        Params p;
        p.setDate(QStringLiteral("p_data"), kDia)
            .setNumber(QStringLiteral("p_id_unidade"), 1)
            .setNumber(QStringLiteral("p_id_abate"), scalar(QStringLiteral("select id_abate from velko_cst.abate")).toDouble())
            .setNumber(QStringLiteral("p_id_industrial"),
                       scalar(QStringLiteral("select id_industrial from velko_cst.industrial")).toDouble())
            .setNumber(QStringLiteral("p_id_revenda"), scalar(QStringLiteral("select id_revenda from velko_cst.revenda")).toDouble())
            .setNumber(QStringLiteral("p_aproveitamento_kg"), 0.35)
            .setNumber(QStringLiteral("p_resultado_geral"), 874);
        const QString fechar = QStringLiteral(
            "begin\n  velko_cst.pkg_industrializado.fechar_custo(:p_data, :p_id_unidade, :p_id_abate, :p_id_industrial,"
            " :p_id_revenda, :p_aproveitamento_kg, :p_resultado_geral);\n  COMMIT;\nend;");
        const QString reabrir = QStringLiteral(
            "begin\n  velko_cst.pkg_industrializado.desfazer_fechamento_custo(:p_data, :p_id_unidade, :p_id_abate,"
            " :p_id_industrial, :p_id_revenda);\n  COMMIT;\nend;");
        m_c->execute(fechar, p);
        QCOMPARE(scalar(QStringLiteral("select usuario_fechamento from velko_cst.industrial where data_fechamento is not null")),
                 QStringLiteral("GERENTE"));
        QCOMPARE(scalar(QStringLiteral("select count(*) from velko_cst.revenda where data_fechamento is not null")),
                 QStringLiteral("1"));
        QVERIFY_THROWS_EXCEPTION(PackageRefusalError, m_c->execute(fechar, p));
        QVERIFY_THROWS_EXCEPTION(PackageRefusalError, generateDay(*m_c, m_primeira.addSecs(60), 0));
        m_c->execute(reabrir, p);
        QCOMPARE(scalar(QStringLiteral("select count(*) from velko_cst.abate where data_fechamento is not null")),
                 QStringLiteral("0"));
        QVERIFY_THROWS_EXCEPTION(PackageRefusalError, m_c->execute(reabrir, p));
        generateDay(*m_c, m_primeira.addSecs(120), 0);
        QCOMPARE(scalar(QStringLiteral("select string_agg(left(historico, 10), ',' order by id_log_custo) from velko_cst.log_custo")),
                 QStringLiteral("Geração do,Fechamento,Reabertura,Geração do"));
    }

    void weightedAverageUpdateTouchesCmpOnly()
    {
        m_db->exec(QStringLiteral("update velko_cst.industrial_preco_mp set preco = 99"));
        m_c->execute(QStringLiteral("BEGIN  \n  velko_cst.pkg_industrializado.atualiza_custo_medio_mp(:p_id_unidade, \n:p_id_familia, \n:p_data);      \nEND; "),
                     Params()
                         .setNumber(QStringLiteral("p_id_unidade"), 1)
                         .setNumber(QStringLiteral("p_id_familia"), 40)
                         .setDate(QStringLiteral("p_data"), kDia));
        QCOMPARE(scalar(QStringLiteral("select string_agg(codigo_metodo_custo_mp || '=' || round(preco, 2), ',' order by codigo_metodo_custo_mp)"
                                       " from velko_cst.industrial_preco_mp")),
                 QStringLiteral("ABT=99.00,CMP=12.00,NFE=99.00"));
    }

    // A refusal reaches the client with the packages' own code and its text, also from the unit's
    // processing database over the link.
    void refusalsCarryTheirCode_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QString>("message");
        QTest::newRow("no parameter set on the day")
            << "BEGIN\nvelko_cst.pkg_consumo.gera_consumo(:id_unidade, :data);\nEND;"
            << "Não existe base de custo da unidade 9 válida em 15/03/2024.";
        QTest::newRow("the same over the link")
            << "BEGIN\nvelko_cst.pkg_consumo.gera_consumo@UNIDADE2(:id_unidade, :data);\nEND;"
            << "Não existe base de custo da unidade 9 válida em 15/03/2024.";
        QTest::newRow("nothing to close")
            << "begin\n  velko_cst.pkg_industrializado.fechar_custo(:data, :id_unidade, null, null, null, null, null);\n"
               "  COMMIT;\nend;"
            << "Não há abate, produção ou revenda de 15/03/2024 para fechar.";
    }
    void refusalsCarryTheirCode()
    {
        QFETCH(QString, block);
        QFETCH(QString, message);
        try {
            m_c->execute(block, Params().setNumber(QStringLiteral("id_unidade"), 9).setDate(QStringLiteral("data"), kDia));
            QFAIL("the package did not refuse");
        } catch (const PackageRefusalError& e) {
            QCOMPARE(e.sqlState(), QLatin1String(custos::session::kPackageRefusalState));
            QCOMPARE(e.message(), message);
        }
    }

    // Every refusal the package routines raise names the packages' code.
    void everyRefusalNamesTheCode()
    {
        QCOMPARE(scalar(QStringLiteral(
                     R"sql(select string_agg(p.oid::regprocedure::text, ', ') from pg_proc p
                             join pg_namespace n on n.oid = p.pronamespace
                            where n.nspname in ('pkg_base_custo', 'pkg_consumo', 'pkg_abate', 'pkg_industrializado', 'pkg_revenda')
                              and regexp_count(p.prosrc, 'RAISE\s+EXCEPTION', 1, 'i')
                                  <> regexp_count(p.prosrc, 'ERRCODE\s*=\s*''VC001''', 1, 'i'))sql")),
                 QString());
    }

    // The same packages in the unit's processing database, called over its link.
    void generationOverTheLink()
    {
        m_db->loadFixtureOnUnit(QStringLiteral("custo_dia.sql"));
        m_c->execute(QStringLiteral(
                         "BEGIN\n"
                         "velko_cst.pkg_consumo.gera_consumo@UNIDADE2(:id_unidade, :data_base);\n"
                         "velko_cst.pkg_abate.integra@UNIDADE2(:id_unidade, :data_base, :atualiza_preco, :data_processamento);\n"
                         "velko_cst.pkg_industrializado.integra@UNIDADE2(:id_unidade, :data_base, :atualiza_preco, :data_processamento);\n"
                         "velko_cst.pkg_revenda.integra@UNIDADE2(:id_unidade, :data_base, :atualiza_preco);\n"
                         "END;"),
                     Params()
                         .setNumber(QStringLiteral("id_unidade"), 1)
                         .setDate(QStringLiteral("data_base"), kDia)
                         .setInteger(QStringLiteral("atualiza_preco"), 1)
                         .setDateTime(QStringLiteral("data_processamento"), m_primeira));
        auto r = m_c->query(QStringLiteral(
            "select (select count(*) from velko_cst.abate_produto@UNIDADE2) abate,"
            "       (select count(*) from velko_cst.industrial_produto@UNIDADE2) producao,"
            "       (select count(*) from velko_cst.revenda_produto@UNIDADE2) revenda,"
            "       (select round(custo_kg, 2) from velko_cst.abate_quartos@UNIDADE2 where sequencial_produto = 110) traseiro"
            "  from dual"));
        QCOMPARE(r.value(0, 0).toDouble(), 2.0);
        QCOMPARE(r.value(0, 1).toDouble(), 3.0);
        QCOMPARE(r.value(0, 2).toDouble(), 2.0);
        QCOMPARE(r.value(0, 3).toDouble(), 23.96);
    }

    // Two sessions generating the same day: the second waits for the first and the day ends
    // with one consistent set of results.
    void concurrentGenerationsSerialize()
    {
        auto first = m_db->connect();
        DBXConnection::Transaction t(*first);
        generateDay(*first, m_primeira.addSecs(600), 1);

        QString secondError;
        QThread* second = QThread::create([this, &secondError] {
            try {
                auto c = m_db->connect();
                generateDay(*c, m_primeira.addSecs(1200), 1);
            } catch (const std::exception& e) {
                secondError = QString::fromUtf8(e.what());
            }
        });
        second->start();
        // Wait until the second session is blocked on the day's lock.
        while (scalar(QStringLiteral("select count(*) from pg_stat_activity where datname = current_database()"
                                     " and wait_event_type = 'Lock' and wait_event = 'advisory'")) != QLatin1String("1"))
            QThread::yieldCurrentThread();
        t.commit();
        second->wait();
        delete second;
        QCOMPARE(secondError, QString());
        QCOMPARE(scalar(QStringLiteral("select count(*) from velko_cst.abate_produto")), QStringLiteral("2"));
        QCOMPARE(scalar(QStringLiteral("select count(*) from velko_cst.abate_preco")), QStringLiteral("2"));
        QCOMPARE(scalar(QStringLiteral("select count(*) from velko_cst.industrial_produto")), QStringLiteral("3"));
        QCOMPARE(scalar(QStringLiteral("select count(distinct data_historico) from velko_cst.abate_preco_historico")),
                 QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(TestPackages)
#include "tst_packages.moc"
