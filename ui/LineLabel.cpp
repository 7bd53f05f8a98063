#include "LineLabel.h"

#include <QPainter>
#include <QStyle>
#include <QTextDocument>

namespace custos::ui {

bool LineLabel::isOneLineOfPlainText() const
{
    const QString& shown = text();
    const bool rich = textFormat() == Qt::RichText || (textFormat() == Qt::AutoText && Qt::mightBeRichText(shown));
    return !rich && !wordWrap() && !buddy() && !shown.contains(u'\n');
}

void LineLabel::paintEvent(QPaintEvent* event)
{
    if (!isOneLineOfPlainText()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    if (text().isEmpty())
        return;
    // The text's rectangle as QLabel places it: inside the margin, the indent taken on the
    // aligned side.
    QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    int indent = this->indent();
    if (indent < 0 && frameWidth())
        indent = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    if (indent > 0) {
        if (align & Qt::AlignLeft)
            r.setLeft(r.left() + indent);
        if (align & Qt::AlignRight)
            r.setRight(r.right() - indent);
        if (align & Qt::AlignTop)
            r.setTop(r.top() + indent);
        if (align & Qt::AlignBottom)
            r.setBottom(r.bottom() - indent);
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, foregroundRole()));
    m_line.draw(painter, r, align, text(), font());
}

} // namespace custos::ui
