#include "TF_Menu.h"

#include "ErrorDisplay.h"

#include "ClickLabel.h"
#include "DBLabel.h"
#include "DataModule_Custo.h"
#include "PlannerCalendar.h"
#include "SourceBindings.h"
#include "SummaryCells.h"
#include "TabAbateBovinos.h"
#include "TabAbateSuinos.h"
#include "TabProducao.h"
#include "TabRevenda.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace custos::dayproc {

namespace {

constexpr int rightColumnWidth = 239;

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

TF_Menu::TF_Menu(QWidget* parent) : QMainWindow(parent), m_bindings(std::make_unique<SourceBindings>())
{
    setObjectName(QStringLiteral("F_Menu"));
    setWindowTitle(QStringLiteral("Análise de Resultados"));

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_PageControl_Menu = new QTabWidget(central);
    m_PageControl_Menu->setObjectName(QStringLiteral("PageControl_Menu"));
    m_abateBovinos = new TabAbateBovinos(*m_bindings);
    m_abateSuinos = new TabAbateSuinos(*m_bindings);
    m_producao = new TabProducao(*m_bindings);
    m_revenda = new TabRevenda(*m_bindings);
    m_PageControl_Menu->addTab(m_abateBovinos, QStringLiteral("Abate Bovinos"));
    m_PageControl_Menu->addTab(m_abateSuinos, QStringLiteral("Abate Suínos"));
    m_PageControl_Menu->addTab(m_producao, QStringLiteral("Produção"));
    m_PageControl_Menu->addTab(m_revenda, QStringLiteral("Mercadorias Revenda"));
    layout->addWidget(m_PageControl_Menu, 1);

    buildRightColumn(central);
    layout->addWidget(m_Panel129);
    setCentralWidget(central);

    // Each signal starts an operation: its errors are shown where it starts.
    connect(m_PageControl_Menu, &QTabWidget::currentChanged, this, ui::guardedSlot(this, &TF_Menu::AjustaLayout));
    connect(m_PlannerCalendar1, &PlannerCalendar::daySelected, this,
            ui::guardedSlot(this, &TF_Menu::PlannerCalendar1DaySelect));
    connect(m_producao->cbTipoProcesso(), &QComboBox::currentIndexChanged, this,
            ui::guardedSlot(this, &TF_Menu::FiltraTipoProcesso));
    connect(m_cxButton1, &QPushButton::clicked, this, ui::guardedSlot(this, &TF_Menu::cxButton1Click));
    connect(m_cxButton3, &QPushButton::clicked, this, ui::guardedSlot(this, &TF_Menu::cxButton3Click));
    connect(m_lblDesfazerCapturaPreco, &ClickLabel::clicked, this,
            ui::guardedSlot(this, &TF_Menu::lblDesfazerCapturaPrecoClick));
    connect(m_lblHistoricoGeracaoFechamento, &ClickLabel::clicked, this,
            ui::guardedSlot(this, &TF_Menu::lblHistoricoGeracaoFechamentoClick));
    connect(m_abateBovinos->Label38(), &ClickLabel::clicked, this, ui::guardedSlot(this, &TF_Menu::Label38Click));
    connect(m_abateSuinos->Label44(), &ClickLabel::clicked, this, ui::guardedSlot(this, &TF_Menu::Label44Click));
    connect(m_producao, &TabProducao::familyClicked, this, ui::guardedSlot(this, &TF_Menu::DBText30Click));
    connect(m_revenda, &TabRevenda::groupClicked, this, ui::guardedSlot(this, &TF_Menu::DBText21Click));
}

TF_Menu::~TF_Menu() = default;

void TF_Menu::buildRightColumn(QWidget* parent)
{
    m_Panel129 = new QWidget(parent);
    m_Panel129->setObjectName(QStringLiteral("Panel129"));
    m_Panel129->setFixedWidth(rightColumnWidth);
    QPalette grey = m_Panel129->palette();
    grey.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    m_Panel129->setPalette(grey);
    m_Panel129->setAutoFillBackground(true);
    auto* column = new QVBoxLayout(m_Panel129);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(8);

    m_Label8 = new QLabel(QStringLiteral("Abate"), m_Panel129);
    m_Label8->setObjectName(QStringLiteral("Label8"));
    m_Label8->setAlignment(Qt::AlignCenter);
    m_Label8->setWordWrap(true);
    QFont unitFont = m_Label8->font();
    unitFont.setBold(true);
    unitFont.setPixelSize(19);
    m_Label8->setFont(unitFont);
    QPalette black = m_Label8->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    m_Label8->setPalette(black);
    column->addWidget(m_Label8);

    m_PlannerCalendar1 = new PlannerCalendar(m_Panel129);
    m_PlannerCalendar1->setObjectName(QStringLiteral("PlannerCalendar1"));
    m_PlannerCalendar1->setFixedHeight(m_PlannerCalendar1->sizeHint().height());
    column->addWidget(m_PlannerCalendar1);

    auto* Panel350 = new QWidget(m_Panel129);
    Panel350->setObjectName(QStringLiteral("Panel350"));
    auto* buttons = new QHBoxLayout(Panel350);
    buttons->setContentsMargins(0, 0, 0, 0);
    m_cxButton1 = button(Panel350, "cxButton1", QStringLiteral("&Gerar"));
    m_cxButton3 = button(Panel350, "cxButton3", QString());
    m_cxButton2 = button(Panel350, "cxButton2", QStringLiteral("&Publicar"));
    m_cxButton2->setVisible(false);
    for (QPushButton* b : {m_cxButton1, m_cxButton3, m_cxButton2})
        buttons->addWidget(b);
    column->addWidget(Panel350);

    auto* Panel102 = new QGroupBox(QStringLiteral("Indicadores"), m_Panel129);
    Panel102->setObjectName(QStringLiteral("Panel102"));
    auto* indicators = new QVBoxLayout(Panel102);
    m_pnlPesoVivo = new QWidget(Panel102);
    m_pnlPesoVivo->setObjectName(QStringLiteral("pnlPesoVivo"));
    auto* pairs = new QGridLayout(m_pnlPesoVivo);
    pairs->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, const char*> weights[] = {
        {"Peso vivo", "PESO_VIVO"}, {"Rendimento", "PERCENTUAL_RENDIMENTO"}, {"Peso morto", "PESO_MORTO"}};
    int row = 0;
    for (const auto& [caption, field] : weights) {
        pairs->addWidget(new QLabel(QString::fromUtf8(caption), m_pnlPesoVivo), row, 0);
        ui::DBLabel* value = valueCell(m_pnlPesoVivo, *m_bindings, QStringLiteral("DS_Peso_Vivo"),
                                       QString::fromLatin1(field), colours::cell, true);
        value->setAutoFillBackground(false);
        pairs->addWidget(value, row++, 1);
    }
    indicators->addWidget(m_pnlPesoVivo);
    column->addWidget(Panel102);

    auto* Panel104 = new QGroupBox(QStringLiteral("Outras Opções"), m_Panel129);
    Panel104->setObjectName(QStringLiteral("Panel104"));
    auto* links = new QVBoxLayout(Panel104);
    m_lblDesfazerCapturaPreco = new ClickLabel(QStringLiteral("lblDesfazerCapturaPreco"),
                                               QStringLiteral("Desfazer Captura de Preços"), Panel104);
    m_lblHistoricoGeracaoFechamento = new ClickLabel(QStringLiteral("lblHistoricoGeracaoFechamento"),
                                                     QStringLiteral("Histórico Geração e Fechamento"), Panel104);
    links->addWidget(m_lblDesfazerCapturaPreco);
    links->addWidget(m_lblHistoricoGeracaoFechamento);
    column->addWidget(Panel104);
    column->addStretch(1);
}

void TF_Menu::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        ui::guarded(this, [this] { FormShow(); });
}

void TF_Menu::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    ui::guarded(this, [this] { AjustaLayout(); });
}

session::DBXConnection& TF_Menu::connection() const
{
    return *m_connection;
}

data::TDataModule_Custo& TF_Menu::module() const
{
    return *m_module;
}

QDate TF_Menu::calendarDate() const
{
    return m_PlannerCalendar1->date();
}

} // namespace custos::dayproc
