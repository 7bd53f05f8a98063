#include "GridStyle.h"

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
GridStyle make(const QColor& background, std::optional<QColor> text, const char* family, int px,
               bool bold = false)
{
    GridStyle s;
    s.background = background;
    s.textColor = text;
    s.fontFamily = QString::fromLatin1(family);
    s.fontPixelSize = px;
    s.bold = bold;
    return s;
}
} // namespace

GridStyle cxStyle2() { return make(Qt::white, QColor(Qt::black), "Verdana", 11); }
GridStyle cxStyle4() { return make(Qt::white, QColor(Qt::black), "Verdana", 11); }
GridStyle cxStyle6() { return make(QColor(0x80, 0x80, 0x80), QColor(0xD4, 0xD0, 0xC8), "Verdana", 11); }
GridStyle cxStyle7() { return make(QColor(0x3A, 0x6E, 0xA5), QColor(Qt::white), "Verdana", 11); }
GridStyle cxStyle8() { return make(QColor(0xDE, 0xDE, 0xBC), std::nullopt, "Verdana", 11); }
GridStyle cxStyle20() { return make(QColor(0xD4, 0xD0, 0xC8), QColor(Qt::black), "Tahoma", 13, true); }

} // namespace SharedStyles

} // namespace custos::grid
