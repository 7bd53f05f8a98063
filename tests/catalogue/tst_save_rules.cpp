// The save rules of the cost data module on the generated fixture day: every client dataset
// (walked from the module) carries the rule its save needs, and a post on it writes the
// columns of its table's row; a posted price is written at once and, with AutoRefresh on, the
// values the server derives from it are read again (for a slaughter product also the day's
// by-product total of the slaughter); the
// month-to-date slaughter saves the daily one; refused rows stay pending and are reported;
// re-reading over pending changes and editing a read-only dataset are refused; the history
// marks are never written.
#include "CatalogueDay.h"
#include "DataError.h"
#include "WalkRows.h"
#include "WindowParameters.h"

#include <QtTest>
#include <cmath>

using custos::data::ClientDataSet;
using custos::data::DataError;
using custos::data::TDataModule_Custo;
using custos::session::BindType;
using custos::test::CatalogueDay;
using custos::test::kDia;
using custos::test::setParam;

namespace {

double cents(double value)
{
    return std::round(value * 100) / 100;
}

// What a client dataset's save must do: the rule it runs after a post, the dataset whose
// changes that rule writes (itself when empty), the table they go to, the column that finds the
// row, and each column a save writes with a value the test writes to it.
struct ExpectedSave
{
    QString rule;
    QString saved;
    QString table;
    QString identifying;
    QMap<QString, QVariant> writes;
};

const QDateTime kFechamento(QDate(2024, 3, 16), QTime(10, 30));

// Every client dataset with a save rule; the others have none.
const QMap<QString, ExpectedSave>& expectedSaves()
{
    static const QMap<QString, ExpectedSave> saves = [] {
        const QMap<QString, QVariant> closing{{"DATA_FECHAMENTO", kFechamento},
                                              {"USUARIO_FECHAMENTO", QStringLiteral("ANALISTA")}};
        QMap<QString, QVariant> slaughter = closing;
        slaughter.insert("TOTAL_APROVEITAMENTO", 900.0);
        return QMap<QString, ExpectedSave>{
            {"CDS_Abate", {"save", "", "VELKO_CST.ABATE", "ID_ABATE", slaughter}},
            {"CDS_AbateAcumulado", {"save CDS_Abate", "CDS_Abate", "VELKO_CST.ABATE", "ID_ABATE", slaughter}},
            {"CDS_AbateProduto",
             {"save, re-read, credit CDS_Abate", "", "VELKO_CST.ABATE_PRECO", "ID_ABATE_PRECO",
              {{"PRECO", 12.0}, {"ID_ORDEM_PRODUCAO", QStringLiteral("4711")}}}},
            {"CDS_Industrializado", {"save", "", "VELKO_CST.INDUSTRIAL", "ID_INDUSTRIAL", closing}},
            {"CDS_Resultado_DT",
             {"save, re-read", "", "VELKO_CST.INDUSTRIAL_PRECO", "ID_INDUSTRIAL_PRECO",
              {{"PRECO", 31.0}, {"VALOR_SERVICO", 5.5}, {"VALOR_SERVICO_KG", 0.25}}}},
            {"CDS_MateriaPrima_DT",
             {"save, re-read, re-read CDS_Resultado_DT", "", "VELKO_CST.INDUSTRIAL_PRECO_MP",
              "ID_INDUSTRIAL_PRECO_MP", {{"PRECO", 25.0}}}},
            {"CDS_Revenda", {"save", "", "VELKO_CST.REVENDA", "ID_REVENDA", closing}},
            {"CDS_ResultadoRevenda",
             {"save, re-read", "", "VELKO_CST.REVENDA_PRECO", "ID_REVENDA_PRECO", {{"PRECO", 26.0}}}},
            // The marks of the price captures and the log stay on the client.
            {"CDS_HistoricoCusto", {"save", "", "VELKO_CST.REVENDA", "", {}}},
            {"CDS_LogCusto", {"save", "", "VELKO_CST.REVENDA", "ID_LOG_CUSTO", {}}},
        };
    }();
    return saves;
}

// A value as text, a moment to the second whatever its time spec.
QString text(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return value.toString();
}

// The fields of an open dataset its provider gives the flag.
QStringList fieldsFlagged(const ClientDataSet& dataSet, custos::data::ProviderFlag flag)
{
    QStringList names;
    for (int c = 0; c < dataSet.fieldCount(); ++c) {
        if (dataSet.provider()->flags(dataSet.field(c).name()) & flag)
            names << dataSet.field(c).name();
    }
    names.sort();
    return names;
}

} // namespace

class TestSaveRules : public QObject
{
    Q_OBJECT
    std::unique_ptr<CatalogueDay> m_day;

    ClientDataSet& cds(const char* name) const { return m_day->cds(name); }
    TDataModule_Custo& module() const { return *m_day->module; }

    void openWith(ClientDataSet& dataSet, std::initializer_list<std::pair<const char*, QVariant>> params)
    {
        dataSet.close();
        for (const auto& [name, value] : params) {
            const BindType type = value.typeId() == QMetaType::QDate    ? BindType::Date
                                  : value.typeId() == QMetaType::QString ? BindType::Text
                                                                         : BindType::Number;
            setParam(dataSet, QString::fromLatin1(name), type, value);
        }
        dataSet.open();
    }

    // The slaughter of the day as the main window opens it: products first, then the species
    // with the by-products' result to apportion (criterion "A" of the fixture's set).
    void openSlaughter()
    {
        openWith(cds("CDS_AbateProduto"), {{"id_unidade", 1}, {"data", kDia}});
        openWith(cds("CDS_Abate"), {{"id_unidade", 1},
                                    {"data", kDia},
                                    {"aproveitamento_rateio", QStringLiteral("KG")},
                                    {"aproveitamento", 874.0}});
        openWith(cds("CDS_AbateAcumulado"),
                 {{"id_unidade", 1}, {"data", kDia}, {"aproveitamento_rateio", QStringLiteral("KG")}});
    }

    void openProductsOf(const QString& name)
    {
        if (name == QLatin1String("CDS_AbateProduto"))
            openSlaughter();
        else if (name == QLatin1String("CDS_ResultadoRevenda"))
            openWith(cds("CDS_ResultadoRevenda"),
                     {{"id_unidade", 1}, {"data", kDia}, {"codigo_familia", 7}, {"codigo_grupo", 1}});
        else
            openWith(module().clientDataSet(name), {{"id_unidade", 1}, {"data", kDia}, {"id_familia", 30}});
    }

    void setPrice(ClientDataSet& dataSet, const QString& product, const QVariant& price)
    {
        QVERIFY(dataSet.locate(QStringLiteral("CODIGO_PRODUTO"), product));
        dataSet.edit();
        dataSet.fieldByName(QStringLiteral("PRECO")).setValue(price);
    }

    QString stored(const QString& sql) const { return m_day->scalar(sql); }
    double storedTotalAproveitamento() const
    {
        return stored(QStringLiteral("select total_aproveitamento from velko_cst.abate")).toDouble();
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void init() { m_day = std::make_unique<CatalogueDay>(); }
    void cleanup() { m_day.reset(); }

    // Every client dataset the module holds with a post rule, walked from a module of its own.
    void postWritesTheRowOfItsTable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("problem");
        custos::session::DBXConnection unopened;
        const TDataModule_Custo walkedModule(unopened);
        QStringList walked;
        QHash<QString, QString> rules;
        for (const ClientDataSet* dataSet : walkedModule.findChildren<ClientDataSet*>()) {
            // No rule of the module checks a row before it is posted.
            QVERIFY2(dataSet->beforePostRule().isEmpty(), qPrintable(dataSet->objectName()));
            if (dataSet->afterPostRule().isEmpty())
                continue;
            walked << dataSet->objectName();
            rules.insert(dataSet->objectName(), dataSet->afterPostRule());
        }
        custos::test::addWalkRows(walked, expectedSaves(),
                                  [&rules](const QString& name, const ExpectedSave&, const QString& problem) {
                                      QTest::newRow(qPrintable(name)) << name << rules.value(name) << problem;
                                  });
    }
    void postWritesTheRowOfItsTable()
    {
        QFETCH(QString, name);
        QFETCH(QString, rule);
        QFETCH(QString, problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        const ExpectedSave& expected = expectedSaves()[name];
        QCOMPARE(rule, expected.rule);

        QVERIFY(custos::test::setDayParameters(module(), kDia, custos::test::catalogueDayIds(*m_day)).isEmpty());
        for (custos::data::DataSet* dataSet : custos::test::openedDataSets(module()))
            dataSet->open();
        ClientDataSet& posted = module().clientDataSet(name);
        ClientDataSet& saved = expected.saved.isEmpty() ? posted : module().clientDataSet(expected.saved);
        if (&saved != &posted)
            QCOMPARE(posted.provider()->tableName(), QString()); // nothing of its own is written
        QCOMPARE(saved.provider()->tableName(), expected.table);
        QCOMPARE(fieldsFlagged(saved, custos::data::ProviderFlag::Identifying),
                 expected.identifying.isEmpty() ? QStringList() : QStringList{expected.identifying});
        QCOMPARE(fieldsFlagged(saved, custos::data::ProviderFlag::Writable), QStringList(expected.writes.keys()));

        for (auto column = expected.writes.constBegin(); column != expected.writes.constEnd(); ++column) {
            QVERIFY2(!saved.isEmpty(), qPrintable(saved.objectName()));
            saved.first();
            const QVariant id = saved.fieldByName(expected.identifying).value();
            const auto storedValue = [&] {
                return m_day->connection
                    ->query(QStringLiteral("select %1 from %2 where %3 = :id")
                                .arg(column.key(), expected.table, expected.identifying),
                            custos::session::Params().setNumber(QStringLiteral("id"), id.toDouble()))
                    .value(0, 0);
            };
            QVERIFY2(text(storedValue()) != text(column.value()), qPrintable(column.key()));
            saved.edit();
            saved.fieldByName(column.key()).setValue(column.value());
            if (&saved != &posted)
                posted.edit();
            posted.post();
            QCOMPARE(saved.changeCount(), 0);
            QCOMPARE(text(storedValue()), text(column.value()));
        }
    }

    // A saved price moves the product's result (figures of tests/db/tst_packages.cpp); the
    // re-read shows it only with AutoRefresh on.
    void savedPriceRereadsDerivedValues_data()
    {
        QTest::addColumn<QString>("dataSet");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("priceTable");
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("price");
        QTest::addColumn<double>("result");
        QTest::addColumn<double>("resultBefore");
        QTest::addColumn<bool>("autoRefresh");
        for (const bool on : {true, false}) {
            const char* suffix = on ? ", recalculating" : ", not recalculating";
            QTest::addRow("liver%s", suffix) << "CDS_AbateProduto" << "1001" << "velko_cst.abate_preco"
                                             << "ID_ABATE_PRECO" << 12.0 << 559.6 << 461.5 << on;
            QTest::addRow("alcatra%s", suffix) << "CDS_Resultado_DT" << "3002" << "velko_cst.industrial_preco"
                                               << "ID_INDUSTRIAL_PRECO" << 31.0 << 1737.75 << 1440.75 << on;
            QTest::addRow("mussarela%s", suffix) << "CDS_ResultadoRevenda" << "4001" << "velko_cst.revenda_preco"
                                                 << "ID_REVENDA_PRECO" << 26.0 << 397.13 << 318.38 << on;
        }
    }
    void savedPriceRereadsDerivedValues()
    {
        QFETCH(QString, dataSet);
        QFETCH(QString, product);
        QFETCH(QString, priceTable);
        QFETCH(QString, key);
        QFETCH(double, price);
        QFETCH(double, result);
        QFETCH(double, resultBefore);
        QFETCH(bool, autoRefresh);
        module().setAutoRefresh(autoRefresh);
        openProductsOf(dataSet);
        ClientDataSet& products = module().clientDataSet(dataSet);
        setPrice(products, product, price);
        const double id = products.fieldByName(key).asFloat();
        products.post();

        QCOMPARE(products.changeCount(), 0);
        QCOMPARE(stored(QStringLiteral("select preco::float8 from %1 where %2 = %3").arg(priceTable, key).arg(id, 0, 'f', 0)),
                 QString::number(price));
        QVERIFY(products.locate(QStringLiteral("CODIGO_PRODUTO"), product));
        QCOMPARE(products.fieldByName(QStringLiteral("PRECO")).asFloat(), price);
        QCOMPARE(cents(products.fieldByName(QStringLiteral("RESULTADO_TOTAL")).asFloat()),
                 autoRefresh ? result : resultBefore);
    }

    // The slaughter product rule: the new sum of the products' results becomes the day's
    // TOTAL_APROVEITAMENTO and the species are read again with it; without AutoRefresh only
    // the price is written.
    void slaughterProductPriceCreditsTheSlaughter_data()
    {
        QTest::addColumn<bool>("autoRefresh");
        QTest::newRow("recalculating") << true;
        QTest::newRow("not recalculating") << false;
    }
    void slaughterProductPriceCreditsTheSlaughter()
    {
        QFETCH(bool, autoRefresh);
        module().setAutoRefresh(autoRefresh);
        openSlaughter();
        ClientDataSet& abate = cds("CDS_Abate");
        setPrice(cds("CDS_AbateProduto"), QStringLiteral("1001"), 12.0);
        cds("CDS_AbateProduto").post();

        const double total = autoRefresh ? 972.1 : 874.0; // 874.00 - 461.50 + 559.60
        QCOMPARE(cents(cds("CDS_AbateProduto").aggregateByName(QStringLiteral("RESULTADO_GERAL")).asFloat()),
                 autoRefresh ? 972.1 : 874.0);
        QCOMPARE(storedTotalAproveitamento(), total);
        QCOMPARE(abate.changeCount(), 0);
        QCOMPARE(abate.fieldByName(QStringLiteral("TOTAL_APROVEITAMENTO")).asFloat(), total);
        // By weight: the total over 2,500 kg, 250 kg a head; the cost per kilogram is
        // 44,825.00 / 2,500 less the same share.
        QCOMPARE(cents(abate.fieldByName(QStringLiteral("VALOR_APROVEITAMENTO_CB")).asFloat()), cents(total / 10));
        QCOMPARE(std::round(abate.fieldByName(QStringLiteral("CUSTO_TOTAL_KG")).asFloat() * 1e5) / 1e5,
                 std::round((44825.0 - total) / 2500 * 1e5) / 1e5);
    }

    void monthToDatePostSavesTheDailySlaughter()
    {
        openSlaughter();
        ClientDataSet& abate = cds("CDS_Abate");
        ClientDataSet& acumulado = cds("CDS_AbateAcumulado");
        abate.edit();
        abate.fieldByName(QStringLiteral("TOTAL_APROVEITAMENTO")).setValue(900.0);
        acumulado.edit();
        acumulado.fieldByName(QStringLiteral("VALOR_MOD")).setValue(1.0);
        acumulado.post();

        QCOMPARE(storedTotalAproveitamento(), 900.0);
        QCOMPARE(abate.changeCount(), 0);
        QCOMPARE(acumulado.changeCount(), 1); // kept on the client: it has no table to be written to
    }

    // A price the column refuses stays pending with the database's message; the other rows of
    // the same save are written; the rule stops before its re-read.
    void refusedRowStaysPending()
    {
        openSlaughter();
        ClientDataSet& products = cds("CDS_AbateProduto");
        const QString before = stored(QStringLiteral("select string_agg(preco::text, ' ' order by id_abate_preco)"
                                                     " from velko_cst.abate_preco"));
        setPrice(products, QStringLiteral("1001"), 1e15);
        try {
            products.post();
            QFAIL("the refused price was not reported");
        } catch (const DataError& error) {
            QVERIFY2(error.message().contains(QLatin1String("numeric field overflow")), qPrintable(error.message()));
        }
        QCOMPARE(products.changeCount(), 1);
        QCOMPARE(products.fieldByName(QStringLiteral("PRECO")).asFloat(), 1e15);

        setPrice(products, QStringLiteral("1002"), 3.5);
        QVERIFY_THROWS_EXCEPTION(DataError, products.post());
        QCOMPARE(products.changeCount(), 1);
        QCOMPARE(stored(QStringLiteral("select preco::float8 from velko_cst.abate_preco p join velko_ven.produto v"
                                       " on v.sequencial_produto = p.sequencial_produto where v.codigo_produto = '1002'")),
                 QStringLiteral("3.5"));
        QVERIFY(stored(QStringLiteral("select string_agg(preco::text, ' ' order by id_abate_preco)"
                                      " from velko_cst.abate_preco")) != before);
        QCOMPARE(storedTotalAproveitamento(), 874.0);
        QVERIFY(products.locate(QStringLiteral("CODIGO_PRODUTO"), QStringLiteral("1001")));
        QCOMPARE(products.fieldByName(QStringLiteral("PRECO")).asFloat(), 1e15);
    }

    // A raw-material price re-reads the family's products too; with a product price still
    // pending there that re-read is refused with an error, the raw-material price saved.
    void rereadOverPendingChangesIsRefused()
    {
        openProductsOf(QStringLiteral("CDS_Resultado_DT"));
        openProductsOf(QStringLiteral("CDS_MateriaPrima_DT"));
        ClientDataSet& products = cds("CDS_Resultado_DT");
        setPrice(products, QStringLiteral("3001"), 1e15);
        QVERIFY_THROWS_EXCEPTION(DataError, products.post());

        ClientDataSet& rawMaterial = cds("CDS_MateriaPrima_DT");
        rawMaterial.first();
        rawMaterial.edit();
        rawMaterial.fieldByName(QStringLiteral("PRECO")).setValue(25.0);
        try {
            rawMaterial.post();
            QFAIL("the re-read over pending changes was not refused");
        } catch (const DataError& error) {
            QVERIFY2(error.message().contains(QLatin1String("pendentes")), qPrintable(error.message()));
        }
        QCOMPARE(rawMaterial.changeCount(), 0);
        QCOMPARE(stored(QStringLiteral("select count(*) from velko_cst.industrial_preco_mp where preco = 25")), QStringLiteral("1"));
        QCOMPARE(products.changeCount(), 1);
    }

    void readOnlyDataSetRefusesEdits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("madeReadOnly"); // by the window (the day is closed), not by the module
        QTest::newRow("family results") << "CDS_Resultado" << false;
        QTest::newRow("products by group") << "CDS_Abate_Produto_Nivel2" << false;
        QTest::newRow("slaughter products of a closed day") << "CDS_AbateProduto" << true;
    }
    void readOnlyDataSetRefusesEdits()
    {
        QFETCH(QString, name);
        QFETCH(bool, madeReadOnly);
        ClientDataSet& dataSet = module().clientDataSet(name);
        if (name == QLatin1String("CDS_Resultado"))
            openWith(dataSet, {{"ID_UNIDADE", 1}, {"DATA", kDia}, {"ID_FAMILIA", 0}});
        else
            openWith(dataSet, {{"id_unidade", 1}, {"data", kDia}});
        QVERIFY(!dataSet.isEmpty());
        QCOMPARE(dataSet.isReadOnly(), !madeReadOnly);
        dataSet.setReadOnly(true);
        QVERIFY_THROWS_EXCEPTION(DataError, dataSet.edit());
        QCOMPARE(dataSet.state(), ClientDataSet::State::Browse);
        QCOMPARE(dataSet.changeCount(), 0);
    }

    // Marking a price capture posts the row; nothing is written and the mark stays.
    void historyMarkStaysOnTheClient()
    {
        ClientDataSet& historico = cds("CDS_HistoricoCusto");
        openWith(historico, {{"ID_UNIDADE", 1}, {"DATA_CUSTO", kDia}});
        QCOMPARE(historico.recordCount(), 1);
        const QString revenda = stored(QStringLiteral("select row(r.*)::text from velko_cst.revenda r"));
        historico.edit();
        historico.fieldByName(QStringLiteral("SELECIONADO")).setValue(1);
        historico.post();
        QCOMPARE(historico.fieldByName(QStringLiteral("SELECIONADO")).asInteger(), 1);
        QCOMPARE(historico.changeCount(), 0);
        QCOMPARE(stored(QStringLiteral("select row(r.*)::text from velko_cst.revenda r")), revenda);
        historico.close();
        historico.open();
        QCOMPARE(historico.fieldByName(QStringLiteral("SELECIONADO")).asInteger(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSaveRules)
#include "tst_save_rules.moc"
