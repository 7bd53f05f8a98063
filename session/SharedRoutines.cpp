#include "SharedRoutines.h"

#include "DBXConnection.h"

#include <stdexcept>

namespace custos::session {

int GetEmpresaSessao(DBXConnection& connection)
{
    const Result result =
        connection.query(QStringLiteral("select VELKO.PKG_VELKO.Get_Empresa EMPRESA from dual"));
    return result.value(0, result.indexOf(QStringLiteral("EMPRESA"))).toInt();
}

void LimpaClausulaIn(DBXConnection& connection, int chave)
{
    connection.execute(QStringLiteral("DELETE VELKO.CLAUSULA_IN WHERE CHAVE = :Chave"),
                       Params().setInteger(QStringLiteral("Chave"), chave));
}

void InsereClausulaIn(DBXConnection& connection, int chave, const QVariant& value)
{
    const QVariant dados = value;
    QString column;
    BindType type = BindType::Null;
    switch (dados.isNull() ? QMetaType::UnknownType : dados.typeId()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::UChar:
        column = QStringLiteral("NUMERO ) ");
        type = BindType::Integer;
        break;
    case QMetaType::Float:
    case QMetaType::Double:
        column = QStringLiteral("NUMERO ) ");
        type = BindType::Number;
        break;
    case QMetaType::QDate:
        column = QStringLiteral("DATA )");
        type = BindType::Date;
        break;
    case QMetaType::QDateTime:
        column = QStringLiteral("DATA )");
        type = BindType::DateTime;
        break;
    case QMetaType::QString:
        column = QStringLiteral("CARACTER ) ");
        type = BindType::Text;
        break;
    default:
        throw std::invalid_argument("Tipo de dado inválido!");
    }
    const QString statement = QStringLiteral("INSERT INTO VELKO.CLAUSULA_IN ( CHAVE , \n") + column +
                              QStringLiteral("\nVALUES ( :CHAVE , :DADOS )");
    connection.execute(
        statement,
        Params().setInteger(QStringLiteral("CHAVE"), chave).set(QStringLiteral("DADOS"), type, dados));
}

} // namespace custos::session
