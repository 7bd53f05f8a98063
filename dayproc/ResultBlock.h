#pragma once
// The result block of the production, resale and slaughter by-product summaries: a header
// strip with one header per column, a vertical repeating panel with one row of 48 pixels per
// record (name, then each column's amount over its per-kilogram value followed by "/ Kg"; the
// weight column's amount followed by "Kg"), and a totals strip with the same columns in the
// header colours. A block without rows (a one-line block over aggregates) has only the headers
// and the totals strip, the totals caption standing where the names stand.

#include <QColor>
#include <QString>
#include <vector>

class QWidget;

namespace custos::ui {
class RecordPanel;
}

namespace custos::dayproc {

class SourceBindings;

struct ResultColumn
{
    QString header;
    QColor colour;
    QString rowValue; // fields of each record
    QString rowPerKg; // empty for the weight column
    QString sumValue; // fields (or aggregates) of the totals strip
    QString sumPerKg;
};

struct ResultBlockSpec
{
    QString source;     // data source of the rows and the totals
    QString panelName;  // object name of the repeating panel; empty for a block without rows
    QString nameField;  // the name of each record
    QString nameItem;   // object name of the name item (a designer name, or the field)
    bool nameClickable = false;
    int rows = 5;       // rows per page
    QString rowsAreaName; // object name of the area that holds the rows
    bool stretchRows = false; // the area grows with the block; its owner sets the rows
    QString totalsCaption; // shown left of the totals
    std::vector<ResultColumn> columns;
};

struct ResultBlock
{
    QWidget* widget = nullptr;
    ui::RecordPanel* rows = nullptr; // null for a block without rows
    QWidget* rowsArea = nullptr;
    QWidget* totals = nullptr;
};

inline constexpr int resultRowHeight = 48;

// Builds the block as a child of parent, at its fixed width; a block whose rows do not stretch
// has a fixed height too (pages of spec.rows rows of 48 pixels).
ResultBlock buildResultBlock(QWidget* parent, SourceBindings& bindings, const ResultBlockSpec& spec);

// Shows `rows` rows per page (at least one) and sizes the repeating panel to them.
void setRows(const ResultBlock& block, int rows);

// The six columns of the product statements: weightHeader ("Produção", "Aquisições") on
// #0000A0, "Receita", "Custo" and "RESULTADO" on sectionColour, "Impostos" and "Despesas" on
// #0080C0. Each record reads rowPrefix + PESO, RECEITA, CUSTO, IMPOSTOS, DESPESAS (with _KG)
// and rowResult (with _KG); the totals read sumPrefix + the same and sumResult.
struct ProductFieldNames
{
    QString rowPrefix;
    QString rowResult;
    QString sumPrefix;
    QString sumResult;
};
std::vector<ResultColumn> productColumns(const QString& weightHeader, const QColor& sectionColour,
                                         const ProductFieldNames& names);

} // namespace custos::dayproc
