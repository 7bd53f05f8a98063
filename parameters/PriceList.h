#pragma once
// The lists of a price table export, without widgets: the target tables of a kind in
// CDS_TabelaCusto, and a product list (CDS_<stem>) loaded for one of them, with its products as
// the publication takes them. The export windows and the command line load and read the lists
// through these.

#include "PricePublisher.h"

#include <QDate>
#include <QString>
#include <utility>
#include <vector>

namespace custos::data {
class ClientDataSet;
class DataSet;
class TDataModule_Custo;
}

namespace custos::parameters {

// The kinds of "Tipo de Tabela", in its order.
enum class TableKind { Custo = 0, Base = 1 };

// Where a product list comes from: its stem, the result row's unit and day, and the list's own
// parameters (the family, or the resale family and group).
struct ProductListSource
{
    QString stem;
    double idUnidade = 0;
    QDate data;
    std::vector<std::pair<QString, double>> filter;
};

// CDS_TabelaCusto opened with the tables of the kind.
data::ClientDataSet& openPriceTables(data::TDataModule_Custo& module, TableKind kind);

// The tables of the table list's current row.
PriceTargets currentTargets(const data::DataSet& tables);

// CDS_<stem> closed, then opened for the targets and the figure (the item of "Valor
// Referência").
data::ClientDataSet& openProductList(data::TDataModule_Custo& module, const ProductListSource& source,
                                     const PriceTargets& targets, int figure);

// A row of a product list as the publication writes it.
TickedProduct listedProduct(const data::DataSet& list, int row);

// The confirmation asked before a publication.
QString publicationQuestion();

} // namespace custos::parameters
