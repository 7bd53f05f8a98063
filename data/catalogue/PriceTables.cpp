// The price table export lists of the cost data module: the target tables of a kind, the
// products of a production family or of a resale family and group with their calculated cost and
// their prices in the chosen tables, and the two statements that write a price.
#include "Areas.h"

#include "Builder.h"
#include "ClientDataSet.h"
#include "DataSource.h"
#include "Query.h"

namespace custos::data::catalogue {

namespace {

// The fields of a product list; the mark CHECKBOX is changed only in the window, never saved.
void declareProductList(ClientDataSet& dataSet)
{
    declareFields(dataSet, {
        {FieldKind::Float, 0, "", {"CHECKBOX", "ID_UNIDADE"}},
        {FieldKind::Timestamp, 0, "", {"DATA"}},
        {FieldKind::Float, 0, "", {"SEQUENCIAL_PRODUTO"}},
        {FieldKind::Text, 10, "", {"CODIGO_PRODUTO"}},
        {FieldKind::Text, 60, "", {"DESCRICAO_PRODUTO"}},
        {FieldKind::Float, 0, "#,0.000", {"VALOR_REFERENCIA"}},
        {FieldKind::Text, 9, "", {"STATUS"}},
        {FieldKind::Float, 0, "", {"SEQUENCIAL_ITEM_PRECO"}},
        {FieldKind::Float, 0, "#,0.000", {"PRECO_MEDIO"}},
        {FieldKind::Float, 0, "", {"SEQUENCIAL_ITEM_PRECO_BASE"}},
        {FieldKind::Text, 9, "", {"STATUS_BASE"}},
        {FieldKind::Float, 0, "#,0.000", {"PRECO", "PRECO_BASE"}},
    });
}

} // namespace

void definePriceTables(TDataModule_Custo& module)
{
    const Chain tabelas = addChain(module, "TabelaCusto", "", {{"tipo", BindType::Number}}, R"sql(
select decode(:tipo,0,t.sequencial_tabela_preco,nvl(t.sequencial_tabela_base,-1)) sequencial_tabela_custo,
       decode(:tipo,0,-1,t.sequencial_tabela_preco) sequencial_tabela_preco_base,
       TO_NUMBER(t.numero_tabela) numero,
       t.descricao
  from velko_ven.tabela_preco t, 
       velko_ven.tipo_tabela tp
 where tp.id_tipo_tabela = t.id_tipo_tabela
   and ((:tipo = 0 and tp.tabela_custo = 1)
        OR
        (:tipo = 1 and exists (select * from velko_ven.tabela_preco f where f.sequencial_tabela_base = t.sequencial_tabela_preco) and tp.tabela_custo = 0)
       )
      
)sql");
    declareFields(tabelas.dataSet, {
        {FieldKind::Float, 0, "", {"SEQUENCIAL_TABELA_CUSTO", "SEQUENCIAL_TABELA_PRECO_BASE", "NUMERO"}},
        {FieldKind::Text, 0, "", {"DESCRICAO"}},
    });
    tabelas.dataSet.setReadOnly(true);
    tabelas.source.setAutoEdit(false);

    const Chain producao = addChain(module, "ExportarTabelaPreco", "",
                                    {{"referencia", BindType::Number}, {"id_tabela_preco", BindType::Number},
                                     {"id_tabela_base", BindType::Number}, {"id_unidade", BindType::Number},
                                     {"id_familia", BindType::Number}, {"data", BindType::Date}}, R"sql(
select   
     0 checkbox,  
      w.id_unidade,                 
      w.data,                         
      w.sequencial_produto,         
      w.codigo_produto,             
      w.descricao_produto,   
      decode( :referencia, 0 , w.valor_materia_prima_kg, 1, w.custo_industrial_kg, 2, w.custo_total_kg) valor_referencia,          
      nvl(t.preco,0) preco,
      t.sequencial_item_preco,
      decode(:id_tabela_preco,-1, 'Nenhuma', decode(t.sequencial_tabela_preco,NULL,'Incluir','Atualizar')) status,
      w.preco preco_medio,       
      nvl(tb.preco, 0) preco_base,
      tb.sequencial_item_preco sequencial_item_preco_base,
      decode(:id_tabela_base,-1, 'Nenhuma', decode(tb.sequencial_tabela_preco,NULL,'Incluir','Atualizar')) status_base
  from table(velko_cst.pkg_industrializado.ppl_resultado(:id_unidade,:data,:data)) w,
       (select * from velko_ven.item_preco t where t.sequencial_tabela_preco = :id_tabela_preco) t,
       (select * from velko_ven.item_preco t where t.sequencial_tabela_preco = :id_tabela_base) tb
  where w.id_familia = :id_familia
    and t.sequencial_produto(+) = w.sequencial_produto
    and tb.sequencial_produto(+) = w.sequencial_produto
)sql");
    declareProductList(producao.dataSet);

    const Chain revenda = addChain(module, "ExportarTabelaRevenda", "",
                                   {{"referencia", BindType::Number}, {"id_tabela_preco", BindType::Number},
                                    {"id_tabela_base", BindType::Number}, {"id_unidade", BindType::Number},
                                    {"codigo_familia", BindType::Number}, {"codigo_grupo", BindType::Number},
                                    {"data", BindType::Date}}, R"sql(
select   
     0 checkbox,  
      w.id_unidade,                 
      w.data,                         
      w.sequencial_produto,         
      w.codigo_produto,             
      w.descricao_produto,   
      decode( :referencia, 0 , w.custo_compra_kg, 1, w.custo_revenda_kg, 2, w.custo_total_kg) valor_referencia,          
      t.preco,
      t.sequencial_item_preco,
      decode(:id_tabela_preco,-1, 'Nenhuma', decode(t.sequencial_tabela_preco,NULL,'Incluir','Atualizar')) status,
      w.preco preco_medio,       
      tb.preco preco_base,
      tb.sequencial_item_preco sequencial_item_preco_base,
      decode(:id_tabela_base,-1, 'Nenhuma', decode(tb.sequencial_tabela_preco,NULL,'Incluir','Atualizar')) status_base
  from table(velko_cst.pkg_revenda.ppl_resultado(:id_unidade,:data,:data)) w,
       (select * from velko_ven.item_preco t where t.sequencial_tabela_preco = :id_tabela_preco) t,
       (select * from velko_ven.item_preco t where t.sequencial_tabela_preco = :id_tabela_base) tb
  where w.codigo_familia = :codigo_familia
    and w.codigo_grupo   = :codigo_grupo
    and t.sequencial_produto(+) = w.sequencial_produto
    and tb.sequencial_produto(+) = w.sequencial_produto
)sql");
    declareProductList(revenda.dataSet);

    addQuery(module, "Upd_TabelaCusto",
             {{"valor_unitario", BindType::Number}, {"detalhes", BindType::Text},
              {"sequencial_item_preco", BindType::Number}}, R"sql(
update velko_ven.item_preco ip
   set ip.preco = :valor_unitario,
       ip.origem = 'C',
       ip.origem_usuario = USER,
       ip.origem_data = SYSDATE,
       ip.origem_observacoes = :detalhes
 where ip.sequencial_item_preco = :sequencial_item_preco 
)sql");
    addQuery(module, "Ins_TabelaCusto",
             {{"sequencial_produto", BindType::Number}, {"sequencial_tabela_preco", BindType::Number},
              {"preco", BindType::Number}, {"detalhes", BindType::Text}}, R"sql(
insert into velko_ven.item_preco
  (sequencial_item_preco,
   sequencial_produto,
   sequencial_tabela_preco,
   preco,
   sequencial_condicao_pagamento,
   permite_desconto,
   calculo_automatico,
   comissao,
   desconto,
   alterado,
   venda_liberada,
   permite_alterar_preco,
   alterado2,
   preco_custo,
   vencimento_custo,
   percentual_margem,
   origem,
   origem_usuario,
   origem_data,
   origem_observacoes)
values
  (velko_ven.sq_item_preco.nextval,
   :sequencial_produto,
   :sequencial_tabela_preco,
   :preco,
   null, /*sequencial_condicao_pagamento*/
   1, /*permite_desconto*/
   1, /*calculo_automatico*/
   0, /*comissao*/
   0, /*desconto*/
   1, /*alterado*/
   1, /*venda_liberada*/
   0, /*permite_alterar_preco*/
   1, /*alterado2*/
   0, /*preco_custo*/
   null, /*vencimento_custo*/
   0, /*percentual_margem*/
   'C', /*origem*/
   USER, /*origem_usuario*/
   SYSDATE, /*origem_data*/
   :detalhes)
)sql");
}

} // namespace custos::data::catalogue
