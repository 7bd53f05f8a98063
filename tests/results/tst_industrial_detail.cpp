// F_IndustrializadoResultadoDetalhe on the real server, for the fixture's deboning family:
// F_IndustrializadoResultado opening it for its current product, the start date choosing the
// family result's revenue records or the historical orders (a later start date, none, no
// parameter row at all), the price panel by revenue criterion, the packaging of the product's
// production order with its six-decimal average cost, and the parameter column.

#include "DBLabel.h"
#include "DataSourceRows.h"
#include "SlaughterDay.h"
#include "TF_IndustrializadoResultado.h"
#include "TF_IndustrializadoResultadoDetalhe.h"

#include <QPointer>
#include <QTimer>
#include <QtTest>

using namespace custos;
using custos::grid::GridView;
using custos::results::TF_IndustrializadoResultado;
using custos::results::TF_IndustrializadoResultadoDetalhe;
using custos::test::child;
using custos::test::footerOf;
using custos::test::kDia;
using custos::test::near;
using custos::test::pricePanelGrid;
using custos::test::valueOf;
using custos::test::SlaughterDay;
using custos::test::Variation;

namespace {

constexpr double kCortes = 30;

} // namespace

class TestIndustrialDetail : public QObject
{
    Q_OBJECT

    std::unique_ptr<SlaughterDay> m_day;
    std::unique_ptr<TF_IndustrializadoResultado> m_window;

    data::ClientDataSet& products() const { return m_day->module().clientDataSet(QStringLiteral("CDS_Resultado_DT")); }
    QString scalar(const QString& sql) const { return m_day->scalar(sql); }

    // The product positioned in the family's product costs.
    void position(const char* code) { test::positionProduct(*m_window, products(), code); }

    std::unique_ptr<TF_IndustrializadoResultadoDetalhe> openDetail(const char* code = "3001")
    {
        return test::openProductDetail<TF_IndustrializadoResultadoDetalhe>(*m_window, products(), code);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_day = std::make_unique<SlaughterDay>();
        QVERIFY(m_day->module().clientDataSet(QStringLiteral("CDS_Resultado")).locate(QStringLiteral("ID_FAMILIA"), kCortes));
        m_window = test::shownForTest(std::make_unique<TF_IndustrializadoResultado>(m_day->module(), kDia, m_day->menu.get()));
    }

    void init() { m_day->day.messages.clear(); }

    void cleanup()
    {
        for (const test::Message& m : m_day->day.messages)
            qWarning("message: %s", qPrintable(m.text));
    }

    // "Detalhes do Resultado..." on the product costs opens the detail modally for the current
    // product and destroys it on close.
    void windowOpensTheDetailOfTheCurrentProduct()
    {
        child<QTabWidget>(*m_window, "PageControl1")->setCurrentWidget(child(*m_window, "TabSheet_CustoProdutos"));
        position("3002");
        QPointer<QWidget> shown;
        QString caption;
        QString product;
        QTimer::singleShot(0, this, [&] {
            shown = QApplication::activeModalWidget();
            if (!shown)
                return;
            caption = shown->windowTitle();
            product = child<ui::DBLabel>(*shown, "Produto_Total2")->text();
            shown->close();
        });
        m_window->DetalhesResultado();
        QCOMPARE(caption, QStringLiteral("Detalhes do Resultado"));
        QCOMPARE(product, QStringLiteral("Alcatra"));
        QVERIFY(shown.isNull());
        QVERIFY(m_day->day.messages.empty());
    }

    // On and after the start date: the revenue records the generation wrote for the family
    // result, with "Valor Bruto".
    void revenueRecordsFromTheStartDate()
    {
        auto d = openDetail();
        QVERIFY(m_day->day.messages.empty());
        QVERIFY(d->usesRevenueRecords());
        const GridView* grid = pricePanelGrid(*d);
        QVERIFY(grid->column(QStringLiteral("VALOR_BRUTO"))->isVisible());
        const QString where = QStringLiteral(" from velko_cst.industrial_preco_receita r join velko_cst.industrial i"
                                             " on i.id_industrial = r.id_industrial"
                                             " where i.data = '2024-03-15' and r.sequencial_produto = 120");
        QCOMPARE(grid->source()->rowCount(), scalar(QStringLiteral("select count(*)") + where).toInt());
        QVERIFY(grid->source()->rowCount() > 0);
        QVERIFY(near(footerOf(grid, "VALOR_BRUTO"), scalar(QStringLiteral("select sum(valor_bruto)") + where).toDouble()));
        QVERIFY(near(footerOf(grid, "VALOR_LIQUIDO"), scalar(QStringLiteral("select sum(valor_liquido)") + where).toDouble()));
        QVERIFY(near(footerOf(grid, "QUANTIDADE"), scalar(QStringLiteral("select sum(quantidade)") + where).toDouble()));
    }

    void historicalOrdersBeforeTheStartDate_data() { test::startDateVariationRows(); }

    // Before it: the orders of the price period recomputed, "Valor Bruto" hidden and 0; an order
    // line of a product sold in kilograms with zero weight counts as 1.
    void historicalOrdersBeforeTheStartDate()
    {
        const Variation v = test::startDateVariation(m_day->db());
        const Variation zero(m_day->db(),
                             QStringLiteral("UPDATE velko_ven.item_pedido SET quantidade_peso = 0 WHERE sequencial_item_pedido = 3"),
                             QStringLiteral("UPDATE velko_ven.item_pedido SET quantidade_peso = 50 WHERE sequencial_item_pedido = 3"));
        auto d = openDetail();
        QVERIFY(m_day->day.messages.empty());
        QVERIFY(!d->usesRevenueRecords());
        const GridView* grid = pricePanelGrid(*d);
        QVERIFY(!grid->column(QStringLiteral("VALOR_BRUTO"))->isVisible());
        const grid::RowSource* rows = grid->source();
        QCOMPARE(rows->rowCount(), 1);
        QCOMPARE(rows->value(0, rows->fieldIndex(QStringLiteral("NUMERO_PEDIDO"))).toString(), QStringLiteral("PV-1"));
        QCOMPARE(valueOf(rows, 0, "VALOR_BRUTO"), 0.0);
        QCOMPARE(valueOf(rows, 0, "QUANTIDADE"), 1.0);
    }

    void pricePanelByRevenueCriterion_data()
    {
        QTest::addColumn<QString>("criterio");
        QTest::addColumn<bool>("shown");
        QTest::newRow("average price") << "M" << true;
        QTest::newRow("reference table") << "R" << false;
    }

    // Only the average-price criterion shows the panel (212 high) and the revenue line's link;
    // otherwise the panel is 1 high and hidden, and the packaging follows the sheet.
    void pricePanelByRevenueCriterion()
    {
        QFETCH(QString, criterio);
        QFETCH(bool, shown);
        const Variation v(m_day->db(),
                          QStringLiteral("UPDATE velko_cst.produto_mercado SET criterio_receita = '%1' WHERE id_produto = 121")
                              .arg(criterio),
                          QStringLiteral("UPDATE velko_cst.produto_mercado SET criterio_receita = NULL WHERE id_produto = 121"));
        auto d = openDetail("3002");
        QCOMPARE(products().fieldByName(QStringLiteral("CRITERIO_RECEITA")).asString(), criterio);
        QWidget* panel = child(*d, "PanelPrecoMedio");
        QCOMPARE(panel->isVisibleTo(d.get()), shown);
        QCOMPARE(panel->height(), shown ? 212 : 1);
        QCOMPARE(child(*d, "Receita_Link")->isVisibleTo(d.get()), shown);
        QVERIFY(child(*d, "PanelConsumo")->isVisibleTo(d.get()));
    }

    // The packaging posted against the product's production order and no sales order; a
    // material whose quantities sum to zero divides by 1, its average cost kept to six decimals.
    void packagingOfTheProductionOrder()
    {
        position("3001");
        const QString op = products().fieldByName(QStringLiteral("P_ID_ORDEM_PRODUCAO")).asString();
        QVERIFY(!op.isEmpty());
        QVERIFY(products().fieldByName(QStringLiteral("ID_CONTRATO")).value().isNull());
        const Variation v(m_day->db(),
                          QStringLiteral("INSERT INTO velko_cst.consumo VALUES (1, '2024-03-15', NULL, %1, NULL, 120, 502, 3, 1.234567),"
                                         " (1, '2024-03-15', NULL, %1, NULL, 120, 502, -3, 1),"
                                         " (1, '2024-03-15', NULL, %1, 77, 120, 501, 5, 1),"
                                         " (1, '2024-03-15', NULL, %1 + 1, NULL, 120, 501, 7, 1),"
                                         " (1, '2024-03-15', NULL, %1, NULL, 120, 501, 2, 2)")
                              .arg(op),
                          QStringLiteral("DELETE FROM velko_cst.consumo WHERE sequencial_produto = 120"));
        auto d = openDetail("3001");
        const GridView* grid = child<GridView>(*d, "PanelConsumo_Grid");
        const grid::RowSource* rows = grid->source();
        QCOMPARE(rows->rowCount(), 2);
        for (int r = 0; r < rows->rowCount(); ++r) {
            if (valueOf(rows, r, "CODIGO_MATERIAL") == 501) {
                QCOMPARE(valueOf(rows, r, "QUANTIDADE"), 2.0);
                QCOMPARE(valueOf(rows, r, "VALOR_TOTAL"), 4.0);
                QCOMPARE(valueOf(rows, r, "CUSTO_MEDIO"), 2.0);
            } else {
                QCOMPARE(valueOf(rows, r, "VALOR_TOTAL"), 0.7);
                QCOMPARE(valueOf(rows, r, "CUSTO_MEDIO"), 0.703701);
                QCOMPARE(grid->model().cellText(r, grid->column(QStringLiteral("CUSTO_MEDIO"))), QLocale().toString(0.703701, 'f', 6));
            }
        }
        QVERIFY(near(footerOf(grid, "VALOR_TOTAL"), 4.7));
    }

    // Each cost line shows its own parameter; other inputs and packaging name their source.
    void parameterColumnShowsEachLinesParameter()
    {
        auto d = openDetail();
        const std::pair<const char*, const char*> bound[] = {
            {"Receita", "P_CRITERIO_RECEITA"}, {"MateriaPrima", "P_CRITERIO_RATEIO"}, {"MOD", "P_MOD_INDUSTRIALIZADO"},
            {"CIF", "P_CIF_INDUSTRIALIZADO"}, {"ICMS", "P_ICMS_DEB"}, {"Administrativo", "P_ADMINISTRATIVO"},
        };
        for (const auto& [line, field] : bound)
            QCOMPARE(child<ui::DBLabel>(*d, QByteArray(QByteArray(line) + "_Parametro").constData())->text(),
                     products().fieldByName(QString::fromLatin1(field)).displayText());
        QCOMPARE(child<QLabel>(*d, "Insumos_Texto")->text(), QStringLiteral("Requisições"));
        QCOMPARE(child<QLabel>(*d, "Embalagem_Texto")->text(), QStringLiteral("Ficha Técnica"));
        QVERIFY(child(*d, "MateriaPrima_Total")->isVisibleTo(d.get()));
    }
};

QTEST_MAIN(TestIndustrialDetail)
#include "tst_industrial_detail.moc"
