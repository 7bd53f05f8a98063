#pragma once
// The day of the packages' fixture (custo_dia.sql: unit 1, 15/03/2024) and its generation, as
// the program's generation block runs it: log, consumption, slaughter, production, resale.

#include "DBXConnection.h"

#include <QDateTime>

namespace custos::test {

inline const QDate kDia(2024, 3, 15);

inline void generateDay(session::DBXConnection& connection, const QDateTime& moment, int capture = 1)
{
    connection.execute(
        QStringLiteral(
            "BEGIN\n"
            "velko_cst.pkg_base_custo.gera_log_custo(:id_unidade,:data_base,:atualiza_preco,:operacao,user,:data_processamento);\n"
            "velko_cst.pkg_consumo.gera_consumo(:id_unidade, :data_base);\n"
            "velko_cst.pkg_abate.integra(:id_unidade, :data_base, :atualiza_preco, :data_processamento);\n"
            "velko_cst.pkg_industrializado.integra(:id_unidade, :data_base, :atualiza_preco, :data_processamento);\n"
            "velko_cst.pkg_revenda.integra(:id_unidade, :data_base, :atualiza_preco);\n"
            "END;"),
        session::Params()
            .setNumber(QStringLiteral("id_unidade"), 1)
            .setDate(QStringLiteral("data_base"), kDia)
            .setInteger(QStringLiteral("atualiza_preco"), capture)
            .setText(QStringLiteral("operacao"), QStringLiteral("G"))
            .setDateTime(QStringLiteral("data_processamento"), moment));
}

} // namespace custos::test
