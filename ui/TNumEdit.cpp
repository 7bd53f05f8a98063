#include "TNumEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QStyleOptionFrame>
#include <cmath>

namespace custos::ui {

namespace {

const QChar kMinus = QLatin1Char('-');

// QLineEdit keeps this much room between its contents rectangle and the text.
constexpr int kHorizontalMargin = 2;

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

TNumEdit::TNumEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight);
}

QChar TNumEdit::decimalSeparator() const
{
    return locale().decimalPoint().at(0);
}

void TNumEdit::setDecimals(int decimals)
{
    const double value = Value();
    m_decimals = qMax(0, decimals);
    setText(fixedText(value));
    update();
}

void TNumEdit::setShowSeparator(bool show)
{
    m_showSeparator = show;
    update();
}

double TNumEdit::Value() const
{
    const QString text = this->text();
    const QChar separator = decimalSeparator();
    QString number = QStringLiteral("0");
    bool separatorSeen = false;
    for (const QChar c : text) {
        if (isAsciiDigit(c)) {
            number += c;
        } else if (c == separator && !separatorSeen) {
            number += QLatin1Char('.');
            separatorSeen = true;
        }
    }
    double value = number.toDouble();
    if (number != QLatin1String("0") && text.startsWith(kMinus))
        value = -value;
    return value == 0 ? 0.0 : value; // "-0" reads as a plain 0
}

void TNumEdit::setValue(double value)
{
    setText(fixedText(value));
    if (hasFocus())
        selectAll();
    update();
}

QString TNumEdit::formatted(double value, bool separators) const
{
    QLocale format = locale();
    format.setNumberOptions(separators ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    // A negative number that shows as zero is written without its sign.
    if (std::abs(value) < 0.5 * std::pow(10.0, -m_decimals))
        value = 0.0;
    return format.toString(value, 'f', m_decimals);
}

QString TNumEdit::fixedText(double value) const
{
    return formatted(value, false);
}

QString TNumEdit::shownText() const
{
    return hasFocus() ? text() : formatted(Value(), m_showSeparator);
}

bool TNumEdit::wholeTextSelected() const
{
    return hasSelectedText() && selectedText().size() == text().size();
}

bool TNumEdit::outOfRange() const
{
    if (m_minValue == 0 && m_maxValue == 0)
        return false;
    const double value = Value();
    return value > m_maxValue || value < m_minValue;
}

TNumEdit::KeyKind TNumEdit::kindOf(const QKeyEvent* event) const
{
    const int key = event->key();
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        if (key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X)
            return KeyKind::Clipboard;
        return key >= Qt::Key_A && key <= Qt::Key_Z ? KeyKind::Refused : KeyKind::NotACharacter;
    }
    switch (key) {
    case Qt::Key_Backspace:
        return KeyKind::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return KeyKind::NotACharacter;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return KeyKind::NotACharacter;
    const QChar c = text.at(0);
    if (isAsciiDigit(c))
        return KeyKind::Digit;
    if (c == QLatin1Char(',') || c == QLatin1Char('.') || c == decimalSeparator())
        return KeyKind::Separator;
    if (c == kMinus)
        return KeyKind::Minus;
    return KeyKind::Refused;
}

bool TNumEdit::refuses(KeyKind kind) const
{
    if (kind == KeyKind::Refused)
        return true;
    // Nothing may be typed in front of the minus sign.
    if (kind != KeyKind::Minus && cursorPosition() == 0 && text().startsWith(kMinus) && !hasSelectedText())
        return true;
    return kind == KeyKind::Separator && m_decimals == 0;
}

void TNumEdit::keyPressEvent(QKeyEvent* event)
{
    const KeyKind kind = kindOf(event);
    if (kind == KeyKind::NotACharacter || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    bool accepted = !refuses(kind);
    if (accepted) {
        switch (kind) {
        case KeyKind::Minus:
            if (wholeTextSelected())
                insert(QString(kMinus));
            else
                accepted = toggleSign();
            break;
        case KeyKind::Separator:
            typeSeparator();
            break;
        case KeyKind::Digit:
            accepted = typeDigit(event->text().at(0));
            break;
        default:
            QLineEdit::keyPressEvent(event);
            return;
        }
    }
    if (!accepted)
        QApplication::beep();
    event->accept();
}

bool TNumEdit::toggleSign()
{
    const QString text = this->text();
    const int caret = cursorPosition();
    if (text.startsWith(kMinus)) {
        setText(text.mid(1));
        setCursorPosition(qMax(0, caret - 1));
        return true;
    }
    if (Value() == 0)
        return true; // zero stays unsigned
    if (text.size() >= maxLength())
        return false; // the sign would not fit
    setText(kMinus + text);
    setCursorPosition(caret + 1);
    return true;
}

void TNumEdit::typeSeparator()
{
    const QChar separator = decimalSeparator();
    const int existing = text().indexOf(separator);
    if (existing >= 0 && !wholeTextSelected()) {
        deselect();
        setCursorPosition(existing + 1);
        return;
    }
    if (hasSelectedText())
        del();
    const QString text = this->text();
    const int caret = cursorPosition();
    if (text.size() - caret > m_decimals) {
        setText(text.left(caret + m_decimals));
        setCursorPosition(caret);
    }
    insert(QString(separator));
}

bool TNumEdit::typeDigit(QChar digit)
{
    const QString text = this->text();
    const int separator = text.indexOf(decimalSeparator());
    const int caret = cursorPosition();
    const bool decimalsFull = separator >= 0 && text.size() - separator - 1 >= m_decimals;
    if (decimalsFull && caret > separator && !hasSelectedText()) {
        if (caret >= text.size())
            return false;
        // The new digit takes the place of the last one.
        setText(text.chopped(1));
        setCursorPosition(caret);
    }
    insert(QString(digit));
    return true;
}

void TNumEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    setText(fixedText(Value()));
    selectAll();
    m_selectOnRelease = event->reason() == Qt::MouseFocusReason;
}

void TNumEdit::focusOutEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    const bool leaving = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                         reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason ||
                         reason == Qt::OtherFocusReason;
    if (leaving && isVisible() && isEnabled() && outOfRange()) {
        if (isSignalConnected(QMetaMethod::fromSignal(&TNumEdit::OnOutOfRange)))
            Q_EMIT OnOutOfRange();
        else
            QApplication::beep();
        selectAll();
        setFocus(Qt::OtherFocusReason);
        return;
    }
    m_selectOnRelease = false;
    QLineEdit::focusOutEvent(event);
    update();
}

void TNumEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (m_selectOnRelease) {
        m_selectOnRelease = false;
        selectAll();
    }
}

void TNumEdit::paintEvent(QPaintEvent* event)
{
    if (hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    QRect area =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    area.adjust(kHorizontalMargin, 0, -kHorizontalMargin, 0);
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignRight)
        area.adjust(0, 0, -1, 0); // the last character stands 1 pixel inside the margin
    else if (horizontal & Qt::AlignHCenter)
        area = QRect(rect().left(), area.top(), rect().width(), area.height()); // centred between the edges
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.setFont(font());
    painter.drawText(area, int(horizontal | Qt::AlignVCenter), shownText());
}

} // namespace custos::ui
