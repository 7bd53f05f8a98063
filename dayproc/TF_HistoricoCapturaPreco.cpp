#include "TF_HistoricoCapturaPreco.h"

#include "ClientDataSet.h"
#include "DatabaseError.h"
#include "DayOperationRules.h"
#include "DataSource.h"
#include "DataSourceRows.h"
#include "GridColumn.h"
#include "GridView.h"
#include "MessageBox.h"

#include <QAction>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

namespace custos::dayproc {

namespace {

QString errorText(const std::exception& error)
{
    if (const auto* database = dynamic_cast<const session::DatabaseError*>(&error))
        return database->message();
    return QString::fromUtf8(error.what());
}

} // namespace

TF_HistoricoCapturaPreco::TF_HistoricoCapturaPreco(data::DataSource& historico, Undo undo, QWidget* parent)
    : ui::TCF_Single_Form7(parent), m_source(historico), m_undo(std::move(undo)),
      m_rows(std::make_unique<grid::DataSourceRows>(&historico))
{
    setObjectName(QStringLiteral("F_HistoricoCapturaPreco"));
    setWindowTitle(QStringLiteral("Desfazer Captura de Preço"));
    resize(520, 360);

    if (auto* sair = findChild<QToolButton*>(QStringLiteral("B_Sair"))) {
        sair->setText(QStringLiteral("&Cancelar"));
        sair->setToolTip(QStringLiteral("Cancelar desfazer captura de preço"));
    }
    if (auto* sairItem = findChild<QAction*>(QStringLiteral("Sair1")))
        sairItem->setText(QStringLiteral("&Cancelar"));
    QToolButton* SpeedButton1 = addToolButton(QStringLiteral("SpeedButton1"), QStringLiteral("C&onfirmar"));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setToolTip(QStringLiteral("Confirmar desfazer captura de preço"));
    QFont bold = SpeedButton1->font();
    bold.setBold(true);
    SpeedButton1->setFont(bold);
    QPalette navy = SpeedButton1->palette();
    navy.setColor(QPalette::ButtonText, QColor(0x00, 0x00, 0x80));
    SpeedButton1->setPalette(navy);
    auto* Confirmar1 = new QAction(QStringLiteral("C&onfirmar"), this);
    Confirmar1->setObjectName(QStringLiteral("Confirmar1"));
    addAction(Confirmar1);

    m_cxGridHistorico = new grid::GridView(body());
    m_cxGridHistorico->setObjectName(QStringLiteral("cxGridHistorico"));
    m_cxGridHistorico->setSource(m_rows.get());
    m_cxGridHistorico->setFillWidth(true);
    m_cxGridHistorico->setGroupByBox(false);
    m_cxGridHistorico->setPostImmediately(true);
    // The mark column has no caption (a blank one: an empty caption shows the field name).
    grid::GridColumn* mark = m_cxGridHistorico->addColumn(QStringLiteral("SELECIONADO"), QStringLiteral(" "), nullptr, 40,
                                                          QStringLiteral("cxGridHistoricoDBTVColumn1"));
    mark->setCheckBox(1, 0);
    for (const auto& [field, caption] : {std::pair{"DATA_HISTORICO", "Data Processamento"}, std::pair{"USUARIO_HISTORICO", "Usuário"}}) {
        grid::GridColumn* column = m_cxGridHistorico->addColumn(QString::fromLatin1(field), QString::fromUtf8(caption));
        column->setReadOnly(true);
    }
    for (grid::GridColumn* column : m_cxGridHistorico->model().columns())
        column->setHeaderAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_cxGridHistorico);

    connect(SpeedButton1, &QToolButton::clicked, this, &TF_HistoricoCapturaPreco::SpeedButton1Click);
    connect(Confirmar1, &QAction::triggered, this, &TF_HistoricoCapturaPreco::SpeedButton1Click);
    connect(m_cxGridHistorico, &grid::GridView::checkBoxToggled, this,
            &TF_HistoricoCapturaPreco::cxGridHistoricoDBTVColumn1PropertiesChange);
}

TF_HistoricoCapturaPreco::~TF_HistoricoCapturaPreco() = default;

data::ClientDataSet& TF_HistoricoCapturaPreco::historico() const
{
    return *static_cast<data::ClientDataSet*>(m_source.dataSet());
}

void TF_HistoricoCapturaPreco::showEvent(QShowEvent* event)
{
    ui::TCF_Single_Form7::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TF_HistoricoCapturaPreco::FormShow()
{
    selecionado = false;
    indiceSelecionado = 1;
}

// At most one row stays marked: marking a row unmarks the one changed before it.
void TF_HistoricoCapturaPreco::cxGridHistoricoDBTVColumn1PropertiesChange()
{
    data::ClientDataSet& h = historico();
    if (h.state() != data::DataSet::State::Browse)
        h.post();
    selecionado = h.fieldByName(QStringLiteral("SELECIONADO")).asFloat() == 1;
    const int r = h.recNo();
    if (h.recordCount() > 1 && selecionado && r != indiceSelecionado) {
        h.setRecNo(indiceSelecionado);
        h.edit();
        h.fieldByName(QStringLiteral("SELECIONADO")).setValue(0);
        h.post();
        h.setRecNo(r);
    }
    indiceSelecionado = r;
}

void TF_HistoricoCapturaPreco::SpeedButton1Click()
{
    if (!selecionado) {
        ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok,
                        QStringLiteral("É necessário selecionar um histórico para prosseguir. Por favor verifique."), this);
        return;
    }
    data::ClientDataSet& h = historico();
    int marked = 0;
    for (int row = 0; row < h.recordCount() && !marked; ++row) {
        if (h.value(row, h.fieldByName(QStringLiteral("SELECIONADO")).index()).toDouble() == 1)
            marked = row + 1;
    }
    if (!marked || ui::showMessage(ui::MessageType::Confirmation, ui::MessageButtons::OkCancel,
                                   priceCaptureUndoQuestion(), this) != ui::MessageResult::Ok) {
        reject();
        return;
    }
    h.setRecNo(marked);
    try {
        m_undo(h.fieldByName(QStringLiteral("ID_UNIDADE")).asFloat(),
               h.fieldByName(QStringLiteral("DATA_GERACAO_CUSTO")).asDateTime().date(),
               h.fieldByName(QStringLiteral("DATA_HISTORICO")).asDateTime());
    } catch (const std::exception& error) {
        ui::showMessage(ui::MessageType::Confirmation, ui::MessageButtons::OkCancel,
                        priceCaptureUndoFailure(errorText(error)),
                        this);
        return;
    }
    m_undone = true;
    accept();
}

} // namespace custos::dayproc
