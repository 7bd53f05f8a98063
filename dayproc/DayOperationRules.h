#pragma once
// The rules of the day operations as the user meets them: the checks before a generation, the
// closing and reopening paths with their checks in order and their questions, and the checks of
// a price capture undo. Every message goes through the caller's notice handler, which shows it
// and, for a question, answers it: the main window shows message boxes, the command line prints
// and answers by its options. The values come from the cost data module as the day was loaded
// (DayDatasets).

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

namespace custos::data {
class TDataModule_Custo;
}

namespace custos::server {
struct Listing;
}

namespace custos::dayproc {

enum class NoticeType { Information, Error, Confirmation };
enum class NoticeButtons { Ok, OkCancel, YesNo };

struct Notice
{
    NoticeType type;
    NoticeButtons buttons;
    QString text;
    QString detail; // the complete list when the text cuts it at "mais..."
};

// Shows a notice; for a question, true when the answer is Yes or OK.
using Notify = std::function<bool(const Notice&)>;

// How an operation ended: refused by a check (nothing was done and nothing follows), declined at
// its question (nothing was done; the window refreshes), or done.
enum class Outcome { Refused, Declined, Done };

enum class ClosingPath { Close, Reopen };

// False, after the message, when the session's database (the DATABASE parameter of the main
// connection) is one a unit declares as its own processing database: costs are not worked on
// there.
bool databaseAllowed(const data::TDataModule_Custo& module, const Notify& notify);

// False, after the message, when the day comes before the first day the unit shows information
// (DATA_INICIO_SISTEMA of the parameter set loaded for the day).
bool dayShowsInformation(const data::TDataModule_Custo& module, const QDate& day, const Notify& notify);

// The slaughter's result opens only on a day with a slaughter loaded (CDS_Abate); false, after
// the message, otherwise.
bool slaughterLoaded(const data::TDataModule_Custo& module, const Notify& notify);

// "&Gerar": neither slaughter nor production closed, and no later day closed.
bool generationAllowed(const data::TDataModule_Custo& module, double unit, const QDate& day, const Notify& notify);

// "&Fechar"/"&Reabrir": the path the day's state gives, its checks, its question and its
// procedure. With wanted set, a day whose state gives the other path is refused.
Outcome closeOrReopenDay(const data::TDataModule_Custo& module, double unit, const QDate& day, const Notify& notify,
                         std::optional<ClosingPath> wanted = std::nullopt);

// The undo of a price capture needs every process of the day open.
bool priceCaptureUndoAllowed(const data::TDataModule_Custo& module, const Notify& notify);

// The captures of the day that can be undone, in CDS_HistoricoCusto; false, after the message,
// when there is none.
bool openPriceCaptures(data::TDataModule_Custo& module, double unit, const QDate& day, const Notify& notify);

// The question before a capture is undone, and the message of a failed undo.
QString priceCaptureUndoQuestion();
QString priceCaptureUndoFailure(const QString& error);

// Undoes the capture with the parameter set's link and process flags.
void undoPriceCapture(const data::TDataModule_Custo& module, double unit, const QDate& generatedDay,
                      const QDateTime& captureMoment);

// The generation and closing history of the day, in CDS_LogCusto; false, after the message,
// when there is none.
bool openDayLog(data::TDataModule_Custo& module, double unit, const QDate& day, const Notify& notify);

} // namespace custos::dayproc
