#pragma once
// The expressions of aggregates and filters of a dataset.
//
// Aggregate expressions combine SUM, MIN, MAX, COUNT and AVG over all rows with numbers,
// + - * / and parentheses: "SUM( RESULTADO_TOTAL ) / SUM(PESO)",
// "(SUM(RESULTADO_TOTAL) / SUM(PRECO_TOTAL))*100", "SUM( VALOR_MOD + VALOR_CIF )". A field is
// read only inside a function; COUNT(*) counts the rows. NULL is empty: a row whose argument is
// NULL adds nothing, an operation on NULL gives NULL, and so does a division by zero.
//
// Filter expressions test one row: comparisons (= <> < > <= >=) of fields, numbers and 'texts'
// ('' inside a text is a quote), IS [NOT] NULL, AND, OR, NOT, arithmetic and parentheses:
// "CRITERIO_RECEITA = 'M' AND PRECO > 0". Texts compare exactly; a timestamp compares with a
// text written 'yyyy-MM-dd', 'yyyy-MM-dd HH:mm' or 'yyyy-MM-dd HH:mm:ss'. A comparison with
// NULL is false.
//
// Field names are case-insensitive; [name] reads a field whose name is not a plain identifier.
// Syntax errors are raised when the text is parsed, unknown fields and mixed types when the
// expression is bound to a dataset's columns.

#include "RecordStore.h"

#include <QString>
#include <functional>
#include <memory>

namespace custos::data {

class Expression
{
public:
    enum class Context { Aggregate, Filter };

    Expression();
    Expression(Expression&&) noexcept;
    Expression& operator=(Expression&&) noexcept;
    ~Expression();

    static Expression parse(const QString& text, Context context);

    bool isEmpty() const { return !m_root; }
    const QString& text() const { return m_text; }

    // Resolves field names to store columns (columnOf gives -1 for an unknown name) and checks
    // the types of every operation.
    void bind(const std::function<int(const QString&)>& columnOf, const RecordStore& store);

    // Aggregate context: the value over every row of the store (double), or NULL.
    QVariant aggregate(const RecordStore& store) const;
    // Filter context: whether the row passes.
    bool matches(const RecordStore& store, int row) const;

    struct Node;

private:
    QString m_text;
    Context m_context = Context::Filter;
    std::unique_ptr<Node> m_root;
};

} // namespace custos::data
