#include "CellFormats.h"

#include <xlsxwriter.h>

namespace custos::results {

namespace {

lxw_color_t colour(const QColor& c)
{
    return lxw_color_t((c.red() << 16) | (c.green() << 8) | c.blue());
}

QString keyOf(const CellLook& look)
{
    const grid::GridStyle& s = look.style;
    return QStringList{s.background ? s.background->name() : QString(),
                       s.textColor ? s.textColor->name() : QString(),
                       s.fontFamily,
                       QString::number(s.fontPixelSize),
                       QString::number(int(look.bold || s.bold.value_or(false))),
                       look.numberFormat,
                       QString::number(int(look.alignment & Qt::AlignHorizontal_Mask)),
                       QString::number(look.indent)}
        .join(QChar(0x1f));
}

uint8_t horizontalAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return LXW_ALIGN_RIGHT;
    if (alignment & Qt::AlignHCenter)
        return LXW_ALIGN_CENTER;
    return LXW_ALIGN_LEFT;
}

} // namespace

lxw_format* CellFormats::format(const CellLook& look)
{
    const QString key = keyOf(look);
    if (lxw_format* f = m_formats.value(key))
        return f;
    lxw_format* f = workbook_add_format(m_workbook);
    const grid::GridStyle& s = look.style;
    if (s.background) {
        format_set_pattern(f, LXW_PATTERN_SOLID);
        format_set_bg_color(f, colour(*s.background));
    }
    if (s.textColor)
        format_set_font_color(f, colour(*s.textColor));
    if (!s.fontFamily.isEmpty())
        format_set_font_name(f, s.fontFamily.toUtf8().constData());
    if (s.fontPixelSize > 0)
        format_set_font_size(f, s.fontPixelSize * 0.75); // points at 96 pixels an inch
    if (look.bold || s.bold.value_or(false))
        format_set_bold(f);
    if (!look.numberFormat.isEmpty())
        format_set_num_format(f, look.numberFormat.toUtf8().constData());
    format_set_align(f, horizontalAlignment(look.alignment));
    if (look.indent > 0)
        format_set_indent(f, uint8_t(look.indent));
    m_formats.insert(key, f);
    return f;
}

} // namespace custos::results
