#include "GridStyle.h"

#include "SharedGridStyles.h"

namespace custos::grid {

bool GridStyle::isEmpty() const
{
    return !background && !textColor && fontFamily.isEmpty() && fontPixelSize == 0 && !bold;
}

GridStyle GridStyle::over(const GridStyle& base) const
{
    GridStyle s = *this;
    if (!s.background)
        s.background = base.background;
    if (!s.textColor)
        s.textColor = base.textColor;
    if (s.fontFamily.isEmpty())
        s.fontFamily = base.fontFamily;
    if (s.fontPixelSize == 0)
        s.fontPixelSize = base.fontPixelSize;
    if (!s.bold)
        s.bold = base.bold;
    return s;
}

QFont GridStyle::font(const QFont& base) const
{
    QFont f = base;
    if (!fontFamily.isEmpty())
        f.setFamilies({fontFamily, QStringLiteral("DejaVu Sans")});
    if (fontPixelSize > 0)
        f.setPixelSize(fontPixelSize);
    if (bold)
        f.setBold(*bold);
    return f;
}

GridStyle GridStyle::withBackground(const QColor& background)
{
    GridStyle s;
    s.background = background;
    return s;
}

GridStyle GridStyle::colours(const QColor& background, const QColor& text, bool bold)
{
    GridStyle s;
    s.background = background;
    s.textColor = text;
    if (bold)
        s.bold = true;
    return s;
}

namespace SharedStyles {

namespace {
GridStyle fromShared(const session::SharedGridStyle& shared)
{
    GridStyle s;
    s.background = shared.background;
    if (shared.text.isValid())
        s.textColor = shared.text;
    s.fontFamily = shared.fontFamily;
    s.fontPixelSize = shared.fontPixelSize;
    s.bold = shared.bold;
    return s;
}
} // namespace

GridStyle cxStyle2() { return fromShared(session::SharedGridStyles::cxStyle2()); }
GridStyle cxStyle4() { return fromShared(session::SharedGridStyles::cxStyle4()); }
GridStyle cxStyle6() { return fromShared(session::SharedGridStyles::cxStyle6()); }
GridStyle cxStyle7() { return fromShared(session::SharedGridStyles::cxStyle7()); }
GridStyle cxStyle8() { return fromShared(session::SharedGridStyles::cxStyle8()); }
GridStyle cxStyle20() { return fromShared(session::SharedGridStyles::cxStyle20()); }

} // namespace SharedStyles

} // namespace custos::grid
