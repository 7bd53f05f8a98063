#include "TabAbateBovinos.h"

#include "ClickLabel.h"
#include "RecordPanel.h"
#include "ResultBlock.h"
#include "SlaughterColumns.h"
#include "SourceBindings.h"
#include "SummaryCells.h"

#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace custos::dayproc {

namespace {

const QString aproveitamento = QStringLiteral("Aproveitamento");

SlaughterLine line(const char* caption, const char* field, const char* total, const QColor& background = colours::cell,
                   const char* unit = "")
{
    const QString t = QString::fromLatin1(total);
    return SlaughterLine{QString::fromLatin1(field), QString::fromUtf8(caption), background, background,
                         QString::fromLatin1(field), t, t, QString::fromUtf8(unit)};
}

SlaughterLines cattleLines()
{
    SlaughterLine aproveitamentoLine = line("Aproveitamento(-)", "VALOR_APROVEITAMENTO_CB", "");
    aproveitamentoLine.name = aproveitamento;
    aproveitamentoLine.accumulatedTotal = QStringLiteral("T_VALOR_APROVEITAMENTO_CB");
    return SlaughterLines{colours::dayHeader, colours::accumulatedHeader, {
        line("Cabeças", "CABECAS", "T_CABECAS"),
        line("Peso Total", "PESO", "T_PESO"),
        line("Kg / Cabeça", "PESO_CABECA", "T_PESO_CABECA"),
        line("@ / Cabeça", "ARROBA_CABECA", "T_ARROBA_CABECA"),
        line("Total Compra", "VALOR_COMPRA", "T_VALOR_COMPRA"),
        line("Créditos", "CREDITOS", "T_CREDITOS"),
        line("Compra Líquida", "LIQUIDO_COMPRA", "T_LIQUIDO_COMPRA", colours::netPurchase),
        line("Comissão", "VALOR_COMISSAO_CB", "T_VALOR_COMISSAO_CB"),
        line("Frete", "VALOR_FRETE_CB", "T_VALOR_FRETE_CB"),
        aproveitamentoLine,
        line("Total", "CUSTO_TOTAL", "T_CUSTO_TOTAL"),
        line("", "VALOR_COMPRA_CB", "T_VALOR_COMPRA_CB", colours::dayHeader, "Cb"),
        line("", "VALOR_COMPRA_ARR", "T_VALOR_COMPRA_ARR", colours::dayHeader, "@"),
        line("", "VALOR_COMPRA_KG", "T_VALOR_COMPRA_KG", colours::dayHeader, "Kg"),
    }};
}

ui::RecordPanel* speciesPanel(QWidget* parent, const char* name, SourceBindings& bindings, const char* source,
                              const SlaughterLines& lines, SlaughterColumn column)
{
    auto* panel = new ui::RecordPanel(ui::RecordPanel::Orientation::Horizontal, parent);
    panel->setObjectName(QString::fromLatin1(name));
    addSpeciesItems(panel, lines, column);
    bindings.add(panel, QString::fromLatin1(source));
    return panel;
}

QWidget* byProductBlock(QWidget* parent, SourceBindings& bindings, QWidget*& panel230, QWidget*& panel232)
{
    auto* block = new QWidget(parent);
    block->setObjectName(QStringLiteral("Panel306"));
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 4, 0, 0);

    ResultBlockSpec oneLine;
    oneLine.source = QStringLiteral("DTS_AbateProduto");
    oneLine.totalsCaption = QStringLiteral("Miúdos e \nSubprodutos");
    oneLine.columns = productColumns(QStringLiteral("Produção"), colours::dayHeader,
                                     {QStringLiteral("TOTAL_"), QStringLiteral("RESULTADO_GERAL"),
                                      QStringLiteral("TOTAL_"), QStringLiteral("RESULTADO_GERAL")});
    panel230 = buildResultBlock(block, bindings, oneLine).widget;
    panel230->setObjectName(QStringLiteral("Panel230"));
    layout->addWidget(panel230, 0, Qt::AlignLeft);

    ResultBlockSpec detailed;
    detailed.source = QStringLiteral("DTS_Abate_Produto_Nivel2");
    detailed.panelName = QStringLiteral("DBGrdDetalhado");
    detailed.rowsAreaName = QStringLiteral("Panel_DBGrdDetalhado");
    detailed.nameField = QStringLiteral("DESCRICAO_GRUPO");
    detailed.nameItem = QStringLiteral("DESCRICAO_GRUPO");
    detailed.rows = 5;
    detailed.columns = productColumns(QStringLiteral("Produção"), colours::dayHeader,
                                      {QStringLiteral("TOTAL_"), QStringLiteral("RESULTADO_GERAL"),
                                       QStringLiteral("GERAL_"), QStringLiteral("GERAL_RESULTADO")});
    QWidget* content = buildResultBlock(block, bindings, detailed).widget;
    panel232 = framedBlock(block, QStringLiteral("Panel232"), QStringLiteral("Resumo Geral do Abate"), content);
    layout->addWidget(panel232, 0, Qt::AlignLeft);
    return block;
}

} // namespace

TabAbateBovinos::TabAbateBovinos(SourceBindings& bindings, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_AbateBovinos"));
    QWidget* page = scrollingPage(this);
    const SlaughterLines lines = cattleLines();

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_Panel241 = titleBand(page, QStringLiteral("Panel241"),
                           QStringLiteral("Análise de Resultado do Abate de Bovinos do dia "));
    layout->addWidget(m_Panel241);

    m_Panel149 = new QWidget(page);
    m_Panel149->setObjectName(QStringLiteral("Panel149"));
    m_Panel149->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    const int linesHeight = int(lines.lines.size() + 1) * slaughterLineHeight;
    m_Panel149->setFixedHeight(linesHeight + QScrollBar(Qt::Horizontal).sizeHint().height() + 1);
    layout->addWidget(m_Panel149);

    m_Panel165 = buildCaptionColumn(m_Panel149, lines, captionWidth);
    m_Panel165->setObjectName(QStringLiteral("Panel165"));
    m_Label38 = new ClickLabel(QStringLiteral("Label38"), QStringLiteral("Mais detalhes..."), m_Panel165);
    m_Label38->setGeometry(0, 0, captionWidth, slaughterLineHeight);

    m_Panel337 = new QWidget(m_Panel149);
    m_Panel337->setObjectName(QStringLiteral("Panel337"));
    m_DBCtrlGrid5 = speciesPanel(m_Panel337, "DBCtrlGrid5", bindings, "DTS_Abate", lines, SlaughterColumn::Day);
    m_dayTotals = buildTotalsColumn(m_Panel337, bindings, QStringLiteral("DTS_Abate"), lines, SlaughterColumn::Day,
                                    dayTotalsWidth);

    m_Panel209 = new QWidget(m_Panel149);
    m_Panel209->setObjectName(QStringLiteral("Panel209"));
    m_DBCtrlGrid6 = speciesPanel(m_Panel209, "DBCtrlGrid6", bindings, "DTS_AbateAcumulado", lines,
                                 SlaughterColumn::Accumulated);
    m_accumulatedTotals = buildTotalsColumn(m_Panel209, bindings, QStringLiteral("DTS_AbateAcumulado"), lines,
                                            SlaughterColumn::Accumulated, accumulatedTotalsWidth);

    m_Panel306 = byProductBlock(page, bindings, m_Panel230, m_Panel232);
    layout->addWidget(m_Panel306, 0, Qt::AlignLeft);
    layout->addStretch(1);
}

void TabAbateBovinos::setAproveitamentoVisible(bool visible)
{
    for (const QWidget* column : {m_Panel165, m_dayTotals, m_accumulatedTotals}) {
        for (QWidget* cell : lineCells(column, aproveitamento))
            cell->setVisible(visible);
    }
    m_DBCtrlGrid5->setItemVisible(QStringLiteral("VALOR_APROVEITAMENTO_CB"), visible);
    m_DBCtrlGrid6->setItemVisible(QStringLiteral("VALOR_APROVEITAMENTO_CB"), visible);
}

void TabAbateBovinos::placeBlocks(int dayWidth, int accumulatedWidth)
{
    const int height = m_Panel149->height();
    m_Panel165->move(0, 0);
    m_Panel337->setGeometry(captionWidth, 0, std::max(0, dayWidth), height);
    m_Panel209->setGeometry(captionWidth + std::max(0, dayWidth), 0, std::max(0, accumulatedWidth), height);
}

void TabAbateBovinos::placeGrids(int dayGridWidth, int accumulatedGridWidth)
{
    const int height = m_Panel149->height();
    const int day = std::max(0, dayGridWidth);
    const int accumulated = std::max(0, accumulatedGridWidth);
    m_DBCtrlGrid5->setGeometry(0, 0, day, height);
    m_dayTotals->move(day, 0);
    m_DBCtrlGrid6->setGeometry(0, 0, accumulated, height);
    m_accumulatedTotals->move(accumulated, 0);
}

} // namespace custos::dayproc
