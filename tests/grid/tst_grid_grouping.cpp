// Grouping, sums, display-order walk, user filter and header sorting of the grid, checked
// against figures computed here from the rows themselves.

#include "ProductRows.h"

#include <DisplayFormat.h>
#include <GridColumn.h>
#include <GridView.h>
#include <GroupByBox.h>

#include <QAbstractItemModelTester>
#include <QtTest>
#include <map>

using namespace custos::grid;
using namespace custos::test;

namespace {

struct Fixture
{
    MemoryRowSource source;
    GridView view;
    Fixture()
    {
        custos::test::loadProducts(source);
        view.setGroupByBox(true);
        view.setFooterVisible(true);
        view.addColumn("GRUPO", "Grupo");
        view.addColumn("MERC", "Merc");
        view.addColumn("CODIGO", "Código");
        view.addColumn("PRODUTO", "Produto");
        view.addColumn("PESO", "Peso");
        view.addColumn("VALOR", "Valor");
        view.model().addFooterSummary({view.column("VALOR"), {}, "#,0.00", Qt::AlignRight, {}});
        view.model().addFooterSummary({view.column("PESO"), {}, "#,0.000", Qt::AlignRight, {}});
        view.model().addGroupSummary({view.column("VALOR"), {}, "#,0.00", Qt::AlignRight, {}});
        // The weight is summed only in the market level's footers.
        view.model().addGroupSummary({view.column("PESO"), {}, "#,0.000", Qt::AlignRight, {"MERC"}});
        view.model().setGroupFooterMode(GridModel::FooterMode::Always);
        view.resize(900, 500);
        view.setSource(&source);
    }
    void groupBy(const QStringList& fields)
    {
        QList<GridModel::GroupSpec> grouping;
        for (const QString& f : fields)
            grouping.append({view.column(f), Qt::AscendingOrder});
        view.model().setGrouping(grouping);
    }
    QStringList groupFields() const
    {
        QStringList out;
        for (const auto& g : view.model().grouping())
            out << g.column->fieldName();
        return out;
    }
};

QString keyOf(const custos::test::ProductRow& p, const QString& field)
{
    return field == "GRUPO" ? p.group : QString::number(p.market);
}

QString money(double v)
{
    return custos::data::formatNumber(v, "#,0.00", QLocale());
}

} // namespace

class TestGridGrouping : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void modelPassesTheTester_data();
    void modelPassesTheTester();
    void groupRowsAndSums_data();
    void groupRowsAndSums();
    void collapsedGroupIsSkippedByTheWalk();
    void removingTheUserFilterRestoresEveryRow();
    void headerSortLeavesTheSourceOrder();
    void viewWithoutTheBoxCannotBeRegrouped();
};

void TestGridGrouping::modelPassesTheTester_data()
{
    QTest::addColumn<QStringList>("grouping");
    QTest::addColumn<bool>("filtered");
    QTest::newRow("flat") << QStringList() << false;
    QTest::newRow("one level") << QStringList{"GRUPO"} << false;
    QTest::newRow("two levels, filtered") << QStringList{"GRUPO", "MERC"} << true;
}

void TestGridGrouping::modelPassesTheTester()
{
    QFETCH(QStringList, grouping);
    QFETCH(bool, filtered);
    Fixture f;
    QAbstractItemModelTester tester(&f.view.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    f.groupBy(grouping);
    if (filtered)
        f.view.model().setColumnFilter(f.view.column("MERC"), {"1"});
    f.view.model().setSorting({{"CODIGO", Qt::DescendingOrder}});
    f.source.setCurrentRow(2);
    f.source.setFieldValue(VALOR, 1.0);
    f.source.post();
    f.view.model().clearUserFilter();
}

void TestGridGrouping::groupRowsAndSums_data()
{
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<QString>("action"); // "", "drop MERC on the box", "drag GRUPO back"
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one level") << QStringList{"GRUPO"} << QString() << QStringList{"GRUPO"};
    QTest::newRow("two levels") << QStringList{"GRUPO", "MERC"} << QString() << QStringList{"GRUPO", "MERC"};
    QTest::newRow("regroup by the box") << QStringList{"GRUPO"} << "box" << QStringList{"MERC", "GRUPO"};
    QTest::newRow("ungroup") << QStringList{"GRUPO", "MERC"} << "ungroup" << QStringList{"MERC"};
}

void TestGridGrouping::groupRowsAndSums()
{
    QFETCH(QStringList, start);
    QFETCH(QString, action);
    QFETCH(QStringList, expected);
    Fixture f;
    f.view.column("GRUPO")->setVisible(false);
    f.groupBy(start);
    if (action == "box") {
        // Dropped at the far left of the box: the new first level.
        f.view.groupByBox()->dropColumn(f.view.column("MERC"), QPoint(1, 5));
    } else if (action == "ungroup") {
        const QRect header = f.view.columnHeaderRect(f.view.column("PRODUTO"));
        f.view.dropColumnOnHeader(f.view.column("GRUPO"), header.center());
        QVERIFY(f.view.column("GRUPO")->isVisible());
    }
    QCOMPARE(f.groupFields(), expected);

    // Independent figures: per group path, its rows' value sum, weight sum and row count.
    struct Sums { double value = 0, weight = 0; int rows = 0; };
    std::map<QStringList, Sums> expectedSums;
    double total = 0;
    for (const auto& p : productRows()) {
        QStringList path;
        for (const QString& field : expected) {
            path << keyOf(p, field);
            Sums& s = expectedSums[path];
            s.value += p.value;
            s.weight += p.weight;
            ++s.rows;
        }
        total += p.value;
    }

    const GridModel& model = f.view.model();
    const GroupTree& tree = model.tree();
    QStringList previousPath;
    std::map<QStringList, int> seenRows;
    QStringList path;
    int groupRows = 0;
    for (int i = 0; i < model.lineCount(); ++i) {
        const int node = model.lineNode(i);
        switch (model.lineKind(i)) {
        case LineRef::GroupRow: {
            const int level = model.lineLevel(i);
            GridColumn* column = model.levelColumn(level);
            const QString key = model.cellText(tree.sourceRow(tree.node(node).begin), column);
            path = path.mid(0, level);
            path << key;
            QVERIFY2(expectedSums.count(path), qPrintable(path.join('/')));
            QCOMPARE(model.groupText(node), column->headerText() + " : " + key);
            if (level == int(expected.size()) - 1) {
                // Groups of a level come in ascending order of their key.
                if (!previousPath.isEmpty() && previousPath.mid(0, level) == path.mid(0, level))
                    QVERIFY(QString::localeAwareCompare(previousPath.last(), key) < 0);
                previousPath = path;
            }
            ++groupRows;
            break;
        }
        case LineRef::Row: {
            const int row = model.lineSourceRow(i);
            QStringList rowPath;
            for (const QString& field : expected)
                rowPath << keyOf(productRows()[std::size_t(row)], field);
            QCOMPARE(rowPath, path);
            ++seenRows[path];
            break;
        }
        case LineRef::GroupFooter: {
            const int level = tree.node(node).level;
            const QStringList footerPath = path.mid(0, level + 1);
            const Sums& s = expectedSums.at(footerPath);
            QCOMPARE(model.groupFooterText(node, f.view.column("VALOR")), money(s.value));
            const bool marketLevel = expected[level] == "MERC";
            QCOMPARE(model.groupFooterText(node, f.view.column("PESO")),
                     marketLevel ? custos::data::formatNumber(s.weight, "#,0.000", QLocale()) : QString());
            QCOMPARE(tree.node(node).end - tree.node(node).begin, s.rows);
            break;
        }
        }
    }
    QCOMPARE(groupRows, int(expectedSums.size()));
    for (const auto& [p, s] : expectedSums)
        if (p.size() == expected.size())
            QCOMPARE(seenRows[p], s.rows);
    QCOMPARE(model.footerText(f.view.column("VALOR")), money(total));
}

void TestGridGrouping::collapsedGroupIsSkippedByTheWalk()
{
    Fixture f;
    f.groupBy({"GRUPO"});
    int cortes = -1;
    for (int i = 0; i < f.view.model().lineCount(); ++i)
        if (f.view.model().lineKind(i) == LineRef::GroupRow && f.view.model().groupText(f.view.model().lineNode(i)).endsWith("CORTES"))
            cortes = f.view.model().lineNode(i);
    QVERIFY(cortes >= 0);
    f.view.model().setExpanded(cortes, false);

    QList<int> walked;
    f.view.model().forEachShownRow([&](int row) { walked << row; });
    QList<int> expected;
    // Shown groups in order: MIÚDOS, OSSOS; rows in source order within them (no sorting set).
    for (const QString& g : {QString("MIÚDOS"), QString("OSSOS")})
        for (int r = 0; r < int(productRows().size()); ++r)
            if (productRows()[std::size_t(r)].group == g)
                expected << r;
    QCOMPARE(walked, expected);

    // The sums still count the collapsed group's rows; expanding shows them again.
    double total = 0;
    for (const auto& p : productRows())
        total += p.value;
    QCOMPARE(f.view.model().footerText(f.view.column("VALOR")), money(total));
    f.view.expandAll();
    walked.clear();
    f.view.model().forEachShownRow([&](int row) { walked << row; });
    QCOMPARE(walked.size(), int(productRows().size()));
}

void TestGridGrouping::removingTheUserFilterRestoresEveryRow()
{
    Fixture f;
    f.groupBy({"GRUPO"});
    f.view.model().setColumnFilter(f.view.column("MERC"), {"2"});
    f.view.model().setColumnFilter(f.view.column("GRUPO"), {"CORTES", "OSSOS"});
    QList<int> walked;
    f.view.model().forEachShownRow([&](int row) { walked << row; });
    QList<int> expected;
    for (int r = 0; r < int(productRows().size()); ++r) {
        const auto& p = productRows()[std::size_t(r)];
        if (p.market == 2 && p.group != "MIÚDOS")
            expected << r;
    }
    std::sort(walked.begin(), walked.end());
    QCOMPARE(walked, expected);
    QVERIFY(f.view.filterStripRect().height() > 0);
    // The filter never touched the source.
    QCOMPARE(f.source.rowCount(), int(productRows().size()));

    // The strip's clear button removes it.
    const QPoint clear = f.view.filterClearRect().center();
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, clear);
    QVERIFY(!f.view.model().hasUserFilter());
    walked.clear();
    f.view.model().forEachShownRow([&](int row) { walked << row; });
    QCOMPARE(walked.size(), int(productRows().size()));
}

void TestGridGrouping::headerSortLeavesTheSourceOrder()
{
    Fixture f;
    f.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    const QPoint header = f.view.columnHeaderRect(f.view.column("CODIGO")).center() - QPoint(10, 0);
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, header);
    QCOMPARE(f.view.model().sortOrder(f.view.column("CODIGO")), Qt::AscendingOrder);
    QList<int> codes;
    f.view.model().forEachShownRow([&](int row) { codes << f.source.value(row, CODIGO).toInt(); });
    QVERIFY(std::is_sorted(codes.begin(), codes.end()));
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, header);
    QCOMPARE(f.view.model().sortOrder(f.view.column("CODIGO")), Qt::DescendingOrder);
    codes.clear();
    f.view.model().forEachShownRow([&](int row) { codes << f.source.value(row, CODIGO).toInt(); });
    QVERIFY(std::is_sorted(codes.rbegin(), codes.rend()));
    // The source keeps its own order.
    for (int r = 0; r < f.source.rowCount(); ++r)
        QCOMPARE(f.source.value(r, CODIGO).toInt(), productRows()[std::size_t(r)].code);
}

void TestGridGrouping::viewWithoutTheBoxCannotBeRegrouped()
{
    Fixture f;
    f.view.setGroupByBox(false);
    f.groupBy({"GRUPO"});
    const QRect header = f.view.columnHeaderRect(f.view.column("PRODUTO"));
    f.view.dropColumnOnHeader(f.view.column("GRUPO"), header.center());
    QCOMPARE(f.groupFields(), QStringList{"GRUPO"});
    QVERIFY(!f.view.groupByBox()->isVisible());
}

QTEST_MAIN(TestGridGrouping)
#include "tst_grid_grouping.moc"
