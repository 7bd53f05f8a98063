#include "ResultBlock.h"

#include "DBLabel.h"
#include "RecordPanel.h"
#include "SourceBindings.h"
#include "SummaryCells.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace custos::dayproc {

namespace {

constexpr int nameWidth = 190;
constexpr int columnWidth = 118;
constexpr int headerHeight = 22;
constexpr int lineHeight = 20;
constexpr int unitWidth = 30;
constexpr int gap = 1;
constexpr int scrollBarWidth = 16;

const QString perKg = QStringLiteral("/ Kg");
const QString kg = QStringLiteral("Kg");

int columnLeft(int column)
{
    return nameWidth + column * columnWidth;
}

// The unit after a value: "Kg" after the weight, "/ Kg" after the per-kilogram values.
QString unitOf(const ResultColumn& column, bool perKgLine)
{
    if (column.rowPerKg.isEmpty())
        return perKgLine ? QString() : kg;
    return perKgLine ? perKg : QString();
}

void addRowItems(ui::RecordPanel* panel, const ResultBlockSpec& spec)
{
    ui::RecordPanel::Item name = boundItem(spec.nameField, QRect(gap, gap, nameWidth - 2 * gap, resultRowHeight - 2 * gap));
    name.name = spec.nameItem;
    name.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    name.bold = true;
    name.clickable = spec.nameClickable;
    name.color = spec.nameClickable ? QColor(Qt::blue) : colours::navy;
    panel->addItem(name);
    for (int c = 0; c < int(spec.columns.size()); ++c) {
        const ResultColumn& column = spec.columns[std::size_t(c)];
        const int left = columnLeft(c) + gap;
        const int valueWidth = columnWidth - 2 * gap - unitWidth;
        panel->addItem(fixedItem(column.rowValue + QStringLiteral("_FUNDO"), QString(),
                                 QRect(left, 4, columnWidth - 2 * gap, 2 * lineHeight)));
        panel->addItem(boundItem(column.rowValue, QRect(left, 4, valueWidth, lineHeight)));
        if (column.rowPerKg.isEmpty()) {
            panel->addItem(fixedItem(column.rowValue + QStringLiteral("_UNIDADE"), kg,
                                     QRect(left + valueWidth, 4, unitWidth, lineHeight)));
        } else {
            panel->addItem(boundItem(column.rowPerKg, QRect(left, 4 + lineHeight, valueWidth, lineHeight)));
            panel->addItem(fixedItem(column.rowPerKg + QStringLiteral("_UNIDADE"), perKg,
                                     QRect(left + valueWidth, 4 + lineHeight, unitWidth, lineHeight)));
        }
    }
}

// One line of the totals strip: the amount (or the per-kilogram value) of each column.
void addTotalsLine(QWidget* strip, SourceBindings& bindings, const ResultBlockSpec& spec, int top, bool perKgLine)
{
    for (int c = 0; c < int(spec.columns.size()); ++c) {
        const ResultColumn& column = spec.columns[std::size_t(c)];
        const QString field = perKgLine ? column.sumPerKg : column.sumValue;
        const int left = columnLeft(c) + gap;
        const int valueWidth = columnWidth - 2 * gap - unitWidth;
        if (field.isEmpty()) {
            QLabel* blank = unitCell(strip, QString(), column.colour);
            blank->setGeometry(left, top, columnWidth - 2 * gap, lineHeight);
            continue;
        }
        ui::DBLabel* value = valueCell(strip, bindings, spec.source, field, column.colour, true);
        value->setGeometry(left, top, valueWidth, lineHeight);
        QLabel* unit = unitCell(strip, unitOf(column, perKgLine), column.colour);
        unit->setGeometry(left + valueWidth, top, unitWidth, lineHeight);
    }
}

} // namespace

ResultBlock buildResultBlock(QWidget* parent, SourceBindings& bindings, const ResultBlockSpec& spec)
{
    const int width = columnLeft(int(spec.columns.size())) + scrollBarWidth;
    ResultBlock block;
    block.widget = new QWidget(parent);
    block.widget->setFixedWidth(width);
    auto* layout = new QVBoxLayout(block.widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(gap);

    auto* headers = new QWidget(block.widget);
    headers->setFixedHeight(headerHeight);
    for (int c = 0; c < int(spec.columns.size()); ++c) {
        const ResultColumn& column = spec.columns[std::size_t(c)];
        QLabel* header = headerCell(headers, column.header, column.colour);
        header->setGeometry(columnLeft(c) + gap, 0, columnWidth - 2 * gap, headerHeight);
    }
    layout->addWidget(headers);

    if (!spec.panelName.isEmpty()) {
        block.rowsArea = new QWidget(block.widget);
        block.rowsArea->setObjectName(spec.rowsAreaName);
        block.rows = new ui::RecordPanel(ui::RecordPanel::Orientation::Vertical, block.rowsArea);
        block.rows->setObjectName(spec.panelName);
        block.rows->setCellExtent(resultRowHeight);
        addRowItems(block.rows, spec);
        bindings.add(block.rows, spec.source);
        setRows(block, spec.rows);
        if (spec.stretchRows)
            layout->addWidget(block.rowsArea, 1);
        else {
            block.rowsArea->setFixedHeight(spec.rows * resultRowHeight);
            layout->addWidget(block.rowsArea);
        }
    }

    block.totals = new QWidget(block.widget);
    const int totalsHeight = 2 * lineHeight + gap;
    block.totals->setFixedHeight(totalsHeight);
    if (!spec.totalsCaption.isEmpty()) {
        QLabel* caption = captionCell(block.totals, spec.totalsCaption, colours::cell);
        caption->setGeometry(gap, 0, nameWidth - 2 * gap, totalsHeight);
    }
    addTotalsLine(block.totals, bindings, spec, 0, false);
    addTotalsLine(block.totals, bindings, spec, lineHeight + gap, true);
    layout->addWidget(block.totals);
    if (!spec.stretchRows)
        block.widget->setFixedHeight(layout->sizeHint().height());
    return block;
}

void setRows(const ResultBlock& block, int rows)
{
    block.rows->setPageCount(rows);
    block.rows->setGeometry(0, 0, block.widget->width(), std::max(1, rows) * resultRowHeight);
}

std::vector<ResultColumn> productColumns(const QString& weightHeader, const QColor& sectionColour,
                                         const ProductFieldNames& names)
{
    auto pair = [&](const char* header, const QColor& colour, const char* stem) {
        const QString s = QString::fromLatin1(stem);
        return ResultColumn{QString::fromUtf8(header), colour,
                            names.rowPrefix + s, names.rowPrefix + s + QStringLiteral("_KG"),
                            names.sumPrefix + s, names.sumPrefix + s + QStringLiteral("_KG")};
    };
    return {
        ResultColumn{weightHeader, colours::accumulatedHeader, names.rowPrefix + QStringLiteral("PESO"), QString(),
                     names.sumPrefix + QStringLiteral("PESO"), QString()},
        pair("Receita", sectionColour, "RECEITA"),
        pair("Custo", sectionColour, "CUSTO"),
        pair("Impostos", colours::taxExpense, "IMPOSTOS"),
        pair("Despesas", colours::taxExpense, "DESPESAS"),
        ResultColumn{QStringLiteral("RESULTADO"), sectionColour, names.rowResult,
                     names.rowResult + QStringLiteral("_KG"), names.sumResult,
                     names.sumResult + QStringLiteral("_KG")},
    };
}

} // namespace custos::dayproc
