// The item model grids use, over a client dataset on the real server, watched by
// QAbstractItemModelTester while the dataset opens, filters, posts, re-reads and closes.

#include "DataError.h"
#include "DataSetModel.h"
#include "DataSource.h"
#include "PriceFixture.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using custos::data::ClientDataSet;
using custos::data::DataError;
using custos::data::DataSet;
using custos::data::DataSetModel;
using custos::data::DataSource;
using custos::data::FieldKind;
using custos::test::PriceDataSets;
using custos::test::TestDatabase;

class TestDataSetModel : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<PriceDataSets> m_sets;
    std::unique_ptr<DataSource> m_source;
    std::unique_ptr<DataSetModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    int m_saves = 0;

    ClientDataSet& cds() { return m_sets->cds; }
    QModelIndex at(int row, const char* field)
    {
        return m_model->index(row, cds().fieldByName(QString::fromLatin1(field)).index());
    }
    QString price(int id) const
    {
        return m_db->scalar(QStringLiteral("select preco::float8 from velko_cst.tst_preco where id_preco = %1").arg(id));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        m_db = std::make_unique<TestDatabase>(TestDatabase::Kind::Unit);
    }

    void init()
    {
        custos::test::resetPriceTable(*m_db);
        m_sets = std::make_unique<PriceDataSets>(*m_db);
        m_sets->usePriceSaveMap();
        cds().declareField(QStringLiteral("PESO"), FieldKind::Float).setDisplayFormat(QStringLiteral("#,0.000"));
        auto& preco = cds().declareField(QStringLiteral("PRECO"), FieldKind::Float);
        preco.setDisplayFormat(QStringLiteral("#,0.000"));
        preco.setEditFormat(QStringLiteral("#0.000"));
        m_saves = 0;
        cds().setAfterPost(QStringLiteral("save"), [this](DataSet& posted) {
            ++m_saves;
            static_cast<ClientDataSet&>(posted).applyUpdates();
        });
        m_source = std::make_unique<DataSource>(&cds());
        m_model = std::make_unique<DataSetModel>(m_source.get());
        m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(),
                                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
        cds().open();
    }

    void cleanup()
    {
        m_tester.reset();
        m_model.reset();
        m_source.reset();
        m_sets.reset();
    }

    void followsTheDataset()
    {
        QCOMPARE(m_model->rowCount(), 5);
        QCOMPARE(m_model->columnCount(), 11);
        QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);
        QSignalSpy changes(m_model.get(), &QAbstractItemModel::dataChanged);

        cds().setFilter(QStringLiteral("GRUPO = 'BOVINO'"));
        cds().setFiltered(true);
        QCOMPARE(m_model->rowCount(), 2);
        QCOMPARE(m_model->data(at(1, "ID_PRECO"), DataSetModel::RawValueRole), QVariant(2.0));
        cds().setFiltered(false);
        QCOMPARE(m_model->rowCount(), 5);

        cds().setRecNo(3);
        cds().edit();
        cds().fieldByName(QStringLiteral("PRECO")).setAsFloat(2);
        QCOMPARE(m_model->data(at(2, "PRECO")).toString(), QStringLiteral("2,000")); // the edit buffer shows
        cds().post();
        QVERIFY(!changes.isEmpty());
        QCOMPARE(changes.last().at(0).value<QModelIndex>().row(), 2);

        const int resetsBefore = int(resets.size());
        cds().refresh(); // same rows: values change in place
        QCOMPARE(resets.size(), resetsBefore);

        cds().close();
        QCOMPARE(m_model->rowCount(), 0);
        cds().params().setNumber(QStringLiteral("ate"), 2);
        cds().open();
        QCOMPARE(m_model->rowCount(), 2);
        m_source->setDataSet(nullptr);
        QCOMPARE(m_model->rowCount(), 0);
        QCOMPARE(m_model->columnCount(), 0);
    }

    void roles()
    {
        const QModelIndex weight = at(1, "PESO");
        QCOMPARE(m_model->data(weight).toString(), QStringLiteral("1.250,500"));
        QCOMPARE(m_model->data(weight, Qt::EditRole).toString(), QStringLiteral("1250,5")); // no edit format
        QCOMPARE(m_model->data(weight, DataSetModel::RawValueRole), QVariant(1250.5));
        QCOMPARE(m_model->data(weight, DataSetModel::FieldNameRole).toString(), QStringLiteral("PESO"));
        QCOMPARE(m_model->data(weight, Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(m_model->data(at(0, "PRECO"), Qt::EditRole).toString(), QStringLiteral("10,250"));
        QCOMPARE(m_model->data(at(0, "GRUPO"), Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
        QCOMPARE(m_model->data(at(2, "DATA"), Qt::EditRole), QVariant(QDateTime(QDate(2026, 3, 3), QTime(14, 30), Qt::UTC)));
        QCOMPARE(m_model->data(at(1, "OBS")).toString(), QString());
        QVERIFY(m_model->data(at(1, "OBS"), DataSetModel::RawValueRole).isNull());
        QCOMPARE(m_model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("PRECO"));
        QCOMPARE(m_model->headerData(3, Qt::Horizontal, DataSetModel::FieldNameRole).toString(), QStringLiteral("PRECO"));
        QCOMPARE(m_model->headerData(4, Qt::Vertical).toInt(), 5);
    }

    void setDataPostsAndSaves()
    {
        QVERIFY(m_model->flags(at(1, "PRECO")).testFlag(Qt::ItemIsEditable));
        QVERIFY(m_model->setData(at(1, "PRECO"), QStringLiteral("13,5")));
        QCOMPARE(cds().recNo(), 2);
        QCOMPARE(cds().state(), DataSet::State::Browse);
        QCOMPARE(m_saves, 1);
        QCOMPARE(price(2), QStringLiteral("13.5"));

        // An untouched editor gives back the edit text: nothing changes, nothing is posted.
        m_db->exec(QStringLiteral("UPDATE velko_cst.tst_preco SET preco = 2.71828 WHERE id_preco = 3"));
        cds().refresh();
        const QModelIndex third = at(2, "PRECO");
        QCOMPARE(m_model->data(third, Qt::EditRole).toString(), QStringLiteral("2,718"));
        QVERIFY(m_model->setData(third, m_model->data(third, Qt::EditRole)));
        QCOMPARE(m_saves, 1);
        QCOMPARE(m_model->data(third, DataSetModel::RawValueRole), QVariant(2.71828));

        // A text that is no number raises and leaves the record as it was.
        QVERIFY_THROWS_EXCEPTION(DataError, m_model->setData(third, QStringLiteral("abc")));
        QCOMPARE(cds().state(), DataSet::State::Browse);
        QCOMPARE(m_model->data(third, DataSetModel::RawValueRole), QVariant(2.71828));
    }

    void errorsOfPostRulesReachTheCaller()
    {
        cds().setBeforePost(QStringLiteral("refuse"), [](DataSet&) { throw DataError(QStringLiteral("regra")); });
        QVERIFY_THROWS_EXCEPTION(DataError, m_model->setData(at(0, "PRECO"), QStringLiteral("1")));
        QCOMPARE(cds().state(), DataSet::State::Browse);
        QCOMPARE(m_model->data(at(0, "PRECO"), DataSetModel::RawValueRole), QVariant(10.25));
    }

    void readOnlyAndNoAutoEdit()
    {
        cds().setReadOnly(true);
        QVERIFY(!m_model->flags(at(0, "PRECO")).testFlag(Qt::ItemIsEditable));
        QVERIFY_THROWS_EXCEPTION(DataError, m_model->setData(at(0, "PRECO"), QStringLiteral("1")));
        cds().setReadOnly(false);
        m_source->setAutoEdit(false);
        QVERIFY(!m_model->flags(at(0, "PRECO")).testFlag(Qt::ItemIsEditable));
        QVERIFY(!m_model->setData(at(0, "PRECO"), QStringLiteral("1")));
        QCOMPARE(m_saves, 0);
        QCOMPARE(cds().changeCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDataSetModel)
#include "tst_DataSetModel.moc"
