#include "TabAbateSuinos.h"

#include "ClickLabel.h"
#include "RecordPanel.h"
#include "SlaughterColumns.h"
#include "SourceBindings.h"
#include "SummaryCells.h"

#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace custos::dayproc {

namespace {

constexpr int captionWidth = 111;
constexpr int totalsWidth = 124;
constexpr int speciesWidth = 106;
constexpr int dayColumns = 6;
constexpr int accumulatedColumns = 3;
constexpr int splitWidth = 9;

SlaughterLine line(const char* caption, const char* field, const char* total, const char* unit = "",
                   const QColor& background = colours::cell, const QColor& accumulated = colours::cell)
{
    const QString t = QString::fromLatin1(total);
    return SlaughterLine{QString::fromLatin1(field), QString::fromUtf8(caption), background, accumulated,
                         QString::fromLatin1(field), t, t, QString::fromUtf8(unit)};
}

SlaughterLine weight(const char* caption, const char* field, const char* total)
{
    return line(caption, field, total, "", colours::pigWeight, colours::pigWeight);
}

SlaughterLine silverInAccumulated(const char* field, const char* total, const char* unit)
{
    return line("", field, total, unit, colours::cell, colours::silver);
}

SlaughterLine total(const char* caption, const char* field, const char* totalField, const char* unit)
{
    return line(caption, field, totalField, unit, colours::dayHeader, colours::dayHeader);
}

SlaughterLines pigLines()
{
    return SlaughterLines{colours::dayHeader, colours::accumulatedHeader, {
        line("Peso Vivo", "PESO_VIVO", "T_PESO_VIVO"),
        line("Cabeças", "CABECAS_VIVO", "T_CABECAS_VIVO"),
        line("Kg / Cabeça", "PESO_VIVO_CABECA", "T_PESO_VIVO_CABECA"),
        weight("Peso Abatido", "PESO", "T_PESO"),
        weight("Cabeças", "CABECAS", "T_CABECAS"),
        weight("Kg / Cabeça", "PESO_CABECA", "T_PESO_CABECA"),
        line("Valor Compra", "VALOR_COMPRA", "T_VALOR_COMPRA"),
        line("Créd. Impostos", "CREDITOS", "T_CREDITOS", "(-)"),
        line("Líquido", "LIQUIDO_COMPRA", "T_LIQUIDO_COMPRA", "(=)"),
        silverInAccumulated("VALOR_COMPRA_CB", "T_VALOR_COMPRA_CB", "/ Cb"),
        silverInAccumulated("VALOR_COMPRA_KG", "T_VALOR_COMPRA_KG", "/ Kg"),
        line("Comissão", "VALOR_COMISSAO_CB", "T_VALOR_COMISSAO_CB"),
        line("Frete", "VALOR_FRETE_CB", "T_VALOR_FRETE_CB"),
        silverInAccumulated("SUBTOTAL_A_CB", "T_SUBTOTAL_A_CB", "/ Cb"),
        silverInAccumulated("SUBTOTAL_A_KG", "T_SUBTOTAL_A_KG", "/ Kg"),
        line("M.O.", "VALOR_MOD_CB", "T_VALOR_MOD_CB"),
        line("G.G.", "VALOR_CIF_CB", "T_VALOR_CIF_CB"),
        silverInAccumulated("SUBTOTAL_B_CB", "T_SUBTOTAL_B_CB", "/ Cb"),
        silverInAccumulated("SUBTOTAL_B_KG", "T_SUBTOTAL_B_KG", "/ Kg"),
        line("Aproveitamento", "VALOR_APROVEITAMENTO_CB", "T_VALOR_APROVEITAMENTO_CB", "(-)"),
        total("Total", "CUSTO_TOTAL_CB", "T_CUSTO_TOTAL_CB", "/ Cb"),
        total("", "CUSTO_TOTAL_KG", "T_CUSTO_TOTAL_KG", "/ Kg"),
    }};
}

ui::RecordPanel* speciesPanel(QWidget* parent, const char* name, SourceBindings& bindings, const char* source,
                              const SlaughterLines& lines, SlaughterColumn column, int columns, int height)
{
    auto* panel = new ui::RecordPanel(ui::RecordPanel::Orientation::Horizontal, parent);
    panel->setObjectName(QString::fromLatin1(name));
    addSpeciesItems(panel, lines, column);
    panel->setCellExtent(speciesWidth);
    panel->setPageCount(columns);
    panel->resize(columns * speciesWidth, height);
    bindings.add(panel, QString::fromLatin1(source));
    return panel;
}

} // namespace

TabAbateSuinos::TabAbateSuinos(SourceBindings& bindings, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_AbateSuinos"));
    QWidget* page = scrollingPage(this);
    const SlaughterLines lines = pigLines();
    const int height = int(lines.lines.size() + 1) * slaughterLineHeight +
                       QScrollBar(Qt::Horizontal).sizeHint().height() + 1;

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(titleBand(page, QStringLiteral("Panel153"), QStringLiteral("Análise de Resultado do Abate de Suínos")));

    auto* body = new QWidget(page);
    body->setObjectName(QStringLiteral("Panel_AbateSuinos"));
    body->setFixedHeight(height);
    body->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->addWidget(body);
    layout->addStretch(1);

    QWidget* captions = buildCaptionColumn(body, lines, captionWidth);
    m_Label44 = new ClickLabel(QStringLiteral("Label44"), QStringLiteral("Mais detalhes..."), captions);
    m_Label44->setGeometry(0, 0, captionWidth, slaughterLineHeight);
    QWidget* totals = buildTotalsColumn(body, bindings, QStringLiteral("DTS_Abate"), lines, SlaughterColumn::Day,
                                        totalsWidth);
    totals->move(captionWidth, 0);
    m_DBCtrlGrid3 = speciesPanel(body, "DBCtrlGrid3", bindings, "DTS_Abate", lines, SlaughterColumn::Day, dayColumns,
                                 height);
    m_DBCtrlGrid3->move(captionWidth + totalsWidth, 0);

    m_Panel_AbateAcumulado = new QWidget(body);
    m_Panel_AbateAcumulado->setObjectName(QStringLiteral("Panel_AbateAcumulado"));
    QPalette grey = m_Panel_AbateAcumulado->palette();
    grey.setColor(QPalette::Window, colours::pigAccumulatedBlock);
    m_Panel_AbateAcumulado->setPalette(grey);
    m_Panel_AbateAcumulado->setAutoFillBackground(true);
    auto* split = new QWidget(m_Panel_AbateAcumulado);
    split->setObjectName(QStringLiteral("Panel_Split"));
    split->setToolTip(QStringLiteral("Arraste para esquerda ou direita para conferência"));
    split->setGeometry(0, 0, splitWidth, height);
    m_DBCtrlGrid4 = speciesPanel(m_Panel_AbateAcumulado, "DBCtrlGrid4", bindings, "DTS_AbateAcumulado", lines,
                                 SlaughterColumn::Accumulated, accumulatedColumns, height);
    m_DBCtrlGrid4->move(splitWidth, 0);
    QWidget* accumulatedTotals = buildTotalsColumn(m_Panel_AbateAcumulado, bindings,
                                                   QStringLiteral("DTS_AbateAcumulado"), lines,
                                                   SlaughterColumn::Accumulated, totalsWidth);
    accumulatedTotals->move(splitWidth + accumulatedColumns * speciesWidth, 0);
    m_Panel_AbateAcumulado->setGeometry(accumulatedLeft, 0,
                                        splitWidth + accumulatedColumns * speciesWidth + totalsWidth, height);
    m_Panel_AbateAcumulado->raise();
}

} // namespace custos::dayproc
