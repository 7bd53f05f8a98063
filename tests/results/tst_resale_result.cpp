// F_RevendaResultado on the real server, over the fixture day's dairy group (mussarela bought
// with freight, IPI and credits; butter bought plain): the grid's rows, footers and strip equal
// the server's figures; the acquisition components per kilogram add up to the purchase cost;
// the document group footers; every price editable unless the day is closed (an operator
// edits too); a typed price saved with and without automatic recalculation, and a refused one
// kept visible as not saved; restoring prices (one save, one read, filter cleared; No changes
// nothing); the detail of the focused product; the price table export; the main window's
// opener and the refresh of the group summary on close.

#include "DBLabel.h"
#include "DataError.h"
#include "DataSourceRows.h"
#include "GridBand.h"
#include "MessageBox.h"
#include "ResultOpeners.h"
#include "SlaughterDay.h"
#include "SummaryStrip.h"
#include "TF_RevendaResultado.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QtTest>

using namespace custos;
using custos::grid::GridColumn;
using custos::grid::GridView;
using custos::results::TF_RevendaResultado;
using custos::test::child;
using custos::test::kDia;
using custos::test::near;
using custos::test::snapshot;
using custos::test::SlaughterDay;
using custos::test::sumOf;
using custos::test::typeIntoCell;
using custos::test::Variation;

namespace {

// The purchase cost per kilogram is built from these, each rounded to four decimals.
const std::pair<const char*, int> kAcquisition[] = {
    {"VALOR_MERCADORIA_KG", 1}, {"VALOR_FRETE_DESPESAS_KG", 1}, {"VALOR_IPI_KG", 1},
    {"VALOR_ICMS_ST_KG", 1},    {"VALOR_ACRESCIMO_KG", 1},      {"CREDITO_ICMS_KG", -1},
    {"CREDITO_ICMS_ST_KG", -1}, {"CREDITO_IPI_KG", -1},         {"CREDITO_PIS_COFINS_KG", -1}};

} // namespace

class TestResaleResult : public QObject
{
    Q_OBJECT

    std::unique_ptr<SlaughterDay> m_day;
    int m_reads = 0; // the products' opens and re-reads

    data::TDataModule_Custo& module() const { return m_day->module(); }
    data::ClientDataSet& products() const { return module().clientDataSet(QStringLiteral("CDS_ResultadoRevenda")); }
    data::ClientDataSet& groups() const { return module().clientDataSet(QStringLiteral("CDS_ResumoRevenda")); }
    QString scalar(const QString& sql) const { return m_day->scalar(sql); }
    QString storedPrices() const
    {
        return scalar(QStringLiteral("select string_agg(id_revenda_preco || ':' || preco::text, ' ' order by id_revenda_preco)"
                                     " from velko_cst.revenda_preco"));
    }
    QString storedPrice(const char* codigo) const
    {
        return scalar(QStringLiteral("select p.preco::float8 from velko_cst.revenda_preco p join velko_ven.produto v"
                                     " on v.sequencial_produto = p.sequencial_produto where v.codigo_produto = '%1'")
                          .arg(QLatin1String(codigo)));
    }
    void resetPrices() const { m_day->db().exec(QStringLiteral("UPDATE velko_cst.revenda_preco SET preco = preco_original")); }

    std::unique_ptr<TF_RevendaResultado> openWindow()
    {
        if (!groups().locate(QStringLiteral("CODIGO_FAMILIA"), 7.0))
            qFatal("no resale group");
        return test::shownForTest(std::make_unique<TF_RevendaResultado>(module(), m_day->menu.get()));
    }

    int rowOfProduct(const char* code) const
    {
        if (!products().locate(QStringLiteral("CODIGO_PRODUTO"), QString::fromLatin1(code)))
            qFatal("no product %s", code);
        return products().recNo() - 1;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_day = std::make_unique<SlaughterDay>();
        module().setBeforeRun(products(), [this] { ++m_reads; });
    }

    void init()
    {
        m_day->day.messages.clear();
        module().setAutoRefresh(true);
    }

    // With the butter's purchase carrying the taxes and credits the mussarela's lacks, so that
    // each acquisition component counts somewhere.
    void showFillsTheGridAndStripWithTheServersFigures()
    {
        const Variation taxed(m_day->db(),
                              QStringLiteral("UPDATE velko_cst.revenda_produto SET valor_ipi = 45.3, valor_icms_st = 21.7,"
                                             " credito_icms_st = 4.9, credito_ipi = 7.3, valor_acrescimo = 3.1"
                                             " WHERE sequencial_produto = 131"),
                              QStringLiteral("UPDATE velko_cst.revenda_produto SET valor_ipi = 0, valor_icms_st = 0,"
                                             " credito_icms_st = 0, credito_ipi = 0, valor_acrescimo = 0"
                                             " WHERE sequencial_produto = 131"));
        auto w = openWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral("Resultados da Revenda"));
        QVERIFY(m_day->day.messages.empty());
        QCOMPARE(child<ui::DBLabel>(*w, "DBTextGrupo")->text(), QStringLiteral("Queijos e manteigas"));

        const session::Result rows = m_day->serverRows("CDS_ResultadoRevenda");
        QCOMPARE(rows.rowCount(), 2);
        auto* view = child<GridView>(*w, "GridResultado");
        const grid::GridModel& model = view->model();
        QCOMPARE(model.source()->rowCount(), rows.rowCount());
        QCOMPARE(model.tree().levelCount(), 0);
        int sums = 0;
        for (GridColumn* column : model.columns()) {
            if (const grid::GridSummary* summary = model.footerSummary(column)) {
                const QString field = summary->field.isEmpty() ? column->fieldName() : summary->field;
                QVERIFY2(near(model.footerValue(column).value_or(0), sumOf(rows, field)), qPrintable(field));
                ++sums;
            }
        }
        QCOMPARE(sums, 8); // boxes, weight, revenue and the five "Total" columns
        QAbstractItemModelTester tester(const_cast<grid::GridModel*>(&model),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);

        // Each shown cell is the server's value of its row.
        for (int r = 0; r < rows.rowCount(); ++r) {
            const int row = rowOfProduct(qPrintable(rows.value(r, rows.indexOf(QStringLiteral("CODIGO_PRODUTO"))).toString()));
            for (const char* field : {"PESO", "PRECO", "PRECO_TOTAL", "CUSTO_COMPRA_KG", "CUSTO_TOTAL", "RESULTADO_TOTAL"})
                QVERIFY2(near(model.cellValue(row, view->column(QString::fromLatin1(field))).toDouble(),
                              rows.value(r, rows.indexOf(QString::fromLatin1(field))).toDouble()),
                         field);
        }

        // The acquisition components per kilogram add up to the purchase cost per kilogram.
        for (int r = 0; r < rows.rowCount(); ++r) {
            double built = 0;
            for (const auto& [field, sign] : kAcquisition)
                built += sign * rows.value(r, rows.indexOf(QString::fromLatin1(field))).toDouble();
            const double custoCompraKg = rows.value(r, rows.indexOf(QStringLiteral("CUSTO_COMPRA_KG"))).toDouble();
            QVERIFY2(std::abs(built - custoCompraKg) <= 0.0005 + 1e-9,
                     qPrintable(QStringLiteral("%1 != %2").arg(built).arg(custoCompraKg)));
            QVERIFY(custoCompraKg > 0);
        }
        for (const auto& [field, sign] : kAcquisition)
            QVERIFY2(sumOf(rows, QString::fromLatin1(field)) > 0, field);

        // The strip's eight totals and their values per kilogram, in their formats.
        auto* strip = child<results::SummaryStrip>(*w, "SummaryStrip");
        const QLocale locale;
        const double peso = sumOf(rows, QStringLiteral("PESO"));
        const auto total = [&](std::initializer_list<const char*> fields) {
            double t = 0;
            for (const char* f : fields)
                t += sumOf(rows, QString::fromLatin1(f));
            return t;
        };
        struct Figure
        {
            const char* total;
            const char* perKg;
            double value;
        };
        const Figure figures[] = {
            {"TOTAL_RECEITA", "TOTAL_RECEITA_KG", total({"PRECO_TOTAL"})},
            {"TOTAL_COMPRA", "TOTAL_COMPRA_KG", total({"CUSTO_COMPRA"})},
            {"TOTAL_INDUSTRIAL", "TOTAL_INDUSTRIAL_KG", total({"VALOR_MOD", "VALOR_CIF"})},
            {"TOTAL_EMBALAGEM", "TOTAL_EMBALAGEM_KG", total({"VALOR_EMBALAGEM"})},
            {"TOTAL_CUSTO", "TOTAL_CUSTO_KG", total({"CUSTO_REVENDA"})},
            {"TOTAL_IMPOSTOS", "TOTAL_IMPOSTOS_KG", total({"VALOR_ICMS", "VALOR_PIS_COFINS", "VALOR_OUTROS_TRIBUTOS"})},
            {"TOTAL_DESPESAS", "TOTAL_DESPESAS_KG", total({"CUSTO_DESPESAS"})},
            {"RESULTADO_GERAL", "RESULTADO_GERAL_KG", total({"RESULTADO_TOTAL"})},
        };
        for (const Figure& f : figures) {
            QCOMPARE(strip->valueLabel(QString::fromLatin1(f.total))->text(), locale.toString(f.value, 'f', 2));
            QCOMPARE(strip->valueLabel(QString::fromLatin1(f.perKg))->text(), locale.toString(f.value / peso, 'f', 2));
        }
        QVERIFY(!strip->isPercentVisible());
        QCOMPARE(strip->valueLabel(QStringLiteral("DESCRICAO"))->text(),
                 scalar(QStringLiteral("select descricao from velko_fin.indice where codigo_indice = 1")));
        QVERIFY(!strip->valueLabel(QStringLiteral("VALOR_MOEDA2"))->isVisibleTo(w.get()));
        bool costHeading = false;
        for (const QLabel* label : strip->findChildren<QLabel*>())
            costHeading |= label->text() == QLatin1String("Custos");
        QVERIFY(costHeading);

        // Sorted by market, then code; the market shown by its abbreviation.
        QCOMPARE(model.cellText(model.lineSourceRow(0), view->column(QStringLiteral("CODIGO_PRODUTO"))),
                 QStringLiteral("4001"));
        QCOMPARE(model.cellText(rowOfProduct("4002"), view->column(QStringLiteral("ID_MERCADO"))), QStringLiteral("MI"));

        // The menu: the greyed items, "Excel" among them; the price table item enabled.
        for (const char* name : {"Resumo", "Calculadora", "EnviarEmail", "Excel"})
            QVERIFY2(!child<QAction>(*w, name)->isEnabled(), name);
        QVERIFY(!child<QMenu>(*w, "Grupos")->menuAction()->isEnabled());
        QVERIFY(child<QAction>(*w, "TabelaPrecos")->isEnabled());
        QVERIFY(!w->findChild<QAction*>(QStringLiteral("RecalcularAutomaticamente")));
    }

    // Bands and colours: product fixed left, result fixed right and not movable; the
    // acquisition headers white, the other cost headers grey, the revenue headers blue; only
    // the price is editable; "Original" hidden until checked, the revenue band 245 or 283 wide.
    void bandsColoursAndTheOriginalPrice()
    {
        auto w = openWindow();
        auto* view = child<GridView>(*w, "GridResultado");
        QCOMPARE(view->band(QStringLiteral("Produto"))->fixed(), grid::GridBand::Fixed::Left);
        QCOMPARE(view->band(QStringLiteral("Resultado"))->fixed(), grid::GridBand::Fixed::Right);
        QVERIFY(!view->band(QStringLiteral("Resultado"))->isMovable());
        const GridColumn* mercadoria = view->column(QStringLiteral("VALOR_MERCADORIA_KG"));
        const GridColumn* creditoPis = view->column(QStringLiteral("CREDITO_PIS_COFINS_KG"));
        QCOMPARE(mercadoria->headerStyle().background, QColor(Qt::white));
        QCOMPARE(creditoPis->headerStyle().background, QColor(Qt::white));
        QCOMPARE(view->column(QStringLiteral("CUSTO_COMPRA_KG"))->headerStyle(), grid::SharedStyles::cxStyle6());
        QCOMPARE(view->column(QStringLiteral("PRECO_TOTAL"))->headerStyle(), grid::SharedStyles::cxStyle7());
        QCOMPARE(view->column(QStringLiteral("PRECO"))->contentStyle().background, QColor(0xFF, 0xFF, 0x80));
        QCOMPARE(view->column(QStringLiteral("RESULTADO_TOTAL"))->contentStyle(),
                 grid::GridStyle::colours(QColor(0x74, 0x74, 0x74), Qt::white, true));
        QCOMPARE(view->column(QStringLiteral("CUSTO_IMPOSTOS_KG"))->contentStyle(),
                 grid::GridStyle::colours(QColor(0xC2, 0xC2, 0x85), Qt::white, true));
        for (const char* field : {"CIFRA", "CUSTO_REVENDA"})
            QVERIFY2(!view->column(QString::fromLatin1(field))->canFocus(), field);
        for (GridColumn* column : view->model().columns())
            QCOMPARE(column->isReadOnly(), column->fieldName() != QLatin1String("PRECO"));

        GridColumn* original = view->column(QStringLiteral("PRECO_ORIGINAL"));
        QVERIFY(!original->isVisible());
        QCOMPARE(view->band(QStringLiteral("Receita"))->width(), 245);
        child<QAction>(*w, "PrecoMedioOriginal")->trigger();
        QVERIFY(original->isVisible());
        QCOMPARE(view->band(QStringLiteral("Receita"))->width(), 283);
        child<QAction>(*w, "PrecoMedioOriginal")->trigger();
        QVERIFY(!original->isVisible());
        QCOMPARE(view->band(QStringLiteral("Receita"))->width(), 245);
    }

    // Grouped by "Documento" (the butter moved to a document of its own), each document's
    // footer sums its rows, the weight there with two decimals and in the footer with one.
    void documentGroupFootersSumEachDocument()
    {
        const Variation v(m_day->db(),
                          QStringLiteral("UPDATE velko_cst.revenda_produto SET documento = '9001' WHERE sequencial_produto = 131"),
                          QStringLiteral("UPDATE velko_cst.revenda_produto SET documento = '4521' WHERE sequencial_produto = 131"));
        auto w = openWindow();
        auto* view = child<GridView>(*w, "GridResultado");
        grid::GridModel& model = view->model();
        GridColumn* documento = view->column(QStringLiteral("DOCUMENTO"));
        model.groupBy(documento);
        QCOMPARE(model.tree().levelCount(), 1);
        QCOMPARE(model.tree().levelBegin(1) - model.tree().levelBegin(0), 2);
        const session::Result rows = m_day->serverRows("CDS_ResultadoRevenda");
        const int doc = rows.indexOf(QStringLiteral("DOCUMENTO"));
        const QLocale locale;
        for (int node = model.tree().levelBegin(0); node < model.tree().levelBegin(1); ++node) {
            const int first = model.tree().sourceRow(model.tree().node(node).begin);
            const QString group = model.cellText(first, documento);
            const auto inGroup = [&](int r) { return rows.value(r, doc).toString() == group; };
            for (const char* field : {"CAIXAS", "PESO", "PRECO_TOTAL", "CUSTO_REVENDA", "CUSTO_IMPOSTOS", "CUSTO_DESPESAS",
                                      "CUSTO_TOTAL", "RESULTADO_TOTAL"}) {
                const GridColumn* column = view->column(QString::fromLatin1(field));
                QVERIFY2(model.groupSummary(node, column), field);
                QVERIFY2(near(model.groupFooterValue(node, column).value_or(-1),
                              sumOf(rows, QString::fromLatin1(field), inGroup)),
                         qPrintable(group + QLatin1Char(' ') + QLatin1String(field)));
            }
            QCOMPARE(model.groupFooterText(node, view->column(QStringLiteral("PESO"))),
                     locale.toString(sumOf(rows, QStringLiteral("PESO"), inGroup), 'f', 2));
        }
        QCOMPARE(model.footerText(view->column(QStringLiteral("PESO"))),
                 locale.toString(sumOf(rows, QStringLiteral("PESO")), 'f', 1));
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.ungroup(documento);
    }

    void everyPriceIsEditableUnlessTheDayIsClosed_data()
    {
        QTest::addColumn<bool>("operador");
        QTest::addColumn<bool>("closed");
        QTest::newRow("analyst") << false << false;
        QTest::newRow("operator") << true << false;
        QTest::newRow("closed day") << false << true;
    }

    // No criterion locks a resale price: each row opens for editing, also for an operator;
    // a closed day opens none, and restoring is refused by the read-only dataset.
    void everyPriceIsEditableUnlessTheDayIsClosed()
    {
        QFETCH(bool, operador);
        QFETCH(bool, closed);
        const test::LockedDay locked(*m_day, "revenda", closed, operador);
        const QString before = storedPrices();
        {
            auto w = openWindow();
            auto* view = child<GridView>(*w, "GridResultado");
            for (int row = 0; row < products().recordCount(); ++row) {
                QVERIFY(view->focusSourceRow(row));
                view->setFocusedColumn(view->column(QStringLiteral("PRECO")));
                QCOMPARE(view->startEditing(), !closed);
                if (view->isEditing())
                    view->cancelEditing();
            }
            if (closed) {
                const QString refused = m_day->restorationError(*w);
                QVERIFY2(refused.contains(QLatin1String("somente leitura")), qPrintable(refused));
            }
        }
        QCOMPARE(storedPrices(), before);
    }

    void typedPriceIsSaved_data() { test::autoRefreshRows(); }

    // Typed and left with Enter: only PRECO of the row is written; with automatic
    // recalculation the row's result and the strip follow the server, without it they stay.
    void typedPriceIsSaved()
    {
        QFETCH(bool, autoRefresh);
        module().setAutoRefresh(autoRefresh);
        auto w = openWindow();
        auto* view = child<GridView>(*w, "GridResultado");
        const int row = rowOfProduct("4002");
        const double resultBefore = products().fieldByName(QStringLiteral("RESULTADO_TOTAL")).asFloat();
        const QString othersBefore = scalar(QStringLiteral(
            "select md5(string_agg(p::text, '' order by id_revenda_preco)) from (select id_revenda_preco, preco_original,"
            " sequencial_produto, id_mercado from velko_cst.revenda_preco) p"));
        const QString cheeseBefore = storedPrice("4001");
        const QString resultLabelBefore =
            child<results::SummaryStrip>(*w, "SummaryStrip")->valueLabel(QStringLiteral("RESULTADO_GERAL"))->text();
        const double typed = products().fieldByName(QStringLiteral("PRECO")).asFloat() + 4.5;

        QVERIFY(view->focusSourceRow(row));
        view->setFocusedColumn(view->column(QStringLiteral("PRECO")));
        typeIntoCell(view, QString::number(typed, 'f', 2));
        QTest::keyClick(view->cellEditor(), Qt::Key_Return);
        QVERIFY(m_day->day.messages.empty());

        QCOMPARE(storedPrice("4002").toDouble(), typed);
        QCOMPARE(storedPrice("4001"), cheeseBefore);
        QCOMPARE(scalar(QStringLiteral(
                     "select md5(string_agg(p::text, '' order by id_revenda_preco)) from (select id_revenda_preco, preco_original,"
                     " sequencial_produto, id_mercado from velko_cst.revenda_preco) p")),
                 othersBefore);
        rowOfProduct("4002");
        const QString resultLabel =
            child<results::SummaryStrip>(*w, "SummaryStrip")->valueLabel(QStringLiteral("RESULTADO_GERAL"))->text();
        if (autoRefresh) {
            const session::Result rows = m_day->serverRows("CDS_ResultadoRevenda");
            QVERIFY(products().fieldByName(QStringLiteral("RESULTADO_TOTAL")).asFloat() > resultBefore);
            QCOMPARE(resultLabel, QLocale().toString(sumOf(rows, QStringLiteral("RESULTADO_TOTAL")), 'f', 2));
        } else {
            QCOMPARE(products().fieldByName(QStringLiteral("RESULTADO_TOTAL")).asFloat(), resultBefore);
            QCOMPARE(resultLabel, resultLabelBefore);
        }
        w.reset();
        resetPrices();
        m_day->reload();
    }

    // A price the database refuses is reported with its message and stays in the grid marked
    // as not saved; a price typed on the other row afterwards is saved.
    void refusedPriceIsReportedAndKeptVisible()
    {
        module().setAutoRefresh(false);
        auto w = openWindow();
        auto* view = child<GridView>(*w, "GridResultado");
        const int refused = rowOfProduct("4001");
        const int price = products().fieldByName(QStringLiteral("PRECO")).index();
        QVERIFY(view->focusSourceRow(refused));
        view->setFocusedColumn(view->column(QStringLiteral("PRECO")));
        typeIntoCell(view, QStringLiteral("1000000000000000"));
        QTest::keyClick(view->cellEditor(), Qt::Key_Return);
        QCOMPARE(m_day->day.messages.size(), std::size_t(1));
        QCOMPARE(m_day->day.messages[0].type, ui::MessageType::Error);
        QVERIFY2(m_day->day.messages[0].text.contains(QLatin1String("numeric field overflow")),
                 qPrintable(m_day->day.messages[0].text));
        QCOMPARE(products().changeCount(), 1);
        QCOMPARE(products().value(refused, price).toDouble(), 1e15);
        QVERIFY(view->source()->isPendingValue(refused, price));

        const int other = rowOfProduct("4002");
        products().setRecNo(other + 1);
        products().edit();
        products().setCurrentValue(price, 7.25);
        QVERIFY_THROWS_EXCEPTION(data::DataError, products().post());
        QCOMPARE(storedPrice("4002"), QStringLiteral("7.25"));
        QVERIFY(!view->source()->isPendingValue(other, price));
        QVERIFY(view->source()->isPendingValue(refused, price));
        w->Atualizar();
        QCOMPARE(products().changeCount(), 0);
        w.reset();
        resetPrices();
        m_day->reload();
    }

    // With a filter showing one product, the restore clears it and restores both, reading the
    // results once, to what posting each row in turn leaves.
    void restoreWithAFilterRestoresEveryProduct()
    {
        const QString changed = QStringLiteral("UPDATE velko_cst.revenda_preco SET preco = preco_original + 1.5");
        m_day->db().exec(changed);
        auto w = openWindow();
        auto* view = child<GridView>(*w, "GridResultado");
        data::ClientDataSet& p = products();
        const int price = p.fieldByName(QStringLiteral("PRECO")).index();
        const int original = p.fieldByName(QStringLiteral("PRECO_ORIGINAL")).index();
        for (int r = 0; r < p.recordCount(); ++r) {
            p.setRecNo(r + 1);
            p.edit();
            p.setCurrentValue(price, p.currentValue(original));
            p.post();
        }
        const QStringList walked = snapshot(p);
        const QString walkedPrices = storedPrices();

        m_day->db().exec(changed);
        w->Atualizar();
        QVERIFY(snapshot(p) != walked);
        view->model().setColumnFilter(view->column(QStringLiteral("CODIGO_PRODUTO")), {QStringLiteral("4002")});
        QCOMPARE(view->model().lineCount(), 1);
        const int readsBefore = m_reads;
        const ui::ScopedMessageHook yes([](ui::MessageType, ui::MessageButtons, const QString&) {
            return ui::MessageResult::Yes;
        });
        child<QAction>(*w, "RestaurarPrecoMedioOriginal")->trigger();
        QVERIFY(!view->model().hasUserFilter());
        QCOMPARE(snapshot(p), walked);
        QCOMPARE(storedPrices(), walkedPrices);
        QCOMPARE(p.changeCount(), 0);
        QCOMPARE(m_reads - readsBefore, 1);
        QCOMPARE(view->focusedLine(), 0);
        resetPrices();
    }

    void answeringNoRestoresNothing()
    {
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.revenda_preco SET preco = preco_original + 2"));
        const QString before = storedPrices();
        auto w = openWindow();
        const QStringList shown = snapshot(products());
        const ui::ScopedMessageHook no([this](ui::MessageType type, ui::MessageButtons buttons, const QString& text) {
            m_day->day.messages.push_back({type, text});
            return buttons == ui::MessageButtons::YesNo ? ui::MessageResult::No : ui::MessageResult::Ok;
        });
        child<QAction>(*w, "RestaurarPrecoMedioOriginal")->trigger();
        QCOMPARE(m_day->day.messages.size(), std::size_t(1));
        QCOMPARE(m_day->day.messages[0].type, ui::MessageType::Confirmation);
        QCOMPARE(m_day->day.messages[0].text, QStringLiteral("Deseja restaurar os preços médios originalmente calculados?"));
        QCOMPARE(storedPrices(), before);
        QCOMPARE(snapshot(products()), shown);
        QCOMPARE(products().changeCount(), 0);
        resetPrices();
    }

    // A double click on a row, and "Detalhes do Resultado...", open the detail of the product on
    // the row the grid shows focused, modally, and destroy it on close.
    void detailsOpenForTheFocusedProduct()
    {
        auto w = openWindow();
        auto* view = child<GridView>(*w, "GridResultado");
        const auto detailOpenedBy = [this](const std::function<void()>& action) {
            QPointer<QWidget> shown;
            QString caption, product;
            QTimer::singleShot(0, this, [&] {
                shown = QApplication::activeModalWidget();
                if (!shown)
                    return;
                caption = shown->windowTitle();
                product = child<ui::DBLabel>(*shown, "Produto_Total")->text();
                shown->close();
            });
            action();
            return shown.isNull() && caption == QStringLiteral("Detalhes do Resultado") ? product : QString();
        };
        const int butter = rowOfProduct("4002");
        const int cheese = rowOfProduct("4001");
        const QRect cell = view->cellRect(view->model().lineOfSourceRow(butter), view->column(QStringLiteral("DESCRICAO_PRODUTO")));
        QVERIFY(!cell.isNull());
        QCOMPARE(detailOpenedBy([&] { QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center()); }),
                 QStringLiteral("4002"));
        QCOMPARE(view->focusedSourceRow(), butter);
        QVERIFY(view->focusSourceRow(cheese));
        QCOMPARE(detailOpenedBy([&] { child<QAction>(*w, "DetalhesResultado")->trigger(); }), QStringLiteral("4001"));
        QCOMPARE(products().fieldByName(QStringLiteral("CODIGO_PRODUTO")).asString(), QStringLiteral("4001"));
        QVERIFY(m_day->day.messages.empty());
    }

    // "Exportar" > "Tabela de Preços" opens the resale price table export for the group.
    void priceTableExportOpensForTheGroup()
    {
        auto w = openWindow();
        QString shownName, grupo, familia;
        QTimer::singleShot(0, this, [&] {
            QWidget* shown = QApplication::activeModalWidget();
            if (!shown)
                return;
            shownName = shown->objectName();
            if (auto* edit = shown->findChild<QLineEdit*>(QStringLiteral("Edit_Grupo")))
                grupo = edit->text();
            if (auto* edit = shown->findChild<QLineEdit*>(QStringLiteral("Edit_Familia")))
                familia = edit->text();
            shown->close();
        });
        child<QAction>(*w, "TabelaPrecos")->trigger();
        QCOMPARE(shownName, QStringLiteral("F_ExportaTabelaRevenda"));
        QCOMPARE(grupo, QStringLiteral("Queijos e manteigas"));
        QCOMPARE(familia, groups().fieldByName(QStringLiteral("FAMILIA")).asString());
        QVERIFY(m_day->day.messages.empty());
    }

    // The main window's resale group opens the window modally; a price changed meanwhile
    // reaches the group summary when it closes.
    void mainWindowOpensItAndClosingRefreshesTheSummary()
    {
        QVERIFY(groups().locate(QStringLiteral("CODIGO_FAMILIA"), 7.0));
        const double before = groups().fieldByName(QStringLiteral("TOTAL_RECEITA")).asFloat();
        m_day->menu->setResultWindowOpeners({{}, {}, {}, results::openRevendaResultado});
        QString shownCaption;
        QPointer<QWidget> shown;
        QTimer::singleShot(0, this, [&] {
            shown = QApplication::activeModalWidget();
            if (!shown)
                return;
            shownCaption = shown->windowTitle();
            m_day->db().exec(QStringLiteral("UPDATE velko_cst.revenda_preco SET preco = preco_original + 1"));
            shown->close();
        });
        m_day->menu->DBText21Click();
        m_day->menu->setResultWindowOpeners({});
        QCOMPARE(shownCaption, QStringLiteral("Resultados da Revenda"));
        QVERIFY(shown.isNull());
        QVERIFY(m_day->day.messages.empty());
        QVERIFY(groups().locate(QStringLiteral("CODIGO_FAMILIA"), 7.0));
        QVERIFY(groups().fieldByName(QStringLiteral("TOTAL_RECEITA")).asFloat() > before);
        resetPrices();
        m_day->reload();
    }
};

QTEST_MAIN(TestResaleResult)
#include "tst_resale_result.moc"
