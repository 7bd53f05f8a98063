#include "DBXConnection.h"

#include "DatabaseError.h"
#include "Dialect.h"
#include "PgResultCheck.h"
#include "SessionStatements.h"

#include <QCryptographicHash>
#include <QLocale>
#include <libpq-fe.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace custos::session {

namespace {

struct PgConnDeleter {
    void operator()(PGconn* c) const { PQfinish(c); }
};
using PgConnPtr = std::unique_ptr<PGconn, PgConnDeleter>;

struct PgResultDeleter {
    void operator()(PGresult* r) const { PQclear(r); }
};
using PgResultPtr = std::unique_ptr<PGresult, PgResultDeleter>;

const QString kTransactionLost = QStringLiteral(
    "A conexão com o banco de dados foi perdida durante a transação; a transação foi desfeita.");

enum : Oid { kOidInt8 = 20, kOidText = 25, kOidNumeric = 1700 };

// Bind values in the server's text format, with their type oids.
struct BoundValues
{
    std::vector<std::string> storage;
    std::vector<const char*> values;
    std::vector<Oid> types;
    std::vector<std::string> typeNames; // for block procedures
};

// A statement the translation refuses is a fault of the program, shown as a database error:
// a sentence for the user over the translator's diagnosis.
const sql::Translation& translated(const std::string& oracleText)
{
    try {
        return sql::translate(oracleText);
    } catch (const sql::TranslationError& error) {
        throw DatabaseError(QString::fromUtf8(error.what()), QStringLiteral("42601"),
                            QStringLiteral("A instrução do programa não pôde ser preparada para o servidor de "
                                           "banco de dados."));
    }
}

} // namespace

struct DBXConnection::Impl
{
    PgConnPtr conn;
    Oid dateOid = 0;                  // oracle.date, looked up after the session set-up
    std::set<std::string> procedures; // block procedures created on this connection
    std::vector<std::string> proceduresInTransaction;
    std::set<std::string> linksInTransaction;
    bool inTransaction = false;
    // The explicit transaction ends whole on the first failing statement.
    bool failsWhole = false;
    // Statements planned on this connection: "text|type oids" -> the server-side name.
    std::map<std::string, std::string> prepared;
    // A login has connected and not been closed on purpose: a lost connection is reopened with
    // the same parameters by the next statement.
    bool reconnects = false;
    // The connection was lost inside an explicit transaction that is still held: its statements
    // are refused until the holder lets the transaction go, so that nothing of it runs outside.
    bool transactionLost = false;

    // Forgets a connection the server or the network ended.
    void dropLost()
    {
        if (inTransaction)
            transactionLost = true;
        conn.reset();
        forgetSession();
    }

    void forgetSession()
    {
        procedures.clear();
        prepared.clear();
        proceduresInTransaction.clear();
        linksInTransaction.clear();
        inTransaction = false;
        dateOid = 0;
    }

    // Forgets the procedures a rolled-back transaction took with it.
    void forgetProceduresOfTransaction()
    {
        for (const auto& name : proceduresInTransaction)
            procedures.erase(name);
        proceduresInTransaction.clear();
    }

    PgResultPtr run(const std::string& text, const BoundValues* binds = nullptr)
    {
        PGresult* res = binds ? PQexecParams(conn.get(), text.c_str(), int(binds->values.size()),
                                             binds->types.data(), binds->values.data(), nullptr,
                                             nullptr, 0)
                              : PQexec(conn.get(), text.c_str());
        PgResultPtr owned(res);
        checkResult(conn.get(), res);
        return owned;
    }

    // Inside an explicit transaction a failing statement rolls back only itself, as on the
    // server the program was written for; the transaction stays usable.
    template <typename Body>
    auto statementAtomic(Body&& body)
    {
        if (!inTransaction || failsWhole)
            return body();
        run("SAVEPOINT custos_statement");
        try {
            auto result = body();
            run("RELEASE SAVEPOINT custos_statement");
            return result;
        } catch (...) {
            PgResultPtr(PQexec(conn.get(), "ROLLBACK TO SAVEPOINT custos_statement"));
            throw;
        }
    }

    BoundValues bind(const sql::Translation& t, const Params& params) const
    {
        BoundValues out;
        out.storage.reserve(t.binds.size());
        for (const auto& name : t.binds) {
            const BindValue* v = params.find(QString::fromStdString(name));
            if (!v)
                throw DatabaseError(QStringLiteral("O parâmetro :%1 da instrução não recebeu valor.")
                                        .arg(QString::fromStdString(name)),
                                    QStringLiteral("07002"));
            Oid type = 0;
            std::string typeName = "text";
            std::string text;
            bool null = v->value.isNull();
            switch (v->type) {
            case BindType::Number:
                type = kOidNumeric;
                typeName = "numeric";
                if (!null)
                    text = QString::number(v->value.toDouble(), 'g', QLocale::FloatingPointShortest).toStdString();
                break;
            case BindType::Integer:
                type = kOidInt8;
                typeName = "numeric";
                if (!null)
                    text = std::to_string(v->value.toLongLong());
                break;
            case BindType::Text:
                type = kOidText;
                typeName = "text";
                if (!null)
                    text = v->value.toString().toStdString();
                null = null || text.empty(); // an empty text is NULL
                break;
            case BindType::Date:
                type = dateOid;
                typeName = "oracle.date";
                null = null || !v->value.toDate().isValid(); // no day is NULL
                if (!null)
                    text = v->value.toDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
                break;
            case BindType::DateTime:
                type = dateOid;
                typeName = "oracle.date";
                null = null || !v->value.toDateTime().isValid();
                if (!null)
                    text = v->value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
                break;
            case BindType::Null:
                null = true;
                break;
            }
            out.storage.push_back(std::move(text));
            out.types.push_back(type);
            out.typeNames.push_back(std::move(typeName));
            out.values.push_back(null ? nullptr : reinterpret_cast<const char*>(1)); // fixed below
        }
        for (std::size_t i = 0; i < out.values.size(); ++i) {
            if (out.values[i])
                out.values[i] = out.storage[i].c_str();
        }
        return out;
    }

    std::string procedureName(const std::string& text, std::size_t segment, const BoundValues& b) const
    {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        hash.addData(QByteArrayView(text.data(), qsizetype(text.size())));
        for (const auto& t : b.typeNames) {
            hash.addData("|");
            hash.addData(QByteArrayView(t.data(), qsizetype(t.size())));
        }
        return "pg_temp.custos_block_" + hash.result().toHex().left(20).toStdString() + "_" +
               std::to_string(segment);
    }

    void finishLinks(bool commit)
    {
        PgResultPtr(PQexec(conn.get(), commit ? "SELECT oracompat.link_finish(true)"
                                              : "SELECT oracompat.link_finish(false)"));
    }

    void runBlock(const sql::Translation& t, const std::string& key, const Params& params)
    {
        const BoundValues b = bind(t, params);
        for (std::size_t seg = 0; seg < t.segments.size(); ++seg) {
            const std::string name = procedureName(key, seg, b);
            std::string callText = "CALL " + name + "(";
            for (std::size_t i = 0; i < b.values.size(); ++i)
                callText += (i ? ", $" : "$") + std::to_string(i + 1);
            callText += ")";
            try {
                runSegment(t, seg, name, callText, b);
            } catch (...) {
                if (!t.links.empty() && !inTransaction)
                    finishLinks(false);
                throw;
            }
            if (t.segments[seg].commitAfter && inTransaction) {
                // The block commits the caller's transaction and goes on in a new one.
                commitTransaction();
                run("BEGIN ISOLATION LEVEL READ COMMITTED");
                inTransaction = true;
            }
        }
        if (!t.links.empty()) {
            if (inTransaction)
                linksInTransaction.insert(t.links.begin(), t.links.end());
            else
                finishLinks(true);
        }
    }

    // Creates the segment's procedure unless this connection has it, and calls it. The record
    // of created procedures stays true: a procedure created under the statement savepoint of a
    // failing call went with the savepoint. A procedure the server no longer has (dropped by
    // hand, or by a rollback the record missed) is created again, once.
    void runSegment(const sql::Translation& t, std::size_t seg, const std::string& name,
                    const std::string& callText, const BoundValues& b)
    {
        for (int attempt = 0;; ++attempt) {
            bool created = false;
            try {
                statementAtomic([&] {
                    if (!procedures.count(name)) {
                        run(sql::procedureSource(t, seg, name, b.typeNames));
                        created = true;
                        if (!inTransaction)
                            procedures.insert(name); // committed on its own
                    }
                    run(callText, &b);
                    return 0;
                });
            } catch (const DatabaseError& error) {
                if (attempt == 0 && !created && error.sqlState() == QLatin1String("42883") &&
                    error.message().contains(QString::fromStdString(name.substr(name.find('.') + 1)))) {
                    procedures.erase(name);
                    continue;
                }
                throw;
            }
            if (created && inTransaction) {
                procedures.insert(name);
                proceduresInTransaction.push_back(name);
            }
            return;
        }
    }

    void commitTransaction()
    {
        // COMMIT ends the transaction whether it succeeds or not; when it fails, the transaction
        // was rolled back, and with it the procedures created in it and the remote work.
        inTransaction = false;
        try {
            run("COMMIT");
        } catch (...) {
            forgetProceduresOfTransaction();
            if (conn && !linksInTransaction.empty())
                finishLinks(false);
            linksInTransaction.clear();
            throw;
        }
        proceduresInTransaction.clear();
        if (!linksInTransaction.empty()) {
            linksInTransaction.clear();
            finishLinks(true);
        }
    }

    void rollbackTransaction()
    {
        inTransaction = false;
        PgResultPtr(PQexec(conn.get(), "ROLLBACK"));
        forgetProceduresOfTransaction();
        if (!linksInTransaction.empty()) {
            linksInTransaction.clear();
            finishLinks(false);
        }
    }
};

DBXConnection::DBXConnection(QObject* parent) : QObject(parent), m_impl(std::make_unique<Impl>()) {}

DBXConnection::~DBXConnection() = default;

void DBXConnection::setParam(const QString& name, const QString& value) { m_params[name.toUpper()] = value; }

QString DBXConnection::param(const QString& name) const { return m_params.value(name.toUpper()); }

bool DBXConnection::isConnected() const
{
    return m_impl->conn && PQstatus(m_impl->conn.get()) == CONNECTION_OK;
}

bool DBXConnection::inTransaction() const { return m_impl->inTransaction; }

void DBXConnection::open()
{
    close();
    const QByteArray service = param(QStringLiteral("DATABASE")).toUtf8();
    const QByteArray user = param(QStringLiteral("USER_NAME")).toUtf8();
    const QByteArray password = param(QStringLiteral("PASSWORD")).toUtf8();
    const char* keys[] = {"service", "user", "password", "application_name", "client_encoding", nullptr};
    const char* values[] = {service.constData(), user.constData(), password.constData(), "custos", "UTF8",
                            nullptr};
    PgConnPtr conn(PQconnectdbParams(keys, values, 0));
    if (!conn || PQstatus(conn.get()) != CONNECTION_OK)
        raiseConnectionError(conn.get());
    m_impl->conn = std::move(conn);
    try {
        runStatement(statements::SetRole, {});
        runStatement(statements::SetNls, {});
        bool ok = false;
        const double company = QLocale::system().toDouble(param(QStringLiteral("DEFAULT COMPANY")), &ok);
        runStatement(statements::SetEmpresa, Params().setNumber(QStringLiteral("empresa"), ok ? company : 0));
        const auto res = m_impl->run("SELECT 'oracle.date'::regtype::oid");
        m_impl->dateOid = Oid(std::strtoul(PQgetvalue(res.get(), 0, 0), nullptr, 10));
    } catch (...) {
        close();
        throw;
    }
    m_impl->reconnects = true;
    Q_EMIT connected();
}

void DBXConnection::close()
{
    m_impl->reconnects = false;
    m_impl->transactionLost = false;
    if (!m_impl->conn)
        return;
    m_impl->conn.reset();
    m_impl->forgetSession();
    Q_EMIT disconnected();
}

void DBXConnection::ensureConnected()
{
    if (m_impl->transactionLost)
        throw ConnectionLostError(QString(), QStringLiteral("08006"), kTransactionLost);
    if (isConnected())
        return;
    if (!m_impl->reconnects)
        throw ConnectionLostError(QString(), QStringLiteral("08003"),
                                  QStringLiteral("Não há conexão com o banco de dados."));
    try {
        open();
    } catch (const DatabaseError& error) {
        m_impl->reconnects = true; // the next action tries again
        throw ConnectionLostError(error.message(), QStringLiteral("08001"),
                                  QStringLiteral("Não foi possível reconectar ao banco de dados. Tente novamente."));
    }
}

void DBXConnection::connectionLost()
{
    m_impl->dropLost();
    Q_EMIT disconnected();
}

Result DBXConnection::runStatement(const QString& oracleText, const Params& params)
{
    const std::string key = oracleText.toStdString();
    const sql::Translation& t = translated(key);
    try {
        if (t.kind == sql::StatementKind::Block) {
            m_impl->runBlock(t, key, params);
            return Result();
        }
        const BoundValues b = m_impl->bind(t, params);
        return m_impl->statementAtomic([&] { return Result(m_impl->run(t.text, &b).release()); });
    } catch (const ConnectionLostError&) {
        connectionLost();
        throw;
    }
}

Result DBXConnection::runPrepared(const std::string& oracleText, const Params& params)
{
    ensureConnected();
    const sql::Translation& t = translated(oracleText);
    if (t.kind == sql::StatementKind::Block)
        throw DatabaseError(QStringLiteral("Um bloco não pode ser preparado."), QStringLiteral("42601"));
    const BoundValues b = m_impl->bind(t, params);
    std::string key = t.text;
    for (const Oid type : b.types)
        key += '|' + std::to_string(type);
    try {
        auto found = m_impl->prepared.find(key);
        if (found == m_impl->prepared.end()) {
            const std::string name = "custos_prepared_" + std::to_string(m_impl->prepared.size() + 1);
            PgResultPtr res(PQprepare(m_impl->conn.get(), name.c_str(), t.text.c_str(), int(b.types.size()),
                                      b.types.data()));
            checkResult(m_impl->conn.get(), res.get());
            found = m_impl->prepared.emplace(std::move(key), name).first;
        }
        const std::string& name = found->second;
        return m_impl->statementAtomic([&] {
            PGresult* res = PQexecPrepared(m_impl->conn.get(), name.c_str(), int(b.values.size()),
                                           b.values.data(), nullptr, nullptr, 0);
            PgResultPtr owned(res);
            checkResult(m_impl->conn.get(), res);
            return Result(owned.release());
        });
    } catch (const ConnectionLostError&) {
        connectionLost();
        throw;
    }
}

DBXConnection::Prepared::Prepared(DBXConnection& connection, const QString& oracleText)
    : m_connection(&connection), m_text(oracleText.toStdString())
{
}

Result DBXConnection::Prepared::query(const Params& params) { return m_connection->runPrepared(m_text, params); }

Result DBXConnection::query(const QString& oracleText, const Params& params)
{
    ensureConnected();
    return runStatement(oracleText, params);
}

long long DBXConnection::execute(const QString& oracleText, const Params& params)
{
    return query(oracleText, params).affectedRows();
}

DBXConnection::Transaction::Transaction(DBXConnection& connection, FailureScope scope) : m_connection(&connection)
{
    connection.ensureConnected();
    if (connection.m_impl->inTransaction)
        throw DatabaseError(QStringLiteral("Já há uma transação aberta nesta conexão."), QStringLiteral("25001"));
    try {
        connection.m_impl->run("BEGIN ISOLATION LEVEL READ COMMITTED");
    } catch (const ConnectionLostError&) {
        connection.connectionLost();
        throw;
    }
    connection.m_impl->inTransaction = true;
    connection.m_impl->failsWhole = scope == FailureScope::Transaction;
}

DBXConnection::Transaction::~Transaction()
{
    if (!m_open)
        return;
    m_connection->m_impl->transactionLost = false;
    if (m_connection->isConnected() && m_connection->m_impl->inTransaction)
        m_connection->m_impl->rollbackTransaction();
}

void DBXConnection::Transaction::commit()
{
    if (!m_open)
        return;
    m_open = false;
    Impl& impl = *m_connection->m_impl;
    if (impl.transactionLost) {
        impl.transactionLost = false;
        throw ConnectionLostError(QString(), QStringLiteral("08006"), kTransactionLost);
    }
    try {
        impl.commitTransaction();
    } catch (const ConnectionLostError&) {
        m_connection->connectionLost();
        throw;
    }
}

void DBXConnection::Transaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    Impl& impl = *m_connection->m_impl;
    impl.transactionLost = false;
    if (m_connection->isConnected() && impl.inTransaction)
        impl.rollbackTransaction();
}

} // namespace custos::session
