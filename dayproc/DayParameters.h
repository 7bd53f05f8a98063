#pragma once
// Setting a parameter of a query or client dataset of the cost data module: the value takes the
// type the parameter is declared with (a number for a number, a whole number for an integer,
// a day for a date), or the value's own type for a parameter not declared.

#include <QString>
#include <QVariant>

namespace custos::session {
class Params;
}

namespace custos::dayproc {

void setParameter(session::Params& params, const QString& name, const QVariant& value);

} // namespace custos::dayproc
