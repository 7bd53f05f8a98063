#include "SharedRoutines.h"

#include "DBXConnection.h"
#include "SessionStatements.h"

#include <stdexcept>

namespace custos::session {

int GetEmpresaSessao(DBXConnection& connection)
{
    const Result result =
        connection.query(statements::GetEmpresaSessao);
    return result.value(0, result.indexOf(QStringLiteral("EMPRESA"))).toInt();
}

void LimpaClausulaIn(DBXConnection& connection, int chave)
{
    connection.execute(statements::LimpaClausulaIn,
                       Params().setInteger(QStringLiteral("Chave"), chave));
}

void InsereClausulaIn(DBXConnection& connection, int chave, const QVariant& value)
{
    const Statement* statement = nullptr;
    BindType type = BindType::Null;
    switch (value.isNull() ? QMetaType::UnknownType : value.typeId()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::UChar:
        statement = &statements::InsereClausulaInNumero;
        type = BindType::Integer;
        break;
    case QMetaType::Float:
    case QMetaType::Double:
        statement = &statements::InsereClausulaInNumero;
        type = BindType::Number;
        break;
    case QMetaType::QDate:
        statement = &statements::InsereClausulaInData;
        type = BindType::Date;
        break;
    case QMetaType::QDateTime:
        statement = &statements::InsereClausulaInData;
        type = BindType::DateTime;
        break;
    case QMetaType::QString:
        statement = &statements::InsereClausulaInCaracter;
        type = BindType::Text;
        break;
    default:
        throw std::invalid_argument("Tipo de dado inválido!");
    }
    connection.execute(*statement,
                       Params().setInteger(QStringLiteral("CHAVE"), chave).set(QStringLiteral("DADOS"), type, value));
}

} // namespace custos::session
