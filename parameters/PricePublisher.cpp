#include "PricePublisher.h"

#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "DatabaseError.h"
#include "ParametersStatements.h"
#include "Query.h"

#include <map>
#include <set>

namespace custos::parameters {

using session::DBXConnection;
using session::Params;

namespace {

const QString kNenhuma = QStringLiteral("Nenhuma");

// The rows one target table holds during the publication: read once, and read again only for
// a product the publication itself has just inserted (a product listed twice).
class TableRows
{
public:
    TableRows(DBXConnection& connection, double tabela) : m_connection(connection), m_tabela(tabela)
    {
        read();
    }

    double tabela() const { return m_tabela; }

    // The row to update for the product, preferring the one the list found; null to insert.
    QVariant rowFor(double produto, const QVariant& listed)
    {
        if (m_insertedNow.count(produto)) {
            m_insertedNow.clear();
            read();
        }
        const auto found = m_rows.find(produto);
        if (found == m_rows.end())
            return {};
        if (!listed.isNull()) {
            for (const double row : found->second) {
                if (row == listed.toDouble())
                    return row;
            }
        }
        return found->second.front();
    }

    void inserted(double produto) { m_insertedNow.insert(produto); }

private:
    void read()
    {
        m_rows.clear();
        const auto result = m_connection.query(statements::currentPriceRows,
                                               Params().setNumber(QStringLiteral("tabela"), m_tabela));
        for (int r = 0; r < result.rowCount(); ++r)
            m_rows[result.value(r, 0).toDouble()].push_back(result.value(r, 1).toDouble());
    }

    DBXConnection& m_connection;
    double m_tabela;
    std::map<double, std::vector<double>> m_rows;
    std::set<double> m_insertedNow;
};

QString number(double value) { return QString::number(value, 'f', 0); }

// The database's error, of its own kind, with a sentence naming the product above it.
[[noreturn]] void raiseForProduct(const session::DatabaseError& error, const TickedProduct& product,
                                  double tabela)
{
    QString summary = QStringLiteral("Nenhum preço foi gravado: a gravação do produto %1 - %2 na tabela de "
                                     "preço %3 foi recusada pelo banco de dados.")
                          .arg(product.codigoProduto, product.descricaoProduto, number(tabela));
    if (!error.summary().isEmpty())
        summary += u' ' + error.summary();
    session::raiseDatabaseError(error.message(), error.sqlState(), summary);
}

} // namespace

PricePublisher::PricePublisher(data::TDataModule_Custo& module) : m_module(module) {}

PublishedCount PricePublisher::publish(const std::vector<TickedProduct>& products, const PriceTargets& targets,
                                       const QString& detalhes)
{
    PublishedCount count;
    if (products.empty())
        return count;
    DBXConnection& connection = m_module.connection();
    const data::Query& update = m_module.query(QStringLiteral("Upd_TabelaCusto"));
    const data::Query& insert = m_module.query(QStringLiteral("Ins_TabelaCusto"));
    DBXConnection::Prepared updatePrice(connection, update.text());
    DBXConnection::Prepared insertPrice(connection, insert.text());
    Params updateParams = update.params();
    Params insertParams = insert.params();
    updateParams.setText(QStringLiteral("detalhes"), detalhes);
    insertParams.setText(QStringLiteral("detalhes"), detalhes);

    DBXConnection::Transaction transaction(connection, DBXConnection::FailureScope::Transaction);
    std::map<double, TableRows> tables;
    const auto tableOf = [&](double tabela) -> TableRows& {
        auto found = tables.find(tabela);
        if (found == tables.end())
            found = tables.try_emplace(tabela, connection, tabela).first;
        return found->second;
    };
    const auto write = [&](const TickedProduct& product, const PriceWrite& price, double tabela) {
        if (tabela == kNoTable || price.status == kNenhuma)
            return;
        try {
            TableRows& rows = tableOf(tabela);
            const QVariant row = rows.rowFor(product.sequencialProduto, price.sequencialItemPreco);
            if (row.isNull()) {
                insertParams.set(QStringLiteral("sequencial_produto"), session::BindType::Number,
                                 product.sequencialProduto);
                insertParams.set(QStringLiteral("sequencial_tabela_preco"), session::BindType::Number, tabela);
                insertParams.set(QStringLiteral("preco"), session::BindType::Number, price.preco);
                insertPrice.execute(insertParams);
                rows.inserted(product.sequencialProduto);
                ++count.inserted;
            } else {
                updateParams.set(QStringLiteral("valor_unitario"), session::BindType::Number, price.preco);
                updateParams.set(QStringLiteral("sequencial_item_preco"), session::BindType::Number, row);
                updatePrice.execute(updateParams);
                ++count.updated;
            }
        } catch (const session::DatabaseError& error) {
            raiseForProduct(error, product, tabela);
        }
    };
    for (const TickedProduct& product : products) {
        write(product, product.custo, targets.tabelaCusto);
        write(product, product.base, targets.tabelaBase);
    }
    transaction.commit();
    return count;
}

} // namespace custos::parameters
