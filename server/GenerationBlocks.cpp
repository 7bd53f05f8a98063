#include "GenerationBlocks.h"

#include "LinkSuffix.h"

#include <QStringList>

namespace custos::server {

namespace {

using session::Params;

// The period predicate over a date column: the day, or the month of the day.
QString periodOf(const QString& column, bool monthly)
{
    return monthly ? column + QStringLiteral(" between trunc(:data,'MM') and last_day(:data)")
                   : column + QStringLiteral(" = :data");
}

QString block(const QStringList& lines)
{
    return (QStringList{QStringLiteral("BEGIN")} + lines + QStringList{QStringLiteral("END;")}).join(u'\n');
}

// Block 1: the unit's configuration, replaced whole in the processing database (its parameter
// sets only for the unit).
QString configurationBlock(const QString& L)
{
    QStringList lines{QStringLiteral("  DELETE FROM VELKO_CST.UNIDADE") + L + u';',
                      QStringLiteral("  DELETE FROM VELKO_CST.PARAMETROS") + L + QStringLiteral(" WHERE id_unidade = :id_unidade;")};
    for (const char* table : {"MERCADO", "LINHA_INDUSTRIAL", "CATEGORIA_REVENDA"})
        lines << QStringLiteral("  DELETE FROM VELKO_CST.") + QLatin1String(table) + L + u';';
    lines << QStringLiteral("  INSERT INTO VELKO_CST.UNIDADE") + L + QStringLiteral(" SELECT * FROM VELKO_CST.UNIDADE;")
          << QStringLiteral("  INSERT INTO VELKO_CST.PARAMETROS") + L +
                 QStringLiteral(" SELECT * FROM VELKO_CST.PARAMETROS WHERE id_unidade = :id_unidade;");
    for (const char* table : {"MERCADO", "LINHA_INDUSTRIAL", "CATEGORIA_REVENDA"})
        lines << QStringLiteral("  INSERT INTO VELKO_CST.") + QLatin1String(table) + L + QStringLiteral(" SELECT * FROM VELKO_CST.") +
                     QLatin1String(table) + u';';
    return block(lines);
}

// Block 2: the cost bases from the month's start and the price captures of the period, which
// replace the remote ones (the period sent is the period deleted, so that a monthly unit keeps
// the other days of its month in the processing database).
QString costBasesBlock(const QString& L, bool monthly)
{
    const QString W = periodOf(QStringLiteral("data"), monthly);
    const QString remoteBases = QStringLiteral(" WHERE id_base_custo in (select b.id_base_custo from velko_cst.base_custo") + L +
                                QStringLiteral(" b where b.data_inicial >= :data_inicial and b.id_unidade = :id_unidade);");
    const QString localBases = QStringLiteral(" WHERE id_base_custo in (select b.id_base_custo from velko_cst.base_custo b"
                                              " where b.data_inicial >= :data_inicial and b.id_unidade = :id_unidade);");
    QStringList lines;
    for (const char* table : {"PRODUTO_MERCADO", "BASE_CUSTO_REFERENCIA", "BASE_CUSTO_MERCADO", "BASE_CUSTO_GRUPO",
                              "BASE_CUSTO_UF", "BASE_CUSTO_LINHA", "BASE_CUSTO"})
        lines << QStringLiteral("  DELETE FROM VELKO_CST.") + QLatin1String(table) + L + remoteBases;
    lines << QStringLiteral("  DELETE FROM VELKO_CST.ABATE_PRECO") + L
          << QStringLiteral("   WHERE id_abate in (SELECT id_abate FROM VELKO_CST.ABATE WHERE id_unidade = :id_unidade AND ") + W +
                 QStringLiteral(");");
    for (const char* table : {"INDUSTRIAL_PRECO", "INDUSTRIAL_PRECO_MP", "INDUSTRIAL_INSUMO", "INDUSTRIAL_PRECO_RECEITA"})
        lines << QStringLiteral("  DELETE FROM VELKO_CST.") + QLatin1String(table) + L
              << QStringLiteral("   WHERE id_industrial in (SELECT id_industrial FROM VELKO_CST.INDUSTRIAL WHERE id_unidade = :id_unidade AND ") +
                     W + QStringLiteral(");");
    lines << QStringLiteral("  DELETE FROM VELKO_CST.INDUSTRIAL") + L
          << QStringLiteral("   WHERE id_unidade = :id_unidade AND ") + W + u';'
          << QStringLiteral("  DELETE FROM VELKO_CST.REVENDA_PRECO") + L
          << QStringLiteral("   WHERE id_revenda in (SELECT id_revenda FROM VELKO_CST.REVENDA WHERE id_unidade = :id_unidade AND ") + W +
                 QStringLiteral(");");
    lines << QStringLiteral("  FOR REG IN (  ") << QStringLiteral("      SELECT * FROM VELKO_CST.BASE_CUSTO") + L
          << QStringLiteral("       WHERE ID_BASE_CUSTO <> :id_base_custo") << QStringLiteral("         AND DATA_FINAL IS NULL) LOOP ")
          << QStringLiteral("    UPDATE VELKO_CST.BASE_CUSTO") + L
          << QStringLiteral("       SET DATA_FINAL = (SELECT DATA_FINAL FROM VELKO_CST.BASE_CUSTO WHERE ID_BASE_CUSTO = REG.ID_BASE_CUSTO)")
          << QStringLiteral("     WHERE ID_BASE_CUSTO = REG.ID_BASE_CUSTO;   ") << QStringLiteral("  END LOOP;   ");
    for (const char* table : {"BASE_CUSTO", "BASE_CUSTO_GRUPO", "BASE_CUSTO_MERCADO", "BASE_CUSTO_REFERENCIA", "PRODUTO_MERCADO",
                              "BASE_CUSTO_UF", "BASE_CUSTO_LINHA"})
        lines << QStringLiteral("  INSERT INTO VELKO_CST.") + QLatin1String(table) + L + QStringLiteral(" SELECT * FROM VELKO_CST.") +
                     QLatin1String(table) + localBases;
    lines << QStringLiteral("  INSERT INTO VELKO_CST.ABATE_PRECO") + L
          << QStringLiteral("   SELECT * FROM VELKO_CST.ABATE_PRECO WHERE id_abate in (SELECT id_abate FROM VELKO_CST.ABATE"
                            " WHERE id_unidade = :id_unidade AND ") + W + QStringLiteral(");")
          << QStringLiteral("  INSERT INTO VELKO_CST.INDUSTRIAL") + L
          << QStringLiteral("   SELECT * FROM VELKO_CST.INDUSTRIAL WHERE id_unidade = :id_unidade AND ") + W + u';';
    for (const char* table : {"INDUSTRIAL_PRECO_MP", "INDUSTRIAL_PRECO", "INDUSTRIAL_INSUMO", "INDUSTRIAL_PRECO_RECEITA"})
        lines << QStringLiteral("  INSERT INTO VELKO_CST.") + QLatin1String(table) + L
              << QStringLiteral("   SELECT * FROM VELKO_CST.") + QLatin1String(table) +
                     QStringLiteral(" WHERE id_industrial in (SELECT id_industrial FROM VELKO_CST.INDUSTRIAL"
                                    " WHERE id_unidade = :id_unidade AND ") + W + QStringLiteral(");");
    lines << QStringLiteral("  INSERT INTO VELKO_CST.REVENDA_PRECO") + L
          << QStringLiteral("   SELECT * FROM VELKO_CST.REVENDA_PRECO WHERE id_revenda in (SELECT id_revenda FROM VELKO_CST.REVENDA"
                            " WHERE id_unidade = :id_unidade AND ") + W + QStringLiteral(");");
    return block(lines);
}

// Block 3: the generation; its log entry is always written here.
QString generationBlock(const QString& L, const ProcessFlags& flags)
{
    QStringList lines{QStringLiteral("velko_cst.pkg_base_custo.gera_log_custo(:id_unidade,:data_base,:atualiza_preco,:operacao,user,"
                                     ":data_processamento);"),
                      QStringLiteral("velko_cst.pkg_consumo.gera_consumo") + L + QStringLiteral("(:id_unidade, :data_base);")};
    if (flags.slaughter())
        lines << QStringLiteral("velko_cst.pkg_abate.integra") + L +
                     QStringLiteral("(:id_unidade, :data_base, :atualiza_preco, :data_processamento);");
    if (flags.industrializado)
        lines << QStringLiteral("velko_cst.pkg_industrializado.integra") + L +
                     QStringLiteral("(:id_unidade, :data_base, :atualiza_preco, :data_processamento);");
    if (flags.revenda)
        lines << QStringLiteral("velko_cst.pkg_revenda.integra") + L + QStringLiteral("(:id_unidade, :data_base, :atualiza_preco);");
    return block(lines);
}

// The delete of one table's local rows of the period, keyed through its day record.
QStringList deleteThrough(const char* table, const char* key, const char* record, const QString& W)
{
    return {QStringLiteral("        DELETE FROM VELKO_CST.") + QLatin1String(table),
            QStringLiteral("         WHERE %1 in (SELECT %1 FROM VELKO_CST.%2 WHERE id_unidade = :id_unidade AND ")
                    .arg(QLatin1String(key), QLatin1String(record)) +
                W + QStringLiteral(");")};
}

QStringList deleteOfUnit(const char* table, const QString& predicate)
{
    return {QStringLiteral("        DELETE FROM VELKO_CST.") + QLatin1String(table),
            QStringLiteral("         WHERE id_unidade = :id_unidade AND ") + predicate + u';'};
}

// Block 4: the local results of the period, and the price captures of its days.
QString localCleanUpBlock(bool monthly)
{
    const QString W = periodOf(QStringLiteral("data"), monthly);
    const QString captures = periodOf(QStringLiteral("data_geracao_custo"), monthly);
    QStringList lines = deleteOfUnit("CONSUMO", W);
    for (const char* table : {"ABATE_QUARTOS", "ABATE_PRODUTO", "ABATE_MATERIA_PRIMA", "ABATE_PRECO", "ABATE_PRECO_RECEITA"})
        lines << deleteThrough(table, "id_abate", "ABATE", W);
    lines << deleteOfUnit("ABATE", W) << deleteOfUnit("ABATE_PRECO_HISTORICO", captures);
    for (const char* table : {"INDUSTRIAL_PRODUTO", "INDUSTRIAL_MP", "INDUSTRIAL_INSUMO", "INDUSTRIAL_PRECO", "INDUSTRIAL_PRECO_MP",
                              "INDUSTRIAL_PRECO_RECEITA", "INDUSTRIAL_PRODUTO_ELABORACAO"})
        lines << deleteThrough(table, "id_industrial", "INDUSTRIAL", W);
    lines << deleteOfUnit("INDUSTRIAL", W) << deleteOfUnit("IND_PRECO_HISTORICO", captures);
    for (const char* table : {"REVENDA_PRODUTO", "REVENDA_PRECO"})
        lines << deleteThrough(table, "id_revenda", "REVENDA", W);
    lines << deleteOfUnit("REVENDA", W);
    return block(lines);
}

// The copy of one table's remote rows of the period; the indent is the block's.
QStringList copyOfUnit(const QString& indent, const char* table, const QString& L, const QString& predicate)
{
    return {QStringLiteral("        INSERT INTO VELKO_CST.") + QLatin1String(table),
            indent + QStringLiteral("SELECT * FROM VELKO_CST.") + QLatin1String(table) + L +
                QStringLiteral(" WHERE id_unidade = :id_unidade AND ") + predicate + u';'};
}

QStringList copyThrough(const QString& indent, const char* table, const char* key, const char* record, const QString& L,
                        const QString& W)
{
    return {QStringLiteral("        INSERT INTO VELKO_CST.") + QLatin1String(table),
            indent + QStringLiteral("SELECT * FROM VELKO_CST.") + QLatin1String(table) + L +
                QStringLiteral(" WHERE %1 in (SELECT %1 FROM VELKO_CST.%2").arg(QLatin1String(key), QLatin1String(record)) + L +
                QStringLiteral(" WHERE id_unidade = :id_unidade AND ") + W + QStringLiteral(");")};
}

// Blocks 5 to 8: the unit's results of the period, copied back.
std::vector<QString> copyBackBlocks(const QString& L, bool monthly)
{
    const QString W = periodOf(QStringLiteral("data"), monthly);
    const QString captures = periodOf(QStringLiteral("data_geracao_custo"), monthly);
    const QString slaughterIndent(9, u' ');
    const QString productionIndent(15, u' ');

    QStringList abate = copyOfUnit(slaughterIndent, "ABATE", L, W);
    for (const char* table : {"ABATE_MATERIA_PRIMA", "ABATE_PRODUTO", "ABATE_QUARTOS", "ABATE_PRECO", "ABATE_PRECO_RECEITA"})
        abate << copyThrough(slaughterIndent, table, "id_abate", "ABATE", L, W);
    abate << copyOfUnit(slaughterIndent, "ABATE_PRECO_HISTORICO", L, captures);

    QStringList industrial = copyOfUnit(productionIndent, "INDUSTRIAL", L, W);
    for (const char* table : {"INDUSTRIAL_PRECO_MP", "INDUSTRIAL_PRECO_RECEITA", "INDUSTRIAL_PRECO", "INDUSTRIAL_MP", "INDUSTRIAL_INSUMO",
                              "INDUSTRIAL_PRODUTO", "INDUSTRIAL_PRODUTO_ELABORACAO"})
        industrial << copyThrough(productionIndent, table, "id_industrial", "INDUSTRIAL", L, W);
    industrial << copyOfUnit(productionIndent, "IND_PRECO_HISTORICO", L, captures);

    QStringList revenda = copyOfUnit(productionIndent, "REVENDA", L, W);
    for (const char* table : {"REVENDA_PRODUTO", "REVENDA_PRECO"})
        revenda << copyThrough(productionIndent, table, "id_revenda", "REVENDA", L, W);

    return {block(copyOfUnit(slaughterIndent, "CONSUMO", L, W)), block(abate), block(industrial), block(revenda)};
}

Params unitAndDay(const GenerationInput& input)
{
    return Params().setNumber(QStringLiteral("id_unidade"), input.unit).setDate(QStringLiteral("data"), input.day);
}

} // namespace

QStringList generationOpeningLines(const GenerationInput& input)
{
    return {QStringLiteral("Conectando em ") + input.tnsNames + QStringLiteral("..."), QStringLiteral(".")};
}

std::vector<GenerationBlock> generationBlocks(const GenerationInput& input)
{
    const QString L = linkSuffix(input.dbLink);
    const bool monthly = input.closingType == QLatin1String("M");
    std::vector<GenerationBlock> blocks;

    if (!L.isEmpty()) {
        blocks.push_back({QStringLiteral("Enviando parâmetros"), configurationBlock(L),
                          Params().setNumber(QStringLiteral("id_unidade"), input.unit)});
        blocks.push_back({QString(), costBasesBlock(L, monthly),
                          Params()
                              .setNumber(QStringLiteral("id_base_custo"), input.idBaseCusto)
                              .setNumber(QStringLiteral("id_unidade"), input.unit)
                              .setDate(QStringLiteral("data_inicial"), input.dataInicialMes)
                              .setDate(QStringLiteral("data"), input.day)});
    }

    Params generation;
    generation.setNumber(QStringLiteral("id_unidade"), input.unit).setDate(QStringLiteral("data_base"), input.day);
    if (input.flags.any())
        generation.setInteger(QStringLiteral("atualiza_preco"), input.capturePrices ? 1 : 0);
    else
        generation.setNull(QStringLiteral("atualiza_preco"), session::BindType::Integer);
    generation.setText(QStringLiteral("operacao"), QStringLiteral("G"))
        .setDateTime(QStringLiteral("data_processamento"), input.moment);
    blocks.push_back({QStringLiteral("Gerando informações de custo"), generationBlock(L, input.flags), generation});

    if (!L.isEmpty()) {
        blocks.push_back({QStringLiteral("Limpando dados locais"), localCleanUpBlock(monthly), unitAndDay(input), true});
        QString line = QStringLiteral("Transferindo informações");
        for (QString& text : copyBackBlocks(L, monthly)) {
            blocks.push_back({line, std::move(text), unitAndDay(input), true});
            line.clear();
        }
    }
    return blocks;
}

} // namespace custos::server
