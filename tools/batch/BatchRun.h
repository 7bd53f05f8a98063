#pragma once
// One command of custos-batch run for each unit in turn: a login of its own per unit (the unit
// is the session company, as at the login window), the day loaded as the main window loads it,
// then the command through the same rules and operations as the windows. Notices go to the
// output (errors to the error output); a question is printed and answered Yes only with --yes.

#include "BatchOptions.h"
#include "DayOperationRules.h"
#include "PricePublisher.h"

#include <QTextStream>
#include <vector>

namespace custos::data {
class ClientDataSet;
class DataSet;
class TDataModule_Custo;
}

namespace custos::batch {

// The exit status; of several units, the largest.
enum class Status { Done = 0, Refused = 1, Usage = 2, Failed = 3 };

struct Account
{
    QString database; // SERVER NAME
    QString user;
    QString password;
};

class BatchRun
{
public:
    BatchRun(const BatchOptions& options, Account account, QTextStream& out, QTextStream& err);

    // company is the unit's number as the login's company field takes it. Prints the unit's
    // summary line.
    Status runUnit(const QString& company);

private:
    Status runCommand(data::TDataModule_Custo& module, double unit);
    Status generate(data::TDataModule_Custo& module, double unit);
    Status closeOrReopen(data::TDataModule_Custo& module, double unit);
    Status history(data::TDataModule_Custo& module, double unit);
    Status undoCapture(data::TDataModule_Custo& module, double unit);
    Status exportResult(data::TDataModule_Custo& module);
    Status publish(data::TDataModule_Custo& module, double unit);
    bool locateFamily(data::TDataModule_Custo& module);
    bool chooseTable(data::ClientDataSet& tables);
    bool tickProducts(const data::DataSet& list, std::vector<parameters::TickedProduct>& ticked);
    dayproc::Notify notifier();
    void printError(const QString& text);

    const BatchOptions& m_options;
    Account m_account;
    QTextStream& m_out;
    QTextStream& m_err;
};

} // namespace custos::batch
