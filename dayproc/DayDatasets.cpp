#include "DayDatasets.h"

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "DayParameters.h"
#include "DisplayFormat.h"
#include "Query.h"

#include <QLocale>

namespace custos::dayproc {

namespace {

const QString aproveitamentoFormat = QStringLiteral("###,###,##0.00");

// Closes a dataset, sets its unit and day and opens it again.
void reopen(data::DataSet& dataSet, session::Params& params, double unit, const QDate& day)
{
    dataSet.close();
    setParameter(params, QStringLiteral("ID_UNIDADE"), unit);
    setParameter(params, QStringLiteral("DATA"), day);
    dataSet.open();
}

// The slaughter's total by-product value follows the by-product result when they read
// differently in the label's format.
void synchroniseAproveitamento(data::TDataModule_Custo& module)
{
    data::ClientDataSet& abate = module.clientDataSet(QStringLiteral("CDS_Abate"));
    const data::Aggregate& resultado =
        module.clientDataSet(QStringLiteral("CDS_AbateProduto")).aggregateByName(QStringLiteral("RESULTADO_GERAL"));
    data::Field& total = abate.fieldByName(QStringLiteral("TOTAL_APROVEITAMENTO"));
    const auto text = [](const QVariant& v) {
        return v.isNull() ? QString() : data::formatNumber(v.toDouble(), aproveitamentoFormat, QLocale());
    };
    if (text(resultado.value()) == text(total.value()))
        return;
    abate.edit();
    total.setValue(resultado.value());
    abate.post();
}

} // namespace

void openParametros(data::TDataModule_Custo& module, double unit, const QDate& day)
{
    data::ClientDataSet& parametros = module.clientDataSet(QStringLiteral("CDS_Parametros"));
    parametros.close();
    session::Params& params = module.query(QStringLiteral("Q_Parametros")).params();
    setParameter(params, QStringLiteral("ID_UNIDADE"), unit);
    setParameter(params, QStringLiteral("DATA"), day);
    parametros.open();
}

void openDayDatasets(data::TDataModule_Custo& m, double unit, const QDate& day)
{
    const data::DataSet& parametros = m.dataSet(QStringLiteral("CDS_Parametros"));

    reopen(m.query(QStringLiteral("Q_Moeda")), m.query(QStringLiteral("Q_Moeda")).params(), unit, day);

    data::ClientDataSet& abate = m.clientDataSet(QStringLiteral("CDS_Abate"));
    data::ClientDataSet& acumulado = m.clientDataSet(QStringLiteral("CDS_AbateAcumulado"));
    abate.close();
    acumulado.close();

    data::ClientDataSet& produto = m.clientDataSet(QStringLiteral("CDS_AbateProduto"));
    reopen(produto, m.query(QStringLiteral("Q_AbateProduto")).params(), unit, day);
    data::ClientDataSet& nivel2 = m.clientDataSet(QStringLiteral("CDS_Abate_Produto_Nivel2"));
    reopen(nivel2, nivel2.params(), unit, day);

    if (!produto.isEmpty()) {
        session::Params& q = m.query(QStringLiteral("Q_Abate")).params();
        const QString rateio = parametros.fieldByName(QStringLiteral("APROVEITAMENTO_RATEIO")).asString();
        setParameter(q, QStringLiteral("ID_UNIDADE"), unit);
        setParameter(q, QStringLiteral("DATA"), day);
        setParameter(q, QStringLiteral("APROVEITAMENTO_RATEIO"), rateio);
        const bool credited = produto.fieldByName(QStringLiteral("CRITERIO_MIUDOS")).asString() == QLatin1String("A");
        setParameter(q, QStringLiteral("APROVEITAMENTO"),
                     credited ? produto.aggregateByName(QStringLiteral("RESULTADO_GERAL")).asFloat() : 0.0);
        abate.open();
        synchroniseAproveitamento(m);
        // The month-to-date statement apportions the by-products by the same rule as the day's.
        session::Params& qa = m.query(QStringLiteral("Q_AbateAcumulado")).params();
        setParameter(qa, QStringLiteral("APROVEITAMENTO_RATEIO"), rateio);
        reopen(acumulado, qa, unit, day);
    }

    data::Query& pesoVivo = m.query(QStringLiteral("Q_Peso_Vivo"));
    pesoVivo.close();
    if (!nivel2.isEmpty() && abate.isActive() && !abate.isEmpty()) {
        session::Params& p = pesoVivo.params();
        setParameter(p, QStringLiteral("PESO_MORTO"), abate.fieldByName(QStringLiteral("T_PESO")).asFloat());
        setParameter(p, QStringLiteral("QNTD_MORTO"), abate.fieldByName(QStringLiteral("T_CABECAS")).asFloat());
        setParameter(p, QStringLiteral("P_CODIGO_EMPRESA"), unit);
        setParameter(p, QStringLiteral("P_DATA"), day);
        pesoVivo.open();
    }

    reopen(m.clientDataSet(QStringLiteral("CDS_Industrializado")), m.query(QStringLiteral("Q_Industrializado")).params(),
           unit, day);
    for (const char* stem : {"Resultado", "ResultadoAcumulado"}) {
        session::Params& p = m.query(QStringLiteral("Q_") + QLatin1String(stem)).params();
        setParameter(p, QStringLiteral("ID_FAMILIA"), 0);
        reopen(m.clientDataSet(QStringLiteral("CDS_") + QLatin1String(stem)), p, unit, day);
    }
    for (const char* stem : {"Revenda", "ResumoRevenda", "ResumoRevendaAcumulado"})
        reopen(m.clientDataSet(QStringLiteral("CDS_") + QLatin1String(stem)),
               m.query(QStringLiteral("Q_") + QLatin1String(stem)).params(), unit, day);
}

data::ClientDataSet& openDayHistory(data::TDataModule_Custo& module, const char* stem, double unit, const QDate& day)
{
    data::ClientDataSet& dataSet = module.clientDataSet(QStringLiteral("CDS_") + QLatin1String(stem));
    dataSet.close();
    session::Params& params = module.query(QStringLiteral("Q_") + QLatin1String(stem)).params();
    setParameter(params, QStringLiteral("id_unidade"), unit);
    setParameter(params, QStringLiteral("data_custo"), day);
    dataSet.open();
    return dataSet;
}

} // namespace custos::dayproc
