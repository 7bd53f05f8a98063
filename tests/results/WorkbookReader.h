#pragma once
// A workbook read back by openpyxl (read_workbook.py under Debian's python3), never by the
// program's own code: the sheets as JSON (see the script for the fields).

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <stdexcept>

namespace custos::test {

inline QJsonArray readWorkbookSheets(const QString& fileName)
{
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(READ_WORKBOOK_SCRIPT), fileName});
    if (!reader.waitForFinished(60000) || reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
        throw std::runtime_error("read_workbook.py failed: " + reader.readAllStandardError().toStdString());
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object().value(QStringLiteral("sheets")).toArray();
}

// The cell of a sheet at a zero-based row and column (null past the sheet's end).
inline QJsonObject sheetCell(const QJsonObject& sheet, int row, int column)
{
    const QJsonArray rows = sheet.value(QStringLiteral("rows")).toArray();
    if (row >= rows.size())
        return {};
    const QJsonArray cells = rows[row].toArray();
    return column < cells.size() ? cells[column].toObject() : QJsonObject();
}

} // namespace custos::test
