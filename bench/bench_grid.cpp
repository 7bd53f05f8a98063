// bench_grid: the data grid over 100,000 rows of 60 columns: regrouping by two levels with
// footer and group-footer sums, re-sorting, one full repaint of a 1600x900 view (offscreen,
// into an image), and the bytes of the grid's own structures per row. Prints each figure with
// its target and the ratio to it.

#include "SampleProducts.h"

#include <GridColumn.h>
#include <GridView.h>
#include <MemoryRowSource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace custos::grid;

namespace {

constexpr int rows = 100000;
constexpr int numericFields = 55;

double medianMs(int runs, const std::function<void()>& f)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char* what, double value, double target, const char* unit)
{
    std::printf("%-46s %10.2f %-5s target < %6.0f %-5s ratio %.2f\n", what, value, unit, target, unit, value / target);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    MemoryRowSource source;
    custos::bench::SampleProducts sample;
    sample.addLeadingFields(source);
    source.addField("ID_MERCADO", FieldKind::Integer);
    for (int i = 0; i < numericFields; ++i)
        source.addField(QString("VALOR_%1").arg(i), FieldKind::Number, i % 3 == 0 ? "#,0.000" : "#,0.00");
    source.load(rows, [&](int r, int f) -> QVariant {
        if (f < sample.leadingFields)
            return sample.leading(r, f);
        if (f == sample.leadingFields)
            return 1 + int(sample.random() % 3);
        return double(sample.random() % 1000000) / 100.0;
    });

    GridView view;
    QList<GridBand*> bands;
    for (int b = 0; b < 6; ++b)
        bands << view.addBand(QString("Banda %1").arg(b));
    bands.first()->setFixed(GridBand::Fixed::Left);
    bands.last()->setFixed(GridBand::Fixed::Right);
    for (int f = 0; f < source.fieldCount(); ++f) {
        GridColumn* c = view.addColumn(source.fieldName(f), source.fieldName(f), bands[f / 10], 80);
        if (f >= 5 && f % 2 == 1) {
            const GridSummary s{c, {}, f % 3 == 0 ? "#,0.000" : "#,0.00", Qt::AlignRight | Qt::AlignVCenter, {}};
            view.model().addFooterSummary(s);
            view.model().addGroupSummary(s);
        }
    }
    view.column("LINHA_PRODUCAO")->setVisible(false);
    view.column("DESCRICAO_GRUPO")->setVisible(false);
    view.setFooterVisible(true);
    view.setGroupByBox(true);
    view.model().setGroupFooterMode(GridModel::FooterMode::Always);
    view.resize(1600, 900);
    view.setSource(&source);
    view.show();
    QApplication::processEvents();

    std::printf("bench_grid: %d rows x %d columns, %d summed columns (footer and group footers)\n", rows,
                source.fieldCount(), int(view.model().tree().summedFieldCount()));

    // Each run regroups by two levels, alternating their order, with every sum recomputed.
    const QList<GridModel::GroupSpec> lineThenGroup = {{view.column("LINHA_PRODUCAO"), Qt::AscendingOrder},
                                                       {view.column("DESCRICAO_GRUPO"), Qt::AscendingOrder}};
    const QList<GridModel::GroupSpec> groupThenLine = {lineThenGroup[1], lineThenGroup[0]};
    view.model().setSorting({{"ID_MERCADO"}, {"CODIGO_PRODUTO"}});
    bool swap = false;
    const double regroup = medianMs(5, [&] {
        swap = !swap;
        view.model().setGrouping(swap ? groupThenLine : lineThenGroup);
    });

    bool flip = false;
    const double resort = medianMs(5, [&] {
        flip = !flip;
        view.model().setSorting(flip ? QList<GridModel::SortField>{{"VALOR_7", Qt::DescendingOrder}, {"CODIGO_PRODUTO"}}
                                     : QList<GridModel::SortField>{{"ID_MERCADO"}, {"CODIGO_PRODUTO"}});
    });

    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const double repaint = medianMs(21, [&] {
        image.fill(Qt::white);
        view.viewport()->render(&image);
    });

    const double perRow = double(view.model().memoryUsage()) / rows;
    std::printf("groups: %d, display lines: %d\n", view.model().tree().nodeCount(), view.model().lineCount());
    report("regroup by two levels (with every sum)", regroup, 300, "ms");
    report("re-sort (grouped, two keys)", resort, 200, "ms");
    report("full repaint 1600x900", repaint, 16, "ms");
    report("grid's own structures per row", perRow, 50, "bytes");
    return 0;
}
