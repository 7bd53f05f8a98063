#pragma once
// The text forms of the result row's values in the export windows' header and detail texts.

#include <QDate>
#include <QString>

namespace custos::parameters {

inline QString dayText(const QDate& day) { return day.toString(QStringLiteral("dd/MM/yyyy")); }
inline QString idText(double id) { return QString::number(id, 'g', 15); }

} // namespace custos::parameters
