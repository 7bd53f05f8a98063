#pragma once
// The workbook's number formats for what the grid shows: a dataset display pattern ("#,0.00"
// becomes "#,##0.00"; literals are quoted, so "#,0.00 %" shows the number as it stands, not
// scaled by a hundred as a bare "%" would) and the locale's short date, with or without the time.

#include <QLocale>
#include <QString>

namespace custos::results {

QString workbookNumberFormat(const QString& displayPattern);
QString workbookDateFormat(const QLocale& locale, bool withTime);

} // namespace custos::results
