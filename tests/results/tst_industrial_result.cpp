// F_IndustrializadoResultado on the real server, over the fixture day's families: sausages
// (one process, raw material at weighted average cost and at invoice price) and deboning
// (varied to have no process rows, on a line of process type "T"). Footers equal the server's figures
// for the process shown; the process tabs and the projected result's visibility; the raw
// material's price lock and its saving; "Obter CMP" with and without weighted-average raw
// material; the products' price lock by criterion and a typed product price saved with and
// without automatic recalculation; the closed day and the operator; the condemnation tab; the
// details message; "Atualizar"; the main window's opener.

#include "DBLabel.h"
#include "MessageBox.h"
#include "ResultOpeners.h"
#include "SlaughterDay.h"
#include "SummaryStrip.h"
#include "TF_IndustrializadoResultado.h"

#include <QAbstractItemModelTester>
#include <QMenuBar>
#include <QPointer>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace custos;
using custos::grid::GridView;
using custos::results::TF_IndustrializadoResultado;
using custos::test::child;
using custos::test::kDia;
using custos::test::modalWindowShownBy;
using custos::test::near;
using custos::test::SlaughterDay;
using custos::test::sumOf;
using custos::test::typeIntoCell;
using custos::test::Variation;

namespace {

constexpr double kLinguicas = 40;
constexpr double kCortes = 30;

} // namespace

class TestIndustrialResult : public QObject
{
    Q_OBJECT

    std::unique_ptr<SlaughterDay> m_day;

    data::TDataModule_Custo& module() const { return m_day->module(); }
    data::ClientDataSet& cds(const char* name) const { return module().clientDataSet(QString::fromLatin1(name)); }
    QString scalar(const QString& sql) const { return m_day->scalar(sql); }

    std::unique_ptr<TF_IndustrializadoResultado> openFamily(double familia)
    {
        data::ClientDataSet& resultado = cds("CDS_Resultado");
        if (!resultado.locate(QStringLiteral("ID_FAMILIA"), familia))
            qFatal("no family %g", familia);
        return test::shownForTest(std::make_unique<TF_IndustrializadoResultado>(module(), kDia, m_day->menu.get()));
    }

    // Each footer sum of the view equals the sum over the rows the server returns for the
    // view's dataset with the parameters the window set.
    void checkFooters(const GridView& view, const char* dataSet)
    {
        test::checkSums(view, m_day->serverRows(dataSet), test::SumsChecked::Footer);
        QAbstractItemModelTester tester(const_cast<grid::GridModel*>(&view.model()),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    QString storedPrices() const
    {
        return scalar(QStringLiteral("select string_agg(id_industrial_preco || ':' || preco::text, ' '"
                                     " order by id_industrial_preco) from velko_cst.industrial_preco"));
    }

    QString storedProductPrice(const char* codigo) const
    {
        return scalar(QStringLiteral("select distinct p.preco::float8 from velko_cst.industrial_preco p"
                                     " join velko_cst.industrial_produto i on i.id_industrial_preco = p.id_industrial_preco"
                                     " join velko_ven.produto v on v.sequencial_produto = i.sequencial_produto"
                                     " where v.codigo_produto = '%1'")
                          .arg(QLatin1String(codigo)));
    }

    int rowOfProduct(const char* codigo) const
    {
        data::ClientDataSet& produtos = cds("CDS_Resultado_DT");
        if (!produtos.locate(QStringLiteral("CODIGO_PRODUTO"), QString::fromLatin1(codigo)))
            qFatal("no product %s", codigo);
        return produtos.recNo() - 1;
    }

    QString storedMpPrice(const char* codigo) const
    {
        return scalar(QStringLiteral("select mp.preco::float8 from velko_cst.industrial_preco_mp mp join velko_ven.produto p"
                                     " on p.sequencial_produto = mp.id_produto where p.codigo_produto = '%1'")
                          .arg(QLatin1String(codigo)));
    }

private Q_SLOTS:
    void initTestCase() { m_day = std::make_unique<SlaughterDay>(); }

    void init()
    {
        m_day->day.messages.clear();
        module().setAutoRefresh(true);
    }

    // The sausages' one process: a tab of its own, every grid filled for it with the server's
    // figures, the strip's raw-material total from the raw-material grid.
    void showFillsEveryGridForTheFirstProcess()
    {
        auto w = openFamily(kLinguicas);
        QCOMPARE(w->windowTitle(), QStringLiteral("Resultado da Produção"));
        QVERIFY(m_day->day.messages.empty());
        auto* tabs = child<QTabBar>(*w, "TabControlProcessos");
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Embutimento"));
        QCOMPARE(w->processTabIds(), QList<double>{400});
        QCOMPARE(child<ui::DBLabel>(*w, "DBTextFamilia")->text(), QStringLiteral("Linguiças"));
        auto* pages = child<QTabWidget>(*w, "PageControl1");
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet_MateriaPrima"));

        checkFooters(*child<GridView>(*w, "GridMateriaPrima"), "CDS_MateriaPrima_DT");
        checkFooters(*child<GridView>(*w, "GridInsumos"), "CDS_Insumos");
        checkFooters(*child<GridView>(*w, "GridCustoProdutos"), "CDS_Resultado_DT");
        checkFooters(*child<GridView>(*w, "GridResultadoProjetado"), "CDS_Resultado_DT");
        checkFooters(*child<GridView>(*w, "GridProducaoElaboracao"), "CDS_ProducaoElaboracao");
        QCOMPARE(cds("CDS_MateriaPrima_DT").recordCount(), 2);

        auto* strip = child<results::SummaryStrip>(*w, "SummaryStrip");
        const QLocale locale;
        QCOMPARE(strip->valueLabel(QStringLiteral("TOTAL_MP"))->text(),
                 locale.toString(sumOf(m_day->serverRows("CDS_MateriaPrima_DT"), QStringLiteral("VALOR_TOTAL")), 'f', 2));
        QCOMPARE(strip->valueLabel(QStringLiteral("TOTAL_RECEITA"))->text(),
                 locale.toString(sumOf(m_day->serverRows("CDS_Resultado_DT"), QStringLiteral("PRECO_TOTAL")), 'f', 2));

        // Grouped by line, order and process; the sausage line is not of type "T".
        const grid::GridModel& produtos = child<GridView>(*w, "GridCustoProdutos")->model();
        QCOMPARE(produtos.grouping().size(), 3);
        QCOMPARE(produtos.levelColumn(2)->fieldName(), QStringLiteral("PROCESSO"));
        QVERIFY(!produtos.levelColumn(2)->isVisible());
        QVERIFY(child<GridView>(*w, "GridResultadoProjetado")->model().levelColumn(2)->isVisible());
        QCOMPARE(child<GridView>(*w, "GridMateriaPrima")->model().grouping().first().order, Qt::DescendingOrder);
    }

    // Twelve processes: tabs for the first ten in process sequence; selecting a tab reads
    // every grid for its process.
    void moreThanTenProcessesShowTheFirstTenAndATabSelectsItsProcess()
    {
        const Variation processes(
            m_day->db(),
            QStringLiteral("INSERT INTO velko_pcp.processo SELECT g, 110, 'Etapa ' || g, 413 - g, 1"
                           " FROM generate_series(401, 411) g"),
            QStringLiteral("DELETE FROM velko_pcp.processo WHERE id_processo BETWEEN 401 AND 411"));
        const Variation products(
            m_day->db(),
            QStringLiteral("INSERT INTO velko_cst.industrial_produto (id_industrial, id_ordem_producao, id_linha_producao,"
                           " id_familia, id_processo, sequencial_produto, id_mercado, id_contrato, id_industrial_preco,"
                           " caixas, pecas, peso, peso_mp, rendimento, rendimento_padrao, valor_materia_prima, valor_insumo,"
                           " valor_mod, valor_cif, valor_embalagem, valor_elaboracao, gerar_resultado_custo)"
                           " SELECT id_industrial, id_ordem_producao, id_linha_producao, id_familia, g, sequencial_produto,"
                           " id_mercado, id_contrato, id_industrial_preco, caixas, pecas, peso + g - 400, peso_mp, rendimento,"
                           " rendimento_padrao, valor_materia_prima, valor_insumo, valor_mod, valor_cif, valor_embalagem,"
                           " valor_elaboracao, gerar_resultado_custo"
                           " FROM velko_cst.industrial_produto, generate_series(401, 411) g WHERE id_processo = 400"),
            QStringLiteral("DELETE FROM velko_cst.industrial_produto WHERE id_processo BETWEEN 401 AND 411"));
        auto w = openFamily(kLinguicas);
        QCOMPARE(w->processTabIds(), (QList<double>{400, 411, 410, 409, 408, 407, 406, 405, 404, 403}));
        auto* tabs = child<QTabBar>(*w, "TabControlProcessos");
        QCOMPARE(tabs->tabText(1), QStringLiteral("Etapa 411"));
        QCOMPARE(tabs->currentIndex(), 0);

        tabs->setCurrentIndex(1);
        QVERIFY(m_day->day.messages.empty());
        QCOMPARE(module().query(QStringLiteral("Q_ProcessosProducaoFamilia")).fieldByName(QStringLiteral("ID_PROCESSO")).asFloat(),
                 411.0);
        const session::Result rows = m_day->serverRows("CDS_Resultado_DT");
        QVERIFY(rows.rowCount() > 0);
        QCOMPARE(cds("CDS_Resultado_DT").fieldByName(QStringLiteral("PROCESSO")).asString(), QStringLiteral("2 - Etapa 411"));
        checkFooters(*child<GridView>(*w, "GridCustoProdutos"), "CDS_Resultado_DT");
        QVERIFY(near(sumOf(rows, QStringLiteral("PESO")), 95 + 11));
    }

    // A family whose production has no process: no tabs, every process read (0), the
    // projected result shown; on a line of type "T" the products are grouped by product
    // group under their process.
    void familyWithoutProcessesReadsAllAndGroupsByProductGroupOnTypeT()
    {
        const Variation noProcess(m_day->db(),
                                  QStringLiteral("UPDATE velko_cst.industrial_produto SET id_processo = NULL"
                                                 " WHERE id_familia = 30"),
                                  QStringLiteral("UPDATE velko_cst.industrial_produto SET id_processo = 300"
                                                 " WHERE id_familia = 30"));
        const Variation typeT(m_day->db(),
                              QStringLiteral("UPDATE velko_pcp.linha_producao SET tipo_processo = 'T'"
                                             " WHERE id_linha_producao = 100"),
                              QStringLiteral("UPDATE velko_pcp.linha_producao SET tipo_processo = 'D'"
                                             " WHERE id_linha_producao = 100"));
        auto w = openFamily(kCortes);
        QCOMPARE(child<QTabBar>(*w, "TabControlProcessos")->count(), 0);
        QVERIFY(child<QTabBar>(*w, "TabControlProcessos")->isHidden());
        QCOMPARE(cds("CDS_Resultado_DT").provider()->query()->params().find(QStringLiteral("ID_PROCESSO"))->value.toDouble(),
                 0.0);
        QVERIFY(cds("CDS_Resultado_DT").recordCount() > 0);
        checkFooters(*child<GridView>(*w, "GridCustoProdutos"), "CDS_Resultado_DT");
        auto* pages = child<QTabWidget>(*w, "PageControl1");
        QVERIFY(pages->isTabVisible(pages->indexOf(child(*w, "TabSheet_ResultadoProjetado"))));
        for (const char* name : {"GridCustoProdutos", "GridResultadoProjetado"}) {
            const grid::GridModel& model = child<GridView>(*w, name)->model();
            QCOMPARE(model.grouping().size(), 4);
            QCOMPARE(model.levelColumn(2)->fieldName(), QStringLiteral("DESCRICAO_GRUPO"));
        }

        // The sausage line is not of type "T": the level goes again.
        auto other = openFamily(kLinguicas);
        QCOMPARE(child<GridView>(*other, "GridCustoProdutos")->model().grouping().size(), 3);
    }

    // A process that does not generate the cost result hides the projected result and the
    // strip's tax, expense and result cells.
    void processWithoutCostResultHidesTheProjectedResult()
    {
        const Variation v(m_day->db(),
                          QStringLiteral("UPDATE velko_pcp.processo SET gerar_resultado_custo = 0 WHERE id_processo = 400"),
                          QStringLiteral("UPDATE velko_pcp.processo SET gerar_resultado_custo = 1 WHERE id_processo = 400"));
        auto w = openFamily(kLinguicas);
        auto* pages = child<QTabWidget>(*w, "PageControl1");
        QVERIFY(!pages->isTabVisible(pages->indexOf(child(*w, "TabSheet_ResultadoProjetado"))));
        auto* strip = child<results::SummaryStrip>(*w, "SummaryStrip");
        for (const char* total : {"TOTAL_IMPOSTOS", "TOTAL_DESPESAS", "RESULTADO_GERAL"})
            QVERIFY(strip->isColumnBlank(QString::fromLatin1(total)));
        QVERIFY(!strip->isColumnBlank(QStringLiteral("TOTAL_RECEITA")));
        QVERIFY(!strip->isPercentVisible());
    }

    // Raw material at weighted average cost cannot be repriced; bought raw material can, and
    // the typed price is saved as the cell changes, the results following.
    void rawMaterialPriceLockAndSaving()
    {
        auto w = openFamily(kLinguicas);
        auto* view = child<GridView>(*w, "GridMateriaPrima");
        data::ClientDataSet& mp = cds("CDS_MateriaPrima_DT");
        QVERIFY(mp.locate(QStringLiteral("CODIGO_PRODUTO"), QStringLiteral("5001")));
        QCOMPARE(mp.fieldByName(QStringLiteral("CODIGO_METODO_CUSTO_MP")).asString(), QStringLiteral("CMP"));
        QVERIFY(view->focusSourceRow(mp.recNo() - 1));
        view->setFocusedColumn(view->column(QStringLiteral("PRECO")));
        QVERIFY(view->column(QStringLiteral("PRECO"))->isReadOnly());

        QVERIFY(mp.locate(QStringLiteral("CODIGO_PRODUTO"), QStringLiteral("5002")));
        const double resultBefore = sumOf(m_day->serverRows("CDS_Resultado_DT"), QStringLiteral("VALOR_MATERIA_PRIMA"));
        QVERIFY(view->focusSourceRow(mp.recNo() - 1));
        view->setFocusedColumn(view->column(QStringLiteral("PRECO")));
        QVERIFY(!view->column(QStringLiteral("PRECO"))->isReadOnly());
        typeIntoCell(view, QStringLiteral("9"));
        QTest::keyClick(view->cellEditor(), Qt::Key_Return);
        QVERIFY(m_day->day.messages.empty());
        QCOMPARE(storedMpPrice("5002"), QStringLiteral("9"));
        QCOMPARE(mp.changeCount(), 0);
        const double resultAfter = sumOf(m_day->serverRows("CDS_Resultado_DT"), QStringLiteral("VALOR_MATERIA_PRIMA"));
        QVERIFY(!near(resultAfter, resultBefore));
        QVERIFY(near(child<GridView>(*w, "GridCustoProdutos")
                         ->model()
                         .footerValue(child<GridView>(*w, "GridCustoProdutos")->column(QStringLiteral("VALOR_MATERIA_PRIMA_KG")))
                         .value_or(0),
                     resultAfter));
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.industrial_preco_mp SET preco = preco_original"));
    }

    // A raw-material price the database refuses is reported with its message and stays in the
    // grid marked as not saved.
    void refusedRawMaterialPriceIsReportedAndKeptVisible()
    {
        auto w = openFamily(kLinguicas);
        auto* view = child<GridView>(*w, "GridMateriaPrima");
        data::ClientDataSet& mp = cds("CDS_MateriaPrima_DT");
        QVERIFY(mp.locate(QStringLiteral("CODIGO_PRODUTO"), QStringLiteral("5002")));
        const int row = mp.recNo() - 1;
        const int price = mp.fieldByName(QStringLiteral("PRECO")).index();
        const QString stored = storedMpPrice("5002");
        QVERIFY(view->focusSourceRow(row));
        view->setFocusedColumn(view->column(QStringLiteral("PRECO")));
        typeIntoCell(view, QStringLiteral("1000000000000000"));
        QTest::keyClick(view->cellEditor(), Qt::Key_Return);
        QCOMPARE(m_day->day.messages.size(), std::size_t(1));
        QCOMPARE(m_day->day.messages[0].type, ui::MessageType::Error);
        QVERIFY2(m_day->day.messages[0].text.contains(QLatin1String("numeric field overflow")),
                 qPrintable(m_day->day.messages[0].text));
        QVERIFY(view->source()->isPendingValue(row, price));
        QCOMPARE(storedMpPrice("5002"), stored);
    }

    // Without weighted-average raw material "Obter CMP" says so and changes nothing; with it,
    // the package rewrites the family's prices and the window shows them.
    void obterCmp()
    {
        {
            auto w = openFamily(kCortes);
            const QString before = scalar(QStringLiteral("select string_agg(preco::text, ',' order by id_industrial_preco_mp)"
                                                         " from velko_cst.industrial_preco_mp"));
            w->ObterCMP();
            QCOMPARE(m_day->day.messages.size(), std::size_t(1));
            QCOMPARE(m_day->day.messages[0].type, ui::MessageType::Error);
            QCOMPARE(m_day->day.messages[0].text,
                     QStringLiteral("Atenção! Não há nenhuma Matéria Prima para está Familia, onde o Método Custo da "
                                    "Procedencia seja Custo Médio Ponderado!"));
            QCOMPARE(scalar(QStringLiteral("select string_agg(preco::text, ',' order by id_industrial_preco_mp)"
                                           " from velko_cst.industrial_preco_mp")),
                     before);
        }
        m_day->day.messages.clear();
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.industrial_preco_mp SET preco = 1 WHERE codigo_metodo_custo_mp = 'CMP'"));
        auto w = openFamily(kLinguicas);
        w->ObterCMP();
        QVERIFY(m_day->day.messages.empty());
        const QString stored = storedMpPrice("5001");
        QVERIFY(stored.toDouble() != 1);
        data::ClientDataSet& mp = cds("CDS_MateriaPrima_DT");
        QVERIFY(mp.locate(QStringLiteral("CODIGO_PRODUTO"), QStringLiteral("5001")));
        QVERIFY(near(mp.fieldByName(QStringLiteral("PRECO")).asFloat(), stored.toDouble()));
    }

    // Restoring saves every product price at once and reads the results once, leaving the
    // prices the generation computed; the user's filter is cleared first.
    void restoreSavesEveryPriceOnce()
    {
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.industrial_preco SET preco = preco_original + 1.5"));
        auto w = openFamily(kLinguicas);
        auto* view = child<GridView>(*w, "GridCustoProdutos");
        view->model().setColumnFilter(view->column(QStringLiteral("CODIGO_PRODUTO")), {QStringLiteral("none")});
        const ui::ScopedMessageHook yes([](ui::MessageType, ui::MessageButtons, const QString&) {
            return ui::MessageResult::Yes;
        });
        child<QAction>(*w, "RestaurarPrecoMedioOriginal")->trigger();
        QVERIFY(!view->model().hasUserFilter());
        QCOMPARE(cds("CDS_Resultado_DT").changeCount(), 0);
        QCOMPARE(scalar(QStringLiteral("select count(*) from velko_cst.industrial_preco p join velko_cst.industrial_produto i"
                                       " on i.id_industrial_preco = p.id_industrial_preco"
                                       " where i.id_familia = 40 and p.preco is distinct from p.preco_original")),
                 QStringLiteral("0"));
        checkFooters(*view, "CDS_Resultado_DT");
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.industrial_preco SET preco = preco_original"));
    }

    // Criterion "M" opens a product's price (light yellow) in both product views; a row of
    // another criterion locks it, in the locked style, before it takes the focus.
    void productPriceLockFollowsTheRowBeforeItTakesTheFocus_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::newRow("Custo Produtos") << QStringLiteral("GridCustoProdutos");
        QTest::newRow("Resultado Projetado") << QStringLiteral("GridResultadoProjetado");
    }

    void productPriceLockFollowsTheRowBeforeItTakesTheFocus()
    {
        QFETCH(QString, grid);
        const Variation v(m_day->db(),
                          QStringLiteral("UPDATE velko_cst.produto_mercado SET criterio_receita = 'R' WHERE id_produto = 121"),
                          QStringLiteral("UPDATE velko_cst.produto_mercado SET criterio_receita = NULL WHERE id_produto = 121"));
        auto w = openFamily(kCortes);
        auto* view = child<GridView>(*w, grid.toLatin1().constData());
        grid::GridColumn* price = view->column(QStringLiteral("PRECO"));
        const int locked = rowOfProduct("3002");
        QCOMPARE(cds("CDS_Resultado_DT").fieldByName(QStringLiteral("CRITERIO_RECEITA")).asString(), QStringLiteral("R"));
        const int open = rowOfProduct("3001");
        QCOMPARE(cds("CDS_Resultado_DT").fieldByName(QStringLiteral("CRITERIO_RECEITA")).asString(), QStringLiteral("M"));

        QVERIFY(view->focusSourceRow(open));
        QList<bool> readOnlyWhenAnnounced;
        connect(view, &GridView::rowAboutToReceiveFocus, this,
                [&](int) { readOnlyWhenAnnounced << price->isReadOnly(); });
        QVERIFY(view->focusSourceRow(locked));
        QVERIFY(price->isReadOnly());
        QCOMPARE(price->contentStyle().background, QColor(0x3A, 0x6E, 0xA5));
        view->setFocusedColumn(price);
        QVERIFY(!view->startEditing());
        QVERIFY(view->focusSourceRow(open));
        QVERIFY(!price->isReadOnly());
        QCOMPARE(price->contentStyle().background, QColor(0xFF, 0xFF, 0x80));
        QCOMPARE(readOnlyWhenAnnounced, (QList<bool>{true, false}));
        disconnect(view, nullptr, this, nullptr);
    }

    void typedProductPriceIsSaved_data() { test::autoRefreshRows(); }

    // A product price typed and left with Enter is saved at once to INDUSTRIAL_PRECO, only that
    // product's; with automatic recalculation the product's revenue and the strip follow, without
    // it the grid keeps the figures it read.
    void typedProductPriceIsSaved()
    {
        QFETCH(bool, autoRefresh);
        auto w = openFamily(kCortes);
        if (child<QAction>(*w, "RecalcularAutomaticamente")->isChecked() != autoRefresh)
            child<QAction>(*w, "RecalcularAutomaticamente")->trigger();
        QCOMPARE(module().autoRefresh(), autoRefresh);
        auto* view = child<GridView>(*w, "GridCustoProdutos");
        data::ClientDataSet& produtos = cds("CDS_Resultado_DT");
        const int row = rowOfProduct("3001");
        const double typed = produtos.fieldByName(QStringLiteral("PRECO")).asFloat() + 3.25;
        const double revenueBefore = produtos.fieldByName(QStringLiteral("PRECO_TOTAL")).asFloat();
        const QString otherBefore = storedProductPrice("3002");

        QVERIFY(view->focusSourceRow(row));
        view->setFocusedColumn(view->column(QStringLiteral("PRECO")));
        typeIntoCell(view, QString::number(typed, 'f', 2));
        QTest::keyClick(view->cellEditor(), Qt::Key_Return);
        QVERIFY(m_day->day.messages.empty());

        QCOMPARE(storedProductPrice("3001").toDouble(), typed);
        QCOMPARE(storedProductPrice("3002"), otherBefore);
        QCOMPARE(produtos.changeCount(), 0);
        rowOfProduct("3001");
        const double revenue = produtos.fieldByName(QStringLiteral("PRECO_TOTAL")).asFloat();
        const QLocale locale;
        auto* strip = child<results::SummaryStrip>(*w, "SummaryStrip");
        if (autoRefresh) {
            QVERIFY(!near(revenue, revenueBefore));
            checkFooters(*view, "CDS_Resultado_DT");
            QCOMPARE(strip->valueLabel(QStringLiteral("TOTAL_RECEITA"))->text(),
                     locale.toString(sumOf(m_day->serverRows("CDS_Resultado_DT"), QStringLiteral("PRECO_TOTAL")), 'f', 2));
        } else {
            QCOMPARE(revenue, revenueBefore);
        }
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.industrial_preco SET preco = preco_original"));
    }

    void closedDayOrOperatorLocksEveryPrice_data() { test::closedDayOrOperatorRows(); }

    void closedDayOrOperatorLocksEveryPrice()
    {
        QFETCH(bool, operador);
        const test::LockedDay locked(*m_day, "industrial", !operador, operador);
        {
            auto w = openFamily(kLinguicas);
            auto* view = child<GridView>(*w, "GridMateriaPrima");
            QVERIFY(cds("CDS_MateriaPrima_DT").locate(QStringLiteral("CODIGO_PRODUTO"), QStringLiteral("5002")));
            QVERIFY(view->focusSourceRow(cds("CDS_MateriaPrima_DT").recNo() - 1));
            view->setFocusedColumn(view->column(QStringLiteral("PRECO")));
            QVERIFY(!view->startEditing());
            QVERIFY(cds("CDS_Resultado_DT").isReadOnly());

            // Nor a product price, and the restore is refused with the dataset's error.
            auto* produtos = child<GridView>(*w, "GridCustoProdutos");
            QVERIFY(produtos->focusSourceRow(rowOfProduct("6001")));
            produtos->setFocusedColumn(produtos->column(QStringLiteral("PRECO")));
            QVERIFY(!produtos->startEditing());
            const QString before = storedPrices();
            const QString refused = m_day->restorationError(*w);
            QVERIFY2(refused.contains(QLatin1String("somente leitura")), qPrintable(refused));
            QCOMPARE(storedPrices(), before);
        }
    }

    void detailsNeedTheProductCostTab()
    {
        auto w = openFamily(kLinguicas);
        const QString detail = QStringLiteral("F_IndustrializadoResultadoDetalhe");
        QCOMPARE(modalWindowShownBy([&] { w->DetalhesResultado(); }), QString());
        QCOMPARE(m_day->day.messages.size(), std::size_t(1));
        QCOMPARE(m_day->day.messages[0].text,
                 QStringLiteral("Selecione a aba \"Custo Produtos\" e marque um item para exibir os detalhes."));
        child<QTabWidget>(*w, "PageControl1")->setCurrentWidget(child(*w, "TabSheet_CustoProdutos"));
        QCOMPARE(modalWindowShownBy([&] { w->DetalhesResultado(); }), detail);
        auto* produtos = child<GridView>(*w, "GridCustoProdutos");
        QCOMPARE(modalWindowShownBy([&] { Q_EMIT produtos->cellDoubleClicked(0, produtos->column(QStringLiteral("PRECO"))); }),
                 detail);
        QCOMPARE(m_day->day.messages.size(), std::size_t(1));

        // A double click on the projected result asks for the product cost tab as well.
        child<QTabWidget>(*w, "PageControl1")->setCurrentWidget(child(*w, "TabSheet_ResultadoProjetado"));
        auto* projetado = child<GridView>(*w, "GridResultadoProjetado");
        QCOMPARE(modalWindowShownBy([&] { Q_EMIT projetado->cellDoubleClicked(0, projetado->column(QStringLiteral("PRECO"))); }),
                 QString());
        QCOMPARE(m_day->day.messages.size(), std::size_t(2));
        QCOMPARE(m_day->day.messages[1].text, m_day->day.messages[0].text);
    }

    void condemnationTabFollowsTheParameter_data() { test::condemnationParameterRows(); }

    void condemnationTabFollowsTheParameter()
    {
        QFETCH(int, analise);
        QFETCH(bool, shown);
        const Variation v(m_day->db(), QStringLiteral("UPDATE velko_cst.parametros SET analise_condenacoes = %1").arg(analise),
                          QStringLiteral("UPDATE velko_cst.parametros SET analise_condenacoes = 1"));
        m_day->reload();
        auto w = openFamily(kCortes);
        auto* pages = child<QTabWidget>(*w, "PageControl1");
        QCOMPARE(pages->isTabVisible(pages->indexOf(child(*w, "TabSheet_Condenacoes"))), shown);
        if (shown)
            checkFooters(*child<GridView>(*w, "GridCondenacoes"), "CDS_CondenacaoDesossa");
    }

    // "Atualizar", the large button at the menu bar's right end, reads every grid again.
    void refreshButtonReadsTheGridsAgain()
    {
        auto w = openFamily(kLinguicas);
        auto* bar = child<QMenuBar>(*w, "MainMenu");
        auto* button = child<QToolButton>(*w, "Atualizar");
        QCOMPARE(bar->cornerWidget(Qt::TopRightCorner), button);
        QVERIFY(button->isVisible());
        QVERIFY(button->geometry().left() > bar->width() / 2);
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.industrial_preco SET preco = preco_original + 2"));
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.industrial_preco_mp SET preco = preco + 1"
                                        " WHERE codigo_metodo_custo_mp <> 'CMP'"));
        QVERIFY(cds("CDS_Resultado_DT").fieldByName(QStringLiteral("PRECO")).asFloat() != storedProductPrice("6001").toDouble());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(m_day->day.messages.empty());
        QCOMPARE(cds("CDS_Resultado_DT").fieldByName(QStringLiteral("PRECO")).asFloat(), storedProductPrice("6001").toDouble());
        checkFooters(*child<GridView>(*w, "GridMateriaPrima"), "CDS_MateriaPrima_DT");
        checkFooters(*child<GridView>(*w, "GridCustoProdutos"), "CDS_Resultado_DT");
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.industrial_preco SET preco = preco_original"));
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.industrial_preco_mp SET preco = preco_original"));
    }

    // The main window's opener shows the window modally with the day in the caption, destroys
    // it when it closes, and the family list is read again.
    void openerShowsTheWindowModallyAndDestroysIt()
    {
        QVERIFY(cds("CDS_Resultado").locate(QStringLiteral("ID_FAMILIA"), kLinguicas));
        m_day->menu->setResultWindowOpeners({{}, {}, results::openIndustrializadoResultado, {}});
        QString shownCaption;
        QPointer<QWidget> shown;
        QTimer::singleShot(0, this, [&] {
            shown = QApplication::activeModalWidget();
            if (shown) {
                shownCaption = shown->windowTitle();
                shown->close();
            }
        });
        m_day->menu->DBText30Click();
        m_day->menu->setResultWindowOpeners({});
        QCOMPARE(shownCaption, QStringLiteral("Resultado da Produção - ") + QLocale().toString(kDia, QLocale::ShortFormat));
        QVERIFY(shown.isNull());
        QVERIFY(m_day->day.messages.empty());
    }
};

QTEST_MAIN(TestIndustrialResult)
#include "tst_industrial_result.moc"
