#include "TabRevenda.h"

#include "RecordPanel.h"
#include "ResultBlock.h"
#include "SourceBindings.h"
#include "SummaryCells.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace custos::dayproc {

namespace {

ResultBlockSpec resaleSpec(const char* source, const char* panel, const char* nameItem, bool clickable,
                           const QColor& sectionColour)
{
    ResultBlockSpec spec;
    spec.source = QString::fromLatin1(source);
    spec.panelName = QString::fromLatin1(panel);
    spec.rowsAreaName = QStringLiteral("Panel_") + spec.panelName;
    spec.nameField = QStringLiteral("GRUPO");
    spec.nameItem = QString::fromLatin1(nameItem);
    spec.nameClickable = clickable;
    spec.rows = 5;
    spec.columns = productColumns(QStringLiteral("Aquisições"), sectionColour,
                                  {QStringLiteral("TOTAL_"), QStringLiteral("TOTAL_RESULTADO"), QStringLiteral("GERAL_"),
                                   QStringLiteral("GERAL_RESULTADO")});
    return spec;
}

} // namespace

TabRevenda::TabRevenda(SourceBindings& bindings, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_Revenda"));
    QWidget* page = scrollingPage(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(titleBand(page, QStringLiteral("Panel49"), QStringLiteral("Análise de Resultado de Mercadorias Revenda")));

    const ResultBlock day = buildResultBlock(
        page, bindings, resaleSpec("DTS_ResumoRevenda", "DBCtrlGrid2", "DBText21", true, colours::dayHeader));
    m_DBCtrlGrid2 = day.rows;
    layout->addWidget(day.widget, 0, Qt::AlignHCenter);
    connect(m_DBCtrlGrid2, &ui::RecordPanel::itemClicked, this, [this](const QString& item) {
        if (item == QLatin1String("DBText21"))
            Q_EMIT groupClicked();
    });

    const ResultBlock period = buildResultBlock(page, bindings, resaleSpec("DTS_ResumoRevendaAcumulado", "DBCtrlGrid8",
                                                                           "GRUPO", false, colours::accumulatedHeader));
    m_DBCtrlGrid8 = period.rows;
    m_periodBlock = framedBlock(page, QStringLiteral("Panel_RevendaAcumulado"), QStringLiteral("Acumulado no Período"),
                                period.widget);
    layout->addWidget(m_periodBlock, 0, Qt::AlignHCenter);
    layout->addStretch(1);
}

} // namespace custos::dayproc
