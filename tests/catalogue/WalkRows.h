#pragma once
// The rows of a data table that walks the data module: one per name the walk reaches, with its
// expected data written out by hand. The hand-written data is checked against the walk in both
// directions: a name the walk reaches without expected data, and expected data of a name the
// walk does not reach, become rows whose problem says so; the test fails on them with
// QVERIFY2(problem.isEmpty(), ...).

#include <QMap>
#include <QString>
#include <QStringList>
#include <QtTest>

namespace custos::test {

template <class Expected, class AddRow>
void addWalkRows(const QStringList& walked, const QMap<QString, Expected>& expected, AddRow&& addRow)
{
    for (const QString& name : walked) {
        const auto found = expected.constFind(name);
        if (found == expected.constEnd())
            addRow(name, Expected{}, QStringLiteral("%1 has no expected data in the test").arg(name));
        else
            addRow(name, *found, QString());
    }
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
        if (!walked.contains(it.key()))
            addRow(it.key(), *it, QStringLiteral("the module has no %1 the test expects").arg(it.key()));
    }
}

} // namespace custos::test
