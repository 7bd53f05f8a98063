#pragma once
// A statement constant of the program: its Oracle text, written once, the name it is listed
// under and the types its code binds. The datasets of the data module hold their own
// statements; every other statement the program sends is such a constant.
//
// Each library keeps its constants in one header named after its folder (session/
// SessionStatements.h, dayproc/DayprocStatements.h, server/ServerStatements.h, ...), with the
// library's list first and then one declaration per statement:
//
//     namespace custos::<library>::statements {
//     inline session::StatementList& list() { static session::StatementList all; return all; }
//     inline const session::Statement Q_Name{list(), "Q_Name", "SELECT ... WHERE ID = :ID",
//                                            {{"ID", session::BindType::Number}}};
//     }
//
// Declaring a statement lists it; the code sends it by its constant. The statement tests walk
// every library's list(), so a library that starts its header adds its list() (and the library)
// to tests/session/tst_dialect_statements.cpp, and a new statement needs nothing more. A
// statement the code completes at run time is declared in each form it is sent in, built by the
// function the code builds it with (InsereClausulaIn in SessionStatements.h); a database link
// spliced in is declared as UNIDADE2, the link every test database has.

#include "Binds.h"

#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

namespace custos::session {

class Statement;
using StatementList = std::vector<const Statement*>;

class Statement
{
public:
    // Adds the statement to list; binds are each bind's name and the type the code binds it
    // with.
    Statement(StatementList& list, const char* name, QString text,
              std::initializer_list<std::pair<const char*, BindType>> binds = {})
        : m_name(QString::fromLatin1(name)), m_text(std::move(text))
    {
        for (const auto& [bind, type] : binds)
            m_binds.setNull(QString::fromLatin1(bind), type);
        list.push_back(this);
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    const QString& name() const { return m_name; }
    const QString& text() const { return m_text; }
    // The binds with their types and no values.
    const Params& binds() const { return m_binds; }

    operator const QString&() const { return m_text; }

private:
    QString m_name;
    QString m_text;
    Params m_binds;
};

} // namespace custos::session
