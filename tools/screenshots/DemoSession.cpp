#include "DemoSession.h"

#include <DBXConnection.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>

namespace custos::screenshots {

DemoSession::DemoSession()
{
    session::DBXConnection& c = library.connection();
    c.setParam(QStringLiteral("DATABASE"), QStringLiteral("CUSTOS"));
    c.setParam(QStringLiteral("USER_NAME"), QStringLiteral("GERENTE"));
    c.setParam(QStringLiteral("PASSWORD"), QStringLiteral("custos"));
    c.setParam(QStringLiteral("DEFAULT COMPANY"), QStringLiteral("1"));
    c.open();
    module = std::make_unique<data::TDataModule_Custo>(c);
    const session::Result last = c.query(QStringLiteral(
        "SELECT max(a.data) dia FROM velko_cst.abate a, velko_cst.industrial i, velko_cst.revenda r"
        " WHERE a.id_unidade = 1 AND i.id_unidade = 1 AND r.id_unidade = 1"
        "   AND i.data = a.data AND r.data = a.data"));
    day = last.value(0, 0).toDateTime().date();
    if (!day.isValid())
        throw std::runtime_error("the demo database has no day with slaughter, production and resale");
}

DemoSession& demo()
{
    static std::unique_ptr<DemoSession> session;
    if (!session) {
        try {
            session = std::make_unique<DemoSession>();
        } catch (const std::exception& error) {
            std::fprintf(stderr, "screenshots: the demo database is needed (db/server demo; eval \"$(db/server env)\"): %s\n",
                         error.what());
            std::exit(1);
        }
    }
    return *session;
}

} // namespace custos::screenshots
