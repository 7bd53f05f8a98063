#pragma once
// The plain values the day operations take, read from the cost data module as the main window
// loaded the day: the parameter set (CDS_Parametros) for the generation and the undo, the day's
// process datasets for the closing and the reopening.

#include "DayClosing.h"
#include "GenerationBlocks.h"

namespace custos::data {
class TDataModule_Custo;
}

namespace custos::dayproc {

server::ProcessFlags processFlags(const data::TDataModule_Custo& module);
QString dbLink(const data::TDataModule_Custo& module);

// The processing moment of a generation: the workstation's clock, to the second.
QDateTime processingMoment();

server::GenerationInput generationInput(const data::TDataModule_Custo& module, double unit, const QDate& day,
                                        const QDateTime& moment, bool capturePrices);

// Every process present on the day takes part; the unit is that of the by-product result when
// it is not zero, otherwise that of the production result (null when there is none).
server::ClosingValues closingValues(const data::TDataModule_Custo& module, const QDate& day);
// The closed processes of the day; the unit is that of the production result.
server::ReopeningValues reopeningValues(const data::TDataModule_Custo& module, const QDate& day);

} // namespace custos::dayproc
