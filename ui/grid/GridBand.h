#pragma once
// A band of a banded view: a header over a run of columns. A band may be fixed at the left or
// at the right edge (it stays in place while the rest scrolls horizontally), hidden (its columns
// with it) and given a width, which its visible columns share in proportion to their own widths.

#include "GridStyle.h"

#include <QObject>
#include <QString>

namespace custos::grid {

class GridBand : public QObject
{
    Q_OBJECT
public:
    enum class Fixed { None, Left, Right };

    explicit GridBand(const QString& caption, QObject* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    Fixed fixed() const { return m_fixed; }
    void setFixed(Fixed fixed);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    // 0: as wide as its visible columns.
    int width() const { return m_width; }
    void setWidth(int width);
    bool isMovable() const { return m_movable; }
    void setMovable(bool movable);
    const GridStyle& headerStyle() const { return m_headerStyle; }
    void setHeaderStyle(const GridStyle& style);

Q_SIGNALS:
    void changed();

private:
    QString m_caption;
    Fixed m_fixed = Fixed::None;
    bool m_visible = true;
    int m_width = 0;
    bool m_movable = true;
    GridStyle m_headerStyle;
};

} // namespace custos::grid
