#include "PriceLock.h"

#include "GridColumn.h"
#include "GridView.h"
#include "RowSource.h"

namespace custos::results {

PriceLock::PriceLock(grid::GridView* view, const QString& priceField, const QString& criterionField,
                     const QString& criterion, Match match)
    : QObject(view), m_view(view), m_priceField(priceField), m_criterionField(criterionField),
      m_criterion(criterion), m_match(match)
{
    connect(view, &grid::GridView::rowAboutToReceiveFocus, this, &PriceLock::apply);
}

void PriceLock::apply(int sourceRow)
{
    const grid::RowSource* source = m_view ? m_view->source() : nullptr;
    if (!source || sourceRow < 0 || sourceRow >= source->rowCount())
        return;
    const int field = source->fieldIndex(m_criterionField);
    applyCriterion(field < 0 ? QString() : source->value(sourceRow, field).toString());
}

void PriceLock::applyCriterion(const QString& criterion)
{
    grid::GridColumn* column = m_view ? m_view->column(m_priceField) : nullptr;
    if (!column)
        return;
    m_editable = (criterion == m_criterion) == (m_match == Match::Unlocks);
    const grid::GridStyle shared = grid::SharedStyles::cxStyle7();
    grid::GridStyle style = m_editable ? grid::GridStyle::colours(QColor(0xFF, 0xFF, 0x80), Qt::black) : shared;
    style.fontFamily = shared.fontFamily;
    style.fontPixelSize = shared.fontPixelSize;
    column->setReadOnly(!m_editable);
    column->setContentStyle(style);
}

} // namespace custos::results
