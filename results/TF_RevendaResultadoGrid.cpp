// The product grid of F_RevendaResultado over CDS_ResultadoRevenda: the bands from the product
// to the result, the sums of the footer and of the group footers (shown when the user groups
// by "Documento"), the header colours (acquisition white, cost grey, revenue blue) and the one
// editable column, the price.

#include "TF_RevendaResultado.h"

#include "DataModule_Custo.h"
#include "DataSourceRows.h"
#include "ErrorDisplay.h"
#include "GridColumn.h"
#include "GridView.h"
#include "ResultGrids.h"

namespace custos::results {

using grid::GridBand;
using grid::GridColumn;
using grid::GridStyle;
using grid::GridView;
namespace Shared = grid::SharedStyles;

using namespace grids;

void TF_RevendaResultado::buildGrid(QWidget* page)
{
    GridView* v = newView(page, QStringLiteral("GridResultado"), &m_module.dataSource(QStringLiteral("DTS_ResultadoRevenda")));
    m_grid = v;
    v->setMultiSelect(true);
    v->setGroupByBox(true);
    v->setEnterActsAsDown(true);
    setSorting(v, {"ID_MERCADO", "CODIGO_PRODUTO"});
    const QStringList byDocument{QStringLiteral("DOCUMENTO")};
    const auto summed = [&](GridColumn* column, const char* format, const char* groupFormat) {
        sum(v, column, format, FooterOnly);
        v->model().addGroupSummary(
            {column, {}, QString::fromLatin1(groupFormat), Qt::AlignRight | Qt::AlignVCenter, byDocument});
    };

    addProductBand(v);

    GridBand* aquisicao = v->addBand(QStringLiteral("Aquisição"), QStringLiteral("BandAquisicao"));
    add(v, aquisicao, "DOCUMENTO", QStringLiteral("Documento"), 80);
    summed(add(v, aquisicao, "CAIXAS", QStringLiteral("Caixas"), 55), "#,0", "#,0");
    summed(add(v, aquisicao, "PESO", QStringLiteral("Peso"), 80), "#,0.0", "#,0.00");
    GridColumn* mercado = add(v, aquisicao, "ID_MERCADO", QStringLiteral("Mercado"), 50);
    mercado->setLookup(new grid::DataSourceRows(m_DTS_Mercado, v), QStringLiteral("Id"), QStringLiteral("Sigla"));

    GridBand* receita = v->addBand(QStringLiteral("Receita"), QStringLiteral("BandReceita"));
    receita->setHeaderStyle(Shared::cxStyle7());
    add(v, receita, "CIFRA", QStringLiteral("$"), 25)->setCanFocus(false);
    add(v, receita, "PRECO", QStringLiteral("Preço"), 60)->setContentStyle(GridStyle::colours(kLightYellow, Qt::black, true));
    GridColumn* original = add(v, receita, "PRECO_ORIGINAL", QStringLiteral("Original"), 38);
    original->setVisible(false);
    original->setContentStyle(Shared::cxStyle6());
    add(v, receita, "PRECO_UNITARIO", QStringLiteral("Unitário"), 60);
    summed(add(v, receita, "PRECO_TOTAL", QStringLiteral("Receita"), 100), "#,0.00", "#,0.00");
    for (GridColumn* column : v->model().columns())
        if (column->band() == receita)
            column->setHeaderStyle(column == original ? Shared::cxStyle6() : Shared::cxStyle7());
    receita->setWidth(245);

    GridBand* custo = v->addBand(QStringLiteral("Custo Revenda"), QStringLiteral("BandCustoRevenda"));
    custo->setHeaderStyle(Shared::cxStyle6());
    struct Cost
    {
        const char* field;
        const char* caption;
        bool acquisition;
    };
    const Cost costs[] = {{"VALOR_MERCADORIA_KG", "Mercadoria", true},
                          {"VALOR_FRETE_DESPESAS_KG", "Frete/Desp", true},
                          {"VALOR_IPI_KG", "(+) Ipi", true},
                          {"VALOR_ICMS_ST_KG", "(+) ST", true},
                          {"CREDITO_ICMS_KG", "(-) Icms", true},
                          {"CREDITO_ICMS_ST_KG", "(-) ST", true},
                          {"CREDITO_IPI_KG", "(-) Ipi", true},
                          {"CREDITO_PIS_COFINS_KG", "(-) Pis/Cofins", true},
                          {"VALOR_ACRESCIMO_KG", "(+) Despesas", true},
                          {"CUSTO_COMPRA_KG", "Custo Compra", false},
                          {"VALOR_MOD_KG", "M.O.", false},
                          {"VALOR_CIF_KG", "C.I.", false},
                          {"VALOR_EMBALAGEM_KG", "Embalagem", false},
                          {"CUSTO_REVENDA_KG", "/ Kg", false},
                          {"CUSTO_REVENDA", "Total", false}};
    for (const Cost& c : costs) {
        GridColumn* column = add(v, custo, c.field, QString::fromUtf8(c.caption), 70);
        column->setHeaderStyle(c.acquisition ? GridStyle::withBackground(Qt::white) : Shared::cxStyle6());
    }
    GridColumn* custoTotal = v->column(QStringLiteral("CUSTO_REVENDA"));
    custoTotal->setCanFocus(false);
    summed(custoTotal, "#,0.00", "#,0.00");

    addSaleBands(v, {SaleColumns::TotalsOnly, FooterAndGroups, byDocument});

    for (GridColumn* column : v->model().columns())
        column->setReadOnly(column->fieldName() != QLatin1String("PRECO"));
    connect(v, &GridView::cellDoubleClicked, this, [this](int sourceRow) {
        ui::guarded(this, [&] {
            m_grid->focusSourceRow(sourceRow);
            openDetail();
        });
    });
}

} // namespace custos::results
