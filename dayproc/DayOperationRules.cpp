#include "DayOperationRules.h"

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "DayClosing.h"
#include "DayDatasets.h"
#include "DayOperationValues.h"
#include "DayState.h"
#include "DayprocStatements.h"
#include "DBXConnection.h"
#include "PriceCaptureUndo.h"

namespace custos::dayproc {

namespace {

void inform(const Notify& notify, NoticeType type, const QString& text)
{
    notify(Notice{type, NoticeButtons::Ok, text, {}});
}

// A check's refusal or question: head, the request line and the listed values, the complete
// list as the detail.
bool notifyListing(const Notify& notify, NoticeType type, NoticeButtons buttons, const QString& head,
                   const QString& request, const server::Listing& listing)
{
    return notify(Notice{type, buttons, head + u'\r' + request + u'\r' + listing.text, listing.complete});
}

bool ask(const Notify& notify, const QString& question)
{
    return notify(Notice{NoticeType::Confirmation, NoticeButtons::YesNo, question, {}});
}

// No later day may be closed (generation and reopening).
bool noLaterClosings(const server::DayClosing& closing, double unit, const QDate& day, const Notify& notify)
{
    const server::Listing later = closing.laterClosedDays(unit, day);
    if (later.isEmpty())
        return true;
    notifyListing(notify, NoticeType::Error, NoticeButtons::Ok, QStringLiteral("Existem fechamentos posteriores a esta data."),
                  QStringLiteral("Para reabrir essa data você deverá desfazer o fechamento das seguintes datas:"), later);
    return false;
}

Outcome closeDay(const data::TDataModule_Custo& module, double unit, const QDate& day, const Notify& notify)
{
    const server::DayClosing closing(module);
    const data::DataSet& industrializado = module.dataSet(QStringLiteral("CDS_Industrializado"));
    if (industrializado.isActive() && !industrializado.isEmpty()) {
        const QString warning = industrializado.fieldByName(QStringLiteral("MSG_ADVERTENCIA")).asString();
        if (!warning.isEmpty()) {
            inform(notify, NoticeType::Error, QStringLiteral("Não é possível processar fechamento: ") + warning);
            return Outcome::Refused;
        }
    }
    const server::Listing open = closing.earlierOpenDays(unit, day);
    if (!open.isEmpty()) {
        notifyListing(notify, NoticeType::Error, NoticeButtons::Ok, QStringLiteral("Existem datas anteriores sem fechamento."),
                      QStringLiteral("Você deve executar o fechamento dos seguintes dias abaixo:"), open);
        return Outcome::Refused;
    }
    const data::DataSet& resultado = module.dataSet(QStringLiteral("CDS_Resultado"));
    const QVariant productionUnit = resultado.isActive() && !resultado.isEmpty()
                                        ? resultado.fieldByName(QStringLiteral("ID_UNIDADE")).value()
                                        : QVariant();
    const server::Listing orders = closing.unprocessedProductionOrders(productionUnit, day);
    if (!orders.isEmpty()) {
        notifyListing(notify, NoticeType::Error, NoticeButtons::Ok,
                      QStringLiteral("Existem Ordens de Produção concluídas que não foram processadas."),
                      QStringLiteral("Por favor, gere novamente o Custo para incluir as seguintes Ordens de Produção:"), orders);
        return Outcome::Refused;
    }
    const server::PurchaseOrderRule rule = closing.purchaseOrderRule(day);
    if (rule != server::PurchaseOrderRule::NotChecked) {
        const server::Listing purchases = closing.unprocessedPurchaseOrders(productionUnit, day);
        if (!purchases.isEmpty()) {
            const bool blocks = rule == server::PurchaseOrderRule::Blocks;
            const bool goOn = notifyListing(
                notify, blocks ? NoticeType::Error : NoticeType::Information,
                blocks ? NoticeButtons::Ok : NoticeButtons::OkCancel,
                QStringLiteral("Existem Ordens de Compra que não foram processadas."),
                QStringLiteral("Por favor, gere novamente o Custo para incluir as seguintes Ordens de Compra:"), purchases);
            if (blocks || !goOn)
                return Outcome::Refused;
        }
    }
    if (!ask(notify, QStringLiteral("Deseja realizar o fechamento do custo ?")))
        return Outcome::Declined;
    closing.close(closingValues(module, day));
    inform(notify, NoticeType::Information, QStringLiteral("Processo de fechamento concluído!"));
    return Outcome::Done;
}

Outcome reopenDay(const data::TDataModule_Custo& module, double unit, const QDate& day, const Notify& notify)
{
    const server::DayClosing closing(module);
    if (!noLaterClosings(closing, unit, day, notify))
        return Outcome::Refused;
    if (!ask(notify, QStringLiteral("Deseja DESFAZER o fechamento do custo ?")))
        return Outcome::Declined;
    closing.reopen(reopeningValues(module, day));
    inform(notify, NoticeType::Information, QStringLiteral("Processo de reabertura concluído!"));
    return Outcome::Done;
}

} // namespace

bool databaseAllowed(const data::TDataModule_Custo& module, const Notify& notify)
{
    session::DBXConnection& connection = module.connection();
    const session::Result result = connection.query(
        statements::unitDatabaseCheck,
        session::Params().setText(QStringLiteral("database"), connection.param(QStringLiteral("DATABASE"))));
    if (result.value(0, result.indexOf(QStringLiteral("CONTADOR"))).toDouble() == 0)
        return true;
    inform(notify, NoticeType::Error,
           QStringLiteral("Acesso ao banco de dados não permitido. Conecte-se no banco de dados liberado para "
                          "processamento do custo."));
    return false;
}

bool dayShowsInformation(const data::TDataModule_Custo& module, const QDate& day, const Notify& notify)
{
    const data::Field& inicio =
        module.dataSet(QStringLiteral("CDS_Parametros")).fieldByName(QStringLiteral("DATA_INICIO_SISTEMA"));
    if (inicio.isNull() || day >= inicio.asDateTime().date())
        return true;
    inform(notify, NoticeType::Information,
           QStringLiteral("Versão liberada para informações a partir de ") + inicio.asString() + QStringLiteral("."));
    return false;
}

bool slaughterLoaded(const data::TDataModule_Custo& module, const Notify& notify)
{
    const data::DataSet& abate = module.dataSet(QStringLiteral("CDS_Abate"));
    if (abate.isActive() && !abate.isEmpty())
        return true;
    inform(notify, NoticeType::Information,
           QStringLiteral("Não existe informação a ser detalhada. Por favor, selecione uma data com movimento de abate."));
    return false;
}

bool generationAllowed(const data::TDataModule_Custo& module, double unit, const QDate& day, const Notify& notify)
{
    if (!DayState::of(module).allowsGeneration()) {
        inform(notify, NoticeType::Information,
               QStringLiteral("O dia já foi fechado. Para reprocessar você deverá reabrir o dia."));
        return false;
    }
    return noLaterClosings(server::DayClosing(module), unit, day, notify);
}

Outcome closeOrReopenDay(const data::TDataModule_Custo& module, double unit, const QDate& day, const Notify& notify,
                         std::optional<ClosingPath> wanted)
{
    const DayState state = DayState::of(module);
    if (!state.hasProcess()) {
        inform(notify, NoticeType::Information,
               QStringLiteral("Não existem informações para gerar o fechamento do custo, selecione uma data com "
                              "movimento de abate e desossa!."));
        return Outcome::Refused;
    }
    const ClosingPath path = state.closesOnAction() ? ClosingPath::Close : ClosingPath::Reopen;
    if (wanted && *wanted != path) {
        inform(notify, NoticeType::Error,
               path == ClosingPath::Reopen ? QStringLiteral("O dia já está fechado: não há o que fechar.")
                                           : QStringLiteral("O dia não está fechado: não há o que reabrir."));
        return Outcome::Refused;
    }
    return path == ClosingPath::Close ? closeDay(module, unit, day, notify) : reopenDay(module, unit, day, notify);
}

bool priceCaptureUndoAllowed(const data::TDataModule_Custo& module, const Notify& notify)
{
    if (DayState::of(module).allowsPriceCaptureUndo())
        return true;
    inform(notify, NoticeType::Information,
           QStringLiteral("Para desfazer a captura de preços é necessário desfazer o fechamento do custo!"));
    return false;
}

bool openPriceCaptures(data::TDataModule_Custo& module, double unit, const QDate& day, const Notify& notify)
{
    if (!openDayHistory(module, "HistoricoCusto", unit, day).isEmpty())
        return true;
    inform(notify, NoticeType::Information, QStringLiteral("Não existe histório para desfazer captura de preço."));
    return false;
}

QString priceCaptureUndoQuestion()
{
    return QStringLiteral("Confirma desfazer captura do preço?");
}

QString priceCaptureUndoFailure(const QString& error)
{
    return QStringLiteral("Falha ao desfazer captura do preço. Verifique!") + u'\r' + QStringLiteral("Erro: ") + error;
}

void undoPriceCapture(const data::TDataModule_Custo& module, double unit, const QDate& generatedDay,
                      const QDateTime& captureMoment)
{
    server::PriceCaptureUndo(module.connection())
        .run({unit, generatedDay, captureMoment, dbLink(module), processFlags(module)});
}

bool openDayLog(data::TDataModule_Custo& module, double unit, const QDate& day, const Notify& notify)
{
    if (!openDayHistory(module, "LogCusto", unit, day).isEmpty())
        return true;
    inform(notify, NoticeType::Information, QStringLiteral("Não existe Histórico de Geração e Fechamento!"));
    return false;
}

} // namespace custos::dayproc
