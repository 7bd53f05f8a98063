#pragma once
// The program's one database connection.
//
// Opened by service name (the libpq service file plays the TNS names), user and password, from
// the parameter list DATABASE, USER_NAME, PASSWORD and DEFAULT COMPANY. After every successful
// connection it runs the session set-up (role, national settings, company). Each statement
// commits on its own unless the caller holds a Transaction. Statements are Oracle text; they are
// translated on the way out. Errors are DatabaseError exceptions carrying the server's message.

#include "Binds.h"
#include "Result.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <memory>
#include <string>

namespace custos::session {

class DBXConnection : public QObject
{
    Q_OBJECT
public:
    explicit DBXConnection(QObject* parent = nullptr);
    ~DBXConnection() override;

    // Connection parameters: "DATABASE", "USER_NAME", "PASSWORD", "DEFAULT COMPANY".
    void setParam(const QString& name, const QString& value);
    QString param(const QString& name) const;

    // Connects with the parameters and runs the after-connect set-up; a failure of either
    // leaves the connection closed and raises DatabaseError.
    void open();
    // Closes on purpose: no statement reconnects until the next open().
    void close();
    bool isConnected() const;

    // Runs a statement that returns rows. A statement that meets a lost connection raises
    // ConnectionLostError; the next statement reconnects with the same parameters and the
    // session set-up, except inside an explicit transaction the loss ended, whose statements
    // are refused until it is let go.
    Result query(const QString& oracleText, const Params& params = {});
    // Runs a statement or an anonymous block; returns the rows affected (0 for blocks).
    long long execute(const QString& oracleText, const Params& params = {});

    // How much of an explicit transaction a failing statement takes with it.
    enum class FailureScope
    {
        Statement,  // only itself; the transaction goes on (as on the server the program was
                    // written for)
        Transaction // the whole transaction: nothing more runs in it, it can only be rolled
                    // back (no savepoint per statement, for work that is all or nothing)
    };

    // An explicit read-committed transaction; rolled back unless committed.
    class Transaction
    {
    public:
        explicit Transaction(DBXConnection& connection, FailureScope scope = FailureScope::Statement);
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        ~Transaction();
        void commit();
        void rollback();

    private:
        DBXConnection* m_connection;
        bool m_open = true;
    };
    bool inTransaction() const;

    // A statement (a query or a command, not a block) planned once on the server and run with
    // new binds each time: for the same statement sent many times in a row. The plan lives with
    // the connection (planned again after a reconnect); the binds' types are those of the
    // first run.
    class Prepared
    {
    public:
        Prepared(DBXConnection& connection, const QString& oracleText);
        Result query(const Params& params);
        long long execute(const Params& params) { return query(params).affectedRows(); }

    private:
        DBXConnection* m_connection;
        std::string m_text;
    };

Q_SIGNALS:
    void connected();
    void disconnected();

private:
    friend class Transaction;
    friend class Prepared;
    void ensureConnected();
    Result runStatement(const QString& oracleText, const Params& params);
    Result runPrepared(const std::string& oracleText, const Params& params);
    void connectionLost();

    struct Impl;
    std::unique_ptr<Impl> m_impl;
    QMap<QString, QString> m_params;
};

} // namespace custos::session
