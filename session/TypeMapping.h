#pragma once
// How the server's column types become field kinds.
//
// Rules, tried in order (a column no rule matches keeps the server's text):
//   numeric with scale 1..38                  -> Float
//   numeric, scale 0, precision 1..2          -> Int8
//   numeric, scale 0, precision 3..4          -> Int16
//   numeric, scale 0, precision 5..8          -> Int32
//   date, timestamp                           -> Timestamp
// Other numbers (wider integers, unconstrained numeric, computed values, integer and float
// types) arrive as Float, as every numeric column of the datasets does; character types as Text
// with their declared width.

#include "Result.h"

#include <libpq-fe.h>

namespace custos::session {

ColumnInfo describeColumn(const PGresult* res, int column);

} // namespace custos::session
