#pragma once
// The columns of the slaughter summaries, built from one list of lines (20 pixels each, the
// header line first): the caption column, the repeating panel with one column per species (day
// or accumulated), and the fixed column of totals ("TOTAL" or "ACUMULADO") with its units.

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

namespace custos::ui {
class RecordPanel;
}

namespace custos::dayproc {

class SourceBindings;

inline constexpr int slaughterLineHeight = 20;

struct SlaughterLine
{
    QString name;       // names the line's cells (for rules that hide a whole line)
    QString caption;    // empty for a line without caption
    QColor background;  // of the day cells and the caption
    QColor accumulatedBackground; // of the accumulated cells
    QString field;      // of each species (day and accumulated)
    QString total;      // of the "TOTAL" column; empty leaves the cell empty
    QString accumulatedTotal; // of the "ACUMULADO" column
    QString unit;       // after the totals ("Cb", "/ Kg", "(-)")
};

// The header line: the species (GENERO) over the repeating columns, the column's name over the
// totals; the other lines follow.
struct SlaughterLines
{
    QColor dayHeader;
    QColor accumulatedHeader;
    std::vector<SlaughterLine> lines;
};

// A caption column of the given width; the header line is left to the caller (the link).
QWidget* buildCaptionColumn(QWidget* parent, const SlaughterLines& lines, int width);

enum class SlaughterColumn { Day, Accumulated };

// The species' cells of every line, for a horizontal repeating panel.
void addSpeciesItems(ui::RecordPanel* panel, const SlaughterLines& lines, SlaughterColumn column);

// The totals column: "TOTAL" (day) or "ACUMULADO" (accumulated) over the totals of the lines.
QWidget* buildTotalsColumn(QWidget* parent, SourceBindings& bindings, const QString& sourceName,
                           const SlaughterLines& lines, SlaughterColumn column, int width);

// The cells of a line in a caption or totals column (for rules that hide a line).
std::vector<QWidget*> lineCells(const QWidget* column, const QString& lineName);

} // namespace custos::dayproc
