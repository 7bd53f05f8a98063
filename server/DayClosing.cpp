#include "DayClosing.h"

#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "Query.h"
#include "SharedRoutines.h"

namespace custos::server {

namespace {

using session::BindType;
using session::Params;

Params unitAndDay(const char* unitName, BindType unitType, const QVariant& unit, const char* dayName, const QDate& day)
{
    Params params;
    params.set(QString::fromLatin1(unitName), unitType, unit.isNull() ? QVariant() : unit);
    params.setDate(QString::fromLatin1(dayName), day);
    return params;
}

Listing listFirstColumn(const data::Query& query, const Params& params)
{
    return listColumn(query.execute(params), 0);
}

// Runs a procedure block in its own read-committed transaction.
void runInTransaction(const data::Query& block, const Params& params)
{
    session::DBXConnection& connection = *block.connection();
    session::DBXConnection::Transaction transaction(connection);
    connection.execute(block.text(), params);
    transaction.commit();
}

void setNumber(Params& params, const char* name, const QVariant& value)
{
    params.set(QString::fromLatin1(name), BindType::Number, value.isNull() ? QVariant() : QVariant(value.toDouble()));
}

// The day, the unit and the process ids, which both blocks take.
template <class Values>
Params dayAndProcesses(const Values& values)
{
    Params params;
    params.setDate(QStringLiteral("p_data"), values.day);
    setNumber(params, "p_id_unidade", values.unit);
    setNumber(params, "p_id_abate", values.idAbate);
    setNumber(params, "p_id_industrial", values.idIndustrial);
    setNumber(params, "p_id_revenda", values.idRevenda);
    return params;
}

} // namespace

Listing DayClosing::earlierOpenDays(double unit, const QDate& day) const
{
    return listFirstColumn(m_module.query(QStringLiteral("Q_DiasAbertos")),
                           unitAndDay("ID_UNIDADE", BindType::Number, unit, "DATA", day));
}

Listing DayClosing::laterClosedDays(double unit, const QDate& day) const
{
    return listFirstColumn(m_module.query(QStringLiteral("Q_DiasFechados")),
                           unitAndDay("ID_UNIDADE", BindType::Number, unit, "DATA", day));
}

Listing DayClosing::unprocessedProductionOrders(const QVariant& unit, const QDate& day) const
{
    return listFirstColumn(m_module.query(QStringLiteral("Q_ValidaOP")),
                           unitAndDay("P_ID_UNIDADE", BindType::Integer, unit.isNull() ? unit : QVariant(unit.toLongLong()),
                                      "P_DATA", day));
}

Listing DayClosing::unprocessedPurchaseOrders(const QVariant& unit, const QDate& day) const
{
    return listFirstColumn(m_module.query(QStringLiteral("Q_ValidaAcertos")),
                           unitAndDay("P_ID_UNIDADE", BindType::Integer, unit.isNull() ? unit : QVariant(unit.toLongLong()),
                                      "P_DATA", day));
}

PurchaseOrderRule DayClosing::purchaseOrderRule(const QDate& day) const
{
    const data::Query& parametros = m_module.query(QStringLiteral("Q_Parametros"));
    const int company = session::GetEmpresaSessao(*parametros.connection());
    const session::Result rows = parametros.execute(
        Params().setNumber(QStringLiteral("id_unidade"), company).setDate(QStringLiteral("data"), day));
    const int column = rows.indexOf(QStringLiteral("VALIDACAO_ACERTO_PENDENTE"));
    const double rule = rows.rowCount() > 0 && column >= 0 ? rows.value(0, column).toDouble() : 0;
    if (rule == 1)
        return PurchaseOrderRule::Blocks;
    if (rule == 2)
        return PurchaseOrderRule::Asks;
    return PurchaseOrderRule::NotChecked;
}

void DayClosing::close(const ClosingValues& values) const
{
    Params params = dayAndProcesses(values);
    setNumber(params, "p_aproveitamento_kg", values.aproveitamentoKg);
    setNumber(params, "p_resultado_geral", values.resultadoGeral);
    runInTransaction(m_module.query(QStringLiteral("Q_FecharCusto")), params);
}

void DayClosing::reopen(const ReopeningValues& values) const
{
    runInTransaction(m_module.query(QStringLiteral("Q_DesfazerFechamento")), dayAndProcesses(values));
}

} // namespace custos::server
