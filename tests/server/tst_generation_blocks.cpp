// The blocks a generation sends, by the run's values: which blocks, the exact generation block,
// the period of the deletes and of the copies, the capture flag, and the link name check.

#include "GenerationBlocks.h"
#include "Listing.h"
#include "OperationError.h"
#include "PriceCaptureUndo.h"

#include <QTest>

using namespace custos::server;

namespace {

GenerationInput input(const QString& link, const QString& closingType, bool capture, ProcessFlags flags)
{
    GenerationInput in;
    in.unit = 1;
    in.day = QDate(2024, 3, 15);
    in.moment = QDateTime(QDate(2024, 3, 16), QTime(8, 0));
    in.capturePrices = capture;
    in.dbLink = link;
    in.tnsNames = QStringLiteral("CUSTOS_UN2");
    in.closingType = closingType;
    in.idBaseCusto = 7;
    in.dataInicialMes = QDate(2024, 3, 1);
    in.flags = flags;
    return in;
}

const ProcessFlags all{true, true, true, true};

QString lines(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* l : list)
        out << QString::fromUtf8(l);
    return out.join(u'\n');
}

} // namespace

Q_DECLARE_METATYPE(GenerationInput)
Q_DECLARE_METATYPE(ProcessFlags)

class tst_generation_blocks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void generationBlock_data()
    {
        QTest::addColumn<GenerationInput>("in");
        QTest::addColumn<int>("blockCount");
        QTest::addColumn<QString>("generation");
        QTest::addColumn<QVariant>("atualizaPreco");

        QTest::newRow("no link, every process") << input({}, QStringLiteral("M"), true, all) << 1
            << lines({"BEGIN",
                      "velko_cst.pkg_base_custo.gera_log_custo(:id_unidade,:data_base,:atualiza_preco,:operacao,user,:data_processamento);",
                      "velko_cst.pkg_consumo.gera_consumo(:id_unidade, :data_base);",
                      "velko_cst.pkg_abate.integra(:id_unidade, :data_base, :atualiza_preco, :data_processamento);",
                      "velko_cst.pkg_industrializado.integra(:id_unidade, :data_base, :atualiza_preco, :data_processamento);",
                      "velko_cst.pkg_revenda.integra(:id_unidade, :data_base, :atualiza_preco);",
                      "END;"})
            << QVariant(qlonglong(1));
        QTest::newRow("link, monthly") << input(QStringLiteral("UNIDADE2"), QStringLiteral("M"), true, all) << 8
            << lines({"BEGIN",
                      "velko_cst.pkg_base_custo.gera_log_custo(:id_unidade,:data_base,:atualiza_preco,:operacao,user,:data_processamento);",
                      "velko_cst.pkg_consumo.gera_consumo@UNIDADE2(:id_unidade, :data_base);",
                      "velko_cst.pkg_abate.integra@UNIDADE2(:id_unidade, :data_base, :atualiza_preco, :data_processamento);",
                      "velko_cst.pkg_industrializado.integra@UNIDADE2(:id_unidade, :data_base, :atualiza_preco, :data_processamento);",
                      "velko_cst.pkg_revenda.integra@UNIDADE2(:id_unidade, :data_base, :atualiza_preco);",
                      "END;"})
            << QVariant(qlonglong(1));
        QTest::newRow("no process flag") << input({}, QString(), true, {}) << 1
            << lines({"BEGIN",
                      "velko_cst.pkg_base_custo.gera_log_custo(:id_unidade,:data_base,:atualiza_preco,:operacao,user,:data_processamento);",
                      "velko_cst.pkg_consumo.gera_consumo(:id_unidade, :data_base);",
                      "END;"})
            << QVariant();
        QTest::newRow("check box cleared, pigs and resale") << input({}, QString(), false, {true, false, false, true}) << 1
            << lines({"BEGIN",
                      "velko_cst.pkg_base_custo.gera_log_custo(:id_unidade,:data_base,:atualiza_preco,:operacao,user,:data_processamento);",
                      "velko_cst.pkg_consumo.gera_consumo(:id_unidade, :data_base);",
                      "velko_cst.pkg_abate.integra(:id_unidade, :data_base, :atualiza_preco, :data_processamento);",
                      "velko_cst.pkg_revenda.integra(:id_unidade, :data_base, :atualiza_preco);",
                      "END;"})
            << QVariant(qlonglong(0));
    }
    void generationBlock()
    {
        QFETCH(GenerationInput, in);
        QFETCH(int, blockCount);
        const std::vector<GenerationBlock> blocks = generationBlocks(in);
        QCOMPARE(int(blocks.size()), blockCount);
        const GenerationBlock& generation = blocks[blockCount == 1 ? 0 : 2];
        QTEST(generation.text, "generation");
        QCOMPARE(generation.logLine, QStringLiteral("Gerando informações de custo"));
        const custos::session::BindValue* flag = generation.params.find(QStringLiteral("atualiza_preco"));
        QVERIFY(flag);
        QCOMPARE(flag->type, custos::session::BindType::Integer);
        QFETCH(QVariant, atualizaPreco);
        QCOMPARE(flag->value.isNull(), atualizaPreco.isNull());
        if (!atualizaPreco.isNull())
            QCOMPARE(flag->value.toLongLong(), atualizaPreco.toLongLong());
        QCOMPARE(generation.params.find(QStringLiteral("operacao"))->value.toString(), QStringLiteral("G"));
    }

    // Over the link: the configuration block as sent, then the period of each delete and copy.
    void linkBlocks_data()
    {
        QTest::addColumn<QString>("closingType");
        QTest::addColumn<QString>("period");
        QTest::newRow("daily") << QStringLiteral("D") << QStringLiteral("data = :data");
        QTest::newRow("monthly") << QStringLiteral("M") << QStringLiteral("data between trunc(:data,'MM') and last_day(:data)");
    }
    void linkBlocks()
    {
        QFETCH(QString, closingType);
        QFETCH(QString, period);
        const std::vector<GenerationBlock> blocks = generationBlocks(input(QStringLiteral("UNIDADE2"), closingType, true, all));
        QCOMPARE(blocks[0].text,
                 lines({"BEGIN",
                        "  DELETE FROM VELKO_CST.UNIDADE@UNIDADE2;",
                        "  DELETE FROM VELKO_CST.PARAMETROS@UNIDADE2 WHERE id_unidade = :id_unidade;",
                        "  DELETE FROM VELKO_CST.MERCADO@UNIDADE2;",
                        "  DELETE FROM VELKO_CST.LINHA_INDUSTRIAL@UNIDADE2;",
                        "  DELETE FROM VELKO_CST.CATEGORIA_REVENDA@UNIDADE2;",
                        "  INSERT INTO VELKO_CST.UNIDADE@UNIDADE2 SELECT * FROM VELKO_CST.UNIDADE;",
                        "  INSERT INTO VELKO_CST.PARAMETROS@UNIDADE2 SELECT * FROM VELKO_CST.PARAMETROS WHERE id_unidade = :id_unidade;",
                        "  INSERT INTO VELKO_CST.MERCADO@UNIDADE2 SELECT * FROM VELKO_CST.MERCADO;",
                        "  INSERT INTO VELKO_CST.LINHA_INDUSTRIAL@UNIDADE2 SELECT * FROM VELKO_CST.LINHA_INDUSTRIAL;",
                        "  INSERT INTO VELKO_CST.CATEGORIA_REVENDA@UNIDADE2 SELECT * FROM VELKO_CST.CATEGORIA_REVENDA;",
                        "END;"}));
        const QStringList costBases = blocks[1].text.split(u'\n');
        QVERIFY(costBases.contains(QStringLiteral("   WHERE id_abate in (SELECT id_abate FROM VELKO_CST.ABATE WHERE id_unidade = :id_unidade AND ") +
                                   period + QStringLiteral(");")));
        QVERIFY(costBases.contains(QStringLiteral("   SELECT * FROM VELKO_CST.ABATE_PRECO WHERE id_abate in (SELECT id_abate FROM "
                                                  "VELKO_CST.ABATE WHERE id_unidade = :id_unidade AND ") + period + QStringLiteral(");")));
        QVERIFY(costBases.contains(QStringLiteral("  INSERT INTO VELKO_CST.BASE_CUSTO_LINHA@UNIDADE2 SELECT * FROM VELKO_CST.BASE_CUSTO_LINHA"
                                                  " WHERE id_base_custo in (select b.id_base_custo from velko_cst.base_custo b"
                                                  " where b.data_inicial >= :data_inicial and b.id_unidade = :id_unidade);")));
        QCOMPARE(blocks[3].logLine, QStringLiteral("Limpando dados locais"));
        QVERIFY(blocks[3].text.split(u'\n').contains(QStringLiteral("         WHERE id_unidade = :id_unidade AND ") + period + u';'));
        QCOMPARE(blocks[4].logLine, QStringLiteral("Transferindo informações"));
        QCOMPARE(blocks[4].text, lines({"BEGIN", "        INSERT INTO VELKO_CST.CONSUMO"}) + QStringLiteral("\n         SELECT * FROM "
                 "VELKO_CST.CONSUMO@UNIDADE2 WHERE id_unidade = :id_unidade AND ") + period + QStringLiteral(";\nEND;"));
        // Every table deleted locally is copied back.
        for (const char* table : {"ABATE_PRECO_RECEITA", "INDUSTRIAL_PRODUTO_ELABORACAO", "ABATE_PRECO_HISTORICO", "IND_PRECO_HISTORICO",
                                  "REVENDA_PRECO"}) {
            const QString name = QStringLiteral("VELKO_CST.") + QLatin1String(table);
            QVERIFY2(blocks[3].text.contains(QStringLiteral("DELETE FROM ") + name + u'\n'), table);
            bool copied = false;
            for (int b = 4; b < 8; ++b)
                copied = copied || blocks[std::size_t(b)].text.contains(QStringLiteral("INSERT INTO ") + name + u'\n');
            QVERIFY2(copied, table);
        }
        for (int b = 0; b < 8; ++b)
            QCOMPARE(blocks[std::size_t(b)].copyBack, b >= 3);
    }

    void linkNameRefused_data()
    {
        QTest::addColumn<QString>("link");
        QTest::newRow("statement") << QStringLiteral("UNIDADE2; DROP TABLE x");
        QTest::newRow("quote") << QStringLiteral("UN\"2");
        QTest::newRow("digit first") << QStringLiteral("2UNIDADE");
        QTest::newRow("space") << QStringLiteral("UNIDADE 2");
        QTest::newRow("too long") << QString(31, u'A');
    }
    void linkNameRefused()
    {
        QFETCH(QString, link);
        QVERIFY_THROWS_EXCEPTION(OperationError, generationBlocks(input(link, QString(), true, all)));
        PriceCaptureUndoInput undo;
        undo.dbLink = link;
        undo.flags = all;
        QVERIFY_THROWS_EXCEPTION(OperationError, custos::server::restoreBlock(undo));
    }

    void restoreBlocks_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<ProcessFlags>("flags");
        QTest::addColumn<QString>("block");
        QTest::newRow("local, resale never restored") << QString() << all
            << lines({"BEGIN",
                      "velko_cst.pkg_abate.RESTAURAR_PRECO_MEDIO(:id_unidade, :data_base, :data_processamento);",
                      "velko_cst.pkg_industrializado.RESTAURAR_PRECO_MEDIO(:id_unidade, :data_base, :data_processamento);",
                      "END;"});
        QTest::newRow("over the link, both databases") << QStringLiteral("UNIDADE2") << ProcessFlags{false, true, false, false}
            << lines({"BEGIN",
                      "velko_cst.pkg_abate.RESTAURAR_PRECO_MEDIO@UNIDADE2(:id_unidade, :data_base, :data_processamento);",
                      "velko_cst.pkg_abate.RESTAURAR_PRECO_MEDIO(:id_unidade, :data_base, :data_processamento);",
                      "END;"});
        QTest::newRow("no process") << QString() << ProcessFlags{false, false, false, true} << lines({"BEGIN", "END;"});
    }
    void restoreBlocks()
    {
        QFETCH(QString, link);
        QFETCH(ProcessFlags, flags);
        PriceCaptureUndoInput undo;
        undo.dbLink = link;
        undo.flags = flags;
        QTEST(custos::server::restoreBlock(undo), "block");
    }
};

QTEST_GUILESS_MAIN(tst_generation_blocks)
#include "tst_generation_blocks.moc"
