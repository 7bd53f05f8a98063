#pragma once
// The generation dialog F_GerarCusto, "Gerar Custo": the day to generate (disabled), the check
// box "Capturar e sobrepor preço médio" (checked on open), the log cxLogOutput and the buttons
// "&OK" (runs the generation, then closes with OK, also after a failure, which is shown) and
// "&Cancela". The log shows each line as its step starts.

#include <QDialog>
#include <functional>

class QCheckBox;
class QDateEdit;
class QPlainTextEdit;
class QPushButton;

namespace custos::server {
struct GenerationInput;
}

namespace custos::dayproc {

class TF_GerarCusto : public QDialog
{
    Q_OBJECT
public:
    // inputOf gives the run's values for the processing moment and the check box.
    using InputOf = std::function<server::GenerationInput(const QDateTime& moment, bool capturePrices)>;
    using Run = std::function<void(const server::GenerationInput&, const std::function<void(const QString&)>& log)>;

    TF_GerarCusto(QWidget* parent, InputOf inputOf, Run run);

    void setDate(const QDate& day);
    // Shows the dialog modally; the date of the day field when it closes.
    QDate Processa();

    void cxButton1Click();

private:
    void log(const QString& line);

    InputOf m_inputOf;
    Run m_run;
    QDateEdit* m_cxDateEdit1;
    QCheckBox* m_cxCheckBox1;
    QPlainTextEdit* m_cxLogOutput;
    QPushButton* m_cxButton1;
    QPushButton* m_cxButton2;
};

} // namespace custos::dayproc
