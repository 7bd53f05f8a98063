#pragma once
// The save rules of the cost data module: what runs right after a row of one of its client
// datasets is posted (by a grid edit or by the program). Each rule is set with a name that says
// what it does, which the dataset reports (DataSet::afterPostRule): "save" (its own changes),
// "save CDS_Abate" (another dataset's), ", re-read" (the dataset again with AutoRefresh on),
// ", re-read CDS_Resultado_DT", ", credit CDS_Abate" (the by-products' total to the slaughter).
//
// To save a dataset is to send all its pending changes through its provider; the rows the
// database refuses stay pending with their edited values, the others are saved, and the user
// is told with the database's messages (raised as DataError, which the application-wide error
// display shows; the rule stops there). With AutoRefresh on, a saved price is followed by a
// re-read of the datasets whose values the server derives from it.

namespace custos::data {

class TDataModule_Custo;

void installSaveRules(TDataModule_Custo& module);

} // namespace custos::data
