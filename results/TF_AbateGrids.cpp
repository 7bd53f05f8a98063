// The four grid views of F_Abate laid out over the data module's datasets: bands, columns,
// grouping, sorting, footers and group footers, colour marks and the shared styles.

#include "TF_Abate.h"

#include "DataModule_Custo.h"
#include "DataSourceRows.h"
#include "GridColumn.h"
#include "GridView.h"
#include "PriceLock.h"
#include "ResultGrids.h"

#include <tuple>

namespace custos::results {

using grid::GridBand;
using grid::GridColumn;
using grid::GridStyle;
using grid::GridSummary;
using grid::GridView;
namespace Shared = grid::SharedStyles;

using namespace grids;

void TF_Abate::buildCompra(QWidget* page)
{
    GridView* v = newView(page, QStringLiteral("GridCompra"), &m_module.dataSource(QStringLiteral("DTS_Compra")));
    m_gridCompra = v;
    v->setEditable(false);
    v->setEnterActsAsDown(true);
    groupBy(v, "GENERO", QStringLiteral("Gênero"));
    setSorting(v, {"ANIMAL", "CLASSIFICACAO"});
    add(v, nullptr, "ID_ORDEM_COMPRA", QStringLiteral("OC"), 60);
    add(v, nullptr, "NOME", QStringLiteral("Produtor"), 200);
    add(v, nullptr, "UF", QString(), 30);
    add(v, nullptr, "ANIMAL", QStringLiteral("Espécie"), 90);
    add(v, nullptr, "CLASSIFICACAO", QStringLiteral("Classificação"), 110);
    GridColumn* cabecas = add(v, nullptr, "CABECAS", QStringLiteral("Cabeças"), 60);
    v->model().addFooterSummary({cabecas, {}, QStringLiteral("#"), Qt::AlignRight | Qt::AlignVCenter, {}});
    v->model().addGroupSummary({cabecas, {}, QStringLiteral("#,0"), Qt::AlignRight | Qt::AlignVCenter, {}});
    sum(v, add(v, nullptr, "PESO", QStringLiteral("Peso"), 80), "#,0.0", FooterAndGroups);
    add(v, nullptr, "PESO_MEDIO", QStringLiteral("Peso Médio"), 70);
    GridColumn* valor = add(v, nullptr, "VALOR", QStringLiteral("Valor Compra"), 95);
    valor->setContentStyle(GridStyle::withBackground(kLightYellow));
    sum(v, valor, "#,0.00", FooterAndGroups);
    add(v, nullptr, "VALOR_ICMS_ORIGINAL", QStringLiteral("ICMS NF"), 80);
    for (const auto& [field, caption] : {std::pair{"CREDITO_ICMS", "ICMS"}, std::pair{"CREDITO_PIS_COFINS", "Pis/Cofins"},
                                         std::pair{"OUTROS_CREDITOS", "Outros Cred."}}) {
        GridColumn* credit = add(v, nullptr, field, QString::fromUtf8(caption), 80);
        credit->setContentStyle(Shared::cxStyle6());
        credit->setHeaderStyle(Shared::cxStyle6());
        credit->setFooterStyle(Shared::cxStyle6());
        sum(v, credit, "#,0.00", FooterAndGroups);
    }
    GridColumn* comissao = add(v, nullptr, "COMISSAO", QStringLiteral("Comissão"), 80);
    v->model().addFooterSummary({comissao, {}, QStringLiteral("#,0.00 "), Qt::AlignRight | Qt::AlignVCenter, {}});
    v->model().addGroupSummary({comissao, {}, QStringLiteral("#,0.00"), Qt::AlignRight | Qt::AlignVCenter, {}});
    sum(v, add(v, nullptr, "FRETE", QStringLiteral("Frete"), 80), "#,0.00", FooterAndGroups);
    GridColumn* total = add(v, nullptr, "CUSTO_TOTAL", QStringLiteral("Total"), 100);
    total->setContentStyle(GridStyle::withBackground(kLightCyan));
    v->model().addFooterSummary({total, {}, QStringLiteral("#,0.00"), Qt::AlignCenter, {}});
    v->model().addGroupSummary({total, {}, QStringLiteral("#,0.00"), Qt::AlignRight | Qt::AlignVCenter, {}});
    add(v, nullptr, "CUSTO_CABECA", QStringLiteral("/ Cabeça"), 80);
    add(v, nullptr, "CUSTO_KG", QStringLiteral("/ KG"), 70);
}

// Options, grouping and sorting the two product views share; every column but the price is
// read-only (the price lock decides for the price).
void TF_Abate::configureProductView(GridView* v)
{
    v->setMultiSelect(true);
    v->setGroupByBox(true);
    v->setEnterActsAsDown(true);
    groupBy(v, "DESCRICAO_GRUPO", QStringLiteral("Grupo"));
    setSorting(v, {"ID_MERCADO", "CODIGO_PRODUTO", "DESCRICAO_GRUPO"});
    for (GridColumn* column : v->model().columns())
        column->setReadOnly(column->fieldName() != QLatin1String("PRECO"));
    connect(v, &GridView::cellDoubleClicked, this, [this] { DetalhesAproveitamento(); });
}

void TF_Abate::buildCustoProdutos(QWidget* page)
{
    GridView* v = newView(page, QStringLiteral("GridCustoProdutos"), &m_module.dataSource(QStringLiteral("DTS_AbateProduto")));
    m_gridCustoProdutos = v;
    addProductBands(v, m_DTS_Mercado, true, FooterOnly);

    addProductionCostBand(v, {{"VALOR_MATERIA_PRIMA_KG", "VALOR_MATERIA_PRIMA", "M.P."},
                              {"VALOR_MOD_KG", "VALOR_MOD", "M.O."},
                              {"VALOR_CIF_KG", "VALOR_CIF", "C.I."},
                              {"VALOR_EMBALAGEM_KG", "VALOR_EMBALAGEM", "Embalagem"}});

    GridBand* rendimento = v->addBand(QStringLiteral("Rendimento"), QStringLiteral("BandRendimento"));
    GridColumn* rend = add(v, rendimento, "RENDIMENTO", QStringLiteral("Rend."), 65);
    v->model().addGroupSummary({rend, {}, QStringLiteral("#,0.000"), Qt::AlignRight | Qt::AlignVCenter, {}});
    add(v, rendimento, "RENDIMENTO_PADRAO", QStringLiteral("Padrão"), 65);
    add(v, rendimento, "RENDIMENTO_PADRAO_PONDERADO", QStringLiteral("Ponderado"), 70);

    GridBand* restauracao = v->addBand(QStringLiteral("Restauração Preço Médio"), QStringLiteral("BandRestauracao"));
    add(v, restauracao, "DATA_RESTAURACAO_PRECO", QStringLiteral("Data"), 110);
    add(v, restauracao, "USUARIO_RESTAURACAO_PRECO", QStringLiteral("Usuário"), 80);
    add(v, restauracao, "PRECO_ANTERIOR", QStringLiteral("Preço Anterior"), 80);
    restauracao->setVisible(false);

    configureProductView(v);
    m_lockCustoProdutos = new PriceLock(v, QStringLiteral("PRECO"), QStringLiteral("CRITERIO_RECEITA"));
}

void TF_Abate::buildCondenacoes(QWidget* page)
{
    GridView* v = newView(page, QStringLiteral("GridCondenacoes"),
                          &m_module.dataSource(QStringLiteral("DTS_CondenacaoMiudos")));
    m_gridCondenacoes = v;
    v->setEditable(false);
    setSorting(v, {"CODIGO_PRODUTO"});
    addCondemnationBands(v, true);
    for (GridColumn* column : v->model().columns())
        column->setCanFocus(false);
}

void TF_Abate::buildResultadoProjetado(QWidget* page)
{
    GridView* v = newView(page, QStringLiteral("GridResultadoProjetado"),
                          &m_module.dataSource(QStringLiteral("DTS_AbateProduto")));
    m_gridResultadoProjetado = v;
    addProductBands(v, m_DTS_Mercado, false, FooterOnly);
    GridBand* custo = v->addBand(QStringLiteral("Custo Produção"));
    custo->setHeaderStyle(Shared::cxStyle6());
    for (const auto& [caption, field, summed] :
         {std::tuple{"M.P.", "VALOR_MATERIA_PRIMA_KG", "VALOR_MATERIA_PRIMA"}, std::tuple{"M.O.", "VALOR_MOD_KG", "VALOR_MOD"},
          std::tuple{"C.I.", "VALOR_CIF_KG", "VALOR_CIF"}, std::tuple{"Embalagem", "VALOR_EMBALAGEM_KG", "VALOR_EMBALAGEM"},
          std::tuple{"/ Kg", "CUSTO_INDUSTRIAL_KG", ""}, std::tuple{"Total", "CUSTO_INDUSTRIAL", "CUSTO_INDUSTRIAL"}}) {
        GridColumn* column = add(v, custo, field, QString::fromUtf8(caption), 70);
        column->setContentStyle(Shared::cxStyle8());
        column->setFooterStyle(Shared::cxStyle8());
        if (*summed)
            sum(v, column, "#,0.00", FooterAndGroups, summed);
    }
    addSaleBands(v, {SaleColumns::AllButBandPerKg, FooterAndGroups, {}, false});
    configureProductView(v);
    m_lockResultadoProjetado = new PriceLock(v, QStringLiteral("PRECO"), QStringLiteral("CRITERIO_RECEITA"));
}

} // namespace custos::results
