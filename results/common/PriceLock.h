#pragma once
// The price lock of a result grid: before a row takes the focus, the view's price column
// becomes editable and light yellow when the row's criterion is the editable one ("M"), and
// read-only in the shared locked style otherwise. Focusing is always allowed. A lock by
// exclusion works the other way round: the named criterion ("CMP") is the one that locks.

#include <QObject>
#include <QPointer>

namespace custos::grid {
class GridView;
}

namespace custos::results {

class PriceLock : public QObject
{
    Q_OBJECT
public:
    enum class Match { Unlocks, Locks };
    PriceLock(grid::GridView* view, const QString& priceField, const QString& criterionField,
              const QString& criterion = QStringLiteral("M"), Match match = Match::Unlocks);

    // Locks or unlocks the price column for a source row of the view (nothing without one).
    void apply(int sourceRow);
    // Locks or unlocks it for a criterion.
    void applyCriterion(const QString& criterion);
    bool isEditable() const { return m_editable; }

private:
    QPointer<grid::GridView> m_view;
    QString m_priceField;
    QString m_criterionField;
    QString m_criterion;
    Match m_match;
    bool m_editable = false;
};

} // namespace custos::results
