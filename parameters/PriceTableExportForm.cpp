#include "PriceTableExportForm.h"

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "DataSource.h"
#include "ErrorDisplay.h"
#include "Field.h"
#include "Query.h"

#include <DataSourceRows.h>
#include <GridColumn.h>
#include <GridView.h>
#include <MessageBox.h>

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace custos::parameters {

namespace {

const QString kTabelaBase = QStringLiteral("Tabela Base");
const QStringList kBaseColumns{QStringLiteral("PRECO_MEDIO"), QStringLiteral("PRECO_BASE"),
                               QStringLiteral("STATUS_BASE")};

QLabel* bandTitle(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    label->setStyleSheet(QStringLiteral("background-color: #FF8000; color: white; font-weight: bold;"));
    label->setFixedHeight(18);
    return label;
}

} // namespace

PriceTableExportForm::PriceTableExportForm(data::TDataModule_Custo& module, ExportSource source,
                                           const QString& objectName, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_module(module), m_source(std::move(source)),
      m_products(&module.clientDataSet(QStringLiteral("CDS_") + m_source.productList)),
      m_tables(&module.clientDataSet(QStringLiteral("CDS_TabelaCusto")))
{
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("Exporta Tabela de Preços"));
    setFixedSize(947, 503);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    layout->addLayout(top);
    buildHeader(this, top);

    auto* selection = new QHBoxLayout;
    layout->addLayout(selection);
    const struct
    {
        const char* name;
        const char* hint;
        QStyle::StandardPixmap icon;
        Marking marking;
    } buttons[] = {{"MarcarTodas", "Marcar todas", QStyle::SP_DialogApplyButton, Marking::All},
                   {"DesmarcarTodas", "Desmarcar todas", QStyle::SP_DialogDiscardButton, Marking::None},
                   {"Inverter", "Inverter", QStyle::SP_BrowserReload, Marking::Invert}};
    for (const auto& b : buttons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(QString::fromUtf8(b.hint));
        button->setIcon(style()->standardIcon(b.icon));
        const Marking marking = b.marking;
        connect(button, &QToolButton::clicked, this, [this, marking] { ui::guarded(this, [&] { mark(marking); }); });
        selection->addWidget(button);
    }
    auto* title = new QLabel(QStringLiteral("Produtos Selecionados"), this);
    title->setObjectName(QStringLiteral("Label_ProdutosSelecionados"));
    title->setStyleSheet(QStringLiteral("color: #FF8000; font-weight: bold;"));
    selection->addSpacing(12);
    selection->addWidget(title);
    selection->addStretch();

    buildGrid();
    layout->addWidget(bandTitles());
    layout->addWidget(m_grid, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("btnCancelar"));
    cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    layout->addLayout(bottom);
    connect(ok, &QPushButton::clicked, this, ui::guardedSlot(this, &PriceTableExportForm::confirm));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    connect(m_tipo, &QComboBox::currentIndexChanged, this,
            ui::guardedSlot(this, &PriceTableExportForm::ComboBox_TipoCloseUp));
    connect(m_referencia, &QComboBox::currentIndexChanged, this,
            ui::guardedSlot(this, &PriceTableExportForm::ComboBox_TipoCloseUp));
    connect(m_tabela, &QComboBox::activated, this, ui::guardedSlot(this, &PriceTableExportForm::CarregaProdutos));
}

void PriceTableExportForm::buildHeader(QWidget* parent, QGridLayout* layout)
{
    int column = 0;
    for (const HeaderField& field : m_source.header) {
        auto* edit = new QLineEdit(field.text, parent);
        edit->setObjectName(field.objectName);
        edit->setEnabled(false);
        layout->addWidget(new QLabel(field.caption, parent), 0, column);
        layout->addWidget(edit, 1, column++);
    }
    m_tipo = new QComboBox(parent);
    m_tipo->setObjectName(QStringLiteral("ComboBox_Tipo"));
    m_tipo->addItems({QStringLiteral("Tabela de Custo"), kTabelaBase});
    m_tipo->setCurrentIndex(-1);
    m_referencia = new QComboBox(parent);
    m_referencia->setObjectName(QStringLiteral("ComboBox_Referencia"));
    m_referencia->addItems(m_source.figures);
    m_referencia->setCurrentIndex(-1);
    m_referencia->setMinimumContentsLength(28);
    m_referencia->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_tabela = new QComboBox(parent);
    m_tabela->setObjectName(QStringLiteral("LookupComboBox_Tabela"));
    m_tabela->setModel(new QStandardItemModel(0, 2, m_tabela));
    m_tabela->setModelColumn(1);
    m_tabela->setMinimumContentsLength(24);
    m_tabela->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (m_source.listsTableNumbers) {
        auto* view = new QTreeView(m_tabela);
        view->setRootIsDecorated(false);
        view->setHeaderHidden(false);
        m_tabela->setView(view);
        view->header()->setStretchLastSection(true);
        view->setColumnWidth(0, 60);
    }
    const std::pair<const char*, QComboBox*> combos[] = {
        {"Tipo de Tabela", m_tipo},
        {"Valor Referência", m_referencia},
        {m_source.listsTableNumbers ? "Tabela de Preços" : "Selecione a Tabela de Preços", m_tabela}};
    for (const auto& [caption, combo] : combos) {
        layout->addWidget(new QLabel(QString::fromUtf8(caption), parent), 2, column);
        layout->addWidget(combo, 3, column++);
    }
    layout->setColumnStretch(column, 1);
}

void PriceTableExportForm::buildGrid()
{
    m_grid = new grid::GridView(this);
    m_grid->setObjectName(QStringLiteral("cxGrid1DBTableView1"));
    m_grid->setRowIndicator(true);
    m_grid->setGroupByBox(false);
    m_grid->setPostImmediately(true);
    m_grid->setSource(new grid::DataSourceRows(
        &m_module.dataSource(QStringLiteral("DTS_") + m_source.productList), m_grid));
    const struct
    {
        const char* field;
        const char* caption;
        int width;
    } columns[] = {{"CODIGO_PRODUTO", "Produto", 60}, {"DESCRICAO_PRODUTO", "Descrição", 243},
                   {"CHECKBOX", "Executar", 62},      {"VALOR_REFERENCIA", "Calculado", 85},
                   {"PRECO", "Tabela", 85},           {"STATUS", "Ação", 70},
                   {"PRECO_MEDIO", "Preço Médio", 85}, {"PRECO_BASE", "Tabela", 85},
                   {"STATUS_BASE", "Ação", 70}};
    for (const auto& c : columns) {
        grid::GridColumn* column = m_grid->addColumn(QString::fromLatin1(c.field), QString::fromUtf8(c.caption),
                                                     nullptr, c.width);
        column->setMovable(false);
        column->setReadOnly(true);
    }
    grid::GridColumn* executar = m_grid->column(QStringLiteral("CHECKBOX"));
    executar->setReadOnly(false);
    executar->setCheckBox(1, 0);
    m_grid->column(QStringLiteral("VALOR_REFERENCIA"))->setContentStyle(grid::GridStyle::withBackground(QColor(0xFF, 0xFF, 0xE1)));
    for (const QString& field : kBaseColumns)
        m_grid->column(field)->setVisible(false);
}

// The orange titles over the cost columns and over the base columns.
QWidget* PriceTableExportForm::bandTitles()
{
    const auto widthOf = [this](std::initializer_list<const char*> fields) {
        int width = 0;
        for (const char* f : fields)
            width += m_grid->column(QString::fromLatin1(f))->width();
        return width;
    };
    auto* strip = new QWidget(this);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_panelCusto = bandTitle(QStringLiteral("Tabela de Custo"), QStringLiteral("Panel_TabelaCusto"), strip);
    m_panelBase = bandTitle(kTabelaBase, QStringLiteral("Panel_TabelaBase"), strip);
    m_panelBase->hide();
    m_panelCusto->setFixedWidth(widthOf({"VALOR_REFERENCIA", "PRECO", "STATUS"}));
    m_panelBase->setFixedWidth(widthOf({"PRECO_MEDIO", "PRECO_BASE", "STATUS_BASE"}));
    layout->addSpacing(m_grid->frameWidth() + m_grid->indicatorWidth() +
                       widthOf({"CODIGO_PRODUTO", "DESCRICAO_PRODUTO", "CHECKBOX"}));
    layout->addWidget(m_panelCusto);
    layout->addWidget(m_panelBase);
    layout->addStretch();
    return strip;
}

void PriceTableExportForm::showBaseColumns(bool shown)
{
    for (const QString& field : kBaseColumns)
        m_grid->column(field)->setVisible(shown);
    m_panelBase->setVisible(shown);
}

void PriceTableExportForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown || event->spontaneous())
        return;
    m_shown = true;
    m_products->close();
    m_tables->close();
}

void PriceTableExportForm::ComboBox_TipoCloseUp()
{
    m_products->close();
    if (m_tipo->currentIndex() < 0 || m_referencia->currentIndex() < 0)
        return;
    showBaseColumns(m_tipo->currentText() == kTabelaBase);
    openPriceTables(m_module, TableKind(m_tipo->currentIndex()));
    fillChooser();
}

void PriceTableExportForm::fillChooser()
{
    auto* model = static_cast<QStandardItemModel*>(m_tabela->model());
    model->clear();
    model->setHorizontalHeaderLabels({QStringLiteral("Número"), QStringLiteral("Descrição da Tabela.")});
    const int numero = m_tables->fieldByName(QStringLiteral("NUMERO")).index();
    const int descricao = m_tables->fieldByName(QStringLiteral("DESCRICAO")).index();
    for (int row = 0; row < m_tables->recordCount(); ++row)
        model->appendRow({new QStandardItem(m_tables->displayText(row, numero)),
                          new QStandardItem(m_tables->displayText(row, descricao))});
    m_tabela->setCurrentIndex(-1);
}

void PriceTableExportForm::CarregaProdutos()
{
    if (m_tipo->currentIndex() < 0 || m_referencia->currentIndex() < 0 || m_tabela->currentIndex() < 0 ||
        !m_tables->isActive())
        return;
    m_tables->setRecNo(m_tabela->currentIndex() + 1);
    const PriceTargets targets = currentTargets(*m_tables);
    openProductList(m_module, m_source.listSource(), targets, m_referencia->currentIndex());
    m_loadedTargets = targets;
}

void PriceTableExportForm::mark(Marking marking)
{
    if (!m_products->isActive())
        return;
    const int checkbox = m_products->fieldByName(QStringLiteral("CHECKBOX")).index();
    std::vector<int> rows;
    m_grid->model().forEachShownRow([&](int row) { rows.push_back(row); });
    for (const int row : rows) {
        const bool ticked = m_products->value(row, checkbox).toDouble() == 1;
        const bool tick = marking == Marking::All || (marking == Marking::Invert && !ticked);
        if (tick == ticked)
            continue;
        m_products->setRecNo(row + 1);
        m_products->edit();
        m_products->setCurrentValue(checkbox, tick ? 1 : 0);
        m_products->post();
    }
    if (!rows.empty())
        m_grid->focusFirstRow();
}

std::vector<TickedProduct> PriceTableExportForm::tickedProducts() const
{
    std::vector<TickedProduct> ticked;
    const data::DataSet& list = *m_products;
    const int checkbox = list.fieldByName(QStringLiteral("CHECKBOX")).index();
    m_grid->model().forEachShownRow([&](int row) {
        if (list.value(row, checkbox).toDouble() == 1)
            ticked.push_back(listedProduct(list, row));
    });
    return ticked;
}

void PriceTableExportForm::confirm()
{
    if (ui::showMessage(ui::MessageType::Confirmation, ui::MessageButtons::YesNo, publicationQuestion(), this) ==
            ui::MessageResult::Yes &&
        m_products->isActive()) {
        if (m_grid->isEditing() && !m_grid->commitEditing())
            return;
        m_grid->clearUserFilter();
        m_grid->focusFirstRow();
        PricePublisher(m_module).publish(tickedProducts(), m_loadedTargets, m_source.detalhes);
    }
    accept();
}

} // namespace custos::parameters
