// The grid widget under the offscreen platform: fixed and hidden bands, band widths, the
// per-row price lock, Enter as Down, check box clicks, refused posts and the export view with its
// sums.

#include "ProductRows.h"

#include <DisplayFormat.h>
#include <ExportView.h>
#include <GridColumn.h>
#include <GridView.h>
#include <MessageBox.h>

#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

using namespace custos::grid;
using namespace custos::test;

namespace {

const GridStyle lockedStyle = SharedStyles::cxStyle7();
const GridStyle openStyle = GridStyle::colours(QColor(0xFF, 0xFF, 0x80), Qt::black);

// A banded product view: "Produto" fixed left, "Produção", "Receita", "Resultado" fixed right.
struct BandedFixture
{
    MemoryRowSource source;
    GridView view;
    GridBand* produto;
    GridBand* producao;
    GridBand* receita;
    GridBand* resultado;
    QStringList errors;
    custos::ui::ScopedMessageHook answer{[](auto, auto, const QString&) { return custos::ui::MessageResult::Ok; }};

    BandedFixture()
    {
        loadProducts(source);
        produto = view.addBand("Produto");
        produto->setFixed(GridBand::Fixed::Left);
        producao = view.addBand("Produção");
        receita = view.addBand("Receita");
        resultado = view.addBand("Resultado");
        resultado->setFixed(GridBand::Fixed::Right);
        view.addColumn("GRUPO", "Grupo", produto)->setVisible(false);
        view.addColumn("CODIGO", "Código", produto, 60);
        view.addColumn("PRODUTO", "Produto", produto, 120);
        view.addColumn("MERC", "Merc", producao, 200);
        view.addColumn("PESO", "Peso", producao, 300);
        view.addColumn("VALOR", "Preço", receita, 100);
        view.addColumn("CRITERIO", "&", receita, 100)->setReadOnly(true);
        view.addColumn("SEL", "Sel", resultado, 50)->setCheckBox(1, 0);
        view.setFooterVisible(true);
        view.setEnterActsAsDown(true);
        QObject::connect(&view, &GridView::errorShown, &view, [this](const QString& m) { errors << m; });
        // The price lock, as the result windows set it.
        QObject::connect(&view, &GridView::rowAboutToReceiveFocus, &view, [this](int row) {
            const bool open = source.value(row, CRITERIO).toString() == "M";
            GridColumn* price = view.column("VALOR");
            price->setReadOnly(!open);
            price->setContentStyle(open ? openStyle : lockedStyle);
        });
        view.resize(700, 400);
        view.setSource(&source);
        view.show();
    }
    int lineOf(int row) const { return view.model().lineOfSourceRow(row); }
};

} // namespace

class TestGridView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fixedBandsStayWhileScrolling();
    void hidingABandHidesItsColumns();
    void bandWidthIsSharedByItsColumns();
    void priceLockFollowsTheRowBeforeItTakesFocus();
    void enterAsDownPostsTheEditAndMovesOn();
    void checkBoxClickIsPostedAtOnce();
    void refusedPostKeepsTheValueAndShowsTheError();
    void focusFollowsTheSourceBothWays();
    void exportListsTheGroupedViewInDisplayOrder();
    void exportSumsTheValuesAsTheyAreNow();
};

void TestGridView::fixedBandsStayWhileScrolling()
{
    BandedFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QVERIFY(f.view.horizontalScrollBar()->maximum() > 0);
    const QRect left = f.view.bandHeaderRect(f.produto), right = f.view.bandHeaderRect(f.resultado);
    const QRect scrolling = f.view.bandHeaderRect(f.producao);
    const QRect code = f.view.columnHeaderRect(f.view.column("CODIGO"));
    f.view.horizontalScrollBar()->setValue(150);
    QCOMPARE(f.view.bandHeaderRect(f.produto), left);
    QCOMPARE(f.view.bandHeaderRect(f.resultado), right);
    QCOMPARE(f.view.columnHeaderRect(f.view.column("CODIGO")), code);
    QCOMPARE(f.view.bandHeaderRect(f.producao).x(), scrolling.x() - 150);
    // The right band sits at the view's right edge, the left one after the row start.
    QCOMPARE(right.right(), f.view.viewport()->width() - 1);
    QCOMPARE(left.x(), f.view.dataLeft());
    // A click on the fixed column still reaches it while scrolled.
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.view.cellRect(2, f.view.column("CODIGO")).center());
    QCOMPARE(f.view.focusedColumn(), f.view.column("CODIGO"));
    QCOMPARE(f.view.focusedLine(), 2);
}

void TestGridView::hidingABandHidesItsColumns()
{
    BandedFixture f;
    f.producao->setVisible(false);
    QVERIFY(f.view.columnHeaderRect(f.view.column("MERC")).isNull());
    QVERIFY(f.view.columnHeaderRect(f.view.column("PESO")).isNull());
    QVERIFY(f.view.bandHeaderRect(f.producao).isNull());
    const ExportView exported = f.view.exportView();
    for (const ExportColumn& c : exported.columns)
        QVERIFY(c.fieldName != "MERC" && c.fieldName != "PESO");
    f.producao->setVisible(true);
    QVERIFY(!f.view.columnHeaderRect(f.view.column("PESO")).isNull());
}

void TestGridView::bandWidthIsSharedByItsColumns()
{
    BandedFixture f;
    f.receita->setWidth(283);
    QCOMPARE(f.view.bandHeaderRect(f.receita).width(), 283);
    const int price = f.view.columnHeaderRect(f.view.column("VALOR")).width();
    const int criterion = f.view.columnHeaderRect(f.view.column("CRITERIO")).width();
    QCOMPARE(price + criterion, 283);
    QVERIFY(qAbs(price - criterion) <= 1); // both were 100 wide
    f.view.column("CRITERIO")->setVisible(false);
    QCOMPARE(f.view.bandHeaderRect(f.receita).width(), 283);
    QCOMPARE(f.view.columnHeaderRect(f.view.column("VALOR")).width(), 283);
}

void TestGridView::priceLockFollowsTheRowBeforeItTakesFocus()
{
    BandedFixture f;
    GridColumn* price = f.view.column("VALOR");
    // Row 0 has criterion "M", row 1 "R".
    QVERIFY(f.view.focusSourceRow(0));
    f.view.setFocusedColumn(price);
    QVERIFY(!price->isReadOnly());
    QCOMPARE(price->contentStyle(), openStyle);
    bool lockedWhenFocused = false;
    const auto c = connect(&f.view, &GridView::focusedRowChanged, &f.view, [&](int) { lockedWhenFocused = price->isReadOnly(); });
    QTest::keyClick(&f.view, Qt::Key_Down);
    disconnect(c);
    QCOMPARE(f.view.focusedSourceRow(), 1);
    QVERIFY(lockedWhenFocused);
    QCOMPARE(price->contentStyle(), lockedStyle);
    QVERIFY(!f.view.startEditing());
    QTest::keyClicks(&f.view, "9");
    QVERIFY(!f.view.isEditing());
    QCOMPARE(f.source.value(1, VALOR).toDouble(), productRows()[1].value);
}

void TestGridView::enterAsDownPostsTheEditAndMovesOn()
{
    BandedFixture f;
    f.view.setFocus();
    QVERIFY(f.view.focusSourceRow(0));
    f.view.setFocusedColumn(f.view.column("VALOR"));
    QTest::keyClick(&f.view, Qt::Key_F2);
    QVERIFY(f.view.isEditing());
    auto* editor = qobject_cast<QLineEdit*>(f.view.cellEditor());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "123");
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!f.view.isEditing());
    QCOMPARE(f.view.focusedSourceRow(), 1);
    QVERIFY(!f.source.isEditing()); // posted on leaving the row
    QCOMPARE(f.source.value(0, VALOR).toDouble(), 123.0);
    // Browsing, Enter moves down too.
    QTest::keyClick(&f.view, Qt::Key_Return);
    QCOMPARE(f.view.focusedSourceRow(), 2);
}

void TestGridView::checkBoxClickIsPostedAtOnce()
{
    BandedFixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    int posts = 0;
    f.source.setPostCheck([&](int) { ++posts; return QString(); });
    QList<int> toggled;
    connect(&f.view, &GridView::checkBoxToggled, &f.view, [&](int row, GridColumn*) {
        toggled << row;
        QVERIFY(!f.source.isEditing()); // already posted when the window hears of it
    });
    const QPoint box = f.view.cellRect(f.lineOf(3), f.view.column("SEL")).center();
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, box);
    QCOMPARE(f.source.value(3, SEL).toInt(), 1);
    QCOMPARE(posts, 1);
    QCOMPARE(toggled, QList<int>{3});
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, box);
    QCOMPARE(f.source.value(3, SEL).toInt(), 0);
    QCOMPARE(posts, 2);
}

void TestGridView::refusedPostKeepsTheValueAndShowsTheError()
{
    BandedFixture f;
    const QString refusal = "ORA-20001: preço fora da faixa permitida";
    f.source.setPostCheck([&](int row) { return f.source.value(row, VALOR).toDouble() > 1000 ? refusal : QString(); });
    f.view.setFocus();
    QVERIFY(f.view.focusSourceRow(0));
    f.view.setFocusedColumn(f.view.column("VALOR"));
    QVERIFY(f.view.startEditing("5000"));
    QTest::keyClick(f.view.cellEditor(), Qt::Key_Return);
    // The row could not be left: the value stays in the row, still in edit, and the error was shown.
    QCOMPARE(f.errors, QStringList{refusal});
    QCOMPARE(f.view.focusedSourceRow(), 0);
    QVERIFY(f.source.isEditing());
    QCOMPARE(f.source.value(0, VALOR).toDouble(), 5000.0);

    // Posting at once refuses in the editor, which keeps the typed text.
    f.source.cancel();
    f.view.setPostImmediately(true);
    QVERIFY(f.view.startEditing("7000"));
    QVERIFY(!f.view.commitEditing());
    QVERIFY(f.view.isEditing());
    QCOMPARE(qobject_cast<QLineEdit*>(f.view.cellEditor())->text(), QString("7000"));
    QCOMPARE(f.errors.size(), 2);
    f.view.cancelEditing();
    f.source.cancel();
    QCOMPARE(f.source.value(0, VALOR).toDouble(), productRows()[0].value);
}

void TestGridView::focusFollowsTheSourceBothWays()
{
    BandedFixture f;
    f.view.model().setSorting({{"CODIGO", Qt::DescendingOrder}});
    f.source.setCurrentRow(5);
    QCOMPARE(f.view.focusedSourceRow(), 5);
    QVERIFY(f.view.focusFirstRow());
    // Highest code first: row 6 (4005).
    QCOMPARE(f.source.currentRow(), 6);
    QTest::keyClick(&f.view, Qt::Key_Down);
    QCOMPARE(f.source.currentRow(), 3);
}

void TestGridView::exportListsTheGroupedViewInDisplayOrder()
{
    BandedFixture f;
    f.view.model().addFooterSummary({f.view.column("VALOR"), {}, "#,0.00", Qt::AlignRight, {}});
    f.view.model().addGroupSummary({f.view.column("PESO"), {}, "#,0.000", Qt::AlignRight, {}});
    f.view.model().setGroupFooterMode(GridModel::FooterMode::Always);
    f.view.model().setSorting({{"CODIGO", Qt::AscendingOrder}});
    f.view.model().setGrouping({{f.view.column("GRUPO"), Qt::AscendingOrder}});
    // A collapsed group is still exported expanded.
    f.view.model().setExpanded(0, false);
    const ExportView e = f.view.exportView();

    QStringList captions, bands;
    for (const ExportColumn& c : e.columns)
        captions << c.caption;
    for (const ExportBand& b : e.bands)
        bands << QString("%1:%2+%3").arg(b.caption).arg(b.firstColumn).arg(b.columnCount);
    QCOMPARE(captions, (QStringList{"Código", "Produto", "Merc", "Peso", "Preço", "&", "Sel"}));
    QCOMPARE(bands, (QStringList{"Produto:0+2", "Produção:2+2", "Receita:4+2", "Resultado:6+1"}));
    QCOMPARE(e.columns[1].width, 120);

    const QLocale locale;
    QStringList lines;
    for (const ExportLine& l : e.lines) {
        switch (l.kind) {
        case ExportLine::GroupRow: lines << "G " + l.groupText; break;
        case ExportLine::Row: lines << "R " + l.cells[0].text + " " + l.cells[3].text; break;
        case ExportLine::GroupFooter: lines << "S " + l.cells[3].text; break;
        case ExportLine::Footer: lines << "F " + l.cells[4].text; break;
        }
    }
    auto w = [&](double v) { return custos::data::formatNumber(v, "#,0.000", locale); };
    const QStringList expected = {
        "G Grupo : CORTES", "R 1012 " + w(10.5), "R 1015 " + w(12.125), "R 1018 " + w(8.0), "R 1021 " + w(9.75),
        "S " + w(10.5 + 12.125 + 8.0 + 9.75),
        "G Grupo : MIÚDOS", "R 3001 " + w(4.25), "R 3004 " + w(2.0), "S " + w(6.25),
        "G Grupo : OSSOS", "R 4002 " + w(20.0), "R 4005 " + w(30.5), "S " + w(50.5),
        "F " + custos::data::formatNumber(600.25 + 40.10 + 320.00 + 80.00 + 450.50 + 22.40 + 70.15 + 300.00, "#,0.00", locale),
    };
    QCOMPARE(lines, expected);
    // Sums carry their number and pattern for the workbook.
    QCOMPARE(e.lines[5].cells[3].value.toDouble(), 40.375);
    QCOMPARE(e.lines[5].cells[3].format, QString("#,0.000"));
}

// The sums exported are those of the values now, though the view has not painted since a sum was
// added or a value was posted.
void TestGridView::exportSumsTheValuesAsTheyAreNow()
{
    BandedFixture f;
    const QLocale locale;
    auto footer = [&f] {
        const ExportView e = f.view.exportView();
        return e.lines.back().cells[4].text;
    };
    double total = 0;
    for (const ProductRow& p : productRows())
        total += p.value;
    f.view.model().addFooterSummary({f.view.column("VALOR"), {}, "#,0.00", Qt::AlignRight, {}});
    QCOMPARE(footer(), custos::data::formatNumber(total, "#,0.00", locale));

    f.source.setCurrentRow(1);
    f.source.setFieldValue(VALOR, 100.0);
    f.source.post();
    QCOMPARE(footer(), custos::data::formatNumber(total - 40.10 + 100.0, "#,0.00", locale));
}

QTEST_MAIN(TestGridView)
#include "tst_grid_view.moc"
