#include "DetailPanel.h"

#include "GridColumn.h"
#include "GridView.h"

#include <QLabel>
#include <QVBoxLayout>

namespace custos::results {

DetailPanel::DetailPanel(const QString& objectName, const QString& title, const QColor& titleColour, QWidget* parent)
    : QFrame(parent)
{
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_titleLine = new QHBoxLayout;
    auto* caption = new QLabel(title);
    caption->setObjectName(objectName + QStringLiteral("_Titulo"));
    QFont f = caption->font();
    f.setBold(true);
    caption->setFont(f);
    QPalette p = caption->palette();
    p.setColor(QPalette::WindowText, titleColour);
    caption->setPalette(p);
    m_titleLine->addWidget(caption);
    m_titleLine->addStretch(1);
    m_top = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#0000FF\">Topo</a>"));
    m_top->setObjectName(objectName + QStringLiteral("_Topo"));
    layout->addLayout(m_titleLine);
    m_titleLine->addWidget(m_top);
    m_grid = new grid::GridView(this);
    m_grid->setObjectName(objectName + QStringLiteral("_Grid"));
    m_grid->setRowIndicator(true);
    m_grid->setGroupByBox(false);
    m_grid->setFooterVisible(true);
    m_grid->setEditable(false);
    layout->addWidget(m_grid, 1);
}

} // namespace custos::results
