#include "RoutineCatalogue.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace custos::sql::dialect {

namespace {

struct Entry
{
    std::string_view owner;   // the Oracle schema
    std::string_view package; // empty for a schema-level routine
    std::string_view member;
    Routine routine;
};

const std::array<Entry, 19>& entries()
{
    using K = RoutineKind;
    static const std::array<Entry, 19> all = {{
        {"VELKO", "", "SET_NLS_PARAMETERS", {K::Procedure, "velko.set_nls_parameters"}},
        {"VELKO", "PKG_VELKO", "SET_EMPRESA", {K::Procedure, "pkg_velko.set_empresa"}},
        {"VELKO", "PKG_VELKO", "GET_EMPRESA", {K::Function, "pkg_velko.get_empresa"}},
        {"VELKO_FIN", "", "VALOR_INDICE", {K::Function, "velko_fin.valor_indice"}},
        {"VELKO_CST", "PKG_BASE_CUSTO", "GERA_LOG_CUSTO", {K::Procedure, "pkg_base_custo.gera_log_custo"}},
        {"VELKO_CST", "PKG_CONSUMO", "GERA_CONSUMO", {K::Procedure, "pkg_consumo.gera_consumo"}},
        {"VELKO_CST", "PKG_ABATE", "INTEGRA", {K::Procedure, "pkg_abate.integra"}},
        {"VELKO_CST", "PKG_ABATE", "RESTAURAR_PRECO_MEDIO", {K::Procedure, "pkg_abate.restaurar_preco_medio"}},
        {"VELKO_CST", "PKG_ABATE", "PPL_APROVEITAMENTO", {K::SetReturning, "pkg_abate.ppl_aproveitamento"}},
        {"VELKO_CST", "PKG_INDUSTRIALIZADO", "INTEGRA", {K::Procedure, "pkg_industrializado.integra"}},
        {"VELKO_CST", "PKG_INDUSTRIALIZADO", "FECHAR_CUSTO", {K::Procedure, "pkg_industrializado.fechar_custo"}},
        {"VELKO_CST", "PKG_INDUSTRIALIZADO", "DESFAZER_FECHAMENTO_CUSTO",
         {K::Procedure, "pkg_industrializado.desfazer_fechamento_custo"}},
        {"VELKO_CST", "PKG_INDUSTRIALIZADO", "RESTAURAR_PRECO_MEDIO",
         {K::Procedure, "pkg_industrializado.restaurar_preco_medio"}},
        {"VELKO_CST", "PKG_INDUSTRIALIZADO", "ATUALIZA_CUSTO_MEDIO_MP",
         {K::Procedure, "pkg_industrializado.atualiza_custo_medio_mp"}},
        {"VELKO_CST", "PKG_INDUSTRIALIZADO", "PPL_RESULTADO", {K::SetReturning, "pkg_industrializado.ppl_resultado"}},
        {"VELKO_CST", "PKG_INDUSTRIALIZADO", "PPL_RESULTADO_REL",
         {K::SetReturning, "pkg_industrializado.ppl_resultado_rel"}},
        {"VELKO_CST", "PKG_INDUSTRIALIZADO", "PPL_MATERIA_PRIMA",
         {K::SetReturning, "pkg_industrializado.ppl_materia_prima"}},
        {"VELKO_CST", "PKG_REVENDA", "INTEGRA", {K::Procedure, "pkg_revenda.integra"}},
        {"VELKO_CST", "PKG_REVENDA", "PPL_RESULTADO", {K::SetReturning, "pkg_revenda.ppl_resultado"}},
    }};
    return all;
}

} // namespace

const Routine* findRoutine(const std::vector<Name>& name)
{
    if (name.size() < 2 || name.size() > 3)
        return nullptr;
    std::array<std::string, 3> parts;
    for (std::size_t i = 0; i < name.size(); ++i)
        parts[i] = name[i].canonical();
    for (const Entry& e : entries()) {
        const bool match = name.size() == 3
            ? (!e.package.empty() && parts[0] == e.owner && parts[1] == e.package && parts[2] == e.member)
            : (e.package.empty() ? (parts[0] == e.owner && parts[1] == e.member)
                                 : (parts[0] == e.package && parts[1] == e.member));
        if (match)
            return &e.routine;
    }
    return nullptr;
}

} // namespace custos::sql::dialect
