#include "TCF_Single_Form7.h"

#include "SearchComponent.h"

#include <QAction>
#include <QStyle>
#include <QToolButton>

namespace custos::ui {

TCF_Single_Form7::TCF_Single_Form7(QWidget* parent) : TCF_Global_Form7(parent)
{
    setWindowTitle(QStringLiteral("<coloque um título aqui>"));

    m_sair = addToolButton(QStringLiteral("B_Sair"), QStringLiteral("&Sair"));
    m_sair->setToolTip(QStringLiteral("Fechar a janela"));
    m_sair->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_sair->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    QFont bold = m_sair->font();
    bold.setBold(true);
    bold.setPixelSize(11); // image and text fit the 26-pixel button
    m_sair->setFont(bold);
    QPalette navy = m_sair->palette();
    navy.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    m_sair->setPalette(navy);
    connect(m_sair, &QToolButton::clicked, this, &TCF_Single_Form7::close);

    auto addItem = [this](const QString& name, const QString& text, const QKeySequence& shortcut) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        addAction(action);
        return action;
    };
    m_localizar = addItem(QStringLiteral("Localizar"), QStringLiteral("Localizar"), QKeySequence(Qt::Key_F9));
    m_limparFiltro =
        addItem(QStringLiteral("LimparFiltro"), QStringLiteral("Limpar Filtro"), QKeySequence(Qt::Key_F10));
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
    QAction* sair1 =
        addItem(QStringLiteral("Sair1"), QStringLiteral("&Sair"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(sair1, &QAction::triggered, m_sair, &QToolButton::click);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TCF_Single_Form7::LocalizaFiltro()
{
    auto* search = findChild<SearchComponent*>();
    if (search) {
        connect(m_localizar, &QAction::triggered, search, &SearchComponent::search);
        connect(m_limparFiltro, &QAction::triggered, search, &SearchComponent::clearFilter);
    }
    m_localizar->setVisible(search != nullptr);
    m_limparFiltro->setVisible(search != nullptr);
}

void TCF_Single_Form7::showEvent(QShowEvent* event)
{
    if (!m_searchWired) {
        m_searchWired = true;
        LocalizaFiltro();
    }
    TCF_Global_Form7::showEvent(event);
}

} // namespace custos::ui
