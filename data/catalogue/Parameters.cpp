// The cost parameter set of a unit valid on a day (Q_Parametros -> DSP_Parametros ->
// CDS_Parametros -> DTS_Parametros): the set's row of VELKO_CST.BASE_CUSTO with the unit's
// fixed parameters and settings. An empty day reads the set valid on the server's current date.
#include "Areas.h"

#include "Builder.h"
#include "ClientDataSet.h"

namespace custos::data::catalogue {

void defineParameters(TDataModule_Custo& module)
{
    const Chain c = addChain(module, "Parametros", "",
                             {{"data", BindType::Date}, {"id_unidade", BindType::Number}}, R"sql(
select *
  from (select b.id_base_custo,
               b.id_unidade,
               b.id_unidade_abate,
               b.periodo,
               b.dias_producao,
               b.mod_abate,
               b.cif_abate,
               b.mod_miudos,
               b.cif_miudos,
               b.mod_desossa,
               b.cif_desossa,
               b.frete,
               b.frete_exportacao,
               b.despesa_exportacao,
               b.administrativo,
               b.margem_seguranca,
               b.frete_compra,
               b.comissao_compra,
               b.aproveitamento_abate,
               b.aproveitamento_desossa,
               b.rastreabilidade,
               b.mod_tendal,
               b.cif_tendal,
               b.mod_subproduto,
               b.cif_subproduto,
               b.seguro_carga,
               b.processo_exportacao,
               b.data_inicial,
               b.data_final,
               b.mod_industrializado,
               b.cif_industrializado,
               b.preco_medio_inicial,
               b.preco_medio_final,
               b.mod_revenda,
               b.cif_revenda,
               b.criterio_mp,
               b.criterio_mod,
               b.criterio_cif,
               b.criterio_data_op,
               b.criterio_rateio,
               b.criterio_receita,
               b.criterio_miudos,
               b.criterio_apuracao_abate,
               b.validacao_acerto_pendente,
               b.modo_custo_indireto,
               b.dias_producao_abate,
               b.dias_producao_revenda,
               b.exibe_rendimento_abate,
               b.custo_embalagem,
               b.tipo_fechamento,
               p.id_produto_sebo,
               p.id_produto_osso,
               p.aproveitamento,
               p.aproveitamento_rateio,
               p.preco_medio_metodo,
               p.data_inicio_sistema,
               u.descricao descricao_unidade,
               u.tnsnames,
               u.dblink,
               u.u_abate_suino,
               u.u_abate_bovino,
               u.u_industrializado,
               u.u_revenda,
               p.analise_condenacoes,
               trunc(b.data_inicial, 'mm') data_inicial_mes
          from velko_cst.base_custo b,
               velko_cst.parametros p,
               velko_cst.unidade    u
         where nvl(:data, trunc(sysdate)) between b.data_inicial and
               nvl(b.data_final, nvl(:data, trunc(sysdate)))
           and b.id_unidade = :id_unidade
           and u.id_unidade = b.id_unidade
           and u.id_unidade = p.id_unidade) tmp
)sql");
    declareFields(c.dataSet, {
        {FieldKind::Float, 0, "", {"ID_BASE_CUSTO", "ID_UNIDADE", "ID_UNIDADE_ABATE"}},
        {FieldKind::Text, 7, "", {"PERIODO"}},
        {FieldKind::Float, 0, "", {"DIAS_PRODUCAO", "MOD_ABATE", "CIF_ABATE", "MOD_MIUDOS", "CIF_MIUDOS",
                                   "MOD_DESOSSA", "CIF_DESOSSA", "FRETE", "FRETE_EXPORTACAO",
                                   "DESPESA_EXPORTACAO", "ADMINISTRATIVO", "MARGEM_SEGURANCA", "FRETE_COMPRA",
                                   "COMISSAO_COMPRA", "APROVEITAMENTO_ABATE", "APROVEITAMENTO_DESOSSA",
                                   "RASTREABILIDADE", "MOD_TENDAL", "CIF_TENDAL", "MOD_SUBPRODUTO",
                                   "CIF_SUBPRODUTO", "SEGURO_CARGA", "PROCESSO_EXPORTACAO"}},
        {FieldKind::Timestamp, 0, "", {"DATA_INICIAL", "DATA_FINAL"}},
        {FieldKind::Float, 0, "", {"MOD_INDUSTRIALIZADO", "CIF_INDUSTRIALIZADO"}},
        {FieldKind::Timestamp, 0, "", {"PRECO_MEDIO_INICIAL", "PRECO_MEDIO_FINAL"}},
        {FieldKind::Float, 0, "", {"MOD_REVENDA", "CIF_REVENDA", "CRITERIO_MP", "CRITERIO_MOD", "CRITERIO_CIF"}},
        {FieldKind::Text, 1, "", {"CRITERIO_DATA_OP", "CRITERIO_RATEIO", "CRITERIO_RECEITA", "CRITERIO_MIUDOS"}},
        {FieldKind::Float, 0, "", {"CRITERIO_APURACAO_ABATE"}},
        {FieldKind::Int8, 0, "", {"VALIDACAO_ACERTO_PENDENTE"}},
        {FieldKind::Text, 2, "", {"MODO_CUSTO_INDIRETO"}},
        {FieldKind::Float, 0, "", {"DIAS_PRODUCAO_ABATE", "DIAS_PRODUCAO_REVENDA", "EXIBE_RENDIMENTO_ABATE"}},
        {FieldKind::Text, 2, "", {"CUSTO_EMBALAGEM"}},
        {FieldKind::Text, 1, "", {"TIPO_FECHAMENTO"}},
        {FieldKind::Float, 0, "", {"ID_PRODUTO_SEBO", "ID_PRODUTO_OSSO"}},
        {FieldKind::Text, 1, "", {"APROVEITAMENTO"}},
        {FieldKind::Text, 2, "", {"APROVEITAMENTO_RATEIO"}},
        {FieldKind::Float, 0, "", {"PRECO_MEDIO_METODO"}},
        {FieldKind::Timestamp, 0, "", {"DATA_INICIO_SISTEMA"}},
        {FieldKind::Text, 30, "", {"DESCRICAO_UNIDADE", "TNSNAMES", "DBLINK"}},
        {FieldKind::Int8, 0, "", {"U_ABATE_SUINO", "U_ABATE_BOVINO", "U_INDUSTRIALIZADO", "U_REVENDA",
                                  "ANALISE_CONDENACOES"}},
        {FieldKind::Timestamp, 0, "", {"DATA_INICIAL_MES"}},
    });
}

} // namespace custos::data::catalogue
