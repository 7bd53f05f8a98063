// The process-type filter of the production tab: all families, or the families whose
// production of the day (and of the month up to the day) went through lines of one type.

#include "TF_Menu.h"

#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DayParameters.h"
#include "DayprocStatements.h"
#include "Query.h"
#include "SharedRoutines.h"
#include "TabProducao.h"

#include <QComboBox>

namespace custos::dayproc {

namespace {

// Fills list `key` of the scratch table with the families the statement returns.
void listFamilies(session::DBXConnection& connection, const session::Statement& statement, int key, const QDate& day,
                  double unit, int type)
{
    const session::Result families = connection.query(statement, session::Params()
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
    listFamilies(connection(), statements::dayFamilies, 1, D, U, k);
    reopen("Resultado", 1);
    listFamilies(connection(), statements::periodFamilies, 2, D, U, k);
    reopen("ResultadoAcumulado", 1);
}

} // namespace custos::dayproc
