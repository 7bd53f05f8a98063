#pragma once
// The look of a cell, a header or a footer: background, text colour and font. Whatever a style
// leaves unset is taken from the grid's own defaults, so styles combine (a column's content style
// over the view's defaults).

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

namespace custos::grid {

struct GridStyle
{
    std::optional<QColor> background;
    std::optional<QColor> textColor;
    QString fontFamily;      // empty: inherited
    int fontPixelSize = 0;   // 0: inherited
    std::optional<bool> bold;

    bool isEmpty() const;
    // This style with the unset parts taken from base.
    GridStyle over(const GridStyle& base) const;
    // The font this style describes, starting from base.
    QFont font(const QFont& base) const;

    static GridStyle withBackground(const QColor& background);
    static GridStyle colours(const QColor& background, const QColor& text, bool bold = false);

    bool operator==(const GridStyle&) const = default;
};

// The grid styles the result windows share (those the session module carries).
namespace SharedStyles {
GridStyle cxStyle2();  // group rows
GridStyle cxStyle4();  // footers
GridStyle cxStyle6();  // read-only columns, some band headers
GridStyle cxStyle7();  // revenue columns and bands; also the locked price
GridStyle cxStyle8();  // industrial-cost columns
GridStyle cxStyle20(); // selected rows of a grid that does not have the focus
} // namespace SharedStyles

} // namespace custos::grid
