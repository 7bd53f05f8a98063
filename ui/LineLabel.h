#pragma once
// A label of one line of plain text that keeps the text's layout while the text and the font
// stay the same, so a repaint only draws the glyphs. It shows what QLabel shows; rich text,
// several lines and word wrap are painted by QLabel itself.

#include "LaidOutLine.h"

#include <QLabel>

namespace custos::ui {

class LineLabel : public QLabel
{
public:
    explicit LineLabel(QWidget* parent = nullptr) : QLabel(parent) {}
    explicit LineLabel(const QString& text, QWidget* parent = nullptr) : QLabel(text, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool isOneLineOfPlainText() const;

    LaidOutLine m_line;
};

} // namespace custos::ui
