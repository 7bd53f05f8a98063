// The process-type filter of the production tab: all families, or the families whose
// production of the day (and of the month up to the day) went through lines of one type.

#include "TF_Menu.h"

#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DayParameters.h"
#include "Query.h"
#include "SharedRoutines.h"
#include "TabProducao.h"

#include <QComboBox>
#include <QStringList>

namespace custos::dayproc {

namespace {

// The families of the day's production items on lines of the type.
const QStringList dayFamilies = {
    QStringLiteral("SELECT DISTINCT ip.id_familia"),
    QStringLiteral("  FROM velko_cst.industrial i,"),
    QStringLiteral("       velko_cst.industrial_produto ip,"),
    QStringLiteral("       velko_pcp.linha_producao l"),
    QStringLiteral(" WHERE i.id_industrial = ip.id_industrial"),
    QStringLiteral("   AND ip.id_linha_producao  = l.id_linha_producao"),
    QStringLiteral("   AND i.data = :p_data"),
    QStringLiteral("   AND i.id_unidade = :p_id_unidade"),
    QStringLiteral("   AND DECODE(l.tipo_processo,'D',1,'E',2,'I',3,'T',4) = :p_tipo"),
};

// The families of the month's production whose production orders ran on lines of the type.
const QStringList periodFamilies = {
    QStringLiteral("SELECT DISTINCT t.id_familia"),
    QStringLiteral("  FROM velko_cst.industrial i,"),
    QStringLiteral("       velko_cst.industrial_produto ip,"),
    QStringLiteral("       velko_pcp.tabela_pcp t,"),
    QStringLiteral("       velko_pcp.linha_producao l"),
    QStringLiteral(" WHERE i.id_industrial = ip.id_industrial"),
    QStringLiteral("   AND ip.id_ordem_producao = t.id_tabela_pcp"),
    QStringLiteral("   AND t.id_linha_producao  = l.id_linha_producao"),
    QStringLiteral("   AND i.data between trunc(:p_data,'mm') and :p_data"),
    QStringLiteral("   AND i.id_unidade = :p_id_unidade"),
    QStringLiteral("   AND DECODE(l.tipo_processo,'D',1,'E',2,'I',3,'T',4) = :p_tipo"),
};

// Fills list `key` of the scratch table with the families the statement returns.
void listFamilies(session::DBXConnection& connection, const QStringList& statement, int key, const QDate& day,
                  double unit, int type)
{
    const session::Result families = connection.query(statement.join(u'\n'), session::Params()
                                                                                  .setDate(QStringLiteral("p_data"), day)
                                                                                  .setNumber(QStringLiteral("p_id_unidade"), unit)
                                                                                  .setInteger(QStringLiteral("p_tipo"), type));
    session::LimpaClausulaIn(connection, key);
    for (int row = 0; row < families.rowCount(); ++row)
        session::InsereClausulaIn(connection, key, families.value(row, 0).toDouble());
}

} // namespace

void TF_Menu::FiltraTipoProcesso()
{
    const double U = unit();
    const QDate D = calendarDate();
    const int k = m_producao->cbTipoProcesso()->currentIndex();

    const auto reopen = [&](const char* stem, int familyList) {
        data::ClientDataSet& dataSet = module().clientDataSet(QStringLiteral("CDS_") + QLatin1String(stem));
        session::Params& params = module().query(QStringLiteral("Q_") + QLatin1String(stem)).params();
        dataSet.close();
        setParameter(params, QStringLiteral("ID_UNIDADE"), U);
        setParameter(params, QStringLiteral("DATA"), D);
        setParameter(params, QStringLiteral("ID_FAMILIA"), familyList);
        dataSet.open();
    };

    if (k <= 0) {
        session::LimpaClausulaIn(connection(), 1);
        session::LimpaClausulaIn(connection(), 2);
        reopen("Resultado", 0);
        reopen("ResultadoAcumulado", 0);
        return;
    }
    listFamilies(connection(), dayFamilies, 1, D, U, k);
    reopen("Resultado", 1);
    listFamilies(connection(), periodFamilies, 2, D, U, k);
    reopen("ResultadoAcumulado", 1);
}

} // namespace custos::dayproc
