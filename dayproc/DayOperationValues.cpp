#include "DayOperationValues.h"

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "DayState.h"

namespace custos::dayproc {

namespace {

const data::DataSet& parametros(const data::TDataModule_Custo& module)
{
    return module.dataSet(QStringLiteral("CDS_Parametros"));
}

bool flag(const data::DataSet& dataSet, const char* name)
{
    return dataSet.fieldByName(QString::fromLatin1(name)).asFloat() == 1;
}

// A field of the current row, null when the dataset has no row or the field is empty.
QVariant valueOf(const data::DataSet& dataSet, const char* name)
{
    if (!dataSet.isActive() || dataSet.isEmpty())
        return {};
    const data::Field& field = dataSet.fieldByName(QString::fromLatin1(name));
    return field.isNull() ? QVariant() : QVariant(field.asFloat());
}

QVariant presentValue(const data::DataSet& dataSet, const char* name, bool present)
{
    return present ? valueOf(dataSet, name) : QVariant();
}

} // namespace

server::ProcessFlags processFlags(const data::TDataModule_Custo& module)
{
    const data::DataSet& p = parametros(module);
    return {flag(p, "U_ABATE_SUINO"), flag(p, "U_ABATE_BOVINO"), flag(p, "U_INDUSTRIALIZADO"), flag(p, "U_REVENDA")};
}

QString dbLink(const data::TDataModule_Custo& module)
{
    return parametros(module).fieldByName(QStringLiteral("DBLINK")).asString();
}

QDateTime processingMoment()
{
    const QDateTime now = QDateTime::currentDateTime();
    return QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
}

server::GenerationInput generationInput(const data::TDataModule_Custo& module, double unit, const QDate& day,
                                        const QDateTime& moment, bool capturePrices)
{
    const data::DataSet& p = parametros(module);
    server::GenerationInput input;
    input.unit = unit;
    input.day = day;
    input.moment = moment;
    input.capturePrices = capturePrices;
    input.dbLink = dbLink(module);
    input.tnsNames = p.fieldByName(QStringLiteral("TNSNAMES")).asString();
    input.closingType = p.fieldByName(QStringLiteral("TIPO_FECHAMENTO")).asString();
    input.idBaseCusto = p.fieldByName(QStringLiteral("ID_BASE_CUSTO")).asFloat();
    input.dataInicialMes = p.fieldByName(QStringLiteral("DATA_INICIAL_MES")).asDateTime().date();
    input.flags = processFlags(module);
    return input;
}

server::ClosingValues closingValues(const data::TDataModule_Custo& module, const QDate& day)
{
    const data::DataSet& abate = module.dataSet(QStringLiteral("CDS_Abate"));
    const data::ClientDataSet& produto = module.clientDataSet(QStringLiteral("CDS_AbateProduto"));
    const data::DataSet& industrializado = module.dataSet(QStringLiteral("CDS_Industrializado"));
    const data::DataSet& revenda = module.dataSet(QStringLiteral("CDS_Revenda"));
    const bool slaughter = processState(abate) != ProcessState::Absent;

    server::ClosingValues values;
    values.day = day;
    const QVariant produtoUnit = valueOf(produto, "ID_UNIDADE");
    values.unit = !produtoUnit.isNull() && produtoUnit.toDouble() != 0
                      ? produtoUnit
                      : valueOf(module.dataSet(QStringLiteral("CDS_Resultado")), "ID_UNIDADE");
    values.idAbate = presentValue(abate, "ID_ABATE", slaughter);
    values.aproveitamentoKg = presentValue(abate, "VALOR_APROVEITAMENTO_KG", slaughter);
    if (slaughter && produto.isActive()) {
        const QVariant resultado = produto.aggregateByName(QStringLiteral("RESULTADO_GERAL")).value();
        values.resultadoGeral = resultado.isNull() ? QVariant() : QVariant(resultado.toDouble());
    }
    values.idIndustrial = valueOf(industrializado, "ID_INDUSTRIAL");
    values.idRevenda = valueOf(revenda, "ID_REVENDA");
    return values;
}

server::ReopeningValues reopeningValues(const data::TDataModule_Custo& module, const QDate& day)
{
    const data::DataSet& abate = module.dataSet(QStringLiteral("CDS_Abate"));
    const data::DataSet& industrializado = module.dataSet(QStringLiteral("CDS_Industrializado"));
    const data::DataSet& revenda = module.dataSet(QStringLiteral("CDS_Revenda"));
    server::ReopeningValues values;
    values.day = day;
    values.unit = valueOf(module.dataSet(QStringLiteral("CDS_Resultado")), "ID_UNIDADE");
    values.idAbate = presentValue(abate, "ID_ABATE", processState(abate) == ProcessState::Closed);
    values.idIndustrial = presentValue(industrializado, "ID_INDUSTRIAL", processState(industrializado) == ProcessState::Closed);
    values.idRevenda = presentValue(revenda, "ID_REVENDA", processState(revenda) == ProcessState::Closed);
    return values;
}

} // namespace custos::dayproc
