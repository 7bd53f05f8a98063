#pragma once
// The parameters the windows set for unit 1 and a day: the main window's day load, the
// slaughter result window (purchases of the day's slaughter), the industrialized result window
// on a family (its elaboration on another), the resale result window on a family and group,
// the histories and the export lists (a price table and its base for each).

#include "CatalogueDay.h"

namespace custos::test {

// The ids of the day's movement the windows' parameters refer to.
struct DayIds
{
    double idAbate = 0;
    double familia = 0;
    double familiaElaboracao = 0;
    double familiaRevenda = 0;
    double grupoRevenda = 0;
    double tabelaPreco = -1;
    double tabelaBase = -1;
    double tabelaRevenda = -1;
    double tabelaBaseRevenda = -1;
};

inline const QStringList kPerFamily{QStringLiteral("Q_ProcessosProducaoFamilia"),
                                    QStringLiteral("CDS_Resultado_DT"), QStringLiteral("CDS_MateriaPrima_DT"),
                                    QStringLiteral("CDS_Insumos"), QStringLiteral("CDS_CondenacaoDesossa")};

inline void setDayParameters(data::TDataModule_Custo& m, QDate day, const DayIds& ids)
{
    using session::BindType;
    const auto set = [&m](const char* dataSet, const char* name, BindType type, const QVariant& value) {
        setParam(m.dataSet(QString::fromLatin1(dataSet)), QString::fromLatin1(name), type, value);
    };
    const auto unitAndDay = [&](const char* dataSet, const char* unit = "id_unidade",
                                const char* date = "data") {
        set(dataSet, unit, BindType::Number, 1);
        set(dataSet, date, BindType::Date, day);
    };
    for (const char* name :
         {"Q_Moeda", "CDS_AbateProduto", "CDS_Abate_Produto_Nivel2", "CDS_CondenacaoMiudos",
          "CDS_Industrializado", "CDS_ResultadoAcumulado", "CDS_Revenda", "CDS_ResumoRevenda",
          "CDS_ResumoRevendaAcumulado", "CDS_ResultadoRevenda", "CDS_Parametros", "CDS_ExportarTabelaPreco",
          "CDS_ExportarTabelaRevenda", "CDS_ProducaoElaboracao"})
        unitAndDay(name);
    for (const QString& name : kPerFamily) {
        unitAndDay(qPrintable(name));
        set(qPrintable(name), "id_familia", BindType::Number, ids.familia);
    }
    for (const char* name : {"CDS_Abate", "CDS_AbateAcumulado"}) {
        unitAndDay(name);
        set(name, "aproveitamento_rateio", BindType::Text, QStringLiteral("KG"));
    }
    set("CDS_Abate", "aproveitamento", BindType::Number, 874.0);
    set("CDS_Compra", "ID_ABATE", BindType::Number, ids.idAbate);
    set("Q_Peso_Vivo", "PESO_MORTO", BindType::Number, 2500.0);
    set("Q_Peso_Vivo", "QNTD_MORTO", BindType::Number, 10.0);
    unitAndDay("Q_Peso_Vivo", "P_CODIGO_EMPRESA", "P_DATA");
    set("CDS_Resultado", "ID_UNIDADE", BindType::Integer, 1);
    set("CDS_Resultado", "DATA", BindType::Date, day);
    set("CDS_Resultado", "ID_FAMILIA", BindType::Integer, 0);
    set("CDS_ResultadoAcumulado", "id_familia", BindType::Number, 0);
    set("CDS_ProducaoElaboracao", "id_familia", BindType::Number, ids.familiaElaboracao);
    set("CDS_ResultadoRevenda", "codigo_familia", BindType::Number, ids.familiaRevenda);
    set("CDS_ResultadoRevenda", "codigo_grupo", BindType::Number, ids.grupoRevenda);
    for (const char* name : {"Q_DiasFechados", "Q_DiasAbertos"})
        unitAndDay(name, "ID_UNIDADE", "DATA");
    for (const char* name : {"Q_ValidaOP", "Q_ValidaAcertos"}) {
        set(name, "P_ID_UNIDADE", BindType::Integer, 1);
        set(name, "P_DATA", BindType::Date, day);
    }
    for (const char* name : {"CDS_HistoricoCusto", "CDS_LogCusto"})
        unitAndDay(name, "ID_UNIDADE", "DATA_CUSTO");
    set("CDS_TabelaCusto", "tipo", BindType::Number, 0);
    for (const char* name : {"CDS_ExportarTabelaPreco", "CDS_ExportarTabelaRevenda"})
        set(name, "referencia", BindType::Number, 1);
    set("CDS_ExportarTabelaPreco", "id_tabela_preco", BindType::Number, ids.tabelaPreco);
    set("CDS_ExportarTabelaPreco", "id_tabela_base", BindType::Number, ids.tabelaBase);
    set("CDS_ExportarTabelaPreco", "id_familia", BindType::Number, ids.familiaElaboracao);
    set("CDS_ExportarTabelaRevenda", "id_tabela_preco", BindType::Number, ids.tabelaRevenda);
    set("CDS_ExportarTabelaRevenda", "id_tabela_base", BindType::Number, ids.tabelaBaseRevenda);
    set("CDS_ExportarTabelaRevenda", "codigo_familia", BindType::Number, ids.familiaRevenda);
    set("CDS_ExportarTabelaRevenda", "codigo_grupo", BindType::Number, ids.grupoRevenda);
}

} // namespace custos::test
