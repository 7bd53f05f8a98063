#include "TF_AbateAproveitamentoDetalhe.h"

#include "ClientDataSet.h"
#include "DBLabel.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DataSource.h"
#include "DataSourceRows.h"
#include "DetailPanel.h"
#include "DetailSheet.h"
#include "ErrorDisplay.h"
#include "GridColumn.h"
#include "GridView.h"
#include "Query.h"
#include "catalogue/Builder.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace custos::results {

namespace {

const QString kDataInicio = QStringLiteral("select NVL(data_inicio_receita, trunc(sysdate)) data_inicio from velko_cst.parametros"
                                           " where id_unidade = :unidade");

const QString kPrecoMedio = QStringLiteral(R"sql(SELECT  numero_pedido,
data_faturamento,
codigo_cliente,
razao_social,
desconto_contratual,
valor_bruto,
valor_liquido,
quantidade,
round(valor_liquido / quantidade,2) preco_medio
FROM (
SELECT i.numero_pedido,
i.data_faturamento,
i.codigo_cliente,
c.razao_social,
i.desconto_contratual,
i.valor_bruto,
i.valor_liquido,
i.quantidade
FROM velko_cst.abate_preco_receita i,
velko_fin.cliente c
WHERE i.codigo_cliente          = c.codigo_cliente
AND i.sequencial_produto      = :id_produto
AND i.id_abate                = :id_abate
))sql");

// The gross value of an order line is computed inside and not returned; its rounded value
// gives the net value after the customer's smallest contractual discount.
const QString kPrecoMedioAntigo = QStringLiteral(R"sql(SELECT NUMERO_PEDIDO,
       DATA_FATURAMENTO,
       CODIGO_CLIENTE,
       RAZAO_SOCIAL,
       DESCONTO_CONTRATUAL,
       0 VALOR_BRUTO,
       VALOR_LIQUIDO,
       QUANTIDADE,
       ROUND(VALOR_LIQUIDO / QUANTIDADE, 2) PRECO_MEDIO
  FROM (SELECT NUMERO_PEDIDO,
               DATA_FATURAMENTO,
               CODIGO_CLIENTE,
               RAZAO_SOCIAL,
               DESCONTO_CONTRATUAL,
               VALOR_BRUTO * (1 - DESCONTO_CONTRATUAL / 100) VALOR_LIQUIDO,
               QUANTIDADE
          FROM (SELECT PD.NUMERO_PEDIDO,
                       PD.DATA_FATURAMENTO,
                       PD.CODIGO_CLIENTE,
                       C.RAZAO_SOCIAL,
                       ROUND(DECODE(M.CODIGO_UNIDADE_MEDIDA, 'KG', IT.QUANTIDADE_PESO - NVL(IT.QUANTIDADE_DEVOLVIDA, 0), IT.QUANTIDADE_EXPEDIDO)
                             * IT.VALOR_UNITARIO
                             * (1 - PD.DESCONTO_PROMOCIONAL / 100)
                             * (1 - PD.DESCONTO_CONCEDIDO / 100)
                             + (SELECT NVL(SUM(SP.VALOR_IPI), 0)
                                  FROM VELKO_MAT.NOTA_SAIDA N,
                                       VELKO_VEN.ITEM_SAIDA_PRODUTO SP
                                 WHERE N.SEQUENCIAL_NOTA_SAIDA = SP.SEQUENCIAL_NOTA_SAIDA
                                   AND N.SEQUENCIAL_PEDIDO = IT.SEQUENCIAL_PEDIDO
                                   AND SP.SEQUENCIAL_PRODUTO = IT.SEQUENCIAL_PRODUTO), 2) VALOR_BRUTO,
                       NVL((SELECT MIN(T.DESCONTO_INSTRUCAO)
                              FROM VELKO_VEN.CONDICAO_DESCONTO T
                             WHERE T.CODIGO_CLIENTE = PD.CODIGO_CLIENTE), 0) DESCONTO_CONTRATUAL,
                       DECODE(M.CODIGO_UNIDADE_MEDIDA, 'KG', DECODE(IT.QUANTIDADE_PESO, 0, 1, IT.QUANTIDADE_PESO),
                              DECODE(IT.QUANTIDADE_EXPEDIDO, 0, 1, IT.QUANTIDADE_EXPEDIDO)) QUANTIDADE
                  FROM VELKO_MAT.MATERIAL    M,
                       VELKO_VEN.PRODUTO     PR,
                       VELKO_FIN.CLIENTE     C,
                       VELKO_VEN.ITEM_PEDIDO IT,
                       VELKO_VEN.PEDIDO      PD
                 WHERE M.CODIGO_MATERIAL = PR.CODIGO_MATERIAL
                   AND PR.SEQUENCIAL_PRODUTO = IT.SEQUENCIAL_PRODUTO
                   AND IT.QUANTIDADE > 0
                   AND IT.SEQUENCIAL_PEDIDO = PD.SEQUENCIAL_PEDIDO
                   AND PD.CODIGO_EMPRESA = :ID_UNIDADE
                   AND PD.SITUACAO <> 'C'
                   AND C.CODIGO_CLIENTE = PD.CODIGO_CLIENTE
                   AND PD.DATA_FATURAMENTO BETWEEN :DATA_INICIAL AND :DATA_FINAL
                   AND IT.SEQUENCIAL_PRODUTO = :ID_PRODUTO)))sql");

const QString kConsumo = QStringLiteral(R"sql(SELECT codigo_material,
nome,
sum(quantidade) quantidade,
sum(round(quantidade * custo_unitario,2)) valor_total,
sum(round(quantidade * custo_unitario,2)) / decode(sum(quantidade),0,1,sum(quantidade)) custo_medio,
codigo_unidade_medida
FROM(
select P.codigo_produto,
P.descricao,
C.codigo_material,
M.nome,
C.quantidade,
M.codigo_unidade_medida,
C.custo_unitario
from velko_cst.consumo C,
velko_pcp.tabela_pcp OP,
velko_pcp.linha_producao L,
velko_mat.material M,
velko_ven.produto P
where M.codigo_material    = C.codigo_material
and P.sequencial_produto = C.sequencial_produto
and L.id_linha_producao  = OP.id_linha_producao
and OP.id_tabela_pcp     = C.id_ordem_producao
and C.id_unidade         = :id_unidade
and C.Id_Ordem_Producao  = :Id_Ordem_Producao
and C.sequencial_produto = :id_produto
and nvl(C.id_ordem_venda,0) = nvl(:id_ordem_venda,0)
and c.id_tabela_pcp is null
union all
select P.codigo_produto,
P.descricao,
C.codigo_material,
M.nome,
C.quantidade,
M.codigo_unidade_medida,
C.custo_unitario
from velko_cst.consumo C,
velko_pcp.tabela_pcp OP,
velko_pcp.linha_producao L,
velko_mat.material M,
velko_ven.produto P
where M.codigo_material    = C.codigo_material
and P.sequencial_produto = C.sequencial_produto
and L.id_linha_producao  = OP.id_linha_producao
and OP.id_tabela_pcp     = C.id_tabela_pcp
and C.id_unidade         = :id_unidade
and C.Id_Ordem_Producao  = :Id_Ordem_Producao
and C.sequencial_produto = :id_produto
and nvl(C.id_ordem_venda,0) = nvl(:id_ordem_venda,0)
)
GROUP BY codigo_material,
nome,
codigo_unidade_medida)sql");

using data::catalogue::FieldGroup;
using data::FieldKind;

data::Query* newQuery(data::TDataModule_Custo& module, const char* name, const QString& text, QObject* owner)
{
    auto* q = new data::Query(&module.connection(), owner);
    q->setObjectName(QString::fromLatin1(name));
    q->setSql(text.split(QLatin1Char('\n')));
    return q;
}

void declarePriceFields(data::Query& q)
{
    data::catalogue::declareFields(q, {
        {FieldKind::Text, 15, "", {"NUMERO_PEDIDO"}},
        {FieldKind::Timestamp, 0, "", {"DATA_FATURAMENTO"}},
        {FieldKind::Float, 0, "", {"CODIGO_CLIENTE"}},
        {FieldKind::Text, 60, "", {"RAZAO_SOCIAL"}},
        {FieldKind::Float, 0, "#,0.00", {"DESCONTO_CONTRATUAL", "VALOR_LIQUIDO", "QUANTIDADE", "PRECO_MEDIO",
                                         "VALOR_BRUTO"}},
    });
}

data::DataSource* newSource(data::Query* q, const char* name, QObject* owner)
{
    auto* s = new data::DataSource(q, owner);
    s->setObjectName(QString::fromLatin1(name));
    return s;
}

void footerSum(grid::GridView* view, grid::GridColumn* column)
{
    view->model().addFooterSummary({column, {}, QStringLiteral("#,0.00"), Qt::AlignRight | Qt::AlignVCenter, {}});
}

grid::GridColumn* add(grid::GridView* view, const char* field, const char* caption, int width)
{
    return view->addColumn(QString::fromLatin1(field), QString::fromUtf8(caption), nullptr, width, QString::fromLatin1(field));
}

} // namespace

QList<QPair<QString, QString>> TF_AbateAproveitamentoDetalhe::statements()
{
    return {{QStringLiteral("DataInicioReceita"), kDataInicio},
            {QStringLiteral("Q_PrecoMedio"), kPrecoMedio},
            {QStringLiteral("Q_PrecoMedioAntigo"), kPrecoMedioAntigo},
            {QStringLiteral("Q_Consumo"), kConsumo}};
}

TF_AbateAproveitamentoDetalhe::TF_AbateAproveitamentoDetalhe(data::TDataModule_Custo& module, const QDate& day,
                                                             QWidget* parent)
    : QDialog(parent), m_module(module), m_day(day)
{
    setObjectName(QStringLiteral("F_AbateAproveitamentoDetalhe"));
    setWindowTitle(QStringLiteral("Detalhes do Produto"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(820, 640);

    m_Q_PrecoMedio = newQuery(module, "Q_PrecoMedio", kPrecoMedio, this);
    m_Q_PrecoMedioAntigo = newQuery(module, "Q_PrecoMedioAntigo", kPrecoMedioAntigo, this);
    m_Q_Consumo = newQuery(module, "Q_Consumo", kConsumo, this);
    declarePriceFields(*m_Q_PrecoMedio);
    declarePriceFields(*m_Q_PrecoMedioAntigo);
    data::catalogue::declareFields(*m_Q_Consumo, {
        {FieldKind::Float, 0, "", {"CODIGO_MATERIAL", "QUANTIDADE"}},
        {FieldKind::Text, 250, "", {"NOME"}},
        {FieldKind::Float, 0, "#,0.00", {"VALOR_TOTAL"}},
        {FieldKind::Float, 0, "#,0.000", {"CUSTO_MEDIO"}},
        {FieldKind::Text, 3, "", {"CODIGO_UNIDADE_MEDIDA"}},
    });
    m_DTS_PrecoMedio = newSource(m_Q_PrecoMedio, "DTS_PrecoMedio", this);
    m_DTS_PrecoMedioAntigo = newSource(m_Q_PrecoMedioAntigo, "DTS_PrecoMedioAntigo", this);
    m_DTS_Consumo = newSource(m_Q_Consumo, "DTS_Consumo", this);
    m_DTS_Grid = new data::DataSource(nullptr, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->verticalScrollBar()->setTracking(true);
    layout->addWidget(m_scroll);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Content"));
    content->setAutoFillBackground(true);
    QPalette white = content->palette();
    white.setColor(QPalette::Window, Qt::white);
    content->setPalette(white);
    auto* column = new QVBoxLayout(content);
    m_scroll->setWidget(content);

    buildSheet(content);
    column->addWidget(m_sheet);

    m_pricePanel = new DetailPanel(QStringLiteral("PanelPrecoMedio"),
                                   QStringLiteral("Demonstrativo de cáculo do preço médio"), content);
    m_pricePanel->setFixedHeight(215);
    data::DataSource* produto = &module.dataSource(QStringLiteral("DTS_AbateProduto"));
    auto* inicio = new ui::DBLabel(produto, QStringLiteral("PRECO_DATA_INICIAL"));
    inicio->setObjectName(QStringLiteral("PRECO_DATA_INICIAL"));
    auto* fim = new ui::DBLabel(produto, QStringLiteral("PRECO_DATA_FINAL"));
    fim->setObjectName(QStringLiteral("PRECO_DATA_FINAL"));
    m_pricePanel->titleLine()->insertWidget(1, inicio);
    m_pricePanel->titleLine()->insertWidget(2, new QLabel(QStringLiteral("a")));
    m_pricePanel->titleLine()->insertWidget(3, fim);
    grid::GridView* prices = m_pricePanel->grid();
    prices->setSource(new grid::DataSourceRows(m_DTS_Grid, prices));
    add(prices, "NUMERO_PEDIDO", "Pedido", 80);
    add(prices, "DATA_FATURAMENTO", "Faturamento", 110);
    footerSum(prices, add(prices, "QUANTIDADE", "Quantidade", 80));
    footerSum(prices, add(prices, "VALOR_BRUTO", "Valor Bruto", 90));
    add(prices, "DESCONTO_CONTRATUAL", "Desconto Contratual", 90);
    footerSum(prices, add(prices, "VALOR_LIQUIDO", "Valor Liquido", 90));
    add(prices, "PRECO_MEDIO", "Preço Médio", 80);
    add(prices, "CODIGO_CLIENTE", "Cliente", 60);
    add(prices, "RAZAO_SOCIAL", "Razão Social", 200);
    prices->model().setSorting({{QStringLiteral("DATA_FATURAMENTO"), Qt::AscendingOrder}});
    column->addWidget(m_pricePanel);

    m_packagingPanel = new DetailPanel(QStringLiteral("PanelConsumo"),
                                       QStringLiteral("Demonstrativo de consumo de embalagem"), content);
    m_packagingPanel->setMinimumHeight(180);
    grid::GridView* packaging = m_packagingPanel->grid();
    packaging->setSource(new grid::DataSourceRows(m_DTS_Consumo, packaging));
    add(packaging, "CODIGO_MATERIAL", "Material", 70);
    add(packaging, "NOME", "Descrição", 250);
    add(packaging, "QUANTIDADE", "Quantidade", 80);
    add(packaging, "CODIGO_UNIDADE_MEDIDA", "Und.", 40);
    add(packaging, "CUSTO_MEDIO", "Custo Médio", 80);
    footerSum(packaging, add(packaging, "VALOR_TOTAL", "Total", 90));
    column->addWidget(m_packagingPanel);
    column->addStretch(1);

    connect(m_sheet->link(QStringLiteral("Receita")), &QLabel::linkActivated, this, [this] { scrollToPricePanel(); });
    connect(m_sheet->link(QStringLiteral("Embalagem")), &QLabel::linkActivated, this, [this] { scrollToPackagingPanel(); });
    for (DetailPanel* panel : {m_pricePanel, m_packagingPanel})
        connect(panel->topLink(), &QLabel::linkActivated, this, [this] { scrollToTop(); });
}

TF_AbateAproveitamentoDetalhe::~TF_AbateAproveitamentoDetalhe() = default;

void TF_AbateAproveitamentoDetalhe::buildSheet(QWidget* content)
{
    m_sheet = new DetailSheet(&m_module.dataSource(QStringLiteral("DTS_AbateProduto")), content);
    auto line = [](const char* name, const char* caption, const char* total, const char* perKg = "",
                   const char* parameter = "") {
        DetailLine l;
        l.name = QString::fromLatin1(name);
        l.caption = QString::fromUtf8(caption);
        l.total = QString::fromLatin1(total);
        l.perKg = QString::fromLatin1(perKg);
        l.parameter = QString::fromLatin1(parameter);
        return l;
    };
    DetailLine produto = line("Produto", "Produto", "CODIGO_PRODUTO");
    produto.total2 = QStringLiteral("DESCRICAO_PRODUTO");
    DetailLine receita = line("Receita", "Receita", "PRECO_TOTAL", "PRECO_UNITARIO", "P_CRITERIO_RECEITA");
    receita.highlighted = receita.link = true;
    // Raw material has no parameter of its own; under criterion "A" the column reads "N/A".
    DetailLine materiaPrima = line("MateriaPrima", "Matéria-Prima", "VALOR_MATERIA_PRIMA", "VALOR_MATERIA_PRIMA_KG");
    materiaPrima.parameterText = QStringLiteral("N/A");
    DetailLine embalagem = line("Embalagem", "Embalagem", "VALOR_EMBALAGEM", "VALOR_EMBALAGEM_KG");
    embalagem.parameterText = QStringLiteral("Ficha Técnica");
    embalagem.link = true;
    DetailLine resultado = line("Resultado", "", "RESULTADO_TOTAL", "RESULTADO_TOTAL_KG");
    resultado.highlighted = true;
    const DetailLine lines[] = {
        produto,
        line("Caixas", "Caixas", "CAIXAS"),
        line("Pecas", "Peças", "PECAS"),
        line("Peso", "Peso", "PESO"),
        receita,
        materiaPrima,
        line("MOD", "Mão de Obra Direta (MOD)", "VALOR_MOD", "VALOR_MOD_KG", "P_MOD_MIUDOS"),
        line("CIF", "Custo Indireto Fabricação (CIF)", "VALOR_CIF", "VALOR_CIF_KG", "P_CIF_MIUDOS"),
        embalagem,
        line("ICMS", "ICMS", "VALOR_ICMS", "VALOR_ICMS_KG", "P_ICMS_DEB"),
        line("PisCofins", "PIS / Cofins", "VALOR_PIS_COFINS", "VALOR_PIS_COFINS_KG", "P_PIS_COFINS"),
        line("OutrosTributos", "Outros Tributos", "VALOR_OUTROS_TRIBUTOS", "VALOR_OUTROS_TRIBUTOS_KG", "P_OUTROS_TRIBUTOS"),
        line("SeguroCarga", "Seguro Carga", "VALOR_SEGURO_CARGA", "VALOR_SEGURO_CARGA_KG", "P_SEGURO_CARGA"),
        line("Frete", "Frete", "VALOR_FRETE", "VALOR_FRETE_KG", "P_FRETE"),
        line("DespesaExportacao", "Despesas Exportação", "VALOR_DESPESA_EXPORTACAO", "VALOR_DESPESA_EXPORTACAO_KG",
             "P_DESPESA_EXPORTACAO"),
        line("ProcessoExportacao", "Processo Exportação", "VALOR_PROCESSO_EXPORTACAO", "VALOR_PROCESSO_EXPORTACAO_KG",
             "P_PROCESSO_EXPORTACAO"),
        line("Comissao", "Comissão", "VALOR_COMISSAO", "VALOR_COMISSAO_KG", "P_COMISSAO"),
        line("Administrativo", "Administrativo", "VALOR_ADMINISTRATIVO", "VALOR_ADMINISTRATIVO_KG", "P_ADMINISTRATIVO"),
        line("CustoTotal", "Resultado Líquido", "CUSTO_TOTAL", "CUSTO_TOTAL_KG"),
        resultado,
    };
    for (const DetailLine& line : lines)
        m_sheet->addLine(line);
}

void TF_AbateAproveitamentoDetalhe::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    ui::guarded(this, [this] { FormShow(); });
}

QDate TF_AbateAproveitamentoDetalhe::dataInicioReceita() const
{
    const data::ClientDataSet& produto = m_module.clientDataSet(QStringLiteral("CDS_AbateProduto"));
    const session::Result result = m_module.connection().query(
        kDataInicio,
        session::Params().setNumber(QStringLiteral("unidade"), produto.fieldByName(QStringLiteral("ID_UNIDADE")).asFloat()));
    // A unit without a parameter row starts, as the statement does for an empty date, today.
    if (result.rowCount() == 0 || result.value(0, 0).isNull())
        return QDate::currentDate();
    return result.value(0, 0).toDateTime().date();
}

void TF_AbateAproveitamentoDetalhe::FormShow()
{
    const data::ClientDataSet& produto = m_module.clientDataSet(QStringLiteral("CDS_AbateProduto"));
    openPrecoMedio(m_day >= dataInicioReceita());
    openConsumo();
    scrollToTop();

    const bool editablePrice = produto.fieldByName(QStringLiteral("CRITERIO_RECEITA")).asString() == QLatin1String("M");
    m_sheet->link(QStringLiteral("Receita"))->setVisible(editablePrice);
    m_pricePanel->setVisible(editablePrice);

    const bool credited = produto.fieldByName(QStringLiteral("CRITERIO_MIUDOS")).asString() == QLatin1String("A");
    for (const char* part : {"Total", "Kg"})
        m_sheet->part(QStringLiteral("MateriaPrima"), part)->setVisible(!credited);
    m_sheet->part(QStringLiteral("MateriaPrima"), "Texto")->setVisible(credited);
}

void TF_AbateAproveitamentoDetalhe::openPrecoMedio(bool revenueRecords)
{
    m_usesRevenueRecords = revenueRecords;
    const data::ClientDataSet& produto = m_module.clientDataSet(QStringLiteral("CDS_AbateProduto"));
    const double sequencial = produto.fieldByName(QStringLiteral("SEQUENCIAL_PRODUTO")).asFloat();
    m_pricePanel->grid()->column(QStringLiteral("VALOR_BRUTO"))->setVisible(revenueRecords);
    data::Query* q = revenueRecords ? m_Q_PrecoMedio : m_Q_PrecoMedioAntigo;
    m_DTS_Grid->setDataSet(q);
    q->close();
    if (revenueRecords) {
        const data::DataSet& abate = m_module.dataSet(QStringLiteral("CDS_Abate"));
        q->params()
            .setNumber(QStringLiteral("id_produto"), sequencial)
            .setNumber(QStringLiteral("id_abate"), abate.fieldByName(QStringLiteral("ID_ABATE")).asFloat());
    } else {
        q->params()
            .setNumber(QStringLiteral("ID_UNIDADE"), produto.fieldByName(QStringLiteral("ID_UNIDADE")).asFloat())
            .setDate(QStringLiteral("DATA_INICIAL"),
                     produto.fieldByName(QStringLiteral("PRECO_DATA_INICIAL")).value().toDateTime().date())
            .setDate(QStringLiteral("DATA_FINAL"),
                     produto.fieldByName(QStringLiteral("PRECO_DATA_FINAL")).value().toDateTime().date())
            .setNumber(QStringLiteral("ID_PRODUTO"), sequencial);
    }
    q->open();
}

void TF_AbateAproveitamentoDetalhe::openConsumo()
{
    const data::ClientDataSet& produto = m_module.clientDataSet(QStringLiteral("CDS_AbateProduto"));
    const QVariant contrato = produto.fieldByName(QStringLiteral("ID_CONTRATO")).value();
    m_Q_Consumo->close();
    session::Params& p = m_Q_Consumo->params();
    p.setNumber(QStringLiteral("id_produto"), produto.fieldByName(QStringLiteral("SEQUENCIAL_PRODUTO")).asFloat())
        .setNumber(QStringLiteral("id_unidade"), produto.fieldByName(QStringLiteral("ID_UNIDADE")).asFloat());
    // The order is the product's text of a number, compared with a number column: Oracle
    // converts it there, the server here does not, so it is bound as the number it reads.
    bool isNumber = false;
    const double ordem = produto.fieldByName(QStringLiteral("ID_ORDEM_PRODUCAO")).asString().toDouble(&isNumber);
    if (isNumber)
        p.setNumber(QStringLiteral("id_ordem_producao"), ordem);
    else
        p.set(QStringLiteral("id_ordem_producao"), session::BindType::Number, QVariant());
    if (contrato.isNull())
        p.set(QStringLiteral("id_ordem_venda"), session::BindType::Number, QVariant());
    else
        p.setNumber(QStringLiteral("id_ordem_venda"), contrato.toDouble());
    m_Q_Consumo->open();
}

void TF_AbateAproveitamentoDetalhe::scrollToPricePanel()
{
    m_scroll->verticalScrollBar()->setValue(m_pricePanel->y());
}

void TF_AbateAproveitamentoDetalhe::scrollToPackagingPanel()
{
    m_scroll->verticalScrollBar()->setValue(m_packagingPanel->y());
}

void TF_AbateAproveitamentoDetalhe::scrollToTop()
{
    m_scroll->verticalScrollBar()->setValue(0);
}

} // namespace custos::results
