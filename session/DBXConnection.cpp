#include "DBXConnection.h"

#include "DatabaseError.h"
#include "Dialect.h"
#include "PgResultCheck.h"
#include "SessionStatements.h"

#include <QCryptographicHash>
#include <QLocale>
#include <libpq-fe.h>
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

enum : Oid { kOidInt8 = 20, kOidText = 25, kOidNumeric = 1700 };

// Bind values in the server's text format, with their type oids.
struct BoundValues
{
    std::vector<std::string> storage;
    std::vector<const char*> values;
    std::vector<Oid> types;
    std::vector<std::string> typeNames; // for block procedures
};

} // namespace

struct DBXConnection::Impl
{
    PgConnPtr conn;
    Oid dateOid = 0;                  // oracle.date, looked up after the session set-up
    std::set<std::string> procedures; // block procedures created on this connection
    std::vector<std::string> proceduresInTransaction;
    std::set<std::string> linksInTransaction;
    bool inTransaction = false;

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
        if (!inTransaction)
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
                throw DatabaseError(QStringLiteral("not all variables bound: :%1").arg(QString::fromStdString(name)),
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
                statementAtomic([&] {
                    if (!procedures.count(name)) {
                        run(sql::procedureSource(t, seg, name, b.typeNames));
                        procedures.insert(name);
                        if (inTransaction)
                            proceduresInTransaction.push_back(name);
                    }
                    run(callText, &b);
                    return 0;
                });
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

    void commitTransaction()
    {
        // COMMIT ends the transaction whether it succeeds or not.
        inTransaction = false;
        run("COMMIT");
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
        // Procedures created inside the transaction went with it.
        for (const auto& name : proceduresInTransaction)
            procedures.erase(name);
        proceduresInTransaction.clear();
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
        execute(statements::SetRole);
        execute(statements::SetNls);
        bool ok = false;
        const double company = QLocale::system().toDouble(param(QStringLiteral("DEFAULT COMPANY")), &ok);
        execute(statements::SetEmpresa, Params().setNumber(QStringLiteral("empresa"), ok ? company : 0));
        const auto res = m_impl->run("SELECT 'oracle.date'::regtype::oid");
        m_impl->dateOid = Oid(std::strtoul(PQgetvalue(res.get(), 0, 0), nullptr, 10));
    } catch (...) {
        close();
        throw;
    }
    Q_EMIT connected();
}

void DBXConnection::close()
{
    if (!m_impl->conn)
        return;
    m_impl->conn.reset();
    m_impl->procedures.clear();
    m_impl->proceduresInTransaction.clear();
    m_impl->linksInTransaction.clear();
    m_impl->inTransaction = false;
    m_impl->dateOid = 0;
    Q_EMIT disconnected();
}

Result DBXConnection::query(const QString& oracleText, const Params& params)
{
    if (!isConnected())
        throw DatabaseError(QStringLiteral("not connected to the database"), QStringLiteral("08003"));
    const std::string key = oracleText.toStdString();
    const sql::Translation& t = sql::translate(key);
    if (t.kind == sql::StatementKind::Block) {
        m_impl->runBlock(t, key, params);
        return Result();
    }
    const BoundValues b = m_impl->bind(t, params);
    return m_impl->statementAtomic([&] { return Result(m_impl->run(t.text, &b).release()); });
}

long long DBXConnection::execute(const QString& oracleText, const Params& params)
{
    return query(oracleText, params).affectedRows();
}

DBXConnection::Transaction::Transaction(DBXConnection& connection) : m_connection(&connection)
{
    if (!connection.isConnected())
        throw DatabaseError(QStringLiteral("not connected to the database"), QStringLiteral("08003"));
    if (connection.m_impl->inTransaction)
        throw DatabaseError(QStringLiteral("a transaction is already open"), QStringLiteral("25001"));
    connection.m_impl->run("BEGIN ISOLATION LEVEL READ COMMITTED");
    connection.m_impl->inTransaction = true;
}

DBXConnection::Transaction::~Transaction()
{
    if (m_open && m_connection->isConnected() && m_connection->m_impl->inTransaction)
        m_connection->m_impl->rollbackTransaction();
}

void DBXConnection::Transaction::commit()
{
    if (!m_open)
        return;
    m_open = false;
    m_connection->m_impl->commitTransaction();
}

void DBXConnection::Transaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    m_connection->m_impl->rollbackTransaction();
}

} // namespace custos::session
