#pragma once
// Notes every statement a dataset of the cost data module sends when it opens, with the
// parameters in effect (a client dataset's own taking the place of its query's), for a replay.

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "Provider.h"
#include "Query.h"
#include "StatementReplay.h"

namespace custos::bench {

class StatementLog
{
public:
    explicit StatementLog(data::TDataModule_Custo& module)
        : m_dataSets(module.findChildren<data::DataSet*>(Qt::FindDirectChildrenOnly))
    {
        for (data::DataSet* dataSet : m_dataSets)
            dataSet->setAfterOpen([this](data::DataSet& ds) { note(ds); });
    }
    // Notes nothing more once it goes.
    ~StatementLog()
    {
        for (data::DataSet* dataSet : m_dataSets)
            dataSet->setAfterOpen({});
    }
    StatementLog(const StatementLog&) = delete;
    StatementLog& operator=(const StatementLog&) = delete;

    std::vector<SentStatement> sent;

    // Notes what the dataset sends when it opens or is read again.
    void note(const data::DataSet& dataSet)
    {
        SentStatement s;
        s.name = dataSet.objectName();
        if (const auto* cds = qobject_cast<const data::ClientDataSet*>(&dataSet)) {
            const data::Query& query = *cds->provider()->query();
            s.text = query.text();
            s.params = query.params();
            for (const session::BindValue& v : cds->params().values())
                s.params.set(v.name, v.type, v.value);
        } else {
            const auto& query = static_cast<const data::Query&>(dataSet);
            s.text = query.text();
            s.params = query.params();
        }
        sent.push_back(std::move(s));
    }

private:
    QList<data::DataSet*> m_dataSets;
};

} // namespace custos::bench
