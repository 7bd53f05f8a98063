#include "ResultGrids.h"

#include "DataSourceRows.h"
#include "GridBand.h"
#include "GridColumn.h"
#include "GridView.h"

#include <QVBoxLayout>
#include <vector>

namespace custos::results::grids {

using grid::GridBand;
using grid::GridColumn;
using grid::GridView;
namespace Shared = grid::SharedStyles;

GridView* newView(QWidget* page, const QString& objectName, data::DataSource* source)
{
    auto* view = new GridView(page);
    view->setObjectName(objectName);
    view->setSource(new grid::DataSourceRows(source, view));
    view->setGroupRowStyle(Shared::cxStyle2());
    view->setFooterStyle(Shared::cxStyle4());
    view->setInactiveSelectionStyle(Shared::cxStyle20());
    view->setFooterVisible(true);
    view->model().setGroupFooterMode(grid::GroupTree::FooterMode::Always);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    return view;
}

GridColumn* add(GridView* view, grid::GridBand* band, const char* field, const QString& caption, int width)
{
    return view->addColumn(QString::fromLatin1(field), caption, band, width, QString::fromLatin1(field));
}

void sum(GridView* view, GridColumn* column, const char* format, Sums where, const char* summed,
         Qt::Alignment alignment, const QStringList& groupFields)
{
    grid::GridSummary s{column, QString::fromLatin1(summed), QString::fromLatin1(format), alignment, {}};
    view->model().addFooterSummary(s);
    if (where == FooterAndGroups) {
        s.groupFields = groupFields;
        view->model().addGroupSummary(s);
    }
}

GridColumn* groupBy(GridView* view, const char* field, const QString& caption, Qt::SortOrder order)
{
    GridColumn* column = add(view, nullptr, field, caption);
    column->setVisible(false);
    view->model().groupBy(column, -1, order);
    return column;
}

void setSorting(GridView* view, std::initializer_list<const char*> fields)
{
    QList<grid::GridModel::SortField> sorting;
    for (const char* f : fields)
        sorting.append({QString::fromLatin1(f), Qt::AscendingOrder});
    view->model().setSorting(sorting);
}

void addProductBand(GridView* v)
{
    GridBand* produto = v->addBand(QStringLiteral("Produto"), QStringLiteral("BandProduto"));
    produto->setFixed(GridBand::Fixed::Left);
    add(v, produto, "CODIGO_PRODUTO", QStringLiteral("Código"), 55);
    add(v, produto, "DESCRICAO_PRODUTO", QStringLiteral("Produto"), 190);
}

void addCondemnationBands(GridView* v, bool greyTotal)
{
    GridBand* produto = v->addBand(QStringLiteral("Produto"), QStringLiteral("BandProduto"));
    add(v, produto, "CODIGO_PRODUTO", QStringLiteral("Código"), 55);
    add(v, produto, "DESCRICAO_PRODUTO", QStringLiteral("Produto"), 220);
    struct Part
    {
        const char* band;
        const char* pecas;
        const char* peso;
        const char* valor;
    };
    const Part parts[] = {{"Operacional", "PECAS_OPERACIONAL", "PESO_CONDENADO_OPERACIONAL", "VALOR_OPERACIONAL"},
                          {"Não Operacional", "PECAS_NAO_OPERACIONAL", "PESO_CONDENADO_NAO_OPERACIONAL",
                           "VALOR_NAO_OPERACIONAL"},
                          {"Total", "TOTAL_PECAS", "TOTAL_PESO", "TOTAL_VALOR"}};
    for (const Part& part : parts) {
        const bool grey = greyTotal && QLatin1String(part.band) == QLatin1String("Total");
        GridBand* band = v->addBand(QString::fromUtf8(part.band));
        const std::pair<const char*, const char*> columns[] = {{part.pecas, "#,0"}, {part.peso, "#,0.000"},
                                                               {part.valor, "#,0.00"}};
        const char* const captions[] = {"Peças", "Peso", "Valor"};
        for (std::size_t i = 0; i < 3; ++i) {
            GridColumn* c = add(v, band, columns[i].first, QString::fromUtf8(captions[i]), 85);
            if (grey)
                c->setContentStyle(Shared::cxStyle6());
            sum(v, c, columns[i].second, FooterOnly);
        }
    }
    for (GridColumn* column : v->model().columns())
        column->setReadOnly(true);
}

void addProductBands(GridView* v, data::DataSource* markets, bool originalColumn, Sums production)
{
    addProductBand(v);

    GridBand* producao = v->addBand(QStringLiteral("Produção"), QStringLiteral("BandProducao"));
    sum(v, add(v, producao, "CAIXAS", QStringLiteral("Caixas"), 55), "#,0", production);
    sum(v, add(v, producao, "PECAS", QStringLiteral("Peças"), 55), "#,0", production);
    sum(v, add(v, producao, "PESO", QStringLiteral("Peso"), 80), "#,0.000", production);
    GridColumn* mercado = add(v, producao, "ID_MERCADO", QStringLiteral("Merc"), 40);
    mercado->setLookup(new grid::DataSourceRows(markets, v), QStringLiteral("Id"), QStringLiteral("Sigla"));
    add(v, producao, "ID_CONTRATO", QStringLiteral("OV"), 50);

    GridBand* receita = v->addBand(QStringLiteral("Receita"), QStringLiteral("BandReceita"));
    receita->setHeaderStyle(Shared::cxStyle7());
    add(v, receita, "CIFRA", QStringLiteral("$"), 25)->setCanFocus(false);
    add(v, receita, "PRECO", QStringLiteral("Preço"), 60);
    if (originalColumn) {
        GridColumn* original = add(v, receita, "PRECO_ORIGINAL", QStringLiteral("Original"), 60);
        original->setVisible(false);
        original->setContentStyle(Shared::cxStyle6());
        original->setHeaderStyle(Shared::cxStyle6());
    }
    add(v, receita, "CRITERIO_RECEITA", QStringLiteral("&"), 20);
    add(v, receita, "PRECO_UNITARIO", QStringLiteral("Unitário"), 60);
    sum(v, add(v, receita, "PRECO_TOTAL", QStringLiteral("Receita"), 80), "#,0.00", FooterAndGroups);
}

void addProductionCostBand(GridView* v, std::initializer_list<CostComponent> components)
{
    GridBand* custo = v->addBand(QStringLiteral("Custo Produção"), QStringLiteral("BandCustoProducao"));
    custo->setHeaderStyle(Shared::cxStyle6());
    for (const CostComponent& component : components) {
        GridColumn* c = add(v, custo, component.perKgField, QString::fromUtf8(component.caption), 70);
        c->setContentStyle(Shared::cxStyle8());
        c->setFooterStyle(Shared::cxStyle8());
        sum(v, c, "#,0.00", FooterAndGroups, component.totalField);
    }
    GridColumn* custoKg = add(v, custo, "CUSTO_INDUSTRIAL_KG", QStringLiteral("/ Kg"), 60);
    custoKg->setContentStyle(Shared::cxStyle8());
    GridColumn* custoTotal = add(v, custo, "CUSTO_INDUSTRIAL", QStringLiteral("Total"), 85);
    custoTotal->setCanFocus(false);
    custoTotal->setContentStyle(Shared::cxStyle8());
    custoTotal->setFooterStyle(Shared::cxStyle8());
    sum(v, custoTotal, "#,0.00", FooterAndGroups);
}

void addSaleBands(GridView* v, const SaleSums& sums)
{
    struct Cost
    {
        const char* caption;
        const char* field;
        const char* total; // its total field; "" for none
    };
    struct Band
    {
        const char* caption;
        std::vector<Cost> columns;
    };
    const Band bands[] = {
        {"Impostos",
         {{"ICMS", "VALOR_ICMS_KG", "VALOR_ICMS"},
          {"Pis/Cofins", "VALOR_PIS_COFINS_KG", "VALOR_PIS_COFINS"},
          {"Outros", "VALOR_OUTROS_TRIBUTOS_KG", "VALOR_OUTROS_TRIBUTOS"},
          {"/ Kg", "CUSTO_IMPOSTOS_KG", "CUSTO_IMPOSTOS"},
          {"Total", "CUSTO_IMPOSTOS", "CUSTO_IMPOSTOS"}}},
        {"Despesas",
         {{"Seguro", "VALOR_SEGURO_CARGA_KG", "VALOR_SEGURO_CARGA"},
          {"Frete", "VALOR_FRETE_KG", "VALOR_FRETE"},
          {"Proc. Exp.", "VALOR_PROCESSO_EXPORTACAO_KG", "VALOR_PROCESSO_EXPORTACAO"},
          {"Desp.Exp.", "VALOR_DESPESA_EXPORTACAO_KG", "VALOR_DESPESA_EXPORTACAO"},
          {"Comissão", "VALOR_COMISSAO_KG", "VALOR_COMISSAO"},
          {"Adm.", "VALOR_ADMINISTRATIVO_KG", "VALOR_ADMINISTRATIVO"},
          {"/ Kg", "CUSTO_DESPESAS_KG", "CUSTO_DESPESAS"},
          {"Total", "CUSTO_DESPESAS", "CUSTO_DESPESAS"}}},
        {"Custo Total", {{"/ Kg", "CUSTO_TOTAL_KG", "CUSTO_TOTAL"}, {"Total", "CUSTO_TOTAL", "CUSTO_TOTAL"}}},
        {"Resultado",
         {{"/Kg", "RESULTADO_TOTAL_KG", "RESULTADO_TOTAL"},
          {"Total", "RESULTADO_TOTAL", "RESULTADO_TOTAL"},
          {"%", "MARGEM_RESULTADO", ""}}},
    };
    const grid::GridStyle taxTotal = grid::GridStyle::colours(QColor(0xC2, 0xC2, 0x85), Qt::white, true);
    const grid::GridStyle resultTotal = grid::GridStyle::colours(QColor(0x74, 0x74, 0x74), Qt::white, true);
    for (const Band& b : bands) {
        const QString caption = QString::fromUtf8(b.caption);
        GridBand* band = v->addBand(caption);
        if (caption == QLatin1String("Resultado")) {
            band->setFixed(GridBand::Fixed::Right);
            band->setMovable(false);
        }
        for (const Cost& c : b.columns) {
            GridColumn* column = add(v, band, c.field, QString::fromUtf8(c.caption), 70);
            const QString field = QString::fromLatin1(c.field);
            if (sums.markedTotals && field.startsWith(QLatin1String("CUSTO_IMPOSTOS")))
                column->setContentStyle(taxTotal);
            if (sums.markedTotals && field.startsWith(QLatin1String("RESULTADO_TOTAL")))
                column->setContentStyle(resultTotal);
            const QString total = QString::fromLatin1(c.total);
            const bool bandPerKg = c.caption[0] == '/';
            const bool summed = sums.summed == SaleColumns::Every || field == total
                                || (sums.summed == SaleColumns::AllButBandPerKg && !bandPerKg);
            if (!total.isEmpty() && summed)
                sum(v, column, "#,0.00", sums.where, c.total, Qt::AlignRight | Qt::AlignVCenter, sums.groupFields);
        }
    }
}

} // namespace custos::results::grids
