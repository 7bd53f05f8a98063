// "&Fechar"/"&Reabrir" (cxButton3Click): the path follows the day state. The closing checks the
// production's warning, the earlier open days, the unprocessed production orders and the
// purchase-order rule, in this order, then asks; the reopening checks the later closed days,
// then asks. Each runs its procedure in a transaction of its own (server/DayClosing). A check
// that refuses, or a failing procedure, stops the handler; otherwise the slaughter and
// production datasets are reloaded and the buttons follow.

#include "TF_Menu.h"

#include "ClientDataSet.h"
#include "DataModule_Custo.h"
#include "DayClosing.h"
#include "DayOperationValues.h"
#include "DayState.h"
#include "ErrorDisplay.h"

namespace custos::dayproc {

ui::MessageResult TF_Menu::showListing(ui::MessageType type, ui::MessageButtons buttons, const QString& head,
                                       const QString& request, const server::Listing& listing)
{
    return ui::showMessage(type, buttons, head + u'\r' + request + u'\r' + listing.text, listing.complete, this);
}

void TF_Menu::cxButton3Click()
{
    ui::guarded(this, [this] {
        const DayState state = DayState::of(module());
        if (!state.hasProcess()) {
            ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok,
                            QStringLiteral("Não existem informações para gerar o fechamento do custo, selecione uma data com "
                                           "movimento de abate e desossa!."),
                            this);
            return;
        }
        const server::DayClosing closing(module());
        const QDate day = calendarDate();
        if (!(state.closesOnAction() ? closeDay(closing, day) : reopenDay(closing, day)))
            return;
        refreshAfterClosing();
    });
}

bool TF_Menu::closeDay(const server::DayClosing& closing, const QDate& day)
{
    const data::DataSet& industrializado = module().dataSet(QStringLiteral("CDS_Industrializado"));
    if (industrializado.isActive() && !industrializado.isEmpty()) {
        const QString warning = industrializado.fieldByName(QStringLiteral("MSG_ADVERTENCIA")).asString();
        if (!warning.isEmpty()) {
            ui::showMessage(ui::MessageType::Error, ui::MessageButtons::Ok,
                            QStringLiteral("Não é possível processar fechamento: ") + warning, this);
            return false;
        }
    }
    const server::Listing open = closing.earlierOpenDays(unit(), day);
    if (!open.isEmpty()) {
        showListing(ui::MessageType::Error, ui::MessageButtons::Ok, QStringLiteral("Existem datas anteriores sem fechamento."),
                    QStringLiteral("Você deve executar o fechamento dos seguintes dias abaixo:"), open);
        return false;
    }
    const data::DataSet& resultado = module().dataSet(QStringLiteral("CDS_Resultado"));
    const QVariant productionUnit = resultado.isActive() && !resultado.isEmpty()
                                        ? resultado.fieldByName(QStringLiteral("ID_UNIDADE")).value()
                                        : QVariant();
    const server::Listing orders = closing.unprocessedProductionOrders(productionUnit, day);
    if (!orders.isEmpty()) {
        showListing(ui::MessageType::Error, ui::MessageButtons::Ok,
                    QStringLiteral("Existem Ordens de Produção concluídas que não foram processadas."),
                    QStringLiteral("Por favor, gere novamente o Custo para incluir as seguintes Ordens de Produção:"), orders);
        return false;
    }
    const server::PurchaseOrderRule rule = closing.purchaseOrderRule(day);
    if (rule != server::PurchaseOrderRule::NotChecked) {
        const server::Listing purchases = closing.unprocessedPurchaseOrders(productionUnit, day);
        if (!purchases.isEmpty()) {
            const bool blocks = rule == server::PurchaseOrderRule::Blocks;
            const ui::MessageResult answer =
                showListing(blocks ? ui::MessageType::Error : ui::MessageType::Information,
                            blocks ? ui::MessageButtons::Ok : ui::MessageButtons::OkCancel,
                            QStringLiteral("Existem Ordens de Compra que não foram processadas."),
                            QStringLiteral("Por favor, gere novamente o Custo para incluir as seguintes Ordens de Compra:"), purchases);
            if (blocks || answer != ui::MessageResult::Ok)
                return false;
        }
    }
    if (ui::showMessage(ui::MessageType::Confirmation, ui::MessageButtons::YesNo,
                        QStringLiteral("Deseja realizar o fechamento do custo ?"), this) != ui::MessageResult::Yes)
        return true;
    closing.close(closingValues(module(), day));
    ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok, QStringLiteral("Processo de fechamento concluído!"), this);
    PlannerCalendar1DaySelect(calendarDate());
    return true;
}

bool TF_Menu::reopenDay(const server::DayClosing& closing, const QDate& day)
{
    const server::Listing later = closing.laterClosedDays(unit(), day);
    if (!later.isEmpty()) {
        showListing(ui::MessageType::Error, ui::MessageButtons::Ok, QStringLiteral("Existem fechamentos posteriores a esta data."),
                    QStringLiteral("Para reabrir essa data você deverá desfazer o fechamento das seguintes datas:"), later);
        return false;
    }
    if (ui::showMessage(ui::MessageType::Confirmation, ui::MessageButtons::YesNo,
                        QStringLiteral("Deseja DESFAZER o fechamento do custo ?"), this) != ui::MessageResult::Yes)
        return true;
    closing.reopen(reopeningValues(module(), day));
    ui::showMessage(ui::MessageType::Information, ui::MessageButtons::Ok, QStringLiteral("Processo de reabertura concluído!"), this);
    // The whole day again, the resale too: a reopened resale left showing as closed would keep
    // the button at "&Reabrir" and the editable datasets locked.
    PlannerCalendar1DaySelect(calendarDate());
    return true;
}

// The slaughter and production datasets again with the parameters they have, and the buttons.
void TF_Menu::refreshAfterClosing()
{
    for (const char* name : {"CDS_Abate", "CDS_Industrializado"}) {
        data::ClientDataSet& dataSet = module().clientDataSet(QString::fromLatin1(name));
        dataSet.close();
        dataSet.open();
    }
    AtualizaBotoes();
}

} // namespace custos::dayproc
