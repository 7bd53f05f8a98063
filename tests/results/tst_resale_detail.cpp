// F_RevendaResultadoDetalhe on the real server, for the fixture's mussarela (4001) in the dairy
// resale group, opened over CDS_ResultadoRevenda as the resale result window reads it: the
// sales orders of the price period with their gross values, contractual discounts and
// quantities (a zero weight counting as 1), the packaging of the day without a sales order, and
// the sheet's acquisition lines as the signed components of "Custo da Compra".

#include "DBLabel.h"
#include "DataSourceRows.h"
#include "SlaughterDay.h"
#include "TF_RevendaResultadoDetalhe.h"

#include <QtTest>

using namespace custos;
using custos::grid::GridView;
using custos::results::TF_RevendaResultadoDetalhe;
using custos::test::child;
using custos::test::kDia;
using custos::test::near;
using custos::test::valueOf;
using custos::test::SlaughterDay;
using custos::test::Variation;

namespace {

// A second customer without discount conditions and conditions (5 % and 3 %) for the first;
// in the price period an order of the second customer with promotional and granted discounts,
// one line without weight and one with a return, both invoiced with IPI; a cancelled order.
const char* const kOrders = R"sql(
INSERT INTO velko_fin.cliente (codigo_cliente, razao_social) VALUES (2, 'Mercado Bom Preço Ltda');
INSERT INTO velko_ven.condicao_desconto VALUES (1, 1, 5), (2, 1, 3);
INSERT INTO velko_ven.pedido (sequencial_pedido, numero_pedido, codigo_empresa, codigo_cliente, id_mercado,
                              data_faturamento, situacao, desconto_concedido, desconto_promocional) VALUES
    (3, 'PV-3', 1, 2, 1, '2024-03-10', 'F', 5, 10),
    (4, 'PV-4', 1, 1, 1, '2024-03-11', 'C', 0, 0);
INSERT INTO velko_ven.item_pedido VALUES
    (9, 3, 130, 2, 0, 2, NULL, 25.00),
    (10, 3, 130, 30, 30, 3, 4, 26.50),
    (11, 4, 130, 10, 10, 1, NULL, 24.00);
INSERT INTO velko_mat.nota_saida VALUES (1, 3, '1001', '2024-03-10');
INSERT INTO velko_ven.item_saida_produto VALUES (1, 1, 130, 32, 30, 800, 0, 7.50);
)sql";

const char* const kOrdersUndo = R"sql(
DELETE FROM velko_ven.item_saida_produto WHERE sequencial_item_saida_produto = 1;
DELETE FROM velko_mat.nota_saida WHERE sequencial_nota_saida = 1;
DELETE FROM velko_ven.item_pedido WHERE sequencial_pedido IN (3, 4);
DELETE FROM velko_ven.pedido WHERE sequencial_pedido IN (3, 4);
DELETE FROM velko_ven.condicao_desconto;
DELETE FROM velko_fin.cliente WHERE codigo_cliente = 2;
)sql";

// The gross value of each order line of the product in the price period, computed here.
const char* const kGrossValues = R"sql(
select coalesce(sum(round((case m.codigo_unidade_medida when 'KG' then it.quantidade_peso - coalesce(it.quantidade_devolvida, 0)
                                                        else it.quantidade_expedido end)
                          * it.valor_unitario * (1 - pd.desconto_promocional / 100) * (1 - pd.desconto_concedido / 100)
                          + coalesce((select sum(sp.valor_ipi) from velko_mat.nota_saida n
                                        join velko_ven.item_saida_produto sp on sp.sequencial_nota_saida = n.sequencial_nota_saida
                                       where n.sequencial_pedido = it.sequencial_pedido
                                         and sp.sequencial_produto = it.sequencial_produto), 0), 2)), 0)
  from velko_ven.item_pedido it
  join velko_ven.pedido pd on pd.sequencial_pedido = it.sequencial_pedido
  join velko_ven.produto pr on pr.sequencial_produto = it.sequencial_produto
  join velko_mat.material m on m.codigo_material = pr.codigo_material
 where it.sequencial_produto = 130 and it.quantidade > 0 and pd.situacao <> 'C'
   and pd.data_faturamento between '2024-02-14' and '2024-03-14'
)sql";


} // namespace

class TestResaleDetail : public QObject
{
    Q_OBJECT

    std::unique_ptr<SlaughterDay> m_day;

    data::TDataModule_Custo& module() const { return m_day->module(); }
    data::ClientDataSet& products() const { return module().clientDataSet(QStringLiteral("CDS_ResultadoRevenda")); }

    // The group's products read as the resale result window reads them, for the main window's
    // current group, positioned on the mussarela.
    std::unique_ptr<TF_RevendaResultadoDetalhe> openDetail()
    {
        const data::ClientDataSet& grupo = module().clientDataSet(QStringLiteral("CDS_ResumoRevenda"));
        auto field = [&](const char* name) { return grupo.fieldByName(QString::fromLatin1(name)).asFloat(); };
        data::ClientDataSet& rows = products();
        rows.close();
        rows.provider()
            ->query()
            ->params()
            .setNumber(QStringLiteral("ID_UNIDADE"), field("ID_UNIDADE"))
            .setDate(QStringLiteral("DATA"), kDia)
            .setNumber(QStringLiteral("CODIGO_FAMILIA"), field("CODIGO_FAMILIA"))
            .setNumber(QStringLiteral("CODIGO_GRUPO"), field("CODIGO_GRUPO"));
        rows.open();
        if (!rows.locate(QStringLiteral("CODIGO_PRODUTO"), QStringLiteral("4001")))
            qFatal("no mussarela");
        auto detail = std::make_unique<TF_RevendaResultadoDetalhe>(module(), m_day->menu.get());
        detail->show();
        return detail;
    }

    static const grid::RowSource* orders(const QObject& d) { return test::pricePanelGrid(d)->source(); }

    static int orderLine(const grid::RowSource* rows, const QString& pedido, double quantidade)
    {
        for (int r = 0; r < rows->rowCount(); ++r)
            if (rows->value(r, rows->fieldIndex(QStringLiteral("NUMERO_PEDIDO"))).toString() == pedido
                && valueOf(rows, r, "QUANTIDADE") == quantidade)
                return r;
        return -1;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_day = std::make_unique<SlaughterDay>();
        QVERIFY(module().clientDataSet(QStringLiteral("CDS_ResumoRevenda")).locate(QStringLiteral("CODIGO_FAMILIA"), 7));
    }

    void init() { m_day->day.messages.clear(); }

    void cleanup()
    {
        for (const test::Message& m : m_day->day.messages)
            qWarning("message: %s", qPrintable(m.text));
    }

    // "Valor Bruto" is shown and its sum equals the gross values of the orders; the cancelled
    // order and those invoiced after the period are left out.
    void grossValuesOfTheOrders()
    {
        const Variation v(m_day->db(), QString::fromUtf8(kOrders), QString::fromUtf8(kOrdersUndo));
        auto d = openDetail();
        QVERIFY(m_day->day.messages.empty());
        const GridView* grid = child<GridView>(*d, "PanelPrecoMedio_Grid");
        QVERIFY(grid->column(QStringLiteral("VALOR_BRUTO"))->isVisible());
        QCOMPARE(grid->source()->rowCount(), 3);
        const double gross = m_day->scalar(QString::fromUtf8(kGrossValues)).toDouble();
        // 40 kg at 24.00; 0 kg plus 7.50 of IPI; 26 kg at 26.50 less 10 % and 5 %, plus 7.50.
        QVERIFY(near(gross, 960.00 + 7.50 + 596.60));
        QVERIFY(near(grid->model().footerValue(grid->column(QStringLiteral("VALOR_BRUTO"))).value_or(-1), gross));
    }

    void orderLines_data()
    {
        QTest::addColumn<QString>("pedido");
        QTest::addColumn<double>("quantidade");
        QTest::addColumn<double>("bruto");
        QTest::addColumn<double>("desconto");
        QTest::addColumn<double>("liquido");
        QTest::newRow("customer's smallest condition") << "PV-1" << 40.0 << 960.00 << 3.0 << 931.20;
        QTest::newRow("no weight counts as 1, no conditions") << "PV-3" << 1.0 << 7.50 << 0.0 << 7.50;
        QTest::newRow("returned kilograms not sold") << "PV-3" << 30.0 << 596.60 << 0.0 << 596.60;
    }

    void orderLines()
    {
        QFETCH(QString, pedido);
        QFETCH(double, quantidade);
        QFETCH(double, bruto);
        QFETCH(double, desconto);
        QFETCH(double, liquido);
        const Variation v(m_day->db(), QString::fromUtf8(kOrders), QString::fromUtf8(kOrdersUndo));
        auto d = openDetail();
        const grid::RowSource* rows = orders(*d);
        const int r = orderLine(rows, pedido, quantidade);
        QVERIFY(r >= 0);
        QVERIFY(near(valueOf(rows, r, "VALOR_BRUTO"), bruto));
        QCOMPARE(valueOf(rows, r, "DESCONTO_CONTRATUAL"), desconto);
        QVERIFY(near(valueOf(rows, r, "VALOR_LIQUIDO"), liquido));
        QVERIFY(near(valueOf(rows, r, "PRECO_MEDIO"), std::round(liquido / quantidade * 100) / 100));
    }

    // Consumption of the day without a sales order, whatever the unit; the average cost of the
    // summed rounded values.
    void packagingOfTheDay()
    {
        const Variation v(m_day->db(),
                          QStringLiteral("INSERT INTO velko_cst.consumo VALUES (1, '2024-03-15', NULL, 1000, NULL, 130, 501, 3, 0.3333),"
                                         " (2, '2024-03-15', NULL, 1000, NULL, 130, 501, 1, 0.5),"
                                         " (1, '2024-03-15', NULL, 1000, 77, 130, 501, 5, 1),"
                                         " (1, '2024-03-14', NULL, 1000, NULL, 130, 501, 7, 1)"),
                          QStringLiteral("DELETE FROM velko_cst.consumo WHERE sequencial_produto = 130"));
        auto d = openDetail();
        const GridView* grid = child<GridView>(*d, "PanelConsumo_Grid");
        const grid::RowSource* rows = grid->source();
        QCOMPARE(rows->rowCount(), 1);
        QCOMPARE(valueOf(rows, 0, "QUANTIDADE"), 4.0);
        QVERIFY(near(valueOf(rows, 0, "VALOR_TOTAL"), 1.50));
        QVERIFY(near(valueOf(rows, 0, "CUSTO_MEDIO"), 0.375));
        const QList<grid::GridColumn*> columns = grid->model().columns();
        QVERIFY(columns.indexOf(grid->column(QStringLiteral("VALOR_TOTAL")))
                < columns.indexOf(grid->column(QStringLiteral("CUSTO_MEDIO"))));
    }

    // The acquisition lines carry their signs and show their values per kilogram indented
    // under "Custo da Compra"; the cost lines their parameters; the price panel is always shown.
    void sheetOfTheProduct()
    {
        auto d = openDetail();
        const std::pair<const char*, const char*> signs[] = {
            {"FreteDespesas", "(+)"}, {"IPI", "(+)"}, {"ICMSST", "(+)"}, {"CreditoICMS", "(-)"},
            {"CreditoICMSST", "(-)"}, {"CreditoIPI", "(-)"}, {"CreditoPisCofins", "(-)"}, {"Acrescimo", "(+)"},
        };
        const int indent = child<QLabel>(*d, "CustoCompra_Kg")->indent();
        for (const auto& [line, sign] : signs) {
            QCOMPARE(child<QLabel>(*d, QByteArray(QByteArray(line) + "_Texto").constData())->text(), QString::fromLatin1(sign));
            QVERIFY(child<QLabel>(*d, QByteArray(QByteArray(line) + "_Kg").constData())->indent() > indent);
        }
        QVERIFY(child<QLabel>(*d, "Mercadoria_Kg")->indent() > indent);
        QCOMPARE(child<ui::DBLabel>(*d, "MOD_Parametro")->text(),
                 products().fieldByName(QStringLiteral("P_MOD_REVENDA")).displayText());
        QCOMPARE(child<ui::DBLabel>(*d, "Fornecedor_Total2")->text(), QStringLiteral("Laticínios Serra Azul Ltda"));
        QCOMPARE(child<ui::DBLabel>(*d, "CustoCompra_Total")->text(),
                 products().fieldByName(QStringLiteral("CUSTO_COMPRA")).displayText());
        QVERIFY(child(*d, "PanelPrecoMedio")->isVisibleTo(d.get()));
        QCOMPARE(child(*d, "PanelPrecoMedio")->height(), 212);
        QVERIFY(child(*d, "Receita_Link")->isVisibleTo(d.get()));
    }
};

QTEST_MAIN(TestResaleDetail)
#include "tst_resale_detail.moc"
