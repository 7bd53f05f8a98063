// The six grid views of F_IndustrializadoResultado laid out over the data module's production
// datasets: bands, columns, grouping levels, sorting, footers and group footers, colour marks
// and the shared styles. Every column but a price is read-only: the datasets of the inputs and
// of the production in process have no save rule, and neither has the restoration band.

#include "TF_IndustrializadoResultado.h"

#include "DataModule_Custo.h"
#include "DataSourceRows.h"
#include "GridColumn.h"
#include "GridView.h"
#include "PriceLock.h"
#include "ResultGrids.h"

namespace custos::results {

using grid::GridBand;
using grid::GridColumn;
using grid::GridStyle;
using grid::GridView;
namespace Shared = grid::SharedStyles;

using namespace grids;

namespace {

void readOnlyBut(GridView* v, const QString& editable)
{
    for (GridColumn* column : v->model().columns())
        column->setReadOnly(column->fieldName() != editable);
}

} // namespace

void TF_IndustrializadoResultado::buildMateriaPrima(QWidget* page)
{
    GridView* v = newView(page, QStringLiteral("GridMateriaPrima"),
                          &m_module.dataSource(QStringLiteral("DTS_MateriaPrima_DT")));
    m_gridMateriaPrima = v;
    v->setGroupByBox(true);
    v->setPostImmediately(true);
    v->setTabMovesBetweenCells(true);
    v->setEnterActsAsDown(true);
    groupBy(v, "P_ID_ORDEM_PRODUCAO", QStringLiteral("OP"), Qt::DescendingOrder);
    groupBy(v, "PROCESSO", QStringLiteral("Processo"));
    setSorting(v, {"PROCEDENCIA"});
    add(v, nullptr, "PROCEDENCIA", QStringLiteral("Procedência"), 160);
    add(v, nullptr, "METODO_CUSTO_MP", QStringLiteral("Origem Custo"), 110);
    add(v, nullptr, "DATA_CONSUMO", QStringLiteral("Data CMP"), 80);
    add(v, nullptr, "DOCUMENTO_ORIGEM", QStringLiteral("Documento"), 80);
    add(v, nullptr, "CODIGO_PRODUTO", QStringLiteral("Produto"), 60);
    add(v, nullptr, "DESCRICAO_PRODUTO", QStringLiteral("Descrição"), 220);
    sum(v, add(v, nullptr, "QUANTIDADE", QStringLiteral("Peças"), 60), "#,0", FooterAndGroups);
    GridColumn* peso = add(v, nullptr, "PESO", QStringLiteral("Peso"), 80);
    v->model().addFooterSummary({peso, {}, QStringLiteral("#,0.000"), Qt::AlignRight | Qt::AlignVCenter, {}});
    v->model().addGroupSummary({peso, {}, QStringLiteral("#,0.000"), Qt::AlignRight | Qt::AlignVCenter, {}});
    v->model().addGroupSummary(
        {peso, {}, QStringLiteral("#,0.00"), Qt::AlignRight | Qt::AlignVCenter, {QStringLiteral("PROCESSO")}});
    add(v, nullptr, "PESO_MEDIO", QStringLiteral("Peso Médio"), 70);
    add(v, nullptr, "RENDIMENTO", QStringLiteral("%"), 55);
    add(v, nullptr, "PRECO", QStringLiteral("Preço"), 65);
    sum(v, add(v, nullptr, "VALOR_TOTAL", QStringLiteral("Total"), 90), "#,0.00", FooterAndGroups);
    readOnlyBut(v, QStringLiteral("PRECO"));
    m_lockMateriaPrima = new PriceLock(v, QStringLiteral("PRECO"), QStringLiteral("CODIGO_METODO_CUSTO_MP"),
                                       QStringLiteral("CMP"), PriceLock::Match::Locks);
}

// "Outros Insumos" and "Produção em Elaboração": the same columns, read-only.
void TF_IndustrializadoResultado::buildInsumos(QWidget* page, const QString& objectName, const QString& source,
                                               const char* firstGroup, const char* secondGroup)
{
    GridView* v = newView(page, objectName, &m_module.dataSource(source));
    (secondGroup ? m_gridProducaoElaboracao : m_gridInsumos) = v;
    v->setGroupByBox(true);
    v->setEnterActsAsDown(true);
    groupBy(v, firstGroup, secondGroup ? QStringLiteral("Tipo") : QStringLiteral("OP"));
    if (secondGroup)
        groupBy(v, secondGroup, QStringLiteral("OP"));
    add(v, nullptr, "CODIGO_MATERIAL", QStringLiteral("Material"), 70);
    add(v, nullptr, "NOME_MATERIAL", QStringLiteral("Descrição"), 260);
    add(v, nullptr, "QUANTIDADE", QStringLiteral("Quantidade Consumida"), 120);
    add(v, nullptr, "CODIGO_UNIDADE_MEDIDA", QStringLiteral("Und"), 40);
    add(v, nullptr, "VALOR_UNITARIO", QStringLiteral("Unitário"), 80)->setContentStyle(GridStyle::withBackground(kLightYellow));
    sum(v, add(v, nullptr, "VALOR_TOTAL", QStringLiteral("Total"), 90), "#,0.00", FooterAndGroups);
    readOnlyBut(v, QString());
}

// Grouping levels as the window opens (production line, production order, process; the
// product group joins as the third level for process type "T"), sorting and the options the
// two product views share.
void TF_IndustrializadoResultado::configureProductView(GridView* v, bool processVisible)
{
    v->setMultiSelect(true);
    v->setGroupByBox(true);
    v->setEnterActsAsDown(true);
    groupBy(v, "LINHA_PRODUCAO", QStringLiteral("Linha Produção"));
    groupBy(v, "P_ID_ORDEM_PRODUCAO", QStringLiteral("OP"));
    GridColumn* processo = groupBy(v, "PROCESSO", QStringLiteral("Processo"));
    processo->setVisible(processVisible);
    GridColumn* grupo = add(v, nullptr, "DESCRICAO_GRUPO", QStringLiteral("Grupo"));
    grupo->setVisible(false);
    setSorting(v, {"TIPO_GRUPO", "ID_MERCADO", "PROCESSO", "CODIGO_PRODUTO", "P_ID_ORDEM_PRODUCAO", "LINHA_PRODUCAO"});
    readOnlyBut(v, QStringLiteral("PRECO"));
    connect(v, &GridView::cellDoubleClicked, this, [this] { DetalhesResultado(); });
}

void TF_IndustrializadoResultado::buildCustoProdutos(QWidget* page)
{
    GridView* v = newView(page, QStringLiteral("GridCustoProdutos"), &m_module.dataSource(QStringLiteral("DTS_Resultado_DT")));
    m_gridCustoProdutos = v;
    addProductBands(v, m_DTS_Mercado, true, FooterAndGroups);

    addProductionCostBand(v, {{"VALOR_MATERIA_PRIMA_KG", "VALOR_MATERIA_PRIMA", "M.P."},
                              {"VALOR_MOD_KG", "VALOR_MOD", "M.O."},
                              {"VALOR_CIF_KG", "VALOR_CIF", "C.I."},
                              {"VALOR_INSUMO_KG", "VALOR_INSUMO", "Insumos"},
                              {"VALOR_EMBALAGEM_KG", "VALOR_EMBALAGEM", "Embalagem"},
                              {"VALOR_SERVICO_KG", "VALOR_SERVICO", "Serviços"}});

    // The yields are summed at the production-line and production-order levels only.
    GridBand* rendimento = v->addBand(QStringLiteral("Rendimento"), QStringLiteral("BandRendimento"));
    const QStringList yieldLevels{QStringLiteral("LINHA_PRODUCAO"), QStringLiteral("P_ID_ORDEM_PRODUCAO")};
    const std::pair<const char*, const char*> yields[] = {{"RENDIMENTO", "#,0.00 %"},
                                                          {"RENDIMENTO_PADRAO", "#,0.00 %"},
                                                          {"RENDIMENTO_PADRAO_PONDERADO", "#,0.00 %"},
                                                          {"RENDIMENTO_KG", "#,0.000"},
                                                          {"RENDIMENTO_VALOR", "#,0.00"}};
    const char* const yieldCaptions[] = {"Rend.", "Padrão", "Ponderado", "KG", "Valor"};
    for (std::size_t i = 0; i < std::size(yields); ++i) {
        GridColumn* c = add(v, rendimento, yields[i].first, QString::fromUtf8(yieldCaptions[i]), 70);
        if (i >= 3)
            c->setCanFocus(false);
        v->model().addGroupSummary(
            {c, {}, QString::fromLatin1(yields[i].second), Qt::AlignRight | Qt::AlignVCenter, yieldLevels});
    }

    GridBand* restauracao = v->addBand(QStringLiteral("Restauração Preço Médio"), QStringLiteral("BandRestauracao"));
    add(v, restauracao, "DATA_RESTAURACAO_PRECO", QStringLiteral("Data"), 110);
    add(v, restauracao, "USUARIO_RESTAURACAO_PRECO", QStringLiteral("Usuário"), 80);
    add(v, restauracao, "PRECO_ANTERIOR", QStringLiteral("Preço Anterior"), 80);
    restauracao->setVisible(false);

    configureProductView(v, false);
    m_lockCustoProdutos = new PriceLock(v, QStringLiteral("PRECO"), QStringLiteral("CRITERIO_RECEITA"));
}

void TF_IndustrializadoResultado::buildCondenacoes(QWidget* page)
{
    GridView* v = newView(page, QStringLiteral("GridCondenacoes"),
                          &m_module.dataSource(QStringLiteral("DTS_CondenacaoDesossa")));
    m_gridCondenacoes = v;
    v->setEditable(false);
    v->setGroupByBox(true);
    groupBy(v, "OP", QStringLiteral("OP"));
    setSorting(v, {"CODIGO_PRODUTO", "OP"});
    addCondemnationBands(v, false);
}

void TF_IndustrializadoResultado::buildResultadoProjetado(QWidget* page)
{
    GridView* v = newView(page, QStringLiteral("GridResultadoProjetado"),
                          &m_module.dataSource(QStringLiteral("DTS_Resultado_DT")));
    m_gridResultadoProjetado = v;
    v->model().setGroupFooterMode(grid::GroupTree::FooterMode::Hidden);
    addProductBands(v, m_DTS_Mercado, false, FooterAndGroups);
    const CostComponent production[] = {{"VALOR_MATERIA_PRIMA_KG", "VALOR_MATERIA_PRIMA", "M.P."},
                                        {"VALOR_MOD_KG", "VALOR_MOD", "M.O."},
                                        {"VALOR_CIF_KG", "VALOR_CIF", "C.I."},
                                        {"VALOR_INSUMO_KG", "VALOR_INSUMO", "Insumos"},
                                        {"VALOR_EMBALAGEM_KG", "VALOR_EMBALAGEM", "Embalagem"},
                                        {"VALOR_SERVICO_KG", "VALOR_SERVICO", "Serviços"},
                                        {"CUSTO_INDUSTRIAL_KG", "CUSTO_INDUSTRIAL", "/ Kg"},
                                        {"CUSTO_INDUSTRIAL", "CUSTO_INDUSTRIAL", "Total"}};
    GridBand* custo = v->addBand(QStringLiteral("Custo Produção"));
    custo->setHeaderStyle(Shared::cxStyle6());
    for (const CostComponent& c : production) {
        GridColumn* column = add(v, custo, c.perKgField, QString::fromUtf8(c.caption), 70);
        column->setContentStyle(Shared::cxStyle8());
        sum(v, column, "#,0.00", FooterOnly, c.totalField);
    }
    addSaleBands(v, {SaleColumns::Every, FooterOnly, {}});
    configureProductView(v, true);
    m_lockResultadoProjetado = new PriceLock(v, QStringLiteral("PRECO"), QStringLiteral("CRITERIO_RECEITA"));
}

} // namespace custos::results
