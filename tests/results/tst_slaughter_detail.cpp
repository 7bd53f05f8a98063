// F_AbateAproveitamentoDetalhe on the real server, for the fixture's liver (1001): the start
// date choosing the revenue records or the historical orders (a later start date, none, no
// parameter row at all), zero weights and shipped quantities counting as 1, the packaging with
// a zero total quantity and an empty sales contract, the parameter column's lines, the price
// panel under another revenue criterion, and the links.

#include "DBLabel.h"
#include "DataSourceRows.h"
#include "DetailPanel.h"
#include "SlaughterDay.h"
#include "TF_AbateAproveitamentoDetalhe.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using namespace custos;
using custos::grid::GridView;
using custos::results::TF_AbateAproveitamentoDetalhe;
using custos::test::child;
using custos::test::footerOf;
using custos::test::kDia;
using custos::test::near;
using custos::test::pricePanelGrid;
using custos::test::SlaughterDay;
using custos::test::Variation;

class TestSlaughterDetail : public QObject
{
    Q_OBJECT

    std::unique_ptr<SlaughterDay> m_day;
    std::unique_ptr<results::TF_Abate> m_abate;

    data::ClientDataSet& products() const { return m_day->module().clientDataSet(QStringLiteral("CDS_AbateProduto")); }
    QString scalar(const QString& sql) const { return m_day->scalar(sql); }

    // The detail of a product, opened as F_Abate opens it for its current row.
    std::unique_ptr<TF_AbateAproveitamentoDetalhe> openDetail(const char* code = "1001")
    {
        return test::openProductDetail<TF_AbateAproveitamentoDetalhe>(*m_abate, products(), code);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_day = std::make_unique<SlaughterDay>();
        m_abate = m_day->openWindow();
    }

    void init() { m_day->day.messages.clear(); }

    void cleanup()
    {
        for (const test::Message& m : m_day->day.messages)
            qWarning("message: %s", qPrintable(m.text));
    }

    // On and after the start date: the revenue records of the generation, with "Valor Bruto".
    void revenueRecordsFromTheStartDate()
    {
        auto d = openDetail();
        QVERIFY(d->usesRevenueRecords());
        const GridView* grid = pricePanelGrid(*d);
        QVERIFY(grid->column(QStringLiteral("VALOR_BRUTO"))->isVisible());
        const QString where = QStringLiteral(" from velko_cst.abate_preco_receita r join velko_cst.abate a on a.id_abate = r.id_abate"
                                             " where a.data = '2024-03-15' and r.sequencial_produto = 101");
        QCOMPARE(grid->source()->rowCount(), scalar(QStringLiteral("select count(*)") + where).toInt());
        QVERIFY(grid->source()->rowCount() > 0);
        QVERIFY(near(footerOf(grid, "VALOR_BRUTO"), scalar(QStringLiteral("select sum(valor_bruto)") + where).toDouble()));
        QVERIFY(near(footerOf(grid, "VALOR_LIQUIDO"), scalar(QStringLiteral("select sum(valor_liquido)") + where).toDouble()));
        QVERIFY(m_day->day.messages.empty());
    }

    void historicalOrdersBeforeTheStartDate_data() { test::startDateVariationRows(); }

    // Before it: the orders of the price period recomputed, "Valor Bruto" hidden and 0; an order
    // line with zero weight and zero shipped quantity counts as 1.
    void historicalOrdersBeforeTheStartDate()
    {
        const Variation v = test::startDateVariation(m_day->db());
        const Variation zero(m_day->db(),
                             QStringLiteral("UPDATE velko_ven.item_pedido SET quantidade_peso = 0, quantidade_expedido = 0"
                                            " WHERE sequencial_item_pedido = 1"),
                             QStringLiteral("UPDATE velko_ven.item_pedido SET quantidade_peso = 100, quantidade_expedido = 10"
                                            " WHERE sequencial_item_pedido = 1"));
        auto d = openDetail();
        QVERIFY(m_day->day.messages.empty());
        QVERIFY(!d->usesRevenueRecords());
        const GridView* grid = pricePanelGrid(*d);
        QVERIFY(!grid->column(QStringLiteral("VALOR_BRUTO"))->isVisible());
        QCOMPARE(grid->source()->rowCount(), 1);
        const grid::RowSource* rows = grid->source();
        QCOMPARE(rows->value(0, rows->fieldIndex(QStringLiteral("NUMERO_PEDIDO"))).toString(), QStringLiteral("PV-1"));
        QCOMPARE(rows->value(0, rows->fieldIndex(QStringLiteral("VALOR_BRUTO"))).toDouble(), 0.0);
        QCOMPARE(rows->value(0, rows->fieldIndex(QStringLiteral("QUANTIDADE"))).toDouble(), 1.0);
    }

    void startDateIsTodayWithoutOne()
    {
        const Variation v(m_day->db(), QStringLiteral("UPDATE velko_cst.parametros SET data_inicio_receita = NULL"),
                          QStringLiteral("UPDATE velko_cst.parametros SET data_inicio_receita = '2024-01-01'"));
        m_abate->Atualizar();
        products().first();
        TF_AbateAproveitamentoDetalhe d(m_day->module(), kDia);
        QCOMPARE(d.dataInicioReceita(), QDate::currentDate());
    }

    // Labour shows its own parameter; raw material has none ("N/A" under criterion "A", where
    // its values are hidden too).
    void parameterColumnShowsEachLinesParameter_data()
    {
        QTest::addColumn<QString>("criterio");
        QTest::newRow("A") << "A";
        QTest::newRow("P") << "P";
    }

    void parameterColumnShowsEachLinesParameter()
    {
        QFETCH(QString, criterio);
        const Variation v(m_day->db(), QStringLiteral("UPDATE velko_cst.base_custo SET criterio_miudos = '%1'").arg(criterio),
                          QStringLiteral("UPDATE velko_cst.base_custo SET criterio_miudos = 'A'"));
        auto d = openDetail();
        const bool credited = criterio == QLatin1String("A");
        QCOMPARE(child<ui::DBLabel>(*d, "MOD_Parametro")->text(),
                 products().fieldByName(QStringLiteral("P_MOD_MIUDOS")).displayText());
        QCOMPARE(child<ui::DBLabel>(*d, "Receita_Parametro")->text(),
                 products().fieldByName(QStringLiteral("P_CRITERIO_RECEITA")).displayText());
        QVERIFY(!d->findChild<QWidget*>(QStringLiteral("MateriaPrima_Parametro")));
        QCOMPARE(child(*d, "MateriaPrima_Texto")->isVisibleTo(d.get()), credited);
        QCOMPARE(child(*d, "MateriaPrima_Total")->isVisibleTo(d.get()), !credited);
        QCOMPARE(child(*d, "MateriaPrima_Kg")->isVisibleTo(d.get()), !credited);
    }

    void otherRevenueCriterionHidesThePricePanel()
    {
        const Variation v(m_day->db(),
                          QStringLiteral("UPDATE velko_cst.produto_mercado SET criterio_receita = 'R' WHERE id_produto = 101"),
                          QStringLiteral("UPDATE velko_cst.produto_mercado SET criterio_receita = NULL WHERE id_produto = 101"));
        auto d = openDetail();
        QVERIFY(!child(*d, "PanelPrecoMedio")->isVisibleTo(d.get()));
        QVERIFY(!child(*d, "Receita_Link")->isVisibleTo(d.get()));
        QVERIFY(child(*d, "PanelConsumo")->isVisibleTo(d.get()));
    }

    // Consumption without a sales order matches a product without a contract; a material whose
    // quantities sum to zero shows its total value as its average cost.
    void packagingOfTheProduct()
    {
        const QString op = scalar(QStringLiteral("select id_ordem_producao from velko_cst.abate_preco where sequencial_produto = 101"));
        const Variation v(m_day->db(),
                          QStringLiteral("INSERT INTO velko_cst.consumo VALUES (1, '2024-03-15', NULL, %1, NULL, 101, 502, 2, 3),"
                                         " (1, '2024-03-15', NULL, %1, NULL, 101, 502, -2, 1),"
                                         " (1, '2024-03-15', NULL, %1, 77, 101, 501, 5, 1)")
                              .arg(op),
                          QStringLiteral("DELETE FROM velko_cst.consumo WHERE codigo_material = 502 OR id_ordem_venda = 77"));
        QVERIFY(products().locate(QStringLiteral("CODIGO_PRODUTO"), QStringLiteral("1001")));
        QVERIFY(products().fieldByName(QStringLiteral("ID_CONTRATO")).value().isNull());
        auto d = openDetail();
        const grid::RowSource* rows = child<GridView>(*d, "PanelConsumo_Grid")->source();
        const int material = rows->fieldIndex(QStringLiteral("CODIGO_MATERIAL"));
        int film = -1;
        for (int r = 0; r < rows->rowCount(); ++r) {
            QVERIFY(rows->value(r, material).toInt() != 501 || rows->value(r, rows->fieldIndex(QStringLiteral("QUANTIDADE"))).toDouble() != 5);
            if (rows->value(r, material).toInt() == 502)
                film = r;
        }
        QVERIFY(film >= 0);
        QCOMPARE(rows->value(film, rows->fieldIndex(QStringLiteral("VALOR_TOTAL"))).toDouble(), 4.0);
        QCOMPARE(rows->value(film, rows->fieldIndex(QStringLiteral("CUSTO_MEDIO"))).toDouble(), 4.0);
    }

    void linksScrollToThePanelsAndBack()
    {
        auto d = openDetail();
        d->resize(820, 400);
        QApplication::processEvents();
        QScrollBar* bar = child<QScrollArea>(*d, "ScrollBox1")->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        Q_EMIT child<QLabel>(*d, "Receita_Link")->linkActivated(QStringLiteral("#"));
        QCOMPARE(bar->value(), qMin(bar->maximum(), child(*d, "PanelPrecoMedio")->y()));
        QVERIFY(bar->value() > 0);
        Q_EMIT child<QLabel>(*d, "PanelPrecoMedio_Topo")->linkActivated(QStringLiteral("#"));
        QCOMPARE(bar->value(), 0);
        Q_EMIT child<QLabel>(*d, "Embalagem_Link")->linkActivated(QStringLiteral("#"));
        QCOMPARE(bar->value(), qMin(bar->maximum(), child(*d, "PanelConsumo")->y()));
        Q_EMIT child<QLabel>(*d, "PanelConsumo_Topo")->linkActivated(QStringLiteral("#"));
        QCOMPARE(bar->value(), 0);
    }
};

QTEST_MAIN(TestSlaughterDetail)
#include "tst_slaughter_detail.moc"
