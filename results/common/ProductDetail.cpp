#include "ProductDetail.h"

#include "DBLabel.h"
#include "DBXConnection.h"
#include "DataSet.h"
#include "DataModule_Custo.h"
#include "DataSource.h"
#include "DataSourceRows.h"
#include "DetailPanel.h"
#include "ErrorDisplay.h"
#include "GridColumn.h"
#include "GridView.h"
#include "Query.h"
#include "ResultsStatements.h"
#include "catalogue/Builder.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace custos::results {

namespace {

using data::FieldKind;

void footerSum(grid::GridView* view, grid::GridColumn* column)
{
    view->model().addFooterSummary({column, {}, QStringLiteral("#,0.00"), Qt::AlignRight | Qt::AlignVCenter, {}});
}

grid::GridColumn* add(grid::GridView* view, const char* field, const char* caption, int width)
{
    return view->addColumn(QString::fromLatin1(field), QString::fromUtf8(caption), nullptr, width, QString::fromLatin1(field));
}

data::DataSource* newSource(data::Query* q, const QString& name, QObject* owner)
{
    auto* s = new data::DataSource(q, owner);
    s->setObjectName(name);
    return s;
}

} // namespace

ProductDetail::ProductDetail(data::TDataModule_Custo& module, const ProductDetailLayout& layout,
                             const session::Statement& consumo, QWidget* parent)
    : QDialog(parent),
      m_module(module),
      m_product(&module.dataSource(QString::fromLatin1(layout.productSource))),
      m_layout(layout)
{
    setObjectName(QString::fromLatin1(layout.objectName));
    setWindowTitle(QString::fromUtf8(layout.caption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(820, 640);

    m_Q_Consumo = newQuery("Q_Consumo", consumo);
    data::catalogue::declareFields(*m_Q_Consumo, {
        {FieldKind::Float, 0, "", {"CODIGO_MATERIAL", "QUANTIDADE"}},
        {FieldKind::Text, 250, "", {"NOME"}},
        {FieldKind::Float, 0, "#,0.00", {"VALOR_TOTAL"}},
        {FieldKind::Float, 0, layout.averageCostFormat, {"CUSTO_MEDIO"}},
        {FieldKind::Text, 3, "", {"CODIGO_UNIDADE_MEDIDA"}},
    });
    m_DTS_Consumo = newSource(m_Q_Consumo, QStringLiteral("DTS_Consumo"), this);
    m_DTS_Grid = new data::DataSource(nullptr, this);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->verticalScrollBar()->setTracking(true);
    outer->addWidget(m_scroll);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Content"));
    content->setAutoFillBackground(true);
    QPalette white = content->palette();
    white.setColor(QPalette::Window, Qt::white);
    content->setPalette(white);
    auto* column = new QVBoxLayout(content);
    m_scroll->setWidget(content);

    m_sheet = new DetailSheet(m_product, content);
    column->addWidget(m_sheet);
    buildPricePanel(content);
    column->addWidget(m_pricePanel);
    buildPackagingPanel(content);
    column->addWidget(m_packagingPanel);
    column->addStretch(1);

    for (DetailPanel* panel : {m_pricePanel, m_packagingPanel})
        connect(panel->topLink(), &QLabel::linkActivated, this, [this] { scrollToTop(); });
}

ProductDetail::~ProductDetail() = default;

data::Query* ProductDetail::newQuery(const char* name, const session::Statement& statement)
{
    auto* q = new data::Query(&m_module.connection(), this);
    q->setObjectName(QString::fromLatin1(name));
    q->setSql(statement.text().split(QLatin1Char('\n')));
    return q;
}

data::Query* ProductDetail::addOrderQuery(const char* name, const session::Statement& statement)
{
    data::Query* q = newQuery(name, statement);
    data::catalogue::declareFields(*q, {
        {FieldKind::Text, 15, "", {"NUMERO_PEDIDO"}},
        {FieldKind::Timestamp, 0, "", {"DATA_FATURAMENTO"}},
        {FieldKind::Float, 0, "", {"CODIGO_CLIENTE"}},
        {FieldKind::Text, 60, "", {"RAZAO_SOCIAL"}},
        {FieldKind::Float, 0, "#,0.00", {"DESCONTO_CONTRATUAL", "VALOR_LIQUIDO", "QUANTIDADE", "PRECO_MEDIO",
                                         "VALOR_BRUTO"}},
    });
    // Q_PrecoMedio is shown through DTS_PrecoMedio.
    newSource(q, QStringLiteral("DTS_") + QString::fromLatin1(name).mid(2), this);
    return q;
}

void ProductDetail::buildPricePanel(QWidget* content)
{
    m_pricePanel = new DetailPanel(QStringLiteral("PanelPrecoMedio"),
                                   QStringLiteral("Demonstrativo de cáculo do preço médio"), m_layout.titleColour, content);
    m_pricePanel->setFixedHeight(m_layout.pricePanelHeight);
    auto* inicio = new ui::DBLabel(m_product, QStringLiteral("PRECO_DATA_INICIAL"));
    inicio->setObjectName(QStringLiteral("PRECO_DATA_INICIAL"));
    auto* fim = new ui::DBLabel(m_product, QStringLiteral("PRECO_DATA_FINAL"));
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
}

void ProductDetail::buildPackagingPanel(QWidget* content)
{
    m_packagingPanel = new DetailPanel(QStringLiteral("PanelConsumo"),
                                       QStringLiteral("Demonstrativo de consumo de embalagem"), m_layout.titleColour,
                                       content);
    m_packagingPanel->setMinimumHeight(180);
    grid::GridView* packaging = m_packagingPanel->grid();
    packaging->setSource(new grid::DataSourceRows(m_DTS_Consumo, packaging));
    add(packaging, "CODIGO_MATERIAL", "Material", 70);
    add(packaging, "NOME", "Descrição", 250);
    add(packaging, "QUANTIDADE", "Quantidade", 80);
    add(packaging, "CODIGO_UNIDADE_MEDIDA", "Und.", 40);
    auto total = [packaging] { footerSum(packaging, add(packaging, "VALOR_TOTAL", "Total", 90)); };
    if (m_layout.totalBeforeAverageCost)
        total();
    add(packaging, "CUSTO_MEDIO", "Custo Médio", 80);
    if (!m_layout.totalBeforeAverageCost)
        total();
}

void ProductDetail::addLines(const std::vector<DetailLine>& lines)
{
    for (const DetailLine& line : lines) {
        m_sheet->addLine(line);
        // "Detalhes..." of the revenue explains it by the orders, of the packaging by the consumption.
        if (line.link && line.name == QLatin1String("Receita"))
            connect(m_sheet->link(line.name), &QLabel::linkActivated, this, [this] { scrollToPricePanel(); });
        else if (line.link && line.name == QLatin1String("Embalagem"))
            connect(m_sheet->link(line.name), &QLabel::linkActivated, this, [this] { scrollToPackagingPanel(); });
    }
}

DetailLine ProductDetail::productLine()
{
    DetailLine produto = detailLine("Produto", "Produto", "CODIGO_PRODUTO");
    produto.total2 = QStringLiteral("DESCRICAO_PRODUTO");
    return produto;
}

DetailLine ProductDetail::revenueLine(const char* parameter)
{
    DetailLine receita = detailLine("Receita", "Receita", "PRECO_TOTAL", "PRECO_UNITARIO", parameter);
    receita.highlighted = receita.link = true;
    return receita;
}

DetailLine ProductDetail::packagingLine(const QString& parameterText)
{
    DetailLine embalagem = detailLine("Embalagem", "Embalagem", "VALOR_EMBALAGEM", "VALOR_EMBALAGEM_KG");
    embalagem.parameterText = parameterText;
    embalagem.link = true;
    return embalagem;
}

std::vector<DetailLine> ProductDetail::closingLines(const char* costCaption, const char* resultCaption)
{
    DetailLine resultado = detailLine("Resultado", resultCaption, "RESULTADO_TOTAL", "RESULTADO_TOTAL_KG");
    resultado.highlighted = true;
    return {
        detailLine("ICMS", "ICMS", "VALOR_ICMS", "VALOR_ICMS_KG", "P_ICMS_DEB"),
        detailLine("PisCofins", "PIS / Cofins", "VALOR_PIS_COFINS", "VALOR_PIS_COFINS_KG", "P_PIS_COFINS"),
        detailLine("OutrosTributos", "Outros Tributos", "VALOR_OUTROS_TRIBUTOS", "VALOR_OUTROS_TRIBUTOS_KG",
                   "P_OUTROS_TRIBUTOS"),
        detailLine("SeguroCarga", "Seguro Carga", "VALOR_SEGURO_CARGA", "VALOR_SEGURO_CARGA_KG", "P_SEGURO_CARGA"),
        detailLine("Frete", "Frete", "VALOR_FRETE", "VALOR_FRETE_KG", "P_FRETE"),
        detailLine("DespesaExportacao", "Despesas Exportação", "VALOR_DESPESA_EXPORTACAO", "VALOR_DESPESA_EXPORTACAO_KG",
                   "P_DESPESA_EXPORTACAO"),
        detailLine("ProcessoExportacao", "Processo Exportação", "VALOR_PROCESSO_EXPORTACAO",
                   "VALOR_PROCESSO_EXPORTACAO_KG", "P_PROCESSO_EXPORTACAO"),
        detailLine("Comissao", "Comissão", "VALOR_COMISSAO", "VALOR_COMISSAO_KG", "P_COMISSAO"),
        detailLine("Administrativo", "Administrativo", "VALOR_ADMINISTRATIVO", "VALOR_ADMINISTRATIVO_KG",
                   "P_ADMINISTRATIVO"),
        detailLine("CustoTotal", costCaption, "CUSTO_TOTAL", "CUSTO_TOTAL_KG"),
        resultado,
    };
}

void ProductDetail::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    ui::guarded(this, [this] { FormShow(); });
}

void ProductDetail::showOrders(data::Query* query, bool grossValue, const Binder& bind)
{
    m_pricePanel->grid()->column(QStringLiteral("VALOR_BRUTO"))->setVisible(grossValue);
    m_DTS_Grid->setDataSet(query);
    query->close();
    bind(query->params());
    query->open();
}

void ProductDetail::openConsumo(const Binder& bind)
{
    m_Q_Consumo->close();
    bind(m_Q_Consumo->params());
    m_Q_Consumo->open();
}

void ProductDetail::setPricePanelShown(bool shown)
{
    if (QLabel* link = m_sheet->link(QStringLiteral("Receita")))
        link->setVisible(shown);
    m_pricePanel->setVisible(shown);
    m_pricePanel->setFixedHeight(shown ? m_layout.pricePanelHeight : 1);
}

const data::DataSet& ProductDetail::product() const
{
    return *m_product->dataSet();
}

double ProductDetail::productField(const char* field) const
{
    return product().fieldByName(QString::fromLatin1(field)).asFloat();
}

void ProductDetail::bindSalesOrders(session::Params& params) const
{
    auto day = [this](const char* field) { return product().fieldByName(QString::fromLatin1(field)).value().toDateTime().date(); };
    params.setNumber(QStringLiteral("ID_UNIDADE"), productField("ID_UNIDADE"))
        .setDate(QStringLiteral("DATA_INICIAL"), day("PRECO_DATA_INICIAL"))
        .setDate(QStringLiteral("DATA_FINAL"), day("PRECO_DATA_FINAL"))
        .setNumber(QStringLiteral("ID_PRODUTO"), productField("SEQUENCIAL_PRODUTO"));
}

QDate ProductDetail::startOfRevenueRecords(double unit) const
{
    const session::Result result = m_module.connection().query(
        statements::DataInicioReceita, session::Params().setNumber(QStringLiteral("unidade"), unit));
    // A unit without a parameter row starts, as the statement does for an empty date, today.
    if (result.rowCount() == 0 || result.value(0, 0).isNull())
        return QDate::currentDate();
    return result.value(0, 0).toDateTime().date();
}

void ProductDetail::bindProductionOrder(session::Params& params, const QString& name, const QString& order)
{
    // Oracle converts the text where it meets the number column; the server here does not.
    bool isNumber = false;
    const double number = order.toDouble(&isNumber);
    bindOptionalNumber(params, name, isNumber ? QVariant(number) : QVariant());
}

void ProductDetail::bindOptionalNumber(session::Params& params, const QString& name, const QVariant& value)
{
    if (value.isNull())
        params.set(name, session::BindType::Number, QVariant());
    else
        params.setNumber(name, value.toDouble());
}

void ProductDetail::scrollToPricePanel()
{
    m_scroll->verticalScrollBar()->setValue(m_pricePanel->y());
}

void ProductDetail::scrollToPackagingPanel()
{
    m_scroll->verticalScrollBar()->setValue(m_packagingPanel->y());
}

void ProductDetail::scrollToTop()
{
    m_scroll->verticalScrollBar()->setValue(0);
}

} // namespace custos::results
