// F_Abate on the real server: every grid's footers and group footers and the summary strip
// equal the server's figures for the same statements; the tabs after the show; the price lock
// per row, the closed day and the operator; a typed price saved with and without automatic
// recalculation, and a refused one kept visible as not saved; restoring prices (equal to the
// row-by-row walk, filter cleared, No changes nothing); the restoration band; the offal
// criterion; the condemnation tab; "Atualizar".

#include "DBLabel.h"
#include "DataError.h"
#include "DataSourceRows.h"
#include "MessageBox.h"
#include "ResultOpeners.h"
#include "SaveDialog.h"
#include "SaveFileDialog.h"
#include "SlaughterDay.h"
#include "SummaryStrip.h"
#include "WorkbookReader.h"

#include <QAbstractItemModelTester>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace custos;
using custos::grid::GridView;
using custos::results::TF_Abate;
using custos::test::child;
using custos::test::kDia;
using custos::test::modalWindowShownBy;
using custos::test::near;
using custos::test::snapshot;
using custos::test::SlaughterDay;
using custos::test::sumOf;
using custos::test::typeIntoCell;
using custos::test::Variation;

namespace {

QTabWidget* outerTabs(const TF_Abate& w)
{
    return child<QTabWidget>(w, "PageControl1");
}

QTabWidget* innerTabs(const TF_Abate& w)
{
    return child<QTabWidget>(w, "PageControl2");
}

QString aproveitamentoCaption(const TF_Abate& w)
{
    return outerTabs(w)->tabText(outerTabs(w)->indexOf(child(w, "TabSheet_Aproveitamento")));
}

QAction* action(const TF_Abate& w, const char* name)
{
    return child<QAction>(w, name);
}

int rowOfProduct(data::ClientDataSet& products, const char* code)
{
    if (!products.locate(QStringLiteral("CODIGO_PRODUTO"), QString::fromLatin1(code)))
        qFatal("no product %s", code);
    return products.recNo() - 1;
}

} // namespace

class TestSlaughterResult : public QObject
{
    Q_OBJECT

    std::unique_ptr<SlaughterDay> m_day;

    data::ClientDataSet& products() const { return m_day->module().clientDataSet(QStringLiteral("CDS_AbateProduto")); }
    QString scalar(const QString& sql) const { return m_day->scalar(sql); }
    double storedTotalAproveitamento() const
    {
        return scalar(QStringLiteral("select total_aproveitamento::float8 from velko_cst.abate where id_unidade = 1"
                                     " and data = '2024-03-15'"))
            .toDouble();
    }
    QString storedPrices() const
    {
        return scalar(QStringLiteral("select string_agg(id_abate_preco || ':' || preco::text, ' ' order by id_abate_preco)"
                                     " from velko_cst.abate_preco"));
    }

    // Each footer sum and each group's footer sum of the view equals the sum over the rows the
    // server returns for the view's statement.
    void checkSums(const GridView& view, const char* dataSet)
    {
        test::checkSums(view, m_day->serverRows(dataSet), test::SumsChecked::FooterAndFirstLevelGroups);
    }

private Q_SLOTS:
    void initTestCase() { m_day = std::make_unique<SlaughterDay>(); }

    void init()
    {
        m_day->day.messages.clear();
        m_day->module().setAutoRefresh(true);
    }

    void showFillsEveryGridWithTheServersFigures()
    {
        auto w = m_day->openWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral("Resultado Abate"));
        QCOMPARE(outerTabs(*w)->currentWidget()->objectName(), QStringLiteral("TabSheet_Compra"));
        QCOMPARE(innerTabs(*w)->currentWidget()->objectName(), QStringLiteral("TabSheet_CustoProdutos"));
        QVERIFY(m_day->day.messages.empty());

        checkSums(*child<GridView>(*w, "GridCompra"), "CDS_Compra");
        checkSums(*child<GridView>(*w, "GridCustoProdutos"), "CDS_AbateProduto");
        checkSums(*child<GridView>(*w, "GridResultadoProjetado"), "CDS_AbateProduto");
        checkSums(*child<GridView>(*w, "GridCondenacoes"), "CDS_CondenacaoMiudos");
        for (const char* name : {"GridCompra", "GridCustoProdutos", "GridResultadoProjetado"}) {
            const grid::GridModel& model = child<GridView>(*w, name)->model();
            QVERIFY(model.tree().levelCount() == 1);
            for (int node = 0; node < model.tree().nodeCount(); ++node)
                QVERIFY(model.isExpanded(node));
            QAbstractItemModelTester tester(const_cast<grid::GridModel*>(&model),
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
        }

        // The strip's totals are the server's sums in their formats; the day's total follows.
        const session::Result rows = m_day->serverRows("CDS_AbateProduto");
        auto* strip = child<results::SummaryStrip>(*w, "SummaryStrip");
        const QLocale locale;
        QCOMPARE(strip->valueLabel(QStringLiteral("TOTAL_RECEITA"))->text(),
                 locale.toString(sumOf(rows, QStringLiteral("PRECO_TOTAL")), 'f', 2));
        QCOMPARE(strip->valueLabel(QStringLiteral("RESULTADO_GERAL"))->text(),
                 locale.toString(sumOf(rows, QStringLiteral("RESULTADO_TOTAL")), 'f', 2));
        QVERIFY(near(storedTotalAproveitamento(), sumOf(rows, QStringLiteral("RESULTADO_TOTAL"))));
        QCOMPARE(strip->valueLabel(QStringLiteral("DESCRICAO"))->text(),
                 scalar(QStringLiteral("select descricao from velko_fin.indice where codigo_indice = 1")));

        // The market column shows the market's abbreviation.
        auto* view = child<GridView>(*w, "GridCustoProdutos");
        const int row = rowOfProduct(products(), "1001");
        QVERIFY(QStringList({QStringLiteral("MI"), QStringLiteral("ME")})
                    .contains(view->model().cellText(row, view->column(QStringLiteral("ID_MERCADO")))));

        // The menu: disabled items are there, disabled.
        for (const char* name : {"Resumo", "Calculadora", "EnviarEmail"})
            QVERIFY(!action(*w, name)->isEnabled());
        QVERIFY(!child<QMenu>(*w, "Grupos")->menuAction()->isEnabled());
    }

    // "Exportar" > "Excel": the purchase, the products and the projected result, in that order,
    // each sheet with a line per grid line, read back by an independent reader.
    void excelExportWritesTheWindowsGridsInOrder()
    {
        auto w = m_day->openWindow();
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("Resultado do Abate.xlsx"));
        QString proposed;
        ui::ScopedSaveDialogHook dialog([&](const data::TSaveDialog& d) {
            proposed = d.fileName();
            return file;
        });
        QVERIFY(m_day->day.messages.empty());
        w->findChild<QAction*>(QStringLiteral("Excel"))->trigger();
        QCOMPARE(proposed, QStringLiteral("Resultado do Abate"));
        QCOMPARE(m_day->day.messages.size(), std::size_t(1));
        QCOMPARE(m_day->day.messages[0].text, QStringLiteral("Arquivo '%1' gerado com sucesso!").arg(file));
        const QJsonArray sheets = test::readWorkbookSheets(file);
        QStringList names;
        for (const QJsonValue& sheet : sheets)
            names << sheet.toObject().value(QStringLiteral("name")).toString();
        QCOMPARE(names, (QStringList{"Matéria-Prima", "Custo-Produtos", "Resultado-Projetado"}));
        // The band and caption rows, then a row per line of the grid, every group expanded.
        const auto* products = w->findChild<GridView*>(QStringLiteral("GridCustoProdutos"));
        QVERIFY(products->model().lineCount() > 0);
        QVERIFY(sheets[1].toObject().value(QStringLiteral("rows")).toArray().size() > products->model().lineCount());
    }

    // Criterion "M" opens the price (light yellow); a row of another criterion locks it, in
    // the locked style, before it takes the focus.
    void priceLockFollowsTheRowBeforeItTakesTheFocus()
    {
        const Variation v(m_day->db(),
                          QStringLiteral("UPDATE velko_cst.produto_mercado SET criterio_receita = 'R' WHERE id_produto = 101"),
                          QStringLiteral("UPDATE velko_cst.produto_mercado SET criterio_receita = NULL WHERE id_produto = 101"));
        auto w = m_day->openWindow();
        auto* view = child<GridView>(*w, "GridCustoProdutos");
        grid::GridColumn* price = view->column(QStringLiteral("PRECO"));
        const int locked = rowOfProduct(products(), "1001");
        QCOMPARE(products().fieldByName(QStringLiteral("CRITERIO_RECEITA")).asString(), QStringLiteral("R"));
        int open = -1;
        for (int r = 0; r < products().recordCount() && open < 0; ++r)
            if (products().value(r, products().fieldByName(QStringLiteral("CRITERIO_RECEITA")).index()) == QStringLiteral("M"))
                open = r;
        QVERIFY(open >= 0);

        QList<bool> readOnlyWhenAnnounced;
        connect(view, &GridView::rowAboutToReceiveFocus, this,
                [&](int) { readOnlyWhenAnnounced << price->isReadOnly(); });
        QVERIFY(view->focusSourceRow(open));
        QVERIFY(!price->isReadOnly());
        QCOMPARE(price->contentStyle().background, QColor(0xFF, 0xFF, 0x80));
        QVERIFY(view->focusSourceRow(locked));
        QVERIFY(price->isReadOnly());
        QCOMPARE(price->contentStyle().background, QColor(0x3A, 0x6E, 0xA5));
        QCOMPARE(readOnlyWhenAnnounced, (QList<bool>{false, true}));
        view->setFocusedColumn(price);
        QVERIFY(!view->startEditing());
        disconnect(view, nullptr, this, nullptr);
    }

    void closedDayOrOperatorLocksEveryPrice_data() { test::closedDayOrOperatorRows(); }

    void closedDayOrOperatorLocksEveryPrice()
    {
        QFETCH(bool, operador);
        const test::LockedDay locked(*m_day, "abate", !operador, operador);
        const QString before = storedPrices();
        {
            auto w = m_day->openWindow();
            auto* view = child<GridView>(*w, "GridCustoProdutos");
            QVERIFY(view->focusSourceRow(rowOfProduct(products(), "1002")));
            view->setFocusedColumn(view->column(QStringLiteral("PRECO")));
            QVERIFY(!view->startEditing());

            const QString refused = m_day->restorationError(*w);
            QVERIFY2(refused.contains(QLatin1String("somente leitura")), qPrintable(refused));
        }
        QCOMPARE(storedPrices(), before);
    }

    void typedPriceIsSaved_data() { test::autoRefreshRows(); }

    // Typed and left with Enter: only PRECO is written; with automatic recalculation the
    // product's result and the day's total follow, without it only the price is saved. The
    // check item sets the switch every window shares.
    void typedPriceIsSaved()
    {
        QFETCH(bool, autoRefresh);
        auto w = m_day->openWindow();
        if (action(*w, "RecalcularAutomaticamente")->isChecked() != autoRefresh)
            action(*w, "RecalcularAutomaticamente")->trigger();
        QCOMPARE(m_day->module().autoRefresh(), autoRefresh);

        auto* view = child<GridView>(*w, "GridCustoProdutos");
        const int row = rowOfProduct(products(), "1002");
        const double totalBefore = storedTotalAproveitamento();
        const double resultBefore = products().fieldByName(QStringLiteral("RESULTADO_TOTAL")).asFloat();
        const QString othersBefore = scalar(QStringLiteral(
            "select md5(string_agg(p::text, '' order by id_abate_preco)) from (select id_abate_preco, preco_original,"
            " id_ordem_producao, sequencial_produto from velko_cst.abate_preco) p"));
        const double typed = products().fieldByName(QStringLiteral("PRECO")).asFloat() + 3.25;

        QVERIFY(view->focusSourceRow(row));
        view->setFocusedColumn(view->column(QStringLiteral("PRECO")));
        typeIntoCell(view, QString::number(typed, 'f', 2));
        QTest::keyClick(view->cellEditor(), Qt::Key_Return);
        QVERIFY(m_day->day.messages.empty());

        QCOMPARE(scalar(QStringLiteral("select p.preco::float8 from velko_cst.abate_preco p join velko_ven.produto v"
                                       " on v.sequencial_produto = p.sequencial_produto where v.codigo_produto = '1002'"))
                     .toDouble(),
                 typed);
        QCOMPARE(scalar(QStringLiteral(
                     "select md5(string_agg(p::text, '' order by id_abate_preco)) from (select id_abate_preco, preco_original,"
                     " id_ordem_producao, sequencial_produto from velko_cst.abate_preco) p")),
                 othersBefore);
        rowOfProduct(products(), "1002");
        const session::Result rows = m_day->serverRows("CDS_AbateProduto");
        if (autoRefresh) {
            QVERIFY(products().fieldByName(QStringLiteral("RESULTADO_TOTAL")).asFloat() != resultBefore);
            QVERIFY(near(storedTotalAproveitamento(), sumOf(rows, QStringLiteral("RESULTADO_TOTAL"))));
            QVERIFY(storedTotalAproveitamento() != totalBefore);
        } else {
            QCOMPARE(products().fieldByName(QStringLiteral("RESULTADO_TOTAL")).asFloat(), resultBefore);
            QCOMPARE(storedTotalAproveitamento(), totalBefore);
        }
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.abate_preco SET preco = preco_original"));
    }

    // A price the database refuses is reported with its message and stays in the grid marked
    // as not saved; a price typed on another row afterwards is saved.
    void refusedPriceIsReportedAndKeptVisible()
    {
        auto w = m_day->openWindow();
        m_day->module().setAutoRefresh(false);
        auto* view = child<GridView>(*w, "GridCustoProdutos");
        const int refused = rowOfProduct(products(), "1001");
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
        QVERIFY(!view->source()->isPendingValue(refused, products().fieldByName(QStringLiteral("PESO")).index()));

        const int other = rowOfProduct(products(), "1002");
        products().setRecNo(other + 1);
        products().edit();
        products().setCurrentValue(price, 7.25);
        QVERIFY_THROWS_EXCEPTION(data::DataError, products().post());
        QCOMPARE(scalar(QStringLiteral("select p.preco::float8 from velko_cst.abate_preco p join velko_ven.produto v"
                                       " on v.sequencial_produto = p.sequencial_produto where v.codigo_produto = '1002'")),
                 QStringLiteral("7.25"));
        QVERIFY(!view->source()->isPendingValue(other, price));
        QVERIFY(view->source()->isPendingValue(refused, price));
        w->Atualizar();
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.abate_preco SET preco = preco_original"));
    }

    // The restore saves once and reads once, and leaves what the walk posting row by row
    // leaves; a user filter is cleared first, so every product is restored.
    void restoreEqualsTheRowByRowWalk()
    {
        const QString changed = QStringLiteral("UPDATE velko_cst.abate_preco SET preco = preco_original + 1.5");
        m_day->db().exec(changed);
        auto w = m_day->openWindow();
        auto* view = child<GridView>(*w, "GridCustoProdutos");
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
        const double walkedTotal = storedTotalAproveitamento();

        m_day->db().exec(changed);
        w->Atualizar();
        QVERIFY(snapshot(p) != walked);
        view->model().setColumnFilter(view->column(QStringLiteral("CODIGO_PRODUTO")), {QStringLiteral("1001")});
        outerTabs(*w)->setCurrentWidget(child(*w, "TabSheet_Compra"));
        const ui::ScopedMessageHook yes([](ui::MessageType, ui::MessageButtons, const QString&) {
            return ui::MessageResult::Yes;
        });
        action(*w, "RestaurarPrecoMedioOriginal")->trigger();
        QVERIFY(!view->model().hasUserFilter());
        QCOMPARE(snapshot(p), walked);
        QCOMPARE(storedPrices(), walkedPrices);
        QCOMPARE(storedTotalAproveitamento(), walkedTotal);
        QCOMPARE(p.changeCount(), 0);
        QCOMPARE(view->focusedLine(), 1); // the first product, under its group row
        QCOMPARE(outerTabs(*w)->currentWidget()->objectName(), QStringLiteral("TabSheet_Aproveitamento"));
    }

    void answeringNoRestoresNothing()
    {
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.abate_preco SET preco = preco_original + 2"));
        const QString before = storedPrices();
        auto w = m_day->openWindow();
        const ui::ScopedMessageHook no([this](ui::MessageType type, ui::MessageButtons buttons, const QString& text) {
            m_day->day.messages.push_back({type, text});
            return buttons == ui::MessageButtons::YesNo ? ui::MessageResult::No : ui::MessageResult::Ok;
        });
        action(*w, "RestaurarPrecoMedioOriginal")->trigger();
        QCOMPARE(m_day->day.messages.size(), std::size_t(1));
        QCOMPARE(m_day->day.messages[0].type, ui::MessageType::Confirmation);
        QCOMPARE(m_day->day.messages[0].text, QStringLiteral("Deseja restaurar os preços médios originalmente calculados?"));
        QCOMPARE(storedPrices(), before);
        QCOMPARE(products().changeCount(), 0);
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.abate_preco SET preco = preco_original"));
    }

    void restorationBandFollowsTheCurrentRow_data()
    {
        QTest::addColumn<QString>("usuario");
        QTest::newRow("never restored") << QString();
        QTest::newRow("restored") << QStringLiteral("GERENTE");
    }

    void restorationBandFollowsTheCurrentRow()
    {
        QFETCH(QString, usuario);
        const Variation v(m_day->db(),
                          QStringLiteral("UPDATE velko_cst.abate_preco SET usuario_restauracao_preco = %1, preco_anterior = 1")
                              .arg(usuario.isEmpty() ? QStringLiteral("NULL") : QLatin1Char('\'') + usuario + QLatin1Char('\'')),
                          QStringLiteral("UPDATE velko_cst.abate_preco SET usuario_restauracao_preco = NULL, preco_anterior = NULL"));
        auto w = m_day->openWindow();
        auto* view = child<GridView>(*w, "GridCustoProdutos");
        QCOMPARE(view->band(QStringLiteral("Restauração Preço Médio"))->isVisible(), !usuario.isEmpty());
        // Its columns take no typing.
        for (const char* field : {"DATA_RESTAURACAO_PRECO", "USUARIO_RESTAURACAO_PRECO", "PRECO_ANTERIOR"}) {
            view->setFocusedColumn(view->column(QString::fromLatin1(field)));
            QVERIFY(!view->canEdit(view->focusedLine(), view->column(QString::fromLatin1(field))));
        }
    }

    void offalCriterionShapesTheProductTab_data()
    {
        QTest::addColumn<QString>("criterio");
        QTest::addColumn<QString>("caption");
        QTest::newRow("A") << "A" << "Aproveitamentos";
        QTest::newRow("P") << "P" << "Produtos";
    }

    void offalCriterionShapesTheProductTab()
    {
        QFETCH(QString, criterio);
        QFETCH(QString, caption);
        const Variation v(m_day->db(), QStringLiteral("UPDATE velko_cst.base_custo SET criterio_miudos = '%1'").arg(criterio),
                          QStringLiteral("UPDATE velko_cst.base_custo SET criterio_miudos = 'A'"));
        auto w = m_day->openWindow();
        const bool credited = criterio == QLatin1String("A");
        QCOMPARE(aproveitamentoCaption(*w), caption);
        auto* strip = child<results::SummaryStrip>(*w, "SummaryStrip");
        QCOMPARE(strip->isColumnBlank(QStringLiteral("TOTAL_MP")), credited);
        QCOMPARE(strip->valueLabel(QStringLiteral("TOTAL_MP"))->isVisibleTo(strip), !credited);
        QCOMPARE(strip->valueLabel(QStringLiteral("TOTAL_MP_KG"))->isVisibleTo(strip), !credited);
        QCOMPARE(child<GridView>(*w, "GridCustoProdutos")->column(QStringLiteral("VALOR_MATERIA_PRIMA_KG"))->isVisible(),
                 !credited);

        // From the purchase tab the details ask for the product tab by its caption.
        action(*w, "DetalhesAproveitamento")->trigger();
        QCOMPARE(m_day->day.messages.size(), std::size_t(1));
        QCOMPARE(m_day->day.messages[0].type, ui::MessageType::Information);
        QCOMPARE(m_day->day.messages[0].text,
                 QStringLiteral("Selecione a aba \"%1\" e marque um item para exibir os detalhes.").arg(caption));
    }

    void detailsOpenForTheCurrentProductOnTheProductTab()
    {
        auto w = m_day->openWindow();
        const QString detail = QStringLiteral("F_AbateAproveitamentoDetalhe");
        outerTabs(*w)->setCurrentWidget(child(*w, "TabSheet_Aproveitamento"));
        QCOMPARE(modalWindowShownBy([&] { action(*w, "DetalhesAproveitamento")->trigger(); }), detail);
        auto* view = child<GridView>(*w, "GridResultadoProjetado");
        QCOMPARE(modalWindowShownBy([&] { Q_EMIT view->cellDoubleClicked(0, view->column(QStringLiteral("PRECO"))); }),
                 detail);
        QVERIFY(m_day->day.messages.empty());
    }

    void condemnationTabFollowsTheParameter_data() { test::condemnationParameterRows(); }

    void condemnationTabFollowsTheParameter()
    {
        QFETCH(int, analise);
        QFETCH(bool, shown);
        const Variation v(m_day->db(), QStringLiteral("UPDATE velko_cst.parametros SET analise_condenacoes = %1").arg(analise),
                          QStringLiteral("UPDATE velko_cst.parametros SET analise_condenacoes = 1"));
        m_day->reload();
        auto w = m_day->openWindow();
        QCOMPARE(innerTabs(*w)->isTabVisible(innerTabs(*w)->indexOf(child(*w, "TabSheet_Condenacoes"))), shown);
    }

    // The main window's openers show F_Abate modally (cattle with the day in the caption) and
    // destroy it when it closes.
    void openersShowTheWindowModallyAndDestroyIt_data()
    {
        QTest::addColumn<bool>("bovinos");
        QTest::addColumn<QString>("caption");
        QTest::newRow("cattle") << true << QStringLiteral("Resultado Abate - ") + QLocale().toString(kDia, QLocale::ShortFormat);
        QTest::newRow("pigs") << false << QStringLiteral("Resultado Abate");
    }

    void openersShowTheWindowModallyAndDestroyIt()
    {
        QFETCH(bool, bovinos);
        QFETCH(QString, caption);
        m_day->menu->setResultWindowOpeners({results::openAbateBovinos, results::openAbateSuinos, {}, {}});
        QString shownCaption;
        QPointer<QWidget> shown;
        QTimer::singleShot(0, this, [&] {
            shown = QApplication::activeModalWidget();
            if (shown) {
                shownCaption = shown->windowTitle();
                shown->close();
            }
        });
        if (bovinos)
            m_day->menu->Label38Click();
        else
            m_day->menu->Label44Click();
        m_day->menu->setResultWindowOpeners({});
        QCOMPARE(shownCaption, caption);
        QVERIFY(shown.isNull());
        QVERIFY(m_day->day.messages.empty());
    }

    // "Atualizar", the large button at the menu bar's right end, reads the products again.
    void refreshButtonReadsTheProductsAgain()
    {
        auto w = m_day->openWindow();
        auto* bar = child<QMenuBar>(*w, "MainMenu");
        auto* button = child<QToolButton>(*w, "Atualizar");
        QCOMPARE(bar->cornerWidget(Qt::TopRightCorner), button);
        QVERIFY(button->isVisible());
        QVERIFY(button->geometry().left() > bar->width() / 2);
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.abate_preco SET preco = preco_original + 2"));
        rowOfProduct(products(), "1002");
        const double stale = products().fieldByName(QStringLiteral("PRECO")).asFloat();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(m_day->day.messages.empty());
        rowOfProduct(products(), "1002");
        QCOMPARE(products().fieldByName(QStringLiteral("PRECO")).asFloat(),
                 scalar(QStringLiteral("select p.preco::float8 from velko_cst.abate_preco p join velko_ven.produto v"
                                       " on v.sequencial_produto = p.sequencial_produto where v.codigo_produto = '1002'"))
                     .toDouble());
        QVERIFY(products().fieldByName(QStringLiteral("PRECO")).asFloat() != stale);
        checkSums(*child<GridView>(*w, "GridCustoProdutos"), "CDS_AbateProduto");
        m_day->db().exec(QStringLiteral("UPDATE velko_cst.abate_preco SET preco = preco_original"));
    }

    void originalPriceColumnWidensTheRevenueBand()
    {
        auto w = m_day->openWindow();
        auto* view = child<GridView>(*w, "GridCustoProdutos");
        QVERIFY(!view->column(QStringLiteral("PRECO_ORIGINAL"))->isVisible());
        QCOMPARE(view->band(QStringLiteral("Receita"))->width(), 245);
        action(*w, "PrecoMedioOriginal")->trigger();
        QVERIFY(view->column(QStringLiteral("PRECO_ORIGINAL"))->isVisible());
        QCOMPARE(view->band(QStringLiteral("Receita"))->width(), 283);
        QCOMPARE(outerTabs(*w)->currentWidget()->objectName(), QStringLiteral("TabSheet_Aproveitamento"));
        action(*w, "PrecoMedioOriginal")->trigger();
        QCOMPARE(view->band(QStringLiteral("Receita"))->width(), 245);
    }
};

QTEST_MAIN(TestSlaughterResult)
#include "tst_slaughter_result.moc"
