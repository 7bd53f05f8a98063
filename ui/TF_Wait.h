#pragma once
// The "Aguarde..." overlay: a borderless, partly transparent window over its owner window, at
// the owner's left edge, 20 pixels below its top, as wide as the owner and 20 pixels less high.

#include <QWidget>

class QLabel;

namespace custos::ui {

class TF_Wait : public QWidget
{
    Q_OBJECT
public:
    explicit TF_Wait(QWidget* owner);

    // Places the overlay over its owner, shows it (not modal) and paints it at once.
    void showOverOwner();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_label;
};

} // namespace custos::ui
