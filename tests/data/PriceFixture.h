#pragma once
// The small table the dataset tests read and write (velko_cst.tst_preco: five products with
// weights, prices and results; a check refuses negative prices) and the query, provider and
// client dataset chain over it, the way the data module builds its datasets.

#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "Provider.h"
#include "Query.h"
#include "TestDatabase.h"

#include <memory>

namespace custos::test {

inline void createPriceTable(const TestDatabase& db)
{
    db.exec(QStringLiteral(
        "CREATE TABLE velko_cst.tst_preco ("
        "  id_preco numeric(10) PRIMARY KEY, grupo varchar(20), peso numeric(12,3),"
        "  preco numeric(14,5) CONSTRAINT ck_tst_preco_positivo CHECK (preco >= 0),"
        "  resultado_total numeric(14,2), preco_total numeric(14,2), valor_mod numeric(14,2),"
        "  valor_cif numeric(14,2), flag numeric(1), data oracle.date, obs varchar(10));"
        "INSERT INTO velko_cst.tst_preco VALUES"
        "  (1, 'BOVINO', 100.5, 10.25, 120.40, 1030.13, 15.10, 4.05, 1, '2026-03-02', 'a'),"
        "  (2, 'BOVINO', 1250.5, 12.5, -80.75, 3125.00, 30.00, 7.50, 0, '2026-03-02', NULL),"
        "  (3, 'SUINO', 80.25, 8.125, 33.33, 652.03, NULL, 2.20, 1, '2026-03-03 14:30:00', 'c'),"
        "  (4, 'SUINO', NULL, 9, 10.00, 0, 5.00, 1.00, NULL, NULL, 'd'),"
        "  (5, 'MIUDOS', 0, 3.5, -5.10, 0, 1.25, NULL, 0, '2026-03-04', 'e');"
        "GRANT SELECT, UPDATE ON velko_cst.tst_preco TO velko_user;"));
}

inline void resetPriceTable(const TestDatabase& db)
{
    db.exec(QStringLiteral("DROP TABLE IF EXISTS velko_cst.tst_preco;"));
    createPriceTable(db);
}

// Q_Preco -> DSP_Preco -> CDS_Preco, rows id_preco between :de and :ate (all by default).
struct PriceDataSets
{
    explicit PriceDataSets(const TestDatabase& db)
        : connection(db.connect())
        , query(connection.get())
        , provider(&query, QStringLiteral("VELKO_CST.TST_PRECO"))
    {
        query.setObjectName(QStringLiteral("Q_Preco"));
        provider.setObjectName(QStringLiteral("DSP_Preco"));
        cds.setObjectName(QStringLiteral("CDS_Preco"));
        query.setSql({QStringLiteral("select id_preco, grupo, peso, preco, resultado_total, preco_total,"),
                      QStringLiteral("       valor_mod, valor_cif, flag, data, obs"),
                      QStringLiteral("  from velko_cst.tst_preco"),
                      QStringLiteral(" where id_preco between :de and :ate -- the rows asked for"),
                      QStringLiteral(" order by id_preco")});
        query.params().setNumber(QStringLiteral("de"), 1).setNumber(QStringLiteral("ate"), 99);
        cds.setProvider(&provider);
    }

    // The save map of the price datasets: the id finds the row, the price is written.
    void usePriceSaveMap()
    {
        provider.setDefaultFlags({});
        provider.setFieldFlags(QStringLiteral("ID_PRECO"), data::ProviderFlag::Identifying);
        provider.setFieldFlags(QStringLiteral("PRECO"), data::ProviderFlag::Writable);
    }

    std::unique_ptr<session::DBXConnection> connection;
    data::Query query;
    data::Provider provider;
    data::ClientDataSet cds;
};

} // namespace custos::test
