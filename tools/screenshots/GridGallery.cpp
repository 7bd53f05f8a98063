// The grid gallery: a banded, grouped product result with fixed left and right bands, footer
// and group footers and the shared styles, over sample slaughter products.

#include "Shot.h"

#include <GridColumn.h>
#include <GridView.h>
#include <MemoryRowSource.h>

#include <cmath>

namespace custos::screenshots {

namespace {

using namespace custos::grid;

struct Product
{
    const char* group;
    int code;
    const char* name;
    int market; // 1 MI, 2 ME
    double weight;
    double price;
    char criterion;
};

const Product products[] = {
    {"CORTES TRASEIRO", 1012, "Picanha resfriada", 1, 1840.350, 58.90, 'M'},
    {"CORTES TRASEIRO", 1015, "Alcatra completa", 1, 3120.800, 36.40, 'M'},
    {"CORTES TRASEIRO", 1018, "Contrafilé", 2, 4210.125, 39.75, 'R'},
    {"CORTES TRASEIRO", 1021, "Coxão mole", 1, 3980.600, 31.20, 'M'},
    {"CORTES TRASEIRO", 1022, "Coxão duro", 1, 2755.400, 28.60, 'M'},
    {"CORTES TRASEIRO", 1025, "Patinho", 2, 3310.900, 30.15, 'R'},
    {"CORTES TRASEIRO", 1027, "Maminha", 1, 980.250, 42.80, 'M'},
    {"CORTES TRASEIRO", 1030, "Fraldinha", 1, 1205.700, 34.90, 'M'},
    {"CORTES DIANTEIRO", 2003, "Acém", 1, 5120.000, 24.30, 'M'},
    {"CORTES DIANTEIRO", 2005, "Paleta", 1, 4380.450, 25.10, 'M'},
    {"CORTES DIANTEIRO", 2008, "Peito", 2, 2240.300, 21.70, 'R'},
    {"CORTES DIANTEIRO", 2011, "Músculo dianteiro", 1, 1875.150, 22.40, 'M'},
    {"CORTES DIANTEIRO", 2014, "Cupim", 1, 690.800, 33.60, 'M'},
    {"MIÚDOS", 3001, "Fígado", 1, 1320.400, 9.80, 'M'},
    {"MIÚDOS", 3004, "Coração", 2, 410.250, 11.20, 'R'},
    {"MIÚDOS", 3006, "Língua", 2, 365.900, 18.50, 'R'},
    {"MIÚDOS", 3009, "Rabo", 1, 520.600, 16.90, 'M'},
    {"MIÚDOS", 3012, "Mocotó", 1, 880.100, 6.40, 'M'},
    {"SUBPRODUTOS", 4002, "Sebo industrial", 1, 6240.000, 4.15, 'M'},
    {"SUBPRODUTOS", 4005, "Farinha de carne e osso", 1, 8930.500, 2.35, 'M'},
    {"SUBPRODUTOS", 4008, "Couro salgado", 2, 11250.000, 3.10, 'R'},
};

enum Field {
    GRUPO, CODIGO, PRODUTO, CAIXAS, PECAS, PESO, MERCADO, CIFRA, PRECO, CRITERIO, PRECO_TOTAL,
    MP_KG, MOD_KG, CIF_KG, EMB_KG, CUSTO_KG, CUSTO, MP, MOD, CIF, EMB, RESULTADO_KG, RESULTADO, MARGEM
};

MemoryRowSource* sampleProducts(QObject* parent)
{
    auto* s = new MemoryRowSource(parent);
    s->addField(QStringLiteral("DESCRICAO_GRUPO"), FieldKind::Text);
    s->addField(QStringLiteral("CODIGO_PRODUTO"), FieldKind::Integer);
    s->addField(QStringLiteral("DESCRICAO_PRODUTO"), FieldKind::Text);
    s->addField(QStringLiteral("CAIXAS"), FieldKind::Integer, QStringLiteral("#,0"));
    s->addField(QStringLiteral("PECAS"), FieldKind::Integer, QStringLiteral("#,0"));
    s->addField(QStringLiteral("PESO"), FieldKind::Number, QStringLiteral("#,0.000"));
    s->addField(QStringLiteral("ID_MERCADO"), FieldKind::Integer);
    s->addField(QStringLiteral("CIFRA"), FieldKind::Text);
    s->addField(QStringLiteral("PRECO"), FieldKind::Number, QStringLiteral("#,0.00"));
    s->addField(QStringLiteral("CRITERIO_RECEITA"), FieldKind::Text);
    s->addField(QStringLiteral("PRECO_TOTAL"), FieldKind::Number, QStringLiteral("#,0.00"));
    for (const char* f : {"VALOR_MATERIA_PRIMA_KG", "VALOR_MOD_KG", "VALOR_CIF_KG", "VALOR_EMBALAGEM_KG", "CUSTO_INDUSTRIAL_KG"})
        s->addField(QString::fromLatin1(f), FieldKind::Number, QStringLiteral("#,0.0000"));
    s->addField(QStringLiteral("CUSTO_INDUSTRIAL"), FieldKind::Number, QStringLiteral("#,0.00"));
    for (const char* f : {"VALOR_MATERIA_PRIMA", "VALOR_MOD", "VALOR_CIF", "VALOR_EMBALAGEM"})
        s->addField(QString::fromLatin1(f), FieldKind::Number, QStringLiteral("#,0.00"));
    s->addField(QStringLiteral("RESULTADO_TOTAL_KG"), FieldKind::Number, QStringLiteral("#,0.0000"));
    s->addField(QStringLiteral("RESULTADO_TOTAL"), FieldKind::Number, QStringLiteral("#,0.00"));
    s->addField(QStringLiteral("MARGEM_RESULTADO"), FieldKind::Number, QStringLiteral("#,0.00 %"));

    const int n = int(std::size(products));
    s->load(n, [](int r, int f) -> QVariant {
        const Product& p = products[r];
        const double mp = p.price * 0.58, mod = 1.35 + 0.02 * (p.code % 7), cif = 0.85 + 0.015 * (p.code % 5),
                     emb = p.group[0] == 'S' ? 0.05 : 0.42;
        const double cost = mp + mod + cif + emb;
        const int boxes = int(std::lround(p.weight / 22.5));
        switch (Field(f)) {
        case GRUPO: return QString::fromUtf8(p.group);
        case CODIGO: return p.code;
        case PRODUTO: return QString::fromUtf8(p.name);
        case CAIXAS: return boxes;
        case PECAS: return boxes * 12 + p.code % 9;
        case PESO: return p.weight;
        case MERCADO: return p.market;
        case CIFRA: return QStringLiteral("R$");
        case PRECO: return p.price;
        case CRITERIO: return QString(QLatin1Char(p.criterion));
        case PRECO_TOTAL: return p.weight * p.price;
        case MP_KG: return mp;
        case MOD_KG: return mod;
        case CIF_KG: return cif;
        case EMB_KG: return emb;
        case CUSTO_KG: return cost;
        case CUSTO: return cost * p.weight;
        case MP: return mp * p.weight;
        case MOD: return mod * p.weight;
        case CIF: return cif * p.weight;
        case EMB: return emb * p.weight;
        case RESULTADO_KG: return p.price - cost;
        case RESULTADO: return (p.price - cost) * p.weight;
        case MARGEM: return 100.0 * (p.price - cost) / p.price;
        }
        return {};
    });
    return s;
}

MemoryRowSource* sampleMarkets(QObject* parent)
{
    auto* s = new MemoryRowSource(parent);
    s->addField(QStringLiteral("Id"), FieldKind::Integer);
    s->addField(QStringLiteral("Sigla"), FieldKind::Text);
    s->load(2, [](int r, int f) -> QVariant {
        if (f == 0)
            return r + 1;
        return r == 0 ? QStringLiteral("MI") : QStringLiteral("ME");
    });
    return s;
}

std::unique_ptr<QWidget> productResultGrid()
{
    auto view = std::make_unique<GridView>();
    view->setObjectName(QStringLiteral("cxGrid2DBBandedTableView1"));
    MemoryRowSource* source = sampleProducts(view.get());
    MemoryRowSource* markets = sampleMarkets(view.get());

    view->setGroupByBox(true);
    view->setFooterVisible(true);
    view->setMultiSelect(true);
    view->setEnterActsAsDown(true);
    view->model().setGroupFooterMode(GridModel::FooterMode::Always);
    view->setGroupRowStyle(SharedStyles::cxStyle2());
    view->setFooterStyle(SharedStyles::cxStyle4());
    view->setInactiveSelectionStyle(SharedStyles::cxStyle20());

    GridBand* produto = view->addBand(QStringLiteral("Produto"));
    produto->setFixed(GridBand::Fixed::Left);
    GridBand* producao = view->addBand(QStringLiteral("Produção"));
    GridBand* receita = view->addBand(QStringLiteral("Receita"));
    receita->setHeaderStyle(SharedStyles::cxStyle7());
    GridBand* custo = view->addBand(QStringLiteral("Custo Produção"));
    custo->setHeaderStyle(SharedStyles::cxStyle6());
    GridBand* resultado = view->addBand(QStringLiteral("Resultado"));
    resultado->setFixed(GridBand::Fixed::Right);
    resultado->setMovable(false);

    GridColumn* grupo = view->addColumn(QStringLiteral("DESCRICAO_GRUPO"), QStringLiteral("Grupo"), produto);
    grupo->setVisible(false);
    view->addColumn(QStringLiteral("CODIGO_PRODUTO"), QStringLiteral("Código"), produto, 60);
    view->addColumn(QStringLiteral("DESCRICAO_PRODUTO"), QStringLiteral("Produto"), produto, 170);
    view->addColumn(QStringLiteral("CAIXAS"), QStringLiteral("Caixas"), producao, 52);
    view->addColumn(QStringLiteral("PECAS"), QStringLiteral("Peças"), producao, 56);
    view->addColumn(QStringLiteral("PESO"), QStringLiteral("Peso"), producao, 82);
    GridColumn* merc = view->addColumn(QStringLiteral("ID_MERCADO"), QStringLiteral("Merc"), producao, 48);
    merc->setLookup(markets, QStringLiteral("Id"), QStringLiteral("Sigla"));
    merc->setAlignment(Qt::AlignCenter);
    GridColumn* cifra = view->addColumn(QStringLiteral("CIFRA"), QStringLiteral("$"), receita, 26);
    cifra->setCanFocus(false);
    GridColumn* preco = view->addColumn(QStringLiteral("PRECO"), QStringLiteral("Preço"), receita, 62);
    GridColumn* criterio = view->addColumn(QStringLiteral("CRITERIO_RECEITA"), QStringLiteral("&"), receita, 22);
    criterio->setAlignment(Qt::AlignCenter);
    GridColumn* receitaTotal = view->addColumn(QStringLiteral("PRECO_TOTAL"), QStringLiteral("Receita"), receita, 92);
    receitaTotal->setContentStyle(SharedStyles::cxStyle7());
    for (GridColumn* c : {cifra, criterio})
        c->setReadOnly(true);

    struct CostColumn { const char* field; const char* caption; const char* valueField; };
    for (const CostColumn& c : {CostColumn{"VALOR_MATERIA_PRIMA_KG", "M.P.", "VALOR_MATERIA_PRIMA"},
                                CostColumn{"VALOR_MOD_KG", "M.O.", "VALOR_MOD"},
                                CostColumn{"VALOR_CIF_KG", "C.I.", "VALOR_CIF"},
                                CostColumn{"VALOR_EMBALAGEM_KG", "Embalagem", "VALOR_EMBALAGEM"}}) {
        GridColumn* col = view->addColumn(QString::fromLatin1(c.field), QString::fromUtf8(c.caption), custo, 78);
        col->setContentStyle(SharedStyles::cxStyle6());
        col->setReadOnly(true);
        const GridSummary sum{col, QString::fromLatin1(c.valueField), QStringLiteral("#,0.00"), Qt::AlignRight | Qt::AlignVCenter, {}};
        view->model().addFooterSummary(sum);
        view->model().addGroupSummary(sum);
    }
    GridColumn* custoKg = view->addColumn(QStringLiteral("CUSTO_INDUSTRIAL_KG"), QStringLiteral("/ Kg"), custo, 62);
    GridColumn* custoTotal = view->addColumn(QStringLiteral("CUSTO_INDUSTRIAL"), QStringLiteral("Total"), custo, 92);
    custoTotal->setCanFocus(false);
    for (GridColumn* c : {custoKg, custoTotal}) {
        c->setContentStyle(SharedStyles::cxStyle8());
        c->setFooterStyle(SharedStyles::cxStyle8());
        c->setReadOnly(true);
    }
    GridColumn* resKg = view->addColumn(QStringLiteral("RESULTADO_TOTAL_KG"), QStringLiteral("/Kg"), resultado, 62);
    GridColumn* resTotal = view->addColumn(QStringLiteral("RESULTADO_TOTAL"), QStringLiteral("Total"), resultado, 92);
    GridColumn* margem = view->addColumn(QStringLiteral("MARGEM_RESULTADO"), QStringLiteral("%"), resultado, 62);
    for (GridColumn* c : {resKg, resTotal}) {
        c->setContentStyle(GridStyle::colours(QColor(0x74, 0x74, 0x74), Qt::white, true));
        c->setReadOnly(true);
    }
    margem->setReadOnly(true);

    for (const char* f : {"CAIXAS", "PECAS"})
        for (bool footer : {true, false}) {
            const GridSummary s{view->column(QString::fromLatin1(f)), {}, QStringLiteral("#,0"), Qt::AlignRight | Qt::AlignVCenter, {}};
            footer ? view->model().addFooterSummary(s) : view->model().addGroupSummary(s);
        }
    for (const auto& [field, format] : {std::pair{"PESO", "#,0.000"}, std::pair{"PRECO_TOTAL", "#,0.00"},
                                        std::pair{"CUSTO_INDUSTRIAL", "#,0.00"}, std::pair{"RESULTADO_TOTAL", "#,0.00"}}) {
        const GridSummary s{view->column(QString::fromLatin1(field)), {}, QString::fromLatin1(format), Qt::AlignRight | Qt::AlignVCenter, {}};
        view->model().addFooterSummary(s);
        view->model().addGroupSummary(s);
    }

    // The price lock follows the row's revenue criterion.
    auto lock = [source, preco](int row) {
        const bool editable = source->value(row, CRITERIO).toString() == QLatin1String("M");
        preco->setReadOnly(!editable);
        preco->setContentStyle(editable ? GridStyle::colours(QColor(0xFF, 0xFF, 0x80), Qt::black, true)
                                        : SharedStyles::cxStyle7());
    };
    QObject::connect(view.get(), &GridView::rowAboutToReceiveFocus, preco, lock);

    view->setSource(source);
    view->model().setSorting({{QStringLiteral("ID_MERCADO")}, {QStringLiteral("CODIGO_PRODUTO")}});
    view->model().setGrouping({{grupo, Qt::AscendingOrder}});
    view->expandAll();
    view->focusFirstRow();
    return view;
}

} // namespace

std::vector<Shot> gridShots()
{
    return {{QStringLiteral("grid_gallery.png"), QSize(1360, 720), productResultGrid}};
}

} // namespace custos::screenshots
