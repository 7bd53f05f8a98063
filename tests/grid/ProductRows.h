#pragma once
// A small product list for the grid tests: groups, markets, codes, weights, values and the
// revenue criterion, in a deliberately unsorted order.

#include <MemoryRowSource.h>

#include <QString>
#include <vector>

namespace custos::test {

struct ProductRow
{
    QString group;
    int market;
    int code;
    QString name;
    double weight;
    double value;
    QString criterion;
};

inline const std::vector<ProductRow>& productRows()
{
    static const std::vector<ProductRow> rows = {
        {"CORTES", 1, 1012, "Picanha", 10.5, 600.25, "M"},
        {"MIÚDOS", 2, 3001, "Fígado", 4.25, 40.10, "R"},
        {"CORTES", 2, 1018, "Contrafilé", 8.0, 320.00, "R"},
        {"OSSOS", 1, 4002, "Sebo", 20.0, 80.00, "M"},
        {"CORTES", 1, 1015, "Alcatra", 12.125, 450.50, "M"},
        {"MIÚDOS", 1, 3004, "Coração", 2.0, 22.40, "M"},
        {"OSSOS", 2, 4005, "Farinha", 30.5, 70.15, "R"},
        {"CORTES", 2, 1021, "Coxão", 9.75, 300.00, "M"},
    };
    return rows;
}

enum ProductField { GRUPO, MERC, CODIGO, PRODUTO, PESO, VALOR, CRITERIO, SEL };

// Fields GRUPO, MERC, CODIGO, PRODUTO, PESO ("#,0.000"), VALOR ("#,0.00"), CRITERIO, SEL (0).
inline void loadProducts(custos::grid::MemoryRowSource& source)
{
    using custos::grid::FieldKind;
    source.addField("GRUPO", FieldKind::Text);
    source.addField("MERC", FieldKind::Integer);
    source.addField("CODIGO", FieldKind::Integer);
    source.addField("PRODUTO", FieldKind::Text, {}, {}, 20);
    source.addField("PESO", FieldKind::Number, "#,0.000");
    source.addField("VALOR", FieldKind::Number, "#,0.00");
    source.addField("CRITERIO", FieldKind::Text);
    source.addField("SEL", FieldKind::Integer);
    const auto& rows = productRows();
    source.load(int(rows.size()), [&](int r, int f) -> QVariant {
        const ProductRow& p = rows[std::size_t(r)];
        switch (ProductField(f)) {
        case GRUPO: return p.group;
        case MERC: return p.market;
        case CODIGO: return p.code;
        case PRODUTO: return p.name;
        case PESO: return p.weight;
        case VALOR: return p.value;
        case CRITERIO: return p.criterion;
        case SEL: return 0;
        }
        return {};
    });
}

} // namespace custos::test
