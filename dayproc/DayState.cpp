#include "DayState.h"

#include "DataModule_Custo.h"
#include "DataSet.h"

namespace custos::dayproc {

ProcessState processState(const data::DataSet& dataSet)
{
    if (!dataSet.isActive() || dataSet.isEmpty())
        return ProcessState::Absent;
    return dataSet.fieldByName(QStringLiteral("DATA_FECHAMENTO")).isNull() ? ProcessState::Open
                                                                            : ProcessState::Closed;
}

DayState DayState::of(const data::TDataModule_Custo& module)
{
    return DayState{processState(module.dataSet(QStringLiteral("CDS_Abate"))),
                    processState(module.dataSet(QStringLiteral("CDS_Industrializado"))),
                    processState(module.dataSet(QStringLiteral("CDS_Revenda")))};
}

bool DayState::isClosed() const
{
    return slaughter == ProcessState::Closed || production == ProcessState::Closed || resale == ProcessState::Closed;
}

bool DayState::hasProcess() const
{
    return slaughter != ProcessState::Absent || production != ProcessState::Absent || resale != ProcessState::Absent;
}

bool DayState::closesOnAction() const
{
    return slaughter == ProcessState::Open || production == ProcessState::Open || resale == ProcessState::Open;
}

bool DayState::allowsGeneration() const
{
    return slaughter != ProcessState::Closed && production != ProcessState::Closed;
}

bool DayState::allowsPriceCaptureUndo() const
{
    return !isClosed();
}

} // namespace custos::dayproc
