#pragma once
// Base window: fixed single border, centred on the screen, key preview on; a white tool strip
// 37 pixels high across the top (a 5-pixel band, a 30-pixel toolbar whose buttons are 70 by 26
// pixels, a 3-pixel bevel line). Derived windows put their buttons on toolBar() and their
// controls on body(). Enter moves the focus to the next control, as Tab does.

#include <QDialog>

class QToolBar;
class QToolButton;

namespace custos::ui {

class TCF_Global_Form7 : public QDialog
{
    Q_OBJECT
public:
    explicit TCF_Global_Form7(QWidget* parent = nullptr);

    QToolBar* toolBar() const { return m_toolBar; }
    QWidget* body() const { return m_body; }

    // A toolbar button of the strip's size.
    QToolButton* addToolButton(const QString& objectName, const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QToolBar* m_toolBar;
    QWidget* m_body;
    bool m_placed = false;
};

} // namespace custos::ui
