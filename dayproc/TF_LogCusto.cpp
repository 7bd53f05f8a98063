#include "TF_LogCusto.h"

#include "DataSourceRows.h"
#include "GridColumn.h"
#include "GridView.h"

#include <QVBoxLayout>

namespace custos::dayproc {

TF_LogCusto::TF_LogCusto(data::DataSource& log, QWidget* parent)
    : ui::TCF_Single_Form7(parent), m_rows(std::make_unique<grid::DataSourceRows>(&log))
{
    setObjectName(QStringLiteral("F_LogCusto"));
    setWindowTitle(QStringLiteral("Histórico Geração e Fechamento"));
    resize(786, 420);

    auto* cxGridHistorico = new grid::GridView(body());
    cxGridHistorico->setObjectName(QStringLiteral("cxGridHistorico"));
    cxGridHistorico->setSource(m_rows.get());
    cxGridHistorico->setFillWidth(true);
    cxGridHistorico->setGroupByBox(false);
    cxGridHistorico->setEditable(false);
    cxGridHistorico->addColumn(QStringLiteral("DATA_HISTORICO"), QStringLiteral("Data"), nullptr, 130);
    cxGridHistorico->addColumn(QStringLiteral("USUARIO"), QStringLiteral("Usuário"), nullptr, 110);
    cxGridHistorico->addColumn(QStringLiteral("HISTORICO"), QStringLiteral("Histórico"), nullptr, 480);
    for (grid::GridColumn* column : cxGridHistorico->model().columns())
        column->setHeaderAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cxGridHistorico);
}

TF_LogCusto::~TF_LogCusto() = default;

} // namespace custos::dayproc
