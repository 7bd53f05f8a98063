#include "TCF_Global_Form7.h"

#include "KeyPreview.h"

#include <QFrame>
#include <QKeyEvent>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace custos::ui {

namespace {

constexpr int kBandHeight = 5;
constexpr int kToolBarHeight = 30;
constexpr int kBevelHeight = 3;
constexpr QSize kButtonSize(70, 26);

} // namespace

TCF_Global_Form7::TCF_Global_Form7(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("<Inserir um Título>"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setAutoFillBackground(true);
    QPalette white = strip->palette();
    white.setColor(QPalette::Window, Qt::white);
    strip->setPalette(white);
    strip->setFixedHeight(kBandHeight + kToolBarHeight + kBevelHeight);

    m_toolBar = new QToolBar(strip);
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setFixedHeight(kToolBarHeight);
    m_toolBar->setIconSize(QSize(12, 12));
    m_toolBar->setMovable(false);

    auto* bevel = new QFrame(strip);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setFixedHeight(kBevelHeight);

    auto* stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(0, kBandHeight, 0, 0);
    stripLayout->setSpacing(0);
    stripLayout->addWidget(m_toolBar);
    stripLayout->addWidget(bevel);

    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("Body"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addWidget(m_body, 1);

    new KeyPreview(this, [this](QKeyEvent* key) {
        if (!isEnterKey(key))
            return false;
        focusNextPrevChild(true);
        return true;
    });
}

QToolButton* TCF_Global_Form7::addToolButton(const QString& objectName, const QString& text)
{
    auto* button = new QToolButton(m_toolBar);
    button->setObjectName(objectName);
    button->setText(text);
    button->setFixedSize(kButtonSize);
    button->setAutoRaise(true);
    m_toolBar->addWidget(button);
    return button;
}

void TCF_Global_Form7::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        setFixedSize(size());
        if (const QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
}

} // namespace custos::ui
