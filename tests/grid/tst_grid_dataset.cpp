// The grid bound to the dataset layer (a data source over a client dataset read from the test
// database): grouped sums, price edits saved through the dataset's post, a post refused by the
// dataset's rule, and a read-only dataset that never enters edit mode.

#include "DatabaseError.h"
#include "../data/PriceFixture.h"

#include <DataError.h>
#include <DataSource.h>
#include <DataSourceRows.h>
#include <DisplayFormat.h>
#include <GridColumn.h>
#include <GridView.h>
#include <MessageBox.h>

#include <QLineEdit>
#include <QtTest>

using namespace custos;
using namespace custos::grid;
using custos::test::PriceDataSets;
using custos::test::TestDatabase;

class TestGridDataset : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<PriceDataSets> m_sets;
    std::unique_ptr<data::DataSource> m_dts;
    std::unique_ptr<DataSourceRows> m_rows;
    std::unique_ptr<GridView> m_view;
    QStringList m_errors;

    data::ClientDataSet& cds() { return m_sets->cds; }
    QString storedPrice(int id) const
    {
        return m_db->scalar(QStringLiteral("select preco::float8 from velko_cst.tst_preco where id_preco = %1").arg(id));
    }
    // Focuses the product with this id and types a price into its cell, ending with Enter.
    void typePrice(int id, const QString& text)
    {
        QVERIFY(m_view->focusSourceRow(id - 1));
        m_view->setFocusedColumn(m_view->column("PRECO"));
        QVERIFY(m_view->startEditing(text));
        QTest::keyClick(m_view->cellEditor(), Qt::Key_Return);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>(TestDatabase::Kind::Unit);
    }

    void init()
    {
        custos::test::resetPriceTable(*m_db);
        m_sets = std::make_unique<PriceDataSets>(*m_db);
        m_sets->usePriceSaveMap();
        cds().declareField("PRECO", data::FieldKind::Float).setDisplayFormat("#,0.000");
        cds().declareField("PRECO_TOTAL", data::FieldKind::Float).setDisplayFormat("#,0.00");
        cds().setAfterPost(QStringLiteral("save"), [](data::DataSet& posted) { static_cast<data::ClientDataSet&>(posted).applyUpdates(); });
        m_dts = std::make_unique<data::DataSource>(&cds());
        m_rows = std::make_unique<DataSourceRows>(m_dts.get());
        m_view = std::make_unique<GridView>();
        m_view->addColumn("GRUPO", "Grupo");
        m_view->addColumn("ID_PRECO", "Id");
        m_view->addColumn("PRECO", "Preço", nullptr, 90);
        m_view->addColumn("PRECO_TOTAL", "Receita", nullptr, 90);
        m_view->model().addGroupSummary({m_view->column("PRECO"), {}, "#,0.000", Qt::AlignRight, {}});
        m_view->model().addFooterSummary({m_view->column("PRECO_TOTAL"), {}, "#,0.00", Qt::AlignRight, {}});
        m_view->model().setGrouping({{m_view->column("GRUPO"), Qt::AscendingOrder}});
        m_view->setEnterActsAsDown(true);
        m_view->setFooterVisible(true);
        m_errors.clear();
        connect(m_view.get(), &GridView::errorShown, this, [this](const QString& m) { m_errors << m; });
        m_view->resize(500, 300);
        m_view->setSource(m_rows.get());
        m_view->show();
        cds().open();
    }

    void cleanup()
    {
        m_view.reset();
        m_rows.reset();
        m_dts.reset();
        m_sets.reset();
    }

    void priceEditIsSavedAndSummed()
    {
        const QLocale locale;
        // BOVINO holds ids 1 and 2 (10.25 + 12.5).
        QCOMPARE(m_view->model().groupFooterText(0, m_view->column("PRECO")), data::formatNumber(22.75, "#,0.000", locale));
        typePrice(2, "20");
        QCOMPARE(m_errors, QStringList());
        QCOMPARE(storedPrice(2), QString("20"));
        QVERIFY(cds().state() != data::DataSet::State::Edit);
        QCOMPARE(m_view->model().groupFooterText(0, m_view->column("PRECO")), data::formatNumber(30.25, "#,0.000", locale));
        // Enter moved down past BOVINO's footer onto the next group row; the dataset stays put.
        const int line = m_view->focusedLine();
        QCOMPARE(m_view->model().lineKind(line), LineRef::GroupRow);
        QCOMPARE(m_view->model().groupText(m_view->model().lineNode(line)), QString("Grupo : MIUDOS"));
        QCOMPARE(cds().recNo(), 2);
        // Down again reaches the group's row, which becomes the current record.
        QTest::keyClick(m_view.get(), Qt::Key_Down);
        QCOMPARE(cds().recNo(), 5);
    }

    void refusedPostKeepsTheEdit()
    {
        custos::ui::ScopedMessageHook answer([](auto, auto, const QString&) { return custos::ui::MessageResult::Ok; });
        cds().setBeforePost(QStringLiteral("price limit"), [](data::DataSet& d) {
            if (d.fieldByName("PRECO").asFloat() > 100)
                throw data::DataError("Preço acima do permitido.");
        });
        typePrice(1, "150");
        QCOMPARE(m_errors, QStringList{"Preço acima do permitido."});
        QCOMPARE(m_view->focusedSourceRow(), 0);
        QVERIFY(cds().state() == data::DataSet::State::Edit);
        QCOMPARE(cds().fieldByName("PRECO").asFloat(), 150.0);
        QCOMPARE(storedPrice(1), QString("10.25"));
    }

    // A dataset event of the post (the save rule) refused by the server: the grid shows the
    // sentence over the server's message and goes on.
    void saveRefusedByTheServerIsShown()
    {
        custos::ui::ScopedMessageHook answer([](auto, auto, const QString&) { return custos::ui::MessageResult::Ok; });
        cds().setAfterPost(QStringLiteral("refused save"), [](data::DataSet&) {
            custos::session::raiseDatabaseError(QStringLiteral("permission denied for table abate_preco"),
                                                QStringLiteral("42501"));
        });
        typePrice(1, "12");
        QCOMPARE(m_errors, QStringList{"Permissão negada para esta operação.\rpermission denied for table abate_preco"});
        cds().setAfterPost(QStringLiteral("save"), [](data::DataSet& posted) { static_cast<data::ClientDataSet&>(posted).applyUpdates(); });
        typePrice(2, "21"); // the grid goes on editing and saving
        QCOMPARE(m_errors.size(), 1);
        QCOMPARE(storedPrice(2), QString("21"));
    }

    void readOnlyDatasetIsNotEdited()
    {
        cds().setReadOnly(true);
        QVERIFY(m_view->focusSourceRow(0));
        m_view->setFocusedColumn(m_view->column("PRECO"));
        QVERIFY(!m_view->startEditing("1"));
        QVERIFY(!m_view->isEditing());
    }
};

QTEST_MAIN(TestGridDataset)
#include "tst_grid_dataset.moc"
