#include "DataModule_Custo.h"

#include "ClientDataSet.h"
#include "DataError.h"
#include "DataSource.h"
#include "Provider.h"
#include "Query.h"
#include "SaveDialog.h"
#include "SaveRules.h"
#include "catalogue/Areas.h"

namespace custos::data {

namespace {

TDataModule_Custo* g_instance = nullptr;

} // namespace

TDataModule_Custo::TDataModule_Custo(session::DBXConnection& connection, QObject* parent)
    : QObject(parent), m_connection(&connection)
{
    setObjectName(QStringLiteral("DataModule_Custo"));
    catalogue::defineSlaughter(*this);
    catalogue::defineProduction(*this);
    catalogue::defineResale(*this);
    catalogue::defineParameters(*this);
    catalogue::defineClosingAndHistory(*this);
    catalogue::definePriceTables(*this);
    installSaveRules(*this);
    auto* exportDialog = new TSaveDialog(QStringLiteral("Salvar em..."), QStringLiteral("XLS-file|*.XLS"), this);
    exportDialog->setObjectName(QStringLiteral("ExportDialog"));
    g_instance = this;
}

TDataModule_Custo::~TDataModule_Custo()
{
    if (g_instance == this)
        g_instance = nullptr;
}

TDataModule_Custo* TDataModule_Custo::instance()
{
    return g_instance;
}

template <class T>
T& TDataModule_Custo::named(const QString& name, const char* kind) const
{
    T* object = findChild<T*>(name, Qt::FindDirectChildrenOnly);
    if (!object)
        throw DataError(QStringLiteral("%1: %2 '%3' não encontrado.").arg(objectName(), QString::fromUtf8(kind), name));
    return *object;
}

DataSet& TDataModule_Custo::dataSet(const QString& name) const
{
    return named<DataSet>(name, "conjunto de dados");
}

Query& TDataModule_Custo::query(const QString& name) const
{
    return named<Query>(name, "consulta");
}

ClientDataSet& TDataModule_Custo::clientDataSet(const QString& name) const
{
    return named<ClientDataSet>(name, "conjunto de dados");
}

Provider& TDataModule_Custo::provider(const QString& name) const
{
    return named<Provider>(name, "provedor");
}

DataSource& TDataModule_Custo::dataSource(const QString& name) const
{
    return named<DataSource>(name, "fonte de dados");
}

TSaveDialog& TDataModule_Custo::saveDialog(const QString& name) const
{
    return named<TSaveDialog>(name, "diálogo");
}

void TDataModule_Custo::setBeforeRun(ClientDataSet& dataSet, std::function<void()> rule)
{
    m_beforeRun.insert(&dataSet, rule);
    dataSet.setBeforeOpen([rule](DataSet&) { rule(); });
}

void TDataModule_Custo::reread(ClientDataSet& dataSet)
{
    if (const auto rule = m_beforeRun.constFind(&dataSet); rule != m_beforeRun.constEnd())
        (*rule)();
    dataSet.refresh();
}

void TDataModule_Custo::setSaveRule(ClientDataSet& dataSet, const QString& name, std::function<void()> rule)
{
    m_saveRules.insert(&dataSet, rule);
    dataSet.setAfterPost(name, [this, rule](DataSet& posted) {
        if (!m_deferred.value(static_cast<ClientDataSet*>(&posted)))
            rule();
    });
}

TDataModule_Custo::DeferredSave::DeferredSave(TDataModule_Custo& module, ClientDataSet& dataSet)
    : m_module(module), m_dataSet(dataSet)
{
    ++m_module.m_deferred[&m_dataSet];
}

TDataModule_Custo::DeferredSave::~DeferredSave()
{
    if (m_active && --m_module.m_deferred[&m_dataSet] == 0)
        m_module.m_deferred.remove(&m_dataSet);
}

void TDataModule_Custo::DeferredSave::finish()
{
    if (!m_active)
        return;
    if (m_dataSet.state() == DataSet::State::Edit)
        m_dataSet.post();
    m_active = false;
    if (--m_module.m_deferred[&m_dataSet] > 0)
        return;
    m_module.m_deferred.remove(&m_dataSet);
    if (const auto rule = m_module.m_saveRules.constFind(&m_dataSet); rule != m_module.m_saveRules.constEnd())
        (*rule)();
}

} // namespace custos::data
