#pragma once
// Numeric edit: a single-line text box that holds a number.
//
// The number is read from the text (digits and the first decimal separator of the locale; a
// leading minus sign negates) and written to it in fixed notation with `Decimals` decimals.
// While focused the control shows the text being edited; otherwise it paints the number with
// thousand separators (when `ShowSeparator`). Typed characters go through a key filter that
// keeps the text a number. Leaving the control with a number outside [MinValue, MaxValue]
// (when either is not 0) is refused: `OnOutOfRange` is emitted (the system beep when nothing
// is connected), the text selected and the focus kept.

#include <QLineEdit>

namespace custos::ui {

class TNumEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(int Decimals READ Decimals WRITE setDecimals)
    Q_PROPERTY(bool ShowSeparator READ ShowSeparator WRITE setShowSeparator)
    Q_PROPERTY(double MinValue READ MinValue WRITE setMinValue)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE setMaxValue)
    Q_PROPERTY(double Value READ Value WRITE setValue)
public:
    explicit TNumEdit(QWidget* parent = nullptr);

    int Decimals() const { return m_decimals; }
    void setDecimals(int decimals); // rewrites the text from the number
    bool ShowSeparator() const { return m_showSeparator; }
    void setShowSeparator(bool show);
    double MinValue() const { return m_minValue; }
    void setMinValue(double value) { m_minValue = value; }
    double MaxValue() const { return m_maxValue; }
    void setMaxValue(double value) { m_maxValue = value; }
    // The alignment (left, right or centre, right by default) is QLineEdit's own.

    double Value() const;
    void setValue(double value);

    // What the control shows: the text being edited while focused, the formatted number otherwise.
    QString shownText() const;

Q_SIGNALS:
    void OnOutOfRange();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    enum class KeyKind
    {
        NotACharacter, // navigation and editing keys, passed on untouched
        Digit,
        Separator,
        Minus,
        Backspace,
        Clipboard, // Ctrl+C, Ctrl+V, Ctrl+X
        Refused
    };

    KeyKind kindOf(const QKeyEvent* event) const;
    QChar decimalSeparator() const;
    QString formatted(double value, bool separators) const;
    QString fixedText(double value) const;
    bool wholeTextSelected() const;
    bool outOfRange() const;
    bool refuses(KeyKind kind) const;
    bool toggleSign();
    void typeSeparator();
    bool typeDigit(QChar digit);

    int m_decimals = 2;
    bool m_showSeparator = true;
    double m_minValue = 0;
    double m_maxValue = 0;
    bool m_selectOnRelease = false; // the focus came with a mouse click
};

} // namespace custos::ui
