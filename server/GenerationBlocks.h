#pragma once
// The blocks a cost generation sends, built from the values of one run.
//
// Without a database link only the generation block runs, every package local. With a link the
// run first sends the unit's configuration and cost bases and the day's price captures to the
// unit's processing database (blocks 1 and 2), generates there (block 3, whose log entry stays
// local), then replaces the local results of the period with the unit's (blocks 4 to 8, which
// run as one local transaction: the central day is either replaced whole or left as it was).
//
// The period is the day, or its whole month when the unit closes monthly; what is deleted on
// either side is what is sent or copied back. The copy-back brings the prices' sales, the production still
// in elaboration and the price captures, so that a day generated over the link reads as one
// generated here and its capture can be undone in both databases.

#include "Binds.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <vector>

namespace custos::server {

struct ProcessFlags
{
    bool abateSuino = false;
    bool abateBovino = false;
    bool industrializado = false;
    bool revenda = false;

    bool slaughter() const { return abateSuino || abateBovino; }
    bool any() const { return slaughter() || industrializado || revenda; }
};

// The values of one run, read by the caller from the parameter set of the day.
struct GenerationInput
{
    double unit = 0;             // the session company
    QDate day;                   // the day generated
    QDateTime moment;            // the processing moment (the workstation's clock at "&OK")
    bool capturePrices = true;   // "Capturar e sobrepor preço médio"
    QString dbLink;              // DBLINK: empty when the unit is processed here
    QString tnsNames;            // TNSNAMES, for the log only
    QString closingType;         // TIPO_FECHAMENTO: "M" monthly, otherwise daily
    double idBaseCusto = 0;      // the cost base valid on the day
    QDate dataInicialMes;        // cost bases starting from this day are sent
    ProcessFlags flags;
};

struct GenerationBlock
{
    QString logLine;        // logged as the block starts; empty: the step's line was logged already
    QString text;           // the anonymous block
    session::Params params;
    bool copyBack = false;  // one of the blocks that replace the local results (one transaction)
};

// The run's blocks in their order. Raises OperationError when the link name is not a plain
// identifier.
std::vector<GenerationBlock> generationBlocks(const GenerationInput& input);

// The log lines written before the first block.
QStringList generationOpeningLines(const GenerationInput& input);

} // namespace custos::server
