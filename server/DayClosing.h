#pragma once
// Closing and reopening of a day: the checks that list blocking days and orders (the data
// module's Q_DiasAbertos, Q_DiasFechados, Q_ValidaOP, Q_ValidaAcertos, by the listing rule),
// the purchase-order rule of the unit's parameter set, and the two procedure blocks
// (Q_FecharCusto, Q_DesfazerFechamento), each run in a read-committed transaction that is
// committed, or rolled back when the procedure fails.
//
// The values are plain: an id not present is a null QVariant and is sent as null, so nothing
// of an earlier closing is carried over.

#include "Listing.h"

#include <QDate>
#include <QVariant>

namespace custos::data {
class TDataModule_Custo;
}

namespace custos::server {

struct ClosingValues
{
    QDate day;
    QVariant unit;            // p_id_unidade
    QVariant idAbate;         // when the day has a slaughter
    QVariant aproveitamentoKg;
    QVariant resultadoGeral;
    QVariant idIndustrial;    // when the day has a production
    QVariant idRevenda;       // when the day has resale
};

struct ReopeningValues
{
    QDate day;
    QVariant unit;
    QVariant idAbate;      // when the slaughter is closed
    QVariant idIndustrial; // when the production is closed
    QVariant idRevenda;    // when the resale is closed
};

// VALIDACAO_ACERTO_PENDENTE: unprocessed purchase orders block the closing, are reported and
// the user may go on, or are not checked.
enum class PurchaseOrderRule { Blocks, Asks, NotChecked };

class DayClosing
{
public:
    explicit DayClosing(const data::TDataModule_Custo& module) : m_module(module) {}

    Listing earlierOpenDays(double unit, const QDate& day) const;
    Listing laterClosedDays(double unit, const QDate& day) const;
    Listing unprocessedProductionOrders(const QVariant& unit, const QDate& day) const;
    Listing unprocessedPurchaseOrders(const QVariant& unit, const QDate& day) const;
    // The rule of the parameter set valid on day for the session's company.
    PurchaseOrderRule purchaseOrderRule(const QDate& day) const;

    void close(const ClosingValues& values) const;
    void reopen(const ReopeningValues& values) const;

private:
    const data::TDataModule_Custo& m_module;
};

} // namespace custos::server
