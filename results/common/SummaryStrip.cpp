#include "SummaryStrip.h"

#include "DBLabel.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>

namespace custos::results {

namespace {

const QColor kDarkBlue(0x00, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kCaption(0xD4, 0xD0, 0xC8);

void paintCell(QWidget* cell, const QColor& background, const QColor& text = QColor(Qt::black), bool bold = false)
{
    cell->setAutoFillBackground(true);
    QPalette p = cell->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    cell->setPalette(p);
    QFont f = cell->font();
    f.setFamily(QStringLiteral("Verdana"));
    f.setPixelSize(11);
    f.setBold(bold);
    cell->setFont(f);
}

QLabel* textCell(const QString& text, const QColor& background, const QColor& color = QColor(Qt::black),
                 bool bold = false)
{
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(2);
    paintCell(label, background, color, bold);
    return label;
}

QColor menuColour()
{
    return QApplication::palette("QMenu").color(QPalette::Window);
}

} // namespace

SummaryStrip::SummaryStrip(data::DataSource* values, data::DataSource* currency, const QList<SummaryColumn>& columns,
                           const QString& percent, QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("SummaryStrip"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setHorizontalSpacing(1);
    grid->setVerticalSpacing(1);
    grid->addWidget(currencyBox(currency), 0, 0, 4, 1);

    auto bound = [this](data::DataSource* source, const QString& aggregate) {
        auto* label = new ui::DBLabel(source, aggregate);
        label->setObjectName(aggregate);
        label->setMargin(2);
        m_labels << label;
        return label;
    };

    grid->addWidget(textCell(QStringLiteral("RESUMO"), kDarkBlue, Qt::white, true), 2, 1);
    int firstCost = -1, lastCost = -1;
    for (int i = 0; i < columns.size(); ++i) {
        const SummaryColumn& c = columns[i];
        const int col = 2 + i;
        if (c.productionCost) {
            firstCost = firstCost < 0 ? col : firstCost;
            lastCost = col;
        }
        grid->addWidget(textCell(c.caption, kCaption, Qt::black, true), 1, col);
        Cells cells;
        cells.total = bound(c.totalSource ? c.totalSource : values, c.total);
        cells.totalCell = new QWidget;
        auto* totalLayout = new QHBoxLayout(cells.totalCell);
        totalLayout->setContentsMargins(0, 0, 0, 0);
        totalLayout->addWidget(cells.total);
        paintCell(cells.totalCell, Qt::white);
        grid->addWidget(cells.totalCell, 2, col);

        cells.perKg = bound(values, c.perKg);
        cells.perKgUnit = new QLabel(QStringLiteral("/ Kg"));
        cells.perKgCell = new QWidget;
        auto* perKgLayout = new QHBoxLayout(cells.perKgCell);
        perKgLayout->setContentsMargins(0, 0, 2, 0);
        perKgLayout->setSpacing(2);
        perKgLayout->addWidget(cells.perKg, 1);
        perKgLayout->addWidget(cells.perKgUnit);
        paintCell(cells.perKgCell, Qt::white);
        grid->addWidget(cells.perKgCell, 3, col);
        m_cells.insert(c.total, cells);
    }
    if (firstCost >= 0) {
        m_costHeading = textCell(QStringLiteral("Custo de Produção"), kDarkBlue, Qt::white, true);
        grid->addWidget(m_costHeading, 0, firstCost, 1, lastCost - firstCost + 1);
    }
    if (!percent.isEmpty()) {
        m_percent = bound(values, percent);
        m_percent->setAlignment(Qt::AlignCenter);
        paintCell(m_percent, kBlue, Qt::white, true);
        grid->addWidget(m_percent, 2, 2 + int(columns.size()));
    }
    grid->setColumnStretch(3 + int(columns.size()), 1);
}

QWidget* SummaryStrip::currencyBox(data::DataSource* currency)
{
    auto* box = new QFrame;
    box->setObjectName(QStringLiteral("CurrencyBox"));
    box->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(4, 2, 4, 2);
    const char* const rows[2][2] = {{"DESCRICAO", "VALOR"}, {"DESCRICAO_MOEDA2", "VALOR_MOEDA2"}};
    for (int r = 0; r < 2; ++r) {
        auto* name = new ui::DBLabel(currency, QString::fromLatin1(rows[r][0]));
        name->setObjectName(QString::fromLatin1(rows[r][0]));
        name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        auto* value = new ui::DBLabel(currency, QString::fromLatin1(rows[r][1]));
        value->setObjectName(QString::fromLatin1(rows[r][1]));
        auto* currencySign = new QLabel(QStringLiteral("R$"));
        grid->addWidget(name, r, 0);
        grid->addWidget(currencySign, r, 1);
        grid->addWidget(value, r, 2);
        m_labels << name << value;
        if (r == 1)
            m_secondCurrency << name << currencySign << value;
    }
    return box;
}

ui::DBLabel* SummaryStrip::valueLabel(const QString& aggregate) const
{
    for (ui::DBLabel* label : m_labels)
        if (label->objectName() == aggregate)
            return label;
    return nullptr;
}

void SummaryStrip::setColumnBlank(const QString& total, bool blank)
{
    const auto it = m_cells.find(total);
    if (it == m_cells.end())
        return;
    it->blank = blank;
    const QColor background = blank ? menuColour() : QColor(Qt::white);
    paintCell(it->totalCell, background);
    paintCell(it->perKgCell, background);
    it->total->setVisible(!blank);
    it->perKg->setVisible(!blank);
    it->perKgUnit->setVisible(!blank);
}

bool SummaryStrip::isColumnBlank(const QString& total) const
{
    return m_cells.value(total).blank;
}

void SummaryStrip::setCostHeading(const QString& text)
{
    if (m_costHeading)
        m_costHeading->setText(text);
}

void SummaryStrip::setSecondCurrencyVisible(bool visible)
{
    for (QWidget* w : m_secondCurrency)
        w->setVisible(visible);
}

void SummaryStrip::setPercentVisible(bool visible)
{
    if (m_percent)
        m_percent->setVisible(visible);
}

bool SummaryStrip::isPercentVisible() const
{
    return m_percent && !m_percent->isHidden();
}

void SummaryStrip::setDisplaySuspended(bool suspended)
{
    for (ui::DBLabel* label : m_labels)
        label->setDisplaySuspended(suspended);
}

} // namespace custos::results
