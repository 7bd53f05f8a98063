#include "StatementReplay.h"

#include "Dialect.h"

#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <libpq-fe.h>

namespace custos::bench {

namespace {

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "replay: %s\n", qPrintable(message));
    std::exit(1);
}

} // namespace

StatementReplay::StatementReplay(const QString& service, const std::vector<SentStatement>& statements)
{
    const QByteArray info = QStringLiteral("service=%1 user=GERENTE password=custos").arg(service).toUtf8();
    m_conn = PQconnectdb(info.constData());
    if (PQstatus(m_conn) != CONNECTION_OK)
        fail(QString::fromUtf8(PQerrorMessage(m_conn)));
    exec("SET ROLE velko_user");
    exec("CALL velko.set_nls_parameters()");
    exec("CALL pkg_velko.set_empresa(1)");

    PGresult* oid = PQexec(m_conn, "SELECT 'oracle.date'::regtype::oid");
    const unsigned dateOid = unsigned(std::strtoul(PQgetvalue(oid, 0, 0), nullptr, 10));
    PQclear(oid);
    int procedures = 0;
    for (const SentStatement& s : statements) {
        if (s.raw) {
            Prepared p;
            p.text = s.text.toStdString();
            m_statements.push_back(std::move(p));
            continue;
        }
        const sql::Translation t = sql::translateUncached(s.text.toStdString());
        std::vector<std::string> values, typeNames;
        std::vector<bool> null;
        std::vector<unsigned> types;
        for (const std::string& name : t.binds) {
            const session::BindValue* v = s.params.find(QString::fromStdString(name));
            if (!v)
                fail(QStringLiteral("%1: no value for :%2").arg(s.name, QString::fromStdString(name)));
            std::string text;
            unsigned type = 0;
            std::string typeName;
            switch (v->type) {
            case session::BindType::Number:
                type = 1700;
                typeName = "numeric";
                text = QString::number(v->value.toDouble(), 'g', QLocale::FloatingPointShortest).toStdString();
                break;
            case session::BindType::Integer:
                type = 20;
                typeName = "numeric";
                text = v->value.isNull() ? std::string() : std::to_string(v->value.toLongLong());
                break;
            case session::BindType::Text:
                type = 25;
                typeName = "text";
                text = v->value.toString().toStdString();
                break;
            case session::BindType::Date:
                type = dateOid;
                typeName = "oracle.date";
                text = v->value.toDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
                break;
            case session::BindType::DateTime:
                type = dateOid;
                typeName = "oracle.date";
                text = v->value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
                break;
            default:
                fail(QStringLiteral("%1: unexpected bind type of :%2").arg(s.name, QString::fromStdString(name)));
            }
            null.push_back(v->value.isNull() || text.empty());
            values.push_back(std::move(text));
            types.push_back(type);
            typeNames.push_back(std::move(typeName));
        }
        if (t.segments.empty()) {
            m_statements.push_back({t.text, false, std::move(values), std::move(null), std::move(types)});
            continue;
        }
        for (std::size_t seg = 0; seg < t.segments.size(); ++seg) {
            const std::string name = "pg_temp.replay_" + std::to_string(++procedures);
            exec(sql::procedureSource(t, seg, name, typeNames).c_str());
            std::string call = "CALL " + name + "(";
            for (std::size_t i = 0; i < values.size(); ++i)
                call += (i ? ", $" : "$") + std::to_string(i + 1);
            call += ")";
            m_statements.push_back({call, !t.links.empty() && seg + 1 == t.segments.size(), values, null, types});
        }
    }
}

StatementReplay::~StatementReplay()
{
    PQfinish(m_conn);
}

void StatementReplay::exec(const char* text)
{
    PGresult* res = PQexec(m_conn, text);
    const auto status = PQresultStatus(res);
    PQclear(res);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK)
        fail(QString::fromUtf8(PQerrorMessage(m_conn)));
}

std::vector<Clock::duration> StatementReplay::run()
{
    std::vector<Clock::duration> times;
    for (const Prepared& st : m_statements) {
        std::vector<const char*> values;
        for (std::size_t i = 0; i < st.values.size(); ++i)
            values.push_back(st.null[i] ? nullptr : st.values[i].c_str());
        const auto t0 = Clock::now();
        PGresult* res = PQexecParams(m_conn, st.text.c_str(), int(values.size()), st.types.data(), values.data(),
                                     nullptr, nullptr, 0);
        const auto status = PQresultStatus(res);
        PQclear(res);
        if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK)
            fail(QString::fromUtf8(PQerrorMessage(m_conn)));
        if (st.finishesLinks)
            exec("SELECT oracompat.link_finish(true)");
        times.push_back(Clock::now() - t0);
    }
    return times;
}

} // namespace custos::bench
