#pragma once
// The summary strip over a result window's product grids: a currency box with the unit's two
// exchange rates at the left, then one column per figure with its caption, its total and its
// value per kilogram (followed by "/ Kg"), all read from aggregates of the products' client
// dataset. A header ("Custo de Produção" unless set otherwise) spans the cost columns; the row
// of totals starts with a dark blue "RESUMO" cell and ends with the result's percentage on blue
// (when the strip has one).
//
// Each value label is named after its aggregate ("TOTAL_RECEITA"), so tests and the windows
// find it. While the display is suspended (a walk over every row) the labels keep their texts.

#include <QFrame>
#include <QHash>
#include <QList>

class QLabel;

namespace custos::data {
class DataSource;
}

namespace custos::ui {
class DBLabel;
}

namespace custos::results {

struct SummaryColumn
{
    QString caption;
    QString total;            // aggregate of the total
    QString perKg;            // aggregate of the value per kilogram
    bool productionCost = false; // under the cost header
    data::DataSource* totalSource = nullptr; // the total's source; none: the strip's values
};

class SummaryStrip : public QFrame
{
    Q_OBJECT
public:
    // values: the products' data source; currency: the exchange rates (DESCRICAO, VALOR,
    // DESCRICAO_MOEDA2, VALOR_MOEDA2); percent: the aggregate shown after the result total (none
    // when empty).
    SummaryStrip(data::DataSource* values, data::DataSource* currency, const QList<SummaryColumn>& columns,
                 const QString& percent, QWidget* parent = nullptr);

    ui::DBLabel* valueLabel(const QString& aggregate) const;
    // A column left blank: its two value cells take the system menu colour, their values and
    // the "/ Kg" label are hidden.
    void setColumnBlank(const QString& total, bool blank);
    bool isColumnBlank(const QString& total) const;
    void setCostHeading(const QString& text);
    // The currency box's second row (DESCRICAO_MOEDA2, VALOR_MOEDA2).
    void setSecondCurrencyVisible(bool visible);
    void setPercentVisible(bool visible);
    bool isPercentVisible() const;
    void setDisplaySuspended(bool suspended);

    // The display suspended while it lives (a walk over every row, whose totals the labels
    // then show once).
    class SuspendedDisplay
    {
    public:
        explicit SuspendedDisplay(SummaryStrip& strip) : m_strip(strip) { m_strip.setDisplaySuspended(true); }
        ~SuspendedDisplay() { m_strip.setDisplaySuspended(false); }
        SuspendedDisplay(const SuspendedDisplay&) = delete;
        SuspendedDisplay& operator=(const SuspendedDisplay&) = delete;

    private:
        SummaryStrip& m_strip;
    };

private:
    struct Cells
    {
        QWidget* totalCell = nullptr;
        QWidget* perKgCell = nullptr;
        ui::DBLabel* total = nullptr;
        ui::DBLabel* perKg = nullptr;
        QLabel* perKgUnit = nullptr;
        bool blank = false;
    };
    QWidget* currencyBox(data::DataSource* currency);

    QHash<QString, Cells> m_cells; // by the total's aggregate
    QList<ui::DBLabel*> m_labels;
    QList<QWidget*> m_secondCurrency;
    QLabel* m_costHeading = nullptr;
    ui::DBLabel* m_percent = nullptr;
};

} // namespace custos::results
