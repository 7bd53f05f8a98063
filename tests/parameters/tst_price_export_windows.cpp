// The two price table export windows on the real server, offscreen: the fixture day generated,
// a production family and a resale group published into the fixture's price tables.
#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "FixtureDay.h"
#include "PriceExportChoices.h"
#include "PriceTableRows.h"
#include "TF_ExportaTabelaPrecos.h"
#include "TF_ExportaTabelaRevenda.h"
#include "TestDatabase.h"

#include <GridColumn.h>
#include <GridView.h>
#include <MessageBox.h>

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace custos::parameters;
using custos::data::TDataModule_Custo;
using custos::test::kDia;
using custos::test::priceRows;
using custos::test::TestDatabase;
using custos::test::choose;
using custos::test::click;
using custos::test::combo;
using custos::test::confirm;
using custos::test::TabelaBase;
using custos::test::TabelaDeCusto;
using custos::ui::MessageResult;

namespace {

const ProductionFamily kCortes{1, kDia, 30, QStringLiteral("Cortes Bovinos")};
const ResaleGroup kLaticinios{1, kDia, 7, 1, QStringLiteral("Laticínios"), QStringLiteral("Queijos")};

// The texts of a field's cells (a check box's values) in the order the grid shows them.
QString column(PriceTableExportForm& form, const char* field)
{
    QStringList texts;
    const custos::grid::GridColumn* c = form.grid()->column(QString::fromLatin1(field));
    const custos::grid::GridModel& model = form.grid()->model();
    model.forEachShownRow([&](int row) {
        texts << (c->isCheckBox() ? model.cellValue(row, c).toString() : model.cellText(row, c));
    });
    return texts.join(u' ');
}

} // namespace

class TestPriceExportWindows : public QObject
{
    Q_OBJECT
    TestDatabase m_db;
    std::unique_ptr<custos::session::DBXConnection> m_connection;
    std::unique_ptr<TDataModule_Custo> m_module;

    std::unique_ptr<PriceTableExportForm> industrialized()
    {
        auto form = std::make_unique<TF_ExportaTabelaPrecos>(*m_module, kCortes);
        form->show();
        return form;
    }
    std::unique_ptr<PriceTableExportForm> resale()
    {
        auto form = std::make_unique<TF_ExportaTabelaRevenda>(*m_module, kLaticinios);
        form->show();
        return form;
    }
    std::unique_ptr<PriceTableExportForm> window(bool resaleWindow)
    {
        return resaleWindow ? resale() : industrialized();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        m_db.loadFixture(QStringLiteral("custo_dia.sql"));
        m_db.loadFixture(QStringLiteral("tabela_precos.sql"));
        custos::test::keepPriceRows(m_db);
        m_connection = m_db.connect(QStringLiteral("ANALISTA"));
        custos::test::generateDay(*m_connection, QDateTime(QDate(2024, 3, 16), QTime(8, 0)));
        m_module = std::make_unique<TDataModule_Custo>(*m_connection);
    }
    void init()
    {
        custos::test::restorePriceRows(m_db);
    }

    void layout_data()
    {
        QTest::addColumn<bool>("resaleWindow");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("header");
        QTest::newRow("industrialized") << false << "F_ExportaTabelaPrecos" << "Cortes Bovinos 15/03/2024";
        QTest::newRow("resale") << true << "F_ExportaTabelaRevenda" << "Laticínios 15/03/2024 Queijos";
    }
    // The window as it opens: nothing chosen, nothing listed; the base columns and their title
    // only for kind "Tabela Base".
    void layout()
    {
        QFETCH(bool, resaleWindow);
        QFETCH(QString, objectName);
        QFETCH(QString, header);
        auto form = window(resaleWindow);
        QCOMPARE(form->objectName(), objectName);
        QCOMPARE(form->windowTitle(), QStringLiteral("Exporta Tabela de Preços"));
        QCOMPARE(form->size(), QSize(947, 503));
        QStringList texts;
        for (const char* name : {"Edit_Familia", "Edit_Data", "Edit_Grupo"}) {
            if (auto* edit = form->findChild<QLineEdit*>(QString::fromLatin1(name))) {
                QVERIFY(!edit->isEnabled());
                texts << edit->text();
            }
        }
        QCOMPARE(texts.join(u' '), header);
        QCOMPARE(combo(*form, "ComboBox_Tipo")->currentIndex(), -1);
        QCOMPARE(combo(*form, "ComboBox_Referencia")->currentIndex(), -1);
        QVERIFY(!form->productList().isActive());
        QWidget* panelBase = form->findChild<QWidget*>(QStringLiteral("Panel_TabelaBase"));
        QVERIFY(!panelBase->isVisible());
        QVERIFY(!form->grid()->column(QStringLiteral("STATUS_BASE"))->isVisible());
        choose(*form, TabelaBase, 2, QStringLiteral("20"));
        QVERIFY(panelBase->isVisible());
        for (const char* field : {"PRECO_MEDIO", "PRECO_BASE", "STATUS_BASE"})
            QVERIFY(form->grid()->column(QString::fromLatin1(field))->isVisible());
        QCOMPARE(form->productList().recordCount(), 2);
        combo(*form, "ComboBox_Tipo")->setCurrentIndex(TabelaDeCusto);
        QVERIFY(!form->productList().isActive());
        QVERIFY(!panelBase->isVisible());
        QCOMPARE(combo(*form, "LookupComboBox_Tabela")->currentIndex(), -1);
    }

    // Kind "Tabela de Custo": no base target; the chosen table is written (inserted once, then
    // updated), and the next use shows "Atualizar" with the prices just written. Of two tables
    // with one description, the chosen one is written.
    void costTableInsertedThenUpdated_data()
    {
        QTest::addColumn<bool>("resaleWindow");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("prices");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("detalhes");
        QTest::newRow("industrialized, table 10") << false << "10" << "Atualizar Incluir" << "62,658 25,198"
                                                  << "120:62.6575 121:25.1975" << "Data Base: 15/03/2024 Familia: 30";
        QTest::newRow("industrialized, table 11 of the same description")
            << false << "11" << "Incluir Incluir" << "62,658 25,198" << "120:62.6575 121:25.1975"
            << "Data Base: 15/03/2024 Familia: 30";
        QTest::newRow("resale, table 10") << true << "10" << "Incluir Incluir" << "17,632 25,420"
                                          << "120:18 130:17.6324 131:25.42"
                                          << "(Custo Revenda) - Data Base: 15/03/2024 Familia: 7 Grupo: 1";
    }
    void costTableInsertedThenUpdated()
    {
        QFETCH(bool, resaleWindow);
        QFETCH(QString, numero);
        QFETCH(QString, before);
        QFETCH(QString, prices);
        QFETCH(QString, written);
        QFETCH(QString, detalhes);
        const int tabela = numero.toInt();
        const QString untouched = QStringLiteral("select count(*) from velko_ven.item_preco where"
                                                 " sequencial_tabela_preco <> %1 and origem = 'C'").arg(tabela);
        for (int round = 0; round < 2; ++round) {
            auto form = window(resaleWindow);
            choose(*form, TabelaDeCusto, 2, numero);
            QCOMPARE(column(*form, "STATUS_BASE"), QStringLiteral("Nenhuma Nenhuma"));
            QVERIFY(!form->grid()->column(QStringLiteral("PRECO_BASE"))->isVisible());
            QCOMPARE(column(*form, "STATUS"), round == 0 ? before : QStringLiteral("Atualizar Atualizar"));
            if (round == 1)
                QCOMPARE(column(*form, "PRECO"), prices);
            QCOMPARE(column(*form, "VALOR_REFERENCIA"), prices);
            click(*form, "MarcarTodas");
            QCOMPARE(confirm(*form, MessageResult::Yes),
                     QStringLiteral("Deseja realizar a atualização da tabela de preço selecionada?"));
            QCOMPARE(form->result(), int(QDialog::Accepted));
            QCOMPARE(priceRows(m_db, tabela), written);
            QCOMPARE(m_db.scalar(untouched), QStringLiteral("0"));
        }
        QCOMPARE(m_db.scalar(QStringLiteral("select string_agg(distinct origem_observacoes, '|') from velko_ven.item_preco"
                                            " where sequencial_tabela_preco = %1").arg(tabela)),
                 detalhes);
    }

    // Kind "Tabela Base": the average price into the chosen table; the cost figure into its own
    // base, or nowhere when it has none.
    void baseTable_data()
    {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("statusBase");
        QTest::addColumn<QString>("table30");
        QTest::addColumn<QString>("table20");
        QTest::newRow("table without a base") << "30" << "Nenhuma Nenhuma" << "Incluir Incluir" << "120:60 121:30"
                                              << "120:25";
        QTest::newRow("table based on another") << "20" << "Incluir Incluir" << "Atualizar Incluir"
                                                << "120:62.6575 121:25.1975" << "120:60 121:30";
    }
    void baseTable()
    {
        QFETCH(QString, numero);
        QFETCH(QString, status);
        QFETCH(QString, statusBase);
        QFETCH(QString, table30);
        QFETCH(QString, table20);
        auto form = industrialized();
        choose(*form, TabelaBase, 2, numero);
        QCOMPARE(column(*form, "STATUS"), status);
        QCOMPARE(column(*form, "STATUS_BASE"), statusBase);
        click(*form, "MarcarTodas");
        confirm(*form, MessageResult::Yes);
        QCOMPARE(priceRows(m_db, 30), table30);
        QCOMPARE(priceRows(m_db, 20), table20);
        QCOMPARE(priceRows(m_db, 10), QStringLiteral("120:18"));
    }

    // The selection buttons act on every row shown; the confirmation lifts the user's filter,
    // writes in the order shown and never writes an unticked row.
    void selectionFilterAndOrder()
    {
        auto form = industrialized();
        choose(*form, TabelaDeCusto, 0, QStringLiteral("11"));
        custos::grid::GridModel& model = form->grid()->model();
        model.setSorting({{QStringLiteral("CODIGO_PRODUTO"), Qt::DescendingOrder}});
        QCOMPARE(column(*form, "CODIGO_PRODUTO"), QStringLiteral("3002 3001"));
        click(*form, "MarcarTodas");
        QCOMPARE(column(*form, "CHECKBOX"), QStringLiteral("1 1"));
        click(*form, "DesmarcarTodas");
        QCOMPARE(column(*form, "CHECKBOX"), QStringLiteral("0 0"));
        QVERIFY(form->grid()->toggleCheckBox(0, form->grid()->column(QStringLiteral("CHECKBOX"))));
        click(*form, "Inverter");
        QCOMPARE(column(*form, "CHECKBOX"), QStringLiteral("0 1"));
        click(*form, "Inverter");
        QCOMPARE(column(*form, "CHECKBOX"), QStringLiteral("1 0"));
        click(*form, "MarcarTodas");
        model.setColumnFilter(form->grid()->column(QStringLiteral("CODIGO_PRODUTO")), {QStringLiteral("3001")});
        QCOMPARE(column(*form, "CODIGO_PRODUTO"), QStringLiteral("3001"));
        confirm(*form, MessageResult::Yes);
        QVERIFY(!model.hasUserFilter());
        QCOMPARE(priceRows(m_db, 11), QStringLiteral("121:23.96 120:47.92"));

        auto again = industrialized();
        choose(*again, TabelaDeCusto, 1, QStringLiteral("11"));
        QVERIFY(again->grid()->toggleCheckBox(1, again->grid()->column(QStringLiteral("CHECKBOX"))));
        confirm(*again, MessageResult::Yes);
        QCOMPARE(priceRows(m_db, 11), QStringLiteral("121:24.4975 120:47.92"));
    }

    // A price missing from the table: 0 in the industrialized window, empty in the resale one.
    void missingPrice_data()
    {
        QTest::addColumn<bool>("resaleWindow");
        QTest::addColumn<QString>("prices");
        QTest::newRow("industrialized") << false << "0,000 0,000";
        QTest::newRow("resale") << true << " ";
    }
    void missingPrice()
    {
        QFETCH(bool, resaleWindow);
        QFETCH(QString, prices);
        auto form = window(resaleWindow);
        choose(*form, TabelaDeCusto, 0, QStringLiteral("11"));
        QCOMPARE(column(*form, "PRECO"), prices);
    }

    // A refused write: the database's message naming the product, nothing written, the window
    // left open. No writes nothing and closes with OK; the second button closes without writing.
    void refusedNoAndCancel()
    {
        m_db.exec(QStringLiteral(
            "CREATE FUNCTION velko_ven.recusa_121() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN"
            " IF NEW.sequencial_produto = 121 THEN RAISE EXCEPTION 'Produto 121 bloqueado'; END IF;"
            " RETURN NEW; END $$;"
            "CREATE TRIGGER recusa_121 BEFORE INSERT OR UPDATE ON velko_ven.item_preco"
            " FOR EACH ROW EXECUTE FUNCTION velko_ven.recusa_121()"));
        {
            auto form = industrialized();
            choose(*form, TabelaDeCusto, 2, QStringLiteral("10"));
            click(*form, "MarcarTodas");
            const QString shown = confirm(*form, MessageResult::Yes);
            QVERIFY2(shown.contains(QStringLiteral("produto 3002 - Alcatra")), qPrintable(shown));
            QVERIFY2(shown.contains(QStringLiteral("Produto 121 bloqueado")), qPrintable(shown));
            QVERIFY(form->isVisible());
        }
        m_db.exec(QStringLiteral("DROP TRIGGER recusa_121 ON velko_ven.item_preco"));
        QCOMPARE(priceRows(m_db, 10), QStringLiteral("120:18"));
        {
            auto form = industrialized();
            choose(*form, TabelaDeCusto, 2, QStringLiteral("10"));
            click(*form, "MarcarTodas");
            confirm(*form, MessageResult::No);
            QCOMPARE(form->result(), int(QDialog::Accepted));
        }
        {
            auto form = industrialized();
            choose(*form, TabelaDeCusto, 2, QStringLiteral("10"));
            click(*form, "MarcarTodas");
            click(*form, "btnCancelar");
            QCOMPARE(form->result(), int(QDialog::Rejected));
        }
        QCOMPARE(priceRows(m_db, 10), QStringLiteral("120:18"));
    }
};

QTEST_MAIN(TestPriceExportWindows)
#include "tst_price_export_windows.moc"
