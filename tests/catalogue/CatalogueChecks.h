#pragma once
// What the catalogue tests check on every dataset they open: the declared fields hold values of
// their kind, and every aggregate equals its expression computed by the server over the
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

// The aggregates of the module's client datasets that this dataset declares.
inline QStringList aggregateNames(const data::ClientDataSet& cds)
{
    QStringList names;
    for (const char* name : {"RESULTADO_GERAL_KG", "TOTAL_RECEITA_KG",    "TOTAL_RECEITA",
                             "TOTAL_DESPESAS_KG",  "TOTAL_DESPESAS",      "TOTAL_IMPOSTOS_KG",
                             "TOTAL_IMPOSTOS",     "RESULTADO_GERAL",     "TOTAL_CUSTO_KG",
                             "TOTAL_EMBALAGEM_KG", "TOTAL_INDUSTRIAL_KG", "TOTAL_CUSTO",
                             "TOTAL_EMBALAGEM",    "TOTAL_INDUSTRIAL",    "TOTAL_MP",
                             "TOTAL_MP_KG",        "TOTAL_PESO",          "RESULTADO_GERAL_PERC",
                             "TOTAL_MOD",          "TOTAL_MOD_KG",        "TOTAL_CIF",
                             "TOTAL_CIF_KG",       "TOTAL_SERVICO",       "TOTAL_SERVICO_KG",
                             "TOTAL_INSUMO",       "TOTAL_INSUMO_KG",     "TOTAL_INSUMOS",
                             "TOTAL_COMPRA",       "TOTAL_COMPRA_KG"}) {
        if (cds.findAggregate(QString::fromLatin1(name)))
            names << QString::fromLatin1(name);
    }
    return names;
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
    for (const QString& name : aggregateNames(*cds)) {
        const auto& aggregate = cds->aggregateByName(name);
        auto server = connection.query(
            QStringLiteral("select %1 v from (%2) x").arg(aggregate.expression(), query.text()),
            query.params());
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
