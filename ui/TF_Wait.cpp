#include "TF_Wait.h"

#include <QLabel>

namespace custos::ui {

namespace {

constexpr int kTopGap = 20;
constexpr double kOpacity = 120.0 / 255.0;

} // namespace

TF_Wait::TF_Wait(QWidget* owner) : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("F_Wait"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowOpacity(kOpacity);

    m_label = new QLabel(QStringLiteral("Aguarde..."), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(64);
    font.setBold(true);
    m_label->setFont(font);
    QPalette grey = m_label->palette();
    grey.setColor(QPalette::WindowText, Qt::gray);
    m_label->setPalette(grey);
}

void TF_Wait::showOverOwner()
{
    const QRect owner = parentWidget()->frameGeometry();
    setGeometry(owner.left(), owner.top() + kTopGap, owner.width(), owner.height() - kTopGap);
    show();
    repaint();
}

void TF_Wait::resizeEvent(QResizeEvent* event)
{
    m_label->setGeometry(rect()); // the text across the whole width
    QWidget::resizeEvent(event);
}

} // namespace custos::ui
