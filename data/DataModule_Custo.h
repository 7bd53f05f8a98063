#pragma once
// The cost data module DataModule_Custo: created once at start-up, it owns every dataset the
// windows share (queries Q_, providers DSP_, client datasets CDS_, data sources DTS_/DS_, the
// statements that only write, and the export file dialog's settings ExportDialog), each a child
// object found by its name, and the rules that run around them: the parameter rules before some
// queries run and the save rules after a row is posted.
//
// The datasets are closed until a window opens them. Windows set the query parameters by name
// (client datasets that carry parameters of their own take those), open and close the client
// datasets, and read fields and aggregates by name.

#include <QHash>
#include <QObject>
#include <functional>

namespace custos::session {
class DBXConnection;
}

namespace custos::data {

class ClientDataSet;
class DataSet;
class DataSource;
class Provider;
class Query;
class TSaveDialog;

class TDataModule_Custo : public QObject
{
    Q_OBJECT
    // Re-read the results the server derives from a saved price right after the save. On when
    // the module is created; shared by every window for the rest of the run.
    Q_PROPERTY(bool AutoRefresh READ autoRefresh WRITE setAutoRefresh)
public:
    explicit TDataModule_Custo(session::DBXConnection& connection, QObject* parent = nullptr);
    ~TDataModule_Custo() override;

    // The data module of the running program (null before start-up has created it).
    static TDataModule_Custo* instance();

    session::DBXConnection& connection() const { return *m_connection; }

    bool autoRefresh() const { return m_autoRefresh; }
    void setAutoRefresh(bool on) { m_autoRefresh = on; }

    // The module's objects by name; a name the module does not hold raises DataError.
    DataSet& dataSet(const QString& name) const;
    Query& query(const QString& name) const;
    ClientDataSet& clientDataSet(const QString& name) const;
    Provider& provider(const QString& name) const;
    DataSource& dataSource(const QString& name) const;
    TSaveDialog& saveDialog(const QString& name) const;

    // What must run before the query of a client dataset is sent: on every opening and on
    // every re-read through reread().
    void setBeforeRun(ClientDataSet& dataSet, std::function<void()> rule);
    // Runs the query of an open client dataset again with the same parameters (after its
    // before-run rule) and replaces its rows; refused with DataError while changes are pending.
    void reread(ClientDataSet& dataSet);

    // The rule that runs right after a row of dataSet is posted (installed by the save rules).
    void setSaveRule(ClientDataSet& dataSet, const QString& name, std::function<void()> rule);

    // While a deferral of a dataset is alive, its posted rows stay pending; finish() then runs
    // the dataset's save rule once for all of them (one save, and one re-read with AutoRefresh).
    // A deferral left without finish() leaves the posted rows pending.
    class DeferredSave
    {
    public:
        DeferredSave(TDataModule_Custo& module, ClientDataSet& dataSet);
        ~DeferredSave();
        DeferredSave(const DeferredSave&) = delete;
        DeferredSave& operator=(const DeferredSave&) = delete;
        void finish();

    private:
        TDataModule_Custo& m_module;
        ClientDataSet& m_dataSet;
        bool m_active = true;
    };

private:
    template <class T>
    T& named(const QString& name, const char* kind) const;

    session::DBXConnection* m_connection;
    bool m_autoRefresh = true;
    QHash<const ClientDataSet*, std::function<void()>> m_beforeRun;
    QHash<const ClientDataSet*, std::function<void()>> m_saveRules;
    QHash<const ClientDataSet*, int> m_deferred;
};

} // namespace custos::data
