#include "SlaughterColumns.h"

#include "DBLabel.h"
#include "RecordPanel.h"
#include "SummaryCells.h"

#include <QLabel>

namespace custos::dayproc {

namespace {

constexpr int gap = 1;
constexpr int unitWidth = 30;
const char* const lineProperty = "slaughterLine";

QRect lineRect(int line, int left, int width)
{
    return QRect(left, line * slaughterLineHeight + gap, width, slaughterLineHeight - gap);
}

void markLine(QWidget* cell, const QString& lineName)
{
    cell->setProperty(lineProperty, lineName);
}

QColor backgroundOf(const SlaughterLine& line, SlaughterColumn column)
{
    return column == SlaughterColumn::Day ? line.background : line.accumulatedBackground;
}

} // namespace

QWidget* buildCaptionColumn(QWidget* parent, const SlaughterLines& lines, int width)
{
    auto* column = new QWidget(parent);
    for (int i = 0; i < int(lines.lines.size()); ++i) {
        const SlaughterLine& line = lines.lines[std::size_t(i)];
        QLabel* caption = captionCell(column, line.caption, line.background);
        caption->setGeometry(lineRect(i + 1, 0, width - gap));
        markLine(caption, line.name);
    }
    column->setFixedSize(width, int(lines.lines.size() + 1) * slaughterLineHeight);
    return column;
}

void addSpeciesItems(ui::RecordPanel* panel, const SlaughterLines& lines, SlaughterColumn column)
{
    const QColor header = column == SlaughterColumn::Day ? lines.dayHeader : lines.accumulatedHeader;
    ui::RecordPanel::Item species = boundItem(QStringLiteral("GENERO"), lineRect(0, gap, 0), header);
    species.fillWidth = true;
    species.alignment = Qt::AlignCenter;
    species.bold = true;
    panel->addItem(species);
    for (int i = 0; i < int(lines.lines.size()); ++i) {
        const SlaughterLine& line = lines.lines[std::size_t(i)];
        ui::RecordPanel::Item item = boundItem(line.field, lineRect(i + 1, gap, 0), backgroundOf(line, column));
        item.fillWidth = true;
        panel->addItem(item);
    }
}

QWidget* buildTotalsColumn(QWidget* parent, SourceBindings& bindings, const QString& sourceName,
                           const SlaughterLines& lines, SlaughterColumn column, int width)
{
    auto* totals = new QWidget(parent);
    const bool day = column == SlaughterColumn::Day;
    QLabel* header = headerCell(totals, day ? QStringLiteral("TOTAL") : QStringLiteral("ACUMULADO"),
                                day ? lines.dayHeader : lines.accumulatedHeader);
    header->setGeometry(lineRect(0, gap, width - 2 * gap));
    for (int i = 0; i < int(lines.lines.size()); ++i) {
        const SlaughterLine& line = lines.lines[std::size_t(i)];
        const QColor background = backgroundOf(line, column);
        const QString field = day ? line.total : line.accumulatedTotal;
        const int valueWidth = line.unit.isEmpty() ? width - 2 * gap : width - 2 * gap - unitWidth;
        QLabel* value = field.isEmpty() ? unitCell(totals, QString(), background)
                                        : valueCell(totals, bindings, sourceName, field, background, true);
        value->setGeometry(lineRect(i + 1, gap, valueWidth));
        markLine(value, line.name);
        if (!line.unit.isEmpty()) {
            QLabel* unit = unitCell(totals, line.unit, background);
            unit->setGeometry(lineRect(i + 1, gap + valueWidth, unitWidth));
            markLine(unit, line.name);
        }
    }
    totals->setFixedSize(width, int(lines.lines.size() + 1) * slaughterLineHeight);
    return totals;
}

std::vector<QWidget*> lineCells(const QWidget* column, const QString& lineName)
{
    std::vector<QWidget*> cells;
    for (QWidget* child : column->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->property(lineProperty).toString() == lineName)
            cells.push_back(child);
    }
    return cells;
}

} // namespace custos::dayproc
