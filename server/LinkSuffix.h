#pragma once
// The database link suffix spliced after the tables and package calls that act on a unit's
// processing database: "@" and the link name of the parameter set, or nothing when the unit is
// processed here. The name comes from the database, so it is spliced only when it is a plain
// identifier (a letter, then letters, digits and "_", 30 characters at most); anything else is
// refused with OperationError before a statement is built.

#include <QString>

namespace custos::server {

QString linkSuffix(const QString& dbLink);

} // namespace custos::server
