#include "TabProducao.h"

#include "DBLabel.h"
#include "RecordPanel.h"
#include "ResultBlock.h"
#include "SourceBindings.h"
#include "SummaryCells.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace custos::dayproc {

namespace {

const ProductFieldNames productionNames{QStringLiteral("TOTAL_"), QStringLiteral("TOTAL_RESULTADO"),
                                        QStringLiteral("GERAL_"), QStringLiteral("GERAL_RESULTADO")};

ResultBlockSpec dayBlockSpec()
{
    ResultBlockSpec spec;
    spec.source = QStringLiteral("DTS_Resultado");
    spec.panelName = QStringLiteral("DBCtrlGrid1");
    spec.rowsAreaName = QStringLiteral("Panel347");
    spec.stretchRows = true;
    spec.nameField = QStringLiteral("FAMILIA");
    spec.nameItem = QStringLiteral("DBText30");
    spec.nameClickable = true;
    spec.columns = productColumns(QStringLiteral("Produção"), colours::dayHeader, productionNames);
    spec.columns.push_back(ResultColumn{QStringLiteral("Em Elaboração"), colours::elaboration,
                                        QStringLiteral("TOTAL_ELABORACAO"), QStringLiteral("TOTAL_ELABORACAO_KG"),
                                        QStringLiteral("GERAL_ELABORACAO"), QStringLiteral("GERAL_ELABORACAO_KG")});
    return spec;
}

ResultBlockSpec periodBlockSpec()
{
    ResultBlockSpec spec;
    spec.source = QStringLiteral("DTS_ResultadoAcumulado");
    spec.panelName = QStringLiteral("DBCtrlGrid7");
    spec.rowsAreaName = QStringLiteral("Panel_DBCtrlGrid7");
    spec.nameField = QStringLiteral("FAMILIA");
    spec.nameItem = QStringLiteral("FAMILIA");
    spec.rows = 5;
    spec.columns = productColumns(QStringLiteral("Produção"), colours::accumulatedHeader, productionNames);
    return spec;
}

// A block behind a left margin the window sets.
QSpacerItem* addWithMargin(QVBoxLayout* layout, QWidget* block, int stretch)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    auto* margin = new QSpacerItem(5, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    row->addSpacerItem(margin);
    row->addWidget(block);
    row->addStretch(1);
    layout->addLayout(row, stretch);
    return margin;
}

} // namespace

TabProducao::TabProducao(SourceBindings& bindings, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_Producao"));
    QWidget* page = scrollingPage(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_Panel5 = titleBand(page, QStringLiteral("Panel5"), QStringLiteral("Análise de Resultado da Produção do dia "));
    layout->addWidget(m_Panel5);

    m_Panel_Principal = new QWidget(page);
    m_Panel_Principal->setObjectName(QStringLiteral("Panel_Principal"));
    m_Panel_Principal->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    layout->addWidget(m_Panel_Principal, 1);
    auto* principal = new QVBoxLayout(m_Panel_Principal);
    principal->setContentsMargins(0, 4, 0, 4);
    principal->setSpacing(8);

    m_Panel1 = new QWidget(m_Panel_Principal);
    m_Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* day = new QVBoxLayout(m_Panel1);
    day->setContentsMargins(0, 0, 0, 0);
    day->setSpacing(2);
    auto* strip = new QHBoxLayout;
    m_warning = valueCell(m_Panel1, bindings, QStringLiteral("DTS_Industrializado"), QStringLiteral("MSG_ADVERTENCIA"));
    m_warning->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_warning->setAutoFillBackground(false);
    QPalette red = m_warning->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_warning->setPalette(red);
    QFont bold = m_warning->font();
    bold.setBold(true);
    m_warning->setFont(bold);
    strip->addWidget(m_warning, 1);
    m_cbTipoProcesso = new QComboBox(m_Panel1);
    m_cbTipoProcesso->setObjectName(QStringLiteral("cbTipoProcesso"));
    m_cbTipoProcesso->addItems({QStringLiteral("Todos"), QStringLiteral("Desossa"), QStringLiteral("Embutidos"),
                                QStringLiteral("Industrializados"), QStringLiteral("Quarteio")});
    m_cbTipoProcesso->setCurrentIndex(0);
    strip->addWidget(m_cbTipoProcesso);
    day->addLayout(strip);
    m_day = std::make_unique<ResultBlock>(buildResultBlock(m_Panel1, bindings, dayBlockSpec()));
    m_day->widget->setObjectName(QStringLiteral("Panel_Dia"));
    day->addWidget(m_day->widget, 1);
    m_Panel1->setFixedWidth(m_day->widget->width());
    connect(m_day->rows, &ui::RecordPanel::itemClicked, this, [this](const QString& item) {
        if (item == QLatin1String("DBText30"))
            Q_EMIT familyClicked();
    });
    m_dayMargin = addWithMargin(principal, m_Panel1, 1);

    const ResultBlock period = buildResultBlock(m_Panel_Principal, bindings, periodBlockSpec());
    m_DBCtrlGrid7 = period.rows;
    m_Panel339 = new QWidget(m_Panel_Principal);
    m_Panel339->setObjectName(QStringLiteral("Panel339"));
    auto* periodLayout = new QVBoxLayout(m_Panel339);
    periodLayout->setContentsMargins(0, 0, 0, 0);
    m_Shape1 = framedBlock(m_Panel339, QStringLiteral("Shape1"), QStringLiteral("Acumulado no Período"), period.widget);
    periodLayout->addWidget(m_Shape1);
    m_Panel339->setFixedSize(m_Shape1->size());
    m_periodMargin = addWithMargin(principal, m_Panel339, 0);
}

TabProducao::~TabProducao() = default;

QWidget* TabProducao::Panel347() const
{
    return m_day->rowsArea;
}

ui::RecordPanel* TabProducao::DBCtrlGrid1() const
{
    return m_day->rows;
}

void TabProducao::setLeftMargins(int dayBlock, int periodBlock)
{
    m_dayMargin->changeSize(dayBlock, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    m_periodMargin->changeSize(periodBlock, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    m_Panel_Principal->layout()->invalidate();
    m_Panel_Principal->layout()->activate();
}

int TabProducao::dayBlockMargin() const
{
    return m_dayMargin->sizeHint().width();
}

int TabProducao::periodBlockMargin() const
{
    return m_periodMargin->sizeHint().width();
}

void TabProducao::setDayRows(int rows)
{
    setRows(*m_day, rows);
}

} // namespace custos::dayproc
