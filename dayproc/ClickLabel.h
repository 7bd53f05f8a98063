#pragma once
// A label that reacts to a click, drawn as a link (blue, bold, underlined Verdana): "Mais
// detalhes..." on the slaughter tabs and the two links of "Outras Opções".

#include <QLabel>

namespace custos::dayproc {

class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    ClickLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace custos::dayproc
