#pragma once
// The datasets of one unit's day in the cost data module, opened without any window: the
// parameter set valid on the day, the day's slaughter, by-product, production and resale
// datasets with those of the month to date, and the day's price capture and generation
// histories. The main window loads its day through these and shows what they opened; the
// command line reads the same values from them for the day operations.

#include <QDate>

namespace custos::data {
class ClientDataSet;
class TDataModule_Custo;
}

namespace custos::dayproc {

// CDS_Parametros for the unit and day.
void openParametros(data::TDataModule_Custo& module, double unit, const QDate& day);

// The day's datasets in their order. The slaughter (CDS_Abate and its month to date) opens only
// when the day has by-product rows, with the by-products apportioned by the parameter set's
// rule and credited when the offal criterion is "A"; the live weight (Q_Peso_Vivo) only when
// the day has a slaughter with second-level products.
void openDayDatasets(data::TDataModule_Custo& module, double unit, const QDate& day);

// The client dataset CDS_<stem> over Q_<stem> with id_unidade and data_custo set: the histories
// HistoricoCusto (price captures that can be undone) and LogCusto (generation and closing).
data::ClientDataSet& openDayHistory(data::TDataModule_Custo& module, const char* stem, double unit, const QDate& day);

} // namespace custos::dayproc
