#include "PriceCaptureUndo.h"

#include "DBXConnection.h"
#include "LinkSuffix.h"

#include <QStringList>

namespace custos::server {

namespace {

QStringList restoreCalls(const QString& L, const ProcessFlags& flags)
{
    QStringList calls;
    if (flags.slaughter())
        calls << QStringLiteral("velko_cst.pkg_abate.RESTAURAR_PRECO_MEDIO") + L +
                     QStringLiteral("(:id_unidade, :data_base, :data_processamento);");
    if (flags.industrializado)
        calls << QStringLiteral("velko_cst.pkg_industrializado.RESTAURAR_PRECO_MEDIO") + L +
                     QStringLiteral("(:id_unidade, :data_base, :data_processamento);");
    return calls;
}

} // namespace

QString restoreBlock(const PriceCaptureUndoInput& input)
{
    const QString L = linkSuffix(input.dbLink);
    QStringList lines{QStringLiteral("BEGIN")};
    lines << restoreCalls(L, input.flags);
    if (!L.isEmpty())
        lines << restoreCalls(QString(), input.flags);
    lines << QStringLiteral("END;");
    return lines.join(u'\n');
}

void PriceCaptureUndo::run(const PriceCaptureUndoInput& input)
{
    m_connection.execute(restoreBlock(input), session::Params()
                                                  .setNumber(QStringLiteral("id_unidade"), input.unit)
                                                  .setDate(QStringLiteral("data_base"), input.generatedDay)
                                                  .setDateTime(QStringLiteral("data_processamento"), input.captureMoment));
}

} // namespace custos::server
