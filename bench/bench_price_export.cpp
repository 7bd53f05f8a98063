// Publishing a production family of 1,000 products into a cost table and its base table
// (kind "Tabela Base"): F_ExportaTabelaPrecos from the click on "&OK" to the window closed,
// against the same statements sent with plain libpq in one transaction (each statement
// prepared once, bound per row), in turns in one run; medians of five rounds each. The price
// tables are emptied of the published rows before every round, so every round inserts 2,000
// rows.
#include "ClientDataSet.h"
#include "DBXConnection.h"
#include "DataModule_Custo.h"
#include "Dialect.h"
#include "Figures.h"
#include "FixtureDay.h"
#include "ParametersStatements.h"
#include "Query.h"
#include "TF_ExportaTabelaPrecos.h"
#include "TestDatabase.h"

#include <MessageBox.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QToolButton>
#include <cstdio>
#include <libpq-fe.h>
#include <map>

using namespace custos;
using bench::ms;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kProducts = 1000;
constexpr int kRounds = 5;

PGresult* checked(PGconn* conn, PGresult* res)
{
    const auto status = PQresultStatus(res);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        std::fprintf(stderr, "bench_price_export: %s\n", PQerrorMessage(conn));
        std::exit(1);
    }
    return res;
}

void exec(PGconn* conn, const char* text) { PQclear(checked(conn, PQexec(conn, text))); }

// The product list as the window holds it: product, cost figure, average price.
struct ListedProduct
{
    std::string produto;
    std::string valor;
    std::string medio;
};

// The publication with plain libpq: the rows each table holds, then an update or an insert per
// product and table, in one transaction.
double plainPublication(PGconn* conn, const data::TDataModule_Custo& module, const std::vector<ListedProduct>& list,
                        const std::string& detalhes)
{
    const auto text = [](const QString& oracle) { return sql::translate(oracle.toStdString()); };
    static bool prepared = false;
    const sql::Translation update = text(module.query(QStringLiteral("Upd_TabelaCusto")).text());
    const sql::Translation insert = text(module.query(QStringLiteral("Ins_TabelaCusto")).text());
    const sql::Translation rows = text(parameters::statements::currentPriceRows);
    const auto types = [](const sql::Translation& t) {
        std::vector<Oid> oids;
        for (const std::string& bind : t.binds)
            oids.push_back(bind == "DETALHES" ? 25 : 1700);
        return oids;
    };
    if (!prepared) {
        PQclear(checked(conn, PQprepare(conn, "upd", update.text.c_str(), int(update.binds.size()), types(update).data())));
        PQclear(checked(conn, PQprepare(conn, "ins", insert.text.c_str(), int(insert.binds.size()), types(insert).data())));
        prepared = true;
    }
    const auto t0 = Clock::now();
    exec(conn, "BEGIN ISOLATION LEVEL READ COMMITTED");
    for (const char* tabela : {"30", "20"}) {
        std::map<std::string, std::string> current;
        const char* value[] = {tabela};
        const Oid numeric[] = {1700};
        PGresult* res = checked(conn, PQexecParams(conn, rows.text.c_str(), 1, numeric, value, nullptr, nullptr, 0));
        for (int r = 0; r < PQntuples(res); ++r)
            current.emplace(PQgetvalue(res, r, 0), PQgetvalue(res, r, 1));
        PQclear(res);
        const bool base = tabela == std::string("20");
        for (const ListedProduct& p : list) {
            const std::string& preco = base ? p.medio : p.valor;
            const auto found = current.find(p.produto);
            std::map<std::string, const char*> binds{{"VALOR_UNITARIO", preco.c_str()}, {"PRECO", preco.c_str()},
                                                     {"DETALHES", detalhes.c_str()},
                                                     {"SEQUENCIAL_PRODUTO", p.produto.c_str()},
                                                     {"SEQUENCIAL_TABELA_PRECO", tabela}};
            if (found != current.end())
                binds["SEQUENCIAL_ITEM_PRECO"] = found->second.c_str();
            const sql::Translation& t = found != current.end() ? update : insert;
            std::vector<const char*> values;
            for (const std::string& bind : t.binds)
                values.push_back(binds.at(bind));
            PQclear(checked(conn, PQexecPrepared(conn, found != current.end() ? "upd" : "ins", int(values.size()),
                                                 values.data(), nullptr, nullptr, 0)));
        }
    }
    exec(conn, "COMMIT");
    return ms(Clock::now() - t0);
}

// The window from "&OK" to closed, with the list loaded and every product ticked.
double windowPublication(data::TDataModule_Custo& module, const parameters::ProductionFamily& family,
                         std::vector<ListedProduct>* list)
{
    parameters::TF_ExportaTabelaPrecos form(module, family);
    form.show();
    form.findChild<QComboBox*>(QStringLiteral("ComboBox_Tipo"))->setCurrentIndex(1);
    form.findChild<QComboBox*>(QStringLiteral("ComboBox_Referencia"))->setCurrentIndex(2);
    auto* tabela = form.findChild<QComboBox*>(QStringLiteral("LookupComboBox_Tabela"));
    for (int i = 0; i < tabela->count(); ++i) {
        if (tabela->model()->index(i, 0).data().toString() == QLatin1String("20")) {
            tabela->setCurrentIndex(i);
            Q_EMIT tabela->activated(i);
        }
    }
    form.findChild<QToolButton*>(QStringLiteral("MarcarTodas"))->click();
    const data::ClientDataSet& products = form.productList();
    if (products.recordCount() != kProducts) {
        std::fprintf(stderr, "bench_price_export: %d products listed\n", products.recordCount());
        std::exit(1);
    }
    if (list && list->empty()) {
        for (int row = 0; row < products.recordCount(); ++row) {
            const auto text = [&](const char* field) {
                const QVariant v = products.value(row, products.fieldByName(QString::fromLatin1(field)).index());
                return v.isNull() ? std::string() : QString::number(v.toDouble(), 'g', 17).toStdString();
            };
            list->push_back({text("SEQUENCIAL_PRODUTO"), text("VALOR_REFERENCIA"), text("PRECO_MEDIO")});
        }
    }
    ui::ScopedMessageHook yes([](ui::MessageType, ui::MessageButtons, const QString&) { return ui::MessageResult::Yes; });
    const auto t0 = Clock::now();
    form.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    const double elapsed = ms(Clock::now() - t0);
    if (form.isVisible() || form.result() != QDialog::Accepted) {
        std::fprintf(stderr, "bench_price_export: the window did not close\n");
        std::exit(1);
    }
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    test::TestDatabase db;
    db.loadFixture(QStringLiteral("custo_dia.sql"));
    db.loadFixture(QStringLiteral("tabela_precos.sql"));
    auto connection = db.connect(QStringLiteral("ANALISTA"));
    test::generateDay(*connection, QDateTime(QDate(2024, 3, 16), QTime(8, 0)));
    // The sausage family grows to 1,000 products, each made as the fixture's sausage is.
    db.exec(QStringLiteral(
        "INSERT INTO velko_ven.produto SELECT 200000 + g, (700000 + g)::text, 'Linguiça ' || g, 400, 510, NULL"
        "  FROM generate_series(1, %1) g;"
        "INSERT INTO velko_cst.industrial_produto"
        " SELECT p.id_industrial, p.id_ordem_producao, p.id_linha_producao, p.id_familia, p.id_processo, 200000 + g,"
        "        p.id_mercado, p.id_contrato, p.id_industrial_preco, p.caixas, p.pecas, p.peso + g, p.peso_mp,"
        "        p.rendimento, p.rendimento_padrao, p.valor_materia_prima + g, p.valor_insumo, p.valor_mod, p.valor_cif,"
        "        p.valor_embalagem, p.valor_elaboracao, p.gerar_resultado_custo"
        "   FROM velko_cst.industrial_produto p, generate_series(1, %1) g WHERE p.sequencial_produto = 150;"
        "CREATE TABLE velko_ven.item_preco_inicial AS SELECT * FROM velko_ven.item_preco;")
                .arg(kProducts - 1));
    data::TDataModule_Custo module(*connection);
    const parameters::ProductionFamily family{1, test::kDia, 40, QStringLiteral("Linguiças")};
    const QString reset = QStringLiteral("DELETE FROM velko_ven.item_preco;"
                                         "INSERT INTO velko_ven.item_preco SELECT * FROM velko_ven.item_preco_inicial;");

    const QByteArray info = QStringLiteral("service=%1 user=ANALISTA password=custos").arg(db.serviceName()).toUtf8();
    PGconn* plain = PQconnectdb(info.constData());
    exec(plain, "SET ROLE velko_user");
    exec(plain, "CALL velko.set_nls_parameters()");
    exec(plain, "CALL pkg_velko.set_empresa(1)");

    std::vector<ListedProduct> list;
    std::vector<double> window, libpq;
    const std::string detalhes = parameters::TF_ExportaTabelaPrecos::detailText(family).toStdString();
    for (int round = 0; round < kRounds; ++round) {
        db.exec(reset);
        window.push_back(windowPublication(module, family, &list));
        db.exec(reset);
        libpq.push_back(plainPublication(plain, module, list, detalhes));
    }
    if (db.scalar(QStringLiteral("select count(*) from velko_ven.item_preco where origem = 'C'")) !=
        QString::number(2 * kProducts)) {
        std::fprintf(stderr, "bench_price_export: the last round did not write %d rows\n", 2 * kProducts);
        return 1;
    }
    PQfinish(plain);
    const double w = bench::median(window), p = bench::median(libpq);
    std::printf("publishing %d products into a cost and a base table (%d writes), medians of %d rounds\n", kProducts,
                2 * kProducts, kRounds);
    std::printf("  F_ExportaTabelaPrecos, \"&OK\" to closed: %8.1f ms\n", w);
    std::printf("  plain libpq, same statements:           %8.1f ms\n", p);
    std::printf("  ratio:                                  %8.2f\n", w / p);
    return 0;
}
