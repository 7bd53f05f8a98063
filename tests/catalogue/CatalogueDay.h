#pragma once
// The one-day fixture of the cost packages (unit 1, 15/03/2024: slaughter, deboning, sausage
// making and resale) with what the catalogue shows beyond the costs (catalogue_dia.sql),
// generated twice with price capture (so one capture can be undone), and the cost data module
// on a connection to it. setParam() sets a parameter the way the windows do: on the client
// dataset when it carries that parameter itself, otherwise on its query.

#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "FixtureDay.h"
#include "Provider.h"
#include "Query.h"
#include "TestDatabase.h"

#include <memory>

namespace custos::test {

inline const QDate kDiaSemMovimento(2024, 3, 16);

struct CatalogueDay
{
    CatalogueDay()
        : db(std::make_unique<TestDatabase>())
    {
        db->loadFixture(QStringLiteral("custo_dia.sql"));
        db->loadFixture(QStringLiteral("catalogue_dia.sql"));
        connection = db->connect();
        generateDay(*connection, QDateTime(QDate(2024, 3, 16), QTime(8, 0)));
        generateDay(*connection, QDateTime(QDate(2024, 3, 16), QTime(9, 30)));
        module = std::make_unique<data::TDataModule_Custo>(*connection);
    }

    data::ClientDataSet& cds(const char* name) const { return module->clientDataSet(QString::fromLatin1(name)); }
    QString scalar(const QString& sql) const { return db->scalar(sql); }

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<session::DBXConnection> connection;
    std::unique_ptr<data::TDataModule_Custo> module;
};

inline void setParam(data::DataSet& dataSet, const QString& name, session::BindType type, const QVariant& value)
{
    if (auto* cds = qobject_cast<data::ClientDataSet*>(&dataSet)) {
        if (cds->params().find(name)) {
            cds->params().set(name, type, value);
            return;
        }
        cds->provider()->query()->params().set(name, type, value);
        return;
    }
    static_cast<data::Query&>(dataSet).params().set(name, type, value);
}

} // namespace custos::test
