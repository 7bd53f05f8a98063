#pragma once
// Publishing a list of costs into the sales price tables, without widgets: the ticked products
// of a price table export in the order they are written, the two target tables and the detail
// text in; the price updates and inserts of the data module out, all in one transaction.
//
// Each ticked product is written to the cost target and to the base target, on each side
// unless its action there is "Nenhuma" or the side has no table. Whether a product is inserted
// or updated is decided inside the transaction from the rows the table holds then (the actions
// of the loaded list may be out of date): the product's row of the list is updated when it
// still exists, another row of the product otherwise, and only a product without a row is
// inserted. A write the database refuses rolls everything back and raises the database's
// error with a sentence naming the product; nothing of the list is written then.

#include <QString>
#include <QVariant>
#include <vector>

namespace custos::session {
class DBXConnection;
}
namespace custos::data {
class TDataModule_Custo;
}

namespace custos::parameters {

inline constexpr double kNoTable = -1;

// A product's write on one target: the action of the loaded list ("Nenhuma", "Incluir",
// "Atualizar"), its row there when the list found one, and the price to write (null for none).
struct PriceWrite
{
    QString status;
    QVariant sequencialItemPreco;
    QVariant preco;
};

struct TickedProduct
{
    double sequencialProduto = 0;
    QString codigoProduto; // names the product in an error
    QString descricaoProduto;
    PriceWrite custo; // into the cost target
    PriceWrite base;  // into the base target
};

// The tables written: SEQUENCIAL_TABELA_CUSTO and SEQUENCIAL_TABELA_PRECO_BASE of the chosen
// table, kNoTable for a side without one.
struct PriceTargets
{
    double tabelaCusto = kNoTable;
    double tabelaBase = kNoTable;
};

struct PublishedCount
{
    int updated = 0;
    int inserted = 0;
};

class PricePublisher
{
public:
    explicit PricePublisher(data::TDataModule_Custo& module);

    PublishedCount publish(const std::vector<TickedProduct>& products, const PriceTargets& targets,
                           const QString& detalhes);

private:
    data::TDataModule_Custo& m_module;
};

} // namespace custos::parameters
