#pragma once
// The generation and closing history window, "Histórico Geração e Fechamento".

#include "TCF_Single_Form7.h"

namespace custos::dayproc {

class TF_LogCusto : public ui::TCF_Single_Form7
{
    Q_OBJECT
public:
    explicit TF_LogCusto(QWidget* parent = nullptr);
};

} // namespace custos::dayproc
