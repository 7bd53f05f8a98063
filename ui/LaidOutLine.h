#pragma once
// A line of plain text laid out once for a font and kept while the text and the font stay the
// same, drawn in a rectangle where QPainter::drawText(rect, alignment, text) would place it.
// The data-bound widgets repaint the same values many times; this spares them shaping the
// text on every paint.

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <QTransform>

namespace custos::ui {

class LaidOutLine
{
public:
    // Draws the text with the painter's pen in the given font (which becomes the painter's),
    // aligned in the rectangle and clipped to it when it does not fit.
    void draw(QPainter& painter, const QRect& rect, Qt::Alignment alignment, const QString& text, const QFont& font)
    {
        if (!m_laidOut || m_font != font || m_line.text() != text) {
            m_line = QStaticText(text);
            m_line.setTextFormat(Qt::PlainText);
            m_line.prepare(QTransform(), font);
            m_font = font;
            m_height = QFontMetricsF(font).height();
            m_laidOut = true;
        }
        painter.setFont(font);
        const qreal width = m_line.size().width();
        qreal x = rect.x();
        if (alignment & Qt::AlignRight)
            x += rect.width() - width;
        else if (alignment & Qt::AlignHCenter)
            x += (rect.width() - width) / 2;
        qreal y = rect.y();
        if (alignment & Qt::AlignBottom)
            y += rect.height() - m_height;
        else if (alignment & Qt::AlignVCenter)
            y += (rect.height() - m_height) / 2;
        const bool overflows = width > rect.width() || m_height > rect.height();
        if (overflows) {
            painter.save();
            painter.setClipRect(rect, Qt::IntersectClip);
        }
        painter.drawStaticText(QPointF(x, y), m_line);
        if (overflows)
            painter.restore();
    }

private:
    QStaticText m_line;
    QFont m_font;
    qreal m_height = 0;
    bool m_laidOut = false;
};

} // namespace custos::ui
