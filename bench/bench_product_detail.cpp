// The product details of the production and the resale results on the demo's data (unit 1,
// 15/03/2024) at each scale, from the window created to shown, its lists filled and painted
// once, and destroyed, against the server time of the same statements (the start date of the
// revenue records, the order list, the packaging) replayed with plain libpq in turns in the
// same run. The production detail is shown for the product priced by average with the most
// revenue records of the family with the most products; the resale detail for the product with
// the most order lines in its price period of the group with the most products.
//
//   bench_product_detail [scale...]   default: 1 18; needs eval "$(db/server env)"

#include "ClientDataSet.h"
#include "Provider.h"
#include "Query.h"
#include "ResultWindowRounds.h"
#include "ResultsStatements.h"
#include "TF_IndustrializadoResultado.h"
#include "TF_IndustrializadoResultadoDetalhe.h"
#include "TF_RevendaResultadoDetalhe.h"
#include "WindowBenchMain.h"


using namespace custos;
using bench::Figure;
using bench::inTurns;
using bench::print;

namespace {

constexpr int kRounds = 15;

// Shows the detail, lets it paint and closes it.
template <class Detail>
void showAndClose(Detail& detail)
{
    detail.resize(820, 900);
    detail.show();
    QApplication::processEvents();
    detail.close();
}

// What the shown detail sent: its open order list and packaging, after the statements given.
std::vector<bench::SentStatement> sentBy(const QWidget& detail, std::vector<bench::SentStatement> before)
{
    for (const char* name : {"Q_PrecoMedio", "Q_PrecoMedioAntigo", "Q_Consumo"}) {
        const auto* q = detail.findChild<data::Query*>(QString::fromLatin1(name));
        if (q && q->isActive())
            before.push_back({q->objectName(), q->text(), q->params()});
    }
    return before;
}

int rowsOf(const QWidget& detail, const char* query)
{
    return detail.findChild<data::Query*>(QString::fromLatin1(query))->recordCount();
}

QString largestFamily(const test::TestDatabase& db)
{
    return db.scalar(QStringLiteral("select id_familia from pkg_industrializado.ppl_resultado(1, '2024-03-15', '2024-03-15')"
                                    " group by id_familia order by count(*) desc, id_familia limit 1"));
}

QString busiestProductionProduct(const test::TestDatabase& db, const QString& familia)
{
    return db.scalar(QStringLiteral("select r.sequencial_produto from velko_cst.industrial_preco_receita r"
                                    " join velko_cst.industrial i on i.id_industrial = r.id_industrial"
                                    " where i.id_unidade = 1 and i.data = '2024-03-15' and r.sequencial_produto in"
                                    " (select sequencial_produto from pkg_industrializado.ppl_resultado(1, '2024-03-15', '2024-03-15')"
                                    "   where id_familia = %1 and criterio_receita = 'M')"
                                    " group by r.sequencial_produto order by count(*) desc, 1 limit 1")
                         .arg(familia));
}

Figure measureProduction(const test::TestDatabase& db, data::TDataModule_Custo& module, dayproc::TF_Menu& menu)
{
    const QString familia = largestFamily(db);
    const QString produto = busiestProductionProduct(db, familia);
    module.clientDataSet(QStringLiteral("CDS_Resultado")).locate(QStringLiteral("ID_FAMILIA"), familia.toDouble());
    results::TF_IndustrializadoResultado window(module, test::kDemoDay, &menu);
    window.setWindowState(Qt::WindowNoState);
    window.show();
    QApplication::processEvents();
    data::ClientDataSet& products = module.clientDataSet(QStringLiteral("CDS_Resultado_DT"));
    products.locate(QStringLiteral("SEQUENCIAL_PRODUTO"), produto.toDouble());

    session::Params unit;
    unit.setNumber(QStringLiteral("unidade"), products.fieldByName(QStringLiteral("ID_UNIDADE")).asFloat());
    std::vector<bench::SentStatement> sent;
    int orders = 0;
    {
        results::TF_IndustrializadoResultadoDetalhe detail(module, test::kDemoDay, &window);
        showAndClose(detail);
        sent = sentBy(detail, {{QStringLiteral("DataInicioReceita"), results::statements::DataInicioReceita.text(), unit}});
        orders = rowsOf(detail, "Q_PrecoMedio");
    }
    bench::StatementReplay replay(db.serviceName(), sent);
    const Figure f = inTurns(kRounds, replay, [&] {
        results::TF_IndustrializadoResultadoDetalhe detail(module, test::kDemoDay, &window);
        showAndClose(detail);
    });
    std::printf("  production: family %s of %d products, product %s with %d revenue records\n", qPrintable(familia),
                products.recordCount(), qPrintable(products.fieldByName(QStringLiteral("CODIGO_PRODUTO")).asString()),
                orders);
    return f;
}

// The group's products read as the resale result window reads them, positioned on the product
// with the most order lines in its price period.
void readResaleGroup(const test::TestDatabase& db, data::TDataModule_Custo& module)
{
    const QStringList group = db.scalar(QStringLiteral("select codigo_familia || ',' || codigo_grupo"
                                                       " from pkg_revenda.ppl_resultado(1, '2024-03-15', '2024-03-15')"
                                                       " group by codigo_familia, codigo_grupo"
                                                       " order by count(*) desc, 1 limit 1"))
                                  .split(QLatin1Char(','));
    data::ClientDataSet& products = module.clientDataSet(QStringLiteral("CDS_ResultadoRevenda"));
    products.close();
    products.provider()
        ->query()
        ->params()
        .setNumber(QStringLiteral("ID_UNIDADE"), 1)
        .setDate(QStringLiteral("DATA"), test::kDemoDay)
        .setNumber(QStringLiteral("CODIGO_FAMILIA"), group.value(0).toDouble())
        .setNumber(QStringLiteral("CODIGO_GRUPO"), group.value(1).toDouble());
    products.open();
    const QString produto = db.scalar(
        QStringLiteral("select r.sequencial_produto from pkg_revenda.ppl_resultado(1, '2024-03-15', '2024-03-15') r"
                       " join velko_ven.item_pedido it on it.sequencial_produto = r.sequencial_produto"
                       " join velko_ven.pedido pd on pd.sequencial_pedido = it.sequencial_pedido"
                       " where r.codigo_familia = %1 and r.codigo_grupo = %2 and pd.codigo_empresa = 1"
                       " and pd.data_faturamento between r.preco_data_inicial and r.preco_data_final"
                       " group by r.sequencial_produto order by count(*) desc, 1 limit 1")
            .arg(group.value(0), group.value(1)));
    products.locate(QStringLiteral("SEQUENCIAL_PRODUTO"), produto.toDouble());
}

Figure measureResale(const test::TestDatabase& db, data::TDataModule_Custo& module, dayproc::TF_Menu& menu)
{
    readResaleGroup(db, module);
    std::vector<bench::SentStatement> sent;
    int orders = 0;
    {
        results::TF_RevendaResultadoDetalhe detail(module, &menu);
        showAndClose(detail);
        sent = sentBy(detail, {});
        orders = rowsOf(detail, "Q_PrecoMedio");
    }
    bench::StatementReplay replay(db.serviceName(), sent);
    const Figure f = inTurns(kRounds, replay, [&] {
        results::TF_RevendaResultadoDetalhe detail(module, &menu);
        showAndClose(detail);
    });
    const data::ClientDataSet& products = module.clientDataSet(QStringLiteral("CDS_ResultadoRevenda"));
    std::printf("  resale: group of %d products, product %s with %d order lines\n", products.recordCount(),
                qPrintable(products.fieldByName(QStringLiteral("CODIGO_PRODUTO")).asString()), orders);
    return f;
}

void measure(int scale)
{
    bench::DemoDayMenu demo(scale, "bench_product_detail");
    const test::TestDatabase& db = demo.db;
    data::TDataModule_Custo& module = *demo.module;
    dayproc::TF_Menu& menu = *demo.menu;
    const ui::ScopedMessageHook ok([](ui::MessageType, ui::MessageButtons, const QString& text) {
        std::fprintf(stderr, "bench_product_detail: message: %s\n", qPrintable(text));
        return ui::MessageResult::Ok;
    });

    std::printf("scale %2d:\n", scale);
    const Figure production = measureProduction(db, module, menu);
    const Figure resale = measureResale(db, module, menu);
    print("production detail shown", production, "(target: share under 20 %)");
    print("resale detail shown", resale, "(target: share under 20 %)");
}

} // namespace

int main(int argc, char** argv)
{
    return bench::measureAtScales(argc, argv, {1, 18}, "bench_product_detail",
                                  "Product details of unit 1 on 15/03/2024: medians, in turns with the replay", measure);
}
