#pragma once
// The dataset definitions of the cost data module, one function per area, each adding its
// datasets to the module as named children.

namespace custos::data {
class TDataModule_Custo;
}

namespace custos::data::catalogue {

void defineSlaughter(TDataModule_Custo& module);
void defineProduction(TDataModule_Custo& module);
void defineResale(TDataModule_Custo& module);
void defineParameters(TDataModule_Custo& module);
void defineClosingAndHistory(TDataModule_Custo& module);
void definePriceTables(TDataModule_Custo& module);

} // namespace custos::data::catalogue
