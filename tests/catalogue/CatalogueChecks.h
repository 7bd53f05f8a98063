#pragma once
// What the catalogue tests check on every dataset they open: the declared fields hold values of
// their kind, and each of its aggregates equals its expression computed by the server over the
// statement's rows.

#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "DataSet.h"
#include "Provider.h"
#include "Query.h"

#include <QtTest>
#include <cmath>

namespace custos::test {

inline bool sameValue(double a, double b)
{
    return std::abs(a - b) <= 1e-9 * std::max({1.0, std::abs(a), std::abs(b)});
}

// Fails the current test on a value not of its field's kind or an aggregate unlike the
// server's figure. Returns the texts longer than the width their field declares.
inline QStringList checkValuesAndAggregates(session::DBXConnection& connection, const data::DataSet& dataSet)
{
    QStringList tooWide;
    for (int c = 0; c < dataSet.fieldCount(); ++c) {
        const auto& field = dataSet.field(c);
        if (!field.isDeclared())
            continue;
        for (int r = 0; r < dataSet.recordCount(); ++r) {
            const QVariant value = dataSet.value(r, c);
            if (value.isNull())
                continue;
            switch (field.kind()) {
            case data::FieldKind::Float:
                if (value.typeId() != QMetaType::Double || !std::isfinite(value.toDouble()))
                    QTest::qFail(qPrintable(field.name()), __FILE__, __LINE__);
                break;
            case data::FieldKind::Text:
                if (field.width() > 0 && value.toString().size() > field.width())
                    tooWide << QStringLiteral("%1 \"%2\"").arg(field.name(), value.toString());
                break;
            case data::FieldKind::Timestamp:
                if (value.typeId() != QMetaType::QDateTime)
                    QTest::qFail(qPrintable(field.name()), __FILE__, __LINE__);
                break;
            default:
                break;
            }
        }
    }
    const auto* cds = qobject_cast<const data::ClientDataSet*>(&dataSet);
    if (!cds)
        return tooWide;
    const data::Query& query = *cds->provider()->query();
    session::Params params = query.params(); // the dataset's own parameters take the place of the query's
    for (const session::BindValue& own : cds->params().values())
        params.set(own.name, own.type, own.value);
    for (int a = 0; a < cds->aggregateCount(); ++a) {
        const auto& aggregate = cds->aggregate(a);
        const QString& name = aggregate.name();
        auto server = connection.query(
            QStringLiteral("select %1 v from (%2) x").arg(aggregate.expression(), query.text()), params);
        const QVariant expected = server.value(0, 0);
        if (expected.isNull()) {
            if (!aggregate.isNull() || !aggregate.displayText().isEmpty())
                QTest::qFail(qPrintable(name + QStringLiteral(" is not empty")), __FILE__, __LINE__);
        } else if (!sameValue(aggregate.asFloat(), expected.toDouble())) {
            QTest::qFail(qPrintable(QStringLiteral("%1: %2, server %3")
                                        .arg(name)
                                        .arg(aggregate.asFloat())
                                        .arg(expected.toDouble())),
                         __FILE__, __LINE__);
        }
    }
    return tooWide;
}

} // namespace custos::test
