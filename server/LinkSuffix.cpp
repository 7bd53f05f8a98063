#include "LinkSuffix.h"

#include "OperationError.h"

namespace custos::server {

namespace {

constexpr qsizetype maximumLength = 30;

bool isPlainIdentifier(const QString& name)
{
    if (name.isEmpty() || name.size() > maximumLength)
        return false;
    const auto isLetter = [](QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); };
    if (!isLetter(name.front()))
        return false;
    for (QChar c : name) {
        if (!isLetter(c) && !(c >= u'0' && c <= u'9') && c != u'_')
            return false;
    }
    return true;
}

} // namespace

QString linkSuffix(const QString& dbLink)
{
    if (dbLink.isEmpty())
        return {};
    if (!isPlainIdentifier(dbLink))
        throw OperationError(QStringLiteral("O nome do link de banco de dados \"%1\" da unidade não é válido: "
                                            "use apenas letras, dígitos e \"_\", começando por uma letra.")
                                 .arg(dbLink));
    return QStringLiteral("@") + dbLink;
}

} // namespace custos::server
