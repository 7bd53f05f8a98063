// What the database refuses a login of the operator level (OPERADOR, "USR"), sent directly as
// any client could send it, and what it still lets that login do. Each refused operation is then
// run by the analyst (ANALISTA), for whom it works; the rows run in order on one day of the
// packages' fixture: the prices are edited, the day generated again, its capture undone, the day
// closed and reopened, prices published, and the unit database reached over its link.
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DatabaseError.h"
#include "FixtureDay.h"
#include "Query.h"
#include "TestDatabase.h"

#include <QtTest>
#include <functional>

using custos::data::TDataModule_Custo;
using custos::session::DatabaseError;
using custos::session::DBXConnection;
using custos::session::Params;
using custos::test::generateDay;
using custos::test::kDia;
using custos::test::TestDatabase;

namespace {

struct Operation
{
    QString refusal; // what the message says the operator may not do
    std::function<void(DBXConnection&)> run;
};

const QString kRestore = QStringLiteral(
    "BEGIN\n"
    "velko_cst.pkg_abate.RESTAURAR_PRECO_MEDIO%1(:id_unidade, :data_base, :data_processamento);\n"
    "velko_cst.pkg_industrializado.RESTAURAR_PRECO_MEDIO%1(:id_unidade, :data_base, :data_processamento);\n"
    "END;");

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestOperatorRefusals : public QObject
{
    Q_OBJECT
    TestDatabase m_db;
    std::unique_ptr<DBXConnection> m_operador;
    std::unique_ptr<DBXConnection> m_analista;
    std::unique_ptr<TDataModule_Custo> m_module; // the program's statements
    const QDateTime m_geracao{QDate(2024, 3, 16), QTime(8, 0, 0)};
    const QDateTime m_captura = m_geracao.addSecs(3600);

    QString scalar(const QString& sql) const { return m_db.scalar(sql); }
    double id(const QString& sql) const { return scalar(sql).toDouble(); }

    // A statement of the data module, run on the given connection with these parameters.
    std::function<void(DBXConnection&)> programStatement(const char* name, const Params& params) const
    {
        const QString text = m_module->query(QLatin1String(name)).text();
        return [text, params](DBXConnection& c) { c.execute(text, params); };
    }
    static std::function<void(DBXConnection&)> statement(const QString& text, const Params& params = {})
    {
        return [text, params](DBXConnection& c) { c.execute(text, params); };
    }

    Params dayIds() const
    {
        return Params()
            .setDate(QStringLiteral("p_data"), kDia)
            .setNumber(QStringLiteral("p_id_unidade"), 1)
            .setNumber(QStringLiteral("p_id_abate"), id(QStringLiteral("select id_abate from velko_cst.abate")))
            .setNumber(QStringLiteral("p_id_industrial"), id(QStringLiteral("select id_industrial from velko_cst.industrial")))
            .setNumber(QStringLiteral("p_id_revenda"), id(QStringLiteral("select id_revenda from velko_cst.revenda")));
    }

    Params restoreParams() const
    {
        return Params()
            .setNumber(QStringLiteral("id_unidade"), 1)
            .setDate(QStringLiteral("data_base"), kDia)
            .setDateTime(QStringLiteral("data_processamento"), m_captura);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_db.loadFixture(QStringLiteral("custo_dia.sql"));
        m_db.exec(QStringLiteral("INSERT INTO velko_ven.tipo_tabela VALUES (1, 'Custo', 1);"
                                 "INSERT INTO velko_ven.tabela_preco VALUES (7, NULL, '7', 'Tabela de custo', 1);"));
        generateDay(*m_db.connect(), m_geracao, 1);
        m_operador = m_db.connect(QStringLiteral("OPERADOR"));
        m_analista = m_db.connect(QStringLiteral("ANALISTA"));
        m_module = std::make_unique<TDataModule_Custo>(*m_analista);
    }

    void refusedToTheOperatorOnly_data()
    {
        QTest::addColumn<Operation>("operation");
        const Params closing = Params(dayIds())
                                   .setNumber(QStringLiteral("p_aproveitamento_kg"), 0.35)
                                   .setNumber(QStringLiteral("p_resultado_geral"), 874);
        QTest::newRow("slaughter price") << Operation{
            "alterar VELKO_CST.ABATE_PRECO",
            statement(QStringLiteral("UPDATE VELKO_CST.ABATE_PRECO SET PRECO = 12 WHERE SEQUENCIAL_PRODUTO = 101"))};
        QTest::newRow("production price") << Operation{
            "alterar VELKO_CST.INDUSTRIAL_PRECO",
            statement(QStringLiteral("UPDATE VELKO_CST.INDUSTRIAL_PRECO SET PRECO = 65 WHERE SEQUENCIAL_PRODUTO = 120"))};
        QTest::newRow("raw-material price") << Operation{
            "alterar VELKO_CST.INDUSTRIAL_PRECO_MP",
            statement(QStringLiteral("UPDATE VELKO_CST.INDUSTRIAL_PRECO_MP SET PRECO = PRECO + 1"
                                     " WHERE CODIGO_METODO_CUSTO_MP = 'NFE'"))};
        QTest::newRow("parameter set") << Operation{
            "alterar VELKO_CST.BASE_CUSTO",
            statement(QStringLiteral("UPDATE VELKO_CST.BASE_CUSTO SET MOD_ABATE = MOD_ABATE WHERE ID_BASE_CUSTO = 10"))};
        QTest::newRow("market rates of the set") << Operation{
            "alterar VELKO_CST.BASE_CUSTO_MERCADO",
            statement(QStringLiteral("UPDATE VELKO_CST.BASE_CUSTO_MERCADO SET ICMS = ICMS"))};
        QTest::newRow("own access level") << Operation{
            "alterar VELKO_CST.USUARIOS",
            statement(QStringLiteral("UPDATE VELKO_CST.USUARIOS SET NIVEL_ACESSO = NIVEL_ACESSO"
                                     " WHERE USERNAME = 'OPERADOR'"))};
        QTest::newRow("resale price rows") << Operation{
            "alterar VELKO_CST.REVENDA_PRECO além de PRECO",
            statement(QStringLiteral("DELETE FROM VELKO_CST.REVENDA_PRECO WHERE ID_REVENDA_PRECO = -1"))};
        QTest::newRow("generation") << Operation{
            "gerar o custo", [this](DBXConnection& c) { generateDay(c, m_captura, 1); }};
        QTest::newRow("undo of the capture") << Operation{
            "desfazer a captura de preço", statement(kRestore.arg(QString()), restoreParams())};
        QTest::newRow("closing") << Operation{"fechar o custo", programStatement("Q_FecharCusto", closing)};
        QTest::newRow("closing columns") << Operation{
            "alterar VELKO_CST.ABATE",
            statement(QStringLiteral("UPDATE VELKO_CST.ABATE SET USUARIO_FECHAMENTO = USUARIO_FECHAMENTO"))};
        QTest::newRow("reopening") << Operation{"reabrir o custo", programStatement("Q_DesfazerFechamento", dayIds())};
        QTest::newRow("publishing, new price") << Operation{
            "alterar VELKO_VEN.ITEM_PRECO",
            programStatement("Ins_TabelaCusto", Params()
                                                    .setNumber(QStringLiteral("sequencial_produto"), 120)
                                                    .setNumber(QStringLiteral("sequencial_tabela_preco"), 7)
                                                    .setNumber(QStringLiteral("preco"), 48.55)
                                                    .setText(QStringLiteral("detalhes"), QStringLiteral("Custo 15/03")))};
        QTest::newRow("publishing, price update") << Operation{
            "alterar VELKO_VEN.ITEM_PRECO",
            programStatement("Upd_TabelaCusto", Params()
                                                    .setNumber(QStringLiteral("valor_unitario"), 49)
                                                    .setText(QStringLiteral("detalhes"), QStringLiteral("Custo 15/03"))
                                                    .setNumber(QStringLiteral("sequencial_item_preco"), -1))};
        QTest::newRow("price in the unit database") << Operation{
            "alterar VELKO_CST.ABATE_PRECO@UNIDADE2",
            statement(QStringLiteral("UPDATE VELKO_CST.ABATE_PRECO@UNIDADE2 SET PRECO = 0"))};
        QTest::newRow("undo in the unit database") << Operation{
            "executar procedimentos do custo pelo link UNIDADE2",
            statement(kRestore.arg(QStringLiteral("@UNIDADE2")), restoreParams())};
    }
    void refusedToTheOperatorOnly()
    {
        QFETCH(Operation, operation);
        try {
            operation.run(*m_operador);
            QFAIL("the operator was not refused");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.sqlState(), QStringLiteral("42501"));
            QCOMPARE(e.message(),
                     QStringLiteral("O usuário OPERADOR é operador do sistema de custo e não pode %1.").arg(operation.refusal));
        }
        operation.run(*m_analista);
    }

    // What the operator's windows do: read every result (keeping production rows as any read
    // does), edit a resale price, have the weighted-average raw material repriced.
    void leftToTheOperator()
    {
        m_db.exec(QStringLiteral("DELETE FROM pkg_industrializado.resultado_guardado;"
                                 "DELETE FROM pkg_industrializado.registro_guardado;"
                                 "UPDATE velko_cst.industrial_preco_mp SET preco = 99 WHERE codigo_metodo_custo_mp = 'CMP'"));
        for (const char* source : {"velko_cst.pkg_abate.ppl_aproveitamento", "velko_cst.pkg_industrializado.ppl_resultado",
                                   "velko_cst.pkg_industrializado.ppl_materia_prima", "velko_cst.pkg_revenda.ppl_resultado"}) {
            auto rows = m_operador->query(QStringLiteral("select count(*) n from table(%1(:u, :d, :d))").arg(QLatin1String(source)),
                                          Params().setNumber(QStringLiteral("u"), 1).setDate(QStringLiteral("d"), kDia));
            QVERIFY2(rows.value(0, 0).toInt() > 0, source);
        }
        QCOMPARE(scalar(QStringLiteral("select count(*) from pkg_industrializado.registro_guardado")), QStringLiteral("1"));

        m_operador->execute(QStringLiteral("UPDATE VELKO_CST.REVENDA_PRECO SET PRECO = :PRECO WHERE ID_REVENDA_PRECO = :ID"),
                            Params().setNumber(QStringLiteral("PRECO"), 26).setNumber(
                                QStringLiteral("ID"), id(QStringLiteral("select id_revenda_preco from velko_cst.revenda_preco"
                                                                        " where sequencial_produto = 130"))));
        QCOMPARE(scalar(QStringLiteral("select preco from velko_cst.revenda_preco where sequencial_produto = 130")),
                 QStringLiteral("26.000000"));

        m_operador->execute(
            QStringLiteral("BEGIN  \n  velko_cst.pkg_industrializado.atualiza_custo_medio_mp(:p_id_unidade, \n:p_id_familia, \n:p_data);      \nEND; "),
            Params()
                .setNumber(QStringLiteral("p_id_unidade"), 1)
                .setNumber(QStringLiteral("p_id_familia"), 40)
                .setDate(QStringLiteral("p_data"), kDia));
        QCOMPARE(scalar(QStringLiteral("select round(preco, 2) from velko_cst.industrial_preco_mp where codigo_metodo_custo_mp = 'CMP'")),
                 QStringLiteral("12.00"));
    }
};

QTEST_GUILESS_MAIN(TestOperatorRefusals)
#include "tst_operator_refusals.moc"
