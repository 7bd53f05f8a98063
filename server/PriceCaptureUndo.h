#pragma once
// Undoing a price capture: the restore block calls the slaughter and production restore
// procedures (resale prices are never restored) with the unit, the generated day and the
// capture moment. A unit processed over a database link is restored in its processing database
// and, in the same block, here, where the generation copied its prices and captures back: both
// databases then read the same prices.

#include "GenerationBlocks.h"

namespace custos::session {
class DBXConnection;
}

namespace custos::server {

struct PriceCaptureUndoInput
{
    double unit = 0;          // ID_UNIDADE of the capture
    QDate generatedDay;       // DATA_GERACAO_CUSTO
    QDateTime captureMoment;  // DATA_HISTORICO
    QString dbLink;           // DBLINK of the parameter set
    ProcessFlags flags;
};

// The restore block. Raises OperationError when the link name is not a plain identifier.
QString restoreBlock(const PriceCaptureUndoInput& input);

class PriceCaptureUndo
{
public:
    explicit PriceCaptureUndo(session::DBXConnection& connection) : m_connection(connection) {}

    void run(const PriceCaptureUndoInput& input);

private:
    session::DBXConnection& m_connection;
};

} // namespace custos::server
