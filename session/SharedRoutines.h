#pragma once
// Free routines for common questions to the database, on the given connection (the program's
// main connection). Each uses a statement of its own; nothing is kept between calls.

#include <QVariant>

namespace custos::session {

class DBXConnection;

// The company the session works in (VELKO.PKG_VELKO.GET_EMPRESA).
int GetEmpresaSessao(DBXConnection& connection);

// Empties list `chave` of the scratch table VELKO.CLAUSULA_IN.
void LimpaClausulaIn(DBXConnection& connection, int chave);

// Adds one value to list `chave`: a number (16- or 32-bit integer, unsigned byte, float,
// double) goes to NUMERO, a date (or date and time) to DATA, a text to CARACTER. Any other
// value (empty, null, Boolean, 64-bit integer, ...) raises "Tipo de dado inválido!" and
// writes nothing.
void InsereClausulaIn(DBXConnection& connection, int chave, const QVariant& value);

} // namespace custos::session
