#pragma once
// The generation and closing history window F_LogCusto, "Histórico Geração e Fechamento": the
// day's entries of CDS_LogCusto in a read-only table (date, user, description).

#include "TCF_Single_Form7.h"

#include <memory>

namespace custos::data {
class DataSource;
}

namespace custos::grid {
class DataSourceRows;
}

namespace custos::dayproc {

class TF_LogCusto : public ui::TCF_Single_Form7
{
    Q_OBJECT
public:
    explicit TF_LogCusto(data::DataSource& log, QWidget* parent = nullptr);
    ~TF_LogCusto() override;

private:
    std::unique_ptr<grid::DataSourceRows> m_rows;
};

} // namespace custos::dayproc
