#pragma once
// The state of the selected day, read from the three process datasets of the cost data module:
// slaughter (CDS_Abate), production (CDS_Industrializado) and resale (CDS_Revenda), each absent
// (closed dataset or no row), open (DATA_FECHAMENTO empty on the current row) or closed.

namespace custos::data {
class DataSet;
class TDataModule_Custo;
}

namespace custos::dayproc {

enum class ProcessState { Absent, Open, Closed };

ProcessState processState(const data::DataSet& dataSet);

struct DayState
{
    ProcessState slaughter = ProcessState::Absent;
    ProcessState production = ProcessState::Absent;
    ProcessState resale = ProcessState::Absent;

    static DayState of(const data::TDataModule_Custo& module);

    // At least one process is closed: the button reads "&Reabrir" and the editable datasets
    // are read-only.
    bool isClosed() const;
    // At least one process is present: there is something to close or reopen.
    bool hasProcess() const;
    // The close/reopen button closes when a present process is open, and reopens when every
    // present process is closed.
    bool closesOnAction() const;
    // Neither slaughter nor production is closed (resale is not consulted); generation also
    // needs that no later day is closed, which the generation asks the database.
    bool allowsGeneration() const;
    // None of the three is closed.
    bool allowsPriceCaptureUndo() const;
};

} // namespace custos::dayproc
