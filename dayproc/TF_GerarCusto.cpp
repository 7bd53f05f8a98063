#include "TF_GerarCusto.h"

#include "DayOperationValues.h"
#include "ErrorDisplay.h"
#include "GenerationBlocks.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace custos::dayproc {

TF_GerarCusto::TF_GerarCusto(QWidget* parent, InputOf inputOf, Run run)
    : QDialog(parent, Qt::Tool | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint), m_inputOf(std::move(inputOf)),
      m_run(std::move(run))
{
    setObjectName(QStringLiteral("F_GerarCusto"));
    setWindowTitle(QStringLiteral("Gerar Custo"));
    setFixedSize(590, 314);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto* layout = new QGridLayout(this);
    auto* HTMLabel5 = new QLabel(QStringLiteral("Data Processamento"), this);
    HTMLabel5->setObjectName(QStringLiteral("HTMLabel5"));
    m_cxDateEdit1 = new QDateEdit(this);
    m_cxDateEdit1->setObjectName(QStringLiteral("cxDateEdit1"));
    m_cxDateEdit1->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_cxDateEdit1->setEnabled(false);
    m_cxCheckBox1 = new QCheckBox(QStringLiteral("Capturar e sobrepor preço médio"), this);
    m_cxCheckBox1->setObjectName(QStringLiteral("cxCheckBox1"));
    m_cxCheckBox1->setChecked(true);
    m_cxLogOutput = new QPlainTextEdit(this);
    m_cxLogOutput->setObjectName(QStringLiteral("cxLogOutput"));
    m_cxLogOutput->setReadOnly(true);
    m_cxLogOutput->setFrameShape(QFrame::NoFrame);
    m_cxLogOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_cxButton1 = new QPushButton(QStringLiteral("&OK"), this);
    m_cxButton1->setObjectName(QStringLiteral("cxButton1"));
    m_cxButton2 = new QPushButton(QStringLiteral("&Cancela"), this);
    m_cxButton2->setObjectName(QStringLiteral("cxButton2"));

    layout->addWidget(HTMLabel5, 0, 0);
    layout->addWidget(m_cxDateEdit1, 0, 1);
    layout->addWidget(m_cxCheckBox1, 0, 2, 1, 2);
    layout->addWidget(m_cxLogOutput, 1, 0, 1, 4);
    layout->addWidget(m_cxButton1, 2, 2);
    layout->addWidget(m_cxButton2, 2, 3);
    layout->setColumnStretch(1, 1);

    connect(m_cxButton1, &QPushButton::clicked, this, &TF_GerarCusto::cxButton1Click);
    connect(m_cxButton2, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_GerarCusto::setDate(const QDate& day)
{
    m_cxDateEdit1->setDate(day);
}

QDate TF_GerarCusto::Processa()
{
    exec();
    return m_cxDateEdit1->date();
}

void TF_GerarCusto::cxButton1Click()
{
    const QDateTime moment = processingMoment();
    m_cxLogOutput->clear();
    m_cxButton1->setEnabled(false);
    m_cxButton2->setEnabled(false);
    ui::guarded(this, [&] {
        m_run(m_inputOf(moment, m_cxCheckBox1->isChecked()),
              [this](const QString& line) { log(line); });
    });
    accept();
}

// The line shows at once: the blocks run on this thread, so the log is painted here.
void TF_GerarCusto::log(const QString& line)
{
    m_cxLogOutput->appendPlainText(line);
    m_cxLogOutput->viewport()->repaint();
}

} // namespace custos::dayproc
